#pragma once

#include <QFile>
#include <QString>

enum class ReplaceResult {
    Replaced,
    Held,    // another program has the old file open: a later try may succeed
    Failed,  // nothing a wait would change
};

// The platform's own file defines these (PosixReplaceFile.cpp,
// Win32ReplaceFile.cpp).

// Makes what was written to the open file reach the disk before the file
// takes the table's name, so that a crash then finds it whole. A system that
// cannot tell does not fail the save, as before.
void syncToDisk(QFile& file);

// Puts the closed file named source in target's place in one step: a reader
// finds the old file or the new one, never neither, never a mix.
ReplaceResult replaceFile(const QString& source, const QString& target);
