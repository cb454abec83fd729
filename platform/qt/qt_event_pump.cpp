#include "platform/qt/qt_event_pump.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

void QtEventPump::Pump(bool allowInput, double maxWaitSeconds) {
    QEventLoop loop;
    // Whole milliseconds, rounded up: a wait of less than one would otherwise ask for no wait at
    // all, and the caller, its time not yet up, would ask again at once, round and round.
    const int ms = maxWaitSeconds > 0 ? static_cast<int>(std::ceil(maxWaitSeconds * 1000.0)) : 0;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(allowInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}
