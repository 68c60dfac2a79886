#include "support/ReadOnlyDirectory.h"

#include <QFile>

namespace {

constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

} // namespace

ReadOnlyDirectory::ReadOnlyDirectory(const QString& directory) : path(directory), previous(QFile::permissions(directory))
{
    if (!QFile::setPermissions(path, kReadOnly)) qFatal("cannot make the directory read-only");
}

ReadOnlyDirectory::~ReadOnlyDirectory() { QFile::setPermissions(path, previous); }
