#include "platform/qt/qt_event_pump.h"

#include <QEventLoop>
#include <QTimer>

void QtEventPump::Pump(bool allowInput, double maxWaitSeconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(maxWaitSeconds * 1000.0 + 0.5), &loop, &QEventLoop::quit);
    loop.exec(allowInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}
