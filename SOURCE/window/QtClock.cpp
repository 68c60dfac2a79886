#include "window/QtClock.h"

#include "window/TimerPrecision.h"

#include <QCoreApplication>
#include <QTimer>

QtClock::QtClock() { elapsed.start(); }

std::int32_t QtClock::tickCount()
{
    // Truncating to 32 bits wraps like the platform tick; comparisons use tickReached.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed.elapsed()));
}

void QtClock::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtClock::waitForEvents(std::int32_t deadline)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const auto remaining = static_cast<std::int32_t>(static_cast<std::uint32_t>(deadline) -
                                                    static_cast<std::uint32_t>(tickCount()));
    if (remaining <= 0) return;
    // The timer wakes the event loop at the deadline; any window event wakes it sooner.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.start(remaining);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Qt's precise timers and the sound holds sleep on the system's timers.
void QtClock::beginPreciseTiming() { requestMillisecondTimers(); }
void QtClock::endPreciseTiming() { releaseMillisecondTimers(); }
