#pragma once

#include "twips.h"

#include <QRect>
#include <QString>

namespace kalvor::platform {

// A rectangle given in twips, in logical pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// Names a control after its layout name and puts it at its place, given in twips.
template <typename W> W* place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

} // namespace kalvor::platform
