#include "RigaComando.h"
#include "shell/GestioneFinestre.h"
#include "shell/ImmaginiLista.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Calculation options: sized and printed without windows or a display.
    if (ChiedeRigaComando(argc, argv))
        return EseguiRigaComando(argc, argv);
    QApplication app(argc, argv);
    CaricaTraduzioneQt(app);
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();
    // The wizard comes first; its "Fine" opens the main window.
    MostraSplash();
    return app.exec();
}
