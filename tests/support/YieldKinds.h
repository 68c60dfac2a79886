#pragma once

#include "window/Form1.h"

// What the game loop is doing at one of its yields, told apart by the length
// of the pause it yields in and whether a piece is falling.
enum class YieldKind { FallStep, FirstPassPause, CollapseFrame, LaterPass };

YieldKind yieldKindOf(const Form1& form, std::int32_t pauseLength);
// A piece's first fall step, the one that brings it onto the board.
bool isFirstFallStep(const Form1& form, std::int32_t pauseLength);
const char* nameOf(YieldKind kind);
