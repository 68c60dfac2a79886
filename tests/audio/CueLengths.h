#pragma once

#include <array>
#include <chrono>

// The six cues' lengths, cue 1 first: sample data / bytes per second.
inline constexpr std::array<std::chrono::microseconds, 6> kCueLengths{
    std::chrono::microseconds(230793), std::chrono::microseconds(497551), std::chrono::microseconds(1564444),
    std::chrono::microseconds(975238), std::chrono::microseconds(780861), std::chrono::microseconds(1123216),
};
