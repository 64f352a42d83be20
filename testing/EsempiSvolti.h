#pragma once

#include <QLocale>
#include <QString>

// Worked sizings and the thirteen texts the result window shows for each,
// written with a decimal comma: the engine's tests and the command line's
// tests hold the program to the same figures.

struct EsempioSvolto {
    const char *nome, *luce, *carico;
    bool intermedio, singola;
    const char *cf, *ss, *risultati;
};

// Results in the order of CaselleRisultato, separated by blanks.
inline constexpr EsempioSvolto EsempiSvolti[] = {
    {"worked example", "5,00", "200", true, true, "2", "4",
     "4 16 4 24 12 10 2,51 191 0,0725 0,42 1194,34 20 0,327"},
    {"K with its trailing zero", "5,25", "200", true, true, "2", "4",
     "4 17 4 25 12 12 2,96 196 0,0743 0,44 1192,19 21 0,320"},
    {"self weight 177.5 up to 178", "4,00", "150", true, true, "3", "8",
     "4 13 8 25 10 10 2,06 178 0,067 0,24 1675,86 21 0,225"},
    {"roof, continuous", "6,00", "150", false, false, "2", "4",
     "4 16 4 24 12 10 2,51 191 0,0725 0,76 792,44 20 0,327"},
    {"roof at the 17 cm minimum", "5,00", "200", false, false, "2", "4",
     "4 13 4 21 10 10 2,06 178 0,067 0,66 758,39 17 0,351"},
    {"raised three times, whole ratio", "7,50", "800", true, true, "2", "4",
     "4 29 4 37 20 20 8,22 251 0,0963 1,21 620 33 0,273"},
    {"start rounded up", "5,30", "200", true, true, "2", "4",
     "4 18 4 26 12 10 2,51 200 0,0762 0,41 1287,5 22 0,314"},
    {"short roof", "3", "200", false, true, "2", "4",
     "4 13 4 21 8 8 1,32 178 0,067 0,09 3403,88 17 0,351"},
    {"whole quotient with noise", "9,30", "200", false, true, "2", "4",
     "4 27 4 35 18 16 5,96 242 0,0927 1,5 620,6 31 0,278"},
    {"moment tie not raised", "6,40", "650", false, true, "3", "4",
     "4 18 4 26 20 20 8,22 200 0,0762 1,62 393,86 22 0,314"},
    {"transmittance half to even", "7,00", "100", true, true, "2", "4",
     "4 24 4 32 12 12 2,96 228 0,0872 0,51 1366,31 28 0,288"},
    {"self weight 232.5 down to 232", "7,25", "100", true, true, "2", "4",
     "4 25 4 33 12 12 2,96 232 0,089 0,54 1337,27 29 0,284"},
    {"cover list empty", "5,00", "200", true, true, "", "4",
     "4 16 4 24 12 10 2,51 191 0,0725 0,41 1216,57 20 0,327"},
    {"half-centimetre cover", "5,00", "200", true, true, "2,5", "4",
     "4 16 4 24 12 12 2,96 191 0,0725 0,42 1202,04 20 0,327"},
    {"no polystyrene under the joist", "5,00", "200", true, true, "2", "0",
     "4 16 0 20 12 10 2,51 191 0,0725 0,42 1194,34 16 -"},
    {"no imposed load", "5,00", "0", true, true, "2", "4",
     "4 16 4 24 8 8 1,32 191 0,0725 0,21 2333,92 20 0,327"},
    {"exponent", "5e0", "2E2", true, true, "2", "4",
     "4 16 4 24 12 10 2,51 191 0,0725 0,42 1194,34 20 0,327"},
};

// The worked example every layer is checked against: span 5,00 m, load
// 200 daN/m², "Intermedio", single span, cover 2 cm, SS 4 cm.
namespace EsempioDiCalcolo {

inline constexpr const char *Luce = EsempiSvolti[0].luce;
inline constexpr const char *Carico = EsempiSvolti[0].carico;
// The thirteen result texts, in the order the engine writes them.
inline constexpr const char *Risultati = EsempiSvolti[0].risultati;

} // namespace EsempioDiCalcolo

// A text written with a decimal comma, as the locale of the language shows it.
inline QString NelFormato(QLocale::Language lingua, QString testo)
{
    return lingua == QLocale::Italian ? testo : testo.replace(u',', u'.');
}
