#include "window/QtClock.h"

#include <emscripten.h>

void QtClock::waitForEvents(std::int32_t deadline)
{
    doEvents();
    // The page sleeps through the rest on a browser timer, which ends it
    // within a millisecond; Qt's own wait would resume through a zero-delay
    // timer the browser stretches to 4 ms. Input that arrives meanwhile is
    // handed to the window as it comes, as the desktop's wait handles it.
    const std::int32_t remaining = millisecondsUntil(deadline);
    if (remaining > 0) emscripten_sleep(static_cast<unsigned>(remaining));
}
