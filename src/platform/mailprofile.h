#pragma once

#include <QString>

namespace kalvor::platform {

// The mail system's own settings, kept in mail.ini (section [Mail]) beside Kalvor.ini.
struct MailProfile {
    QString server;
    int port = 25;
    QString security = QStringLiteral("none"); // none, starttls or tls
    QString user;
    QString from;
    QString addressBook; // a vCard file
    QString password;    // only where no keyring keeps it

    bool isComplete() const { return !server.isEmpty() && !from.isEmpty(); }
    // The server's address for libcurl: smtps:// for TLS from the start, smtp:// otherwise.
    QString url() const;

    static MailProfile load(const QString& path, const QString& defaultAddressBook);
    // Writes the settings, readable by their owner only; the password only when asked to.
    bool save(const QString& path, bool withPassword) const;
};

} // namespace kalvor::platform
