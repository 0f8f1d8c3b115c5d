#include "cp1252.h"

#include <QList>

#include <array>

namespace kalvor::platform {

namespace {

// Bytes 0x80..0x9F; the five bytes Windows-1252 leaves unassigned stand for the C1 controls of the
// same number, as Windows itself converts them.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(uint c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

QString fromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t{b}));
    }
    return text;
}

std::string toCp1252(const QString& text, bool* lossless) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    bool allKept = true;
    for (const uint c : text.toUcs4()) {
        const int b = byteFor(c);
        allKept = allKept && b >= 0;
        bytes.push_back(b >= 0 ? static_cast<char>(b) : '?');
    }
    if (lossless)
        *lossless = allKept;
    return bytes;
}

} // namespace kalvor::platform
