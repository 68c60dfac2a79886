#pragma once

#include "window/Clock.h"

#include <QElapsedTimer>
#include <QTimer>

// The tick from a monotonic clock and the yield through Qt's event loop.
class QtClock : public Clock {
public:
    QtClock();

    std::int32_t tickCount() override;
    void doEvents() override;
    void waitForEvents(std::int32_t deadline) override;
    void beginPreciseTiming() override;
    void endPreciseTiming() override;

private:
    QElapsedTimer elapsed;
    QTimer wakeUp;
};
