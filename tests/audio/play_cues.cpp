// Plays the six cues through the real window and the real sound service, as
// the game does, and says how long each synchronous play held the thread:
// for its length, within kToleranceUs, or it fails.
// After each cue a silent sound is started at once: had the cue still been
// playing, it would be cut off there, and the recording would show it short.
// The silence ends well before the next cue, so that each hold is the cue's
// own: winmm under Wine plays a sound up to 200 ms late and takes up to 90 ms
// to stop one still playing, and that stop counts in the call that makes it.
#include "audio/CueLengths.h"
#include "sound/SoundService.h"
#include "support/LittleEndian.h"
#include "window/Form1.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>

#include <cstdio>
#include <thread>

namespace {

constexpr int kGapMs = 700;
constexpr int kSilenceMs = 200;
constexpr qint64 kToleranceUs = 50'000;
constexpr int kRate = 8000;

// Digital silence, 16-bit mono, shorter than the gap between cues.
QByteArray silence()
{
    const QByteArray samples(kRate * 2 * kSilenceMs / 1000, '\0');
    const QByteArray format = le(1, 2) + le(1, 2) + le(kRate, 4) + le(kRate * 2, 4) + le(2, 2) + le(16, 2);
    const QByteArray chunks = "WAVE" + QByteArray("fmt ") + le(16, 4) + format + "data" + le(static_cast<quint32>(samples.size()), 4) + samples;
    return "RIFF" + le(static_cast<quint32>(chunks.size()), 4) + chunks;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    const std::shared_ptr<SoundService> service = SoundService::shared();
    const QByteArray gap = silence();
    const auto gapBytes = std::as_bytes(std::span(gap.constData(), static_cast<std::size_t>(gap.size())));
    constexpr SoundFlags kCutAndGoOn = Snd::kAsync | Snd::kNoDefault | Snd::kMemory;

    Form1 form(makeQtPlatform());
    form.Form_Load();
    bool good = true;
    service->play(gapBytes, kCutAndGoOn);
    std::this_thread::sleep_for(std::chrono::milliseconds(kGapMs));
    for (int cue = 1; cue <= 6; ++cue) {
        QElapsedTimer held;
        held.start();
        form.PlayCue(static_cast<Integer>(cue));
        const qint64 heldUs = held.nsecsElapsed() / 1000;
        service->play(gapBytes, kCutAndGoOn);
        const qint64 lengthUs = kCueLengths[static_cast<std::size_t>(cue - 1)].count();
        std::printf("cue %d: PlayCue returned after %.1f ms (cue %.1f ms)\n", cue, heldUs / 1000.0, lengthUs / 1000.0);
        if (heldUs < lengthUs || heldUs > lengthUs + kToleranceUs) good = false;
        std::this_thread::sleep_for(std::chrono::milliseconds(kGapMs));
    }
    service->stop();
    // In a page the program runs on after main returns: its runner reads the status here.
    std::printf("exit status %d\n", good ? 0 : 1);
    return good ? 0 : 1;
}
