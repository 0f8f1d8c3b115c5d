#pragma once

#include <string>
#include <string_view>

namespace kalvor {

// The event file's texts are Windows-1252 bytes on every platform; everything else is UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);

// A character that Windows-1252 cannot hold (or a byte that is not valid UTF-8) becomes "?";
// *lossless tells whether any did.
std::string utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

} // namespace kalvor
