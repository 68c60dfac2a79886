// One window of the game, started in the directory named on the command line.
// It says "ready" once started; then, for each line "NAME CASH AT" on its
// input, it waits until the steady clock (the same in every process) reads
// AT nanoseconds, enters that result as a game over does and says "saved".
// A test starts several in one directory to end their games at one moment.
// The line "hold" makes it take the table's lock, say "locked" and wait,
// holding it, to be killed: a window that dies in the middle of its save.
#include "support/TestForm.h"

#include "scores/TopPlayersFile.h"
#include "scores/TopPlayersLock.h"

#include "window/forms/Label.h"
#include "window/forms/TextBox.h"

#include <QApplication>
#include <QDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

namespace {

void say(const char* line)
{
    std::puts(line);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) return EXIT_FAILURE;
    TestForm t;
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) return EXIT_FAILURE;
    Form1& f = *t.form;
    f.Form_Load();
    say("ready");
    std::string name;
    std::int64_t cash = 0;
    std::int64_t at = 0;
    while (std::cin >> name) {
        if (name == "hold") {
            const TopPlayersLock lock(kTopPlayersFileName);
            say("locked");
            for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
        }
        if (!(std::cin >> cash >> at)) break;
        std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(at)));
        f.ime->setText(QString::fromStdString(name));
        f.cash = cash;
        f.lova->setCaption(QString::number(cash) + QLatin1Char('$'));
        f.InsertTopPlayer();
        say("saved");
    }
    return EXIT_SUCCESS;
}
