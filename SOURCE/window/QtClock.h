#pragma once

#include "window/Clock.h"

#include <QElapsedTimer>
#include <QTimer>

// The tick from a monotonic clock and the yield through Qt's event loop. How
// a wait sleeps is the platform's: in the event loop on the desktop
// (EventLoopClockWait.cpp), in the browser on the page's timer
// (BrowserClockWait.cpp).
class QtClock : public Clock {
public:
    QtClock();

    std::int32_t tickCount() override;
    void doEvents() override;
    void waitForEvents(std::int32_t deadline) override;
    void beginPreciseTiming() override;
    void endPreciseTiming() override;

private:
    std::int32_t millisecondsUntil(std::int32_t deadline);

    QElapsedTimer elapsed;
    QTimer wakeUp;  // wakes the desktop's event loop at a wait's deadline
};
