#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

namespace kalvor::platform {

SingleInstance::SingleInstance() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("kalvor.lock")));
    // Only a dead owner makes the lock stale, never its age: Kalvor runs for days.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

} // namespace kalvor::platform
