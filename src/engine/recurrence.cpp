#include "recurrence.h"

#include <algorithm>

namespace kalvor {

namespace {

constexpr std::int64_t fixedUnitSeconds(int unit) noexcept {
    switch (unit) {
    case Minutes:
        return 60;
    case Hours:
        return 3600;
    case Days:
        return kSecondsPerDay;
    case Weeks:
        return 7 * kSecondsPerDay;
    default:
        return 0;
    }
}

std::optional<LocalSeconds> addMonths(LocalSeconds t, std::int64_t months) noexcept {
    // Far beyond the calendar's range, and small enough that nothing below can overflow.
    if (months > 200000 || months < -200000)
        return std::nullopt;
    CivilDateTime c = secondsToCivil(t);
    const std::int64_t index = static_cast<std::int64_t>(c.date.year) * 12 + (c.date.month - 1) + months;
    const auto year = static_cast<int>(index >= 0 ? index / 12 : (index - 11) / 12);
    const int month = static_cast<int>(index - static_cast<std::int64_t>(year) * 12) + 1;
    if (year < kMinYear || year > kMaxYear)
        return std::nullopt;
    c.date = CivilDate{year, month, std::min(c.date.day, last_day_of_month(year, month))};
    return civilToSeconds(c);
}

} // namespace

std::optional<LocalSeconds> addUnits(LocalSeconds t, int unit, std::int64_t count) noexcept {
    if (unit == Months)
        return addMonths(t, count);
    if (unit == Years)
        return count > 20000 || count < -20000 ? std::nullopt : addMonths(t, count * 12);
    const std::int64_t step = fixedUnitSeconds(unit);
    if (step == 0 || count > kMaxSeconds / step || count < -kMaxSeconds / step)
        return std::nullopt;
    const LocalSeconds r = t + count * step;
    if (!secondsInRange(r))
        return std::nullopt;
    return r;
}

std::optional<double> nextOccurrence(int unit, int occ, double when, LocalSeconds nowMinute) noexcept {
    if (!isRepeatingUnit(unit))
        return std::nullopt;
    const std::int64_t count = std::max(occ, 1);
    if (unit == Minutes) {
        const auto next = addUnits(nowMinute, Minutes, count);
        return next ? secondsToOle(*next) : std::nullopt;
    }
    LocalSeconds t = oleToSeconds(when).value_or(nowMinute);
    if (unit == Hours)
        t = std::max(t, nowMinute - kSecondsPerDay);

    if (const std::int64_t unitSeconds = fixedUnitSeconds(unit)) {
        // Fixed-length steps: jump straight to the first step not earlier than nowMinute, which is
        // the value that adding one step at a time would reach.
        const std::int64_t step = count * unitSeconds;
        const std::int64_t steps = t >= nowMinute ? 1 : std::max<std::int64_t>(1, (nowMinute - t + step - 1) / step);
        return secondsToOle(t + steps * step);
    }

    // Calendar steps: each addition starts from the previous result, so a day cut short at the
    // end of a month stays short.
    do {
        const auto next = addUnits(t, unit, count);
        if (!next)
            return std::nullopt;
        t = *next;
    } while (t < nowMinute);
    return secondsToOle(t);
}

bool isExcludedDay(unsigned char mask, const CivilDate& date) noexcept {
    return (mask >> (weekdayOf(date) - 1)) & 1U;
}

} // namespace kalvor
