#include "datafolder.h"

#include "engine/fileerror.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace kalvor::platform {

namespace {

QString kalvorFolderIn(QStandardPaths::StandardLocation location) {
    const QString base = QStandardPaths::writableLocation(location);
    if (base.isEmpty())
        throw FileError("Cannot find a folder for Kalvor's files: the home folder is unknown.");
    return QDir(base).filePath(QStringLiteral("Kalvor"));
}

} // namespace

std::filesystem::path dataFolder() {
    const QString folder = kalvorFolderIn(QStandardPaths::GenericDataLocation);
    if (!QDir(folder).exists()) {
        if (!QDir().mkpath(folder))
            throw FileError("Cannot create the folder " + folder.toStdString() + ".");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return std::filesystem::path(folder.toStdString());
}

std::filesystem::path configFolder() {
    return std::filesystem::path(kalvorFolderIn(QStandardPaths::GenericConfigLocation).toStdString());
}

} // namespace kalvor::platform
