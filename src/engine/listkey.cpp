#include "listkey.h"

namespace kalvor {

std::string keyOf(int recordNumber) {
    return "L" + std::to_string(recordNumber);
}

std::int16_t getkey(std::string_view key) noexcept {
    if (key.empty())
        return 0;
    key.remove_prefix(1);
    std::size_t i = 0;
    while (i < key.size() && key[i] == ' ')
        ++i;
    bool negative = false;
    if (i < key.size() && (key[i] == '-' || key[i] == '+'))
        negative = key[i++] == '-';
    long value = 0;
    for (; i < key.size() && key[i] >= '0' && key[i] <= '9'; ++i) {
        value = value * 10 + (key[i] - '0');
        if (value > 32768)
            return 0;
    }
    if (negative)
        value = -value;
    return value < -32768 || value > 32767 ? std::int16_t{0} : static_cast<std::int16_t>(value);
}

} // namespace kalvor
