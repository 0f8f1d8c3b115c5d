#include "engine/recurrence.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kalvor;

namespace {

CivilDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return {{y, mo, d}, h, mi, s};
}
double ole(const CivilDateTime& t) {
    return civilToOle(t).value();
}
LocalSeconds secs(const CivilDateTime& t) {
    return civilToSeconds(t);
}

std::optional<CivilDateTime> next(int unit, int occ, double when, const CivilDateTime& now) {
    const auto r = nextOccurrence(unit, occ, when, nowmin(secs(now)));
    return r ? oleToCivil(*r) : std::nullopt;
}

} // namespace

TEST(Recurrence, NowminDropsTheSeconds) {
    EXPECT_EQ(secondsToCivil(nowmin(secs(at(2026, 12, 11, 10, 30, 40)))), at(2026, 12, 11, 10, 30));
    EXPECT_EQ(secondsToCivil(nowmin(secs(at(1899, 12, 29, 6, 0, 59)))), at(1899, 12, 29, 6));
    EXPECT_EQ(secondsToCivil(nowmin(secs(at(120, 3, 1, 0, 0, 1)))), at(120, 3, 1));
}

TEST(Recurrence, NextOccurrenceOfEachUnit) {
    struct Case {
        const char* what;
        int unit;
        int occ;
        CivilDateTime when;
        CivilDateTime now;
        CivilDateTime expected;
    };
    const Case cases[] = {
        {"15 minutes from the minute it fired in", Minutes, 15, at(2026, 3, 2, 10, 30), at(2026, 3, 2, 10, 30, 40),
         at(2026, 3, 2, 10, 45)},
        {"2 hours, fired on time", Hours, 2, at(2026, 3, 2, 8), at(2026, 3, 2, 8, 0, 20), at(2026, 3, 2, 10)},
        {"hourly, three days late: from yesterday at this minute", Hours, 1, at(2026, 3, 2, 8),
         at(2026, 3, 5, 10, 15, 30), at(2026, 3, 5, 10, 15)},
        {"hourly, reaching the current minute again", Hours, 1, at(2026, 3, 5, 10, 15), at(2026, 3, 5, 10, 15, 30),
         at(2026, 3, 5, 11, 15)},
        {"daily, five days late", Days, 1, at(2026, 3, 1, 9), at(2026, 3, 6, 10, 15), at(2026, 3, 7, 9)},
        {"daily, moved on although not yet due", Days, 1, at(2026, 3, 7, 9), at(2026, 3, 6, 10, 15), at(2026, 3, 8, 9)},
        {"daily, landing on the current minute", Days, 1, at(2026, 3, 5, 10, 15), at(2026, 3, 6, 10, 15, 30),
         at(2026, 3, 6, 10, 15)},
        {"2 weeks", Weeks, 2, at(2026, 3, 1, 9), at(2026, 3, 1, 9, 0, 10), at(2026, 3, 15, 9)},
        {"monthly from 31 January", Months, 1, at(2025, 1, 31, 9), at(2025, 1, 31, 9, 0, 5), at(2025, 2, 28, 9)},
        {"monthly from 31 January, leap year", Months, 1, at(2024, 1, 31, 9), at(2024, 1, 31, 9), at(2024, 2, 29, 9)},
        {"monthly, many months late", Months, 5, at(2020, 1, 31, 9), at(2026, 12, 11, 8), at(2027, 2, 28, 9)},
        {"yearly from 29 February", Years, 1, at(1996, 2, 29, 8), at(1996, 2, 29, 8, 0, 10), at(1997, 2, 28, 8)},
        {"a count of 0 moves on as 1", Days, 0, at(2026, 3, 1, 9), at(2026, 3, 1, 9, 0, 5), at(2026, 3, 2, 9)},
        {"a negative count moves on as 1", Hours, -3, at(2026, 3, 1, 9), at(2026, 3, 1, 9, 0, 5), at(2026, 3, 1, 10)},
        {"before 1899", Weeks, 1, at(1850, 6, 1, 6), at(1850, 6, 1, 6, 0, 1), at(1850, 6, 8, 6)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(next(c.unit, c.occ, ole(c.when), c.now), c.expected) << c.what;
}

TEST(Recurrence, AShortenedMonthEndStaysShort) {
    LocalSeconds t = secs(at(2025, 1, 31, 9));
    const CivilDate expected[] = {{2025, 2, 28}, {2025, 3, 28}, {2025, 4, 28}};
    for (const auto& date : expected) {
        t = addUnits(t, Months, 1).value();
        EXPECT_EQ(secondsToCivil(t), (CivilDateTime{date, 9, 0, 0}));
    }
    const double y1997 = nextOccurrence(Years, 1, ole(at(1996, 2, 29, 8)), secs(at(1997, 1, 1))).value();
    EXPECT_EQ(oleToCivil(nextOccurrence(Years, 1, y1997, secs(at(1997, 3, 1))).value()), at(1998, 2, 28, 8));
}

TEST(Recurrence, RepeatedAdditionsDoNotDrift) {
    double when = ole(at(2026, 1, 1, 0, 0, 0));
    for (int i = 0; i < 100000; ++i)
        when = nextOccurrence(Minutes, 7, when, oleToSeconds(when).value()).value();
    EXPECT_EQ(oleToCivil(when), secondsToCivil(secs(at(2026, 1, 1)) + 100000LL * 7 * 60));
    EXPECT_EQ(when, ole(secondsToCivil(secs(at(2026, 1, 1)) + 100000LL * 7 * 60)));
}

TEST(Recurrence, DamagedOrUnreachableOccurrences) {
    const LocalSeconds now = secs(at(2026, 12, 11, 10, 15));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A damaged `when` moves on from the current minute.
    EXPECT_EQ(oleToCivil(nextOccurrence(Days, 1, nan, now).value()), at(2026, 12, 12, 10, 15));
    EXPECT_EQ(oleToCivil(nextOccurrence(Hours, 2, 1e300, now).value()), at(2026, 12, 11, 12, 15));
    // Beyond the year 9999 there is no next occurrence.
    EXPECT_FALSE(nextOccurrence(Years, 32767, ole(at(2026, 1, 1)), now).has_value());
    EXPECT_FALSE(nextOccurrence(Days, 1, ole(at(9999, 12, 31, 9)), secs(at(9999, 12, 31, 10))).has_value());
    EXPECT_FALSE(nextOccurrence(Minutes, 32767, 0.0, secs(at(9999, 12, 31, 23, 59))).has_value());
    // Units that do not repeat.
    for (const int unit : {-1, int(Once), 7, 9})
        EXPECT_FALSE(nextOccurrence(unit, 1, ole(at(2026, 1, 1)), now).has_value()) << unit;
}

TEST(Recurrence, ExcludedWeekdays) {
    // 2026-12-06 is a Sunday.
    for (int day = 6; day <= 12; ++day) {
        const bool weekend = day == 6 || day == 12;
        EXPECT_EQ(isExcludedDay(65, {2026, 12, day}), weekend) << day;
        EXPECT_FALSE(isExcludedDay(0, {2026, 12, day}));
        EXPECT_EQ(isExcludedDay(126, {2026, 12, day}), day != 6);
    }
}

TEST(Recurrence, RepeatCodes) {
    EXPECT_EQ(unitCode(12), Hours);
    EXPECT_TRUE(runIfMissed(12));
    EXPECT_EQ(unitCode(6), Years);
    EXPECT_FALSE(runIfMissed(6));
}
