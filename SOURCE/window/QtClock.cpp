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

std::int32_t QtClock::millisecondsUntil(std::int32_t deadline)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(deadline) - static_cast<std::uint32_t>(tickCount()));
}

void QtClock::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// Qt's precise timers and the sound holds sleep on the system's timers.
void QtClock::beginPreciseTiming() { requestMillisecondTimers(); }
void QtClock::endPreciseTiming() { releaseMillisecondTimers(); }
