#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The sounds in a recording of a sink's monitor (16-bit mono samples): each
// stretch above a faint threshold, quieter gaps shorter than a join belonging
// to the sound around them.
namespace SoundsInRecording {

// Samples above this level (about -54 dBFS) count as sound.
inline constexpr int kThreshold = 64;
// Quieter stretches shorter than this belong to the sound around them.
inline constexpr double kJoinSeconds = 0.12;
// A sound that arrived peaks well above the threshold.
inline constexpr int kAudiblePeak = 1000;

struct Sound {
    std::ptrdiff_t first;  // sample index of the first and last sample above the threshold
    std::ptrdiff_t last;
    int peak;
};

inline std::vector<Sound> find(const std::vector<std::int16_t>& samples, int rate)
{
    std::vector<Sound> sounds;
    const auto join = static_cast<std::ptrdiff_t>(kJoinSeconds * rate);
    for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(samples.size()); ++i) {
        const int level = std::abs(static_cast<int>(samples[static_cast<std::size_t>(i)]));
        if (level <= kThreshold) continue;
        if (sounds.empty() || i - sounds.back().last > join) sounds.push_back({i, i, 0});
        sounds.back().last = i;
        sounds.back().peak = std::max(sounds.back().peak, level);
    }
    return sounds;
}

} // namespace SoundsInRecording
