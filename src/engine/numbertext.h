#pragma once

#include <string_view>

namespace kalvor {

// The number a text begins with, after leading blanks: an optional sign, digits and an optional
// fraction and exponent ("12abc" gives 12, "-5" gives -5, "abc" and "" give 0).
double leadingNumber(std::string_view text) noexcept;

} // namespace kalvor
