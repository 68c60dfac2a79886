#include "scores/TopPlayersLock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds kMostWait{1000};
constexpr std::chrono::milliseconds kRetryPause{5};

// True once the lock is held; false when another holds it past the wait, or
// it cannot be had at all (a file system without flock).
bool lockWithin(int descriptor, std::chrono::milliseconds most)
{
    const auto giveUp = std::chrono::steady_clock::now() + most;
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= giveUp) return false;
        std::this_thread::sleep_for(kRetryPause);
    }
}

}  // namespace

TopPlayersLock::TopPlayersLock(const QString& filePath)
{
    const QByteArray path = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int descriptor = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    if (lockWithin(descriptor, kMostWait)) {
        held = descriptor;
    } else {
        ::close(descriptor);
    }
}

TopPlayersLock::~TopPlayersLock()
{
    // Closing the directory's only descriptor releases the lock.
    if (held) ::close(static_cast<int>(*held));
}
