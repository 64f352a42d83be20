// A span table of 10 000 cases from the command line, in each output format:
// the options read, every case sized by the engine through the windowless
// stand-in, and the whole output written to memory (as the process writes it
// before it goes to standard output). Ten repetitions; the median is the figure.

#include "FlussoUscita.h"
#include "RigaComando.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <fcntl.h>

namespace {

void TabellaDiecimila(benchmark::State &state, const char *formato)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // 100 spans from 3 to 7,95 m times 100 loads from 100 to 1090 daN/m².
    const QStringList argomenti = {QStringLiteral("--luce"),         QStringLiteral("3:7,95:0,05"),
                                   QStringLiteral("--sovraccarico"), QStringLiteral("100:1090:10"),
                                   QStringLiteral("--formato"),      QString::fromLatin1(formato)};
    for (auto _ : state) {
        FlussoUscita uscita(::open("/dev/null", O_WRONLY));
        FlussoUscita errori(::open("/dev/null", O_WRONLY));
        const int stato = EseguiComandi(argomenti, uscita, errori);
        errori.Chiudi();
        if (stato == 2 || stato == 3)
            state.SkipWithError("options refused or output not written");
    }
}

} // namespace

BENCHMARK_CAPTURE(TabellaDiecimila, csv, "csv")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TabellaDiecimila, testo, "testo")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TabellaDiecimila, json, "json")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
