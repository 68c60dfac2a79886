#pragma once

#include <QByteArray>

#include <cstddef>
#include <span>

// Small WAV images for tests: 16-bit mono PCM of the given length, every
// sample the same value (0 is silence).
QByteArray testWav(int milliseconds, int sampleRate = 8000, qint16 value = 0);
// Where testWav's samples start: after the RIFF, "fmt " and "data" headers.
constexpr qsizetype kTestWavSamplesAt = 44;

// A PCM image of silent frames in any shape, also ones that no player takes.
QByteArray testWavOfShape(int channels, int sampleRate, int bitsPerSample, int frames);

// The bytes of an image, in place.
std::span<const std::byte> bytesOf(const QByteArray& image);
