#pragma once

#include "window/Form1.h"

template <typename StopRule>
void Form1::YieldingPause(std::int32_t length, StopRule stopWaiting)
{
    Clock& clock = *platform.clock;
    const std::int32_t deadline = tickAfter(waitStart, length);
    do {
        // Once the pause is to end anyway, one plain yield is all it owes.
        if (stopWaiting())
            clock.doEvents();
        else
            clock.waitForEvents(deadline);
    } while (!stopWaiting() && !tickReached(clock.tickCount(), deadline));
}
