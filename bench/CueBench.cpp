// The six cues where the player hears them: played through the real window
// and sound service into the null sink, whose monitor is recorded. Each cue's
// first and last audible sample are found in the recording and compared with
// the moments PlayCue was called and returned. The measured lengths are
// checked against the cue table's, so that what was timed is the cue itself.
#include "Benchmarks.h"

#include "Figures.h"
#include "MonitorRecording.h"
#include "Statistics.h"
#include "ThreadSwitches.h"

#include "audio/CueLengths.h"
#include "sound/EmbedSound.h"
#include "support/SoundsInRecording.h"
#include "window/Form1.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace {

constexpr int kCues = 6;
// Silence before the first cue and after each, longer than the sounds' join.
constexpr auto kGap = std::chrono::milliseconds(400);
// A cue heard this much shorter or longer than its table length was not heard whole.
constexpr double kShortByAtMostMs = 12.0;
constexpr double kLongByAtMostMs = 30.0;

using Steady = std::chrono::steady_clock;

double ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Play {
    Steady::time_point called;
    Steady::time_point returned;
    bool synchronous;
    long wakeups;  // of the game's thread while PlayCue ran
};

void printNoCueFigures()
{
    for (const char* key : {"cue_first_sample_ms", "cue_sync_extra_ms", "cue_sync_earliest_ms", "cue_timing_accuracy_ms"})
        printFigure(key, std::nullopt);
}

void waitOut(Steady::time_point until)
{
    while (Steady::now() < until) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

} // namespace

void measureCues()
{
    Form1 form(makeQtPlatform());
    form.Form_Load();
    MonitorRecording recording;
    if (!recording.ok()) {
        std::fprintf(stderr, "cues: the null sink's monitor could not be recorded\n");
        printNoCueFigures();
        return;
    }
    waitOut(Steady::now() + kGap);
    std::vector<Play> plays;
    for (int cue = 1; cue <= kCues; ++cue) {
        const long switches = voluntarySwitchesOfThisThread();
        const auto called = Steady::now();
        form.PlayCue(static_cast<Integer>(cue));
        const auto returned = Steady::now();
        plays.push_back({called, returned, form.EmbedSound1(cue)->SyncSnd(), voluntarySwitchesOfThisThread() - switches});
        waitOut(called + kCueLengths[static_cast<std::size_t>(cue - 1)] + kGap);
    }
    recording.stop();

    const std::vector<SoundsInRecording::Sound> sounds =
        SoundsInRecording::find(recording.samples(), MonitorRecording::kRate);
    if (sounds.size() != plays.size()) {
        std::fprintf(stderr, "cues: %zu sounds heard for %zu cues\n", sounds.size(), plays.size());
        printNoCueFigures();
        return;
    }
    const double accuracyMs = recording.scatterMs();
    std::vector<double> firstHeard;
    std::vector<double> extra;
    bool whole = true;
    for (std::size_t k = 0; k < plays.size(); ++k) {
        const Steady::time_point first = recording.timeOf(sounds[k].first);
        const Steady::time_point last = recording.timeOf(sounds[k].last + 1);
        const double heardMs = ms(last - first);
        const double lengthMs = std::chrono::duration<double, std::milli>(kCueLengths[k]).count();
        const bool fits = heardMs >= lengthMs - kShortByAtMostMs && heardMs <= lengthMs + kLongByAtMostMs &&
                          sounds[k].peak >= SoundsInRecording::kAudiblePeak;
        whole = whole && fits;
        firstHeard.push_back(ms(first - plays[k].called));
        const double afterLast = ms(plays[k].returned - last);
        if (plays[k].synchronous) extra.push_back(afterLast);
        const bool early = plays[k].synchronous && afterLast < -accuracyMs;
        std::fprintf(stderr, "cue %zu: heard %.1f ms after the call for %.1f ms (table %.1f ms)%s; returned %.1f ms after its last sample%s; %ld wakeups of the game's thread\n",
                     k + 1, firstHeard.back(), heardMs, lengthMs, fits ? "" : " NOT WHOLE", afterLast,
                     early ? ", BEFORE IT WAS HEARD" : "", plays[k].wakeups);
    }
    std::fprintf(stderr, "cues: times in the recording accurate to about +-%.1f ms\n", accuracyMs);
    const bool timed = whole && !extra.empty();
    printFigure("cue_first_sample_ms", whole ? std::optional(median(firstHeard)) : std::nullopt);
    printFigure("cue_sync_extra_ms", timed ? std::optional(median(extra)) : std::nullopt);
    printFigure("cue_sync_earliest_ms", timed ? std::optional(*std::min_element(extra.begin(), extra.end())) : std::nullopt);
    printFigure("cue_timing_accuracy_ms", accuracyMs);
}
