// libFuzzer target: one whole calculation from the six inputs of the input
// window, judged by the same rules as the randomized engine test.
//
// Input: the first byte chooses the options and the locale (bit 0 "Copertura"
// instead of "Intermedio", bit 1 continuous instead of single span, bit 2 a
// decimal point instead of a decimal comma; so "0" to "7" read well in a seed
// file); the rest is UTF-8 text, split at the first three line feeds into
// span, load, cover and polystyrene thickness.

#include "CalcoloGiudicato.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>

using namespace Robustezza;

namespace {

void Ferma(const DatiCalcolo &f, const QString &motivo)
{
    std::fprintf(stderr,
                 "Wrong outcome: %s\n  span \"%s\" load \"%s\" cover \"%s\" thickness \"%s\"\n",
                 qPrintable(motivo), qPrintable(f.luce), qPrintable(f.carico),
                 qPrintable(f.copriferro), qPrintable(f.sottoTravetto));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t misura)
{
    static const QLocale virgola(QLocale::Italian, QLocale::Italy);
    static const QLocale punto(QLocale::English, QLocale::UnitedStates);
    static CalcoloGiudicato calcolo;
    DatiCalcolo &ingressi = calcolo.dati;
    if (misura == 0)
        return 0;

    const unsigned scelte = dati[0];
    QLocale::setDefault(scelte & 4 ? punto : virgola);
    const QStringList campi =
        QString::fromUtf8(reinterpret_cast<const char *>(dati + 1), qsizetype(misura - 1))
            .split(u'\n');
    const auto campo = [&campi](qsizetype i) {
        // The last field keeps any further line feeds.
        if (i == 3)
            return campi.mid(3).join(u'\n');
        return campi.value(i);
    };
    ingressi.luce = campo(0);
    ingressi.carico = campo(1);
    ingressi.copriferro = campo(2);
    ingressi.sottoTravetto = campo(3);
    ingressi.intermedio = !(scelte & 1);
    ingressi.campataSingola = !(scelte & 2);

    // Each input on a freshly prepared record, so a finding replays from its file alone.
    RecordProgetto progetto;
    PreparaProgetto(progetto);
    calcolo.Calcola(progetto);
    const QString scorretto = EsitoScorretto(calcolo, progetto);
    if (!scorretto.isEmpty())
        Ferma(ingressi, scorretto);
    return 0;
}
