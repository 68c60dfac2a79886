#include "window/QtClock.h"

#include "window/TimerPrecision.h"

#include <QCoreApplication>

QtClock::QtClock()
{
    elapsed.start();
    // The timer only wakes the event loop at a wait's deadline.
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
}

std::int32_t QtClock::tickCount()
{
    // Truncating to 32 bits wraps like the platform tick; comparisons use tickReached.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed.elapsed()));
}

void QtClock::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtClock::waitForEvents(std::int32_t deadline)
{
    const auto remaining = static_cast<std::int32_t>(static_cast<std::uint32_t>(deadline) -
                                                    static_cast<std::uint32_t>(tickCount()));
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

// Qt's precise timers and the sound holds sleep on the system's timers.
void QtClock::beginPreciseTiming() { requestMillisecondTimers(); }
void QtClock::endPreciseTiming() { releaseMillisecondTimers(); }
