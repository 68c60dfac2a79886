#include "window/TimerPrecision.h"

#include <windows.h>

#include <timeapi.h>

namespace {

constexpr UINT kMillisecond = 1;

} // namespace

// Windows keeps the finest period asked for until it is given back, and
// before Windows 10 2004 it kept it for the whole system, costing every
// program power: so the game gives it back as soon as it ends.
void requestMillisecondTimers() { timeBeginPeriod(kMillisecond); }
void releaseMillisecondTimers() { timeEndPeriod(kMillisecond); }
