#include "eventlist.h"

#include "engine/listkey.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace kalvor {

EventList::EventList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("List1"));
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Event"), QStringLiteral("Next Occurrence")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
}

QString EventList::keyOf(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toString();
}

void EventList::setKey(QTreeWidgetItem* item, const QString& key) {
    item->setData(0, Qt::UserRole, key);
}

int EventList::recordOf(const QTreeWidgetItem* item) {
    return getkey(keyOf(item).toStdString());
}

int EventList::dispatchCode(const QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Insert:
        return 45;
    default:
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key : 0; // Qt's letter keys are their capitals' codes
    }
}

void EventList::keyPressEvent(QKeyEvent* event) {
    if (const int code = dispatchCode(event); code != 0 && onCommandKey) {
        event->accept();
        onCommandKey(code);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

} // namespace kalvor
