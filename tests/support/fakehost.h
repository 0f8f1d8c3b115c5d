#pragma once

#include "engine/clock.h"
#include "engine/hostwindow.h"
#include "engine/listkey.h"
#include "engine/mailsystem.h"
#include "engine/messageboxes.h"
#include "engine/programstarter.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// Fakes of what the scheduler talks to, recording what it was told.

struct FakeClock : kalvor::Clock {
    kalvor::LocalSeconds time = 0;
    kalvor::LocalSeconds now() const override { return time; }
};

struct FakeHost : kalvor::HostWindow {
    struct Item {
        std::string key;
        std::string nextOccurrence;
    };
    std::string status = "Kalvor!";
    std::string trayTip;
    bool timerEnabled = false;
    int timerInterval = 0;
    std::vector<Item> items;

    std::string statusText() const override { return status; }
    void setStatusText(const std::string& text) override { status = text; }
    void setTrayTip(const std::string& text) override { trayTip = text; }
    void setTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void setTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
    void setNextOccurrenceText(int record, const std::string& text) override {
        for (Item& item : items)
            if (kalvor::getkey(item.key) == record)
                item.nextOccurrence = text;
    }
    void removeListItem(int record) override {
        std::erase_if(items, [&](const Item& item) { return kalvor::getkey(item.key) == record; });
        for (Item& item : items)
            if (const int k = kalvor::getkey(item.key); k > record)
                item.key = kalvor::keyOf(k - 1);
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        for (const Item& item : items)
            out.push_back(item.key);
        return out;
    }
};

struct RecordingMessages : kalvor::MessageBoxes {
    struct Shown {
        std::string text;
        std::string title;
        int style;
    };
    std::vector<Shown> shown;
    std::function<void()> whileOpen; // runs while the box is "on screen"

    kalvor::MessageAnswer show(const std::string& text, const std::string& title, int style) override {
        shown.push_back({text, title, style});
        if (whileOpen)
            whileOpen();
        return kalvor::MessageAnswer::Ok;
    }
};

struct FakeStarter : kalvor::ProgramStarter {
    struct Started {
        std::string commandLine;
        std::string directory;
        int windowStyle;
    };
    std::vector<Started> started;
    bool succeed = true;

    bool start(const std::string& commandLine, const std::string& directory, int windowStyle) override {
        started.push_back({commandLine, directory, windowStyle});
        return succeed;
    }
};

// Logs each call as "name" or "name:argument"; throws at the call named failAt (and, with
// failOnName, only for that recipient). The address book, when opened, sets bookResult.
struct RecordingMail : kalvor::MailSystem {
    std::vector<std::string> calls;
    std::string failAt;
    std::string failOnName;
    std::vector<std::string> recipients;
    std::vector<std::string> bookResult;

    void signOn() override { call("signOn"); }
    void attachSession() override { call("attachSession"); }
    void compose() override {
        call("compose");
        recipients.clear();
    }
    void setRecipient(int slot, const std::string& name) override {
        call("setRecipient", std::to_string(slot) + "=" + name);
        recipients.resize(std::max<std::size_t>(recipients.size(), static_cast<std::size_t>(slot) + 1));
        recipients[static_cast<std::size_t>(slot)] = name;
    }
    int recipientCount() const override { return static_cast<int>(recipients.size()); }
    std::string recipientName(int slot) const override { return recipients.at(static_cast<std::size_t>(slot)); }
    void resolveName(int slot) override { call("resolveName", recipients.at(static_cast<std::size_t>(slot))); }
    void showAddressBook() override {
        call("showAddressBook");
        recipients = bookResult;
    }
    void setSubject(const std::string& subject) override { call("setSubject", subject); }
    void setBody(const std::string& body) override { call("setBody", body); }
    void send() override { call("send"); }
    void signOff() override { call("signOff"); }

private:
    void call(const std::string& name, const std::string& argument = {}) {
        calls.push_back(argument.empty() ? name : name + ":" + argument);
        if (name == failAt && (failOnName.empty() || argument == failOnName))
            throw kalvor::MailError("the server said no at " + name);
    }
};
