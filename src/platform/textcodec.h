#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kalvor::platform {

// The event file's Windows-1252 texts as Qt strings, and back.
QString fromCp1252(std::string_view bytes);
// A character that Windows-1252 cannot hold becomes "?"; *lossless tells whether any did.
std::string toCp1252(const QString& text, bool* lossless = nullptr);

} // namespace kalvor::platform
