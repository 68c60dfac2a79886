// The six cues through the real window and the real sound service: how much
// longer than the sound itself a synchronous cue holds the game. The moment
// the sound is heard is measured at the sink (to come).
#include "Benchmarks.h"

#include "Figures.h"
#include "Statistics.h"

#include "window/Form1.h"

#include <QCoreApplication>
#include <QThread>

#include <array>

namespace {

constexpr auto kGap = std::chrono::milliseconds(300);
constexpr std::array<double, 6> kCueMs{230.8, 497.6, 1564.4, 975.2, 780.9, 1123.2};

using Steady = std::chrono::steady_clock;

double ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

} // namespace

void measureCues()
{
    Form1 form(makeQtPlatform());
    form.Form_Load();

    std::vector<double> extra;
    for (std::size_t cue = 1; cue <= kCueMs.size(); ++cue) {
        const auto start = Steady::now();
        form.PlayCue(static_cast<Integer>(cue));
        extra.push_back(ms(Steady::now() - start) - kCueMs[cue - 1]);
        std::fprintf(stderr, "cue %zu: held %.1f ms past its %.1f ms\n", cue, extra.back(), kCueMs[cue - 1]);
        QThread::msleep(static_cast<unsigned long>(kGap.count()));
        QCoreApplication::processEvents();
    }
    printFigure("cue_first_sample_ms", std::nullopt);
    printFigure("cue_sync_extra_ms", median(extra));
}
