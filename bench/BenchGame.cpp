#include "BenchGame.h"

#include "support/GameScript.h"
#include "support/PlayerInputs.h"
#include "support/ScriptedRandom.h"
#include "support/YieldKinds.h"

#include "window/QtClock.h"

namespace {

// More pieces than any run plays; the colours repeat every six.
constexpr int kScriptedPieces = 600;
constexpr int kColours = 6;

} // namespace

Platform benchPlatform(std::shared_ptr<Clock> clock)
{
    Platform platform = makeQtPlatform();
    platform.clock = std::move(clock);
    auto random = std::make_unique<ScriptedRandom>();
    for (int piece = 0; piece < kScriptedPieces; ++piece) {
        const auto colour = static_cast<Integer>(1 + piece % kColours);
        random->play(drawsFor({colour, colour, colour}));
    }
    platform.random = std::move(random);
    return platform;
}

void chooseStartingLevel(Form1& form, int level) { PlayerInputs::levelItem(level - 1).deliver(form); }

RecordedGame::RecordedGame(int level)
    : recorder(std::make_shared<PauseRecorder>(std::make_shared<QtClock>()))
    , form(benchPlatform(recorder))
{
    form.Form_Load();
    form.show();
    chooseStartingLevel(form, level);
    recorder->kindOf = [this](std::int32_t length) { return yieldKindOf(form, length); };
}
