#pragma once

#include <QString>

#include <memory>

// While it lives, the top-players table cannot be saved in the directory, as
// for a player whose saves fail there. On Linux the directory is read-only,
// and no file may grow meanwhile, so that root fails too, as on a read-only
// medium (ReadOnlyUnsavableTable.cpp). On Windows another program holds the
// table open without sharing it, as an editor or a virus scanner may
// (HeldOpenUnsavableTable.cpp); the table must exist there.
class UnsavableTable {
public:
    explicit UnsavableTable(const QString& directory);
    ~UnsavableTable();
    UnsavableTable(const UnsavableTable&) = delete;
    UnsavableTable& operator=(const UnsavableTable&) = delete;

private:
    struct Hold;
    std::unique_ptr<Hold> hold;
};
