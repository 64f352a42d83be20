// From the answer "Sì" to the printed screen handed over, for the result
// window of the worked example, with the real windows under the offscreen
// platform. Each repetition presses the window's "Stam&pa", answers the
// question and waits for the printout to end; besides the time to the end it
// reports the longest the window thread went without taking input meanwhile.
//
// By default the page goes to a stand-in printer that takes it at once, so
// the figure is this program's own work: the window drawn at printing
// density, the page written, the threads' hand-overs. With --cups it goes to
// the system's default printer, and every repetition prints a page there.

#include "common/ImmaginiLista.h"
#include "input/frmCalFerSol.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "shell/RegistroFinestre.h"
#include "shell/Stampa.h"
#include "shell/TraduzioneQt.h"
#include "shell/mdiVelmora.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

// Takes every page as soon as it is written, as the print server would.
class StampanteImmediata : public ServizioStampa {
public:
    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &, std::chrono::milliseconds,
                          std::stop_token) override
    {
        Stampante.Nome = QStringLiteral("Immediata");
        Stampante.Carta = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                      QPageLayout::Millimeter);
        return true;
    }
    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds, std::stop_token) override
    {
        QBuffer pagina;
        pagina.open(QIODevice::WriteOnly);
        return ScriviPaginaPdf(videata, Stampante.Carta, pagina, Errore);
    }
};

struct Misura {
    double finoAllaConsegna = 0; // s, from "Sì" to the end
    double attesaMassima = 0;    // s, the longest the window thread was busy
    bool stampata = false;
};

// One printout from the result window's button.
Misura TempoStampa()
{
    Misura misura;
    QElapsedTimer cronometro;
    bool concluso = false;
    qint64 ultimoGiro = -1;
    const auto connessione = QObject::connect(
        Registro.Principale.data(), &mdiVelmora::StampaConclusa, [&](bool stampata) {
            misura.stampata = stampata;
            misura.finoAllaConsegna = cronometro.nsecsElapsed() / 1e9;
            concluso = true;
        });
    // Answers the question as soon as it shows, and from then on notes how
    // long the thread takes between two turns of its event loop.
    QTimer giro;
    giro.setTimerType(Qt::PreciseTimer);
    QObject::connect(&giro, &QTimer::timeout, [&] {
        if (ultimoGiro >= 0) {
            const qint64 adesso = cronometro.nsecsElapsed();
            misura.attesaMassima = qMax(misura.attesaMassima, (adesso - ultimoGiro) / 1e9);
            ultimoGiro = adesso;
            return;
        }
        auto *domanda = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!domanda || !domanda->isVisible())
            return;
        cronometro.start();
        ultimoGiro = 0;
        domanda->button(QMessageBox::Yes)->click();
    });
    giro.start(1);
    QTest::mouseClick(OutPut2Caricata()->cmdStampa, Qt::LeftButton);
    while (!concluso)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(connessione);
    return misura;
}

void StampaRisultati(benchmark::State &state)
{
    for (auto _ : state) {
        const Misura misura = TempoStampa();
        if (!misura.stampata) {
            state.SkipWithError("the printout failed");
            break;
        }
        state.SetIterationTime(misura.finoAllaConsegna);
        state.counters["attesa_max_ms"] = misura.attesaMassima * 1000;
    }
}

} // namespace

BENCHMARK(StampaRisultati)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    bool cups = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cups") == 0) {
            cups = true;
            std::memmove(argv + i, argv + i + 1, sizeof(char *) * (argc - i));
            --argc;
            break;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    CaricaTraduzioneQt(app);
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();

    frmCalFerSol *input = CaricaCalFerSol();
    input->txtLuceNettaSolaio->setText(QStringLiteral("5,00"));
    input->txtSovracAcc->setText(QStringLiteral("200"));
    QTest::mouseClick(input->cmdCalcola, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (!OutPut2Caricata()) {
        std::fprintf(stderr, "the worked example did not reach the result window\n");
        return 1;
    }
    if (!cups)
        Registro.Principale->ImpostaServizioStampa(std::make_shared<StampanteImmediata>());
    const QSize finestra = OutPut2Caricata()->size();
    const qreal scala = ScalaRitratto(finestra);
    std::printf("Result window %dx%d pixels, drawn at %.2fx: %dx%d pixels, %s\n", finestra.width(),
                finestra.height(), scala, qRound(finestra.width() * scala),
                qRound(finestra.height() * scala),
                cups ? "to the default printer" : "to a stand-in printer");

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
