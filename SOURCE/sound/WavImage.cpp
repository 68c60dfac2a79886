#include "sound/WavImage.h"

#include <cstring>

namespace {

constexpr std::size_t kRiffHeaderSize = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeaderSize = 8;  // id, size
constexpr std::size_t kRiffSizeCounted = 8;  // the RIFF size leaves out its own id and size
constexpr std::uint32_t kPlainFormatSize = 16;
constexpr std::uint32_t kExtendedFormatSize = 18;  // plus a 16-bit extra size, which PCM leaves at 0
constexpr std::uint16_t kPcmFormatTag = 1;
constexpr int kBitsPerByte = 8;
// The rates the platform's player takes; an image outside them it would not
// play, and held for frames / rate it could freeze the game for hours.
constexpr std::uint32_t kMinPlayableRate = 1000;
constexpr std::uint32_t kMaxPlayableRate = 384000;

std::uint16_t u16(std::span<const std::byte> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      std::to_integer<unsigned>(bytes[at + 1]) << 8);
}

std::uint32_t u32(std::span<const std::byte> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(u16(bytes, at)) | static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16;
}

bool hasId(std::span<const std::byte> bytes, std::size_t at, const char (&id)[5])
{
    return std::memcmp(bytes.data() + at, id, 4) == 0;
}

// Fills the format fields from a "fmt " chunk's body; false for a format
// that is not plain PCM in one of the played shapes.
bool readFormat(std::span<const std::byte> body, PcmSound& sound)
{
    if (body.size() != kPlainFormatSize && body.size() != kExtendedFormatSize) return false;
    if (u16(body, 0) != kPcmFormatTag) return false;
    sound.channels = u16(body, 2);
    sound.sampleRate = u32(body, 4);
    const std::uint32_t bytesPerSecond = u32(body, 8);
    sound.blockAlign = u16(body, 12);
    sound.bitsPerSample = u16(body, 14);
    if (sound.channels != 1 && sound.channels != 2) return false;
    if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) return false;
    if (sound.sampleRate < kMinPlayableRate || sound.sampleRate > kMaxPlayableRate) return false;
    if (sound.blockAlign != sound.channels * sound.bitsPerSample / kBitsPerByte) return false;
    return static_cast<std::uint64_t>(bytesPerSecond) == static_cast<std::uint64_t>(sound.sampleRate) * sound.blockAlign;
}

} // namespace

std::chrono::microseconds PcmSound::duration() const
{
    using std::chrono::microseconds;
    const auto perSecond = static_cast<std::uint64_t>(std::chrono::duration_cast<microseconds>(std::chrono::seconds(1)).count());
    return microseconds(static_cast<microseconds::rep>(frames() * perSecond / sampleRate));
}

std::optional<PcmSound> parseWavImage(std::span<const std::byte> image)
{
    if (image.size() < kRiffHeaderSize || !hasId(image, 0, "RIFF") || !hasId(image, 8, "WAVE")) return std::nullopt;
    const std::uint64_t riffEnd = static_cast<std::uint64_t>(u32(image, 4)) + kRiffSizeCounted;
    if (riffEnd > image.size() || riffEnd < kRiffHeaderSize) return std::nullopt;
    const std::span<const std::byte> riff = image.first(static_cast<std::size_t>(riffEnd));

    PcmSound sound;
    bool haveFormat = false;
    std::optional<std::span<const std::byte>> data;
    std::size_t at = kRiffHeaderSize;
    while (riff.size() - at >= kChunkHeaderSize) {
        const std::uint32_t size = u32(riff, at + 4);
        if (size > riff.size() - at - kChunkHeaderSize) return std::nullopt;
        const std::span<const std::byte> body = riff.subspan(at + kChunkHeaderSize, size);
        if (hasId(riff, at, "fmt ")) {
            if (haveFormat || !readFormat(body, sound)) return std::nullopt;
            haveFormat = true;
        } else if (hasId(riff, at, "data")) {
            if (data) return std::nullopt;
            data = body;
        }
        // An odd-sized chunk is followed by a pad byte, which a last chunk may leave out.
        at += kChunkHeaderSize + size + (size & 1U);
        if (at > riff.size()) break;
    }
    if (!haveFormat || !data) return std::nullopt;
    sound.samples = data->first(data->size() / sound.blockAlign * sound.blockAlign);
    sound.image = riff;
    return sound;
}
