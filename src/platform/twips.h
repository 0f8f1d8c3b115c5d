#pragma once

#include <cmath>

namespace kalvor::platform {

// Window geometry is kept in twips (1/1440 inch): 15 twips to a logical pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(double twips) noexcept {
    const double px = twips / kTwipsPerPixel;
    return static_cast<int>(px >= 0 ? px + 0.5 : px - 0.5);
}
constexpr int toTwips(int pixels) noexcept {
    return pixels * kTwipsPerPixel;
}

} // namespace kalvor::platform
