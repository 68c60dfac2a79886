#include "support/TemporaryWorkingDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

TemporaryWorkingDirectory::TemporaryWorkingDirectory() : previous(QDir::currentPath())
{
    if (!directory.isValid() || !QDir::setCurrent(directory.path())) qFatal("cannot make a temporary working directory");
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory() { QDir::setCurrent(previous); }

void preferTemporaryDirectoriesInMemory()
{
    const QString memory = QStringLiteral("/dev/shm");
    const QFileInfo info(memory);
    if (info.isDir() && info.isWritable()) qputenv("TMPDIR", QFile::encodeName(memory));
}
