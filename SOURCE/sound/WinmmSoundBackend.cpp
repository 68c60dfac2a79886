#include "sound/WinmmSoundBackend.h"

#include "sound/SteadyPlaybackTimer.h"
#include "sound/SystemSoundBackend.h"

#include <algorithm>

#include <windows.h>

#include <mmsystem.h>

namespace {

constexpr DWORD kImageInMemory = SND_MEMORY | SND_NODEFAULT;
// How often a stop asks winmm again while the player has not yet begun its
// sound: a sound begun after the first ask must not play on.
constexpr std::chrono::milliseconds kStopRetry{2};

// Ends whatever winmm plays in this process and waits until it has.
void stopAnySound() { PlaySoundA(nullptr, nullptr, 0); }

} // namespace

std::unique_ptr<SoundBackend> makeSystemSoundBackend() { return std::make_unique<WinmmSoundBackend>(); }
std::unique_ptr<PlaybackTimer> makeSystemPlaybackTimer() { return std::make_unique<SteadyPlaybackTimer>(); }

WinmmSoundBackend::~WinmmSoundBackend() { stop(); }

void WinmmSoundBackend::start(const PcmSound& sound, bool loop)
{
    stop();
    if (loop) {
        looping = PlaySoundA(static_cast<LPCSTR>(keptForLooping(sound.image)), nullptr,
                             kImageInMemory | SND_ASYNC | SND_LOOP) != FALSE;
        return;
    }
    // A sound that ends is read only until its synchronous call returns, which the stop waits for.
    const void* image = sound.image.data();
    {
        const std::lock_guard lock(mutex);
        cancelled = false;
        playedOut = false;
    }
    player = std::thread([this, image] { play(image); });
}

const void* WinmmSoundBackend::keptForLooping(std::span<const std::byte> image)
{
    for (const std::vector<std::byte>& kept : loopImages) {
        if (std::ranges::equal(kept, image)) return kept.data();
    }
    return loopImages.emplace_back(image.begin(), image.end()).data();
}

void WinmmSoundBackend::play(const void* image)
{
    std::unique_lock lock(mutex);
    if (!cancelled) {
        // Unlocked while it plays: a stop takes the lock to cancel the sound.
        lock.unlock();
        PlaySoundA(static_cast<LPCSTR>(image), nullptr, kImageInMemory | SND_SYNC);
        lock.lock();
    }
    playedOut = true;
    lock.unlock();
    changed.notify_all();
}

void WinmmSoundBackend::stop()
{
    if (looping) {
        stopAnySound();
        looping = false;
    }
    if (!player.joinable()) return;
    std::unique_lock lock(mutex);
    cancelled = true;
    while (!playedOut) {
        lock.unlock();
        stopAnySound();
        lock.lock();
        changed.wait_for(lock, kStopRetry, [this] { return playedOut; });
    }
    lock.unlock();
    // From here on winmm reads nothing of the image.
    player.join();
}

void WinmmSoundBackend::drain(std::chrono::microseconds limit)
{
    if (!player.joinable()) return;
    std::unique_lock lock(mutex);
    changed.wait_for(lock, limit, [this] { return playedOut; });
}
