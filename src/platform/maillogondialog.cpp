#include "maillogondialog.h"

#include "messagedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace kalvor::platform {

MailLogonDialog::MailLogonDialog(const MailProfile& profile, QWidget* parent) : QDialog(parent), initial_(profile) {
    setObjectName(QStringLiteral("MailLogonDialog"));
    setWindowTitle(QStringLiteral("Kalvor Mail Logon"));
    auto* form = new QFormLayout(this);
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    server_ = named(new QLineEdit(profile.server), "server");
    port_ = named(new QSpinBox, "port");
    port_->setRange(1, 65535);
    port_->setValue(profile.port);
    security_ = named(new QComboBox, "security");
    security_->addItems({QStringLiteral("none"), QStringLiteral("starttls"), QStringLiteral("tls")});
    security_->setCurrentText(profile.security);
    user_ = named(new QLineEdit(profile.user), "user");
    password_ = named(new QLineEdit(profile.password), "password");
    password_->setEchoMode(QLineEdit::Password);
    from_ = named(new QLineEdit(profile.from), "from");
    remember_ = named(new QCheckBox(QStringLiteral("Remember password")), "remember");
    form->addRow(QStringLiteral("Mail server:"), server_);
    form->addRow(QStringLiteral("Port:"), port_);
    form->addRow(QStringLiteral("Security:"), security_);
    form->addRow(QStringLiteral("User name:"), user_);
    form->addRow(QStringLiteral("Password:"), password_);
    form->addRow(QStringLiteral("Send from:"), from_);
    form->addRow(QString(), remember_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(security_, &QComboBox::currentTextChanged, this, [this](const QString& security) {
        if (port_->value() == 25 || port_->value() == 465 || port_->value() == 587)
            port_->setValue(security == QLatin1String("tls") ? 465 : security == QLatin1String("starttls") ? 587 : 25);
    });
}

MailProfile MailLogonDialog::profile() const {
    MailProfile p = initial_;
    p.server = server_->text().trimmed();
    p.port = port_->value();
    p.security = security_->currentText();
    p.user = user_->text().trimmed();
    p.password = password_->text();
    p.from = from_->text().trimmed();
    return p;
}

bool MailLogonDialog::rememberPassword() const {
    return remember_->isChecked();
}

void MailLogonDialog::accept() {
    if (server_->text().trimmed().isEmpty() || from_->text().trimmed().isEmpty()) {
        MessageDialog::show(this, QStringLiteral("Please give the mail server and the address to send from."),
                            QStringLiteral("Error!"), MessageStyle::Exclamation);
        return;
    }
    QDialog::accept();
}

} // namespace kalvor::platform
