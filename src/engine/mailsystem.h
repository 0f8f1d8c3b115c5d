#pragma once

#include <stdexcept>
#include <string>

namespace kalvor {

// A failure of the mail system; what() gives the reason.
class MailError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The mail system. Sending calls, in this order: signOn, attachSession, compose, one setRecipient
// per recipient slot 0, 1, 2 ..., setSubject, setBody, send, signOff. Checking names calls
// resolveName on each slot; the address book edits the recipients of the message being composed.
// Every step may throw MailError. Texts are UTF-8.
class MailSystem {
public:
    virtual ~MailSystem() = default;
    // May show the mail system's own logon dialog and wait for it.
    virtual void signOn() = 0;
    // Hands the signed-on session to the message being composed.
    virtual void attachSession() = 0;
    // Starts a new, empty outgoing message.
    virtual void compose() = 0;
    virtual void setRecipient(int slot, const std::string& displayName) = 0;
    virtual int recipientCount() const = 0;
    virtual std::string recipientName(int slot) const = 0;
    // Checks that the mail system knows where the recipient in the slot is to be sent.
    virtual void resolveName(int slot) = 0;
    // Lets the user edit the recipients in the mail system's address book; throws when cancelled.
    virtual void showAddressBook() = 0;
    virtual void setSubject(const std::string& subject) = 0;
    virtual void setBody(const std::string& body) = 0;
    // Sends without showing a dialog.
    virtual void send() = 0;
    virtual void signOff() = 0;
};

} // namespace kalvor
