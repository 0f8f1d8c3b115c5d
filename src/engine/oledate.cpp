#include "oledate.h"

#include <cmath>

namespace kalvor {

std::optional<LocalSeconds> oleToSeconds(double ole) noexcept {
    // Checked before any conversion to an integer, which would be undefined for huge values.
    if (!std::isfinite(ole) || ole < -700000.0 || ole > 3000000.0)
        return std::nullopt;
    const double dayPart = std::trunc(ole);
    const double timeOfDay = std::fabs(ole - dayPart);
    const auto day = static_cast<std::int64_t>(dayPart);
    const auto second = static_cast<std::int64_t>(std::llround(timeOfDay * kSecondsPerDay));
    const LocalSeconds s = (kOleEpochDays + day) * kSecondsPerDay + second;
    if (!secondsInRange(s))
        return std::nullopt;
    return s;
}

std::optional<double> secondsToOle(LocalSeconds s) noexcept {
    if (!secondsInRange(s))
        return std::nullopt;
    const std::int64_t days = (s >= 0 ? s : s - (kSecondsPerDay - 1)) / kSecondsPerDay;
    const std::int64_t second = s - days * kSecondsPerDay;
    const auto oleDay = static_cast<double>(days - kOleEpochDays);
    const double fraction = static_cast<double>(second) / kSecondsPerDay;
    return oleDay >= 0 ? oleDay + fraction : oleDay - fraction;
}

CivilDateTime secondsToCivil(LocalSeconds s) noexcept {
    const std::int64_t days = (s >= 0 ? s : s - (kSecondsPerDay - 1)) / kSecondsPerDay;
    const auto second = static_cast<int>(s - days * kSecondsPerDay);
    return CivilDateTime{civil_from_days(days), second / 3600, second / 60 % 60, second % 60};
}

LocalSeconds civilToSeconds(const CivilDateTime& t) noexcept {
    return days_from_civil(t.date.year, t.date.month, t.date.day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 +
           t.second;
}

std::optional<CivilDateTime> oleToCivil(double ole) noexcept {
    const auto s = oleToSeconds(ole);
    if (!s)
        return std::nullopt;
    return secondsToCivil(*s);
}

std::optional<double> civilToOle(const CivilDateTime& t) noexcept {
    if (!is_valid(t.date) || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
        t.second > 59)
        return std::nullopt;
    return secondsToOle(civilToSeconds(t));
}

double oleToLinearDays(double ole) noexcept {
    if (ole >= 0 || !std::isfinite(ole))
        return ole;
    const double day = std::trunc(ole);
    return day + std::fabs(ole - day);
}

double secondsToLinearDays(LocalSeconds s) noexcept {
    return static_cast<double>(s - kOleEpochDays * kSecondsPerDay) / kSecondsPerDay;
}

int weekdayOf(const CivilDate& d) noexcept {
    return weekday_from_days(days_from_civil(d.year, d.month, d.day)) + 1;
}

} // namespace kalvor
