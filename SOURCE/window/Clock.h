#pragma once

#include <cstdint>

// The millisecond tick and the yield to pending window events: the only way
// the game learns the time or lets the window system run.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since some start, as a signed 32-bit count that may wrap.
    virtual std::int32_t tickCount() = 0;
    // Handles every pending window event, then returns at once.
    virtual void doEvents() = 0;
    // Handles pending window events; when there are none, sleeps until the
    // next event arrives or the tick reaches deadline, whichever comes first.
    virtual void waitForEvents(std::int32_t deadline) = 0;
};

// True once tick has reached deadline, also across a wrap of the count.
inline bool tickReached(std::int32_t tick, std::int32_t deadline)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(tick) - static_cast<std::uint32_t>(deadline)) >= 0;
}

// deadline = start + length in the tick's wrapping arithmetic.
inline std::int32_t tickAfter(std::int32_t start, std::int32_t length)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(start) + static_cast<std::uint32_t>(length));
}
