#pragma once

#include <QTreeWidget>

#include <functional>

namespace kalvor {

// The list of events (List1). Each item carries its key: "L" and the record number. Command keys
// go to the main window's dispatcher.
class EventList : public QTreeWidget {
    Q_OBJECT
public:
    explicit EventList(QWidget* parent = nullptr);

    static QTreeWidgetItem* makeItem(const QString& key, const QString& description, const QString& nextOccurrence);
    static QString keyOf(const QTreeWidgetItem* item);
    static void setKey(QTreeWidgetItem* item, const QString& key);
    // The record number the item's key names.
    static int recordOf(const QTreeWidgetItem* item);

    // The key code of a key press as the dispatcher knows it: Esc 27, Enter 13, Delete 46,
    // Insert 45, letters by their capital; 0 for every other key.
    static int dispatchCode(const QKeyEvent* event);

    QModelIndex indexOf(const QTreeWidgetItem* item) const { return indexFromItem(item); }
    QTreeWidgetItem* itemOf(const QModelIndex& index) const { return itemFromIndex(index); }

    // Receives the key code of every key that dispatchCode() knows.
    std::function<void(int keyCode)> onCommandKey;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kalvor
