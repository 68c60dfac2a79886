// The pace of the real window on the shipped clock and event loop: how much
// longer than its nominal pause each fall step and each collapse frame
// takes, measured from one pause's start to the next.
#include "Benchmarks.h"

#include "BenchGame.h"
#include "Figures.h"
#include "PauseRecorder.h"
#include "Statistics.h"

#include "game/Pauses.h"

#include <QString>

#include <array>

namespace {

constexpr std::array kLevels{1, 5, 10};
constexpr int kMinSteps = 300;
// Three pieces of three: 336 steps and nine collapses.
constexpr int kMinFrames = 9 * Pauses::kCollapseFrames;

struct Errors {
    std::vector<double> steps;
    std::vector<double> frames;
};

double ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A step's period runs to the next step of the same piece; a frame's to the
// next frame of the same collapse (collapses come in runs of frames).
Errors errorsOf(const std::vector<PauseRecorder::Pause>& pauses)
{
    Errors errors;
    int frameInRun = 0;
    for (std::size_t k = 0; k + 1 < pauses.size(); ++k) {
        const PauseRecorder::Pause& pause = pauses[k];
        const PauseRecorder::Pause& next = pauses[k + 1];
        const double period = ms(next.start - pause.start);
        const auto isStep = [](const PauseRecorder::Pause& p) { return p.kind == YieldKind::FallStep; };
        const auto isFrame = [](const PauseRecorder::Pause& p) { return p.kind == YieldKind::CollapseFrame; };
        if (isStep(pause) && isStep(next)) errors.steps.push_back(period - pause.length);
        frameInRun = isFrame(pause) ? frameInRun + 1 : 0;
        if (isFrame(next) && frameInRun % Pauses::kCollapseFrames != 0 && frameInRun > 0)
            errors.frames.push_back(period - Pauses::kFramePauseMs);
    }
    return errors;
}

Errors playAtLevel(int level)
{
    RecordedGame game(level);
    const auto& recorder = game.recorder;
    Form1& form = game.form;
    int steps = 0;
    int frames = 0;
    recorder->onPause = [&] {
        const PauseRecorder::Pause& pause = recorder->pauses.back();
        steps += pause.kind == YieldKind::FallStep;
        frames += pause.kind == YieldKind::CollapseFrame;
        // Stop at the first step of a piece once enough whole pieces were seen.
        if (pause.kind == YieldKind::FallStep && steps > kMinSteps && frames >= kMinFrames && !form.stopGame) form.o12_Click();
    };
    form.Command1_Click();
    return errorsOf(recorder->pauses);
}

} // namespace

void measurePace()
{
    std::vector<double> frameErrors;
    for (const int level : kLevels) {
        const Errors errors = playAtLevel(level);
        if (errors.steps.size() < kMinSteps || errors.frames.empty()) qFatal("pace at level %d: too few steps or frames", level);
        const QByteArray key = "pace_ms." + QByteArray::number(level);
        printFigure(key + ".median", median(errors.steps));
        printFigure(key + ".p95", quantile(errors.steps, 0.95));
        frameErrors.insert(frameErrors.end(), errors.frames.begin(), errors.frames.end());
    }
    printFigure("frame_error_ms.median", median(frameErrors));
    printFigure("frame_error_ms.p95", quantile(frameErrors, 0.95));
}
