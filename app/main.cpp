#include "common/Aspetto.h"
#include "shell/GestioneFinestre.h"
#include "common/ImmaginiLista.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Aspetto::ImpostaStileApplicazione();
    CaricaTraduzioneQt(app);
    QApplication::setWindowIcon(IconaApplicazione());
    CollegaMotoreAlleFinestre();
    // The wizard comes first; its "Fine" opens the main window.
    MostraSplash();
    return app.exec();
}
