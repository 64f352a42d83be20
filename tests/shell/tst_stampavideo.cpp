// Screen printing: the confirmation, the page it prints and what happens when
// printing cannot be done, for each of the commands that ask for it.

#include "AiutiFinestre.h"
#include "LetturaPdf.h"
#include "StampanteFinta.h"
#include "StatoApplicazione.h"
#include "shell/InsiemiPulsanti.h"
#include "shell/Stampa.h"
#include "shell/TraduzioneQt.h"
#include "shell/mdiVelmora.h"

#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#ifdef VELMORA_SERVER_CUPS
#include <QTcpServer>
#endif
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

Q_DECLARE_METATYPE(OrigineStampa)
Q_DECLARE_METATYPE(StampanteFinta::Risposta)

namespace {

using Risposta = StampanteFinta::Risposta;
using namespace std::chrono_literals;

// A window to print: a text box on a plain face, of a given size.
QWidget *CreaMaschera(const QSize &misura, const QString &nome)
{
    auto *maschera = new QWidget;
    maschera->setObjectName(nome);
    maschera->setAttribute(Qt::WA_DeleteOnClose);
    maschera->setFixedSize(misura);
    auto *testo = new QLineEdit(maschera);
    testo->setObjectName(QStringLiteral("txtProva"));
    testo->setGeometry(20, 20, 150, 24);
    return maschera;
}

// Asks for the printout the way the given command does.
void ChiediStampa(mdiVelmora &finestra, OrigineStampa origine)
{
    switch (origine) {
    case OrigineStampa::PulsanteFinestra:
        finestra.StampaVideo();
        break;
    case OrigineStampa::MenuFile:
        VoceMenu(finestra, QStringLiteral("Stam&pa"))->trigger();
        break;
    case OrigineStampa::BarraStrumenti: {
        auto *tlbMdi = finestra.findChild<QToolBar *>(QStringLiteral("tlbMdi"));
        QAction *stampa = AzioneBarra(finestra, QStringLiteral("Stampa"));
        QTest::mouseClick(tlbMdi->widgetForAction(stampa), Qt::LeftButton);
        break;
    }
    }
}

// The PDF the printer was given, read back.
ContenutoPdf PdfStampato(const StampanteFinta &stampante, const QString &percorso)
{
    const QList<QByteArray> pdf = stampante.Pdf();
    if (pdf.size() != 1)
        return {};
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.first()) != pdf.first().size())
        return {};
    file.close();
    return LeggiPdf(percorso);
}

} // namespace

class tst_StampaVideo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rispostaNo_data();
    void rispostaNo();
    void paginaPdf_data();
    void paginaPdf();
    void stampaLaFinestraAlSi();
    void fallimenti_data();
    void fallimenti();
    void unAvvisoAllaVolta();

private:
    // Main window with one child window showing, the open set applied,
    // printing on the given printer.
    mdiVelmora *CreaFinestra(std::shared_ptr<ServizioStampa> servizio,
                             const QSize &misuraFiglia = QSize(420, 260),
                             std::chrono::milliseconds attesa = 5s);

    QPointer<mdiVelmora> finestra;
    std::shared_ptr<StampanteFinta> finta;
    QTemporaryDir cartella;
};

void tst_StampaVideo::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(CaricaTraduzioneQt(*QCoreApplication::instance()));
    QVERIFY(cartella.isValid());
    // No print server answers this process, so it has no default printer.
    qputenv("CUPS_SERVER", "localhost:1");
}

void tst_StampaVideo::init()
{
    QFile::remove(cartella.filePath(QStringLiteral("videata.pdf")));
}

void tst_StampaVideo::cleanup()
{
    // A printing thread still waiting on the printer is stopped, and has
    // ended once the window is gone.
    delete finestra;
    QCOMPARE(finta ? finta->Chiamate() : 0, 0);
    if (finta)
        finta->Libera();
    finta.reset();
    QVERIFY(!QApplication::overrideCursor());
}

mdiVelmora *tst_StampaVideo::CreaFinestra(std::shared_ptr<ServizioStampa> servizio,
                                          const QSize &misuraFiglia,
                                          std::chrono::milliseconds attesa)
{
    finestra = new mdiVelmora;
    finestra->ImpostaServizioStampa(std::move(servizio), attesa);
    finestra->show();
    QMdiSubWindow *cornice = finestra->AggiungiFiglia(CreaMaschera(misuraFiglia, "maschera"));
    cornice->show();
    finestra->AreaFiglie()->setActiveSubWindow(cornice);
    finestra->AbilitaPulsanti(InsiemeAperto);
    return finestra;
}

void tst_StampaVideo::rispostaNo_data()
{
    QTest::addColumn<OrigineStampa>("origine");
    QTest::newRow("window button") << OrigineStampa::PulsanteFinestra;
    QTest::newRow("File menu") << OrigineStampa::MenuFile;
    QTest::newRow("toolbar") << OrigineStampa::BarraStrumenti;
}

void tst_StampaVideo::rispostaNo()
{
    QFETCH(OrigineStampa, origine);
    finta = std::make_shared<StampanteFinta>();
    CreaFinestra(finta);
    QSignalSpy conclusa(finestra.data(), &mdiVelmora::StampaConclusa);
    QMdiSubWindow *attiva = finestra->AreaFiglie()->activeSubWindow();

    RispostaDialoghi risposte({QMessageBox::No});
    ChiediStampa(*finestra, origine);

    QCOMPARE(risposte.visti.size(), 1);
    QCOMPARE(risposte.senzaRisposta, 0);
    const RispostaDialoghi::Dialogo &domanda = risposte.visti.first();
    QCOMPARE(domanda.titolo, QStringLiteral("FELTRANOVA"));
    QCOMPARE(domanda.testo, QStringLiteral("Stampare la videata?"));
    QCOMPARE(domanda.icona, QMessageBox::Question);
    QCOMPARE(domanda.pulsanti, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(domanda.predefinito, QMessageBox::Yes);
    // Qt's own button texts, in Italian.
    QStringList testi = domanda.testiPulsanti;
    testi.replaceInStrings(QStringLiteral("&"), QString());
    testi.sort();
    QCOMPARE(testi, QStringList({"No", "Sì"}));

    QVERIFY(!QApplication::overrideCursor());
    QTest::qWait(50);
    QVERIFY(conclusa.isEmpty());
    QVERIFY(finta->Pdf().isEmpty());
    QCOMPARE(finestra->AreaFiglie()->currentSubWindow(), attiva);
    QCOMPARE(finestra->AreaFiglie()->subWindowList().size(), 1);
}

void tst_StampaVideo::paginaPdf_data()
{
    QTest::addColumn<OrigineStampa>("origine");
    QTest::addColumn<QSize>("misura");
    QTest::addColumn<QPageSize::PageSizeId>("carta");
    QTest::addColumn<qreal>("bordo"); // the printer's unprintable border, mm
    QTest::addColumn<qreal>("margine");

    QTest::newRow("window button, wide, A4")
        << OrigineStampa::PulsanteFinestra << QSize(420, 260) << QPageSize::A4 << 0.0 << 15.0;
    QTest::newRow("window button, tall, A4")
        << OrigineStampa::PulsanteFinestra << QSize(260, 420) << QPageSize::A4 << 4.2 << 15.0;
    QTest::newRow("File menu, Letter")
        << OrigineStampa::MenuFile << QSize(500, 380) << QPageSize::Letter << 0.0 << 15.0;
    QTest::newRow("toolbar, result window's size, wide border")
        << OrigineStampa::BarraStrumenti << QSize(774, 475) << QPageSize::A4 << 20.0 << 20.0;
}

void tst_StampaVideo::paginaPdf()
{
    QFETCH(OrigineStampa, origine);
    QFETCH(QSize, misura);
    QFETCH(QPageSize::PageSizeId, carta);
    QFETCH(qreal, bordo);
    QFETCH(qreal, margine);
    finta = std::make_shared<StampanteFinta>();
    finta->carta = QPageLayout(QPageSize(carta), QPageLayout::Portrait,
                               QMarginsF(bordo, bordo, bordo, bordo), QPageLayout::Millimeter);
    CreaFinestra(finta, misura);
    QSignalSpy conclusa(finestra.data(), &mdiVelmora::StampaConclusa);

    RispostaDialoghi risposte({QMessageBox::Yes});
    ChiediStampa(*finestra, origine);
    QVERIFY(conclusa.wait(5000));

    QCOMPARE(conclusa.first().at(0).toBool(), true);
    QCOMPARE(risposte.visti.size(), 1); // the question, no warning after it
    const ContenutoPdf contenuto =
        PdfStampato(*finta, cartella.filePath(QStringLiteral("videata.pdf")));
    QVERIFY(contenuto.completo);
    QCOMPARE(contenuto.pagine, 1);
    QCOMPARE(contenuto.immagini.size(), 1);
    QCOMPARE(contenuto.posizioni.size(), 1);

    // The page turns to the window's orientation, so the picture is large.
    QSizeF foglio = QPageSize(carta).size(QPageSize::Point);
    if (misura.width() > misura.height())
        foglio.transpose();
    QVERIFY2(
        qAbs(contenuto.pagina.width() - foglio.width()) < 1 &&
            qAbs(contenuto.pagina.height() - foglio.height()) < 1,
        qPrintable(
            QStringLiteral("%1x%2").arg(contenuto.pagina.width()).arg(contenuto.pagina.height())));
    // Laid inside the margins, as large as they allow, across at the top,
    // proportions kept.
    const qreal punti = margine / 25.4 * 72;
    const QRectF area = QRectF(QPointF(0, 0), foglio).adjusted(punti, punti, -punti, -punti);
    const QRectF immagine = contenuto.posizioni.first();
    // Qt rounds the printable area to whole points.
    QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(immagine),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(immagine.x())
                            .arg(immagine.y())
                            .arg(immagine.width())
                            .arg(immagine.height())));
    const QString dove = QStringLiteral("%1,%2 %3x%4 in %5,%6 %7x%8")
                             .arg(immagine.x())
                             .arg(immagine.y())
                             .arg(immagine.width())
                             .arg(immagine.height())
                             .arg(area.x())
                             .arg(area.y())
                             .arg(area.width())
                             .arg(area.height());
    QVERIFY2(qAbs(immagine.width() - area.width()) < 1.5 ||
                 qAbs(immagine.height() - area.height()) < 1.5,
             qPrintable(dove));
    QVERIFY2(qAbs(immagine.top() - area.top()) < 1, qPrintable(dove));
    QVERIFY2(qAbs(immagine.center().x() - area.center().x()) < 1, qPrintable(dove));
    const double attesa = double(misura.width()) / misura.height();
    QVERIFY(qAbs(immagine.width() / immagine.height() - attesa) < 0.01 * attesa);

    // Drawn at 300 pixels an inch of paper or more, but not wastefully more.
    const QSize pixel = contenuto.immagini.first();
    QVERIFY(qAbs(pixel.height() - double(pixel.width()) * misura.height() / misura.width()) <= 1);
    const double ppi = pixel.width() / (immagine.width() / 72);
    QVERIFY2(ppi >= 300 && ppi < 360, qPrintable(QString::number(ppi)));
}

void tst_StampaVideo::stampaLaFinestraAlSi()
{
    // The input window stays loaded but hidden while the results show; the
    // printout is the results as they look at the answer, an entry made a
    // moment before included and one made while the page travels left out.
    finta = std::make_shared<StampanteFinta>(Risposta::Tace);
    CreaFinestra(finta, QSize(420, 260));
    QMdiSubWindow *risultati = finestra->AggiungiFiglia(CreaMaschera(QSize(300, 330), "risultati"));
    risultati->show();
    finestra->AreaFiglie()->subWindowList().first()->hide();
    finestra->AreaFiglie()->setActiveSubWindow(risultati);
    auto *testo = risultati->widget()->findChild<QLineEdit *>();
    // Without the focus, so that the answer box taking it changes nothing.
    testo->setFocusPolicy(Qt::NoFocus);
    const QImage primaDiScrivere = RitraiFinestra(*risultati->widget());
    testo->setText(QStringLiteral("12,5"));
    const QImage alSi = RitraiFinestra(*risultati->widget());
    QVERIFY(alSi != primaDiScrivere);
    QSignalSpy conclusa(finestra.data(), &mdiVelmora::StampaConclusa);

    RispostaDialoghi risposte({QMessageBox::Yes});
    ChiediStampa(*finestra, OrigineStampa::BarraStrumenti);
    // The windows answer while the printer is looked up, under the busy pointer.
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    testo->setText(QStringLiteral("99"));
    QCoreApplication::processEvents();
    finta->Libera();
    QVERIFY(conclusa.wait(5000));

    QCOMPARE(conclusa.first().at(0).toBool(), true);
    const ContenutoPdf contenuto =
        PdfStampato(*finta, cartella.filePath(QStringLiteral("videata.pdf")));
    QCOMPARE(contenuto.figure.size(), 1);
    const auto Pixel = [](QImage immagine) {
        immagine.setDevicePixelRatio(1);
        return immagine.convertToFormat(QImage::Format_RGB888);
    };
    QCOMPARE(contenuto.figure.first(), Pixel(alSi));
    QVERIFY(contenuto.figure.first() != Pixel(RitraiFinestra(*risultati->widget())));
}

void tst_StampaVideo::fallimenti_data()
{
    QTest::addColumn<OrigineStampa>("origine");
    QTest::addColumn<QString>("guasto"); // what fails: the window, a stand-in or the real server
    QTest::addColumn<Risposta>("ricerca");
    QTest::addColumn<Risposta>("invio");
    QTest::addColumn<QString>("motivo"); // a pattern; empty: the failure is not shown

    const QString senzaFinestra = QStringLiteral("nessuna finestra da stampare");
    const QString spenta = QStringLiteral("la stampante è spenta");
    const QString eccezione = QStringLiteral("memoria esaurita");
    const QString cercaMuta = QStringLiteral("il server di stampa non ha risposto in 1 s");
    const QString inviaMuta = QStringLiteral("il server di stampa non ha preso la pagina in 1 s");
    const QString senzaServer = QStringLiteral(
        "il server di stampa localhost:1 non è in funzione \\(connessione rifiutata\\)");
    const QString serverMuto =
        QStringLiteral("il server di stampa 127\\.0\\.0\\.1:\\d+ non risponde");
    const Risposta ok = Risposta::Accetta;

    for (const auto &[origine, nome] : {std::pair(OrigineStampa::PulsanteFinestra, "button"),
                                        std::pair(OrigineStampa::MenuFile, "menu"),
                                        std::pair(OrigineStampa::BarraStrumenti, "toolbar")}) {
        const bool mostrato = origine != OrigineStampa::BarraStrumenti;
        const auto riga = [&](const char *caso, const char *guasto, Risposta ricerca,
                              Risposta invio, const QString &motivo) {
            QTest::addRow("%s, %s", nome, caso) << origine << QString::fromLatin1(guasto) << ricerca
                                                << invio << (mostrato ? motivo : QString());
        };
        riga("no window", "finestra", ok, ok, senzaFinestra);
        riga("window hidden", "nascosta", ok, ok, senzaFinestra);
        riga("printer off", "finta", Risposta::Rifiuta, ok, spenta);
        riga("printer throws", "finta", Risposta::Lancia, ok, eccezione);
        riga("page refused after it was drawn", "finta", ok, Risposta::Rifiuta, spenta);
        riga("throws after the page was drawn", "finta", ok, Risposta::Lancia, eccezione);
        riga("lookup never answers", "finta", Risposta::Tace, ok, cercaMuta);
        riga("lookup answers after the give-up", "finta", Risposta::Sorda, ok, cercaMuta);
        riga("sending never answers", "finta", ok, Risposta::Tace, inviaMuta);
#ifdef VELMORA_SERVER_CUPS
        riga("no print server", "cups", ok, ok, senzaServer);
        // Waits for the real print system to give up: once is enough.
        if (origine == OrigineStampa::PulsanteFinestra)
            riga("silent print server", "muto", ok, ok, serverMuto);
#endif
    }
}

void tst_StampaVideo::fallimenti()
{
    QFETCH(OrigineStampa, origine);
    QFETCH(QString, guasto);
    QFETCH(Risposta, ricerca);
    QFETCH(Risposta, invio);
    QFETCH(QString, motivo);

    finta = std::make_shared<StampanteFinta>(ricerca, invio);
    std::shared_ptr<ServizioStampa> servizio = finta;
    // Short where the limit is what is tried, and long enough elsewhere for
    // the page to be drawn under the sanitizers.
    const auto tace = [](Risposta r) { return r == Risposta::Tace || r == Risposta::Sorda; };
    std::chrono::milliseconds attesa = tace(ricerca) || tace(invio) ? 1s : 30s;
#ifdef VELMORA_SERVER_CUPS
    // A server that takes the connection and never says a word.
    QTcpServer muto;
    if (guasto == QLatin1String("cups") || guasto == QLatin1String("muto")) {
        servizio = ServizioStampaSistema();
        attesa = 3s;
    }
#endif
    CreaFinestra(servizio, QSize(420, 260), attesa);
    if (guasto == QLatin1String("finestra")) {
        finestra->AreaFiglie()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else if (guasto == QLatin1String("nascosta")) {
        finestra->AreaFiglie()->currentSubWindow()->hide();
    }
    QSignalSpy conclusa(finestra.data(), &mdiVelmora::StampaConclusa);
#ifdef VELMORA_SERVER_CUPS
    if (guasto == QLatin1String("muto")) {
        QVERIFY(muto.listen(QHostAddress::LocalHost));
        // The printing thread reads the server's address as it starts.
        qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(muto.serverPort()));
    }
#endif

    {
        // A toolbar print the user declined leaves the next command's
        // failures to that command.
        RispostaDialoghi declinata({QMessageBox::No});
        ChiediStampa(*finestra, OrigineStampa::BarraStrumenti);
    }
    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    ChiediStampa(*finestra, origine);
    QVERIFY(conclusa.count() == 1 || conclusa.wait(30000));
    qputenv("CUPS_SERVER", "localhost:1");
    // A printer that answers once the job has given up is sent no page.
    const QPointer<LavoroStampa> lavoro = finestra->findChild<LavoroStampa *>();
    finta->Libera();
    QTRY_VERIFY(!lavoro);

    QCOMPARE(conclusa.first().at(0).toBool(), false);
    const QString perche = conclusa.first().at(1).toString();
    QVERIFY2(QRegularExpression(
                 QStringLiteral("^(%1)$").arg(motivo.isEmpty() ? QStringLiteral(".+") : motivo))
                 .match(perche)
                 .hasMatch(),
             qPrintable(perche));
    QCOMPARE(risposte.senzaRisposta, 0);
    if (motivo.isEmpty()) {
        QCOMPARE(risposte.visti.size(), 1);
    } else {
        QCOMPARE(risposte.visti.size(), 2);
        const RispostaDialoghi::Dialogo &avviso = risposte.visti.at(1);
        QCOMPARE(avviso.titolo, QStringLiteral("FELTRANOVA"));
        QCOMPARE(avviso.icona, QMessageBox::Warning);
        QCOMPARE(avviso.pulsanti, QMessageBox::Ok);
        QCOMPARE(avviso.testo,
                 QStringLiteral("Stampa non riuscita: %1.").arg(conclusa.first().at(1).toString()));
    }
    QVERIFY(finta->Pdf().isEmpty());
    // The program carries on, the pointer back to normal.
    QVERIFY(finestra->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QApplication::overrideCursor());
}

void tst_StampaVideo::unAvvisoAllaVolta()
{
    // Three printouts that fail together, the first failure still showing
    // as the others come: one box.
    finta = std::make_shared<StampanteFinta>(Risposta::Tace);
    CreaFinestra(finta, QSize(420, 260), 1s);
    QSignalSpy conclusa(finestra.data(), &mdiVelmora::StampaConclusa);
    {
        RispostaDialoghi domande({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
        for (int i = 0; i < 3; ++i)
            finestra->StampaVideo();
        QCOMPARE(domande.visti.size(), 3);
    }

    // The box is closed once all three have ended, so that any other would
    // have been stacked on it. A printout asked while it shows is refused
    // rather than asking its question over it; a box over it is noted.
    const AvvisiAttesi attesi;
    QStringList avvisi;
    QTimer chiusura;
    connect(&chiusura, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || finestra->StampaInCorso())
            return;
        avvisi << box->text();
        QTimer::singleShot(50, this, [&avvisi, box] {
            auto *sopra = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (sopra && sopra != box) {
                avvisi << sopra->text();
                sopra->reject();
            }
        });
        finestra->StampaVideo();
        box->accept();
    });
    chiusura.start(5);
    QTRY_COMPARE_WITH_TIMEOUT(conclusa.count(), 3, 30000);
    QCOMPARE(avvisi, QStringList(QStringLiteral(
                         "Stampa non riuscita: il server di stampa non ha risposto in 1 s.")));
}

QTEST_MAIN(tst_StampaVideo)
#include "tst_stampavideo.moc"
