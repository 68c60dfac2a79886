// Whether a display answers: the probes that the start-up check asks, each
// a connection made and closed again, as Qt's platform plugin will make it.
#include "window/NoDisplay.h"

#include <QDir>
#include <QFile>

#include <xcb/xcb.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// libxcb writes an X server's reason for refusing a connection to standard
// error; while one of these lives, what is written there is kept instead.
class StandardErrorCapture {
public:
    StandardErrorCapture()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
        saved = dup(STDERR_FILENO);
        if (saved < 0 || dup2(ends[1], STDERR_FILENO) < 0) {
            ::close(ends[0]);
            ::close(ends[1]);
            return;
        }
        ::close(ends[1]);
        readEnd = ends[0];
    }
    ~StandardErrorCapture() { restore(); }
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    // Puts standard error back and returns what was written, on one line.
    QString restore()
    {
        if (readEnd < 0) return {};
        dup2(saved, STDERR_FILENO);
        ::close(saved);
        char text[512];
        const ssize_t length = ::read(readEnd, text, sizeof text);
        ::close(readEnd);
        readEnd = -1;
        return length > 0 ? QString::fromLocal8Bit(text, length).simplified() : QString();
    }

private:
    int saved = -1;
    int readEnd = -1;
};

QString x11Failure(const QString& display)
{
    StandardErrorCapture serverReason;
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    const QString reason = serverReason.restore();
    switch (error) {
    case 0: return {};
    case XCB_CONN_CLOSED_PARSE_ERR: return QStringLiteral("not a display's name");
    case XCB_CONN_CLOSED_INVALID_SCREEN: return QStringLiteral("it has no such screen");
    default:
        return reason.isEmpty() ? QStringLiteral("no X server answers there, or it refused the connection")
                                : QStringLiteral("the X server refused the connection: ") + reason;
    }
}

// Where libwayland looks for the compositor's socket.
QString waylandFailure(const QString& display, const QString& runtimeDirectory)
{
    if (!QDir::isAbsolutePath(display) && runtimeDirectory.isEmpty())
        return QStringLiteral("XDG_RUNTIME_DIR is not set");
    const QByteArray path = QFile::encodeName(QDir::isAbsolutePath(display) ? display : runtimeDirectory + u'/' + display);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return QStringLiteral("its name is too long");
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return QString::fromLocal8Bit(std::strerror(errno));
    const int connected = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(socket);
    return connected == 0 ? QString() : QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

QString noDisplayMessage(int argc, const char* const* argv, const QProcessEnvironment& environment)
{
    return noDisplayMessage(argc, argv, environment, DisplayProbes{x11Failure, waylandFailure});
}
