#pragma once

#include <QPersistentModelIndex>
#include <QPoint>
#include <QString>

namespace kalvor {

class Clock;
class EventFile;
class MailSystem;
namespace platform {
class QtLocaleText;
}

// What the event editor needs of the main window: the event file, the list of events and the
// place where the editor opens.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual EventFile& eventFile() = 0;
    virtual const Clock& clock() const = 0;
    virtual const platform::QtLocaleText& localeText() const = 0;
    virtual MailSystem& mailSystem() = 0;

    // The record number that the row's key names now; 0 when the row is gone.
    virtual int recordOfRow(const QPersistentModelIndex& row) const = 0;
    // Adds the row of a new last record at the end of the list.
    virtual void appendRow(int record, const QString& description, const QString& nextOccurrence) = 0;
    // Replaces the row with one of the same key at the same place.
    virtual void replaceRow(const QPersistentModelIndex& row, const QString& description,
                            const QString& nextOccurrence) = 0;

    // The editor's top-left corner in twips.
    virtual QPoint editorPosition() const = 0;
    virtual void setEditorPosition(QPoint twips) = 0;
};

} // namespace kalvor
