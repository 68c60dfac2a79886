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
        const std::int32_t length = deadline - lastTick;
        pauses.push_back({length, kindOf ? kindOf(length) : YieldKind::LaterPass, lastTickAt});
        if (onPause) onPause();
    }
    shipped->waitForEvents(deadline);
}
