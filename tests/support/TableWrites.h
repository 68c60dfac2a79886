#pragma once

#include <QString>

#include <memory>

// Counts the completed writes of one file in a directory, as the system saw
// them: a save through a temporary file renamed over it, or a write in place.
// It needs nothing from the code under test. Linux's kernel tells of them
// through inotify (InotifyTableWrites.cpp), Windows through
// ReadDirectoryChangesW (DirectoryChangesTableWrites.cpp).
class TableWrites {
public:
    TableWrites(const QString& directory, const QString& fileName);
    ~TableWrites();
    TableWrites(const TableWrites&) = delete;
    TableWrites& operator=(const TableWrites&) = delete;

    // Writes completed since the watch began.
    int count();

private:
    struct Watch;
    std::unique_ptr<Watch> watch;
};
