// GoogleTest's main for tests that drive real widgets: a QApplication on the offscreen platform
// unless a display is chosen, and message boxes recorded instead of shown.
#include "platform/messagedialog.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    kalvor::platform::MessageDialog::setTestMode(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
