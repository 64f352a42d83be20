// End to end: the printed screen goes through CUPS to the default printer.
// Needs a cups-pdf queue as the default printer (scripts/setup-stampante-pdf.sh
// makes one on CI); skipped elsewhere. The queues that refuse or hold jobs
// are made for the test and removed after it, where this user may do so; the
// machine's default queue is left as it is. A server that fails as the page
// arrives is a proxy in this process, on 127.0.0.1, in front of the real one.

#include "AiutiFinestre.h"
#include "LetturaPdf.h"
#include "shell/Stampa.h"
#include "shell/TraduzioneQt.h"
#include "shell/mdiVelmora.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>

#include <cstdlib>
#include <memory>

namespace {

const QString CodaDiProva = QStringLiteral("VelmoraProvaRifiuti");

// Runs a CUPS command line tool; its standard output, or nothing if it failed.
QString Esegui(const QString &programma, const QStringList &argomenti, bool *riuscito = nullptr)
{
    QProcess processo;
    processo.start(programma, argomenti);
    const bool finito = processo.waitForFinished(10000);
    const bool ok =
        finito && processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0;
    if (riuscito)
        *riuscito = ok;
    return ok ? QString::fromLocal8Bit(processo.readAllStandardOutput()).trimmed() : QString();
}

// The default queue, e.g. "VelmoraPDF".
QString CodaPredefinita()
{
    return Esegui(QStringLiteral("lpstat"), {QStringLiteral("-d")})
        .section(QStringLiteral(": "), 1)
        .trimmed();
}

// The device of a CUPS queue, e.g. "cups-pdf:/".
QString DispositivoCoda(const QString &coda)
{
    return Esegui(QStringLiteral("lpstat"), {QStringLiteral("-v"), coda})
        .section(QStringLiteral(": "), 1);
}

// PDF files in the folder written since the given moment.
QStringList PdfRecenti(const QDir &cartella, const QDateTime &da)
{
    QStringList recenti;
    for (const QFileInfo &file :
         cartella.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
        if (file.lastModified() >= da)
            recenti << file.absoluteFilePath();
    }
    return recenti;
}

// The real print server's address on this machine, which the proxy passes on to.
const QHostAddress IndirizzoCups = QHostAddress::LocalHost;
constexpr quint16 PortaCups = 631;

// A print server that fails as a page starts to arrive: it passes everything
// on to the real one until a PDF starts on a connection, then resets that
// connection or, silent, takes what comes and passes nothing on.
class ServerInterrotto : public QObject {
public:
    enum class Guasto { Reset, Silenzio };

    explicit ServerInterrotto(Guasto guasto)
        : guasto(guasto)
    {
        connect(&ascolto, &QTcpServer::newConnection, this, &ServerInterrotto::Accogli);
    }

    bool Avvia() { return ascolto.listen(QHostAddress::LocalHost); }
    QByteArray Indirizzo() const
    {
        return QByteArray("127.0.0.1:") + QByteArray::number(ascolto.serverPort());
    }

    int pagine = 0; // the PDFs that started to arrive

private:
    void Accogli()
    {
        while (QTcpSocket *cliente = ascolto.nextPendingConnection()) {
            cliente->setParent(this);
            auto *server = new QTcpSocket(cliente);
            server->connectToHost(IndirizzoCups, PortaCups);
            auto interrotta = std::make_shared<bool>(false);
            auto coda = std::make_shared<QByteArray>(); // a PDF's mark may come in two reads
            connect(cliente, &QTcpSocket::readyRead, this, [=, this] {
                const QByteArray dati = cliente->readAll();
                if (*interrotta)
                    return;
                if ((*coda + dati).contains("%PDF-")) {
                    *interrotta = true;
                    ++pagine;
                    if (guasto == Guasto::Reset) {
                        Resetta(*cliente);
                        server->abort();
                    }
                    return;
                }
                *coda = dati.right(4);
                server->write(dati);
            });
            connect(server, &QTcpSocket::readyRead, this, [=] {
                const QByteArray dati = server->readAll();
                if (!*interrotta)
                    cliente->write(dati);
            });
            connect(server, &QTcpSocket::disconnected, cliente, &QTcpSocket::disconnectFromHost);
            connect(cliente, &QTcpSocket::disconnected, server, &QTcpSocket::disconnectFromHost);
        }
    }

    // Closed with a reset, as by a server that dies, not an orderly end.
    static void Resetta(QTcpSocket &presa)
    {
        const linger subito{1, 0};
        ::setsockopt(int(presa.socketDescriptor()), SOL_SOCKET, SO_LINGER, &subito, sizeof subito);
        presa.abort();
    }

    Guasto guasto;
    QTcpServer ascolto;
};

// The print system of this machine, with the test queue changed by a
// command between the lookup and the page.
class CodaCambiata : public ServizioStampa {
public:
    explicit CodaCambiata(const QString &comando)
        : comando(comando.toLocal8Bit() + ' ' + CodaDiProva.toLocal8Bit())
    {
    }

    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                          std::chrono::milliseconds attesa, std::stop_token fine) override
    {
        const bool trovata = sistema->TrovaPredefinita(Stampante, Errore, attesa, fine);
        return std::system(comando.constData()) == 0 && trovata;
    }
    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds attesa, std::stop_token fine) override
    {
        return sistema->InviaPagina(Stampante, videata, Errore, attesa, fine);
    }

private:
    QByteArray comando;
    std::shared_ptr<ServizioStampa> sistema = ServizioStampaSistema();
};

// Whether the real print server takes connections on its TCP port.
bool CupsInAscolto()
{
    QTcpSocket prova;
    prova.connectToHost(IndirizzoCups, PortaCups);
    return prova.waitForConnected(5000);
}

} // namespace

class tst_StampaCups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stampaSullaStampantePredefinita();
    void codaOServerCheNonPrende_data();
    void codaOServerCheNonPrende();
    void chiusuraDuranteLaStampa();

private:
    // A queue of its own, the default of this process alone, given the
    // command (cupsreject, cupsdisable...); false where this user may not.
    bool CreaCoda(const QString &comando);
    // Prints the one child window from its own button and waits for the end.
    QList<QVariant> Stampa();

    mdiVelmora *finestra = nullptr;
    QWidget *maschera = nullptr;
    QString predefinita;
};

void tst_StampaCups::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    CaricaTraduzioneQt(*QCoreApplication::instance());
    predefinita = CodaPredefinita();
    if (predefinita.isEmpty())
        QSKIP("no default printer");
    if (!DispositivoCoda(predefinita).startsWith(QLatin1String("cups-pdf:")))
        QSKIP("the default printer is not a cups-pdf queue");
}

void tst_StampaCups::init()
{
    finestra = new mdiVelmora;
    finestra->show();
    maschera = new QWidget;
    maschera->setFixedSize(420, 260);
    (new QLineEdit(QStringLiteral("12,5"), maschera))->setGeometry(20, 20, 150, 24);
    QMdiSubWindow *cornice = finestra->AggiungiFiglia(maschera);
    cornice->show();
    finestra->AreaFiglie()->setActiveSubWindow(cornice);
}

void tst_StampaCups::cleanup()
{
    delete finestra;
    qunsetenv("PRINTER");
    qunsetenv("CUPS_SERVER");
    Esegui(QStringLiteral("cancel"), {QStringLiteral("-a"), CodaDiProva});
    Esegui(QStringLiteral("lpadmin"), {QStringLiteral("-x"), CodaDiProva});
}

QList<QVariant> tst_StampaCups::Stampa()
{
    QSignalSpy conclusa(finestra, &mdiVelmora::StampaConclusa);
    finestra->StampaVideo();
    if (conclusa.isEmpty() && !conclusa.wait(30000))
        return {};
    return conclusa.first();
}

void tst_StampaCups::stampaSullaStampantePredefinita()
{
    // cups-pdf writes into ~/PDF of the user who prints; file times have
    // whole seconds, so count from the start of this one.
    const QDir uscita(QDir::home().filePath(QStringLiteral("PDF")));
    QDateTime inizio = QDateTime::currentDateTime();
    inizio.setTime(QTime(inizio.time().hour(), inizio.time().minute(), inizio.time().second()));

    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    const QList<QVariant> esito = Stampa();
    QCOMPARE(esito.value(0).toBool(), true);
    QCOMPARE(risposte.visti.size(), 1); // the question, no warning

    // The queue runs on its own: wait for its file, whole. Others may print
    // on the same queue meanwhile: ours is the one with the window drawn at
    // 300 pixels an inch of paper or more, proportions kept.
    const auto Nostro = [this](const ContenutoPdf &contenuto) {
        if (!contenuto.completo || contenuto.pagine != 1 || contenuto.immagini.size() != 1 ||
            contenuto.posizioni.size() != 1)
            return false;
        const QSize pixel = contenuto.immagini.first();
        const double ppi = pixel.width() / (contenuto.posizioni.first().width() / 72);
        return ppi >= 300 && qAbs(pixel.height() - double(pixel.width()) * maschera->height() /
                                                       maschera->width()) <= 1;
    };
    QString stampato;
    const auto Trova = [&] {
        for (const QString &recente : PdfRecenti(uscita, inizio)) {
            if (Nostro(LeggiPdf(recente)))
                stampato = recente;
        }
        return !stampato.isEmpty();
    };
    QTRY_VERIFY_WITH_TIMEOUT(Trova(), 120000);
    QFile::remove(stampato);
}

bool tst_StampaCups::CreaCoda(const QString &comando)
{
    bool fatta = false;
    Esegui(QStringLiteral("lpadmin"),
           {QStringLiteral("-p"), CodaDiProva, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
            QStringLiteral("-P"), QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"),
            QStringLiteral("-E")},
           &fatta);
    if (!fatta)
        return false;
    Esegui(comando, {QStringLiteral("-r"), QStringLiteral("prova di rifiuto"), CodaDiProva},
           &fatta);
    qputenv("PRINTER", CodaDiProva.toLocal8Bit());
    return fatta;
}

void tst_StampaCups::codaOServerCheNonPrende_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("guasto");
    QTest::addColumn<QString>("motivo"); // a pattern; empty: the job is kept

    // Whether the library keeps the reason of a reset depends on when it
    // comes; that the connection broke it always knows.
    const QString cadutoSulFoglio =
        QStringLiteral("il server di stampa 127\\.0\\.0\\.1:\\d+ ha interrotto la connessione|"
                       "la connessione con il server di stampa 127\\.0\\.0\\.1:\\d+ si è "
                       "interrotta");
    const QString mutoSulFoglio =
        QStringLiteral("il server di stampa 127\\.0\\.0\\.1:\\d+ non risponde");
    QTest::newRow("rejecting jobs")
        << "cupsreject" << QString()
        << QRegularExpression::escape(
               QStringLiteral("la stampante «%1» non accetta lavori (prova di rifiuto)")
                   .arg(CodaDiProva));
    QTest::newRow("paused") << "cupsdisable" << QString() << QString();
    // The queue is paused, so that a job left behind would stay to be seen.
    QTest::newRow("connection reset as the page goes") << "cupsdisable"
                                                       << "reset" << cadutoSulFoglio;
    QTest::newRow("server silent once the page goes") << "cupsdisable"
                                                      << "silenzio" << mutoSulFoglio;
    // The queue changes between the lookup and the page.
    QTest::newRow("queue removed before the page")
        << "cupsdisable"
        << "lpadmin -x" << QStringLiteral("la stampante «%1» non esiste più").arg(CodaDiProva);
    // The server's own words, in the language it chooses.
    QTest::newRow("queue refusing jobs before the page")
        << "cupsdisable"
        << "cupsreject" << QStringLiteral(".*\\b%1\\b.*").arg(CodaDiProva);
    QTest::newRow("default printer that does not exist")
        << "cupsdisable"
        << "inesistente" << QStringLiteral("la stampante predefinita «NonEsiste» non esiste");
}

void tst_StampaCups::codaOServerCheNonPrende()
{
    QFETCH(QString, comando);
    QFETCH(QString, guasto);
    QFETCH(QString, motivo);
    if (!CreaCoda(comando))
        QSKIP("no right to add a print queue");
    std::unique_ptr<ServerInterrotto> server;
    if (guasto == u"reset" || guasto == u"silenzio") {
        if (!CupsInAscolto())
            QSKIP("the print server does not listen on 127.0.0.1:631");
        server = std::make_unique<ServerInterrotto>(guasto == u"reset"
                                                        ? ServerInterrotto::Guasto::Reset
                                                        : ServerInterrotto::Guasto::Silenzio);
        QVERIFY(server->Avvia());
        qputenv("CUPS_SERVER", server->Indirizzo());
        finestra->ImpostaServizioStampa(ServizioStampaSistema(), std::chrono::seconds(4));
    } else if (guasto == u"lpadmin -x" || guasto == u"cupsreject") {
        finestra->ImpostaServizioStampa(std::make_shared<CodaCambiata>(guasto));
    } else if (guasto == u"inesistente") {
        qputenv("PRINTER", "NonEsiste");
    }

    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    const QList<QVariant> esito = Stampa();
    qunsetenv("CUPS_SERVER");
    QCOMPARE(esito.value(0).toBool(), motivo.isEmpty());
    if (server)
        QCOMPARE(server->pagine, 1);
    const QString lavori = Esegui(QStringLiteral("lpstat"), {QStringLiteral("-o"), CodaDiProva});
    if (motivo.isEmpty()) {
        QCOMPARE(risposte.visti.size(), 1);
        QCOMPARE(lavori.count(QLatin1Char('\n')) + 1, 1); // kept, to print once resumed
        return;
    }
    const QString perche = esito.value(1).toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^(%1)$").arg(motivo)).match(perche).hasMatch(),
             qPrintable(perche));
    QCOMPARE(risposte.visti.size(), 2);
    QCOMPARE(risposte.visti.at(1).testo, QStringLiteral("Stampa non riuscita: %1.").arg(perche));
    QVERIFY2(lavori.isEmpty(), qPrintable(lavori)); // nothing left behind, empty or not
}

void tst_StampaCups::chiusuraDuranteLaStampa()
{
    // The window closes while the page is on its way to a server that has
    // stopped answering: the page's temporary file goes with the printout.
    if (!CreaCoda(QStringLiteral("cupsdisable")))
        QSKIP("no right to add a print queue");
    if (!CupsInAscolto())
        QSKIP("the print server does not listen on 127.0.0.1:631");
    ServerInterrotto server(ServerInterrotto::Guasto::Silenzio);
    QVERIFY(server.Avvia());
    qputenv("CUPS_SERVER", server.Indirizzo());
    QTemporaryDir temporanea;
    QVERIFY(temporanea.isValid());
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporanea.path()));

    RispostaDialoghi risposte({QMessageBox::Yes});
    finestra->StampaVideo();
    QTRY_COMPARE_WITH_TIMEOUT(server.pagine, 1, 10000);
    finestra->close();
    delete finestra;
    finestra = nullptr;
    if (tmpdir.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmpdir);
    QCOMPARE(QDir(temporanea.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_MAIN(tst_StampaCups)
#include "tst_stampacups.moc"
