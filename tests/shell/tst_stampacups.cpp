// End to end: the printed screen goes through CUPS to the default printer.
// Needs a cups-pdf queue as the default printer (scripts/setup-stampante-pdf.sh
// makes one on CI); skipped elsewhere.

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
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

namespace {

// The device of a CUPS queue, e.g. "cups-pdf:/".
QString DispositivoCoda(const QString &coda)
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), coda});
    if (!lpstat.waitForFinished(10000))
        return {};
    const QString risposta = QString::fromLocal8Bit(lpstat.readAllStandardOutput()).trimmed();
    return risposta.section(QStringLiteral(": "), 1);
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
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        CaricaTraduzioneQt(*QCoreApplication::instance());
    }

    void stampaSullaStampantePredefinita();
};

void tst_StampaCups::stampaSullaStampantePredefinita()
{
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull())
        QSKIP("no default printer");
    if (!DispositivoCoda(predefinita.printerName()).startsWith(QLatin1String("cups-pdf:")))
        QSKIP("the default printer is not a cups-pdf queue");

    // cups-pdf writes into ~/PDF of the user who prints; file times have
    // whole seconds, so count from the start of this one.
    const QDir uscita(QDir::home().filePath(QStringLiteral("PDF")));
    QDateTime inizio = QDateTime::currentDateTime();
    inizio.setTime(QTime(inizio.time().hour(), inizio.time().minute(), inizio.time().second()));

    mdiVelmora finestra;
    finestra.show();
    auto *maschera = new QWidget;
    maschera->setFixedSize(420, 260);
    (new QLineEdit(QStringLiteral("12,5"), maschera))->setGeometry(20, 20, 150, 24);
    QMdiSubWindow *cornice = finestra.AggiungiFiglia(maschera);
    cornice->show();
    finestra.AreaFiglie()->setActiveSubWindow(cornice);

    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    finestra.StampaVideo();
    QCOMPARE(risposte.visti.size(), 1); // the question, no warning

    // The queue runs on its own: wait for its file, whole.
    QTRY_VERIFY_WITH_TIMEOUT(!PdfRecenti(uscita, inizio).isEmpty(), 60000);
    const QString stampato = PdfRecenti(uscita, inizio).first();
    QTRY_VERIFY_WITH_TIMEOUT(LeggiPdf(stampato).completo, 30000);
    const ContenutoPdf contenuto = LeggiPdf(stampato);
    QCOMPARE(contenuto.pagine, 1);
    QCOMPARE(contenuto.immagini, QList<QSize>{maschera->size() * maschera->devicePixelRatioF()});
}

QTEST_MAIN(tst_StampaCups)
#include "tst_stampacups.moc"
