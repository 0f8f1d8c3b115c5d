#include "numbertext.h"

#include <cstdlib>
#include <string>

namespace kalvor {

double leadingNumber(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    // Only the characters a number can be made of, so that strtod sees no hex, "inf" or "nan".
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        number.push_back(text[i++]);
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true)
        number.push_back(text[i]);
    if (i < text.size() && text[i] == '.') {
        number.push_back(text[i++]);
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, digits = true)
            number.push_back(text[i]);
    }
    if (!digits)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            exponent.push_back(text[j++]);
        const std::size_t first = j;
        for (; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j)
            exponent.push_back(text[j]);
        if (j > first)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace kalvor
