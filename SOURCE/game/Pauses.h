#pragma once

#include <cstdint>

// The game loop's pauses and the moves between them, in one place for the
// game, its tests and its benchmark.
namespace Pauses {

// A fall step moves the piece down this many units, then pauses 24 - level ms.
inline constexpr int kFallPerStep = 4;
inline constexpr int kStepBeforeLevel = 24;
constexpr std::int32_t fallStepMs(int level) { return kStepBeforeLevel - level; }

// A landing's first settle pass pauses this long (its cue plays inside it).
inline constexpr std::int32_t kFirstPassPauseMs = 250;

// A collapse moves the cells above each removed one down in frames.
inline constexpr int kCollapseFrames = 17;
inline constexpr std::int32_t kFramePauseMs = 14;

} // namespace Pauses
