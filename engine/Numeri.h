#pragma once

#include "Intero.h"

#include <QString>

// Text <-> number in the user's locale (the default QLocale). The check and
// the conversion that follows always use the same parser, so a text that
// passes EUnNumero converts without surprise.
namespace Numeri {

// The locale's decimal separator: "," or "." in most, "٫" in Arabic and
// Persian ones. The one source of it for the whole program: the reading and
// writing of numbers here, the input window's decimal key.
QString SeparatoreDecimale();

// True when the trimmed text is a finite number written with the locale's
// decimal separator: optional sign, digits, optional decimals, optional
// exponent. No group separators, no "inf" or "nan".
bool EUnNumero(const QString &testo);

// The value of a text that EUnNumero accepts; otherwise error 13.
double TestoInDouble(const QString &testo);

// The same value rounded to a 16-bit integer (halves to even); error 6 outside the range.
Intero TestoInIntero(const QString &testo);

// Round to n decimals: scale by 10^n, nearest whole number with halves to the
// even neighbour, scale back. Error 6 if the scaled value is not finite.
double Arrotonda(double x, int decimali);

// A whole number in plain digits with a leading minus when negative.
QString InteroInTesto(Intero n);

// A double in its shortest plain form: at most 15 significant digits, no
// trailing zeros, no grouping, the locale's decimal separator.
QString DoubleInTesto(double x);

// A double with exactly the given number of decimals (the transmittance's "0.000").
QString DoubleInTestoFisso(double x, int decimali);

// The number a text starts with, read leniently: blanks are skipped wherever
// they stand, the decimal sign is always ".", an exponent (E or D) may
// follow, and reading stops at the first character that cannot continue the
// number. A text without a leading number gives 0; a number too large for a
// double raises error 6.
double NumeroIniziale(const QString &testo);

} // namespace Numeri
