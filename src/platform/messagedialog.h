#pragma once

#include "engine/messageboxes.h"

#include <QList>
#include <QString>

class QWidget;

namespace kalvor::platform {

// Every message box of the program goes through show(). The numeric style chooses the buttons,
// the icon, the default button and the modality; a system-modal box stays on top of every window
// and appears also while the main window is hidden.
//
// Tests call setTestMode(true): boxes are then recorded instead of shown, and answered with the
// answers queued by setNextAnswer(), or else with the style's default button.
class MessageDialog {
public:
    static MessageAnswer show(QWidget* parent, const QString& text, const QString& title, int style);

    struct Shown {
        QString text;
        QString title;
        int style;
    };
    static void setTestMode(bool enabled);
    static void setNextAnswer(MessageAnswer answer);
    static QList<Shown> takeShown();
};

// The scheduler's message boxes, shown with the main window as parent.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    MessageAnswer show(const std::string& text, const std::string& title, int style) override;

private:
    QWidget* parent_;
};

} // namespace kalvor::platform
