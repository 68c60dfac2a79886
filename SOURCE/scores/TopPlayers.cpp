// The top-players table: it lives in the captions of topime and topcash and
// in the file "Vorn.nrz" in the current directory. Failures are never shown
// to the player: the labels keep what they hold and play goes on.
#include "window/Form1.h"

#include "scores/LenientNumber.h"
#include "scores/TopPlayersFile.h"
#include "window/forms/Label.h"
#include "window/forms/TextBox.h"

namespace {

constexpr int kRanks = 5;

} // namespace

void Form1::LoadTopPlayers()
{
    const TopPlayersFileLines file = readTopPlayersFile(kTopPlayersFileName);
    if (file.state == TopPlayersFileState::Missing) {
        SaveTopPlayers();
        return;
    }
    // A line that could not be read leaves its label empty.
    for (int i = 0; i < kRanks; ++i) {
        topime(i)->setCaption(file.lines.value(2 * i));
        topcash(i)->setCaption(file.lines.value(2 * i + 1));
    }
}

void Form1::SaveTopPlayers()
{
    QStringList lines;
    for (int i = 0; i < kRanks; ++i) lines << topime(i)->Caption() << topcash(i)->Caption();
    writeTopPlayersFile(kTopPlayersFileName, lines);
}

void Form1::InsertTopPlayer()
{
    // A result equal to a listed one ranks above it.
    int pos = 0;
    for (int i = 1; i <= kRanks; ++i) {
        if (static_cast<double>(cash) >= readLenientNumber(topcash(i - 1)->Caption())) {
            pos = i;
            break;
        }
    }
    if (pos > 0) {
        for (int i = kRanks; i >= pos + 1; --i) {
            topime(i - 1)->setCaption(topime(i - 2)->Caption());
            topcash(i - 1)->setCaption(topcash(i - 2)->Caption());
        }
        topime(pos - 1)->setCaption(ime->Text());
        topcash(pos - 1)->setCaption(lova->Caption());
    }
    SaveTopPlayers();
}
