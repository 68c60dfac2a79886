#include "scores/OpenRegularFile.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
