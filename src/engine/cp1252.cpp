#include "cp1252.h"

#include <array>

namespace kalvor {

namespace {

// Bytes 0x80..0x9F; the five bytes Windows-1252 leaves unassigned stand for the C1 controls of the
// same number, as Windows itself converts them.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[i], advancing i; U+FFFD for a malformed one.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || (lead >= 0xF5))
        return 0xFFFD;
    char32_t c = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return c;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8, bool* lossless) {
    std::string bytes;
    bytes.reserve(utf8.size());
    bool allKept = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const int b = byteFor(nextCodePoint(utf8, i));
        allKept = allKept && b >= 0;
        bytes.push_back(b >= 0 ? static_cast<char>(b) : '?');
    }
    if (lossless)
        *lossless = allKept;
    return bytes;
}

} // namespace kalvor
