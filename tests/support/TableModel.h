#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// A model of the top-players table written apart from the game's code, to
// check the window against: five rows of a name and a cash text (decimal
// digits and "$"), largest number first.
struct TableEntry {
    QStringList table;  // the ten captions after the entry
    int rank = 0;       // where the result went, 1 to 5; 0 when it stayed out
};

// The table after a result: the new row goes above every row whose number is
// equal or smaller, and only five rows are kept.
TableEntry enterResult(const QStringList& table, const QString& name, std::int64_t cash);

// The file's bytes for the ten captions, each line ended by CR LF. Only for
// plain ASCII captions, where the code page makes no difference.
QByteArray asciiTableFile(const QStringList& table);
