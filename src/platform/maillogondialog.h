#pragma once

#include "mailprofile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kalvor::platform {

// Asks for the mail server and the account to send from, when the mail settings lack them.
class MailLogonDialog : public QDialog {
    Q_OBJECT
public:
    explicit MailLogonDialog(const MailProfile& profile, QWidget* parent = nullptr);

    MailProfile profile() const;
    bool rememberPassword() const;

    void accept() override;

private:
    MailProfile initial_;
    QLineEdit* server_;
    QSpinBox* port_;
    QComboBox* security_;
    QLineEdit* user_;
    QLineEdit* password_;
    QLineEdit* from_;
    QCheckBox* remember_;
};

} // namespace kalvor::platform
