// End to end: the printed screen goes through CUPS to the default printer.
// Needs a cups-pdf queue as the default printer (scripts/setup-stampante-pdf.sh
// makes one on CI); skipped elsewhere. The queues that refuse or hold jobs
// are made for the test and removed after it, where this user may do so; the
// machine's default queue is left as it is.

#include "LetturaPdf.h"
#include "RispostaDialoghi.h"
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
#include <QTest>

namespace {

const QString CodaDiProva = QStringLiteral("VelmoraProvaRifiuti");

// Runs a CUPS command line tool; its standard output, or nothing if it failed.
QString Esegui(const QString &programma, const QStringList &argomenti, bool *riuscito = nullptr)
{
    QProcess processo;
    processo.start(programma, argomenti);
    const bool finito = processo.waitForFinished(10000);
    const bool ok = finito && processo.exitStatus() == QProcess::NormalExit &&
                    processo.exitCode() == 0;
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

} // namespace

class tst_StampaCups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stampaSullaStampantePredefinita();
    void codaCheRifiutaOInPausa_data();
    void codaCheRifiutaOInPausa();

private:
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
        return ppi >= 300 &&
               qAbs(pixel.height() - double(pixel.width()) * maschera->height() /
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

void tst_StampaCups::codaCheRifiutaOInPausa_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("motivo"); // empty: the job is kept
    QTest::newRow("rejecting jobs")
        << "cupsreject"
        << QStringLiteral("la stampante «%1» non accetta lavori (prova di rifiuto)").arg(CodaDiProva);
    QTest::newRow("paused") << "cupsdisable" << QString();
}

void tst_StampaCups::codaCheRifiutaOInPausa()
{
    QFETCH(QString, comando);
    QFETCH(QString, motivo);
    // A queue of its own, the default of this process alone.
    bool fatta = false;
    Esegui(QStringLiteral("lpadmin"),
           {QStringLiteral("-p"), CodaDiProva, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
            QStringLiteral("-P"), QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"),
            QStringLiteral("-E")},
           &fatta);
    if (!fatta)
        QSKIP("no right to add a print queue");
    Esegui(comando, {QStringLiteral("-r"), QStringLiteral("prova di rifiuto"), CodaDiProva},
           &fatta);
    QVERIFY(fatta);
    qputenv("PRINTER", CodaDiProva.toLocal8Bit());

    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    const QList<QVariant> esito = Stampa();
    QCOMPARE(esito.value(0).toBool(), motivo.isEmpty());
    const QString lavori =
        Esegui(QStringLiteral("lpstat"), {QStringLiteral("-o"), CodaDiProva});
    if (motivo.isEmpty()) {
        QCOMPARE(risposte.visti.size(), 1);
        QCOMPARE(lavori.count(QLatin1Char('\n')) + 1, 1); // kept, to print once resumed
    } else {
        QCOMPARE(esito.value(1).toString(), motivo);
        QCOMPARE(risposte.visti.size(), 2);
        QCOMPARE(risposte.visti.at(1).testo, QStringLiteral("Stampa non riuscita: %1.").arg(motivo));
        QVERIFY(lavori.isEmpty());
    }
}

QTEST_MAIN(tst_StampaCups)
#include "tst_stampacups.moc"
