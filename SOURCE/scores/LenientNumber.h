#pragma once

#include <QString>

// The number at the start of a text, read the lenient way the cash texts of
// the top-players table are compared: blanks, tabs and line feeds are ignored
// wherever they stand; then an optional sign, digits, a decimal point and an
// exponent (e or E, optional sign, digits). Reading stops at the first
// character that cannot continue the number; no number gives 0.
//   "120$" -> 120, " 1 2 0$" -> 120, "1e2$" -> 100, "$5" -> 0,
//   "1e" -> 1 (an exponent without digits counts as none),
//   "1.2.3" -> 1.2 (the second point cannot continue the number),
//   "1e99999" -> +infinity, "1e-99999" -> 0 (too large or too small for a double).
// Hexadecimal and octal prefixes are not recognised: "&H10" -> 0.
double readLenientNumber(const QString& text);
