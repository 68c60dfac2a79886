#include "window/QtClock.h"

#include <QCoreApplication>

void QtClock::waitForEvents(std::int32_t deadline)
{
    const std::int32_t remaining = millisecondsUntil(deadline);
    if (remaining <= 0) {
        doEvents();
        return;
    }
    // One pass of the event loop: it handles what is pending, or else sleeps
    // until the timer's deadline or an event, whichever comes first.
    wakeUp.start(remaining);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wakeUp.stop();
}
