#include "smtpmailsystem.h"

#include "addressbookdialog.h"
#include "maillogondialog.h"
#include "passwordstore.h"

#include <curl/curl.h>

#include <QDateTime>
#include <QUuid>

#include <cstring>
#include <memory>

namespace kalvor::platform {

namespace {

QString keyringKey(const MailProfile& p) {
    return p.user + QLatin1Char('@') + p.server;
}

// Nothing that could end a header line gets into one.
QString headerSafe(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

struct Upload {
    QByteArray data;
    qsizetype sent = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* user) {
    auto* upload = static_cast<Upload*>(user);
    const auto room = static_cast<qsizetype>(size * count);
    const qsizetype n = std::min(room, upload->data.size() - upload->sent);
    std::memcpy(buffer, upload->data.constData() + upload->sent, static_cast<size_t>(n));
    upload->sent += n;
    return static_cast<size_t>(n);
}

void initCurlOnce() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised)
        throw MailError("The mail library could not be started.");
}

} // namespace

SmtpMailSystem::SmtpMailSystem(QString profilePath, QString defaultAddressBook, QWidget* dialogParent)
    : profilePath_(std::move(profilePath)), defaultAddressBook_(std::move(defaultAddressBook)),
      dialogParent_(dialogParent) {}

void SmtpMailSystem::signOn() {
    MailProfile profile = MailProfile::load(profilePath_, defaultAddressBook_);
    if (profile.isComplete() && !profile.user.isEmpty() && profile.password.isEmpty())
        profile.password = PasswordStore::read(keyringKey(profile)).value_or(QString());
    if (!profile.isComplete() || (!profile.user.isEmpty() && profile.password.isEmpty())) {
        MailLogonDialog logon(profile, dialogParent_);
        if (logon.exec() != QDialog::Accepted)
            throw MailError("The mail logon was cancelled.");
        profile = logon.profile();
        bool passwordInFile = false;
        if (logon.rememberPassword() && !profile.password.isEmpty())
            passwordInFile = !PasswordStore::write(keyringKey(profile), profile.password);
        if (!profile.save(profilePath_, passwordInFile))
            throw MailError("The mail settings could not be saved to " + profilePath_.toStdString() + ".");
    }
    session_ = profile;
    signedOn_ = true;
}

void SmtpMailSystem::attachSession() {
    if (!signedOn_)
        throw MailError("The mail system is not signed on.");
}

void SmtpMailSystem::compose() {
    recipients_.clear();
    subject_.clear();
    body_.clear();
}

void SmtpMailSystem::setRecipient(int slot, const std::string& displayName) {
    if (slot < 0)
        throw MailError("There is no recipient slot " + std::to_string(slot) + ".");
    while (recipients_.size() <= slot)
        recipients_.append(QString());
    recipients_[slot] = QString::fromStdString(displayName);
}

int SmtpMailSystem::recipientCount() const {
    return static_cast<int>(recipients_.size());
}

std::string SmtpMailSystem::recipientName(int slot) const {
    return slot >= 0 && slot < recipients_.size() ? recipients_[slot].toStdString() : std::string();
}

QList<Contact> SmtpMailSystem::contacts() const {
    const MailProfile profile = signedOn_ ? session_ : MailProfile::load(profilePath_, defaultAddressBook_);
    return loadAddressBook(profile.addressBook);
}

QString SmtpMailSystem::addressOf(const QString& name) const {
    QString reason;
    const QString address = resolveAddress(name, contacts(), &reason);
    if (address.isEmpty())
        throw MailError(reason.toStdString());
    return address;
}

void SmtpMailSystem::resolveName(int slot) {
    addressOf(QString::fromStdString(recipientName(slot)));
}

void SmtpMailSystem::showAddressBook() {
    AddressBookDialog book(contacts(), recipients_, dialogParent_);
    if (book.exec() != QDialog::Accepted)
        throw MailError("The address book was cancelled.");
    recipients_ = book.recipients();
}

void SmtpMailSystem::setSubject(const std::string& subject) {
    subject_ = QString::fromStdString(subject);
}

void SmtpMailSystem::setBody(const std::string& body) {
    body_ = QString::fromStdString(body);
}

QByteArray SmtpMailSystem::message(const QStringList& to) const {
    const QString domain = session_.from.section(QLatin1Char('@'), -1);
    QString body = body_;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QString headers;
    headers += QStringLiteral("From: %1\r\n").arg(headerSafe(session_.from));
    headers += QStringLiteral("To: %1\r\n").arg(headerSafe(to.join(QLatin1String(", "))));
    headers += QStringLiteral("Date: %1\r\n").arg(QDateTime::currentDateTime().toString(Qt::RFC2822Date));
    headers +=
        QStringLiteral("Message-ID: <%1@%2>\r\n").arg(QUuid::createUuid().toString(QUuid::WithoutBraces), domain);
    headers += QStringLiteral("Subject: %1\r\n").arg(headerSafe(subject_));
    headers += QStringLiteral("MIME-Version: 1.0\r\n"
                              "Content-Type: text/plain; charset=UTF-8\r\n"
                              "Content-Transfer-Encoding: 8bit\r\n\r\n");
    return (headers + body + QStringLiteral("\r\n")).toUtf8();
}

void SmtpMailSystem::send() {
    if (!signedOn_)
        throw MailError("The mail system is not signed on.");
    if (recipients_.isEmpty())
        throw MailError("The message has no recipients.");
    QStringList envelope;
    QStringList to;
    for (const QString& name : recipients_) {
        const QString address = addressOf(name);
        envelope << QLatin1Char('<') + address + QLatin1Char('>');
        to << (name.trimmed() == address         ? address
               : name.contains(QLatin1Char('<')) ? name.trimmed()
                                                 : QStringLiteral("%1 <%2>").arg(name.trimmed(), address));
    }

    initCurlOnce();
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        throw MailError("The mail library could not be started.");
    curl_slist* rcpt = nullptr;
    for (const QString& address : envelope)
        rcpt = curl_slist_append(rcpt, address.toUtf8().constData());
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> rcptGuard(rcpt, &curl_slist_free_all);

    Upload upload{message(to)};
    char error[CURL_ERROR_SIZE] = {};
    const QByteArray url = session_.url().toUtf8();
    const QByteArray from = (QLatin1Char('<') + session_.from + QLatin1Char('>')).toUtf8();
    const QByteArray user = session_.user.toUtf8();
    const QByteArray password = session_.password.toUtf8();
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 15L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, kTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (session_.security == QLatin1String("starttls"))
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!session_.user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        long reply = 0;
        curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &reply);
        std::string reason = error[0] ? error : curl_easy_strerror(result);
        if (reply > 0)
            reason += " (the server answered " + std::to_string(reply) + ")";
        throw MailError("The mail server " + session_.server.toStdString() + " did not take the message: " + reason);
    }
}

void SmtpMailSystem::signOff() {
    signedOn_ = false;
    session_.password.fill(QLatin1Char(' '));
    session_ = MailProfile{};
}

} // namespace kalvor::platform
