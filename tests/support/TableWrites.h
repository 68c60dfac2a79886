#pragma once

#include <QByteArray>
#include <QString>

// Counts the completed writes of one file in a directory, as the kernel saw
// them (inotify): a save through a temporary file renamed over it, or a
// write in place. It needs nothing from the code under test.
class TableWrites {
public:
    TableWrites(const QString& directory, const QString& fileName);
    ~TableWrites();
    TableWrites(const TableWrites&) = delete;
    TableWrites& operator=(const TableWrites&) = delete;

    // Writes completed since the watch began.
    int count();

private:
    int watch;
    QByteArray name;
};
