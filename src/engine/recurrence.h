#pragma once

#include "civildate.h"
#include "oledate.h"

#include <cstdint>
#include <optional>

namespace kalvor {

// Repeat unit codes as stored in eventrec::rep, less kRunIfMissed when that flag is set.
enum RepeatUnit : int { Once = 0, Minutes = 1, Hours = 2, Days = 3, Weeks = 4, Months = 5, Years = 6 };
inline constexpr int kRunIfMissed = 10;

constexpr int unitCode(int rep) noexcept {
    return rep > 9 ? rep - kRunIfMissed : rep;
}
constexpr bool runIfMissed(int rep) noexcept {
    return rep > 9;
}
constexpr bool isRepeatingUnit(int unit) noexcept {
    return unit >= Minutes && unit <= Years;
}

// The current minute: now with the seconds set to zero.
constexpr LocalSeconds nowmin(LocalSeconds now) noexcept {
    const LocalSeconds r = now % 60;
    return now - (r < 0 ? r + 60 : r);
}

// Adds count units (Minutes..Years) to t. Months and years keep the day of the month where the
// target month has it and take its last day otherwise. Nothing when the result leaves the years
// 100..9999 or the unit is not a repeating one.
std::optional<LocalSeconds> addUnits(LocalSeconds t, int unit, std::int64_t count) noexcept;

// The next due time of an event that has just come due, by its unit (Minutes..Years):
// - Minutes: nowMinute plus occ minutes;
// - Hours: from no earlier than one day before nowMinute, occ hours at a time;
// - Days..Years: occ units at a time, each addition from the previous result;
// at least one addition, stopping at the first value not earlier than nowMinute.
// A count below 1 moves on as a count of 1; a damaged `when` (not a finite date in range) moves
// on from nowMinute. Nothing when the next occurrence would lie beyond the year 9999, or for a
// unit that does not repeat.
std::optional<double> nextOccurrence(int unit, int occ, double when, LocalSeconds nowMinute) noexcept;

// True when the weekday of `date` has its bit set in the excluded-days mask (bit 0 Sunday).
bool isExcludedDay(unsigned char mask, const CivilDate& date) noexcept;

} // namespace kalvor
