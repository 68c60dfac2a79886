// Making the next piece: the order and number of draws, the codes they give,
// and the level's chance of a special block.
#include "support/GameScript.h"
#include "support/TestForm.h"

#include "window/SystemRandom.h"

#include <QTest>

class TestNextPiece : public QObject {
    Q_OBJECT

private slots:
    void scriptedDraws_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("drawsUsed");
        const double justUnderOne = 1.0 - 1e-12;
        QTest::newRow("all zeros: a special joker") << 1 << QList<double>{0, 0, 0, 0} << QList<int>{7} << 4;
        QTest::newRow("just under 1: three jokers")
            << 1 << QList<double>(7, justUnderOne) << QList<int>{7, 7, 7} << 7;
        QTest::newRow("single, chance misses at level 1")
            << 1 << QList<double>{0.1, 3.5 / 7, 0.5} << QList<int>{4} << 3;
        QTest::newRow("single, chance hits at level 1: bomb")
            << 1 << QList<double>{0.1, 0.9, 0.49, 5.5 / 6} << QList<int>{12} << 4;
        QTest::newRow("single, shower block") << 3 << QList<double>{0.2, 0.0, 0.3, 1.5 / 6} << QList<int>{8} << 4;
        QTest::newRow("level 10: 0.14 of 7 still hits")
            << 10 << QList<double>{0.0, 0.0, 0.14, 2.5 / 6} << QList<int>{9} << 4;
        QTest::newRow("level 10: 0.15 of 7 misses") << 10 << QList<double>{0.0, 0.0, 0.15} << QList<int>{1} << 3;
        QTest::newRow("level 4: m is 4") << 4 << QList<double>{0.0, 0.0, 0.24, 4.5 / 6} << QList<int>{11} << 4;
        QTest::newRow("level 5: m is still 4") << 5 << QList<double>{0.0, 0.0, 0.26} << QList<int>{1} << 3;
        QTest::newRow("two blocks never special")
            << 1 << QList<double>{0.5, 0.0, 0.0, 6.5 / 7, 0.0} << QList<int>{1, 7} << 5;
        QTest::newRow("three blocks, top first")
            << 1 << QList<double>{0.9, 1.5 / 7, 0, 2.5 / 7, 0, 4.5 / 7, 0} << QList<int>{2, 3, 5} << 7;
    }

    void scriptedDraws()
    {
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, codes);
        QFETCH(int, drawsUsed);
        TestForm t;
        Form1& f = *t.form;
        f.level = static_cast<Integer>(level);
        t.random->play(std::vector<double>(draws.begin(), draws.end()));
        f.nextColors = {99, 99, 99};
        f.MakeNextPiece();
        QCOMPARE(int(f.nextLast), static_cast<int>(codes.size()) - 1);
        for (int i = 0; i < codes.size(); ++i) QCOMPARE(int(f.nextColors[static_cast<std::size_t>(i)]), codes[i]);
        for (int i = static_cast<int>(codes.size()); i <= 2; ++i)
            QCOMPARE(int(f.nextColors[static_cast<std::size_t>(i)]), 99);
        QCOMPARE(t.random->draws, drawsUsed);
    }

    void scriptHelperMakesWhatItSays()
    {
        TestForm t;
        Form1& f = *t.form;
        for (Integer level : {1, 10}) {
            f.level = level;
            for (const std::vector<Integer>& codes :
                 std::vector<std::vector<Integer>>{{1}, {7}, {8}, {12}, {3, 4}, {6, 5, 7}}) {
                t.random->play(drawsFor(codes));
                f.MakeNextPiece();
                QCOMPARE(int(f.nextLast), static_cast<int>(codes.size()) - 1);
                for (std::size_t i = 0; i < codes.size(); ++i) QCOMPARE(f.nextColors[i], codes[i]);
            }
        }
    }

    void longRunProportions_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("specialShare");
        QTest::newRow("level 1: one in two") << 1 << 1.0 / 2;
        QTest::newRow("level 3: one in three") << 3 << 1.0 / 3;
        QTest::newRow("level 10: one in seven") << 10 << 1.0 / 7;
    }

    void longRunProportions()
    {
        QFETCH(int, level);
        QFETCH(double, specialShare);
        TestForm t;
        Form1& f = *t.form;
        t.random->seeded(20261208);
        f.level = static_cast<Integer>(level);
        constexpr int kPieces = 60000;
        std::array<int, 3> sizes{};
        int singles = 0;
        int specialDraws = 0;
        for (int n = 0; n < kPieces; ++n) {
            const int before = t.random->draws;
            f.MakeNextPiece();
            ++sizes[static_cast<std::size_t>(f.nextLast)];
            for (int i = 0; i <= f.nextLast; ++i) {
                const Integer code = f.nextColors[static_cast<std::size_t>(i)];
                QVERIFY(code >= 1 && code <= 12);
                if (f.nextLast > 0) QVERIFY(code <= 7);
            }
            const int extra = t.random->draws - before - (1 + 2 * (f.nextLast + 1));
            QVERIFY(extra == 0 || extra == 1);
            if (f.nextLast == 0) {
                ++singles;
                specialDraws += extra;
            }
        }
        for (int size : sizes) QVERIFY(std::abs(size - kPieces / 3) < kPieces / 50);
        QVERIFY(std::abs(double(specialDraws) / singles - specialShare) < 0.015);
    }

    void productionDrawsStayBelowOne()
    {
        SystemRandom random;
        random.randomize();
        double sum = 0;
        constexpr int kDraws = 200000;
        for (int i = 0; i < kDraws; ++i) {
            const double draw = random.next();
            QVERIFY(draw >= 0.0 && draw < 1.0);
            sum += draw;
        }
        QVERIFY(std::abs(sum / kDraws - 0.5) < 0.01);
    }
};

QTEST_MAIN(TestNextPiece)
#include "test_next_piece.moc"
