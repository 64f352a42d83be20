#pragma once

#include <QString>
#include <QStringList>

// What the input window offers and starts with, and how it reads a typed key.
// The windows and the command line take them from here, so both accept the
// same items and read numbers the same way.
namespace VociInput {

// The cover list cmbCF: 2 to 4 in steps of 0.5, written as the engine reads
// them back (the locale's separator, no trailing zeros): 2; 2,5; 3; 3,5; 4.
QStringList ElencaCopriferri();

// The list cmbSSTravetto: "4" to "8".
QStringList ElencaSottoTravetti();

// The texts of the span and load boxes and of the two lists after the
// window's load and after Pulisci.
inline const QString CasellaIniziale = QStringLiteral("0");
inline const QString CopriferroIniziale = QStringLiteral("2");
inline const QString SottoTravettoIniziale = QStringLiteral("4");

// The decimal-key rule: wherever the locale's decimal separator
// (Numeri::SeparatoreDecimale) is not ".", a typed "." becomes that
// separator, "," or "٫"; every other key stays as typed.
QString TastoConvertito(const QString &tasto);

} // namespace VociInput
