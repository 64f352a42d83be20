// One whole calculation (input check, sizing, the thirteen result texts)
// from values, so the figure is the engine's.
// Ten repetitions of many calculations each; the median is the figure.

#include "modVelmora.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

void CalcoloCompleto(benchmark::State &state, const char *luce, const char *carico)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    RecordProgetto progetto;
    PreparaProgetto(progetto);
    DatiCalcolo dati;
    dati.luce = QString::fromLatin1(luce);
    dati.carico = QString::fromLatin1(carico);
    dati.copriferro = VociInput::CopriferroIniziale;
    dati.sottoTravetto = VociInput::SottoTravettoIniziale;
    QStringList testi;
    QString messaggio;
    bool riuscito = true;
    for (auto _ : state) {
        riuscito = CalcolaDaCapo(progetto, dati, testi, messaggio) && riuscito;
        benchmark::DoNotOptimize(testi);
    }
    if (!riuscito)
        state.SkipWithError("the calculation failed");
}

} // namespace

// The worked example: sized at the starting height.
BENCHMARK_CAPTURE(CalcoloCompleto, esempio, "5,00", "200")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
// A heavy slab raised three times before it holds.
BENCHMARK_CAPTURE(CalcoloCompleto, rialzato, "7,50", "800")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
