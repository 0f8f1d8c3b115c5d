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

namespace {

// The key lives beside the item's data, not in it: re-keying thousands of items then changes
// nothing the view has to redraw.
class KeyedItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    explicit KeyedItem(const QStringList& texts) : QTreeWidgetItem(texts, kType) {}
    QString key;
};

} // namespace

QTreeWidgetItem* EventList::makeItem(const QString& key, const QString& description, const QString& nextOccurrence) {
    auto* item = new KeyedItem({description, nextOccurrence});
    item->key = key;
    return item;
}

QString EventList::keyOf(const QTreeWidgetItem* item) {
    return item->type() == KeyedItem::kType ? static_cast<const KeyedItem*>(item)->key : QString();
}

void EventList::setKey(QTreeWidgetItem* item, const QString& key) {
    if (item->type() == KeyedItem::kType)
        static_cast<KeyedItem*>(item)->key = key;
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
