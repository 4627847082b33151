#include "platform/QtBasics.h"

#include <QCoreApplication>
#include <QThread>

namespace vx::platform {

void QtClock::SleepMs(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

void QtEventPump::ProcessEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventPump::WaitForEvents() {
    // Sleeps in the event loop until something happens: no busy spinning.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QtWatchdog::QtWatchdog(int intervalMs) {
    timer_.setInterval(intervalMs);
    // Stopped before the handler runs: the handler shows a modal box, and the timer must
    // not fire again behind it.
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        timer_.stop();
        if (handler_) handler_();
    });
}

QtOneShotTimer::QtOneShotTimer() {
    timer_.setSingleShot(true);
    // A coarse timer may fire a little early; a row's dwell is never cut short.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (handler_) handler_();
    });
}

}  // namespace vx::platform
