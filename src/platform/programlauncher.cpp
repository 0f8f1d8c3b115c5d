#include "programlauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace kalvor::platform {

bool ProgramLauncher::start(const std::string& commandLine, const std::string& directory, int) {
    QStringList arguments = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (arguments.isEmpty())
        return false;
    const QString program = arguments.takeFirst();
    const QString workingDirectory = QString::fromStdString(directory);
    if (!workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir())
        return false;
    return QProcess::startDetached(program, arguments,
                                   workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory);
}

} // namespace kalvor::platform
