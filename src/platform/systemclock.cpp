#include "systemclock.h"

#include <QDateTime>

namespace kalvor::platform {

LocalSeconds SystemClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime time = t.time();
    return civilToSeconds({{d.year(), d.month(), d.day()}, time.hour(), time.minute(), time.second()});
}

} // namespace kalvor::platform
