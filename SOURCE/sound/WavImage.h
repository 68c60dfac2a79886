#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The playable content of a RIFF/WAVE image: uncompressed PCM, 8-bit
// unsigned or 16-bit signed little-endian, mono or stereo, at 1,000 to
// 384,000 Hz. The samples are a view into the image, never a copy.
struct PcmSound {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t blockAlign = 0;
    std::span<const std::byte> samples;  // whole frames only
    // The RIFF image the samples lie in, as far as its size field reaches:
    // what a platform player that reads WAVE images itself is handed.
    std::span<const std::byte> image;

    std::size_t frames() const { return samples.size() / blockAlign; }
    std::chrono::microseconds duration() const;
};

// Reads the image's "fmt " and "data" chunks, wherever they lie among the
// others, and checks every size against the image. Returns nothing for an
// image that cannot be played as it is.
std::optional<PcmSound> parseWavImage(std::span<const std::byte> image);
