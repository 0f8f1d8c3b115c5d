#include "textcodec.h"

#include "engine/cp1252.h"

namespace kalvor::platform {

QString fromCp1252(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::string toCp1252(const QString& text, bool* lossless) {
    return utf8ToCp1252(text.toStdString(), lossless);
}

} // namespace kalvor::platform
