#include "datafolder.h"

#include "engine/fileerror.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace kalvor::platform {

std::filesystem::path dataFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        throw FileError("Cannot find a folder for the event file: the home folder is unknown.");
    const QString folder = QDir(base).filePath(QStringLiteral("Kalvor"));
    if (!QDir(folder).exists()) {
        if (!QDir().mkpath(folder))
            throw FileError("Cannot create the folder " + folder.toStdString() + ".");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return std::filesystem::path(folder.toStdString());
}

} // namespace kalvor::platform
