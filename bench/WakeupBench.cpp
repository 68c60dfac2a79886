// How often the main thread sleeps and wakes per fall step: its voluntary
// context switches over whole pieces of the real window at level 1 with no
// input, divided by the fall steps it actually made (counted on the clock it
// waits on, which passes every wait through unchanged). Run on the display
// the caller gives (the X server of the whole-process part).
#include "Benchmarks.h"

#include "BenchGame.h"
#include "Figures.h"
#include "PauseRecorder.h"
#include "ThreadSwitches.h"

#include "window/QtClock.h"

#include <QGuiApplication>

namespace {

// About 15 s of play: four pieces of three falling the whole board.
constexpr int kSteps = 500;

} // namespace

void measureWakeups()
{
    auto recorder = std::make_shared<PauseRecorder>(std::make_shared<QtClock>());
    Form1 form(benchPlatform(recorder));
    form.Form_Load();
    form.show();
    chooseStartingLevel(form, 1);
    recorder->kindOf = [&form](std::int32_t length) { return yieldKindOf(form, length); };
    int steps = 0;
    long switchesAtFirstStep = -1;
    long switches = 0;
    // From a piece's first step to a later piece's first step: whole pieces, landings included.
    recorder->onPause = [&] {
        if (form.stopGame) return;
        if (!isFirstFallStep(form, recorder->pauses.back().length)) {
            steps += recorder->pauses.back().kind == YieldKind::FallStep && switchesAtFirstStep >= 0;
            return;
        }
        const long now = voluntarySwitchesOfThisThread();
        if (switchesAtFirstStep < 0) {
            switchesAtFirstStep = now;
        } else if (steps >= kSteps) {
            switches = now - switchesAtFirstStep;
            form.o12_Click();
            return;
        }
        ++steps;
    };
    form.Command1_Click();
    std::fprintf(stderr, "wakeups: %ld voluntary switches of the main thread over %d fall steps, on the %s platform\n",
                 switches, steps, qPrintable(QGuiApplication::platformName()));
    printFigure("wakeups_per_step", static_cast<double>(switches) / steps);
}
