#include "recipients.h"

#include "mailsystem.h"

namespace kalvor {

std::vector<std::string> splitRecipients(std::string_view text) {
    std::vector<std::string> names(1);
    for (const char c : text) {
        if (c == ';')
            names.emplace_back();
        else
            names.back().push_back(c);
    }
    return names;
}

void sendto(MailSystem& mail, std::string_view text) {
    int slot = 0;
    for (const std::string& name : splitRecipients(text))
        mail.setRecipient(slot++, name);
}

} // namespace kalvor
