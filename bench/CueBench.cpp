// The six cues through the real window and the real sound service: how soon
// the device takes the first samples after PlayCue, and how much longer than
// the sound itself a synchronous cue holds the game.
#include "Benchmarks.h"

#include "Figures.h"
#include "Statistics.h"

#include "sound/QtSoundBackend.h"
#include "sound/SoundService.h"
#include "sound/SteadyPlaybackTimer.h"
#include "window/Form1.h"

#include <QCoreApplication>
#include <QThread>

namespace {

constexpr int kCues = 6;
constexpr auto kGap = std::chrono::milliseconds(300);

using Steady = std::chrono::steady_clock;

// The Qt backend, passed through, keeping the time its device first took
// samples of each sound before the service lets the sound go.
class CueTimingBackend : public SoundBackend {
public:
    void start(const PcmSound& sound, bool loop) override
    {
        duration = sound.duration();
        device.start(sound, loop);
    }
    void stop() override
    {
        if (const auto taken = device.firstSampleTaken()) firstSampleTaken = taken;
        device.stop();
    }
    void drain(std::chrono::microseconds limit) override { device.drain(limit); }

    std::chrono::microseconds duration{};
    std::optional<Steady::time_point> firstSampleTaken;

private:
    QtSoundBackend device;
};

double ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

} // namespace

void measureCues()
{
    auto backend = std::make_unique<CueTimingBackend>();
    CueTimingBackend& timing = *backend;
    Platform platform = makeQtPlatform();
    platform.sound = std::make_shared<SoundService>(std::move(backend), std::make_unique<SteadyPlaybackTimer>());
    Form1 form(std::move(platform));
    form.Form_Load();

    std::vector<double> firstSample;
    std::vector<double> extra;
    for (int cue = 1; cue <= kCues; ++cue) {
        timing.firstSampleTaken.reset();
        const auto start = Steady::now();
        form.PlayCue(static_cast<Integer>(cue));
        const auto end = Steady::now();
        if (!timing.firstSampleTaken) continue;  // no device took it: nothing to time
        firstSample.push_back(ms(*timing.firstSampleTaken - start));
        extra.push_back(ms(end - start) - ms(timing.duration));
        std::fprintf(stderr, "cue %d: first sample after %.1f ms, held %.1f ms past its %.1f ms\n", cue,
                     firstSample.back(), extra.back(), ms(timing.duration));
        QThread::msleep(static_cast<unsigned long>(kGap.count()));
        QCoreApplication::processEvents();
    }
    const bool complete = firstSample.size() == kCues;
    printFigure("cue_first_sample_ms", complete ? std::optional(median(firstSample)) : std::nullopt);
    printFigure("cue_sync_extra_ms", complete ? std::optional(median(extra)) : std::nullopt);
}
