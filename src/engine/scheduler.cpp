#include "scheduler.h"

#include "clock.h"
#include "cp1252.h"
#include "displaytext.h"
#include "eventfile.h"
#include "fileerror.h"
#include "hostwindow.h"
#include "mailsystem.h"
#include "messageboxes.h"
#include "programstarter.h"
#include "recipients.h"
#include "recurrence.h"

namespace kalvor {

namespace {

constexpr int kMessageStyle = MessageStyle::OkOnly | MessageStyle::Information | MessageStyle::SystemModal; // 4160
constexpr int kErrorStyle = MessageStyle::OkOnly | MessageStyle::Critical | MessageStyle::SystemModal;      // 4112

std::string recordText(std::span<const char> field) {
    return cp1252ToUtf8(trimmedText(field));
}

} // namespace

Scheduler::Scheduler(EventFile& file, const Clock& clock, HostWindow& host, MessageBoxes& messages,
                     ProgramStarter& programs, MailSystem& mail, const LocaleText& locale)
    : file_(file), clock_(clock), host_(host), messages_(messages), programs_(programs), mail_(mail), locale_(locale) {}

void Scheduler::nextmsg() {
    run(false);
}

void Scheduler::firemsg() {
    run(haveNext_);
}

void Scheduler::tick() {
    if (retryPending_) {
        run(false);
    } else if (haveNext_ && isDue()) {
        run(true);
    } else {
        host_.setTimerInterval(kTickMilliseconds);
    }
}

bool Scheduler::isDue() const {
    return oleToLinearDays(nextd_) < secondsToLinearDays(clock_.now());
}

// Scanning and firing alternate until the earliest event lies in the future. They run as a loop,
// not as calls into each other, so that thousands of overdue events cannot exhaust the stack.
void Scheduler::run(bool fireFirst) {
    if (running_) {
        // Called from an event loop inside a firing: the loop below looks again when that is done.
        rescanRequested_ = true;
        return;
    }
    running_ = true;
    retryPending_ = false;
    try {
        // The times of all records, kept up to date across silent firings so that catching up
        // on many events reads the file once instead of once per event.
        std::vector<double> whens;
        bool whensValid = false;
        for (bool fire = fireFirst;; fire = true) {
            if (fire && fireOne(whens, whensValid))
                whensValid = false;
            if (!whensValid || rescanRequested_) {
                rescanRequested_ = false;
                whens = file_.readAllWhen();
                whensValid = true;
            }
            if (!scan(whens)) {
                host_.setStatusText(kNoEventsText);
                host_.setTrayTip(kNoEventsText);
                host_.setTimerEnabled(false);
                break;
            }
            if (isDue())
                continue;
            host_.setTimerInterval(kTickMilliseconds);
            const std::string status = kNextEventText + displayText(nextd_, locale_);
            host_.setStatusText(status);
            host_.setTrayTip(status);
            host_.setTimerEnabled(true);
            break;
        }
    } catch (const FileError& e) {
        host_.setTimerEnabled(false);
        showError(std::string("The event file could not be read or written, so no event is carried out for now. "
                              "Kalvor tries again in a minute.\n\n") +
                  e.what());
        retryPending_ = true;
        host_.setTimerInterval(kRetryMilliseconds);
        host_.setTimerEnabled(true);
    }
    running_ = false;
}

// The earliest time among the records; a record whose time is damaged (not a date of the years
// 100 to 9999) is never picked, since it could never be moved on to a sensible time.
bool Scheduler::scan(const std::vector<double>& whens) {
    haveNext_ = false;
    double earliest = 0.0;
    for (std::size_t i = 0; i < whens.size(); ++i) {
        if (!oleToSeconds(whens[i]))
            continue;
        const double key = oleToLinearDays(whens[i]);
        if (!haveNext_ || key < earliest) {
            earliest = key;
            nextd_ = whens[i];
            nextf_ = static_cast<int>(i) + 1;
            haveNext_ = true;
        }
    }
    return haveNext_;
}

bool Scheduler::fireOne(std::vector<double>& whens, bool& whensValid) {
    eventrec record = file_.read(nextf_);
    host_.setTimerEnabled(false);

    const int unit = unitCode(record.rep);
    // A repeat code that this program never writes: nothing is carried out, and the event waits
    // for the same time tomorrow, so that it stays in the list until the user corrects it.
    const bool knownUnit = unit == Once || isRepeatingUnit(unit);
    const bool excludedToday = isExcludedDay(record.days, secondsToCivil(clock_.now()).date);
    const bool catchingUp = host_.statusText() == kStartupStatusText && !runIfMissed(record.rep);
    const bool carriedOut = knownUnit && !excludedToday && !catchingUp;
    if (carriedOut)
        carryOut(record);
    const bool showedSomething = carriedOut && record.action >= SendMail && record.action <= RunProgram;

    if (unit == Once) {
        file_.remove(nextf_);
        host_.removeListItem(nextf_);
        if (whensValid)
            whens.erase(whens.begin() + (nextf_ - 1));
        return showedSomething;
    }

    const LocalSeconds currentMinute = nowmin(clock_.now());
    const auto next = knownUnit ? nextOccurrence(unit, record.occ, record.when, currentMinute)
                                : nextOccurrence(Days, 1, record.when, currentMinute);
    // Past the last date there is no further occurrence; the event stays, parked at that date.
    record.when = next.value_or(*secondsToOle(kMaxSeconds));
    file_.write(nextf_, record);
    host_.setNextOccurrenceText(nextf_, displayText(record.when, locale_));
    if (whensValid)
        whens[static_cast<std::size_t>(nextf_ - 1)] = record.when;
    return showedSomething;
}

void Scheduler::carryOut(const eventrec& record) {
    switch (record.action) {
    case SendMail:
        sendMail(record);
        break;
    case DisplayMessage:
        messages_.show(recordText(record.txt), kMessageTitle, kMessageStyle);
        break;
    case RunProgram:
        runProgram(record);
        break;
    default:
        break;
    }
}

void Scheduler::runProgram(const eventrec& record) {
    const std::string_view extra(record.extra.data(), record.extra.size());
    const std::string_view e = trimSpaces(extra);
    const std::string directory = e.size() > 1 ? cp1252ToUtf8(e.substr(1)) : std::string();
    const int digit = extra[0] >= '0' && extra[0] <= '9' ? extra[0] - '0' : 0;
    if (!programs_.start(recordText(record.txt), directory, digit + 1))
        showError(kProgramErrorText);
}

void Scheduler::sendMail(const eventrec& record) {
    bool signedOn = false;
    try {
        mail_.signOn();
        signedOn = true;
        mail_.attachSession();
        mail_.compose();
        sendto(mail_, recordText(record.extra));
        mail_.setSubject(kMailSubject);
        mail_.setBody(recordText(record.txt));
        mail_.send();
        signedOn = false;
        mail_.signOff();
    } catch (const MailError& e) {
        if (signedOn) {
            try {
                mail_.signOff();
            } catch (const MailError&) {
            }
        }
        showError("The scheduled mail \"" + recordText(record.desc) + "\" could not be sent.\n\n" + e.what());
    }
}

void Scheduler::showError(const std::string& text) {
    messages_.show(text, kErrorTitle, kErrorStyle);
}

} // namespace kalvor
