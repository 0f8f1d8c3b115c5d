#pragma once

#include <QIcon>
#include <QString>

namespace kalvor::platform {

// The program's clock face: white dial, black rim, hour marks and hands, red second hand. Used by
// the main window, the tray and the About box.
QIcon programIcon();

// The image of a toolbar command, from the desktop's icon theme (freedesktop names such as
// "list-add"), or a simple drawn one where the theme has none.
QIcon commandIcon(const QString& themeName);

} // namespace kalvor::platform
