// Hundreds of whole games with random clicks on the virtual clock, checking
// after every piece what must always hold: walls and floor intact, every
// column an unbroken run on the floor, nothing left to remove, cash equal to
// the cells cleared, the level consistent with cash and starting level.
#include "support/GameRecorder.h"
#include "support/GameScript.h"

#include "game/FloorDiv.h"
#include "window/forms/PictureBox.h"

#include <QTest>

#include <random>

namespace {

constexpr int kGames = 250;
constexpr int kFrames = 17;
constexpr std::int32_t kFramePauseMs = 14;

Integer expectedLevel(Integer startLevel, std::int64_t cash)
{
    const auto earned = static_cast<std::int64_t>(floorDiv(static_cast<int>(std::max<std::int64_t>(cash, 1) - 1), 50)) + 1;
    return static_cast<Integer>(std::min<std::int64_t>(10, std::max<std::int64_t>(startLevel, cash > 0 ? earned : 0)));
}

// Cleared cells leave the board one per column and pass; count those that go.
int clearedCellsLeaving(const Form1& f)
{
    int count = 0;
    for (int x = 1; x <= 7; ++x) {
        for (int y = 13; y >= 1; --y) {
            if (f.board(x, y) < Cell::kFirstToRemove) continue;
            count += f.board(x, y) == Cell::kCleared;
            break;
        }
    }
    return count;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomGames()
    {
        std::mt19937 chance(4242);
        int piecesPlayed = 0;
        std::int64_t totalCash = 0;
        for (int game = 0; game < kGames; ++game) {
            TestForm t;
            Form1& f = *t.form;
            f.Form_Load();
            f.startLevel = static_cast<Integer>(1 + game % 10);
            t.random->seeded(static_cast<unsigned>(1000 + game));
            for (std::int32_t at = 0; at < 400000; at += static_cast<std::int32_t>(chance() % 700)) {
                const double x = std::uniform_real_distribution<double>(-20, 240)(chance);
                const int button = chance() % 3 == 0 ? PictureBox::kRightButton : PictureBox::kLeftButton;
                t.clock->at(at, [&f, x, button] { f.Picture1_MouseDown(button, 0, x, 10); });
            }

            GameRecorder recorder(t);
            int cleared = 0;
            std::int32_t lastFrameStart = -1;
            int frame = 0;
            auto watchPauses = t.clock->onYield;
            t.clock->onYield = [&](std::int32_t deadline) {
                watchPauses(deadline);
                const bool sliding = deadline - f.waitStart == kFramePauseMs && !f.Dio(0)->isVisibleTo(f.Picture1);
                if (!sliding || f.waitStart == lastFrameStart) return;
                lastFrameStart = f.waitStart;
                if (frame++ % kFrames == 0) cleared += clearedCellsLeaving(f);
            };
            recorder.onSettled = [&] {
                QString why;
                QVERIFY2(boardIsSound(f, &why), qPrintable(why));
                for (const QString& column : columnsOf(f))
                    for (const QChar code : column) QVERIFY2(code < QLatin1Char('9'), qPrintable(column));
                QCOMPARE(f.cash, cleared);
                QCOMPARE(f.level, expectedLevel(f.startLevel, f.cash));
            };
            recorder.play();
            QVERIFY(f.gameOver);
            bool rowThreeReached = false;
            for (int c = 1; c <= 7; ++c) rowThreeReached |= f.board(c, 3) > 0;
            QVERIFY(rowThreeReached);
            for (const GameRecorder::Piece& piece : recorder.pieces) QCOMPARE(piece.path.back().y() % 32, 0);
            piecesPlayed += static_cast<int>(recorder.pieces.size());
            totalCash += f.cash;
        }
        qInfo("%d games, %d pieces, %lld cash in all", kGames, piecesPlayed, static_cast<long long>(totalCash));
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
