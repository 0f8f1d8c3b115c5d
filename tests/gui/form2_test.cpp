#include "editor/form2.h"

#include "platform/twips.h"
#include "support/mainwindowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace kalvor;
using kalvor::platform::MessageDialog;
using kalvor_test::MainWindowFixture;

namespace {

class Form2Test : public MainWindowFixture {
public:
    // An editor over the started main window, as the Add or Edit command prepares it.
    Form2& open(bool adding, int row = -1) {
        editor = std::make_unique<Form2>(*form);
        editor->reset(adding);
        if (!adding) {
            auto* eventList = static_cast<EventList*>(list());
            QTreeWidgetItem* item = eventList->topLevelItem(row);
            editor->fill(form->eventFile().read(EventList::recordOf(item)),
                         QPersistentModelIndex(eventList->indexOf(item)));
        }
        return *editor;
    }
    template <typename W> W* field(const char* name) const {
        W* w = editor->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name) const { return field<QLineEdit>(name); }
    void page(int index) const { field<QTabWidget>("mytab")->setCurrentIndex(index); }
    void check(const char* name, bool on = true) const { field<QCheckBox>(name)->setChecked(on); }
    void press(const char* button) const { field<QPushButton>(button)->click(); }
    void fillValid() const {
        box("mydesc")->setText(QStringLiteral("  Stand up  "));
        box("dte")->setText(QStringLiteral("3/5/26"));
        box("tme")->setText(QStringLiteral("9:30 AM"));
    }
    std::vector<QString> shownTexts() const {
        std::vector<QString> out;
        for (const auto& shown : MessageDialog::takeShown())
            out.push_back(shown.text);
        return out;
    }

    std::unique_ptr<Form2> editor;
};

} // namespace

TEST_F(Form2Test, OpensForAddingOnTheDisplayPageWithTodayAndNow) {
    start();
    open(true);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Add Event"));
    EXPECT_EQ(field<QTabWidget>("mytab")->currentIndex(), 1);
    EXPECT_EQ(box("occ")->text(), QStringLiteral("1"));
    EXPECT_EQ(field<QComboBox>("rep")->currentText(), QStringLiteral("Minute(s)"));
    EXPECT_EQ(field<QComboBox>("styl")->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(box("dte")->text(), QStringLiteral("3/4/26"));
    EXPECT_EQ(box("tme")->text(), QStringLiteral("10:15 AM"));
    EXPECT_FALSE(field<QCheckBox>("miss")->isChecked());
    EXPECT_FALSE(field<QCheckBox>("cday(0)")->isChecked());

    // OK at once stores today, not a day a century ago.
    box("mydesc")->setText(QStringLiteral("now"));
    press("Command2");
    EXPECT_EQ(oleToCivil(form->eventFile().read(1).when), (CivilDateTime{{2026, 3, 4}, 10, 15, 0}));
}

TEST_F(Form2Test, EachCheckRefusesInItsOrder) {
    struct Case {
        const char* what;
        std::function<void(Form2Test&)> enter;
        const char* message; // nullptr: refused without a message
    };
    const Case cases[] = {
        {"blank description first",
         [](Form2Test& t) {
             t.box("mydesc")->setText(QStringLiteral("   "));
             t.box("tme")->setText(QStringLiteral("x"));
         },
         "You must have a description!"},
        {"time of letters", [](Form2Test& t) { t.box("tme")->setText(QStringLiteral("noon")); },
         "There is a problem with the date/time setting(s)!"},
        {"the zero date",
         [](Form2Test& t) {
             t.box("dte")->setText(QStringLiteral("12/30/1899"));
             t.box("tme")->setText(QStringLiteral("12:00 AM"));
         },
         nullptr},
        {"every day excluded",
         [](Form2Test& t) {
             for (int i = 0; i < 7; ++i)
                 t.check(("cday(" + std::to_string(i) + ")").c_str());
             t.box("occ")->setText(QStringLiteral("0"));
         },
         "You cannot exclude ALL days"},
        {"count 0 for Day(s)",
         [](Form2Test& t) {
             t.field<QComboBox>("rep")->setCurrentIndex(3);
             t.box("occ")->setText(QStringLiteral("0"));
         },
         "The repeat count must be a whole number from 1 to 32767!"},
        {"count out of range for Once",
         [](Form2Test& t) {
             t.field<QComboBox>("rep")->setCurrentIndex(0);
             t.box("occ")->setText(QStringLiteral("40000"));
         },
         "The repeat count must be a whole number from -32768 to 32767!"},
        {"characters Windows-1252 cannot hold",
         [](Form2Test& t) { t.box("mydesc")->setText(QString::fromUtf8("Tea \u65e5")); },
         "The description holds characters that Kalvor cannot store. Please replace them."},
        {"mail without recipients", [](Form2Test& t) { t.page(0); }, "You must have a recipient in the To list!"},
        {"run without a command line",
         [](Form2Test& t) {
             t.page(2);
             t.box("cmd")->setText(QStringLiteral("  "));
         },
         "You must have a command line to run!"},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(true);
        fillValid();
        c.enter(*this);
        press("Command2");
        const auto shown = MessageDialog::takeShown();
        ASSERT_EQ(shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(shown[0].text, QLatin1String(c.message));
            EXPECT_EQ(shown[0].title, QStringLiteral("Error!"));
            EXPECT_EQ(shown[0].style, 48);
        }
        EXPECT_EQ(editor->result(), QDialog::Rejected);
        EXPECT_EQ(form->eventFile().count(), 0);
    }
}

TEST_F(Form2Test, StoresTheRecordBytesOfEachKindOfEvent) {
    start();
    // A mail: recipients joined, count rounded half to even.
    open(true);
    fillValid();
    page(0);
    field<QPlainTextEdit>("txt(0)")->setPlainText(QStringLiteral("line 1\nline 2"));
    box("who")->setText(QStringLiteral("a"));
    QTest::keyClick(box("who"), Qt::Key_Return);
    box("who")->setText(QStringLiteral("b"));
    QTest::keyClick(box("who"), Qt::Key_Return);
    field<QComboBox>("rep")->setCurrentIndex(4);
    box("occ")->setText(QStringLiteral("2.5"));
    press("Command2");
    // A display: Day(s) with Run If Missed, Sunday and Saturday excluded, "extra" never assigned.
    open(true);
    fillValid();
    field<QComboBox>("rep")->setCurrentIndex(3);
    check("miss");
    check("cday(0)");
    check("cday(6)");
    box("occ")->setText(QStringLiteral("3.5"));
    press("Command2");
    // A run: minimized in /tmp; letters as a count of a one-time event store 0.
    open(true);
    fillValid();
    page(2);
    box("cmd")->setText(QStringLiteral("backup --all"));
    box("start")->setText(QStringLiteral("/tmp"));
    field<QComboBox>("styl")->setCurrentIndex(1);
    field<QComboBox>("rep")->setCurrentIndex(0);
    box("occ")->setText(QStringLiteral("x"));
    press("Command2");
    ASSERT_TRUE(MessageDialog::takeShown().isEmpty());

    EventFile& file = form->eventFile();
    ASSERT_EQ(file.count(), 3);
    const eventrec mail = file.read(1), display = file.read(2), run = file.read(3);
    EXPECT_EQ(std::string(mail.desc.data(), 12), "  Stand up  ");
    EXPECT_EQ(trimmedText(mail.txt), "line 1\r\nline 2");
    EXPECT_EQ(trimmedText(mail.extra), "a;b");
    EXPECT_EQ(mail.action, SendMail);
    EXPECT_EQ(mail.rep, Weeks);
    EXPECT_EQ(mail.occ, 2);
    EXPECT_EQ(oleToCivil(mail.when), (CivilDateTime{{2026, 3, 5}, 9, 30, 0}));
    EXPECT_EQ(display.rep, 13);
    EXPECT_EQ(display.occ, 4);
    EXPECT_EQ(display.days, 'A');
    EXPECT_EQ(display.extra, eventrec{}.extra);
    EXPECT_EQ(display.action, DisplayMessage);
    EXPECT_EQ(trimmedText(run.txt), "backup --all");
    EXPECT_EQ(trimmedText(run.extra), "1/tmp");
    EXPECT_EQ(run.rep, Once);
    EXPECT_EQ(run.occ, 0);
    EXPECT_EQ(run.action, RunProgram);
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2", "L3"}));
    EXPECT_EQ(list()->topLevelItem(0)->text(0), QStringLiteral("Stand up"));
    EXPECT_EQ(list()->topLevelItem(0)->text(1), QStringLiteral("3/5/26 9:30 AM"));
}

TEST_F(Form2Test, AddingAppendsAndEditingKeepsKeyAndPlace) {
    seed({"one", "two", "three"});
    start();
    open(true);
    fillValid();
    press("Command2");
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2", "L3", "L4"}));
    EXPECT_EQ(std::string(form->eventFile().read(4).desc.data(), 12), "  Stand up  ");

    open(false, 1);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit Event"));
    box("mydesc")->setText(QStringLiteral("second"));
    press("Command2");
    EXPECT_EQ(storedDescriptions(), (std::vector<std::string>{"one", "second", "three", "Stand up"}));
    EXPECT_EQ(descriptions(), (std::vector<std::string>{"one", "second", "three", "Stand up"}));
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2", "L3", "L4"}));
}

TEST_F(Form2Test, AnEventRemovedWhileEditedIsNeitherLostNorWrittenOverAnother) {
    struct Case {
        const char* what;
        int removedRecord; // removed by a firing while the editor is open on record 3
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"an earlier event removed", 1, {"two", "edited"}},
        {"the edited event removed", 3, {"one", "two", "edited"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(dir.path() / "data" / "KALVOR.DAT");
        seed({"one", "two", "three"});
        start();
        open(false, 2);
        form->eventFile().remove(c.removedRecord);
        form->removeListItem(c.removedRecord);
        box("mydesc")->setText(QStringLiteral("edited"));
        press("Command2");
        EXPECT_EQ(storedDescriptions(), c.expected);
        EXPECT_EQ(descriptions(), c.expected);
    }
}

TEST_F(Form2Test, FillsTheFieldsFromAStoredEvent) {
    EventFile file(dir.path() / "data");
    const auto store = [&](int action, int rep, int occ, CivilDateTime when, const std::string& extra) {
        eventrec r;
        assignText(r.desc, " stored ");
        assignText(r.txt, "text");
        r.action = static_cast<std::int16_t>(action);
        r.rep = static_cast<std::int16_t>(rep);
        r.occ = static_cast<std::int16_t>(occ);
        r.when = *civilToOle(when);
        r.days = 0b0001010;
        if (!extra.empty())
            assignText(r.extra, extra);
        file.write(file.count() + 1, r);
    };
    store(SendMail, 13, 2, {{2026, 3, 6}, 0, 0, 0}, "a;;b");
    store(RunProgram, 0, 5, {{2026, 3, 6}, 14, 5, 0}, "2/srv/data");
    start();

    open(false, 0);
    EXPECT_EQ(field<QTabWidget>("mytab")->currentIndex(), 0);
    EXPECT_EQ(box("mydesc")->text(), QStringLiteral("stored"));
    EXPECT_EQ(field<QComboBox>("rep")->currentText(), QStringLiteral("Day(s)"));
    EXPECT_TRUE(field<QCheckBox>("miss")->isChecked());
    EXPECT_EQ(box("occ")->text(), QStringLiteral("2"));
    EXPECT_EQ(box("dte")->text(), QStringLiteral("3/6/26"));
    EXPECT_EQ(box("tme")->text(), QStringLiteral("12:00 AM"));
    EXPECT_TRUE(field<QCheckBox>("cday(1)")->isChecked());
    EXPECT_TRUE(field<QCheckBox>("cday(3)")->isChecked());
    EXPECT_FALSE(field<QCheckBox>("cday(0)")->isChecked());
    auto* recipients = field<QListWidget>("List1");
    ASSERT_EQ(recipients->count(), 3);
    EXPECT_EQ(recipients->item(1)->text(), QString());
    EXPECT_EQ(editor->mytos(), QStringLiteral("a;;b"));
    EXPECT_EQ(editor->mydays(), 10);

    open(false, 1);
    EXPECT_EQ(field<QTabWidget>("mytab")->currentIndex(), 2);
    EXPECT_EQ(field<QComboBox>("rep")->currentText(), QStringLiteral("Once"));
    EXPECT_FALSE(box("occ")->isEnabled());
    EXPECT_EQ(field<QComboBox>("styl")->currentText(), QStringLiteral("Maximized"));
    EXPECT_EQ(box("start")->text(), QStringLiteral("/srv/data"));
    EXPECT_EQ(box("cmd")->text(), QStringLiteral("text"));

    field<QComboBox>("rep")->setCurrentIndex(2); // Hour(s) enables the count again, text unchanged
    EXPECT_TRUE(box("occ")->isEnabled());
    EXPECT_EQ(box("occ")->text(), QStringLiteral("5"));
}

TEST_F(Form2Test, TheUnitBoxIsAPickListAndTheRecipientListIsEdited) {
    start();
    open(true);
    auto* rep = field<QComboBox>("rep");
    for (const Qt::Key key : {Qt::Key_D, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_O})
        QTest::keyClick(rep, key);
    EXPECT_EQ(rep->currentIndex(), 1);
    QTest::keyClick(rep, Qt::Key_Down);
    EXPECT_EQ(rep->currentIndex(), 2);
    editor->show();
    QApplication::setActiveWindow(editor.get());
    rep->setFocus();
    QTest::keyClick(rep, Qt::Key_Tab); // Tab still moves on
    EXPECT_NE(QApplication::focusWidget(), rep);
    QTest::keyClick(editor.get(), Qt::Key_Escape); // and Escape closes nothing
    EXPECT_TRUE(editor->isVisible());
    editor->hide();

    auto* recipients = field<QListWidget>("List1");
    for (const char* name : {"a", "", "c"}) {
        box("who")->setText(QLatin1String(name));
        QTest::keyClick(box("who"), Qt::Key_Return);
    }
    EXPECT_EQ(box("who")->text(), QString());
    EXPECT_EQ(editor->mytos(), QStringLiteral("a;;c"));
    recipients->clearSelection();
    QTest::keyClick(recipients, Qt::Key_Delete);
    EXPECT_EQ(recipients->count(), 3);
    recipients->setCurrentRow(1);
    QTest::keyClick(recipients, Qt::Key_Delete);
    EXPECT_EQ(editor->mytos(), QStringLiteral("a;c"));
    recipients->setCurrentRow(1);
    emit recipients->itemDoubleClicked(recipients->item(1));
    EXPECT_EQ(editor->mytos(), QStringLiteral("a"));
}

TEST_F(Form2Test, OkAndCancelKeepTheEditorsPlace) {
    start();
    open(true);
    editor->move(platform::toPixels(3000), platform::toPixels(1500));
    press("Command3");
    EXPECT_EQ(form->subleft, 3000);
    EXPECT_EQ(form->subtop, 1500);
    EXPECT_EQ(form->eventFile().count(), 0);
}

TEST_F(Form2Test, RightClickOffersWhatsThisForTheLabelledControls) {
    start();
    open(true);
    page(0);
    const std::pair<const char*, int> cases[] = {{"Label5", 90},    {"cday(3)", 120},  {"List1", 160}, {"miss", 110},
                                                 {"Command1", 140}, {"Label2(0)", 80}, {"Frame2", 120}};
    auto* menu = field<QMenu>("myclick");
    for (const auto& [name, topic] : cases) {
        SCOPED_TRACE(name);
        QWidget* target = field<QWidget>(name);
        QWidget* receiver = qobject_cast<QListWidget*>(target) ? static_cast<QListWidget*>(target)->viewport() : target;
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), receiver->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(receiver, &event);
        EXPECT_EQ(editor->thiscontrol, target);
        EXPECT_TRUE(menu->isVisible());
        menu->close();
        EXPECT_EQ(target->property("helpTopic").toInt(), topic);
        EXPECT_FALSE(target->whatsThis().isEmpty());
    }
    EXPECT_FALSE(editor->whatsThis().isEmpty());
    EXPECT_EQ(field<QMenu>("myclick")->actions().first()->text(), QStringLiteral("What's This?"));
}

TEST_F(Form2Test, RecipientsAreCheckedWithTheMailSystemBeforeSaving) {
    start();
    struct Case {
        const char* failAt;
        std::string failOnName;
        bool saved;
        QString shownName; // after its blanks
    };
    const std::string tenLetters = "Ten Letter";
    const std::string sixty(60, 'x');
    const Case cases[] = {
        {"", "", true, QString()},
        {"resolveName", tenLetters, false, QString(20, QLatin1Char(' ')) + QString::fromStdString(tenLetters)},
        {"resolveName", sixty, false, QString::fromStdString(sixty)},
        {"signOn", "", false, QString(25, QLatin1Char(' '))}, // no name is being resolved yet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.failAt) + " " + c.failOnName);
        std::filesystem::remove(dir.path() / "data" / "KALVOR.DAT");
        mail.calls.clear();
        mail.failAt = c.failAt;
        mail.failOnName = c.failOnName;
        open(true);
        fillValid();
        page(0);
        for (const std::string& name : {std::string("first"), tenLetters, sixty}) {
            box("who")->setText(QString::fromStdString(name));
            QTest::keyClick(box("who"), Qt::Key_Return);
        }
        press("Command2");
        EXPECT_EQ(form->eventFile().count(), c.saved ? 1 : 0);
        EXPECT_EQ(mail.calls.back(), "signOff");
        EXPECT_EQ(mail.calls.front(), "signOn");
        const auto shown = MessageDialog::takeShown();
        ASSERT_EQ(shown.size(), c.saved ? 0u : 1u);
        if (!c.saved) {
            EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("There is a problem with the following address:\n") +
                                                 c.shownName + QStringLiteral("\n")))
                << shown[0].text.toStdString();
            EXPECT_EQ(shown[0].title, QStringLiteral("Error!"));
        }
        if (c.saved) {
            EXPECT_EQ(std::count(mail.calls.begin(), mail.calls.end(), "resolveName:first"), 1);
        }
    }
}

TEST_F(Form2Test, TheAddressBookReplacesTheRecipientsUnlessCancelled) {
    start();
    open(true);
    page(0);
    box("who")->setText(QStringLiteral("a"));
    QTest::keyClick(box("who"), Qt::Key_Return);
    mail.bookResult = {"a", "Carol Jones"};
    press("Command1");
    EXPECT_EQ(editor->mytos(), QStringLiteral("a;Carol Jones"));
    EXPECT_NE(std::find(mail.calls.begin(), mail.calls.end(), "setRecipient:0=a"), mail.calls.end());

    mail.failAt = "showAddressBook";
    mail.bookResult = {"lost"};
    press("Command1");
    EXPECT_EQ(editor->mytos(), QStringLiteral("a;Carol Jones"));
}

TEST_F(Form2Test, TheAddCommandOpensTheEditorAtItsPlaceAndListsTheNewEvent) {
    seed({"one"});
    start().realEditor = true;
    form->subleft = 1500;
    form->subtop = 900;
    QPoint openedAt;
    QString caption;
    kalvor_test::whenModal([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        openedAt = dialog->pos();
        dialog->findChild<QLineEdit*>(QStringLiteral("mydesc"))->setText(QStringLiteral("added"));
        dialog->findChild<QLineEdit*>(QStringLiteral("tme"))->setText(QStringLiteral("11:00 AM"));
        dialog->move(platform::toPixels(3000), platform::toPixels(600));
        dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    form->listKeyDown(45);
    EXPECT_EQ(caption, QStringLiteral("Add Event"));
    EXPECT_EQ(openedAt, QPoint(100, 60));
    EXPECT_EQ(keys(), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_EQ(descriptions(), (std::vector<std::string>{"one", "added"}));
    EXPECT_EQ(form->subleft, 3000);
    EXPECT_EQ(form->subtop, 600);
    EXPECT_EQ(status(), QStringLiteral("Next Event: 3/4/26 11:00 AM"));
}
