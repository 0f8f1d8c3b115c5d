#pragma once

#include <QDialog>

class QKeyEvent;

namespace kalvor::platform {

// A dialog without a cancel button: Escape closes nothing, only the dialog's own buttons do.
class NoCancelDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// True for a key that would change the text of a box meant as a pick list: a typed character
// other than Tab, Delete or Backspace. The arrow keys and the drop-down still choose an entry.
bool editsPickList(const QKeyEvent& key);

} // namespace kalvor::platform
