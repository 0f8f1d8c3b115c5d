#include "addressbookdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kalvor::platform {

AddressBookDialog::AddressBookDialog(const QList<Contact>& contacts, const QStringList& recipients, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AddressBookDialog"));
    setWindowTitle(QStringLiteral("Address Book"));
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(QStringLiteral("Find a contact"));
    contacts_ = new QListWidget;
    contacts_->setObjectName(QStringLiteral("contacts"));
    for (const Contact& contact : contacts) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 <%2>").arg(contact.name, contact.email), contacts_);
        item->setData(Qt::UserRole, contact.name);
    }
    recipients_ = new QListWidget;
    recipients_->setObjectName(QStringLiteral("recipients"));
    recipients_->addItems(recipients);
    auto* add = new QPushButton(QStringLiteral("Add ->"));
    add->setObjectName(QStringLiteral("add"));
    auto* remove = new QPushButton(QStringLiteral("Remove"));
    remove->setObjectName(QStringLiteral("remove"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Contacts:")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("To:")), 0, 2);
    grid->addWidget(filter_, 1, 0);
    grid->addWidget(contacts_, 2, 0, 2, 1);
    grid->addWidget(add, 2, 1);
    grid->addWidget(remove, 3, 1, Qt::AlignTop);
    grid->addWidget(recipients_, 1, 2, 3, 1);
    grid->addWidget(buttons, 4, 0, 1, 3);

    connect(filter_, &QLineEdit::textChanged, this, &AddressBookDialog::applyFilter);
    connect(add, &QPushButton::clicked, this, &AddressBookDialog::addSelected);
    connect(contacts_, &QListWidget::itemDoubleClicked, this, &AddressBookDialog::addSelected);
    connect(remove, &QPushButton::clicked, this, [this] { delete recipients_->currentItem(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QStringList AddressBookDialog::recipients() const {
    QStringList names;
    for (int i = 0; i < recipients_->count(); ++i)
        names << recipients_->item(i)->text();
    return names;
}

void AddressBookDialog::applyFilter(const QString& text) {
    for (int i = 0; i < contacts_->count(); ++i)
        contacts_->item(i)->setHidden(!contacts_->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void AddressBookDialog::addSelected() {
    if (QListWidgetItem* item = contacts_->currentItem(); item && !item->isHidden())
        recipients_->addItem(item->data(Qt::UserRole).toString());
}

} // namespace kalvor::platform
