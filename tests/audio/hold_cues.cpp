// Plays the six cues through the real window and the real sound service, as
// the game does, and checks on a steady clock that each one holds the thread
// for its length, within kTolerance, whatever became of the sound server.
//
//   hold_cues              the server as the environment finds it (or none)
//   hold_cues --kill PID MS   kills PID, the sound server, MS milliseconds
//                             into the third cue; from that cue on, every
//                             cue must hold for its length
//
// Ends with status 0 when every cue held for its length, 1 when one did not.
#include "audio/CueLengths.h"
#include "window/Form1.h"

#include <QApplication>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <thread>

#include <sys/types.h>

namespace {

using namespace std::chrono_literals;

constexpr auto kTolerance = 50ms;
constexpr int kKilledCue = 3;
constexpr int kUsageError = 2;

double milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    std::optional<pid_t> server;
    std::chrono::milliseconds killAfter{0};
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--kill")) {
        server = static_cast<pid_t>(arguments[2].toInt());
        killAfter = std::chrono::milliseconds(arguments[3].toInt());
    } else if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: hold_cues [--kill SERVER_PID MS]\n");
        return kUsageError;
    }

    Form1 form(makeQtPlatform());
    form.Form_Load();
    bool good = true;
    for (int cue = 1; cue <= static_cast<int>(kCueLengths.size()); ++cue) {
        std::thread killer;
        if (server && cue == kKilledCue) {
            killer = std::thread([pid = *server, killAfter] {
                std::this_thread::sleep_for(killAfter);
                ::kill(pid, SIGKILL);
            });
        }
        const auto start = std::chrono::steady_clock::now();
        form.PlayCue(static_cast<Integer>(cue));
        const auto held = std::chrono::steady_clock::now() - start;
        if (killer.joinable()) killer.join();

        const auto length = kCueLengths[static_cast<std::size_t>(cue - 1)];
        // Before the kill, a cue may wait a little longer for the device to play it out.
        const bool checked = !server || cue >= kKilledCue;
        const bool inTime = !checked || (held >= length - kTolerance && held <= length + kTolerance);
        std::printf("cue %d: held %.1f ms for a cue of %.1f ms%s%s\n", cue, milliseconds(held), milliseconds(length),
                    server && cue == kKilledCue ? ", the server killed during it" : "", inTime ? "" : "  <- not its length");
        std::fflush(stdout);
        good = good && inTime;
    }
    return good ? 0 : 1;
}
