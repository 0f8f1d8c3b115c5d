#pragma once

#include <QString>

#include <optional>

namespace kalvor::platform {

// Passwords kept in the desktop's keyring, under the service "Kalvor".
class PasswordStore {
public:
    // The password kept for the key; nothing when there is none or no keyring answers.
    static std::optional<QString> read(const QString& key);
    // False when no keyring could keep it.
    static bool write(const QString& key, const QString& password);
};

} // namespace kalvor::platform
