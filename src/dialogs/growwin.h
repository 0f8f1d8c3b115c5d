#pragma once

#include <QColor>
#include <QRect>

#include <array>

class QWidget;

namespace kalvor {

// One step of the outline animation, in screen pixels, edges as drawn (right and bottom included).
struct OutlineStep {
    int left, top, right, bottom;
    friend bool operator==(const OutlineStep&, const OutlineStep&) = default;
};

inline constexpr int kGrowSteps = 200;

// The 200 rectangles that grow about the centre of the outer rectangle (L, T, R, B) to its full
// size. Widths stay fractional until drawn, heights are rounded at each step, and every rounding
// takes halves to the even neighbour.
std::array<OutlineStep, kGrowSteps> growwinSteps(int left, int top, int right, int bottom);

// Announces a hidden window about to be shown: the 200 rectangles, outlined in black and filled
// with `fill`, grow over its outer rectangle with no pause between them. Drawing straight on the
// screen is impossible on composed desktops, so they are drawn in a borderless window laid over
// that place on a picture of what the screen showed there; it stays until the window is shown.
// Returns the rectangles drawn.
std::array<OutlineStep, kGrowSteps> growwin(QWidget* window, const QColor& fill);

} // namespace kalvor
