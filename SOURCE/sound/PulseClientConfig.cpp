#include "sound/PulseClientConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr char kConfigVariable[] = "PULSE_CLIENTCONFIG";
constexpr char kConfigFile[] = "client.conf";

// The one file libpulse would read, first found in its own order of looking.
QString playersConfigFile()
{
    const QString chosen = qEnvironmentVariable(kConfigVariable);
    if (!chosen.isEmpty()) return chosen;
    const QString home = QDir::homePath();
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    const QStringList candidates{
        qEnvironmentVariable("PULSE_CONFIG_PATH") + QLatin1Char('/') + QLatin1String(kConfigFile),
        home + QStringLiteral("/.pulse/") + QLatin1String(kConfigFile),
        configHome + QStringLiteral("/pulse/") + QLatin1String(kConfigFile),
        home + QStringLiteral("/.config/pulse/") + QLatin1String(kConfigFile),
        QStringLiteral("/etc/pulse/") + QLatin1String(kConfigFile),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

// That file and its drop-ins (FILE.d/*.conf, in name order), as libpulse reads them.
QByteArray includingPlayersConfig()
{
    const QString file = playersConfigFile();
    if (file.isEmpty()) return {};
    QStringList files{file};
    const QDir dropIns(file + QStringLiteral(".d"));
    for (const QString& name : dropIns.entryList({QStringLiteral("*.conf")}, QDir::Files, QDir::Name))
        files << dropIns.filePath(name);
    QByteArray text;
    for (const QString& included : files) text += ".include " + QFile::encodeName(included) + '\n';
    return text;
}

} // namespace

void useClientConfigWithoutSharedMemory()
{
    const QByteArray text = includingPlayersConfig() + "enable-shm = no\n";
    // Kept in memory, open for the life of the process: libpulse reads it at every connection.
    const int config = ::memfd_create("vorn-pulse-client.conf", MFD_CLOEXEC);
    if (config < 0) return;
    if (::write(config, text.constData(), static_cast<std::size_t>(text.size())) != text.size()) {
        ::close(config);
        return;
    }
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(config);
    // Where /proc is missing the library would find no configuration at all: keep the player's.
    if (::access(path.constData(), R_OK) != 0) {
        ::close(config);
        return;
    }
    ::setenv(kConfigVariable, path.constData(), 1);
}
