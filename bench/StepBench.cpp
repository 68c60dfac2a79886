// What a fall step costs the real window on the shipped platform (its clock,
// event loop and sound service) with no input, at levels 1 and 10: the
// process's CPU time over whole pieces (landings and collapse frames
// included) divided by the fall steps made, and, at level 1, the main
// thread's voluntary context switches (each a sleep that something woke)
// from each fall step's pause to the next step's, so each step's own
// wakeups; over whole pieces as well, for comparison with earlier figures.
// The steps are counted on the clock the game waits on, which passes every
// wait through unchanged. The first piece, which brings the window's first
// paints, is not counted. Run on the display the caller gives (the X server
// of the whole-process part).
#include "Benchmarks.h"

#include "BenchGame.h"
#include "Figures.h"

#include <QGuiApplication>

#include <sys/resource.h>

namespace {

// About 12 s of play at level 1: four pieces of three falling the whole board.
constexpr int kSteps = 500;

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long voluntarySwitchesOfThisThread()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

struct StepCost {
    int steps = 0;
    double cpuSeconds = 0;
    long switches = 0;      // over the whole pieces
    long stepSwitches = 0;  // from one step's pause to the next step's
    int stepPairs = 0;
};

StepCost playAtLevel(int level)
{
    RecordedGame game(level);
    const auto& recorder = game.recorder;
    Form1& form = game.form;
    StepCost cost;
    int piecesSeen = 0;
    bool counting = false;
    bool lastWasStep = false;
    long switchesAtStart = 0;
    long switchesAtLastPause = 0;
    double cpuAtStart = 0;
    recorder->onPause = [&] {
        if (form.stopGame) return;
        const std::int32_t length = recorder->pauses.back().length;
        const bool step = recorder->pauses.back().kind == YieldKind::FallStep;
        const long switches = voluntarySwitchesOfThisThread();
        if (counting && step && lastWasStep && !isFirstFallStep(form, length)) {
            cost.stepSwitches += switches - switchesAtLastPause;
            ++cost.stepPairs;
        }
        lastWasStep = step;
        switchesAtLastPause = switches;
        if (!isFirstFallStep(form, length)) {
            cost.steps += step && counting;
            return;
        }
        // From the second piece's first step to a later piece's first step: whole pieces.
        if (++piecesSeen == 2) {
            counting = true;
            switchesAtStart = switches;
            cpuAtStart = processCpuSeconds();
        } else if (counting && cost.steps >= kSteps) {
            counting = false;
            cost.cpuSeconds = processCpuSeconds() - cpuAtStart;
            cost.switches = switches - switchesAtStart;
            form.o12_Click();
            return;
        }
        cost.steps += counting;
    };
    form.Command1_Click();
    std::fprintf(stderr,
                 "steps, level %d: %.0f us of CPU over %d fall steps; the main thread's voluntary switches: %ld "
                 "over those whole pieces, %ld within %d steps; on the %s platform\n",
                 level, cost.cpuSeconds * 1e6, cost.steps, cost.switches, cost.stepSwitches, cost.stepPairs,
                 qPrintable(QGuiApplication::platformName()));
    return cost;
}

} // namespace

void measureSteps()
{
    for (const int level : {1, 10}) {
        const StepCost cost = playAtLevel(level);
        printFigure(qPrintable(QStringLiteral("cpu_per_step_us.%1").arg(level)), cost.cpuSeconds * 1e6 / cost.steps);
        if (level != 1) continue;
        printFigure("wakeups_per_step", static_cast<double>(cost.stepSwitches) / cost.stepPairs);
        printFigure("wakeups_per_step_whole_pieces", static_cast<double>(cost.switches) / cost.steps);
    }
}
