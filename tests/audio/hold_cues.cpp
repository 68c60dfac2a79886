// Plays cues through the real window and the real sound service, as the game
// does, while a private sound server fails at one phase of a cue, and checks
// on a steady clock that every cue holds the thread for its length, within
// kTolerance, whatever became of the server.
//
//   hold_cues PHASE PID_FILE START_COMMAND [AT_MS]
//
// PID_FILE lists the server's processes, killed with SIGKILL when the phase
// comes; START_COMMAND (run by the shell) starts the server again and returns
// once it answers. The phases:
//   before      killed before the first cue, so before any connection
//   connecting  killed AT ms (default 0) into the first cue, which connects
//   playing     killed AT ms (default half the cue) into a cue that plays
//   draining    killed AT ms (default 5) past a cue's length, as its end drains
//   between     killed after a cue returned, before the next one
//   missing     none at the start; started after the first cue, and the
//               cues after the reconnect wait must be heard
//   restarted   killed while a cue plays and started again; the same
//
// Prints a line a cue, "killed the server" for each kill, "heard: MS..." with
// the lengths of the cues that the recording of the last started server must
// hold, and the worst hold error. Ends with 0 when every cue held for its
// length, 1 when one did not or the fault could not be made.
#include "audio/CueLengths.h"
#include "window/Form1.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

constexpr auto kTolerance = 50ms;
// The sound service connects again at most about once a second after a loss;
// a cue that must be heard comes this long after the cue before it returned.
constexpr auto kReconnectWait = 1200ms;
constexpr auto kDrainingKill = 5ms;
// Silence after a cue that must be heard, so that the recording tells it from
// the next one (measure_recording.cpp joins shorter pauses).
constexpr auto kPauseAfterHeard = 200ms;
constexpr int kUsageError = 2;

enum class Fault { None, KillBefore, KillAtStart, KillMidway, KillPastEnd, StartBefore };

struct Step {
    int cue;
    Fault fault;
    bool heard;
};

struct Phase {
    const char* name;
    std::vector<Step> steps;
};

const std::vector<Phase>& phases()
{
    static const std::vector<Phase> table{
        {"before", {{1, Fault::KillBefore, false}, {1, Fault::None, false}}},
        {"connecting", {{1, Fault::KillAtStart, false}, {1, Fault::None, false}}},
        {"playing", {{1, Fault::None, false}, {2, Fault::KillMidway, false}, {1, Fault::None, false}}},
        {"draining", {{1, Fault::None, false}, {1, Fault::KillPastEnd, false}, {1, Fault::None, false}}},
        {"between", {{1, Fault::None, false}, {1, Fault::KillBefore, false}, {1, Fault::None, false}}},
        {"missing", {{1, Fault::None, false}, {1, Fault::StartBefore, true}, {2, Fault::None, true}}},
        {"restarted",
         {{1, Fault::None, false}, {2, Fault::KillMidway, false}, {1, Fault::StartBefore, true}, {2, Fault::None, true}}},
    };
    return table;
}

double milliseconds(SteadyClock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

std::string millisecondsText(SteadyClock::duration duration)
{
    return QString::number(milliseconds(duration), 'f', 1).toStdString();
}

std::chrono::microseconds lengthOf(int cue) { return kCueLengths[static_cast<std::size_t>(cue - 1)]; }

// Kills every process in the file at once; false where there was none to kill.
bool killServer(const QString& pidFile)
{
    QFile file(pidFile);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bool killed = false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        bool isNumber = false;
        const pid_t pid = static_cast<pid_t>(line.trimmed().toInt(&isNumber));
        if (isNumber && pid > 0) killed = ::kill(pid, SIGKILL) == 0 || killed;
    }
    return killed;
}

bool reportKill(bool killed, const std::string& when)
{
    std::printf(killed ? "killed the server %s\n" : "found no server to kill %s\n", when.c_str());
    return killed;
}

// When, after the cue starts, the kill of a fault during it comes.
std::optional<SteadyClock::duration> killMoment(Fault fault, int cue, std::optional<std::chrono::milliseconds> at)
{
    switch (fault) {
    case Fault::KillAtStart:
        return at.value_or(0ms);
    case Fault::KillMidway:
        return at ? SteadyClock::duration(*at) : SteadyClock::duration(lengthOf(cue) / 2);
    case Fault::KillPastEnd:
        return SteadyClock::duration(lengthOf(cue)) + at.value_or(kDrainingKill);
    default:
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const auto phase = arguments.size() < 4 ? phases().end()
                                            : std::find_if(phases().begin(), phases().end(), [&](const Phase& p) {
                                                  return arguments[1] == QLatin1String(p.name);
                                              });
    if (phase == phases().end() || arguments.size() > 5) {
        std::fprintf(stderr, "usage: hold_cues before|connecting|playing|draining|between|missing|restarted "
                             "PID_FILE START_COMMAND [AT_MS]\n");
        return kUsageError;
    }
    const QString pidFile = arguments[2];
    const std::string startCommand = arguments[3].toStdString();
    std::optional<std::chrono::milliseconds> at;
    if (arguments.size() == 5) at = std::chrono::milliseconds(arguments[4].toInt());

    Form1 form(makeQtPlatform());
    form.Form_Load();
    bool good = true;
    SteadyClock::duration worst{0};
    std::string heard;
    SteadyClock::time_point lastReturned = SteadyClock::now();
    for (std::size_t step = 0; step < phase->steps.size(); ++step) {
        const auto [cue, fault, mustBeHeard] = phase->steps[step];
        const char* fate = "";
        if (fault == Fault::KillBefore) {
            fate = step == 0 ? ", the server killed before any cue" : ", the server killed just before it";
            good = reportKill(killServer(pidFile), "before cue " + std::to_string(cue)) && good;
        } else if (fault == Fault::StartBefore) {
            fate = ", the server started before it";
            if (std::system(startCommand.c_str()) != 0) {
                std::printf("could not start the server\n");
                return 1;
            }
            std::this_thread::sleep_until(lastReturned + kReconnectWait);
        }
        const std::optional<SteadyClock::duration> killAfter = killMoment(fault, cue, at);
        const auto start = SteadyClock::now();
        std::thread killer;
        bool killed = false;
        if (killAfter) {
            fate = ", the server killed during it";
            killer = std::thread([&pidFile, &killed, moment = start + *killAfter] {
                std::this_thread::sleep_until(moment);
                killed = killServer(pidFile);
            });
        }
        form.PlayCue(static_cast<Integer>(cue));
        lastReturned = SteadyClock::now();
        const auto held = lastReturned - start;
        if (killer.joinable()) {
            killer.join();
            good = reportKill(killed, millisecondsText(*killAfter) + " ms into cue " + std::to_string(cue)) && good;
        }

        const auto error = held - lengthOf(cue);
        const bool inTime = error >= -kTolerance && error <= kTolerance;
        worst = std::max(worst, error < SteadyClock::duration::zero() ? -error : error);
        std::printf("cue %d: held %.1f ms for a cue of %.1f ms%s%s\n", cue, milliseconds(held),
                    milliseconds(lengthOf(cue)), fate, inTime ? "" : "  <- not its length");
        std::fflush(stdout);
        good = good && inTime;
        if (mustBeHeard) {
            heard.append(" ").append(millisecondsText(lengthOf(cue)));
            std::this_thread::sleep_for(kPauseAfterHeard);
        }
    }
    if (!good) std::printf("a kill found no server, or a cue did not hold for its length\n");
    if (!heard.empty()) std::printf("heard:%s\n", heard.c_str());
    std::printf("worst hold error: %.1f ms\n", milliseconds(worst));
    return good ? 0 : 1;
}
