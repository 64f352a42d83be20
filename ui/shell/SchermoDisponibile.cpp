#include "SchermoDisponibile.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QFileInfo>
#include <QString>

namespace {

// The platforms Qt will try, in order, without their ":options".
QByteArrayList PiattaformeRichieste(int argc, char *argv[])
{
    QByteArray richiesta = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argomento(argv[i]);
        if (argomento == "-platform" || argomento == "--platform")
            richiesta = argv[i + 1];
    }
    if (richiesta.isEmpty())
        return {"xcb", "wayland"};
    QByteArrayList piattaforme;
    for (const QByteArray &voce : richiesta.split(';')) {
        const QByteArray nome = voce.split(':').constFirst().trimmed();
        if (!nome.isEmpty())
            piattaforme << nome;
    }
    return piattaforme;
}

bool SocketWayland()
{
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true;
    QString nome = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (nome.isEmpty())
        nome = QStringLiteral("wayland-0");
    if (nome.startsWith(u'/'))
        return QFileInfo::exists(nome);
    const QString cartella = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !cartella.isEmpty() && QFileInfo::exists(cartella + u'/' + nome);
}

bool DisplayX(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-display") == 0 || qstrcmp(argv[i], "--display") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

} // namespace

bool SchermoDisponibile(int argc, char *argv[])
{
    for (const QByteArray &piattaforma : PiattaformeRichieste(argc, argv)) {
        if (piattaforma.startsWith("xcb")) {
            if (DisplayX(argc, argv))
                return true;
        } else if (piattaforma.startsWith("wayland")) {
            if (SocketWayland())
                return true;
        } else {
            return true;
        }
    }
    return false;
}
