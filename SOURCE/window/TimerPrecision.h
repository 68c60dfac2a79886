#pragma once

// Asks the system for timers that wake within a millisecond, and gives the
// request back: the game's pauses (13 to 23 ms a fall step) and its cue
// holds are shorter than some systems' default timer tick. Requests nest.
// The platform's file defines them: on Windows, whose tick is 15.6 ms,
// WinmmTimerPrecision.cpp; on Linux and in a browser, whose timers are that
// precise anyway, PosixTimerPrecision.cpp.
void requestMillisecondTimers();
void releaseMillisecondTimers();
