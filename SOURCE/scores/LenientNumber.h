#pragma once

#include <QString>

// Reads the number at the start of a text the lenient way: blanks, tabs and
// line feeds are ignored wherever they stand; an optional sign, digits, a
// decimal point and an exponent (E or D, with optional sign and digits) are
// read up to the first character that cannot continue the number. A text
// with no number reads as 0; a number too large for a double reads as an
// infinity of its sign, one too small as 0.
double readLenientNumber(const QString& text);
