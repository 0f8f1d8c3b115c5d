#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvor {

class MailSystem;

// The names of a recipients text, split at every ";" exactly as they stand: nothing is trimmed
// and empty names are kept ("a;;b" gives "a", "", "b"; "" gives one empty name).
std::vector<std::string> splitRecipients(std::string_view text);

// The blanks that set a name of `length` characters roughly centred under a 50-character line:
// 25 - length / 2, rounded half to even, and none below 1.
int addressIndent(std::size_t length) noexcept;

// Adds the recipients of a recipients text to the message being composed, name k in slot k.
void sendto(MailSystem& mail, std::string_view text);

} // namespace kalvor
