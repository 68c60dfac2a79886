#include "support/TableWrites.h"

#include <QFile>
#include <QtGlobal>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <map>
#include <utility>

namespace {

// One inotify instance for the whole process: closing one waits for the
// kernel's grace period, some milliseconds, which thousands of windows would pay.
int events()
{
    static const int descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor < 0) qFatal("cannot use inotify");
    return descriptor;
}

// Completed writes seen so far, by watch and file name.
std::map<std::pair<int, QByteArray>, int>& writesSeen()
{
    static std::map<std::pair<int, QByteArray>, int> seen;
    return seen;
}

void readPendingEvents()
{
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t length = ::read(events(), buffer.data(), buffer.size());
        if (length <= 0) return;
        for (ssize_t at = 0; at < length;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            if (event.len > 0 && (event.mask & (IN_MOVED_TO | IN_CLOSE_WRITE)))
                ++writesSeen()[{event.wd, QByteArray(buffer.data() + at + sizeof event)}];
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}

} // namespace

struct TableWrites::Watch {
    int descriptor;
    QByteArray name;
};

TableWrites::TableWrites(const QString& directory, const QString& fileName)
    : watch(new Watch{inotify_add_watch(events(), QFile::encodeName(directory).constData(), IN_MOVED_TO | IN_CLOSE_WRITE),
                      QFile::encodeName(fileName)})
{
    if (watch->descriptor < 0) qFatal("cannot watch %s", qPrintable(directory));
    readPendingEvents();
    // A watch number may come back after an earlier watch ended.
    writesSeen().erase({watch->descriptor, watch->name});
}

TableWrites::~TableWrites()
{
    inotify_rm_watch(events(), watch->descriptor);
    readPendingEvents();
    writesSeen().erase({watch->descriptor, watch->name});
}

int TableWrites::count()
{
    readPendingEvents();
    const auto found = writesSeen().find({watch->descriptor, watch->name});
    return found == writesSeen().end() ? 0 : found->second;
}
