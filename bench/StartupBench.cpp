// Start-up as the player sees it: from just before the real program is
// started to the first screenshot of the X screen that shows the board's
// picture. A first start, not counted, finds where on the screen the window
// manager puts the board; the counted starts then take screenshots of just
// that part, one after another with a short sleep between, so the board
// appeared at most one polling period (the longest is printed as the
// figure's accuracy) before the time taken.
#include "Benchmarks.h"

#include "Figures.h"
#include "Statistics.h"

#include "window/Pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <optional>
#include <cstring>

namespace {

constexpr int kStarts = 5;
constexpr int kPollSleepMs = 1;
constexpr int kGiveUpMs = 20000;
constexpr int kQuietAfterMs = 500;
// The board's top part, above "Continue": nothing covers it at start-up.
constexpr QRect kBoardTop(0, 0, 224, 180);

using Steady = std::chrono::steady_clock;

double ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

const QImage& boardTop()
{
    static const QImage board = Pictures::boardPicture(1.0).toImage().convertToFormat(QImage::Format_RGB32).copy(kBoardTop);
    return board;
}

QImage screenshot(const QRect& part)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, part.x(), part.y(), part.width(), part.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool showsBoardAt(const QImage& shot, QPoint at)
{
    const QImage& board = boardTop();
    const auto bytes = static_cast<std::size_t>(board.width()) * sizeof(QRgb);
    for (int y = 0; y < board.height(); ++y)
        if (std::memcmp(shot.constScanLine(at.y() + y) + at.x() * static_cast<int>(sizeof(QRgb)), board.constScanLine(y),
                        bytes) != 0)
            return false;
    return true;
}

// Where the board's top row begins in some line of the shot, with the rest below it.
std::optional<QPoint> findBoard(const QImage& shot)
{
    const QImage& board = boardTop();
    const auto* row = reinterpret_cast<const QRgb*>(board.constScanLine(0));
    for (int y = 0; y + board.height() <= shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        const auto* lineEnd = line + shot.width();
        for (auto at = std::search(line, lineEnd, row, row + board.width()); at != lineEnd;
             at = std::search(at + 1, lineEnd, row, row + board.width())) {
            const QPoint point(static_cast<int>(at - line), y);
            if (showsBoardAt(shot, point)) return point;
        }
    }
    return std::nullopt;
}

struct Start {
    double ms;
    double pollMs;  // the longest gap between two screenshots
    QPoint board;   // where the board showed
};

// Starts the program and looks at part of the screen (the whole screen when
// part is null) until the board shows.
Start startOnce(const QString& program, const QRect& part)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect looked = part.isNull() ? screen : part;
    const auto boardIn = [&looked](const QImage& shot) -> std::optional<QPoint> {
        if (looked.size() == kBoardTop.size())
            return showsBoardAt(shot, QPoint(0, 0)) ? std::optional(looked.topLeft()) : std::nullopt;
        const auto found = findBoard(shot);
        return found ? std::optional(*found + looked.topLeft()) : std::nullopt;
    };
    if (boardIn(screenshot(looked))) qFatal("startup: the board shows before the program starts");
    // A directory of its own each time: the program makes its top-players file there.
    const QTemporaryDir directory;
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(directory.path());
    // The program picks its platform as it would for a player.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    const auto started = Steady::now();
    process.start();
    auto lastShot = started;
    Start start{0, 0, {}};
    for (;;) {
        const std::optional<QPoint> board = boardIn(screenshot(looked));
        const auto now = Steady::now();
        start.pollMs = std::max(start.pollMs, ms(now - lastShot));
        lastShot = now;
        if (board) {
            start.board = *board;
            break;
        }
        if (ms(now - started) > kGiveUpMs) qFatal("startup: no board on the screen within %d ms", kGiveUpMs);
        QThread::msleep(kPollSleepMs);
    }
    start.ms = ms(lastShot - started);
    process.kill();
    process.waitForFinished();
    QThread::msleep(kQuietAfterMs);
    return start;
}

} // namespace

void measureStartup(const QString& program)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) qFatal("startup: run on an X screen (QT_QPA_PLATFORM=xcb)");
    const Start locating = startOnce(program, {});
    std::fprintf(stderr, "start-up: the board shows at (%d, %d)\n", locating.board.x(), locating.board.y());
    const QRect part(locating.board, kBoardTop.size());
    std::vector<double> starts;
    double pollMs = 0;
    for (int i = 0; i < kStarts; ++i) {
        const Start start = startOnce(program, part);
        starts.push_back(start.ms);
        pollMs = std::max(pollMs, start.pollMs);
        std::fprintf(stderr, "start-up %d: board on the screen after %.1f ms\n", i + 1, start.ms);
    }
    printFigure("startup_ms", median(starts));
    // The board showed at most this long before the screenshot that found it.
    printFigure("startup_accuracy_ms", pollMs);
}
