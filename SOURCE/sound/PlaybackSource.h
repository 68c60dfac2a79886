#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <span>

// One sound's samples as the output reads them on its own thread, and the
// news that it has played out. The window's thread may take the samples away
// at any time; from then on the output reads nothing.
class PlaybackSource {
public:
    PlaybackSource(std::span<const std::byte> samples, bool loop);

    // Copies up to size bytes from where the last read ended, starting over
    // at the end when looping. Returns how many; 0 once over or detached.
    std::size_t read(std::byte* to, std::size_t size);
    // Bytes still to come; a looping sound never runs out.
    std::size_t remaining() const;
    void detach();

    void markPlayedOut();
    // True when the sound played out within limit.
    bool waitPlayedOut(std::chrono::microseconds limit);

private:
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::span<const std::byte> samples;
    std::size_t position = 0;
    bool loop;
    bool playedOut = false;
};
