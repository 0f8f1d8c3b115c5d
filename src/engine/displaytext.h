#pragma once

#include "localetext.h"

#include <string>

namespace kalvor {

// The time of day of tme without seconds ("10:30 PM" in US English).
std::string mytime(double tme, const LocaleText& locale);

// The short date, a space and mytime ("12/25/96 10:30 PM"); a damaged date says so.
std::string displayText(double when, const LocaleText& locale);

inline constexpr const char* kInvalidDateText = "(invalid date)";

} // namespace kalvor
