#include "platform/datafolder.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>

TEST(DataFolder, IsMadePrivateUnderXdgDataHome) {
    TempDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path().string()));
    const auto folder = kalvor::platform::dataFolder();
    qputenv("XDG_DATA_HOME", saved);

    EXPECT_EQ(folder, home.path() / "Kalvor");
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}
