#pragma once

#include "support/FileSizeLimit.h"

#include <QFileDevice>
#include <QString>

// Makes a directory read-only for as long as it lives. Root passes over the
// permission, so no file may grow past zero bytes meanwhile either: a save
// into the directory fails for everybody, as on a read-only medium.
class ReadOnlyDirectory {
public:
    explicit ReadOnlyDirectory(const QString& path);
    ~ReadOnlyDirectory();
    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

private:
    QString path;
    QFileDevice::Permissions previous;
    FileSizeLimit nothingWritten {0};
};
