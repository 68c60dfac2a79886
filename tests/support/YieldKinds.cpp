#include "support/YieldKinds.h"

#include "game/Pauses.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

namespace {

bool pieceFalling(const Form1& form) { return form.Dio(0)->Visible(); }

} // namespace

YieldKind yieldKindOf(const Form1& form, std::int32_t pauseLength)
{
    if (pieceFalling(form) && pauseLength == Pauses::fallStepMs(form.level)) return YieldKind::FallStep;
    if (pauseLength == Pauses::kFirstPassPauseMs) return YieldKind::FirstPassPause;
    if (!pieceFalling(form) && pauseLength == Pauses::kFramePauseMs) return YieldKind::CollapseFrame;
    return YieldKind::LaterPass;
}

bool isFirstFallStep(const Form1& form, std::int32_t pauseLength)
{
    return yieldKindOf(form, pauseLength) == YieldKind::FallStep &&
           form.pieceY == Pauses::kFallPerStep - (form.pieceLast + 1) * BoardSize::kCellSize;
}

const char* nameOf(YieldKind kind)
{
    switch (kind) {
    case YieldKind::FallStep: return "fall step";
    case YieldKind::FirstPassPause: return "first-pass pause";
    case YieldKind::CollapseFrame: return "collapse frame";
    case YieldKind::LaterPass: return "later pass";
    }
    return "";
}
