#pragma once

#include <QByteArray>
#include <QIODevice>

// Reads one line from the device and returns its first maxBytes bytes at most,
// without its end: a line feed, or a carriage return and a line feed, or the
// end of the data (a carriage return just before the end is dropped too).
// The rest of a longer line is read through in small chunks and thrown away,
// so a line of any length costs a bounded amount of memory.
QByteArray readBoundedLine(QIODevice& device, qsizetype maxBytes);
