#include "scores/ReplaceFile.h"

#include "scores/BrowserStorage.h"

#include <cstdio>

// The page's file system is memory: only the browser's storage outlives it.
void syncToDisk(QFile&) {}

// The browser's storage takes the new file first: where it refuses, the save
// fails and the table stays as it was in both places.
ReplaceResult replaceFile(const QString& source, const QString& target)
{
    if (!storeFile(source, target)) return ReplaceResult::Failed;
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0
               ? ReplaceResult::Replaced
               : ReplaceResult::Failed;
}
