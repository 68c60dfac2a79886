#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The run-time's whole-file services. A path is taken as the author typed
// it, with '\' between folders as well as '/', relative to the current
// directory.

// The length of the file in bytes. Throws FormsError 53 when there is no such
// file, 75 when the path names something that is not a file, 6 when the
// length does not fit 32 bits.
std::int32_t FileLen(const QString& path);

// Every byte of the file, as it is on disk. Throws FormsError 53 or 75.
QByteArray ReadWholeFile(const QString& path);
