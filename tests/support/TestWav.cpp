#include "support/TestWav.h"
#include "support/LittleEndian.h"

namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kBytesPerFrame = 2;

} // namespace

QByteArray testWav(int milliseconds, int sampleRate, qint16 value)
{
    const int frames = sampleRate * milliseconds / kMillisecondsPerSecond;
    QByteArray samples;
    for (int i = 0; i < frames; ++i) samples += le(static_cast<quint16>(value), kBytesPerFrame);
    const QByteArray format = le(1, 2) + le(1, 2) + le(static_cast<quint32>(sampleRate), 4) +
                              le(static_cast<quint32>(sampleRate * kBytesPerFrame), 4) + le(kBytesPerFrame, 2) + le(16, 2);
    const QByteArray chunks = "WAVE" + QByteArray("fmt ") + le(16, 4) + format + "data" +
                              le(static_cast<quint32>(samples.size()), 4) + samples;
    return "RIFF" + le(static_cast<quint32>(chunks.size()), 4) + chunks;
}

std::span<const std::byte> bytesOf(const QByteArray& image)
{
    return std::as_bytes(std::span(image.constData(), static_cast<std::size_t>(image.size())));
}
