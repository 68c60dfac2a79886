#include "support/VirtualPlaybackTimer.h"

namespace {

constexpr std::chrono::microseconds::rep kMicrosecondsPerTick = 1000;

} // namespace

std::chrono::microseconds VirtualPlaybackTimer::now() { return std::chrono::microseconds(clock->now * kMicrosecondsPerTick); }

void VirtualPlaybackTimer::sleepUntil(std::chrono::microseconds time)
{
    const auto tick = static_cast<std::int32_t>((time.count() + kMicrosecondsPerTick - 1) / kMicrosecondsPerTick);
    if (tick > clock->now) clock->now = tick;
}
