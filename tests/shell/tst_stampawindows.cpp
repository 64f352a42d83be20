// End to end on Windows: the printed screen goes through Qt's printing to the
// user's default printer, without a dialog. Under Wine that is this
// machine's CUPS, whose PDF queue (scripts/setup-stampante-pdf.sh) writes
// into the folder VELMORA_CARTELLA_PDF names: there the page is looked for,
// whole, and left for scripts/test-windows.sh, which looks at the picture
// on it. Skipped where Windows has no default printer.

#include "AiutiFinestre.h"
#include "LetturaPdf.h"
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
#include <QSignalSpy>
#include <QTest>

#include <cmath>

class tst_StampaWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void stampaSullaStampantePredefinita();
};

void tst_StampaWindows::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    CaricaTraduzioneQt(*QCoreApplication::instance());
    if (QPrinterInfo::defaultPrinter().isNull())
        QSKIP("no default printer");
}

void tst_StampaWindows::stampaSullaStampantePredefinita()
{
    mdiVelmora finestra;
    finestra.show();
    auto *maschera = new QWidget;
    maschera->setFixedSize(420, 260);
    // A colour the whole picture shows, to be told from the paper.
    QPalette tavolozza = maschera->palette();
    tavolozza.setColor(QPalette::Window, QColor(0, 0, 128));
    maschera->setPalette(tavolozza);
    maschera->setAutoFillBackground(true);
    (new QLineEdit(QStringLiteral("12,5"), maschera))->setGeometry(20, 20, 150, 24);
    QMdiSubWindow *cornice = finestra.AggiungiFiglia(maschera);
    cornice->show();
    finestra.AreaFiglie()->setActiveSubWindow(cornice);

    // File times have whole seconds: count from the start of this one.
    QDateTime inizio = QDateTime::currentDateTime();
    inizio.setTime(QTime(inizio.time().hour(), inizio.time().minute(), inizio.time().second()));
    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    QSignalSpy conclusa(&finestra, &mdiVelmora::StampaConclusa);
    finestra.StampaVideo();
    QVERIFY(!conclusa.isEmpty() || conclusa.wait(30000));
    QVERIFY2(conclusa.first().at(0).toBool(), qPrintable(conclusa.first().at(1).toString()));
    QCOMPARE(risposte.visti.size(), 1); // the question, no warning

    const QString cartella = qEnvironmentVariable("VELMORA_CARTELLA_PDF");
    if (cartella.isEmpty())
        QSKIP("handed to the printer; where it prints is not known here");
    // Ours is the one page with the window drawn at 300 pixels an inch of
    // paper or more, proportions kept. Wine's printer driver cuts a wide
    // picture into strips and turns a landscape page: the strips are taken
    // together, whichever way the page lies.
    const auto Nostro = [maschera](const ContenutoPdf &contenuto) {
        if (!contenuto.completo || contenuto.pagine != 1 || contenuto.immagini.isEmpty() ||
            contenuto.posizioni.size() != contenuto.immagini.size())
            return false;
        double pixel = 0, punti = 0;
        QRectF insieme;
        for (qsizetype i = 0; i < contenuto.immagini.size(); ++i) {
            pixel += double(contenuto.immagini[i].width()) * contenuto.immagini[i].height();
            punti += contenuto.posizioni[i].width() * contenuto.posizioni[i].height();
            insieme |= contenuto.posizioni[i];
        }
        // The page may be turned: the picture's long side against the window's.
        const double proporzione =
            qMax(insieme.width(), insieme.height()) / qMin(insieme.width(), insieme.height());
        return std::sqrt(pixel / punti) * 72 >= 300 &&
               qAbs(proporzione / (double(maschera->width()) / maschera->height()) - 1) < 0.01;
    };
    QString stampato;
    const auto Trova = [&] {
        for (const QFileInfo &file :
             QDir(cartella).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
            if (file.lastModified() >= inizio && Nostro(LeggiPdf(file.absoluteFilePath())))
                stampato = file.absoluteFilePath();
        }
        return !stampato.isEmpty();
    };
    QTRY_VERIFY_WITH_TIMEOUT(Trova(), 60000);
}

QTEST_MAIN(tst_StampaWindows)
#include "tst_stampawindows.moc"
