#include "scores/TopPlayersFile.h"

#include "scores/ReadBoundedLine.h"
#include "scores/Windows1250.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The type is checked before opening, and the open itself does not wait: a
// FIFO put in the file's place between the check and the open would
// otherwise block the start-up until a writer came.
TopPlayersFileState openRegularFile(QFile& file, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return TopPlayersFileState::Missing;
    if (!info.isFile()) return TopPlayersFileState::CannotOpen;

    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return TopPlayersFileState::CannotOpen;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return TopPlayersFileState::CannotOpen;
    }
    return TopPlayersFileState::Read;
}

}  // namespace

TopPlayersFileLines readTopPlayersFile(const QString& path)
{
    TopPlayersFileLines result;
    QFile file;
    result.state = openRegularFile(file, path);
    if (result.state != TopPlayersFileState::Read) return result;

    result.bytes = file.read(kMaxTopPlayersFileBytes);
    QBuffer lines(&result.bytes);
    lines.open(QIODevice::ReadOnly);
    while (result.lines.size() < kTopPlayersLineCount && !lines.atEnd()) {
        result.lines.append(decodeWindows1250(readBoundedLine(lines, kMaxTopPlayersLineBytes)));
    }
    return result;
}
