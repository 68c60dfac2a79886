#include "scores/OpenRegularFile.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

TopPlayersFileState openRegularFile(QFile& file, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return TopPlayersFileState::Missing;
    if (!info.isFile()) return TopPlayersFileState::CannotOpen;

    // Shared for deletion too: another window may rename its new table over
    // this file while it is read, which a reader sharing less would make fail.
    const HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return TopPlayersFileState::CannotOpen;
    // A device or a pipe by that name is no table.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return TopPlayersFileState::CannotOpen;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return TopPlayersFileState::CannotOpen;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(descriptor);
        return TopPlayersFileState::CannotOpen;
    }
    return TopPlayersFileState::Read;
}
