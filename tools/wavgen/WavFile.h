#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One text of a "LIST"/"INFO" chunk, such as "IGNR" (genre) or "ISFT" (software).
struct InfoItem {
    std::string id;
    std::string text;
};

// The shape of a RIFF/WAVE file: its PCM format and which chunks it has.
// Chunks come in the order "fmt ", "fact", "data", "LIST".
struct WavLayout {
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 22050;
    std::uint16_t bitsPerSample = 16;
    bool extendedFormat = false;  // an 18-byte "fmt " whose extra size is 0
    bool fact = false;            // a "fact" chunk with the count of sample frames
    std::vector<InfoItem> info;   // a "LIST" chunk of type "INFO" when not empty

    std::uint16_t blockAlign() const { return static_cast<std::uint16_t>(channels * bitsPerSample / 8); }
};

// Samples in [-1, 1], one vector per channel, as interleaved PCM: 8-bit
// unsigned or 16-bit signed little-endian.
std::vector<std::uint8_t> pcmBytes(const WavLayout& layout, const std::vector<std::vector<double>>& channels);

// The whole file: header, chunks (odd sizes padded) and sample data.
std::vector<std::uint8_t> wavImage(const WavLayout& layout, const std::vector<std::uint8_t>& sampleData);
