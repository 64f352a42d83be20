// From a click on the input window's "&Calcola" to the result window on
// screen and painted, with the real windows under the offscreen platform.
// Each repetition times one click; between clicks, untimed, "&Back" returns
// to the input window, so every click loads a new result window as a user's
// does. The worked example, sized at its starting height.

#include "common/StileApplicazione.h"
#include "input/frmCalFerSol.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "common/ImmaginiLista.h"
#include "shell/RegistroFinestre.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
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
    // The first click of the process also draws the result window's
    // pictures and icons for the first time; the repetitions find them drawn.
    const double primo = TempoClic(InputConEsempio());
    std::printf("First click after start: %.2f ms\n", primo * 1000);
    TornaAllInput();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
