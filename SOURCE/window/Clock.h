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
    // Held while a game runs: its waits then end within a millisecond of
    // their deadlines, also where the system's timer tick is longer than a
    // fall step. Holds nest; each begin is paired with one end.
    virtual void beginPreciseTiming() = 0;
    virtual void endPreciseTiming() = 0;
};

// Holds the clock's precise timing for as long as it lives.
class PreciseTiming {
public:
    explicit PreciseTiming(Clock& held) : clock(held) { clock.beginPreciseTiming(); }
    ~PreciseTiming() { clock.endPreciseTiming(); }
    PreciseTiming(const PreciseTiming&) = delete;
    PreciseTiming& operator=(const PreciseTiming&) = delete;

private:
    Clock& clock;
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
