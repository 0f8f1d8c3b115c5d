#include "dialogs/directorylist.h"
#include "dialogs/form4.h"

#include "support/tempdir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

using namespace kalvor;

namespace {

class Form4Test : public ::testing::Test {
protected:
    Form4Test() {
        for (const char* name : {"prog.EXE", "Setup.bat", "notes.txt", "tool"})
            std::ofstream(dir.path() / name) << "x";
        std::filesystem::permissions(dir.path() / "tool", std::filesystem::perms::owner_all);
        std::filesystem::create_directory(dir.path() / "sub");
        target.setText(QStringLiteral("before"));
    }

    Form4& open(const char* caption) {
        browser = std::make_unique<Form4>(&target);
        browser->setWindowTitle(QLatin1String(caption));
        browser->findChild<DirectoryList*>(QStringLiteral("Dir1"))->setPath(folder());
        return *browser;
    }
    QString folder() const { return QString::fromStdString(dir.path().string()); }
    QListWidget* files() const { return browser->findChild<QListWidget*>(QStringLiteral("File1")); }
    QStringList fileNames() const {
        QStringList names;
        for (int i = 0; i < files()->count(); ++i)
            names << files()->item(i)->text();
        return names;
    }
    void clickFile(const char* name) const {
        QListWidgetItem* item = files()->findItems(QLatin1String(name), Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << name;
        files()->setCurrentItem(item);
        emit files()->itemClicked(item);
    }
    void press(const char* button) const { browser->findChild<QPushButton*>(QLatin1String(button))->click(); }

    TempDir dir;
    QLineEdit target;
    std::unique_ptr<Form4> browser;
};

} // namespace

TEST_F(Form4Test, TheProgramModeWritesTheChosenFile) {
    open(Form4::kProgramCaption);
    press("Command1"); // no file chosen yet: nothing happens
    EXPECT_EQ(target.text(), QStringLiteral("before"));
    EXPECT_EQ(browser->result(), QDialog::Rejected);

    clickFile("prog.EXE");
    EXPECT_EQ(browser->findChild<QLineEdit*>(QStringLiteral("fnme"))->text(), QStringLiteral("prog.EXE"));
    press("Command1");
    EXPECT_EQ(target.text(), folder() + QStringLiteral("/prog.EXE"));
    EXPECT_EQ(browser->result(), QDialog::Accepted);
    EXPECT_EQ(Form4::joinPath(QStringLiteral("/"), QStringLiteral("vmlinuz")), QStringLiteral("/vmlinuz"));
}

TEST_F(Form4Test, TheDirectoryModeWritesTheOpenFolderAndCancelNothing) {
    open(Form4::kDirectoryCaption);
    auto* folders = browser->findChild<DirectoryList*>(QStringLiteral("Dir1"));
    ASSERT_TRUE(folders->setPath(folder() + QStringLiteral("/sub")));
    EXPECT_TRUE(fileNames().isEmpty());
    press("Command1");
    EXPECT_EQ(target.text(), folder() + QStringLiteral("/sub"));

    target.setText(QStringLiteral("before"));
    open(Form4::kProgramCaption);
    clickFile("notes.txt");
    press("Command2");
    EXPECT_EQ(target.text(), QStringLiteral("before"));
}

TEST_F(Form4Test, TheFileTypeChoosesTheFilesShown) {
    open(Form4::kProgramCaption);
    auto* types = browser->findChild<QComboBox*>(QStringLiteral("Combo1"));
    EXPECT_EQ(types->currentText(), QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(fileNames(), (QStringList{"notes.txt", "prog.EXE", "Setup.bat", "tool"}));
    QTest::keyClicks(types, QStringLiteral("zz"));
    EXPECT_EQ(types->currentText(), QStringLiteral("All Files (*.*)"));

    types->setCurrentIndex(1);
    emit types->activated(1);
    EXPECT_EQ(fileNames(), (QStringList{"prog.EXE", "Setup.bat", "tool"}));
    types->setCurrentIndex(0);
    emit types->activated(0);
    EXPECT_EQ(fileNames().size(), 4);
}
