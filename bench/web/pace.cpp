// The pace of the real window in a page (make bench-web): the fall steps' and
// collapse frames' errors, as the desktop's benchmark measures them, on the
// browser's clock and timers. Run by bench/web/bench.py through
// tests/web/suite.html, which keeps the "key value" lines it prints.
#include "Benchmarks.h"

#include "support/TemporaryWorkingDirectory.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window reads and may write its top-players file in the current directory.
    const TemporaryWorkingDirectory directory;
    measurePace();
    // A page's program runs on after main returns: its runner reads the end here.
    std::printf("exit status 0\n");
    return 0;
}
