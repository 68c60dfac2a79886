// Saves the two tables of SaveLoopTables.h in turn, for ever, to the file
// named on the command line, so that a test can kill it in mid-save. It says
// "saving" once the first save is done; a failed save ends it with status 1.
#include "scores/TopPlayersFile.h"
#include "support/SaveLoopTables.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 2) return EXIT_FAILURE;
    const QString path = QString::fromLocal8Bit(argv[1]);
    bool firstNext = false;
    bool announced = false;
    for (;;) {
        if (!writeTopPlayersFile(path, firstNext ? kSaveLoopFirstTable : kSaveLoopSecondTable)) return EXIT_FAILURE;
        firstNext = !firstNext;
        if (!announced) {
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
            announced = true;
        }
    }
}
