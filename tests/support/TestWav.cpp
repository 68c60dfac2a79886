#include "support/TestWav.h"
#include "support/LittleEndian.h"

namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kBitsPerByte = 8;
constexpr int kPcmFormatTag = 1;

QByteArray pcmWav(int channels, int sampleRate, int bitsPerSample, const QByteArray& samples)
{
    const int blockAlign = channels * bitsPerSample / kBitsPerByte;
    const QByteArray format = le16(kPcmFormatTag) + le16(channels) + le32(sampleRate) +
                              le32(qint64(sampleRate) * blockAlign) + le16(blockAlign) + le16(bitsPerSample);
    const QByteArray chunks = "WAVE" + QByteArray("fmt ") + le32(format.size()) + format + "data" +
                              le32(samples.size()) + samples;
    return "RIFF" + le32(chunks.size()) + chunks;
}

} // namespace

QByteArray testWav(int milliseconds, int sampleRate, qint16 value)
{
    const int frames = sampleRate * milliseconds / kMillisecondsPerSecond;
    return pcmWav(1, sampleRate, 16, le(static_cast<quint16>(value), 2).repeated(frames));
}

QByteArray testWavOfShape(int channels, int sampleRate, int bitsPerSample, int frames)
{
    return pcmWav(channels, sampleRate, bitsPerSample, QByteArray(qsizetype(frames) * channels * bitsPerSample / kBitsPerByte, '\0'));
}

std::span<const std::byte> bytesOf(const QByteArray& image)
{
    return std::as_bytes(std::span(image.constData(), static_cast<std::size_t>(image.size())));
}
