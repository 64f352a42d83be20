#include "SchermoDisponibile.h"

#include <QApplication>
#include <QByteArray>
#include <QByteArrayList>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <utility>

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

// Qt's notices while the application object is being made, held back until
// it is clear whether the platform could open.
struct Avviso {
    QtMsgType tipo;
    QByteArray categoria;
    QString testo;
};
QList<Avviso> avvisiTrattenuti;

void TrattieniAvviso(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (tipo == QtFatalMsg) {
        // Only the platform's failure to open is fatal while the object is made.
        SegnalaSchermoMancante();
        std::_Exit(1);
    }
    avvisiTrattenuti.append({tipo, QByteArray(contesto.category), testo});
}

} // namespace

std::unique_ptr<QApplication> CreaApplicazione(int &argc, char *argv[])
{
    const QtMessageHandler precedente = qInstallMessageHandler(TrattieniAvviso);
    auto applicazione = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(precedente);
    for (const Avviso &avviso : std::exchange(avvisiTrattenuti, {})) {
        const QMessageLogContext contesto(nullptr, 0, nullptr, avviso.categoria.constData());
        qt_message_output(avviso.tipo, contesto, avviso.testo);
    }
    return applicazione;
}

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

int SegnalaSchermoMancante()
{
    std::fputs("predimvelmora: nessuno schermo disponibile per le finestre; avviarlo da una "
               "sessione grafica (o con ssh -X da un altro computer). La riga di comando "
               "funziona anche senza schermo: predimvelmora --help\n",
               stderr);
    return 1;
}
