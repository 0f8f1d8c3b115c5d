#include "platform/singleinstance.h"

#include "support/tempdir.h"

#include <QByteArray>
#include <QFile>
#include <QSysInfo>
#include <QtGlobal>

#include <gtest/gtest.h>

using kalvor::platform::SingleInstance;

TEST(SingleInstance, OneHolderAtATimeAndACrashedOneIsTakenOver) {
    TempDir runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path().string()));
    const QString lockPath = QString::fromStdString((runtime.path() / "kalvor.lock").string());
    {
        SingleInstance first;
        SingleInstance second;
        EXPECT_TRUE(first.acquire());
        EXPECT_FALSE(second.acquire());
    }
    {
        // The lock of a process that is gone, as a crash leaves it.
        QFile stale(lockPath);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("2147483000\nkalvor\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        SingleInstance next;
        EXPECT_TRUE(next.acquire());
    }
    qputenv("XDG_RUNTIME_DIR", saved);
}
