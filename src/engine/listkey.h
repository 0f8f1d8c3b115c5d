#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvor {

// The list item of record n is keyed "L" followed by n.
std::string keyOf(int recordNumber);

// The record number a list key names: the leading number after the first character, 0 when there
// is none or it does not fit 16 bits.
std::int16_t getkey(std::string_view key) noexcept;

} // namespace kalvor
