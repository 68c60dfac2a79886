#include "sound/PlaybackSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

PlaybackSource::PlaybackSource(std::span<const std::byte> sound, bool looping) : samples(sound), loop(looping) {}

std::size_t PlaybackSource::read(std::byte* to, std::size_t size)
{
    const std::lock_guard lock(mutex);
    std::size_t copied = 0;
    while (copied < size && !samples.empty()) {
        if (position == samples.size()) {
            if (!loop) break;
            position = 0;
        }
        const std::size_t part = std::min(size - copied, samples.size() - position);
        std::memcpy(to + copied, samples.data() + position, part);
        copied += part;
        position += part;
    }
    return copied;
}

std::size_t PlaybackSource::remaining() const
{
    const std::lock_guard lock(mutex);
    if (samples.empty()) return 0;
    return loop ? std::numeric_limits<std::size_t>::max() : samples.size() - position;
}

void PlaybackSource::detach()
{
    const std::lock_guard lock(mutex);
    samples = {};
}

void PlaybackSource::markPlayedOut()
{
    {
        const std::lock_guard lock(mutex);
        playedOut = true;
    }
    changed.notify_all();
}

bool PlaybackSource::waitPlayedOut(std::chrono::microseconds limit)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, limit, [this] { return playedOut; });
}
