// Taking removed cells out: the 17 frames, one cell per column and pass,
// sliding cells drawn behind resting ones, chains, and what is drawn.
#include "support/GameScript.h"
#include "support/SolidPictures.h"
#include "support/TestForm.h"

#include "game/Pauses.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QTest>

namespace {

// The drawing's pixel scale may be above 1; read cells by board units.
Integer drawnCode(const Form1& f, int x, int y)
{
    const QImage& image = f.Picture1->drawing();
    const qreal ratio = image.devicePixelRatio();
    return codeAtPixel(image, qRound(x * ratio), qRound(y * ratio));
}

} // namespace

class TestCollapse : public QObject {
    Q_OBJECT

private slots:
    void passTiming_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<int>("passesWithRemoval");
        QTest::newRow("nothing to remove") << QStringList{"12"} << 0;
        QTest::newRow("one cell") << QStringList{"e1"} << 1;
        QTest::newRow("one cell in each of three columns") << QStringList{"e", "d1", "", "9"} << 1;
        QTest::newRow("two cells in a column take two passes") << QStringList{"ee2", "e"} << 2;
        QTest::newRow("a whole column of five") << QStringList{"", "99999"} << 5;
    }

    void passTiming()
    {
        QFETCH(QStringList, board);
        QFETCH(int, passesWithRemoval);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, board);
        f.soundCue = -1;
        int frames = 0;
        t.clock->onYield = [&](std::int32_t deadline) {
            if (deadline - f.waitStart == Pauses::kFramePauseMs && deadline != t.clock->now) ++frames;
        };
        const std::int32_t start = t.clock->now;
        f.SettleBoard();
        QCOMPARE(frames, passesWithRemoval * Pauses::kCollapseFrames);
        QCOMPARE(t.clock->now - start, Pauses::kFirstPassPauseMs + passesWithRemoval * Pauses::kCollapseFrames * Pauses::kFramePauseMs);
        QVERIFY(boardIsSound(f));
        for (const QString& column : columnsOf(f))
            for (const QChar code : column) QVERIFY2(code < QLatin1Char('9'), qPrintable(column));
    }

    void oneCellPerColumnPerPass()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"1ee2", "e3"});
        std::vector<QStringList> afterEachPass;
        int frame = 0;
        t.clock->onYield = [&](std::int32_t deadline) {
            if (deadline - f.waitStart != Pauses::kFramePauseMs) return;
            if (++frame % Pauses::kCollapseFrames == 0) afterEachPass.push_back(columnsOf(f));
        };
        f.SettleBoard();
        // Snapshots are taken in the last frame, before that pass's collapse.
        QCOMPARE(afterEachPass.size(), std::size_t(2));
        QCOMPARE(afterEachPass[0].mid(0, 2), (QStringList{"1ee2", "e3"}));
        QCOMPARE(afterEachPass[1].mid(0, 2), (QStringList{"1e2", "3"}));
        QCOMPARE(columnsOf(f).mid(0, 2), (QStringList{"12", "3"}));
    }

    void slidingCellsMoveTwoUnitsAFrameBehindRestingOnes()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        useSolidPictures(f);
        f.Picture1->setAutoRedraw(true);
        // Column 1 from the floor: 2 resting, a cleared cell, 3 above it sliding.
        setColumns(f, {"2e3"});
        int frame = 0;
        bool checked = false;
        t.clock->onYield = [&](std::int32_t deadline) {
            if (deadline - f.waitStart != Pauses::kFramePauseMs || deadline == t.clock->now) return;
            const int offset = 2 * frame;
            // The sliding cleared cell's top edge is `offset` below row 12.
            if (offset < 32) QCOMPARE(drawnCode(f, 16, 12 * 32 + offset), Integer(14));
            QCOMPARE(drawnCode(f, 16, 11 * 32 + offset), Integer(3));
            if (offset > 0) QCOMPARE(drawnCode(f, 16, 11 * 32 + offset - 1), Integer(0));
            // The resting cell beneath is drawn over the cell sliding into it.
            QCOMPARE(drawnCode(f, 16, 13 * 32), Integer(2));
            QCOMPARE(drawnCode(f, 16, 13 * 32 + 30), Integer(2));
            ++frame;
            checked = true;
        };
        f.SettleBoard();
        QVERIFY(checked);
        QCOMPARE(frame, Pauses::kCollapseFrames);
        QCOMPARE(columnsOf(f).front(), QStringLiteral("23"));
        // After the last pass the board is drawn where the cells now lie.
        QCOMPARE(drawnCode(f, 16, 12 * 32 + 16), Integer(3));
        QCOMPARE(drawnCode(f, 16, 11 * 32 + 16), Integer(0));
    }

    void redrawShowsEveryCellInItsPlace()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        useSolidPictures(f);
        f.Picture1->setAutoRedraw(true);
        setColumns(f, {"123", "", "4567", "89", "abcde", "", "e"});
        f.RedrawBoard();
        for (int c = 1; c <= 7; ++c) {
            for (int r = 0; r <= 13; ++r) {
                const Integer code = f.board(c, r);
                QCOMPARE(drawnCode(f, c * 32 - 32 + 1, r * 32 + 1), code);
                QCOMPARE(drawnCode(f, c * 32 - 1, r * 32 + 30), code);
            }
        }
        f.Picture1->Cls();
        QCOMPARE(drawnCode(f, 1, 13 * 32 + 1), Integer(0));
    }

    void landingPaintsTheBlocksIntoTheirCells()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        useSolidPictures(f);
        f.Picture1->setAutoRedraw(true);
        f.pieceLast = 2;
        f.pieceColors = {4, 5, 6};
        f.pieceX = 64;
        f.pieceY = 352;
        f.pieceRow = 11;
        f.pieceCol = 3;
        f.LandPiece();
        QCOMPARE(columnsOf(f).at(2), QStringLiteral("654"));
        QCOMPARE(drawnCode(f, 64, 352), Integer(4));
        QCOMPARE(drawnCode(f, 95, 415), Integer(5));
        // Row 13 shows 31 of its 32 pixel rows: the inner area is 447 high.
        QCOMPARE(drawnCode(f, 70, 13 * 32 + 30), Integer(6));
        QCOMPARE(f.Picture1->drawing().deviceIndependentSize().toSize(), QSize(224, 447));
        QCOMPARE(drawnCode(f, 63, 400), Integer(0));
        QCOMPARE(drawnCode(f, 70, 351), Integer(0));
        for (int i = 0; i <= 2; ++i) QVERIFY(!f.Dio(i)->Visible());
    }

    void preview_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("one block in the bottom slot") << QList<int>{5};
        QTest::newRow("two blocks in the lower slots") << QList<int>{2, 9};
        QTest::newRow("three blocks fill the slots") << QList<int>{1, 7, 12};
    }

    void preview()
    {
        QFETCH(QList<int>, codes);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        useSolidPictures(f);
        f.nextLast = static_cast<Integer>(codes.size() - 1);
        for (int k = 0; k < codes.size(); ++k) f.nextColors[static_cast<std::size_t>(k)] = static_cast<Integer>(codes[k]);
        f.DrawPreview();
        f.DrawPreview();
        const QImage& image = f.Picture7->drawing();
        const qreal ratio = image.devicePixelRatio();
        // Slots of 384 twips (25.6 pixels), 448 twips (29.9 pixels) wide; sample their middles.
        for (int slot = 0; slot <= 2; ++slot) {
            const int k = slot - (2 - f.nextLast);
            const Integer expected = k >= 0 ? static_cast<Integer>(codes[k]) : Integer(0);
            const int y = qRound((slot * 384 + 192) / 15.0 * ratio);
            QCOMPARE(codeAtPixel(image, qRound(15 * ratio), y), expected);
        }
        // Nothing right of the 448-twip cell.
        QCOMPARE(codeAtPixel(image, qRound(31.5 * ratio), qRound(65 * ratio)), Integer(0));
    }

    void previewIsPaintedWhileHidden()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        useSolidPictures(f);
        f.Picture7->setVisible(false);
        f.nextLast = 0;
        f.nextColors = {3, 0, 0};
        f.DrawPreview();
        const QImage& image = f.Picture7->drawing();
        QCOMPARE(codeAtPixel(image, qRound(15 * image.devicePixelRatio()), qRound(64 * image.devicePixelRatio())),
                 Integer(3));
    }

    void frameCostsWellUnderAMillisecond()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, QStringList(7, QStringLiteral("12121212121212")));
        constexpr int kRepeats = 500;
        QElapsedTimer timer;
        timer.start();
        for (int n = 0; n < kRepeats; ++n) f.RedrawBoard();
        const double perFrameMs = double(timer.nsecsElapsed()) / 1e6 / kRepeats;
        qInfo("one full redraw of 98 cells: %.3f ms", perFrameMs);
        QVERIFY2(perFrameMs < 1.0, qPrintable(QString::number(perFrameMs)));
    }
};

QTEST_MAIN(TestCollapse)
#include "test_collapse.moc"
