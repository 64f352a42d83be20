#pragma once

#include <QString>

// The number a text starts with, read leniently:
// blanks are skipped wherever they stand, the decimal sign is always ".",
// an exponent (E or D) may follow, and reading stops at the first character
// that cannot continue the number. A text without a leading number gives 0;
// a number too large for a double raises error 6.
double NumeroIniziale(const QString &testo);
