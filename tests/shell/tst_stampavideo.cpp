// Screen printing: the confirmation, the page it prints and what happens when
// printing cannot be done, for each of the commands that ask for it.

#include "LetturaPdf.h"
#include "RispostaDialoghi.h"
#include "shell/InsiemiPulsanti.h"
#include "shell/Stampa.h"
#include "shell/TraduzioneQt.h"
#include "shell/mdiVelmora.h"

#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <stdexcept>

Q_DECLARE_METATYPE(OrigineStampa)

namespace {

// Keeps every page it is given.
class DestinazioneRegistrata : public DestinazioneStampa {
public:
    bool StampaPagina(const QImage &immagine, QString &) override
    {
        pagine << immagine;
        return true;
    }
    QList<QImage> pagine;
};

// A printer that refuses the page, or breaks down altogether.
class DestinazioneGuasta : public DestinazioneStampa {
public:
    explicit DestinazioneGuasta(bool lancia)
        : lancia(lancia)
    {
    }
    bool StampaPagina(const QImage &, QString &Errore) override
    {
        if (lancia)
            throw std::runtime_error("memoria esaurita");
        Errore = QStringLiteral("la stampante è spenta");
        return false;
    }
    bool lancia;
};

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
        finestra.findChild<QAction *>(QStringLiteral("itemStampa"))->trigger();
        break;
    case OrigineStampa::BarraStrumenti: {
        auto *tlbMdi = finestra.findChild<QToolBar *>(QStringLiteral("tlbMdi"));
        QAction *stampa = tlbMdi->findChild<QAction *>(QStringLiteral("Stampa"));
        qobject_cast<QToolButton *>(tlbMdi->widgetForAction(stampa))->click();
        break;
    }
    }
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
    void stampaLaFinestraAttiva();
    void fallimenti_data();
    void fallimenti();

private:
    // Main window with one child window showing, the open set applied.
    mdiVelmora *CreaFinestra(const QSize &misuraFiglia = QSize(420, 260));

    QPointer<mdiVelmora> finestra;
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
    delete finestra;
}

mdiVelmora *tst_StampaVideo::CreaFinestra(const QSize &misuraFiglia)
{
    finestra = new mdiVelmora;
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
    CreaFinestra();
    auto *registrata = new DestinazioneRegistrata;
    finestra->ImpostaDestinazioneStampa(std::unique_ptr<DestinazioneStampa>(registrata));
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

    QVERIFY(registrata->pagine.isEmpty());
    QCOMPARE(finestra->AreaFiglie()->currentSubWindow(), attiva);
    QCOMPARE(finestra->AreaFiglie()->subWindowList().size(), 1);
}

void tst_StampaVideo::paginaPdf_data()
{
    QTest::addColumn<OrigineStampa>("origine");
    QTest::addColumn<QSize>("misura");
    QTest::newRow("window button, wide") << OrigineStampa::PulsanteFinestra << QSize(420, 260);
    QTest::newRow("window button, tall") << OrigineStampa::PulsanteFinestra << QSize(260, 420);
    QTest::newRow("File menu") << OrigineStampa::MenuFile << QSize(500, 380);
    QTest::newRow("toolbar") << OrigineStampa::BarraStrumenti << QSize(613, 341);
}

void tst_StampaVideo::paginaPdf()
{
    QFETCH(OrigineStampa, origine);
    QFETCH(QSize, misura);
    CreaFinestra(misura);
    const QString percorso = cartella.filePath(QStringLiteral("videata.pdf"));
    auto *pdf = new StampaSuPdf(percorso);
    finestra->ImpostaDestinazioneStampa(std::unique_ptr<DestinazioneStampa>(pdf));

    RispostaDialoghi risposte({QMessageBox::Yes});
    ChiediStampa(*finestra, origine);

    QCOMPARE(risposte.visti.size(), 1); // the question, no warning after it
    QCOMPARE(pdf->PagineStampate, 1);
    const ContenutoPdf contenuto = LeggiPdf(percorso);
    QVERIFY(contenuto.completo);
    QCOMPARE(contenuto.pagine, 1);
    QCOMPARE(contenuto.immagini.size(), 1);
    // The window's own pixels, not a rescaled copy.
    const QWidget *figlia = finestra->AreaFiglie()->currentSubWindow()->widget();
    QCOMPARE(contenuto.immagini.first(), figlia->size() * figlia->devicePixelRatioF());

    // Laid inside the margins, as large as they allow, proportions kept.
    const QRect area = pdf->AreaStampabile;
    const QRect immagine = pdf->ImmagineStampata;
    QVERIFY(area.contains(immagine));
    QVERIFY(immagine.width() == area.width() || immagine.height() == area.height());
    const double attesa = double(misura.width()) / misura.height();
    QVERIFY2(qAbs(double(immagine.width()) / immagine.height() - attesa) < 0.01 * attesa,
             qPrintable(QStringLiteral("%1x%2").arg(immagine.width()).arg(immagine.height())));
    // The page turns to the window's orientation, so the picture is large.
    QCOMPARE(area.width() > area.height(), misura.width() > misura.height());
}

void tst_StampaVideo::stampaLaFinestraAttiva()
{
    // The input window stays loaded but hidden while the results show; the
    // printout is the results as they look now, an entry typed a moment ago included.
    CreaFinestra(QSize(420, 260));
    QMdiSubWindow *risultati = finestra->AggiungiFiglia(CreaMaschera(QSize(300, 330), "risultati"));
    risultati->show();
    finestra->AreaFiglie()->subWindowList().first()->hide();
    finestra->AreaFiglie()->setActiveSubWindow(risultati);
    const QImage primaDiScrivere = risultati->widget()->grab().toImage();
    QTest::keyClicks(risultati->widget()->findChild<QLineEdit *>(), "12,5");
    auto *registrata = new DestinazioneRegistrata;
    finestra->ImpostaDestinazioneStampa(std::unique_ptr<DestinazioneStampa>(registrata));

    RispostaDialoghi risposte({QMessageBox::Yes});
    ChiediStampa(*finestra, OrigineStampa::BarraStrumenti);

    QCOMPARE(registrata->pagine.size(), 1);
    QVERIFY(registrata->pagine.first() != primaDiScrivere);
    QCOMPARE(registrata->pagine.first(), risultati->widget()->grab().toImage());
}

void tst_StampaVideo::fallimenti_data()
{
    QTest::addColumn<OrigineStampa>("origine");
    QTest::addColumn<QString>("guasto");
    QTest::addColumn<QString>("motivo"); // empty: the failure is not shown

    const QString senzaFinestra = QStringLiteral("nessuna finestra da stampare");
    const QString fileNegato = QStringLiteral("la stampante non ha accettato il lavoro");
    const QString spenta = QStringLiteral("la stampante è spenta");
    const QString eccezione = QStringLiteral("memoria esaurita");
    const QString senzaStampante = QStringLiteral("non è impostata una stampante predefinita");

    QTest::newRow("button, no window")
        << OrigineStampa::PulsanteFinestra << "finestra" << senzaFinestra;
    QTest::newRow("button, unwritable file")
        << OrigineStampa::PulsanteFinestra << "file" << fileNegato;
    QTest::newRow("button, printer off") << OrigineStampa::PulsanteFinestra << "spenta" << spenta;
    QTest::newRow("button, printer throws")
        << OrigineStampa::PulsanteFinestra << "eccezione" << eccezione;
    QTest::newRow("button, no default printer")
        << OrigineStampa::PulsanteFinestra << "predefinita" << senzaStampante;
    QTest::newRow("menu, printer off") << OrigineStampa::MenuFile << "spenta" << spenta;
    QTest::newRow("toolbar, no window") << OrigineStampa::BarraStrumenti << "finestra"
                                        << "";
    QTest::newRow("toolbar, unwritable file") << OrigineStampa::BarraStrumenti << "file"
                                              << "";
    QTest::newRow("toolbar, no default printer") << OrigineStampa::BarraStrumenti << "predefinita"
                                                 << "";
    QTest::newRow("toolbar, printer off") << OrigineStampa::BarraStrumenti << "spenta"
                                          << "";
    QTest::newRow("toolbar, printer throws") << OrigineStampa::BarraStrumenti << "eccezione"
                                             << "";
}

void tst_StampaVideo::fallimenti()
{
    QFETCH(OrigineStampa, origine);
    QFETCH(QString, guasto);
    QFETCH(QString, motivo);

    CreaFinestra();
    if (guasto == QLatin1String("finestra")) {
        finestra->AreaFiglie()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        finestra->ImpostaDestinazioneStampa(std::make_unique<DestinazioneRegistrata>());
    } else if (guasto == QLatin1String("file")) {
        const QString percorso = cartella.filePath(QStringLiteral("manca/videata.pdf"));
        finestra->ImpostaDestinazioneStampa(std::make_unique<StampaSuPdf>(percorso));
    } else if (guasto == QLatin1String("predefinita")) {
        finestra->ImpostaDestinazioneStampa(std::make_unique<StampantePredefinita>());
    } else {
        finestra->ImpostaDestinazioneStampa(
            std::make_unique<DestinazioneGuasta>(guasto == QLatin1String("eccezione")));
    }

    RispostaDialoghi risposte({QMessageBox::Yes, QMessageBox::Ok});
    ChiediStampa(*finestra, origine);

    QCOMPARE(risposte.senzaRisposta, 0);
    if (motivo.isEmpty()) {
        QCOMPARE(risposte.visti.size(), 1);
    } else {
        QCOMPARE(risposte.visti.size(), 2);
        const RispostaDialoghi::Dialogo &avviso = risposte.visti.at(1);
        QCOMPARE(avviso.titolo, QStringLiteral("FELTRANOVA"));
        QCOMPARE(avviso.icona, QMessageBox::Warning);
        QCOMPARE(avviso.pulsanti, QMessageBox::Ok);
        QCOMPARE(avviso.testo, QStringLiteral("Stampa non riuscita: %1.").arg(motivo));
    }
    // The program carries on.
    QVERIFY(finestra->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_StampaVideo)
#include "tst_stampavideo.moc"
