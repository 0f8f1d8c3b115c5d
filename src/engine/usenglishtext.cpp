#include "usenglishtext.h"

#include <cstdio>

namespace kalvor {

std::string UsEnglishText::shortDate(const CivilDate& date) const {
    char text[32];
    const int yy = ((date.year % 100) + 100) % 100;
    std::snprintf(text, sizeof text, "%d/%d/%02d", date.month, date.day, yy);
    return text;
}

std::string UsEnglishText::shortTime(int hour, int minute) const {
    char text[32];
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    std::snprintf(text, sizeof text, "%d:%02d %s", hour12, minute, hour < 12 ? "AM" : "PM");
    return text;
}

} // namespace kalvor
