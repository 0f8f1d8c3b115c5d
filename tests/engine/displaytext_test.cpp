#include "engine/displaytext.h"
#include "engine/oledate.h"
#include "engine/usenglishtext.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kalvor;

TEST(DisplayText, UsEnglishTimesAndDates) {
    const UsEnglishText us;
    const std::pair<CivilDateTime, const char*> times[] = {
        {{{1996, 12, 25}, 22, 30, 45}, "10:30 PM"}, {{{1996, 12, 25}, 9, 5, 0}, "9:05 AM"},
        {{{1996, 12, 25}, 0, 0, 0}, "12:00 AM"},    {{{1996, 12, 25}, 12, 0, 0}, "12:00 PM"},
        {{{1996, 12, 25}, 0, 59, 59}, "12:59 AM"},  {{{1996, 12, 25}, 23, 59, 59}, "11:59 PM"},
    };
    for (const auto& [t, text] : times)
        EXPECT_EQ(mytime(civilToOle(t).value(), us), text);

    EXPECT_EQ(displayText(civilToOle({{1996, 12, 25}, 0, 0, 0}).value(), us), "12/25/96 12:00 AM");
    EXPECT_EQ(displayText(civilToOle({{1996, 12, 25}, 22, 30, 0}).value(), us), "12/25/96 10:30 PM");
    EXPECT_EQ(displayText(civilToOle({{2007, 1, 2}, 9, 5, 0}).value(), us), "1/2/07 9:05 AM");
    EXPECT_EQ(displayText(std::numeric_limits<double>::quiet_NaN(), us), kInvalidDateText);
}
