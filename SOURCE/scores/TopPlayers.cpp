// The top-players table: it lives in the captions of topime and topcash and
// in the file "Vorn.nrz" in the current directory. Failures are never shown
// to the player: the labels keep what they hold and play goes on.
#include "window/Form1.h"

#include "scores/LenientNumber.h"
#include "scores/TopPlayersFile.h"
#include "scores/TopPlayersLock.h"
#include "window/forms/Label.h"
#include "window/forms/TextBox.h"

namespace {

constexpr int kRanks = 5;

// A line that could not be read leaves its label empty.
void showTable(Form1& form, const QStringList& lines)
{
    for (int i = 0; i < kRanks; ++i) {
        form.topime(i)->setCaption(lines.value(2 * i));
        form.topcash(i)->setCaption(lines.value(2 * i + 1));
    }
}

} // namespace

void Form1::LoadTopPlayers()
{
    const TopPlayersFileLines file = readTopPlayersFile(kTopPlayersFileName);
    if (file.state == TopPlayersFileState::Missing) {
        SaveTopPlayers();
        return;
    }
    showTable(*this, file.lines);
    if (file.state == TopPlayersFileState::Read) topFileSeen = file.bytes;
}

void Form1::SaveTopPlayers()
{
    QStringList lines;
    for (int i = 0; i < kRanks; ++i) lines << topime(i)->Caption() << topcash(i)->Caption();
    if (writeTopPlayersFile(kTopPlayersFileName, lines)) topFileSeen = encodeTopPlayersFile(lines);
}

void Form1::ReloadChangedTopPlayers()
{
    // A window that never read nor wrote the file keeps its own table, and so
    // does one whose last save failed while the file stayed as it knew it.
    if (!topFileSeen) return;
    const TopPlayersFileLines file = readTopPlayersFile(kTopPlayersFileName);
    if (file.state != TopPlayersFileState::Read || file.bytes == *topFileSeen) return;
    showTable(*this, file.lines);
    topFileSeen = file.bytes;
}

void Form1::InsertTopPlayer()
{
    // Another window in this directory may have saved its result since this
    // one read the file; the lock keeps it out until this save is done.
    const TopPlayersLock lock(kTopPlayersFileName);
    ReloadChangedTopPlayers();

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
