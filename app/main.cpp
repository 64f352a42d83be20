#include "RigaComando.h"
#include "common/ImmaginiLista.h"
#include "common/StileApplicazione.h"
#include "shell/GestioneFinestre.h"
#include "shell/SchermoDisponibile.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Calculation options: sized and printed without windows or a display.
    if (ChiedeRigaComando(argc, argv))
        return EseguiRigaComando(argc, argv);
#ifndef Q_OS_WIN // Windows always has its desktop
    if (!SchermoDisponibile(argc, argv))
        return SegnalaSchermoMancante();
#endif
    const auto app = CreaApplicazione(argc, argv);
    CaricaTraduzioneQt(*app);
    ImpostaStileApplicazione();
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();
    // The wizard comes first; its "Fine" opens the main window.
    MostraSplash();
    return QApplication::exec();
}
