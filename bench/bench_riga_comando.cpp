// A span table of 10 000 cases from the command line, in each output format:
// the options read, every case sized by the engine through the windowless
// stand-in, and the whole output written to memory (as the process writes it
// before it goes to standard output). Ten repetitions; the median is the figure.

#include "RigaComando.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

void TabellaDiecimila(benchmark::State &state, const char *formato)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // 100 spans from 3 to 7,95 m times 100 loads from 100 to 1090 daN/m².
    const QStringList argomenti = {QStringLiteral("--luce"),         QStringLiteral("3:7,95:0,05"),
                                   QStringLiteral("--sovraccarico"), QStringLiteral("100:1090:10"),
                                   QStringLiteral("--formato"),      QString::fromLatin1(formato)};
    qint64 byte = 0;
    for (auto _ : state) {
        QByteArray uscita;
        QByteArray errori;
        const int stato = EseguiComandi(argomenti, uscita, errori);
        if (stato == 2)
            state.SkipWithError("options refused");
        byte = uscita.size();
        benchmark::DoNotOptimize(uscita.data());
    }
    state.counters["byte"] = double(byte);
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
