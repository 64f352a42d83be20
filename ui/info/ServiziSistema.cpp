#include "ServiziSistema.h"

#include <QFileInfo>
#include <QProcess>

ServiziPredefiniti::ServiziPredefiniti()
    : registro(RegistroDelSistema())
{
}

ServiziPredefiniti::~ServiziPredefiniti() = default;

bool ServiziPredefiniti::EsisteFile(const QString &percorso)
{
    return QFileInfo(percorso).isFile();
}

bool ServiziPredefiniti::AvviaProgramma(const QString &percorso)
{
    // The path is the program itself, never a command line to be split.
    return !percorso.isEmpty() && QProcess::startDetached(percorso, {});
}
