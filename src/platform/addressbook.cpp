#include "addressbook.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace kalvor::platform {

namespace {

const QRegularExpression kAddress(QStringLiteral(
    R"(^[^\s@<>()\[\]\\,;:"]+@[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?(?:\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)*$)"));
const QRegularExpression kNamedAddress(QStringLiteral(R"(^[^<>\r\n]*<([^<>\s]+)>$)"));

QString unescape(QString value) {
    value.replace(QLatin1String("\\n"), QLatin1String(" "));
    value.replace(QLatin1String("\\,"), QLatin1String(","));
    value.replace(QLatin1String("\\;"), QLatin1String(";"));
    value.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    return value.trimmed();
}

} // namespace

QList<Contact> loadAddressBook(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Lines that begin with a blank continue the line before them.
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QRegularExpression(QStringLiteral("\n[ \t]")), QString());

    QList<Contact> contacts;
    Contact card;
    bool inCard = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString property =
            line.left(colon).section(QLatin1Char(';'), 0, 0).section(QLatin1Char('.'), -1).toUpper();
        const QString value = line.mid(colon + 1);
        if (property == QLatin1String("BEGIN") &&
            value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            card = Contact{};
            inCard = true;
        } else if (property == QLatin1String("END") && inCard) {
            if (!card.email.isEmpty())
                contacts.append(card.name.isEmpty() ? Contact{card.email, card.email} : card);
            inCard = false;
        } else if (inCard && property == QLatin1String("FN")) {
            card.name = unescape(value);
        } else if (inCard && property == QLatin1String("EMAIL") && card.email.isEmpty()) {
            card.email = unescape(value);
        }
    }
    return contacts;
}

QString resolveAddress(const QString& name, const QList<Contact>& contacts, QString* reason) {
    const QString trimmed = name.trimmed();
    if (kAddress.match(trimmed).hasMatch())
        return trimmed;
    if (const auto named = kNamedAddress.match(trimmed);
        named.hasMatch() && kAddress.match(named.captured(1)).hasMatch())
        return named.captured(1);
    QStringList found;
    for (const Contact& contact : contacts)
        if (contact.name.compare(trimmed, Qt::CaseInsensitive) == 0)
            found << contact.email;
    if (found.size() == 1 && kAddress.match(found.first()).hasMatch())
        return found.first();
    if (reason) {
        if (trimmed.isEmpty())
            *reason = QStringLiteral("The name is empty.");
        else if (found.isEmpty())
            *reason = QStringLiteral("\"%1\" is not a mail address, and no contact in the address book has that name.")
                          .arg(trimmed);
        else if (found.size() > 1)
            *reason =
                QStringLiteral("%1 contacts in the address book are called \"%2\".").arg(found.size()).arg(trimmed);
        else
            *reason = QStringLiteral("The contact \"%1\" has no valid mail address.").arg(trimmed);
    }
    return {};
}

} // namespace kalvor::platform
