#include "RigaComando.h"
#include "common/Aspetto.h"
#include "common/ImmaginiLista.h"
#include "shell/GestioneFinestre.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Calculation options: sized and printed without windows or a display.
    if (ChiedeRigaComando(argc, argv))
        return EseguiRigaComando(argc, argv);
    QApplication app(argc, argv);
    Aspetto::ImpostaStileApplicazione();
    CaricaTraduzioneQt(app);
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();
    // The wizard comes first; its "Fine" opens the main window.
    MostraSplash();
    return app.exec();
}
