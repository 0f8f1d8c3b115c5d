#pragma once

// A main window on the offscreen platform over a temporary data folder, with a fake clock and
// message boxes recorded: the ground the GUI tests stand on.

#include "engine/eventfile.h"
#include "engine/recurrence.h"
#include "mainwindow/eventlist.h"
#include "mainwindow/form1.h"
#include "platform/messagedialog.h"
#include "support/fakehost.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>

namespace kalvor_test {

using namespace kalvor;
using platform::MessageDialog;

// Runs `act` on the modal dialog once one is open.
inline void whenModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(5);
}

const CivilDateTime kNow{{2026, 3, 4}, 10, 15, 30};

// The main window with its editor recorded, and opened only when a test asks for it.
class TestForm1 : public Form1 {
public:
    using Form1::Form1;
    struct EditorCall {
        bool adding;
        std::optional<eventrec> record;
        std::string status;
    };
    std::vector<EditorCall> editorCalls;
    bool realEditor = false;

protected:
    void runEditor(bool adding, const std::optional<eventrec>& record, const QPersistentModelIndex& row) override {
        editorCalls.push_back({adding, record, statusText()});
        if (realEditor)
            Form1::runEditor(adding, record, row);
    }
};

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        MessageDialog::setTestMode(true);
        clock.time = civilToSeconds(kNow);
        std::filesystem::create_directory(dir.path() / "data");
    }
    ~MainWindowFixture() override { MessageDialog::takeShown(); }

    // Stores daily events due tomorrow at 9:00, 9:01, ... in file order.
    void seed(std::initializer_list<const char*> names) {
        EventFile file(dir.path() / "data");
        int minute = 0;
        for (const char* name : names) {
            eventrec r;
            assignText(r.desc, name);
            assignText(r.txt, name);
            r.rep = Days;
            r.occ = 1;
            r.action = DisplayMessage;
            r.when = *civilToOle({{2026, 3, 5}, 9, minute++, 0});
            file.write(file.count() + 1, r);
        }
    }

    TestForm1& start(bool trayAvailable = true) {
        Form1::Setup setup;
        setup.dataFolder = dir.path() / "data";
        setup.placementFile = placementPath();
        setup.clock = &clock;
        setup.programs = &starter;
        setup.mail = &mail;
        setup.trayAvailable = [trayAvailable] { return trayAvailable; };
        setup.splashMilliseconds = 0;
        setup.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        setup.quit = [this] { ++quits; };
        form = std::make_unique<TestForm1>(setup);
        form->load();
        return *form;
    }

    QString placementPath() const { return QString::fromStdString((dir.path() / "Kalvor.ini").string()); }
    QTreeWidget* list() const { return form->findChild<QTreeWidget*>(QStringLiteral("List1")); }
    QString status() const { return form->findChild<QLabel*>(QStringLiteral("statPanel1"))->text(); }
    QSystemTrayIcon* tray() const { return form->findChild<QSystemTrayIcon*>(QStringLiteral("Tray")); }
    QTimer* timer() const { return form->findChild<QTimer*>(QStringLiteral("Timer1")); }

    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out.push_back(EventList::keyOf(list()->topLevelItem(i)).toStdString());
        return out;
    }
    std::vector<std::string> descriptions() const {
        std::vector<std::string> out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out.push_back(list()->topLevelItem(i)->text(0).toStdString());
        return out;
    }
    std::vector<std::string> storedDescriptions() {
        std::vector<std::string> out;
        EventFile(dir.path() / "data").forEach([&](int, const eventrec& r) {
            out.push_back(trimmedText(r.desc));
            return true;
        });
        return out;
    }
    void select(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }

    TempDir dir;
    FakeClock clock;
    FakeStarter starter;
    RecordingMail mail;
    std::unique_ptr<TestForm1> form;
    int quits = 0;
};

} // namespace kalvor_test
