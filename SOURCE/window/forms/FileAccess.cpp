#include "window/forms/FileAccess.h"

#include "window/forms/FormsError.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace {

QString localPath(const QString& typed)
{
    QString path = typed;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QFileInfo existingFile(const QString& typed)
{
    const QFileInfo info(localPath(typed));
    if (!info.exists()) throw FormsError(StandardErrors::kFileNotFound);
    if (!info.isFile()) throw FormsError(StandardErrors::kPathFileAccess);
    return info;
}

} // namespace

std::int32_t FileLen(const QString& path)
{
    const qint64 size = existingFile(path).size();
    if (size > std::numeric_limits<std::int32_t>::max()) throw FormsError(StandardErrors::kOverflow);
    return static_cast<std::int32_t>(size);
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(existingFile(path).filePath());
    if (!file.open(QIODevice::ReadOnly)) throw FormsError(StandardErrors::kPathFileAccess);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw FormsError(StandardErrors::kPathFileAccess);
    return bytes;
}
