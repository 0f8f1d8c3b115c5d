#pragma once

#include <QObject>

class QSocketNotifier;

namespace kalvor::platform {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered on the event loop, so that the
// program can save its settings and exit cleanly when the system asks it to stop.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kalvor::platform
