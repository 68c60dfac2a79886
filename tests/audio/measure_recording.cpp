// Finds the sounds in a recording of the sink's monitor (raw 16-bit mono)
// and checks each against its expected length.
//
//   measure_recording [--tolerance SHORT_MS LONG_MS] FILE RATE LENGTH_MS...
#include "support/SoundsInRecording.h"

#include <QFile>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A sound may measure a little short, for its quiet fade, and somewhat long.
// Each cue is followed at once by a sound that cuts it off, so a play that
// returned before the device had played the cue out measures some 20 ms
// short: more than allowed here. A sound path that starts its sounds later
// than a sound server does (Wine's) is given its own tolerance.
constexpr double kShortByAtMostMs = 12.0;
constexpr double kLongByAtMostMs = 30.0;

} // namespace

int main(int argc, char* argv[])
{
    double shortByAtMostMs = kShortByAtMostMs;
    double longByAtMostMs = kLongByAtMostMs;
    if (argc > 3 && std::strcmp(argv[1], "--tolerance") == 0) {
        shortByAtMostMs = std::atof(argv[2]);
        longByAtMostMs = std::atof(argv[3]);
        argc -= 3;
        argv += 3;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: measure_recording [--tolerance SHORT_MS LONG_MS] FILE RATE LENGTH_MS...\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "measure_recording: cannot read %s\n", argv[1]);
        return 2;
    }
    const QByteArray raw = file.readAll();
    const int rate = std::atoi(argv[2]);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(raw.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = qFromLittleEndian<qint16>(raw.constData() + 2 * i);
    std::printf("recorded %.3f s\n", static_cast<double>(samples.size()) / rate);

    const std::vector<SoundsInRecording::Sound> sounds = SoundsInRecording::find(samples, rate);
    const auto expected = static_cast<std::size_t>(argc - 3);
    bool good = sounds.size() == expected;
    if (!good) std::printf("found %zu sounds, expected %zu\n", sounds.size(), expected);
    for (std::size_t k = 0; k < sounds.size(); ++k) {
        const double measured = 1000.0 * static_cast<double>(sounds[k].last - sounds[k].first + 1) / rate;
        const double length = k < expected ? std::atof(argv[3 + k]) : 0.0;
        const bool fits = measured >= length - shortByAtMostMs && measured <= length + longByAtMostMs &&
                          sounds[k].peak >= SoundsInRecording::kAudiblePeak;
        std::printf("sound %zu: measured %.1f ms, cue length %.1f ms, peak %d, at %.3f s%s\n", k + 1, measured, length,
                    sounds[k].peak, static_cast<double>(sounds[k].first) / rate, fits ? "" : "  <-- does not fit");
        good = good && fits;
    }
    return good ? 0 : 1;
}
