#include "PauseRecorder.h"

PauseRecorder::PauseRecorder(std::shared_ptr<Clock> shippedClock) : shipped(std::move(shippedClock)) {}

std::int32_t PauseRecorder::tickCount()
{
    lastTick = shipped->tickCount();
    lastTickAt = std::chrono::steady_clock::now();
    return lastTick;
}

void PauseRecorder::doEvents() { shipped->doEvents(); }

void PauseRecorder::waitForEvents(std::int32_t deadline)
{
    if (pauseDeadline != deadline) {
        pauseDeadline = deadline;
        pauses.push_back({deadline - lastTick, pieceFalling && pieceFalling(), lastTickAt});
        if (onPause) onPause();
    }
    shipped->waitForEvents(deadline);
}
