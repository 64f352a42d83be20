#include "shell/ImmaginiLista.h"
#include "shell/RegistroFinestre.h"
#include "shell/TraduzioneQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    CaricaTraduzioneQt(app);
    QApplication::setWindowIcon(IconaApplicazione());
    Registro.CaricaPrincipale();
    return app.exec();
}
