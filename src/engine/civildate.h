#pragma once

#include <cstdint>

namespace kalvor {

// A proleptic Gregorian calendar date.
struct CivilDate {
    int year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// A local wall-clock date and time to the whole second.
struct CivilDateTime {
    CivilDate date;
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Howard Hinnant's days_from_civil: days since 1970-01-01 of a proleptic Gregorian date.
constexpr std::int64_t days_from_civil(int y, int m, int d) noexcept {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// The inverse of days_from_civil.
constexpr CivilDate civil_from_days(std::int64_t z) noexcept {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    return CivilDate{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// 0 = Sunday .. 6 = Saturday, for days counted from 1970-01-01 (a Thursday).
constexpr int weekday_from_days(std::int64_t z) noexcept {
    return static_cast<int>(z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6);
}

constexpr bool is_leap(int y) noexcept {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

constexpr int last_day_of_month(int y, int m) noexcept {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && is_leap(y) ? 29 : days[m - 1];
}

constexpr bool is_valid(const CivilDate& d) noexcept {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= last_day_of_month(d.year, d.month);
}

} // namespace kalvor
