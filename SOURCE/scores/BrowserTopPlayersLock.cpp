#include "scores/TopPlayersLock.h"

#include "scores/BrowserStorage.h"

// A page runs one thing at a time, and from the lock to the save nothing
// yields to the browser, so no other window of this page comes between. Other
// tabs of the game save through the browser's storage: the lock starts from
// their newest table, which the window then reloads as it would another
// window's.
TopPlayersLock::TopPlayersLock(const QString& filePath) { loadStoredFile(filePath); }

TopPlayersLock::~TopPlayersLock() = default;
