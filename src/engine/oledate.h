#pragma once

#include "civildate.h"

#include <cstdint>
#include <optional>

namespace kalvor {

// Event times are OLE Automation dates: days since 1899-12-30 00:00, the fraction being the time of
// day. Before that day the integer part counts back while the fraction still counts forward from
// that day's midnight (-1.25 is 1899-12-29 06:00). All arithmetic happens on LocalSeconds, a linear
// count of whole seconds, so that repeated additions never drift.
using LocalSeconds = std::int64_t;

inline constexpr int kSecondsPerDay = 86400;
inline constexpr std::int64_t kOleEpochDays = days_from_civil(1899, 12, 30);
inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;
inline constexpr LocalSeconds kMinSeconds = days_from_civil(kMinYear, 1, 1) * kSecondsPerDay;
inline constexpr LocalSeconds kMaxSeconds = days_from_civil(kMaxYear, 12, 31) * kSecondsPerDay + kSecondsPerDay - 1;

constexpr bool secondsInRange(LocalSeconds s) noexcept {
    return s >= kMinSeconds && s <= kMaxSeconds;
}

// Rounds to the nearest second; nothing for NaN, infinities and dates outside the years 100..9999.
std::optional<LocalSeconds> oleToSeconds(double ole) noexcept;
// Nothing when s lies outside the years 100..9999.
std::optional<double> secondsToOle(LocalSeconds s) noexcept;

CivilDateTime secondsToCivil(LocalSeconds s) noexcept;
LocalSeconds civilToSeconds(const CivilDateTime& t) noexcept;

std::optional<CivilDateTime> oleToCivil(double ole) noexcept;
// Nothing for an invalid date or time, or one outside the years 100..9999.
std::optional<double> civilToOle(const CivilDateTime& t) noexcept;

// The OLE date as a plain count of days, increasing with time also before 1899 (where -1.25, six
// in the morning of 29 December, becomes -0.75). Ordering event times needs this.
double oleToLinearDays(double ole) noexcept;
double secondsToLinearDays(LocalSeconds s) noexcept;

// 1 = Sunday .. 7 = Saturday.
int weekdayOf(const CivilDate& d) noexcept;

} // namespace kalvor
