#include "support/mainwindowfixture.h"

#include "engine/displaytext.h"
#include "engine/listkey.h"
#include "engine/recurrence.h"
#include "platform/profilefile.h"
#include "platform/twips.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace kalvor;
using platform::MessageDialog;
using platform::toPixels;

using Form1Test = kalvor_test::MainWindowFixture;
using kalvor_test::whenModal;

TEST_F(Form1Test, StartsWithTheEventsInFileOrderAndTheNextOneShown) {
    seed({"first", "second", "third"});
    start();
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2", "L3"}));
    EXPECT_EQ(descriptions(), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(list()->topLevelItem(1)->text(1), QStringLiteral("3/5/26 9:01 AM"));
    EXPECT_EQ(status(), QStringLiteral("Next Event: 3/5/26 9:00 AM"));
    EXPECT_EQ(tray()->toolTip(), status());
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 10000);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kalvor!"));
}

TEST_F(Form1Test, AnEmptyFileShowsNoEvents) {
    start();
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(status(), QStringLiteral("No Events"));
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(Form1Test, PlacementComesFromTheProfileOrItsDefaults) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> stored;
        QRect geometry; // pixels
        int subleft, subtop;
    };
    const Case cases[] = {
        {"no file", {}, QRect(80, 39, 388, 250), 1200, 585},
        {"stored",
         {{"Left", "3000"},
          {"Top", "1500"},
          {"Height", "6000"},
          {"Width", "9000"},
          {"SubLeft", "450"},
          {"SubTop", "-300"}},
         QRect(200, 100, 600, 400),
         450,
         -300},
        {"letters and out of range",
         {{"Left", "abc"}, {"Top", "12px"}, {"SubLeft", "99999"}, {"SubTop", "x"}},
         QRect(0, 1, 388, 250),
         32767,
         0},
        {"too small", {{"Height", "100"}, {"Width", "200"}}, QRect(80, 39, 388, 250), 1200, 585},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(placementPath());
        const platform::ProfileFile profile(placementPath());
        for (const auto& [key, value] : c.stored)
            profile.writeString(QStringLiteral("Kalvor"), QLatin1String(key), QLatin1String(value));
        start();
        EXPECT_EQ(form->frameGeometry(), c.geometry);
        EXPECT_EQ(form->subleft, c.subleft);
        EXPECT_EQ(form->subtop, c.subtop);
    }
}

TEST_F(Form1Test, TheLayoutFollowsTheWindowSize) {
    start();
    QHeaderView* header = list()->header();
    const QSize frame = form->frameGeometry().size() - form->size();
    form->resize(100, 100); // snaps back to the least outer size
    EXPECT_EQ(form->frameGeometry().size(), QSize(toPixels(5820), toPixels(3750)));
    EXPECT_EQ(list()->size(), QSize(toPixels(5500), toPixels(2250)));

    header->resizeSection(1, 20);
    form->resize(QSize(600, 400) - frame);
    EXPECT_EQ(list()->size(), QSize(600 - toPixels(320), 400 - toPixels(1500)));
    EXPECT_EQ(header->sectionSize(0), 600 - toPixels(2580));
    EXPECT_EQ(header->sectionSize(1), toPixels(1400));
}

TEST_F(Form1Test, TheDispatcherChoosesTheCommandByKey) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* command;
    };
    const Case cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, "minimize"}, {Qt::Key_M, Qt::NoModifier, "minimize"},
        {Qt::Key_Return, Qt::NoModifier, "edit"},     {Qt::Key_E, Qt::ControlModifier, "edit"},
        {Qt::Key_Delete, Qt::NoModifier, "remove"},   {Qt::Key_R, Qt::ShiftModifier, "remove"},
        {Qt::Key_Insert, Qt::NoModifier, "add"},      {Qt::Key_A, Qt::ControlModifier, "add"},
        {Qt::Key_A, Qt::ShiftModifier, "add"},        {Qt::Key_X, Qt::NoModifier, "exit"},
        {Qt::Key_Q, Qt::NoModifier, "nothing"},       {Qt::Key_F1, Qt::NoModifier, "nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + QKeySequence(c.key).toString().toStdString());
        QFile::remove(placementPath());
        std::filesystem::remove(dir.path() / "data" / "KALVOR.DAT");
        seed({"a", "b"});
        start();
        select(0);
        QTest::keyClick(list(), c.key, c.modifiers);
        const std::string command = c.command;
        EXPECT_EQ(!form->isVisible(), command == "minimize");
        EXPECT_EQ(form->editorCalls.size(), command == "edit" || command == "add" ? 1u : 0u);
        if (!form->editorCalls.empty()) {
            EXPECT_EQ(form->editorCalls[0].adding, command == "add");
            EXPECT_EQ(form->editorCalls[0].status, command == "add" ? "Add Event" : "Edit Event");
            EXPECT_EQ(form->editorCalls[0].record.has_value(), command == "edit");
        }
        EXPECT_EQ(storedDescriptions().size(), command == "remove" ? 1u : 2u);
        const auto shown = MessageDialog::takeShown();
        ASSERT_EQ(shown.size(), command == "exit" ? 1u : 0u);
        if (command == "exit") {
            EXPECT_EQ(shown[0].title, QStringLiteral("ShutDown Kalvor?"));
            EXPECT_EQ(shown[0].style, 292);
            EXPECT_EQ(shown[0].text, Form1::closeQuestion());
        }
    }
}

TEST_F(Form1Test, ToolbarButtonsAndTheDoubleClickGoThroughTheDispatcher) {
    seed({"a", "b", "c"});
    start();
    const auto click = [&](const char* key) { form->findChild<QAction*>(QLatin1String(key))->trigger(); };
    const QStringList captions = {QStringLiteral("Add"),   QStringLiteral("Edit"),     QStringLiteral("Remove "),
                                  QStringLiteral("aBout"), QStringLiteral("Minimize"), QStringLiteral("eXit")};
    int i = 0;
    for (const char* key : {"add", "edit", "remove", "about", "minimize", "exit"})
        EXPECT_EQ(form->findChild<QAction*>(QLatin1String(key))->text(), captions[i++]);

    click("add");
    select(1);
    click("edit");
    ASSERT_EQ(form->editorCalls.size(), 2u);
    EXPECT_EQ(trimmedText(form->editorCalls[1].record->desc), "b");

    select(2);
    emit list()->itemDoubleClicked(list()->topLevelItem(2), 0);
    ASSERT_EQ(form->editorCalls.size(), 3u);
    EXPECT_EQ(trimmedText(form->editorCalls[2].record->desc), "c");

    select(0);
    click("remove");
    EXPECT_EQ(storedDescriptions(), (std::vector<std::string>{"b", "c"}));

    click("exit");
    EXPECT_EQ(MessageDialog::takeShown().size(), 1u);
    click("minimize");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1Test, EditAndRemoveNeedASelectedEvent) {
    seed({"a"});
    start();
    list()->clearSelection();
    list()->setCurrentItem(nullptr);
    form->listKeyDown(13);
    form->listKeyDown(46);
    EXPECT_TRUE(form->editorCalls.empty());
    EXPECT_EQ(status(), QStringLiteral("Edit Event"));
    EXPECT_EQ(storedDescriptions().size(), 1u);
}

TEST_F(Form1Test, RemovingReKeysTheLaterItems) {
    seed({"a", "b", "c", "d"});
    start();
    list()->topLevelItem(3)->setText(1, QStringLiteral("kept"));
    select(1);
    form->listKeyDown(46);
    EXPECT_EQ(storedDescriptions(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(descriptions(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2", "L3"}));
    EXPECT_EQ(list()->topLevelItem(2)->text(1), QStringLiteral("kept"));

    select(2);
    form->listKeyDown(82);
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2"}));
    for (int n = 0; n < 2; ++n) {
        select(0);
        form->listKeyDown(46);
    }
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(status(), QStringLiteral("No Events"));
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(Form1Test, TheCloseQuestionDecidesAndTheSessionEndDoesNotAsk) {
    struct Case {
        const char* what;
        int mode;
        std::optional<MessageAnswer> answer;
        bool asks;
        bool closes;
    };
    const Case cases[] = {
        {"close box, No", Form1::UserClose, MessageAnswer::No, true, false},
        {"close box, default button", Form1::UserClose, std::nullopt, true, false},
        {"Exit, Yes", Form1::ProgramClose, MessageAnswer::Yes, true, true},
        {"session end", Form1::SessionEnd, std::nullopt, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(placementPath());
        std::filesystem::remove(dir.path() / "data" / "KALVOR.DAT");
        seed({"a"});
        start();
        form->move(toPixels(3000), toPixels(1500));
        form->subleft = 150;
        if (c.answer)
            MessageDialog::setNextAnswer(*c.answer);
        EXPECT_EQ(form->queryUnload(c.mode), c.closes);
        EXPECT_EQ(MessageDialog::takeShown().size(), c.asks ? 1u : 0u);
        EXPECT_EQ(QFile::exists(placementPath()), c.closes);
        EXPECT_EQ(quits, c.closes ? 1 : 0);
        quits = 0;
        EXPECT_EQ(timer()->isActive(), !c.closes);
        if (c.closes) {
            const platform::ProfileFile profile(placementPath());
            const std::pair<const char*, const char*> expected[] = {{"Left", "3000"},   {"Top", "1500"},
                                                                    {"Height", "3750"}, {"Width", "5820"},
                                                                    {"SubLeft", "150"}, {"SubTop", "585"}};
            for (const auto& [key, value] : expected)
                EXPECT_EQ(profile.readString(QStringLiteral("Kalvor"), QLatin1String(key)), QLatin1String(value))
                    << key;
        }
    }
}

TEST_F(Form1Test, TheTrayIconBringsTheWindowBack) {
    start();
    form->listKeyDown(27);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(tray()->isVisible());

    form->trayMouse(3); // the middle button does nothing
    EXPECT_FALSE(form->isVisible());

    form->trayMouse(1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(tray()->isVisible());

    auto* menu = form->findChild<QMenu*>(QStringLiteral("rtclk"));
    form->trayMouse(2);
    EXPECT_TRUE(menu->isVisible());
    menu->close();

    form->listKeyDown(27);
    form->findChild<QAction*>(QStringLiteral("rtclk1"))->trigger();
    EXPECT_TRUE(form->isVisible());

    form->findChild<QAction*>(QStringLiteral("rtclk2"))->trigger(); // Quit asks first; No keeps it running
    const auto shown = MessageDialog::takeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("ShutDown Kalvor?"));
    EXPECT_TRUE(timer()->isActive() || status() == QStringLiteral("No Events"));
    EXPECT_FALSE(QFile::exists(placementPath()));
}

TEST_F(Form1Test, TheMinimizeBoxHidesIntoTheTrayOrMinimizesWithoutOne) {
    for (const bool trayAvailable : {true, false}) {
        SCOPED_TRACE(trayAvailable ? "with a tray" : "without a tray");
        start(trayAvailable);
        form->setWindowState(Qt::WindowMinimized);
        QApplication::processEvents();
        EXPECT_EQ(form->isVisible(), !trayAvailable);
        EXPECT_EQ(form->isMinimized(), !trayAvailable);

        form->showNormal();
        form->listKeyDown(77);
        EXPECT_EQ(form->isVisible(), !trayAvailable);
        EXPECT_EQ(tray()->isVisible(), trayAvailable);
    }
}

TEST_F(Form1Test, AboutShowsTheBoxWithItsOkButtonUntilOkIsPressed) {
    start();
    QString seen;
    bool okVisible = false;
    bool stillOpenAfterEscape = false;
    whenModal([&](QWidget* box) {
        seen = box->objectName();
        auto* ok = box->findChild<QPushButton*>(QStringLiteral("ok"));
        okVisible = ok->isVisible();
        QTest::keyClick(box, Qt::Key_Escape);
        stillOpenAfterEscape = QApplication::activeModalWidget() == box;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    form->listKeyDown(66);
    EXPECT_EQ(seen, QStringLiteral("Form3"));
    EXPECT_TRUE(okVisible);
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Form1Test, AnUnreadableEventFileIsReportedAndKalvorKeepsRunning) {
    std::filesystem::create_directory(dir.path() / "data" / "KALVOR.DAT"); // a folder where the file should be
    start();
    const auto shown = MessageDialog::takeShown();
    ASSERT_EQ(shown.size(), 2u); // reading the list, then the first scan
    for (const auto& box : shown) {
        EXPECT_EQ(box.title, QStringLiteral("Kalvor Error!"));
        EXPECT_TRUE(box.text.contains(QStringLiteral("KALVOR.DAT"))) << box.text.toStdString();
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(timer()->isActive()); // and tries again later
    EXPECT_EQ(timer()->interval(), 60000);

    std::filesystem::remove(dir.path() / "data" / "KALVOR.DAT");
    seed({"back"});
    form->scheduler().tick(); // the tick a minute later
    EXPECT_EQ(status(), QStringLiteral("Next Event: 3/5/26 9:00 AM"));
}
