#pragma once

#include "engine/mailsystem.h"

namespace kalvor::platform {

// The mail system while none is set up: signing on fails with the reason.
class MailUnavailable final : public MailSystem {
public:
    void signOn() override { throw MailError("No mail system is set up on this computer."); }
    void attachSession() override {}
    void compose() override {}
    void setRecipient(int, const std::string&) override {}
    void setSubject(const std::string&) override {}
    void setBody(const std::string&) override {}
    void send() override {}
    void signOff() override {}
};

} // namespace kalvor::platform
