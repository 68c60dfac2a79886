#pragma once

#include "window/Clock.h"

#include <memory>

// The reference the shipped clock is measured against: a wait that spins,
// yielding and reading the tick over and over until the deadline.
class BusyWaitClock : public Clock {
public:
    explicit BusyWaitClock(std::shared_ptr<Clock> shipped) : shipped(std::move(shipped)) {}

    std::int32_t tickCount() override { return shipped->tickCount(); }
    void doEvents() override { shipped->doEvents(); }
    void waitForEvents(std::int32_t deadline) override
    {
        do {
            shipped->doEvents();
        } while (!tickReached(shipped->tickCount(), deadline));
    }
    void beginPreciseTiming() override { shipped->beginPreciseTiming(); }
    void endPreciseTiming() override { shipped->endPreciseTiming(); }

private:
    std::shared_ptr<Clock> shipped;
};
