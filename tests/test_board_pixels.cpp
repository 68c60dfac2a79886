// What the board shows on the screen at every yield of a scripted game (each
// fall step, landing, collapse frame and later pass), pixel for pixel,
// against the frames recorded in tests/board_frames.txt. It runs on the
// platform it is given: offscreen in the suite, and from their sessions on
// X11, Wayland and Windows, so that each one's real repaints are compared.
// Every actual frame list is written beside the program, to show what changed.
#include "support/GameScript.h"
#include "support/TestForm.h"
#include "support/WaitForExposed.h"
#include "support/YieldKinds.h"

#include "window/forms/CommandButton.h"
#include "window/Platform.h"
#include "window/forms/PictureBox.h"

#include <QApplication>
#include <QBackingStore>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <functional>
#include <map>

namespace {

const QString kReference = QStringLiteral(VORN_SOURCE_DIR "/tests/board_frames.txt");

// A real press, delivered to the window at a point of the board, so that the
// window finds what lies there as it does for the pointer.
void pressOnBoard(Form1& f, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(f.windowHandle(), button, {}, f.Picture1->client()->mapTo(&f, at));
}

QPoint middleOfSprite(Form1& f, int sprite)
{
    return QPoint(f.pieceX + 16, f.pieceY - 4 + 32 * sprite + 16);
}

// The board's inner area as the screen shows it. Wayland lets no client read
// the screen; there it is the buffer last handed to the compositor.
QImage boardShot(Form1& f, const QRect& area)
{
    const QPixmap shot = f.windowHandle()->screen()->grabWindow(f.winId(), area.x(), area.y(), area.width(), area.height());
    if (!shot.isNull()) return shot.toImage().convertToFormat(QImage::Format_RGB32);
    const auto* buffer = dynamic_cast<QImage*>(f.backingStore()->paintDevice());
    if (!buffer) return {};
    const qreal ratio = buffer->devicePixelRatio();
    return buffer->copy(QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toAlignedRect())
        .convertToFormat(QImage::Format_RGB32);
}

// "Continue", where it shows over the board, is blacked out: the platform's
// own style and fonts draw it, which differ from system to system.
QImage boardOnScreen(Form1& f)
{
    QWidget* board = f.Picture1->client();
    QImage shot = boardShot(f, QRect(board->mapTo(&f, QPoint(0, 0)), board->size()));
    if (f.Command1->isVisible() && !shot.isNull())
        QPainter(&shot).fillRect(QRect(board->mapFrom(&f, f.Command1->mapTo(&f, QPoint(0, 0))), f.Command1->size()), Qt::black);
    return shot;
}

QString fingerprint(const QImage& image)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = line[x] & RGB_MASK;
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(&rgb), sizeof rgb));
        }
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

QString kindName(YieldKind kind) { return QString::fromLatin1(nameOf(kind)).replace(QLatin1Char(' '), QLatin1Char('-')); }

// One piece of the script: its blocks, top first, and what the player does
// at some of its fall steps.
struct ScriptedPiece {
    std::vector<Integer> blocks;
    std::map<int, std::function<void(Form1&)>> atStep;
};

std::function<void(Form1&)> leftAt(int x)
{
    return [x](Form1& f) { pressOnBoard(f, Qt::LeftButton, QPoint(x, 440)); };
}

// Away from the piece, which the right button turns wherever it is pressed.
void turn(Form1& f) { pressOnBoard(f, Qt::RightButton, QPoint(f.pieceX < 112 ? 200 : 20, 440)); }

// As when the window is uncovered or restored: everything is painted again.
void repaintWhole(Form1& f) { f.update(); }

void pressOnSprite(Form1& f)
{
    pressOnBoard(f, Qt::LeftButton, middleOfSprite(f, 0));
    pressOnBoard(f, Qt::RightButton, middleOfSprite(f, 0));
}

// Three columns of 1, 2, 3 clear three rows at once and collapse in three
// passes; a bomb, a colour block and a row block act; pieces turn, slide to
// both walls and stop on blocks; presses on the piece do nothing; the whole
// window is painted again in mid-fall; "New game"
// in the last fall drops the piece without pauses and clears the board.
std::vector<ScriptedPiece> script()
{
    return {
        {{1, 2, 3}, {{1, leftAt(10)}}},
        {{1, 2, 3}, {{1, leftAt(40)}, {30, pressOnSprite}}},
        {{1, 2, 3}, {{1, leftAt(70)}, {20, turn}, {41, turn}, {60, turn}}},
        {{Cell::kBomb}, {}},
        {{2, 2, 4}, {{1, leftAt(200)}, {50, turn}, {60, repaintWhole}}},
        {{4}, {{3, leftAt(150)}}},
        {{Cell::kColourBlock}, {{1, leftAt(220)}}},
        {{5, 6}, {{1, leftAt(0)}, {9, turn}}},
        {{Cell::kRowBlock}, {{12, leftAt(60)}}},
        {{6, 6, 5}, {{40, [](Form1& f) { f.o12_Click(); }}}},
    };
}

struct BoardFrame {
    QString label;
    QString hash;
};

// On Wayland the compositor paces the repaints: a window repaints once the
// compositor has taken its last frame, which on a loaded machine may come
// after the yield's events are handled, so the buffer still holds the frame
// before. There a frame that differs from the recorded one is taken again
// until it shows it or kSettleMs have passed; a frame that is wrong stays
// wrong. X11 and Windows show each repaint at once.
constexpr int kSettleMs = 500;
constexpr int kSettlePollMs = 2;

// Plays the script, taking the board from the screen at every yield; each
// frame goes to onFrame as it is taken.
void playAndCapture(TestForm& t, const std::vector<BoardFrame>& expected,
                    const std::function<void(const BoardFrame&, const QImage&)>& onFrame)
{
    Form1& f = *t.form;
    const bool paced = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    std::size_t taken = 0;
    const auto take = [&](const QString& label) {
        const std::size_t i = taken++;
        QImage shot = boardOnScreen(f);
        QElapsedTimer waited;
        waited.start();
        while (paced && i < expected.size() && fingerprint(shot) != expected[i].hash && !waited.hasExpired(kSettleMs)) {
            QTest::qWait(kSettlePollMs);
            shot = boardOnScreen(f);
        }
        onFrame({label, fingerprint(shot)}, shot);
    };
    const std::vector<ScriptedPiece> pieces = script();
    for (const ScriptedPiece& piece : pieces) t.random->play(drawsFor(piece.blocks));
    int piece = -1;
    int step = 0;
    Integer lastY = 0;
    t.clock->onYield = [&](std::int32_t deadline) {
        const YieldKind kind = yieldKindOf(f, deadline - f.waitStart);
        // A yield cut short by a press comes again within the same step.
        if (kind == YieldKind::FallStep && f.pieceY != lastY) {
            if (f.pieceY < lastY) {
                ++piece;
                step = 0;
            }
            lastY = f.pieceY;
            const auto& inputs = pieces[static_cast<std::size_t>(piece)].atStep;
            if (const auto input = inputs.find(++step); input != inputs.end())
                t.clock->at(t.clock->now, [&f, action = input->second] { action(f); });
        }
        QCoreApplication::processEvents();
        take(QStringLiteral("piece-%1 %2 %3").arg(piece + 1).arg(kindName(kind)).arg(step));
    };
    f.Command1_Click();
    QCoreApplication::processEvents();
    take(QStringLiteral("ready"));
}

std::vector<BoardFrame> readFrames(const QString& path)
{
    QFile file(path);
    std::vector<BoardFrame> frames;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return frames;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
        frames.push_back({line.left(space), line.mid(space + 1)});
    }
    return frames;
}

QString writeFrames(const std::vector<BoardFrame>& frames)
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/board_frames.%1.txt")
                                                                      .arg(QGuiApplication::platformName());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        file.write("# The board at every yield of the scripted game: piece, kind of yield, fall step, pixels' digest\n");
        for (const BoardFrame& frame : frames) file.write((frame.label + QLatin1Char(' ') + frame.hash + QLatin1Char('\n')).toLatin1());
    }
    return path;
}

} // namespace

class TestBoardPixels : public QObject {
    Q_OBJECT

private slots:
    void everyFrameAsRecorded()
    {
        const std::vector<BoardFrame> expected = readFrames(kReference);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.show();
        QVERIFY(waitForExposed(f));
        std::vector<BoardFrame> frames;
        QString mismatch;
        playAndCapture(t, expected, [&](const BoardFrame& frame, const QImage& shot) {
            const std::size_t i = frames.size();
            frames.push_back(frame);
            if (!mismatch.isEmpty() || shot.isNull() ||
                (i < expected.size() && frame.label == expected[i].label && frame.hash == expected[i].hash))
                return;
            const QString picture = QCoreApplication::applicationDirPath() + QStringLiteral("/board_frame_%1.png").arg(i);
            shot.save(picture);
            mismatch = QStringLiteral("frame %1 (%2) shows %3 (%4) where %5 was recorded")
                           .arg(i)
                           .arg(frame.label, frame.hash, picture, i < expected.size() ? expected[i].label + QLatin1Char(' ') + expected[i].hash : QStringLiteral("no frame"));
        });
        const QString actual = writeFrames(frames);
        QVERIFY2(!boardOnScreen(f).isNull(), "the screen could not be read");
        QVERIFY2(!expected.empty(), qPrintable(QStringLiteral("no frames in ") + kReference));
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch + QStringLiteral("; every frame is in ") + actual));
        QCOMPARE(frames.size(), expected.size());
    }
};

int main(int argc, char* argv[])
{
    // The program's own settings, so that each platform repaints as the program does.
    chooseQtSettings();
    QApplication app(argc, argv);
    TestBoardPixels test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_board_pixels.moc"
