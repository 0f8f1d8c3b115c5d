#include "engine/fileerror.h"
#include "mainwindow/form1.h"
#include "platform/appicons.h"
#include "platform/datafolder.h"
#include "platform/messagedialog.h"
#include "platform/programlauncher.h"
#include "platform/singleinstance.h"
#include "platform/smtpmailsystem.h"
#include "platform/systemclock.h"
#include "platform/terminationwatcher.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QSystemTrayIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvor"));
    QApplication::setDesktopFileName(QStringLiteral("kalvor"));
    QApplication::setWindowIcon(kalvor::platform::programIcon());
    // Kalvor lives on in the tray with no window shown.
    QApplication::setQuitOnLastWindowClosed(false);

    using kalvor::platform::MessageDialog;
    kalvor::platform::SingleInstance instance;
    if (!instance.acquire()) {
        MessageDialog::show(nullptr, QStringLiteral("You may not run more than one copy of Kalvor!"),
                            QStringLiteral("Kalvor..."), kalvor::MessageStyle::Critical);
        return 1;
    }

    kalvor::platform::SystemClock clock;
    kalvor::platform::ProgramLauncher programs;
    kalvor::Form1::Setup setup;
    QDir config;
    try {
        setup.dataFolder = kalvor::platform::dataFolder();
        config.setPath(QString::fromStdString(kalvor::platform::configFolder().string()));
        setup.placementFile = config.filePath(QStringLiteral("Kalvor.ini"));
    } catch (const kalvor::FileError& e) {
        MessageDialog::show(nullptr, QString::fromStdString(e.what()), QStringLiteral("Kalvor Error!"),
                            kalvor::MessageStyle::Critical);
        return 1;
    }
    kalvor::platform::SmtpMailSystem mail(config.filePath(QStringLiteral("mail.ini")),
                                          config.filePath(QStringLiteral("contacts.vcf")));
    setup.clock = &clock;
    setup.programs = &programs;
    setup.mail = &mail;
    setup.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };

    kalvor::Form1 form(setup);
    kalvor::platform::TerminationWatcher termination;
    QObject::connect(&termination, &kalvor::platform::TerminationWatcher::terminationRequested, &form,
                     [&form] { form.queryUnload(kalvor::Form1::SessionEnd); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.queryUnload(kalvor::Form1::SessionEnd); });
    form.load();
    return QApplication::exec();
}
