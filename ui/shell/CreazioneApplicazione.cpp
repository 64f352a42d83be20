#include "SchermoDisponibile.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#include <cstdlib>
#include <utility>

namespace {

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

int SegnalaSchermoMancante()
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stderr), _O_BINARY); // "\n" ends the line, as on every system
#endif
    std::fputs("predimvelmora: nessuno schermo disponibile per le finestre; avviarlo da una "
               "sessione grafica (o con ssh -X da un altro computer). La riga di comando "
               "funziona anche senza schermo: predimvelmora --help\n",
               stderr);
    return 1;
}
