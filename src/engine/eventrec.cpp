#include "eventrec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kalvor {

namespace {

template <typename T> void putLE(unsigned char* out, T value) noexcept {
    using U = std::make_unsigned_t<T>;
    const auto u = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(U); ++i)
        out[i] = static_cast<unsigned char>(u >> (8 * i));
}

template <typename U> U getLE(const unsigned char* in) noexcept {
    U u = 0;
    for (std::size_t i = 0; i < sizeof(U); ++i)
        u = static_cast<U>(u | static_cast<U>(static_cast<U>(in[i]) << (8 * i)));
    return u;
}

template <std::size_t N> void putText(unsigned char* out, const std::array<char, N>& field) noexcept {
    std::memcpy(out, field.data(), N);
}

template <std::size_t N> void getText(std::array<char, N>& field, const unsigned char* in) noexcept {
    std::memcpy(field.data(), in, N);
}

} // namespace

eventrec::Bytes eventrec::encode() const noexcept {
    Bytes b{};
    putText(b.data() + kDescOffset, desc);
    putText(b.data() + kTxtOffset, txt);
    putLE(b.data() + kRepOffset, rep);
    putLE(b.data() + kOccOffset, occ);
    putLE(b.data() + kWhenOffset, std::bit_cast<std::uint64_t>(when));
    putText(b.data() + kExtraOffset, extra);
    b[kDaysOffset] = days;
    putLE(b.data() + kActionOffset, action);
    return b;
}

eventrec eventrec::decode(std::span<const unsigned char> bytes) noexcept {
    Bytes b{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), b.begin());
    eventrec r;
    getText(r.desc, b.data() + kDescOffset);
    getText(r.txt, b.data() + kTxtOffset);
    r.rep = static_cast<std::int16_t>(getLE<std::uint16_t>(b.data() + kRepOffset));
    r.occ = static_cast<std::int16_t>(getLE<std::uint16_t>(b.data() + kOccOffset));
    r.when = readWhen(b);
    getText(r.extra, b.data() + kExtraOffset);
    r.days = b[kDaysOffset];
    r.action = static_cast<std::int16_t>(getLE<std::uint16_t>(b.data() + kActionOffset));
    return r;
}

double readWhen(std::span<const unsigned char, eventrec::kSize> record) noexcept {
    return std::bit_cast<double>(getLE<std::uint64_t>(record.data() + eventrec::kWhenOffset));
}

void assignText(std::span<char> field, std::string_view text) noexcept {
    const std::size_t n = std::min(field.size(), text.size());
    std::copy_n(text.begin(), n, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), ' ');
}

std::string_view trimSpaces(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string trimmedText(std::span<const char> field) {
    return std::string(trimSpaces(std::string_view(field.data(), field.size())));
}

} // namespace kalvor
