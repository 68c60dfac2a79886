// Start-up as the player sees it: from just before the real program is
// started to the first screenshot of the X screen that shows the board's
// picture. Screenshots are taken one after another with a short sleep
// between, so the board appeared at most one polling period (sleep plus one
// screenshot, both printed) before the time taken.
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
#include <cstring>

namespace {

constexpr int kStarts = 5;
constexpr int kPollSleepMs = 2;
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

bool rowsMatch(const QImage& shot, QPoint at, int fromRow)
{
    const QImage& board = boardTop();
    const auto bytes = static_cast<std::size_t>(board.width()) * 4;
    for (int y = fromRow; y < board.height(); ++y)
        if (std::memcmp(shot.constScanLine(at.y() + y) + at.x() * 4, board.constScanLine(y), bytes) != 0) return false;
    return true;
}

// Where the board's top row starts in each line of the screenshot, then the rest below it.
bool showsBoard(const QImage& shot)
{
    const QImage& board = boardTop();
    const auto* first = reinterpret_cast<const QRgb*>(board.constScanLine(0));
    for (int y = 0; y + board.height() <= shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        const auto* end = line + shot.width() - board.width() + 1;
        for (const QRgb* at = std::search(line, line + shot.width(), first, first + board.width()); at < end;
             at = std::search(at + 1, line + shot.width(), first, first + board.width()))
            if (rowsMatch(shot, QPoint(static_cast<int>(at - line), y), 1)) return true;
    }
    return false;
}

QImage screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

struct Start {
    double ms;
    double pollMs;  // the longest gap between two screenshots
};

Start startOnce(const QString& program)
{
    if (showsBoard(screenshot())) qFatal("startup: the board shows before the program starts");
    // A directory of its own each time: the program makes its top-players file there.
    const QTemporaryDir directory;
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(directory.path());
    const auto started = Steady::now();
    process.start();
    auto lastShot = started;
    double pollMs = 0;
    for (;;) {
        const bool shown = showsBoard(screenshot());
        const auto now = Steady::now();
        pollMs = std::max(pollMs, ms(now - lastShot));
        lastShot = now;
        if (shown) break;
        if (ms(now - started) > kGiveUpMs) qFatal("startup: no board on the screen within %d ms", kGiveUpMs);
        QThread::msleep(kPollSleepMs);
    }
    const Start start{ms(lastShot - started), pollMs};
    process.kill();
    process.waitForFinished();
    QThread::msleep(kQuietAfterMs);
    return start;
}

} // namespace

void measureStartup(const QString& program)
{
    std::vector<double> starts;
    double pollMs = 0;
    for (int i = 0; i < kStarts; ++i) {
        const Start start = startOnce(program);
        starts.push_back(start.ms);
        pollMs = std::max(pollMs, start.pollMs);
        std::fprintf(stderr, "start-up %d: board on the screen after %.1f ms\n", i + 1, start.ms);
    }
    std::fprintf(stderr, "start-up: screenshots at most %.1f ms apart\n", pollMs);
    printFigure("startup_ms", median(starts));
}
