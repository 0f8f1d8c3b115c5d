#include "mailprofile.h"

#include "profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kalvor::platform {

namespace {

const QString kSection = QStringLiteral("Mail");

} // namespace

QString MailProfile::url() const {
    return QStringLiteral("%1://%2:%3")
        .arg(security == QLatin1String("tls") ? QStringLiteral("smtps") : QStringLiteral("smtp"), server)
        .arg(port);
}

MailProfile MailProfile::load(const QString& path, const QString& defaultAddressBook) {
    const ProfileFile file(path);
    const auto read = [&](const char* key) { return file.readString(kSection, QLatin1String(key)); };
    MailProfile profile;
    profile.server = read("Server");
    bool ok = false;
    const int port = read("Port").toInt(&ok);
    profile.security = read("Security").toLower();
    if (profile.security != QLatin1String("starttls") && profile.security != QLatin1String("tls"))
        profile.security = QStringLiteral("none");
    profile.port = ok && port > 0 && port < 65536 ? port : profile.security == QLatin1String("tls") ? 465 : 25;
    profile.user = read("User");
    profile.from = read("From");
    profile.addressBook = read("AddressBook");
    if (profile.addressBook.isEmpty())
        profile.addressBook = defaultAddressBook;
    profile.password = read("Password");
    return profile;
}

bool MailProfile::save(const QString& path, bool withPassword) const {
    const ProfileFile file(path);
    // Created private before the first value goes in.
    if (!QFile::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile create(path);
        if (!create.open(QIODevice::WriteOnly))
            return false;
        create.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const std::pair<const char*, QString> values[] = {{"Server", server},
                                                      {"Port", QString::number(port)},
                                                      {"Security", security},
                                                      {"User", user},
                                                      {"From", from},
                                                      {"AddressBook", addressBook},
                                                      {"Password", withPassword ? password : QString()}};
    for (const auto& [key, value] : values)
        if (!file.writeString(kSection, QLatin1String(key), value))
            return false;
    return true;
}

} // namespace kalvor::platform
