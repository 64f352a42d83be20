#include "ServiziSistema.h"

#include <windows.h>

// The registry of Windows, through its three calls in advapi32 in their ANSI
// form. Key paths and value names travel in the system's ANSI code page.

namespace {

// The three calls of advapi32, in their ANSI form.
class RegistroWindows : public RegistroSistema {
public:
    long ApriChiave(quint32 radice, const QString &percorso, quint32 opzioni, quint32 accesso,
                    Chiave &aperta) override
    {
        HKEY chiave = nullptr;
        const LONG esito =
            RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(radice))),
                          percorso.toLocal8Bit().constData(), opzioni, accesso, &chiave);
        aperta = reinterpret_cast<Chiave>(chiave);
        return esito;
    }

    long LeggiValore(Chiave chiave, const QString &nome, quint32 &tipo, char *dati,
                     quint32 &dimensione) override
    {
        DWORD tipoLetto = 0;
        DWORD dimensioneLetta = dimensione;
        const LONG esito =
            RegQueryValueExA(reinterpret_cast<HKEY>(chiave), nome.toLocal8Bit().constData(),
                             nullptr, &tipoLetto, reinterpret_cast<LPBYTE>(dati), &dimensioneLetta);
        tipo = tipoLetto;
        dimensione = dimensioneLetta;
        return esito;
    }

    long ChiudiChiave(Chiave chiave) override
    {
        return RegCloseKey(reinterpret_cast<HKEY>(chiave));
    }
};

} // namespace

std::unique_ptr<RegistroSistema> RegistroDelSistema()
{
    return std::make_unique<RegistroWindows>();
}
