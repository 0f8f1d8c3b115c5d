// Until the main window arrives, kalvor lists the stored events on the terminal.
#include "engine/displaytext.h"
#include "engine/eventfile.h"
#include "engine/fileerror.h"
#include "platform/datafolder.h"
#include "platform/qtlocaletext.h"
#include "platform/textcodec.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kalvor"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        kalvor::EventFile file(kalvor::platform::dataFolder());
        const kalvor::platform::QtLocaleText locale;
        out << "Kalvor: " << file.count() << " event(s) in " << QString::fromStdString(file.path().string()) << "\n";
        file.forEach([&](int n, const kalvor::eventrec& record) {
            out << "L" << n << "\t" << kalvor::platform::fromCp1252(kalvor::trimmedText(record.desc)) << "\t"
                << QString::fromStdString(kalvor::displayText(record.when, locale)) << "\n";
            return true;
        });
        out << "The main window is not built yet.\n";
    } catch (const kalvor::FileError& e) {
        err << "Kalvor: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
