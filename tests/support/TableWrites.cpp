#include "support/TableWrites.h"

#include <QFile>
#include <QtGlobal>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>

TableWrites::TableWrites(const QString& directory, const QString& fileName)
    : descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name(QFile::encodeName(fileName))
{
    if (descriptor < 0 || inotify_add_watch(descriptor, QFile::encodeName(directory).constData(),
                                            IN_MOVED_TO | IN_CLOSE_WRITE) < 0)
        qFatal("cannot watch %s", qPrintable(directory));
}

TableWrites::~TableWrites() { ::close(descriptor); }

int TableWrites::count()
{
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t length = ::read(descriptor, buffer.data(), buffer.size());
        if (length <= 0) return seen;
        for (ssize_t at = 0; at < length;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char* eventName = buffer.data() + at + sizeof event;
            if (event.len > 0 && name == eventName) ++seen;
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}
