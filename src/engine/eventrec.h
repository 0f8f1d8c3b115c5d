#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kalvor {

// One event as stored in the event file: 2065 packed little-endian bytes. The text fields keep the
// file's bytes (Windows-1252); a field never assigned stays all zero bytes.
struct eventrec {
    static constexpr std::size_t kDescSize = 50;
    static constexpr std::size_t kTxtSize = 1000;
    static constexpr std::size_t kExtraSize = 1000;

    static constexpr std::size_t kDescOffset = 0;
    static constexpr std::size_t kTxtOffset = 50;
    static constexpr std::size_t kRepOffset = 1050;
    static constexpr std::size_t kOccOffset = 1052;
    static constexpr std::size_t kWhenOffset = 1054;
    static constexpr std::size_t kExtraOffset = 1062;
    static constexpr std::size_t kDaysOffset = 2062;
    static constexpr std::size_t kActionOffset = 2063;
    static constexpr std::size_t kSize = 2065;

    using Bytes = std::array<unsigned char, kSize>;

    std::array<char, kDescSize> desc{};
    std::array<char, kTxtSize> txt{};
    std::int16_t rep = 0;
    std::int16_t occ = 0;
    double when = 0.0;
    std::array<char, kExtraSize> extra{};
    unsigned char days = 0;
    std::int16_t action = 0;

    Bytes encode() const noexcept;
    // Missing bytes of a short record read as zero.
    static eventrec decode(std::span<const unsigned char> bytes) noexcept;

    friend bool operator==(const eventrec&, const eventrec&) = default;
};

// Action codes of eventrec::action.
enum EventAction : int { SendMail = 0, DisplayMessage = 1, RunProgram = 2 };

// Stores text in a fixed-length field: padded with spaces, or cut to the field's length.
void assignText(std::span<char> field, std::string_view text) noexcept;

// The field's text without leading and trailing spaces (spaces only: other bytes are kept).
std::string trimmedText(std::span<const char> field);
std::string_view trimSpaces(std::string_view text) noexcept;

// Reads only the `when` field of an encoded record.
double readWhen(std::span<const unsigned char, eventrec::kSize> record) noexcept;

} // namespace kalvor
