#pragma once

#include "addressbook.h"

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace kalvor::platform {

// The address book: the contacts, with a filter, to add to and remove from the recipients.
class AddressBookDialog : public QDialog {
    Q_OBJECT
public:
    AddressBookDialog(const QList<Contact>& contacts, const QStringList& recipients, QWidget* parent = nullptr);

    QStringList recipients() const;

private:
    void applyFilter(const QString& text);
    void addSelected();

    QLineEdit* filter_;
    QListWidget* contacts_;
    QListWidget* recipients_;
};

} // namespace kalvor::platform
