#pragma once

// The worked example every layer is checked against: span 5,00 m, load
// 200 daN/m², "Intermedio", single span, cover 2 cm, SS 4 cm.

#include <QLocale>
#include <QString>

namespace EsempioDiCalcolo {

inline constexpr const char *Luce = "5,00";
inline constexpr const char *Carico = "200";
// The thirteen result texts, in the order the engine writes them.
inline constexpr const char *Risultati = "4 16 4 24 12 10 2,51 191 0,0725 0,42 1194,34 20 0,327";

} // namespace EsempioDiCalcolo

// A text written with a decimal comma, as the locale of the language shows it.
inline QString NelFormato(QLocale::Language lingua, QString testo)
{
    return lingua == QLocale::Italian ? testo : testo.replace(u',', u'.');
}
