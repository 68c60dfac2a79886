#pragma once

#include "scores/TopPlayersFile.h"

#include <QFile>
#include <QString>

// Opens path for reading into file when it is a regular file: Read when
// opened, Missing when nothing has that name, CannotOpen otherwise. Opening
// never blocks, whatever lies at that name. The platform's own file defines
// it (PosixOpenRegularFile.cpp, Win32OpenRegularFile.cpp).
TopPlayersFileState openRegularFile(QFile& file, const QString& path);
