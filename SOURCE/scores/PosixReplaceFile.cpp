#include "scores/ReplaceFile.h"

#include <cstdio>
#include <unistd.h>

void syncToDisk(QFile& file) { ::fsync(file.handle()); }

// rename() replaces a file that others hold open: they keep reading the old one.
ReplaceResult replaceFile(const QString& source, const QString& target)
{
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0
               ? ReplaceResult::Replaced
               : ReplaceResult::Failed;
}
