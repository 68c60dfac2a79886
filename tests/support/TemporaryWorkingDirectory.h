#pragma once

#include <QString>
#include <QTemporaryDir>

// Makes a fresh, empty directory the current one for as long as it lives,
// so the files the window writes there (the top-players table) never leak
// from one test into another.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory();
    ~TemporaryWorkingDirectory();
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
    TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

    QString path() const { return directory.path(); }
    QString filePath(const QString& name) const { return directory.filePath(name); }

private:
    QTemporaryDir directory;
    QString previous;
};

// Puts later temporary directories into memory when the machine has a
// memory file system at /dev/shm: for tests that make thousands of windows,
// each with a directory and a table file of its own, a disk-backed /tmp
// costs more time than the games.
void preferTemporaryDirectoriesInMemory();
