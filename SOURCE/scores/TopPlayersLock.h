#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Keeps the windows started in one directory from entering their results in
// the top-players file at the same time: each holds the lock from reading the
// file to saving it. The lock belongs to the file's directory, not to the
// file: a save replaces the file by renaming a new one over it, so a lock on
// the old file would not keep out a window that opened the new one. No lock
// file is left in the directory, and a window that dies frees the lock. On
// Linux it is an advisory flock on the directory (FlockTopPlayersLock.cpp);
// on Windows a named mutex of the session, named after the directory
// (MutexTopPlayersLock.cpp). The constructor waits about a second for a
// window that may be stuck, then goes on without the lock; it never
// processes events.
class TopPlayersLock {
public:
    explicit TopPlayersLock(const QString& filePath);
    ~TopPlayersLock();
    TopPlayersLock(const TopPlayersLock&) = delete;
    TopPlayersLock& operator=(const TopPlayersLock&) = delete;

private:
    // While locked: the locked directory's descriptor, or the mutex's handle.
    std::optional<std::intptr_t> held;
};
