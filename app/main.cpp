#include "common/StileApplicazione.h"
#include "shell/GestioneFinestre.h"
#include "shell/ImmaginiLista.h"
#include "shell/SchermoDisponibile.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!SchermoDisponibile(argc, argv))
        return SegnalaSchermoMancante();
    QApplication app(argc, argv);
    CaricaTraduzioneQt(app);
    ImpostaStileApplicazione();
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();
    // The wizard comes first; its "Fine" opens the main window.
    MostraSplash();
    return app.exec();
}
