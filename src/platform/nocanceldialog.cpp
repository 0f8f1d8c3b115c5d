#include "nocanceldialog.h"

#include <QKeyEvent>

namespace kalvor::platform {

void NoCancelDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool editsPickList(const QKeyEvent& key) {
    const bool typing = !key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
    return typing || key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace;
}

} // namespace kalvor::platform
