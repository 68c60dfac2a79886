// What a fall step costs the real window on the shipped platform (its clock,
// event loop and sound service) with no input, at levels 1 and 10: the
// process's CPU time and, at level 1, the main thread's voluntary context
// switches (each a sleep that something woke), over whole pieces, divided by
// the fall steps actually made. The steps are counted on the clock the game
// waits on, which passes every wait through unchanged; the figures carry the
// landings' pauses and collapse frames too. Run on the display the caller
// gives (the X server of the whole-process part).
#include "Benchmarks.h"

#include "BenchGame.h"
#include "Figures.h"
#include "PauseRecorder.h"
#include "ThreadSwitches.h"

#include "window/QtClock.h"

#include <QGuiApplication>

#include <sys/resource.h>

namespace {

// About 12 s of play at level 1: four pieces of three falling the whole board.
constexpr int kSteps = 500;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct StepCost {
    int steps = 0;
    long switches = 0;
    double cpuSeconds = 0;
};

StepCost playAtLevel(int level)
{
    auto recorder = std::make_shared<PauseRecorder>(std::make_shared<QtClock>());
    Form1 form(benchPlatform(recorder));
    form.Form_Load();
    form.show();
    chooseStartingLevel(form, level);
    recorder->kindOf = [&form](std::int32_t length) { return yieldKindOf(form, length); };
    StepCost cost;
    long switchesAtFirstStep = -1;
    double cpuAtFirstStep = 0;
    // From a piece's first step to a later piece's first step: whole pieces, landings included.
    recorder->onPause = [&] {
        if (form.stopGame) return;
        if (!isFirstFallStep(form, recorder->pauses.back().length)) {
            cost.steps += recorder->pauses.back().kind == YieldKind::FallStep && switchesAtFirstStep >= 0;
            return;
        }
        const long switches = voluntarySwitchesOfThisThread();
        const double cpu = processCpuSeconds();
        if (switchesAtFirstStep < 0) {
            switchesAtFirstStep = switches;
            cpuAtFirstStep = cpu;
        } else if (cost.steps >= kSteps) {
            cost.switches = switches - switchesAtFirstStep;
            cost.cpuSeconds = cpu - cpuAtFirstStep;
            form.o12_Click();
            return;
        }
        ++cost.steps;
    };
    form.Command1_Click();
    std::fprintf(stderr, "steps, level %d: %.0f us of CPU and %ld voluntary switches of the main thread over %d fall "
                         "steps, on the %s platform\n",
                 level, cost.cpuSeconds * 1e6, cost.switches, cost.steps, qPrintable(QGuiApplication::platformName()));
    return cost;
}

} // namespace

void measureSteps()
{
    for (const int level : {1, 10}) {
        const StepCost cost = playAtLevel(level);
        printFigure(qPrintable(QStringLiteral("cpu_per_step_us.%1").arg(level)), cost.cpuSeconds * 1e6 / cost.steps);
        if (level == 1) printFigure("wakeups_per_step", static_cast<double>(cost.switches) / cost.steps);
    }
}
