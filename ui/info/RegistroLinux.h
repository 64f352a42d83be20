#pragma once

#include "ServiziSistema.h"

#include <QHash>
#include <QStringList>

// Linux has no registry. This stand-in knows the two keys that locate the
// system-information tool and answers from what the desktop offers:
// "SOFTWARE\Microsoft\Shared Tools\MSINFO" holds "PATH", the full path of
// the first of ProgrammiInformazioniSistema found on PATH, and has no value
// while none is installed; "SOFTWARE\Microsoft\Shared Tools Location" exists
// but holds no "MSINFO", since no MSINFO32.EXE lives on this system. Any
// other key is missing. Asking for more than read access is refused, as it
// would be for an ordinary user.
class RegistroLinux : public RegistroSistema {
public:
    // Desktop tools that show a summary of the hardware and the system, in
    // order of preference: the GTK system profiler (both generations), the
    // KDE information centre, and a processor and memory inspector.
    static const QStringList ProgrammiInformazioniSistema;

    long ApriChiave(quint32 radice, const QString &percorso, quint32 opzioni, quint32 accesso,
                    Chiave &aperta) override;
    long LeggiValore(Chiave chiave, const QString &nome, quint32 &tipo, char *dati,
                     quint32 &dimensione) override;
    long ChiudiChiave(Chiave chiave) override;

    // The full path of the first tool of the list found in the folders PATH
    // names absolutely, or "". Relative entries are passed over: they would
    // find a program in whatever folder the application was started from.
    static QString ProgrammaInformazioniSistema();

private:
    enum class ChiaveNota { InformazioniSistema, PosizioneStrumenti };

    QHash<Chiave, ChiaveNota> aperte;
    Chiave prossima = 1;
};
