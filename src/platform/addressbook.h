#pragma once

#include <QList>
#include <QString>

namespace kalvor::platform {

struct Contact {
    QString name;
    QString email;
};

// The contacts of a vCard file (FN and the first EMAIL of each card); none when it cannot be read.
QList<Contact> loadAddressBook(const QString& path);

// The address a recipient name stands for: the name itself when it is an address
// ("user@host" or "Display Name <user@host>"), else the one contact of that display name
// (without regard to case). Empty, with the reason, when there is no such single contact.
QString resolveAddress(const QString& name, const QList<Contact>& contacts, QString* reason);

} // namespace kalvor::platform
