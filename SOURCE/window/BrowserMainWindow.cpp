// The window in the page: the page draws the frame around it (the title and
// the table's buttons) and asks the window what only the game knows.
#include "window/MainWindow.h"

#include "scores/TopPlayersFile.h"
#include "window/Form1.h"
#include "window/forms/MenuItem.h"

#include <QFile>

#include <emscripten.h>

namespace {

Form1* shownForm = nullptr;

// Where a loaded file is read before it may replace the table.
const QString kLoadedFileName = kTopPlayersFileName + QStringLiteral(".loaded");

// A table is what the game itself writes: ten lines in the code page, each
// ending with CR LF. Anything else could not be told from a file that is not
// a table at all.
std::optional<QStringList> readTable(const QByteArray& bytes)
{
    QFile file(kLoadedFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) return {};
    file.close();
    const TopPlayersFileLines read = readTopPlayersFile(kLoadedFileName);
    QFile::remove(kLoadedFileName);
    if (read.state != TopPlayersFileState::Read || read.lines.size() != kTopPlayersLineCount ||
        encodeTopPlayersFile(read.lines) != bytes)
        return {};
    return read.lines;
}

} // namespace

EM_JS(void, tellPageWindowSize, (int width, int height), {
    if (Module.vornWindowShown) Module.vornWindowShown(width, height);
});

extern "C" {

// Whether closing the page now would end a game: "Starting level" is
// disabled exactly while the game loop runs.
EMSCRIPTEN_KEEPALIVE int vornGameRunning() { return shownForm && !shownForm->o22->Enabled() ? 1 : 0; }

// Puts a table the player loaded in the stored one's place and shows it:
// 1 when it did; 0 where the bytes are not a table, -1 where the browser
// refused to keep it. Either way the stored table stays as it was.
EMSCRIPTEN_KEEPALIVE int vornLoadTable(const char* bytes, int size)
{
    if (!shownForm || size < 0 || size > kMaxTopPlayersFileBytes) return 0;
    const std::optional<QStringList> lines = readTable(QByteArray(bytes, size));
    if (!lines) return 0;
    if (!writeTopPlayersFile(kTopPlayersFileName, *lines)) return -1;
    shownForm->LoadTopPlayers();
    return 1;
}

} // extern "C"

void showMainWindow(Form1& form)
{
    shownForm = &form;
    // Qt's platform for the browser shows a main window maximized over the
    // page's place for it, which the page makes the window's own size
    // first; without a frame, since the page has the title.
    form.setWindowFlag(Qt::FramelessWindowHint);
    const QSize size = form.sizeHint();
    tellPageWindowSize(size.width(), size.height());
    form.show();
}
