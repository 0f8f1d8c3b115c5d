#include "engine/displaytext.h"
#include "engine/eventfile.h"
#include "engine/recipients.h"
#include "engine/recurrence.h"
#include "engine/scheduler.h"
#include "engine/usenglishtext.h"

#include "support/fakehost.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

using namespace kalvor;

namespace {

CivilDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return {{y, mo, d}, h, mi, s};
}

// 2026-03-04 is a Wednesday.
const CivilDateTime kToday = at(2026, 3, 4, 10, 15, 30);

// An event to store, built as Event().when(...).rep(...).
struct Event {
    std::string desc_ = "event";
    CivilDateTime when_ = kToday;
    int rep_ = Days;
    int occ_ = 1;
    int action_ = DisplayMessage;
    std::string txt_ = "text";
    std::string extra_;
    unsigned char days_ = 0;

    Event& desc(std::string v) { return desc_ = std::move(v), *this; }
    Event& when(CivilDateTime v) { return when_ = v, *this; }
    Event& rep(int v) { return rep_ = v, *this; }
    Event& action(int v) { return action_ = v, *this; }
    Event& txt(std::string v) { return txt_ = std::move(v), *this; }
    Event& extra(std::string v) { return extra_ = std::move(v), *this; }
    Event& days(unsigned char v) { return days_ = v, *this; }
};

class SchedulerTest : public ::testing::Test {
protected:
    SchedulerTest() { clock.time = civilToSeconds(kToday); }

    // Stores an event as the editor does, with its list item.
    int add(const Event& e) {
        eventrec r;
        assignText(r.desc, e.desc_);
        assignText(r.txt, e.txt_);
        r.rep = static_cast<std::int16_t>(e.rep_);
        r.occ = static_cast<std::int16_t>(e.occ_);
        r.when = civilToOle(e.when_).value();
        if (e.action_ != DisplayMessage)
            assignText(r.extra, e.extra_);
        r.days = e.days_;
        r.action = static_cast<std::int16_t>(e.action_);
        const int n = file.count() + 1;
        file.write(n, r);
        host.items.push_back({keyOf(n), displayText(r.when, locale)});
        return n;
    }
    void setNow(const CivilDateTime& t) { clock.time = civilToSeconds(t); }
    // As after a first scan that found nothing overdue: no longer catching up.
    void pastStartup() { host.status = "Next Event: (earlier)"; }
    std::optional<CivilDateTime> whenOf(int n) { return oleToCivil(file.read(n).when); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages.shown)
            out.push_back(m.text);
        return out;
    }

    TempDir dir;
    EventFile file{dir.path()};
    FakeClock clock;
    FakeHost host;
    RecordingMessages messages;
    FakeStarter starter;
    RecordingMail mail;
    UsEnglishText locale;
    Scheduler scheduler{file, clock, host, messages, starter, mail, locale};
};

} // namespace

TEST_F(SchedulerTest, NoEventsDisablesTheTimer) {
    host.timerEnabled = true;
    scheduler.nextmsg();
    EXPECT_EQ(host.status, "No Events");
    EXPECT_EQ(host.trayTip, "No Events");
    EXPECT_FALSE(host.timerEnabled);

    // Removing the last event comes back to the same state.
    pastStartup();
    add(Event().when(at(2026, 3, 4, 10, 0)).rep(Once));
    scheduler.nextmsg();
    EXPECT_EQ(file.count(), 0);
    EXPECT_TRUE(host.items.empty());
    EXPECT_EQ(host.status, "No Events");
    EXPECT_FALSE(host.timerEnabled);
}

TEST_F(SchedulerTest, FiresAtTheFirstTickAfterTheDueSecond) {
    pastStartup();
    add(Event().txt("  Stand up  ").when(at(2026, 3, 4, 10, 30)));
    scheduler.nextmsg();
    EXPECT_EQ(host.status, "Next Event: 3/4/26 10:30 AM");
    EXPECT_EQ(host.trayTip, host.status);
    EXPECT_TRUE(host.timerEnabled);
    EXPECT_EQ(host.timerInterval, 10000);

    setNow(at(2026, 3, 4, 10, 30, 0));
    scheduler.tick();
    EXPECT_TRUE(messages.shown.empty());

    setNow(at(2026, 3, 4, 10, 30, 1));
    scheduler.tick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Stand up");
    EXPECT_EQ(messages.shown[0].title, "Kalvor Automatic Message!");
    EXPECT_EQ(messages.shown[0].style, 4160);
    EXPECT_EQ(whenOf(1), at(2026, 3, 5, 10, 30));
    EXPECT_EQ(host.items[0].nextOccurrence, "3/5/26 10:30 AM");
    EXPECT_EQ(host.status, "Next Event: 3/5/26 10:30 AM");
    EXPECT_TRUE(host.timerEnabled);
}

TEST_F(SchedulerTest, OnATieTheLowestRecordFiresFirst) {
    pastStartup();
    const auto later = at(2026, 3, 4, 12);
    const auto tie = at(2026, 3, 4, 11);
    for (const auto& [name, when] : {std::pair{"1", later}, {"2", tie}, {"3", later}, {"4", later}, {"5", tie}})
        add(Event().txt(name).when(when));
    scheduler.nextmsg();
    EXPECT_EQ(scheduler.nextf(), 2);

    setNow(at(2026, 3, 4, 11, 0, 5));
    scheduler.tick();
    EXPECT_EQ(texts(), (std::vector<std::string>{"2", "5"}));
    EXPECT_EQ(scheduler.nextf(), 1);
}

TEST_F(SchedulerTest, CatchingUpAtStartup) {
    struct Case {
        const char* what;
        CivilDateTime due;
        int rep;
        CivilDateTime now;
        std::size_t messages;
        CivilDateTime next;
    };
    const Case cases[] = {
        {"missed, not run", at(2026, 3, 3, 9), Days, at(2026, 3, 4, 10, 15), 0, at(2026, 3, 5, 9)},
        {"missed, Run If Missed", at(2026, 3, 3, 9), Days + kRunIfMissed, at(2026, 3, 4, 10, 15), 1, at(2026, 3, 5, 9)},
        {"missed, landing on the current minute", at(2026, 3, 3, 10, 15), Days + kRunIfMissed,
         at(2026, 3, 4, 10, 15, 30), 2, at(2026, 3, 5, 10, 15)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(file.path());
        host = FakeHost{};
        messages.shown.clear();
        setNow(c.now);
        add(Event().when(c.due).rep(c.rep));
        scheduler.nextmsg();
        EXPECT_EQ(messages.shown.size(), c.messages);
        EXPECT_EQ(whenOf(1), c.next);
        EXPECT_EQ(host.status, "Next Event: " + displayText(civilToOle(c.next).value(), locale));
    }
}

TEST_F(SchedulerTest, AnExcludedWeekdayMovesOnWithoutTheAction) {
    pastStartup();
    add(Event().when(at(2026, 3, 4, 10, 0)).days(1 << 3)); // Wednesdays
    add(Event().when(at(2026, 3, 4, 10, 1)).days(1 << 4)); // Thursdays
    scheduler.nextmsg();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(whenOf(1), at(2026, 3, 5, 10, 0));
    EXPECT_EQ(whenOf(2), at(2026, 3, 5, 10, 1));
}

TEST_F(SchedulerTest, AOnceEventIsRemovedAndTheLaterItemsRekeyed) {
    pastStartup();
    add(Event().desc("a").when(at(2026, 3, 5, 9)));
    add(Event().desc("b").when(at(2026, 3, 4, 10)).rep(Once));
    add(Event().desc("c").when(at(2026, 3, 6, 9)));
    add(Event().desc("d").when(at(2026, 3, 7, 9)));
    host.items[2].nextOccurrence = "c's";
    scheduler.nextmsg();
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(trimmedText(file.read(2).desc), "c");
    EXPECT_EQ(host.keys(), (std::vector<std::string>{"L1", "L2", "L3"}));
    EXPECT_EQ(host.items[1].nextOccurrence, "c's");
    EXPECT_EQ(scheduler.nextf(), 1);
}

TEST_F(SchedulerTest, StartsProgramsAndMovesOnWhenTheyFail) {
    pastStartup();
    struct Case {
        std::string extra;
        bool starts;
        std::string directory;
        int style;
    };
    const Case cases[] = {
        {"1/tmp/work", true, "/tmp/work", 2}, {"2", true, "", 3}, {"0", true, "", 1}, {"x/srv", true, "/srv", 1},
        {"0/missing", false, "/missing", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extra);
        std::filesystem::remove(file.path());
        starter.started.clear();
        messages.shown.clear();
        starter.succeed = c.starts;
        add(Event().when(at(2026, 3, 4, 10)).action(RunProgram).txt(" backup --all ").extra(c.extra));
        scheduler.nextmsg();
        ASSERT_EQ(starter.started.size(), 1u);
        EXPECT_EQ(starter.started[0].commandLine, "backup --all");
        EXPECT_EQ(starter.started[0].directory, c.directory);
        EXPECT_EQ(starter.started[0].windowStyle, c.style);
        if (c.starts) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, "There was an error attempting to execute your scheduled program!");
            EXPECT_EQ(messages.shown[0].title, "Kalvor Error!");
            EXPECT_EQ(messages.shown[0].style, 4112);
        }
        EXPECT_EQ(whenOf(1), at(2026, 3, 5, 10));
    }
}

TEST_F(SchedulerTest, NothingElseFiresWhileAMessageIsOpen) {
    pastStartup();
    add(Event().txt("first").when(at(2026, 3, 4, 10, 0)));
    add(Event().txt("second").when(at(2026, 3, 4, 10, 20)));
    messages.whileOpen = [&] {
        if (messages.shown.size() > 1)
            return;
        EXPECT_FALSE(host.timerEnabled);
        setNow(at(2026, 3, 4, 10, 25)); // the second falls due while the first is on screen
        scheduler.nextmsg();
        scheduler.tick();
        EXPECT_EQ(messages.shown.size(), 1u);
    };
    scheduler.nextmsg();
    EXPECT_EQ(texts(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(whenOf(2), at(2026, 3, 5, 10, 20));
}

TEST_F(SchedulerTest, SendsMailInTheMailSystemsOrder) {
    pastStartup();
    add(Event().when(at(2026, 3, 4, 10)).action(SendMail).txt("  line 1\r\nline 2\r\nline 3  ").extra("a;b;c"));
    scheduler.nextmsg();
    EXPECT_EQ(mail.calls,
              (std::vector<std::string>{"signOn", "attachSession", "compose", "setRecipient:0=a", "setRecipient:1=b",
                                        "setRecipient:2=c", "setSubject:Kalvor Automatic Mailing!",
                                        "setBody:line 1\r\nline 2\r\nline 3", "send", "signOff"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SchedulerTest, AMailFailureIsShownAndTheEventMovesOn) {
    pastStartup();
    const std::pair<const char*, bool> cases[] = {{"signOn", false}, {"setRecipient", true}, {"send", true}};
    for (const auto& [failAt, signsOff] : cases) {
        SCOPED_TRACE(failAt);
        std::filesystem::remove(file.path());
        mail.calls.clear();
        messages.shown.clear();
        mail.failAt = failAt;
        add(Event().desc("Report").when(at(2026, 3, 4, 10)).action(SendMail).extra("boss"));
        scheduler.nextmsg();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, "Kalvor Error!");
        EXPECT_EQ(messages.shown[0].style, 4112);
        EXPECT_NE(messages.shown[0].text.find("Report"), std::string::npos);
        EXPECT_NE(messages.shown[0].text.find(std::string("the server said no at ") + failAt), std::string::npos);
        EXPECT_EQ(mail.calls.back() == "signOff", signsOff);
        EXPECT_EQ(whenOf(1), at(2026, 3, 5, 10));
        EXPECT_TRUE(host.timerEnabled);
    }
}

TEST_F(SchedulerTest, RecordsItCannotScheduleAreKept) {
    pastStartup();
    add(Event().txt("odd unit").when(at(2026, 3, 4, 9)).rep(8));
    add(Event().txt("damaged").when(at(2026, 3, 4, 9)));
    add(Event().txt("good").when(at(2026, 3, 4, 11)));
    eventrec damaged = file.read(2);
    damaged.when = std::numeric_limits<double>::quiet_NaN();
    file.write(2, damaged);

    scheduler.nextmsg();
    // The unknown repeat code carries nothing out and waits a day; the damaged time is never due.
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(whenOf(1), at(2026, 3, 5, 9));
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(scheduler.nextf(), 3);
    EXPECT_EQ(host.status, "Next Event: 3/4/26 11:00 AM");
}

TEST_F(SchedulerTest, EventFileErrorsAreShownAndRetried) {
    pastStartup();
    add(Event().txt("due").when(at(2026, 3, 4, 10)));
    add(Event().txt("later").when(at(2026, 3, 4, 11)));
    // The event file becomes unreadable.
    const auto saved = dir.path() / "saved";
    std::filesystem::rename(file.path(), saved);
    std::filesystem::create_directory(file.path());

    scheduler.nextmsg();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Kalvor Error!");
    EXPECT_NE(messages.shown[0].text.find("KALVOR.DAT"), std::string::npos) << messages.shown[0].text;
    EXPECT_TRUE(host.timerEnabled);
    EXPECT_EQ(host.timerInterval, 60000);

    std::filesystem::remove(file.path());
    std::filesystem::rename(saved, file.path());
    scheduler.tick();
    EXPECT_EQ(texts().back(), "due");
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(host.timerInterval, 10000);
}

TEST_F(SchedulerTest, ThousandsOfOverdueEventsCatchUpInALoop) {
    // Written straight to the file: the fixture's add() would open it once per event.
    {
        std::ofstream out(file.path(), std::ios::binary);
        eventrec r;
        r.rep = Days;
        r.occ = 1;
        r.action = DisplayMessage;
        for (int n = 0; n < 10000; ++n) {
            r.when = civilToOle(at(2026, 2, 1 + n % 28, 9)).value();
            const auto bytes = r.encode();
            out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
    }
    scheduler.nextmsg();
    EXPECT_TRUE(messages.shown.empty());
    for (const double when : file.readAllWhen())
        ASSERT_EQ(oleToCivil(when), at(2026, 3, 5, 9));
    EXPECT_EQ(host.status, "Next Event: 3/5/26 9:00 AM");
}

TEST(Recipients, SplitAtEverySeparatorKeepingEmptyNames) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a;b;c", {"a", "b", "c"}}, {"a", {"a"}},      {"", {""}},
        {"a;;b", {"a", "", "b"}},   {"a;", {"a", ""}}, {" a ; b", {" a ", " b"}},
    };
    for (const auto& [text, names] : cases)
        EXPECT_EQ(splitRecipients(text), names) << text;
}

TEST(Recipients, AProblemAddressIsRoughlyCentred) {
    const std::pair<std::size_t, int> cases[] = {{0, 25}, {3, 24}, {10, 20}, {47, 2}, {49, 0}, {50, 0}, {60, 0}};
    for (const auto& [length, blanks] : cases)
        EXPECT_EQ(addressIndent(length), blanks) << length;
}
