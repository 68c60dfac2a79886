#include "window/TimerPrecision.h"

// Linux's high-resolution timers wake within microseconds of their time, and
// a browser's within a millisecond: there is nothing to ask for.
void requestMillisecondTimers() {}
void releaseMillisecondTimers() {}
