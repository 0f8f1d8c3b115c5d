#pragma once

#include "platform/nocanceldialog.h"

class QPushButton;

namespace kalvor {

// The About box: the program's name, icon and version on a blue panel. At start-up it is the
// splash window; the About command shows it with its OK button.
class Form3 : public platform::NoCancelDialog {
    Q_OBJECT
public:
    static inline const QColor kBlue{0, 0, 255};

    // Creates the box topmost and centred on the screen, announces it and shows it at once.
    static Form3* presentSplash();
    // Creates the box at its own place with the OK button, announces it and shows it modally.
    static void presentAbout(QWidget* parent);

    explicit Form3(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* ok_;
};

} // namespace kalvor
