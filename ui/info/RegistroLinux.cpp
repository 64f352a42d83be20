#include "RegistroLinux.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstring>

namespace {

// Registry names do not tell upper from lower case.
bool StessoNome(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The rights that only read, whichever registry view is asked for.
constexpr quint32 VisteRegistro = 0x0100 | 0x0200; // KEY_WOW64_64KEY, KEY_WOW64_32KEY

} // namespace

const QStringList RegistroLinux::ProgrammiInformazioniSistema{
    QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
    QStringLiteral("cpu-x")};

namespace {

// The folders of PATH that name a place of their own. An empty, "." or
// other relative entry means the current folder, wherever the program was
// started from: a program of the tool's name lying there must not run.
QStringList CartelleAssoluteDelPercorso()
{
    QStringList assolute;
    const QStringList voci =
        QString::fromLocal8Bit(qgetenv("PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &voce : voci) {
        if (QDir::isAbsolutePath(voce))
            assolute << voce;
    }
    return assolute;
}

} // namespace

QString RegistroLinux::ProgrammaInformazioniSistema()
{
    const QStringList cartelle = CartelleAssoluteDelPercorso();
    if (cartelle.isEmpty())
        return {};
    for (const QString &programma : ProgrammiInformazioniSistema) {
        const QString percorso = QStandardPaths::findExecutable(programma, cartelle);
        if (!percorso.isEmpty())
            return percorso;
    }
    return {};
}

long RegistroLinux::ApriChiave(quint32 radice, const QString &percorso, quint32 opzioni,
                               quint32 accesso, Chiave &aperta)
{
    Q_UNUSED(opzioni);
    aperta = 0;
    if (accesso & ~(AccessoLettura | VisteRegistro))
        return AccessoNegato;
    if (radice != MacchinaLocale)
        return NonTrovato;
    ChiaveNota nota;
    if (StessoNome(percorso, ChiaveSysInfo))
        nota = ChiaveNota::InformazioniSistema;
    else if (StessoNome(percorso, ChiaveSysInfoLoc))
        nota = ChiaveNota::PosizioneStrumenti;
    else
        return NonTrovato;
    aperta = prossima++;
    aperte.insert(aperta, nota);
    return Riuscito;
}

long RegistroLinux::LeggiValore(Chiave chiave, const QString &nome, quint32 &tipo, char *dati,
                                quint32 &dimensione)
{
    const auto trovata = aperte.constFind(chiave);
    if (trovata == aperte.constEnd())
        return ChiaveNonValida;
    if (*trovata != ChiaveNota::InformazioniSistema || !StessoNome(nome, ValoreSysInfo))
        return NonTrovato;
    const QString programma = ProgrammaInformazioniSistema();
    if (programma.isEmpty())
        return NonTrovato;

    // A string value comes with its terminating NUL, as the system gives it.
    QByteArray valore = QFile::encodeName(programma);
    valore.append('\0');
    const auto necessaria = quint32(valore.size());
    tipo = TipoTesto;
    if (necessaria > dimensione) {
        dimensione = necessaria;
        return DatiTroppoLunghi;
    }
    std::memcpy(dati, valore.constData(), necessaria);
    dimensione = necessaria;
    return Riuscito;
}

long RegistroLinux::ChiudiChiave(Chiave chiave)
{
    return aperte.remove(chiave) ? Riuscito : ChiaveNonValida;
}

std::unique_ptr<RegistroSistema> RegistroDelSistema()
{
    return std::make_unique<RegistroLinux>();
}
