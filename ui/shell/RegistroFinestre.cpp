#include "RegistroFinestre.h"

RegistroFinestre Registro;

mdiVelmora *RegistroFinestre::CaricaPrincipale()
{
    if (!Principale) {
        Principale = new mdiVelmora;
        Principale->setAttribute(Qt::WA_DeleteOnClose);
        Principale->show();
    }
    return Principale;
}
