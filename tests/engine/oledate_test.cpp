#include "engine/oledate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kalvor;

namespace {

CivilDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return {{y, mo, d}, h, mi, s};
}

} // namespace

TEST(CivilDays, EveryDayOfTheRangeRoundTripsAndFollowsTheLast) {
    const std::int64_t first = days_from_civil(kMinYear, 1, 1);
    const std::int64_t last = days_from_civil(kMaxYear, 12, 31);
    CivilDate previous = civil_from_days(first - 1);
    for (std::int64_t z = first; z <= last; ++z) {
        const CivilDate d = civil_from_days(z);
        ASSERT_TRUE(is_valid(d)) << z;
        ASSERT_EQ(days_from_civil(d.year, d.month, d.day), z);
        const bool nextDay = d.day == previous.day + 1 && d.month == previous.month;
        const bool nextMonth = d.day == 1 && previous.day == last_day_of_month(previous.year, previous.month);
        ASSERT_TRUE(nextDay || nextMonth) << d.year << "-" << d.month << "-" << d.day;
        previous = d;
    }
    EXPECT_EQ(weekdayOf({1996, 12, 25}), 4); // a Wednesday
    EXPECT_EQ(weekdayOf({1899, 12, 30}), 7); // a Saturday
    EXPECT_EQ(weekdayOf({100, 1, 1}), 6);    // a Friday, proleptic Gregorian
}

TEST(OleDate, ConvertsToAndFromCivilTime) {
    struct Case {
        double ole;
        CivilDateTime civil;
    };
    const Case cases[] = {
        {0.0, at(1899, 12, 30)},
        {1.0, at(1899, 12, 31)},
        {2.5, at(1900, 1, 1, 12)},
        {-1.0, at(1899, 12, 29)},
        {-1.25, at(1899, 12, 29, 6)}, // the fraction counts forward from that day's midnight
        {-2.75, at(1899, 12, 28, 18)},
        {35424.9375, at(1996, 12, 25, 22, 30)},
        {46367.0, at(2026, 12, 11)},
        {-657434.0, at(100, 1, 1)},
        {2958465.0 + 86399.0 / 86400.0, at(9999, 12, 31, 23, 59, 59)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ole);
        EXPECT_EQ(oleToCivil(c.ole), c.civil);
        const auto back = civilToOle(c.civil);
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, c.ole, 1e-9);
    }
}

TEST(OleDate, RoundsToTheNearestSecond) {
    EXPECT_EQ(oleToCivil(0.5 + 0.4 / 86400), at(1899, 12, 30, 12, 0, 0));
    EXPECT_EQ(oleToCivil(0.5 + 0.6 / 86400), at(1899, 12, 30, 12, 0, 1));
    EXPECT_EQ(oleToCivil(1.0 - 0.2 / 86400), at(1899, 12, 31));
    EXPECT_EQ(oleToCivil(-1.0 - 0.9999999999), at(1899, 12, 30)); // 29 December at 24:00
}

TEST(OleDate, ValuesOutsideTheCalendarAreRefused) {
    const double refused[] = {-657435.0, // 31 December 99
                              2958466.0,
                              1e300,
                              -1e300,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (const double v : refused)
        EXPECT_FALSE(oleToCivil(v).has_value()) << v;
    EXPECT_FALSE(civilToOle(at(99, 12, 31, 23, 59, 59)).has_value());
    EXPECT_FALSE(civilToOle(at(10000, 1, 1)).has_value());
    EXPECT_FALSE(civilToOle(at(2025, 2, 29)).has_value());
    EXPECT_FALSE(civilToOle(at(2025, 1, 1, 24)).has_value());
}
