#pragma once

#include <QString>

// The page's file system lasts only as long as the page: the files the game
// keeps are also kept in the browser's storage for the page, byte for byte,
// under their paths (BrowserStorage.js). The page loads them into its file
// system before the program starts. Where the program runs outside a page
// (Node.js, which the tests use), there is no such storage, and the files
// are the file system's alone.

// Loads the stored copy of the file at path over the page's, so that a save
// starts from what another tab of the game may have saved since. Leaves the
// file as it is where the browser keeps nothing for it or refuses storage.
void loadStoredFile(const QString& path);

// Stores the file at source as the copy of the file at target. False when
// the browser refuses: a private window that keeps nothing, a full quota.
bool storeFile(const QString& source, const QString& target);
