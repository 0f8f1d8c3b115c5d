#pragma once

#include <string>
#include <vector>

namespace kalvor {

class Clock;
class EventFile;
class HostWindow;
class LocaleText;
class MailSystem;
class MessageBoxes;
class ProgramStarter;
struct eventrec;

// Finds the event that falls due next, and fires due events one after the other: carries out the
// action, moves the event on to its next occurrence (or removes a one-time event) and looks again.
// It keeps nothing but the next due time and its record number; the event file is the only store.
class Scheduler {
public:
    static constexpr int kTickMilliseconds = 10000;
    // After an error of the event file, the next attempt waits this long.
    static constexpr int kRetryMilliseconds = 60000;

    static constexpr const char* kStartupStatusText = "Kalvor!";
    static constexpr const char* kNoEventsText = "No Events";
    static constexpr const char* kNextEventText = "Next Event: ";
    static constexpr const char* kMessageTitle = "Kalvor Automatic Message!";
    static constexpr const char* kErrorTitle = "Kalvor Error!";
    static constexpr const char* kProgramErrorText = "There was an error attempting to execute your scheduled program!";
    static constexpr const char* kMailSubject = "Kalvor Automatic Mailing!";

    Scheduler(EventFile& file, const Clock& clock, HostWindow& host, MessageBoxes& messages, ProgramStarter& programs,
              MailSystem& mail, const LocaleText& locale);

    // The due-event scan: finds the earliest event, fires it and every further event that is due,
    // then shows the next one (or "No Events") and sets the timer.
    void nextmsg();
    // Timer1's tick: fires the next event once its time has passed.
    void tick();
    // Fires the event found by the last scan, then scans again.
    void firemsg();

    // The earliest due time of the last scan, and its record number (lowest on a tie).
    double nextd() const noexcept { return nextd_; }
    int nextf() const noexcept { return nextf_; }

private:
    void run(bool fireFirst);
    // Fires record nextf_; true when it showed anything to the user (and so ran an event loop in
    // which the event file may have changed).
    bool fireOne(std::vector<double>& whens, bool& whensValid);
    bool scan(const std::vector<double>& whens);
    bool isDue() const;
    void carryOut(const eventrec& record);
    void runProgram(const eventrec& record);
    void sendMail(const eventrec& record);
    void showError(const std::string& text);

    EventFile& file_;
    const Clock& clock_;
    HostWindow& host_;
    MessageBoxes& messages_;
    ProgramStarter& programs_;
    MailSystem& mail_;
    const LocaleText& locale_;

    double nextd_ = 0.0;
    int nextf_ = 0;
    bool haveNext_ = false;
    bool running_ = false;
    bool rescanRequested_ = false;
    bool retryPending_ = false;
};

} // namespace kalvor
