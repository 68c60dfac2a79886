#pragma once

#include <QString>

// Keeps the windows started in one directory from entering their results in
// the top-players file at the same time: each holds the lock from reading the
// file to saving it. The lock is an advisory flock on the file's directory,
// not on the file: a save replaces the file by renaming a new one over it, so
// a lock on the old file would not keep out a window that opened the new one,
// and the directory takes no lock file of its own, which a window alone in it
// would leave behind. The constructor waits about a second for a window that
// may be stuck, then goes on without the lock; it never processes events.
class TopPlayersLock {
public:
    explicit TopPlayersLock(const QString& filePath);
    ~TopPlayersLock();
    TopPlayersLock(const TopPlayersLock&) = delete;
    TopPlayersLock& operator=(const TopPlayersLock&) = delete;

private:
    int directory = -1;  // the open directory while locked, else -1
};
