#pragma once

#include "addressbook.h"
#include "mailprofile.h"

#include "engine/mailsystem.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace kalvor::platform {

// Mail handed to an SMTP server through libcurl, as desktop mail programs do. The settings come
// from mail.ini; where it lacks the server or a needed password, signing on asks for them.
// Names resolve as mail addresses or as display names of the vCard address book.
class SmtpMailSystem final : public MailSystem {
public:
    // The longest wait for the server, in seconds.
    static constexpr long kTimeoutSeconds = 60;

    SmtpMailSystem(QString profilePath, QString defaultAddressBook, QWidget* dialogParent = nullptr);

    void signOn() override;
    void attachSession() override;
    void compose() override;
    void setRecipient(int slot, const std::string& displayName) override;
    int recipientCount() const override;
    std::string recipientName(int slot) const override;
    void resolveName(int slot) override;
    void showAddressBook() override;
    void setSubject(const std::string& subject) override;
    void setBody(const std::string& body) override;
    void send() override;
    void signOff() override;

    // The message as it goes to the server: headers, a blank line, the body, CR LF throughout.
    QByteArray message(const QStringList& to) const;

private:
    QString addressOf(const QString& name) const;
    QList<Contact> contacts() const;

    QString profilePath_;
    QString defaultAddressBook_;
    QWidget* dialogParent_;
    bool signedOn_ = false;
    MailProfile session_;
    QStringList recipients_;
    QString subject_;
    QString body_;
};

} // namespace kalvor::platform
