#pragma once

#include "game/CellCodes.h"
#include "window/Form1.h"

#include <QString>
#include <QStringList>

#include <vector>

// The random draws that make MakeNextPiece produce the given codes, top
// block first. A single code of 8..12 (or 7 with special) is drawn as a
// special block; codes of ordinary blocks are drawn with the chance draw
// failing, whatever the level.
std::vector<double> drawsFor(const std::vector<Integer>& codes, bool specialJoker = false);

// Fills the playing area from column texts, each the column's codes from the
// floor upwards, one character a cell: '1'..'9' and 'a'..'e' for 10..14.
// Missing columns stay empty.
void setColumns(Form1& form, const QStringList& columns);

// The playing area in the same form.
QStringList columnsOf(const Form1& form);

// True when every column of the playing area is one unbroken run on the
// floor and the walls and floor are intact.
bool boardIsSound(const Form1& form, QString* why = nullptr);
