// Every yield of the game loop, every handler: for landings that clear a
// chain, set off each special block or end the game, each yield the loop
// makes from the piece's first fall step to the end of its settle (each fall
// step's pause, the first-pass pause, each later pass, each collapse frame,
// the yield inside PlaySound before a cue) and each cue itself get, in runs
// of their own, "New game", "Continue", both at once, a close request,
// "Hide next", a level item and a burst of twenty presses. The rules of Invariants hold in every
// run: no second game loop, a consistent state at the end, and the table
// saved once after a game over and never otherwise. Every run delivers its
// input: one during a cue is handled at the next yield, or, after the
// game-over cue, once the game loop has returned, as the event loop would.
#include "support/GameScript.h"
#include "support/Invariants.h"
#include "support/PlayerInputs.h"
#include "support/Scenarios.h"
#include "support/YieldKinds.h"

#include <QTest>

#include <map>
#include <set>
#include <random>

namespace {

constexpr int kPressesInABurst = 20;
constexpr int kLevelSeven = 6;

using Inputs = std::vector<PlayerInput>;

struct Handler {
    const char* name;
    std::function<Inputs(unsigned seed)> inputs;
};

const std::vector<Handler>& handlers()
{
    using namespace PlayerInputs;
    static const std::vector<Handler> all{
        {"New game", [](unsigned) { return Inputs{newGame()}; }},
        {"Continue", [](unsigned) { return Inputs{pressContinue()}; }},
        // "Continue" shows again at once after "New game", while the stopped loop still runs.
        {"New game, then Continue", [](unsigned) { return Inputs{newGame(), pressContinue()}; }},
        {"a close request", [](unsigned) { return Inputs{closeRequest()}; }},
        {"Hide next", [](unsigned) { return Inputs{hideNext()}; }},
        {"a level item", [](unsigned) { return Inputs{levelItem(kLevelSeven)}; }},
        {"a burst of presses", [](unsigned seed) {
             std::mt19937 chance(seed);
             Inputs presses;
             for (int i = 0; i < kPressesInABurst; ++i) presses.push_back(anyPress(chance));
             return presses;
         }},
    };
    return all;
}

// Where a run delivers its handler: at the n-th yield of the loop, or at a
// virtual time inside a cue (the input then waits for the cue's end).
struct YieldPoint {
    QString kind;
    int yield = -1;
    std::int32_t time = -1;
};

struct Landing {
    QStringList board;
    std::vector<Integer> piece;
};

// Where a run's input was handled.
enum class Delivery { None, InTheLoop, AfterTheLoop };

struct Run {
    QString failure;
    Delivery delivery = Delivery::None;
};

// Plays the landing from "Continue" until the next piece's first step (where
// the test itself stops the game) or the game's end. With a handler, delivers
// it at where; without one, lists every yield point of the landing.
Run playLanding(const Landing& landing, const Handler* handler, const YieldPoint& where,
                std::vector<YieldPoint>* points = nullptr)
{
    TestForm t;
    Form1& f = *t.form;
    loadOverDefaultTable(t);
    setColumns(f, landing.board);
    t.random->play(drawsFor(landing.piece));
    playAlternating(*t.random, 3);

    std::vector<std::size_t> cuesBefore;  // cues asked for before each yield
    int yields = 0;
    bool landed = false;
    std::int32_t firstStep = -1;
    std::function<void()> deliver;
    t.clock->onYield = [&](std::int32_t deadline) {
        const std::int32_t length = deadline - f.waitStart;
        if (isFirstFallStep(f, length) && f.waitStart != firstStep) {
            landed = firstStep >= 0;
            firstStep = f.waitStart;
        }
        if (landed) {
            f.stopGame = true;
            return;
        }
        if (points) {
            points->push_back({QString::fromLatin1(nameOf(yieldKindOf(f, length))), yields});
            cuesBefore.push_back(t.sound->requests.size());
        }
        // Input due now is handled within this very yield.
        if (handler && yields == where.yield) t.clock->at(t.clock->now, deliver);
        ++yields;
    };
    Invariants rules(t);
    Delivery delivery = Delivery::None;
    if (handler) {
        deliver = [&] {
            if (delivery != Delivery::None) return;
            delivery = f.gameLoopRunning ? Delivery::InTheLoop : Delivery::AfterTheLoop;
            for (const PlayerInput& input : handler->inputs(static_cast<unsigned>(where.yield + where.time)))
                rules.handle(input);
        };
        if (where.time >= 0) t.clock->at(where.time, deliver);
    }
    rules.playGame();
    // After the game-over cue nothing yields any more: the input that came
    // during it waits for the event loop, which runs once the game loop returns.
    if (handler && where.time >= 0) deliver();

    if (points) {
        // The yield inside PlaySound is the last one before its cue is asked for.
        cuesBefore.push_back(t.sound->requests.size());
        for (std::size_t i = 0; i < points->size(); ++i)
            if (cuesBefore[i + 1] > cuesBefore[i]) (*points)[i].kind = QStringLiteral("before a cue");
        for (const RecordingSoundOutput::Request& cue : t.sound->requests)
            points->push_back({QStringLiteral("during a cue"), -1, cue.at + 1});
    }
    return {rules.failure, delivery};
}

int runsInAll = 0;
int runsAfterTheLoop = 0;
std::set<QString> kindsWalked;

} // namespace

class TestYieldPoints : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { preferTemporaryDirectoriesInMemory(); }

    void everyHandlerAtEveryYield_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QList<int>>("piece");
        QTest::newRow("a line with a chain") << QStringList{"", "", "331", "22", "441"} << QList<int>{2, 1};
        QTest::newRow("a shower on a shower") << QStringList{"", "121212", "", "8", "212121"} << QList<int>{8};
        QTest::newRow("a shower on a colour") << QStringList{"", "", "", "1"} << QList<int>{8};
        QTest::newRow("a column block") << QStringList{"", "", "", "12"} << QList<int>{9};
        QTest::newRow("a row block") << QStringList{"", "", "1", "2"} << QList<int>{10};
        QTest::newRow("a colour block") << QStringList{"3", "", "", "3"} << QList<int>{11};
        QTest::newRow("a bomb") << QStringList{"", "", "", "2"} << QList<int>{12};
        QTest::newRow("three blocks end the game") << QStringList{"", "", "", "1212121212"} << QList<int>{3, 4, 5};
        QTest::newRow("two columns reach row 3 at once")
            << QStringList{"", "1212121212", "1", "2121218", "2", "1212121212", ""} << QList<int>{8};
    }

    void everyHandlerAtEveryYield()
    {
        QFETCH(QStringList, board);
        QFETCH(QList<int>, piece);
        const Landing landing{board, std::vector<Integer>(piece.begin(), piece.end())};
        std::vector<YieldPoint> points;
        QCOMPARE(playLanding(landing, nullptr, {}, &points).failure, QString());

        std::map<QString, int> kinds;
        for (const YieldPoint& point : points) {
            ++kinds[point.kind];
            kindsWalked.insert(point.kind);
        }
        QVERIFY(kinds.count(QStringLiteral("fall step")) && kinds.count(QStringLiteral("first-pass pause")));
        int runs = 0;
        int afterTheLoop = 0;
        for (const YieldPoint& point : points) {
            for (const Handler& handler : handlers()) {
                const Run run = playLanding(landing, &handler, point);
                const QString where = QStringLiteral("%1 at %2 (yield %3, time %4)")
                                          .arg(QLatin1String(handler.name), point.kind)
                                          .arg(point.yield)
                                          .arg(point.time);
                if (!run.failure.isEmpty()) QFAIL(qPrintable(where + QStringLiteral(": ") + run.failure));
                if (run.delivery == Delivery::None) QFAIL(qPrintable(where + QStringLiteral(": the input was never delivered")));
                afterTheLoop += run.delivery == Delivery::AfterTheLoop;
                ++runs;
            }
        }
        QStringList counts;
        for (const auto& [kind, count] : kinds) counts << QStringLiteral("%1 %2").arg(count).arg(kind);
        qInfo("%s: %d runs, %d of them delivered once the game loop had returned", qPrintable(counts.join(QStringLiteral(", "))),
              runs, afterTheLoop);
        runsInAll += runs;
        runsAfterTheLoop += afterTheLoop;
    }

    void cleanupTestCase()
    {
        qInfo("%d runs in all, each delivered its input; %d of them once the game loop had returned", runsInAll,
              runsAfterTheLoop);
        // Every kind of yield was found and walked, the cue's own yield and the cue included.
        QCOMPARE(kindsWalked, (std::set<QString>{"fall step", "first-pass pause", "later pass", "collapse frame",
                                                 "before a cue", "during a cue"}));
    }
};

QTEST_MAIN(TestYieldPoints)
#include "test_yield_points.moc"
