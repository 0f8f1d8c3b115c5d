#include "platform/profilefile.h"

#include "support/tempdir.h"

#include <QFile>

#include <gtest/gtest.h>

using kalvor::platform::ProfileFile;

TEST(ProfileFile, ReadsAndWritesKeysKeepingTheRestOfTheFile) {
    TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "sub" / "Kalvor.ini").string());
    const ProfileFile profile(path);
    EXPECT_EQ(profile.readString(QStringLiteral("Kalvor"), QStringLiteral("Left")), QString());

    {
        QFile::remove(path);
        ASSERT_TRUE(profile.writeString(QStringLiteral("Other"), QStringLiteral("Left"), QStringLiteral("7")));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("; a comment\n[Kalvor]\n  left = 1200  \nTop=585\n\n[Last]\nx=1\n");
    }
    EXPECT_EQ(profile.readString(QStringLiteral("KALVOR"), QStringLiteral("Left")), QStringLiteral("1200"));
    EXPECT_EQ(profile.readString(QStringLiteral("Kalvor"), QStringLiteral("Height")), QString());

    ASSERT_TRUE(profile.writeString(QStringLiteral("Kalvor"), QStringLiteral("Left"), QStringLiteral("-15")));
    ASSERT_TRUE(profile.writeString(QStringLiteral("Kalvor"), QStringLiteral("Height"), QStringLiteral("3750")));
    ASSERT_TRUE(profile.writeString(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("v")));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Other]\nLeft=7\n; a comment\n[Kalvor]\nLeft=-15\nTop=585\nHeight=3750\n\n"
                                         "[Last]\nx=1\n[New]\nk=v\n"));
    EXPECT_EQ(file.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
}
