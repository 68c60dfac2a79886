// The window as built and loaded: every control's initial state, the Ready
// state, the layout, and what "Continue" changes.
#include "support/TestForm.h"
#include "support/WaitForExposed.h"

#include "game/FloorDiv.h"
#include "window/forms/CommandButton.h"
#include "window/forms/Frame.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"
#include "window/forms/TextBox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void designStateBeforeLoad()
    {
        TestForm t;
        Form1& f = *t.form;
        QCOMPARE(f.lev->Caption(), QStringLiteral("  1"));
        QCOMPARE(f.lova->Caption(), QStringLiteral("0$"));
        QCOMPARE(f.ime->Text(), QStringLiteral("Player"));
        QVERIFY(!f.Dio(0)->Visible());
        QCOMPARE(t.random->seeds, 0);
    }

    void readyStateAfterLoad()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        QCOMPARE(f.windowTitle(), QStringLiteral("Vorn v2.00"));
        QCOMPARE(f.lev->Caption(), QStringLiteral("1"));
        QCOMPARE(f.lova->Caption(), QStringLiteral("0$"));
        QCOMPARE(f.ime->Text(), QStringLiteral("Player"));
        QCOMPARE(f.ime->maxLength(), 8);
        QVERIFY(f.ime->isEnabled());
        QVERIFY(f.Command1->Visible());
        QCOMPARE(f.Command1->Caption(), QStringLiteral("Continue"));
        QVERIFY(!f.o11->Enabled());
        QVERIFY(f.o12->Enabled());
        QVERIFY(!f.o21->Checked());
        QVERIFY(f.o22->Enabled());
        for (int i = 0; i <= 9; ++i) QCOMPARE(f.o221(i)->Checked(), i == 0);
        for (int i = 0; i <= 4; ++i) {
            QCOMPARE(f.topime(i)->Caption(), QStringLiteral("Mirako"));
            QCOMPARE(f.topcash(i)->Caption(), QStringLiteral("0$"));
        }
        for (int i = 0; i <= 2; ++i) {
            QVERIFY(!f.Dio(i)->Visible());
            QCOMPARE(f.Dio(i)->BorderStyle(), int(PictureBox::kBorderNone));
            QCOMPARE(f.Dio(i)->size(), QSize(32, 32));
        }
        for (int k = 0; k <= 13; ++k) QVERIFY(!f.Slika(k)->Visible());
        QCOMPARE(f.startLevel, Integer(1));
        QCOMPARE(f.level, Integer(1));
        QCOMPARE(f.cash, 0);
        QCOMPARE(t.random->seeds, 1);
        QVERIFY(f.Label2->Caption().startsWith(QStringLiteral("The only control that you need is a mouse.")));
    }

    void menuTree()
    {
        TestForm t;
        Form1& f = *t.form;
        const QList<QAction*> bar = f.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0], f.o1->action());
        QCOMPARE(bar[1], f.o2->action());
        QCOMPARE(f.o1->Caption(), QStringLiteral("Game"));
        QCOMPARE(f.o2->Caption(), QStringLiteral("Options"));
        QCOMPARE(f.o1->action()->menu()->actions(), (QList<QAction*>{f.o11->action(), f.o12->action()}));
        QCOMPARE(f.o2->action()->menu()->actions(), (QList<QAction*>{f.o21->action(), f.o22->action()}));
        QCOMPARE(f.o11->Caption(), QStringLiteral("Prk"));
        QCOMPARE(f.o12->Caption(), QStringLiteral("New game"));
        QCOMPARE(f.o21->Caption(), QStringLiteral("Hide next"));
        QCOMPARE(f.o22->Caption(), QStringLiteral("Starting level"));
        const QList<QAction*> levels = f.o22->action()->menu()->actions();
        QCOMPARE(levels.size(), 10);
        for (int i = 0; i <= 9; ++i) {
            QCOMPARE(levels[i], f.o221(i)->action());
            QCOMPARE(f.o221(i)->Caption(), QStringLiteral("Level %1").arg(i + 1));
        }
        for (QAction* item : f.findChildren<QAction*>()) QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
    }

    void controlGeometry_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 228, 451);
        QTest::newRow("Picture3 red strip") << "Picture3" << QRect(227, 0, 9, 133);
        QTest::newRow("Picture2 yellow strip") << "Picture2" << QRect(227, 132, 9, 353);
        QTest::newRow("Picture4 grey bar") << "Picture4" << QRect(234, 0, 17, 473);
        QTest::newRow("Picture6 title") << "Picture6" << QRect(250, 0, 204, 69);
        QTest::newRow("Frame1 Next") << "Frame1" << QRect(261, 80, 64, 113);
        QTest::newRow("Picture7 preview") << "Picture7" << QRect(16, 24, 34, 78);
        QTest::newRow("Frame2 Level") << "Frame2" << QRect(336, 80, 81, 49);
        QTest::newRow("lev") << "lev" << QRect(24, 16, 49, 25);
        QTest::newRow("Frame3 Cash") << "Frame3" << QRect(336, 144, 105, 49);
        QTest::newRow("lova") << "lova" << QRect(8, 21, 89, 17);
        QTest::newRow("Label2 help") << "Label2" << QRect(264, 208, 177, 65);
        QTest::newRow("Frame4 Your name") << "Frame4" << QRect(261, 276, 180, 45);
        QTest::newRow("ime") << "ime" << QRect(80, 16, 89, 19);
        QTest::newRow("Frame5 Top players") << "Frame5" << QRect(261, 330, 180, 113);
        QTest::newRow("topime 0") << "topime0" << QRect(16, 24, 81, 17);
        QTest::newRow("topime 4") << "topime4" << QRect(16, 88, 81, 17);
        QTest::newRow("topcash 1") << "topcash1" << QRect(104, 40, 57, 17);
        QTest::newRow("topcash 2 is taller") << "topcash2" << QRect(104, 56, 57, 25);
        QTest::newRow("Command1 Continue") << "Command1" << QRect(72, 184, 81, 33);
        QTest::newRow("Slika 5 holder") << "Slika5" << QRect(0, 0, 36, 36);
    }

    void controlGeometry()
    {
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        TestForm t;
        Form1& f = *t.form;
        const std::map<QString, QWidget*> controls{
            {"Picture1", f.Picture1}, {"Picture2", f.Picture2}, {"Picture3", f.Picture3},
            {"Picture4", f.Picture4}, {"Picture6", f.Picture6}, {"Picture7", f.Picture7},
            {"Frame1", f.Frame1},     {"Frame2", f.Frame2},     {"Frame3", f.Frame3},
            {"Frame4", f.Frame4},     {"Frame5", f.Frame5},     {"lev", f.lev},
            {"lova", f.lova},         {"Label2", f.Label2},     {"ime", f.ime},
            {"topime0", f.topime(0)}, {"topime4", f.topime(4)}, {"topcash1", f.topcash(1)},
            {"topcash2", f.topcash(2)}, {"Command1", f.Command1}, {"Slika5", f.Slika(5)},
        };
        QCOMPARE(controls.at(control)->geometry(), expected);
    }

    void boardInnerAreaAndParents()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        QCOMPARE(f.Picture1->client()->geometry(), QRect(2, 2, 224, 447));
        QCOMPARE(f.Picture6->client()->size(), QSize(200, 65));
        QCOMPARE(f.Picture7->client()->geometry(), QRect(0, 0, 34, 78));
        QCOMPARE(f.Dio(1)->parent(), static_cast<QObject*>(f.Picture1));
        QCOMPARE(f.Picture7->parentWidget(), static_cast<QWidget*>(f.Frame1));
        QCOMPARE(f.ime->parentWidget(), static_cast<QWidget*>(f.Frame4));
        QCOMPARE(f.clientArea->size(), QSize(448, 450));
        QCOMPARE(f.Picture1->scaleMode(), PictureBox::ScaleMode::Pixels);
        QCOMPARE(f.Picture7->scaleMode(), PictureBox::ScaleMode::Twips);
    }

    void continueLiesAboveTheBoard()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.show();
        QVERIFY(waitForExposed(f));
        const QPoint centre = f.Command1->geometry().center();
        QCOMPARE(f.clientArea->childAt(centre), static_cast<QWidget*>(f.Command1));
    }

    void windowKeepsItsSize()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.show();
        QVERIFY(waitForExposed(f));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        f.resize(800, 700);
        QCOMPARE(f.clientArea->size(), QSize(448, 450));
        QCOMPARE(f.Picture1->geometry(), QRect(0, 0, 228, 451));
    }

    void fontsColoursAndAlignment()
    {
        TestForm t;
        Form1& f = *t.form;
        QCOMPARE(f.lev->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(f.lev->font().pointSizeF(), 13.5);
        QVERIFY(f.lev->font().bold());
        QCOMPARE(f.lev->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(f.lev->alignment() & Qt::AlignHCenter);
        QCOMPARE(f.lova->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
        QVERIFY(f.lova->alignment() & Qt::AlignRight);
        QVERIFY(f.topcash(0)->alignment() & Qt::AlignRight);
        QVERIFY(f.topime(0)->alignment() & Qt::AlignLeft);
        QCOMPARE(f.topime(0)->font().pointSizeF(), 8.25);
        QVERIFY(!f.topime(0)->font().bold());
        QCOMPARE(f.Command1->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(f.Command1->font().pointSizeF(), 11.25);
        QVERIFY(f.Command1->font().bold());
        QCOMPARE(f.Frame5->font().pointSizeF(), 9.0);
        QVERIFY(f.Frame5->font().bold());
        QVERIFY(f.Label2->wordWrap());
        QCOMPARE(f.Picture3->palette().color(QPalette::Window), QColor(0xC0, 0, 0));
        QCOMPARE(f.Picture2->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(f.Picture1->BorderStyle(), int(PictureBox::kBorderFixedSingle));
        QCOMPARE(f.Picture7->BorderStyle(), int(PictureBox::kBorderNone));
    }

    void pointerShowsOverTheBackgroundOnly()
    {
        TestForm t;
        Form1& f = *t.form;
        QCOMPARE(f.clientArea->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(f.clientArea->cursor().hotSpot(), QPoint(0, 0));
        for (QWidget* control : {static_cast<QWidget*>(f.Picture1), static_cast<QWidget*>(f.Frame5),
                                 static_cast<QWidget*>(f.Command1), static_cast<QWidget*>(f.Label2)})
            QCOMPARE(control->cursor().shape(), Qt::ArrowCursor);
    }

    void nameBoxTakesEightCharacters()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.ime->clear();
        QTest::keyClicks(f.ime, QStringLiteral("Abcdefgh"));
        QCOMPARE(f.ime->Text(), QStringLiteral("Abcdefgh"));
        QTest::keyClicks(f.ime, QStringLiteral("i"));
        QCOMPARE(f.ime->Text(), QStringLiteral("Abcdefgh"));
    }

    void resetBoardHasWallsAndFloor()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.board(3, 5) = 4;
        f.NewGameReset();
        int walls = 0;
        for (int c = 0; c <= 8; ++c) {
            for (int r = 0; r <= 14; ++r) {
                const bool border = c == 0 || c == 8 || r == 14;
                QCOMPARE(f.board(c, r), border ? Cell::kWall : Cell::kEmpty);
                walls += border;
            }
        }
        QCOMPARE(walls, 15 + 15 + 7);
    }

    void colorMaskTable()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        const std::array<Integer, 16> expected{0, 1, 2, 4, 8, 16, 32, 255, 128, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(f.colorMask, expected);
        QCOMPARE(f.colorMask[Cell::kWall & 15], Integer(0));
    }

    void floorDivision_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("expected");
        QTest::newRow("-92 lies in row -3") << -92 << -3;
        QTest::newRow("-4 lies in row -1") << -4 << -1;
        QTest::newRow("-32 exactly") << -32 << -1;
        QTest::newRow("-33") << -33 << -2;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("31") << 31 << 0;
        QTest::newRow("32") << 32 << 1;
        QTest::newRow("447") << 447 << 13;
    }

    void floorDivision()
    {
        QFETCH(int, numerator);
        QFETCH(int, expected);
        QCOMPARE(floorDiv(numerator, 32), expected);
    }

    void continueEntersPlaying()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        bool checked = false;
        t.clock->at(10, [&] {
            QVERIFY(!f.Command1->Visible());
            QVERIFY(!f.o11->Enabled());
            QVERIFY(!f.ime->isEnabled());
            QVERIFY(!f.o22->Enabled());
            QVERIFY(f.Dio(0)->Visible());
            checked = true;
            f.stopGame = true;
        });
        f.Command1_Click();
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
