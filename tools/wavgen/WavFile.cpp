#include "WavFile.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

constexpr double kFull16 = 32767.0;
constexpr double kFull8 = 127.0;
constexpr int kMid8 = 128;
constexpr std::uint16_t kPcmFormatTag = 1;

class Bytes {
public:
    void u16(std::uint32_t value)
    {
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
        out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    void u32(std::uint32_t value)
    {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void id(const std::string& fourCc)
    {
        assert(fourCc.size() == 4);
        out.insert(out.end(), fourCc.begin(), fourCc.end());
    }
    void append(const std::vector<std::uint8_t>& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }
    void chunk(const std::string& fourCc, const std::vector<std::uint8_t>& body)
    {
        id(fourCc);
        u32(static_cast<std::uint32_t>(body.size()));
        append(body);
        if (body.size() % 2 == 1) out.push_back(0);
    }

    std::vector<std::uint8_t> out;
};

long quantise(double sample, double full)
{
    return static_cast<long>(std::floor(sample * full + 0.5));
}

std::vector<std::uint8_t> infoList(const std::vector<InfoItem>& items)
{
    Bytes list;
    list.id("INFO");
    for (const InfoItem& item : items) {
        std::vector<std::uint8_t> text(item.text.begin(), item.text.end());
        text.push_back(0);  // the texts end with a zero byte
        list.chunk(item.id, text);
    }
    return list.out;
}

} // namespace

std::vector<std::uint8_t> pcmBytes(const WavLayout& layout, const std::vector<std::vector<double>>& channels)
{
    assert(channels.size() == layout.channels);
    std::vector<std::uint8_t> bytes;
    const std::size_t frames = channels.front().size();
    for (std::size_t i = 0; i < frames; ++i) {
        for (const std::vector<double>& channel : channels) {
            if (layout.bitsPerSample == 8) {
                const long value = std::clamp(quantise(channel[i], kFull8) + kMid8, 0L, 255L);
                bytes.push_back(static_cast<std::uint8_t>(value));
            } else {
                const long value = std::clamp(quantise(channel[i], kFull16), -32768L, 32767L);
                const auto word = static_cast<std::uint16_t>(value);
                bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
                bytes.push_back(static_cast<std::uint8_t>(word >> 8));
            }
        }
    }
    return bytes;
}

std::vector<std::uint8_t> wavImage(const WavLayout& layout, const std::vector<std::uint8_t>& sampleData)
{
    Bytes format;
    format.u16(kPcmFormatTag);
    format.u16(layout.channels);
    format.u32(layout.sampleRate);
    format.u32(layout.sampleRate * layout.blockAlign());
    format.u16(layout.blockAlign());
    format.u16(layout.bitsPerSample);
    if (layout.extendedFormat) format.u16(0);

    Bytes body;
    body.id("WAVE");
    body.chunk("fmt ", format.out);
    if (layout.fact) {
        Bytes fact;
        fact.u32(static_cast<std::uint32_t>(sampleData.size() / layout.blockAlign()));
        body.chunk("fact", fact.out);
    }
    body.chunk("data", sampleData);
    if (!layout.info.empty()) body.chunk("LIST", infoList(layout.info));

    Bytes file;
    file.id("RIFF");
    file.u32(static_cast<std::uint32_t>(body.out.size()));
    file.append(body.out);
    return file.out;
}
