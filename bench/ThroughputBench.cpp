// The game's own work without its pauses: one redraw of a full board, and
// whole games on the virtual clock, where every wait ends at once.
#include "Benchmarks.h"

#include "Figures.h"
#include "Statistics.h"

#include "support/PlayerInputs.h"
#include "support/TestForm.h"
#include "support/YieldKinds.h"
#include "window/forms/PictureBox.h"

#include <QCoreApplication>

#include <ctime>
#include <random>

namespace {

constexpr int kRedraws = 1000;
constexpr int kLandings = 10000;
constexpr unsigned kSeed = 2024;
constexpr int kMaxClickGapMs = 700;

using Steady = std::chrono::steady_clock;

void fillBoard(Form1& form)
{
    int code = 0;
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
        for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y)
            form.board(x, y) = static_cast<Integer>(1 + code++ % Cell::kCleared);
}

double redrawMicroseconds()
{
    TestForm test;
    Form1& form = *test.form;
    form.Form_Load();
    form.show();
    form.Picture1->setAutoRedraw(true);
    fillBoard(form);
    std::vector<double> costs;
    for (int i = 0; i < kRedraws; ++i) {
        const auto start = Steady::now();
        form.RedrawBoard();
        costs.push_back(std::chrono::duration<double, std::micro>(Steady::now() - start).count());
        // The window shows each picture before the next is drawn, outside the measured call.
        QCoreApplication::processEvents();
    }
    return median(costs);
}

// Games with random presses on the board, one after another on one window, until enough
// landings have settled; each landing has exactly one first-pass pause. Per second of the
// process's CPU time, so that what else the machine runs does not change the figure.
double landingsPerCpuSecond()
{
    TestForm test;
    Form1& form = *test.form;
    form.Form_Load();
    form.show();
    test.random->seeded(kSeed);
    std::mt19937 chance(kSeed);
    std::int32_t nextClick = 0;
    std::int32_t lastLandingPause = -1;
    int landings = 0;
    test.clock->onYield = [&](std::int32_t deadline) {
        const YieldKind kind = yieldKindOf(form, deadline - form.waitStart);
        if (kind == YieldKind::FirstPassPause && form.waitStart != lastLandingPause) {
            lastLandingPause = form.waitStart;
            if (++landings == kLandings) form.o12_Click();
        }
        while (nextClick <= deadline) {
            test.clock->at(nextClick, [&form, press = PlayerInputs::anyBoardPress(chance)] { press.deliver(form); });
            nextClick += static_cast<std::int32_t>(1 + chance() % kMaxClickGapMs);
        }
    };
    const std::clock_t start = std::clock();
    while (landings < kLandings) {
        form.Command1_Click();
        form.o12_Click();
    }
    return landings / (static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
}

} // namespace

void measureThroughput()
{
    printFigure("redraw_us", redrawMicroseconds());
    printFigure("landings_per_cpu_s", landingsPerCpuSecond());
}
