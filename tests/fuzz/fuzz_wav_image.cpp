// Any bytes as a sound holder's image: the parser reads nothing outside them,
// what it accepts is a playable format (1,000 to 384,000 Hz, 8 or 16 bits,
// mono or stereo) and whole frames inside the image, and the output device
// reads exactly those samples, in its small pieces, and nothing more.
#include "sound/PlaybackSource.h"
#include "sound/WavImage.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

// About what an audio sink pulls at a time; odd, so that pieces split frames.
constexpr std::size_t kDevicePieceBytes = 4093;
constexpr std::uint32_t kMinPlayableRate = 1000;
constexpr std::uint32_t kMaxPlayableRate = 384000;

bool playable(const PcmSound& sound)
{
    return sound.sampleRate >= kMinPlayableRate && sound.sampleRate <= kMaxPlayableRate &&
           (sound.bitsPerSample == 8 || sound.bitsPerSample == 16) && (sound.channels == 1 || sound.channels == 2);
}

void playOut(std::span<const std::byte> samples)
{
    PlaybackSource source(samples, false);
    std::array<std::byte, kDevicePieceBytes> piece{};
    std::size_t played = 0;
    while (const std::size_t count = source.read(piece.data(), piece.size())) played += count;
    if (played != samples.size() || source.remaining() != 0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::byte> image = std::as_bytes(std::span(data, size));
    const std::optional<PcmSound> sound = parseWavImage(image);
    if (!sound) return 0;
    if (!playable(*sound)) std::abort();
    if (sound->samples.empty()) return 0;

    const bool inside = sound->samples.data() >= image.data()
                        && sound->samples.data() + sound->samples.size() <= image.data() + image.size();
    if (!inside || sound->samples.size() % sound->blockAlign != 0 || sound->duration().count() < 0) std::abort();
    playOut(sound->samples);
    return 0;
}
