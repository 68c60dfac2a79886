#include "scores/TopPlayersLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {

constexpr DWORD kMostWaitMs = 1000;

// One name for every window of the session in that directory, however its
// path was spelt: Windows paths ignore case, and a mutex name may not hold
// the path's backslashes, so the name carries a digest of the path.
std::wstring mutexName(const QString& filePath)
{
    const QFileInfo directory(QFileInfo(filePath).absolutePath());
    const QString canonical = directory.canonicalFilePath();
    const QString path = QDir::toNativeSeparators(canonical.isEmpty() ? directory.absoluteFilePath() : canonical);
    const QByteArray digest = QCryptographicHash::hash(path.toCaseFolded().toUtf8(), QCryptographicHash::Sha256);
    return (QStringLiteral("Local\\Vorn.nrz-") + QString::fromLatin1(digest.toHex())).toStdWString();
}

} // namespace

TopPlayersLock::TopPlayersLock(const QString& filePath)
{
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(filePath).c_str());
    if (!mutex) return;
    // A window that died holding the lock has abandoned it to the next one.
    const DWORD waited = WaitForSingleObject(mutex, kMostWaitMs);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        held = reinterpret_cast<std::intptr_t>(mutex);
    } else {
        CloseHandle(mutex);
    }
}

TopPlayersLock::~TopPlayersLock()
{
    if (!held) return;
    const auto mutex = reinterpret_cast<HANDLE>(*held);
    ReleaseMutex(mutex);
    // The mutex goes with its last handle, so nothing of it outlives the windows.
    CloseHandle(mutex);
}
