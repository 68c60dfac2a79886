// What the waits cost the machine: process CPU time over wall time while the
// real window plays at level 1 with no input, once on the shipped clock and
// once on a clock that spins through every wait.
#include "Benchmarks.h"

#include "BenchGame.h"
#include "BusyWaitClock.h"
#include "Figures.h"

#include "window/QtClock.h"

#include <QTimer>

#include <ctime>

namespace {

constexpr int kSpanMs = 20000;

double cpuFraction(std::shared_ptr<Clock> clock)
{
    Form1 form(benchPlatform(std::move(clock)));
    form.Form_Load();
    form.show();
    chooseStartingLevel(form, 1);
    // "New game" ends the game from inside one of its waits, as a player's would.
    QTimer::singleShot(kSpanMs, Qt::PreciseTimer, &form, [&form] { form.o12_Click(); });
    // std::clock is the CPU time of the whole process, every thread included.
    const std::clock_t cpuStart = std::clock();
    const auto wallStart = std::chrono::steady_clock::now();
    form.Command1_Click();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    return cpu / wall;
}

} // namespace

void measureCost()
{
    printFigure("cpu_fraction.shipped", cpuFraction(std::make_shared<QtClock>()));
    printFigure("cpu_fraction.busy_wait", cpuFraction(std::make_shared<BusyWaitClock>(std::make_shared<QtClock>())));
}
