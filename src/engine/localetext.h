#pragma once

#include "civildate.h"

#include <string>

namespace kalvor {

// The user's way of writing dates and times, supplied by the platform. Texts are UTF-8.
class LocaleText {
public:
    virtual ~LocaleText() = default;
    // The short date, e.g. "12/25/96".
    virtual std::string shortDate(const CivilDate& date) const = 0;
    // The time of day without seconds, e.g. "10:30 PM".
    virtual std::string shortTime(int hour, int minute) const = 0;
};

// Two-digit years fall in the window 1930..2029.
constexpr int expandTwoDigitYear(int yy) noexcept {
    return yy < 30 ? 2000 + yy : 1900 + yy;
}

} // namespace kalvor
