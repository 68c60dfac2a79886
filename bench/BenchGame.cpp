#include "BenchGame.h"

#include "support/GameScript.h"
#include "support/PlayerInputs.h"
#include "support/ScriptedRandom.h"

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
