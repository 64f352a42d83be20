// From a click on the input window's "&Calcola" to the result window on
// screen and painted, with the real windows under the offscreen platform.
// Each repetition times one click; between clicks, untimed, "&Back" returns
// to the input window, so every click loads a new result window as a user's
// does. The worked example, sized at its starting height.

#include "common/ImmaginiLista.h"
#include "common/StileApplicazione.h"
#include "input/frmCalFerSol.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "shell/RegistroFinestre.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Notes the first paint of the result window.
class AttesaDipinto : public QObject {
public:
    AttesaDipinto() { qApp->installEventFilter(this); }
    ~AttesaDipinto() override { qApp->removeEventFilter(this); }
    bool dipinta = false;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && oggetto->objectName() == u"frmOutPut2")
            dipinta = true;
        return false;
    }
};

void TornaAllInput()
{
    QTest::mouseClick(OutPut2Caricata()->cmdBack, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmCalFerSol *InputConEsempio()
{
    frmCalFerSol *input = CaricaCalFerSol();
    input->txtLuceNettaSolaio->setText(QStringLiteral("5,00"));
    input->txtSovracAcc->setText(QStringLiteral("200"));
    QCoreApplication::processEvents();
    return input;
}

// Lets the event loop wait, as it does between a user's keystrokes.
void Attendi(int millisecondi)
{
    QEventLoop attesa;
    QTimer::singleShot(millisecondi, &attesa, &QEventLoop::quit);
    attesa.exec();
}

// Seconds from the click to the result window painted.
double TempoClic(frmCalFerSol *input)
{
    AttesaDipinto attesa;
    QElapsedTimer cronometro;
    cronometro.start();
    QTest::mouseClick(input->cmdCalcola, Qt::LeftButton);
    while (!attesa.dipinta && OutPut2Caricata())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return cronometro.nsecsElapsed() / 1e9;
}

void ClicCalcola(benchmark::State &state)
{
    frmCalFerSol *input = InputConEsempio();
    for (auto _ : state) {
        state.SetIterationTime(TempoClic(input));
        if (!OutPut2Caricata()) {
            state.SkipWithError("the calculation failed");
            break;
        }
        state.PauseTiming();
        TornaAllInput();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(ClicCalcola)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(101)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    CaricaTraduzioneQt(app);
    ImpostaStileApplicazione();
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();
    // The first click of the process finds the result window readied only
    // if the program has had a moment with nothing to do, as it has while a
    // user types; with --subito it comes at once instead.
    const bool subito = argc > 1 && qstrcmp(argv[argc - 1], "--subito") == 0;
    if (subito)
        --argc;
    frmCalFerSol *input = InputConEsempio();
    if (!subito)
        Attendi(100);
    const double primo = TempoClic(input);
    std::printf("First click after start, %s: %.2f ms\n",
                subito ? "at once" : "0.1 s after the input window", primo * 1000);
    TornaAllInput();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
