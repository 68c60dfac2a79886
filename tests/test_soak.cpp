// Over a thousand whole games on the virtual clock, each window at a random
// starting level, with the player's inputs at random virtual times: presses
// of every button on and beside the board and on the sprites, "New game",
// "Continue" (also while a stopped game unwinds), "Hide next", the level
// items and close requests. The rules of Invariants are checked at every
// yield, after every input and after every game. Each window starts over a
// table of its own, so that results enter it at every rank or stay out; the
// table is checked row by row against a model. A failing window prints
// its seed; VORN_SOAK_SEED=<seed> plays that window alone.
#include "support/Invariants.h"
#include "support/PlayerInputs.h"
#include "support/Scenarios.h"
#include "support/TableModel.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <array>
#include <functional>
#include <random>

namespace {

constexpr int kGamesLost = 1000;
constexpr int kLevels = 10;
constexpr int kRanks = 5;
// Most results of the soak's games lie below this; a table's cash is drawn from it.
constexpr unsigned kMostTableCash = 20;
constexpr std::int32_t kMostBetweenInputsMs = 700;
// After "New game" or a close the next input comes soon, while the stopped game unwinds.
constexpr std::int32_t kMostWhileUnwindingMs = 300;

struct SoakInput {
    int weight;
    std::function<PlayerInput(std::mt19937&, bool& closed)> make;
    bool stops = false;
};

using Inputs = std::vector<SoakInput>;

PlayerInput press(std::mt19937& chance, bool&) { return PlayerInputs::anyPress(chance); }
PlayerInput hideNext(std::mt19937&, bool&) { return PlayerInputs::hideNext(); }
PlayerInput levelItem(std::mt19937& chance, bool&) { return PlayerInputs::levelItem(static_cast<int>(chance() % kLevels)); }
PlayerInput pressContinue(std::mt19937&, bool&) { return PlayerInputs::pressContinue(); }
PlayerInput newGame(std::mt19937&, bool&) { return PlayerInputs::newGame(); }
PlayerInput closeRequest(std::mt19937&, bool& closed) { return PlayerInputs::closeRequest(&closed); }

// While a game runs: mostly presses, now and then a command.
const Inputs kDuringPlay{
    {400, press}, {5, hideNext}, {5, levelItem}, {5, pressContinue}, {1, newGame, true}, {1, closeRequest, true},
};
// Right after a stop: what a player does while "Continue" is back and the old loop still unwinds.
const Inputs kAfterAStop{
    {3, press}, {1, hideNext}, {2, levelItem}, {3, pressContinue}, {1, newGame, true}, {1, closeRequest, true},
};

const SoakInput& pick(const Inputs& inputs, std::mt19937& chance)
{
    int total = 0;
    for (const SoakInput& input : inputs) total += input.weight;
    int draw = static_cast<int>(chance() % static_cast<unsigned>(total));
    for (const SoakInput& input : inputs) {
        if (draw < input.weight) return input;
        draw -= input.weight;
    }
    return inputs.front();
}

// Five made-up players, best first, with ties now and then.
QByteArray rankedTable(std::mt19937& chance)
{
    std::array<unsigned, kRanks> cash{};
    for (unsigned& c : cash) c = chance() % kMostTableCash;
    std::ranges::sort(cash, std::greater<>());
    QStringList table;
    for (int i = 0; i < kRanks; ++i) table << QStringLiteral("Rank%1").arg(i + 1) << QStringLiteral("%1$").arg(cash[static_cast<std::size_t>(i)]);
    return asciiTableFile(table);
}

struct Totals {
    int windows = 0;
    int closed = 0;
    int games = 0;
    int gamesLost = 0;
    int pieces = 0;
    int inputs = 0;
    int saves = 0;
    std::array<int, kRanks + 1> entriesAtRank{};  // index 0: results that stayed out
    std::int64_t cash = 0;
};

// One window from start-up until a game is lost or the window is closed.
QString playWindow(unsigned seed, Totals& totals)
{
    TestForm t;
    Form1& f = *t.form;
    std::mt19937 chance(seed);
    loadOverTable(t, rankedTable(chance));
    t.random->seeded(seed);
    Invariants rules(t);
    rules.handle(PlayerInputs::levelItem(static_cast<int>(chance() % kLevels)));
    bool closed = false;
    const Inputs* offered = &kDuringPlay;
    std::function<void()> next = [&] {
        // A closed window takes no more input; the program ends once the loop returns.
        if (closed) return;
        const SoakInput& input = pick(*offered, chance);
        rules.handle(input.make(chance, closed));
        offered = input.stops ? &kAfterAStop : &kDuringPlay;
        const std::int32_t most = input.stops ? kMostWhileUnwindingMs : kMostBetweenInputsMs;
        t.clock->after(static_cast<std::int32_t>(chance() % static_cast<unsigned>(most)), next);
    };
    t.clock->after(static_cast<std::int32_t>(chance() % kMostBetweenInputsMs), next);
    while (rules.failure.isEmpty() && !closed && !f.gameOver) rules.playGame();

    ++totals.windows;
    totals.closed += closed;
    totals.games += rules.games;
    totals.gamesLost += rules.gamesOver;
    totals.pieces += rules.pieces;
    totals.inputs += rules.inputs;
    totals.saves += rules.saves();
    for (std::size_t rank = 0; rank < totals.entriesAtRank.size(); ++rank) totals.entriesAtRank[rank] += rules.entriesAtRank[rank];
    totals.cash += f.cash;
    return rules.failure;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { preferTemporaryDirectoriesInMemory(); }

    void randomGames()
    {
        QElapsedTimer timer;
        timer.start();
        Totals totals;
        bool replaying = false;
        const unsigned replay = qEnvironmentVariable("VORN_SOAK_SEED").toUInt(&replaying);
        for (unsigned seed = replaying ? replay : 1; replaying ? seed == replay : totals.gamesLost < kGamesLost; ++seed) {
            const QString failure = playWindow(seed, totals);
            if (!failure.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1: %2 (replay: VORN_SOAK_SEED=%1)").arg(seed).arg(failure)));
        }
        const auto& ranks = totals.entriesAtRank;
        qInfo("%d windows (%d closed), %d games (%d lost), %d pieces, %d inputs, %lld cash in all, %lld ms",
              totals.windows, totals.closed, totals.games, totals.gamesLost, totals.pieces, totals.inputs,
              static_cast<long long>(totals.cash), static_cast<long long>(timer.elapsed()));
        qInfo("%d saves; results entered at ranks 1 to 5: %d %d %d %d %d, below all five: %d", totals.saves,
              ranks[1], ranks[2], ranks[3], ranks[4], ranks[5], ranks[0]);
        // Stopped games and close requests save nothing; a lost game saves once.
        QCOMPARE(totals.saves, totals.gamesLost);
        if (replaying) return;
        // A window ends with its first lost game.
        QCOMPARE(totals.gamesLost, kGamesLost);
        for (std::size_t rank = 0; rank < ranks.size(); ++rank)
            QVERIFY2(ranks[rank] > 0, qPrintable(QStringLiteral("no result entered at rank %1").arg(rank)));
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
