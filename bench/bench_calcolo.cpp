// One whole calculation (input check, sizing, the thirteen result texts)
// through the test fake of the windows.

#include "FinestreFinte.h"

#include <QCoreApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

void CalcoloCompleto(benchmark::State &state, const char *luce, const char *carico)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    PreparaProgetto();
    FinestreFinte finestre(QString::fromLatin1(luce), QString::fromLatin1(carico));
    for (auto _ : state) {
        Progetto.HTravettoMinimo = Intero(0);
        CalcolaSolaio();
        benchmark::DoNotOptimize(finestre.risultati);
    }
    if (!finestre.avvisi.isEmpty())
        state.SkipWithError("the calculation failed");
}

} // namespace

// The worked example: sized at the starting height.
BENCHMARK_CAPTURE(CalcoloCompleto, esempio, "5,00", "200")->Unit(benchmark::kMicrosecond);
// A heavy slab raised three times before it holds.
BENCHMARK_CAPTURE(CalcoloCompleto, rialzato, "7,50", "800")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
