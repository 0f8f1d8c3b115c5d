#pragma once

#include <string>

namespace kalvor {

// What the scheduler needs of the main window. Texts are UTF-8.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    // The first panel of the status bar; it starts as kStartupStatusText.
    virtual std::string statusText() const = 0;
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setTrayTip(const std::string& text) = 0;

    // Timer1, whose ticks call Scheduler::tick().
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual void setTimerInterval(int milliseconds) = 0;

    // Sets the "Next Occurrence" column of every list item whose key names the record.
    virtual void setNextOccurrenceText(int record, const std::string& text) = 0;
    // Removes the list item of a removed record and re-keys the items of the records after it.
    virtual void removeListItem(int record) = 0;
};

} // namespace kalvor
