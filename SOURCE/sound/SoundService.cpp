#include "sound/SoundService.h"

#include "sound/SystemSoundBackend.h"

namespace {

// A looping sound has no end of its own.
constexpr auto kForever = std::chrono::microseconds::max();
// How long a synchronous sound waits past its length for the server (or
// winmm's device) to play it out. The game's pause is the sound's length: one
// later than this (a busy machine, a device opened at the first sound)
// finishes the sound on its own, and the next sound cuts off whatever is left
// of it.
constexpr std::chrono::microseconds kLateServerLimit = std::chrono::milliseconds(20);

} // namespace

SoundService::SoundService(std::unique_ptr<SoundBackend> soundBackend, std::unique_ptr<PlaybackTimer> playbackTimer)
    : backend(std::move(soundBackend)), timer(std::move(playbackTimer))
{
}

SoundService::~SoundService() { stop(); }

bool SoundService::playing() { return soundEnd && timer->now() < *soundEnd; }

void SoundService::play(std::span<const std::byte> image, SoundFlags flags)
{
    if ((flags & Snd::kNoStop) && playing()) return;
    stop();
    const std::optional<PcmSound> sound = parseWavImage(image);
    if (!sound) return;
    const bool async = (flags & Snd::kAsync) != 0;
    const bool loop = async && (flags & Snd::kLoop) != 0;
    const std::chrono::microseconds start = timer->now();
    backend->start(*sound, loop);
    backendHolds = true;
    soundEnd = loop ? kForever : start + sound->duration();
    if (async) return;
    timer->sleepUntil(*soundEnd);
    backend->drain(kLateServerLimit);
    soundEnd.reset();
}

void SoundService::stop()
{
    soundEnd.reset();
    if (!backendHolds) return;
    backend->stop();
    backendHolds = false;
}

std::shared_ptr<SoundService> SoundService::shared()
{
    // Only the window's thread asks, so no lock is needed.
    static std::weak_ptr<SoundService> instance;
    std::shared_ptr<SoundService> service = instance.lock();
    if (!service) {
        service = std::make_shared<SoundService>(makeSystemSoundBackend(), makeSystemPlaybackTimer());
        instance = service;
    }
    return service;
}
