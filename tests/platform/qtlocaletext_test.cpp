#include "platform/qtlocaletext.h"

#include "engine/displaytext.h"
#include "engine/oledate.h"
#include "engine/usenglishtext.h"

#include <gtest/gtest.h>

using namespace kalvor;
using kalvor::platform::QtLocaleText;

TEST(QtLocaleText, UsEnglishReadsExactlyAsTheBuiltInTexts) {
    const QtLocaleText qt(QLocale(QLocale::English, QLocale::UnitedStates));
    const UsEnglishText us;
    const CivilDateTime samples[] = {{{1996, 12, 25}, 22, 30, 45},
                                     {{2026, 12, 11}, 9, 5, 0},
                                     {{2007, 1, 2}, 0, 0, 0},
                                     {{2000, 2, 29}, 12, 0, 0},
                                     {{1850, 7, 4}, 23, 59, 0}};
    for (const auto& t : samples) {
        const double when = civilToOle(t).value();
        EXPECT_EQ(displayText(when, qt), displayText(when, us));
        EXPECT_EQ(mytime(when, qt), mytime(when, us));
    }
    EXPECT_EQ(displayText(civilToOle({{1996, 12, 25}, 22, 30, 0}).value(), qt), "12/25/96 10:30 PM");
}

TEST(QtLocaleText, OtherLocalesUseTheirOwnForms) {
    const QtLocaleText de(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(displayText(civilToOle({{1996, 12, 25}, 22, 30, 0}).value(), de), "25.12.96 22:30");
}

TEST(QtLocaleText, ReadsDatesWithTwoDigitYearsAroundToday) {
    const QtLocaleText us(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::pair<const char*, std::optional<CivilDate>> cases[] = {
        {"12/11/26", CivilDate{2026, 12, 11}},
        {"1/1/30", CivilDate{1930, 1, 1}},
        {"12/31/29", CivilDate{2029, 12, 31}},
        {"2/29/00", CivilDate{2000, 2, 29}},
        {" 12/11/2026 ", CivilDate{2026, 12, 11}},
        {"7/4/1776", CivilDate{1776, 7, 4}},
        {"2/29/25", std::nullopt},
        {"13/1/26", std::nullopt},
        {"12/11", std::nullopt},
        {"Dec 11 26", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(us.parseDate(QString::fromLatin1(text)), date) << text;

    const QtLocaleText de(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.parseDate(QStringLiteral("11.12.26")), (CivilDate{2026, 12, 11}));
}

TEST(QtLocaleText, ReadsTimesWithOrWithoutSeconds) {
    const QtLocaleText us(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::pair<const char*, std::optional<CivilDateTime>> cases[] = {
        {"10:30 PM", CivilDateTime{{}, 22, 30, 0}},
        {"9:05 AM", CivilDateTime{{}, 9, 5, 0}},
        {"12:00 AM", CivilDateTime{{}, 0, 0, 0}},
        {"10:30:45 PM", CivilDateTime{{}, 22, 30, 45}},
        {"22:30", CivilDateTime{{}, 22, 30, 0}},
        {"25:00", std::nullopt},
        {"noon", std::nullopt},
    };
    for (const auto& [text, time] : cases)
        EXPECT_EQ(us.parseTime(QString::fromLatin1(text)), time) << text;
}
