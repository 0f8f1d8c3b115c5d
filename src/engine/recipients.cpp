#include "recipients.h"

#include "mailsystem.h"

#include <cmath>

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

int addressIndent(std::size_t length) noexcept {
    const double blanks = std::nearbyint(25.0 - static_cast<double>(length) / 2.0);
    return blanks < 1 ? 0 : static_cast<int>(blanks);
}

void sendto(MailSystem& mail, std::string_view text) {
    int slot = 0;
    for (const std::string& name : splitRecipients(text))
        mail.setRecipient(slot++, name);
}

} // namespace kalvor
