// One whole calculation (input check, sizing, the thirteen result texts)
// through a minimal stand-in for the windows, so the figure is the engine's.
// Ten repetitions of many calculations each; the median is the figure.

#include "modVelmora.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

class FinestreMinime : public Finestre {
public:
    FinestreMinime(const QString &luce, const QString &carico)
        : luce(luce)
        , carico(carico)
    {
    }

    QString TestoControllo(const QString &nome) override
    {
        if (nome == u"txtLuceNettaSolaio")
            return luce;
        if (nome == u"txtSovracAcc")
            return carico;
        if (nome == u"cmbCF")
            return QStringLiteral("2");
        return QStringLiteral("4");
    }
    bool ValoreOpzione(const QString &) override { return true; }
    void ImpostaFuoco(const QString &) override {}
    void ScriviRisultato(const QString &, const QString &testo) override { ultimo = testo; }
    void NascondiInput() override {}
    void MostraFinestraRisultati() override { ++calcoliRiusciti; }
    void MostraAvviso(const QString &, const QString &) override { ++avvisi; }

    QString luce, carico, ultimo;
    int calcoliRiusciti = 0;
    int avvisi = 0;
};

void CalcoloCompleto(benchmark::State &state, const char *luce, const char *carico)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Progetto = RecordProgetto{};
    InizializzaTabelle();
    ImpostaValoriIniziali();
    FinestreMinime finestre(QString::fromLatin1(luce), QString::fromLatin1(carico));
    CollegaFinestre(&finestre);
    for (auto _ : state) {
        Progetto.HTravettoMinimo = Intero(0);
        CalcolaSolaio();
        benchmark::DoNotOptimize(finestre.ultimo);
    }
    CollegaFinestre(nullptr);
    if (finestre.avvisi > 0)
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
