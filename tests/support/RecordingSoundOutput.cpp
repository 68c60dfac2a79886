#include "support/RecordingSoundOutput.h"

#include "support/VirtualPlaybackTimer.h"

RecordingSoundOutput::RecordingSoundOutput(std::shared_ptr<VirtualClock> virtualClock)
    : RecordingSoundOutput(virtualClock, std::make_unique<RecordingBackend>(virtualClock))
{
}

RecordingSoundOutput::RecordingSoundOutput(std::shared_ptr<VirtualClock> virtualClock,
                                           std::unique_ptr<RecordingBackend> recording)
    : clock(std::move(virtualClock)), backend(recording.get()),
      service(std::move(recording), std::make_unique<VirtualPlaybackTimer>(clock))
{
}

void RecordingSoundOutput::play(std::span<const std::byte> image, SoundFlags flags)
{
    if (!(flags & Snd::kAsync) && clock->handlingInput())
        qFatal("input handled during a yield held the game for a cue: a browser cannot suspend inside a suspension");
    requests.push_back({image, flags, clock->now});
    service.play(image, flags);
}

void RecordingSoundOutput::stop()
{
    ++stops;
    if (service.playing()) {
        const std::span<const std::byte> samples = backend->events.back().samples;
        samplesAtStop.emplace_back(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()));
    }
    service.stop();
}
