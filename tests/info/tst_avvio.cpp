// The program from its start: the wizard's pages, texts and stacking, its
// first and later showings, and every command of the main window's toolbar
// and menus with the windows and the toolbar it leaves.

#include "AiutiFinestre.h"
#include "StampanteFinta.h"
#include "StatoApplicazione.h"
#include "common/AreaDisegno.h"
#include "common/Twips.h"
#include "info/frmAbout.h"
#include "info/frmSplash.h"
#include "input/frmCalFerSol.h"
#include "results/frmModifica.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "shell/InsiemiPulsanti.h"
#include "shell/RegistroFinestre.h"
#include "shell/Stampa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

const QStringList Pagine = {"fraPremessa", "fraImp", "fraInput", "fraOutput"};
const QString A_capo = QStringLiteral("\r\n");

frmSplash *Guida()
{
    return qobject_cast<frmSplash *>(Registro.Splash.data());
}

QStringList PagineVisibili(frmSplash *guida)
{
    QStringList visibili;
    for (const QString &pagina : Pagine) {
        const QWidget *riquadro = guida ? guida->findChild<QWidget *>(pagina) : nullptr;
        if (riquadro && riquadro->isVisibleTo(guida))
            visibili << pagina;
    }
    return visibili;
}

// The windows on view, by name.
QStringList FinestreInVista()
{
    QStringList nomi;
    for (QWidget *finestra :
         {static_cast<QWidget *>(CalFerSolCaricata()), static_cast<QWidget *>(OutPut2Caricata()),
          static_cast<QWidget *>(ModificaCaricata()), Registro.Splash.data(),
          Registro.About.data()}) {
        auto *cornice =
            finestra ? qobject_cast<QMdiSubWindow *>(finestra->parentWidget()) : nullptr;
        if (finestra && (cornice ? cornice : finestra)->isVisible())
            nomi << finestra->objectName();
    }
    return nomi;
}

// The program brought into a state: "guida" its first showing; through the
// wizard, "input" the input window filled in, "chiusa" no input window,
// "risultati" a calculation done, "dialogo" the revision dialog open. False
// when a window it goes through is missing.
bool Prepara(const QString &stato)
{
    frmSplash *guida = MostraSplash();
    if (!guida || !QTest::qWaitForWindowExposed(guida))
        return false;
    if (stato == u"guida")
        return true;
    Clicca(guida->chkConferma);
    Clicca(guida->cmdFinish);
    frmCalFerSol *input = CalFerSolCaricata();
    if (!input || stato == u"chiusa")
        return input && Clicca(input->cmdEsci);
    input->txtLuceNettaSolaio->setText(QStringLiteral("5"));
    input->txtSovracAcc->setText(QStringLiteral("200"));
    if (stato != u"input")
        Clicca(input->cmdCalcola);
    return stato != u"dialogo" ||
           Clicca(OutPut2Caricata() ? OutPut2Caricata()->cmdModifica : nullptr);
}

} // namespace

class tst_Avvio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CollegaMotoreAlleFinestre(); }
    void init();
    void cleanup();

    void finestra();
    void schermoPiccolo_data();
    void schermoPiccolo();
    void testi_data();
    void testi();
    void impilamento();
    void paginazione_data();
    void paginazione();
    void primaApertura_data();
    void primaApertura();
    void aperturaSuccessiva();
    void comandi_data();
    void comandi();
    void pulisci();
    void percorsoCompleto();
    void esciTerminaApplicazione();
};

void tst_Avvio::init()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    frmSplash::AvvioCompletato = false;
}

void tst_Avvio::cleanup()
{
    ChiudiProgramma();
    QVERIFY(!QApplication::overrideCursor());
}

// No title bar and no control box, out of the task bar, centred; the
// controls in their places; the pages on their shadow, which shows along
// the right and lower edges.
void tst_Avvio::finestra()
{
    QVERIFY(Prepara(QStringLiteral("guida")));
    frmSplash *guida = Guida();
    QCOMPARE(guida->windowTitle(), QString());
    QVERIFY(guida->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(guida->windowType(), Qt::Tool);
    for (auto bandiera : {Qt::WindowTitleHint, Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint,
                          Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        QVERIFY(!guida->windowFlags().testFlag(bandiera));
    QCOMPARE(guida->size(), QSize(774, 489));
    const QSize schermo = guida->screen()->geometry().size();
    QVERIFY((guida->pos() - QPoint((schermo.width() - 774) / 2, (schermo.height() - 489) / 2))
                .manhattanLength() <= 2);

    const QList<QPair<QString, QRect>> posti = {
        {"Frame1", {180, 90, 4740, 7065}},        {"Picture1", {5040, 180, 6400, 6200}},
        {"chkConferma", {5040, 6435, 6405, 285}}, {"cmdIndietro", {5040, 6840, 1590, 330}},
        {"cmdAvanti", {6660, 6840, 1590, 330}},   {"cmdFinish", {8280, 6840, 1590, 330}},
        {"cmdEsci", {9900, 6840, 1590, 330}},     {"fraOutput", {90, 90, 6000, 5800}}};
    for (const auto &[nome, twips] : posti)
        QCOMPARE(Twips(guida->findChild<QWidget *>(nome)), twips);
    const QList<int> lefts = {2010, 1770, 1815, 1680};
    for (int i = 0; i < 4; ++i) {
        auto *intestazione =
            guida->findChild<QLabel *>(QStringLiteral("lblIntestazione(%1)").arg(i));
        QCOMPARE(intestazione->parentWidget()->objectName(), Pagine[i]);
        QCOMPARE(Twips(intestazione).topLeft(), QPoint(lefts[i], 540));
        QCOMPARE(guida->findChild<QLabel *>(QStringLiteral("lblMarchio(%1)").arg(i))->text(),
                 QStringLiteral("QUARANEL"));
    }
    const QImage destra = guida->Picture1->grab().toImage();
    QCOMPARE(destra.pixelColor(PixelDaTwips(6150), PixelDaTwips(3000)), QColor(Qt::black));
    QCOMPARE(destra.pixelColor(PixelDaTwips(3000), PixelDaTwips(5950)), QColor(Qt::black));
    QCOMPARE(destra.pixelColor(PixelDaTwips(3000), PixelDaTwips(3000)), QColor(Qt::white));
}

void tst_Avvio::schermoPiccolo_data()
{
    QTest::addColumn<QRect>("schermo");
    QTest::addColumn<QRect>("disponibile"); // without panels and docks
    QTest::addColumn<bool>("scorre");

    QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << QRect(0, 0, 1280, 1024) << false;
    QTest::newRow("1280x1024 at scale 2") << QRect(0, 0, 640, 512) << QRect(0, 0, 640, 512) << true;
    QTest::newRow("640x480, panel") << QRect(0, 0, 640, 480) << QRect(0, 30, 640, 450) << true;
    QTest::newRow("800x600, tall panel") << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 470) << true;
}

// Without a title bar the wizard cannot be dragged: on a screen too small for
// it, it fills the available area and its surface scrolls, by the scroll bars
// or by Tab, which brings every control whole into view. On a screen that
// holds it, it stays whole and centred.
void tst_Avvio::schermoPiccolo()
{
    QFETCH(QRect, schermo);
    QFETCH(QRect, disponibile);
    QFETCH(bool, scorre);
    QVERIFY(Prepara(QStringLiteral("guida")));
    frmSplash *guida = Guida();
    guida->PosizionaSulloSchermo(schermo, disponibile);
    const QRect posto(guida->pos(), guida->size());
    QVERIFY(disponibile.contains(posto));
    if (!scorre)
        QCOMPARE(posto, QRect(253, 267, 774, 489));

    auto *area = guida->findChild<QScrollArea *>();
    QVERIFY(area);
    QTRY_COMPARE(area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible(),
                 scorre);
    QVERIFY(Clicca(guida->cmdAvanti));
    guida->chkConferma->setChecked(true);
    QStringList raggiunti;
    for (int tasto = 0; tasto < 5; ++tasto) {
        QTest::keyClick(guida->focusWidget(), Qt::Key_Tab);
        const QWidget *fuoco = guida->focusWidget();
        raggiunti << fuoco->objectName();
        const QRect vista(area->viewport()->mapTo(guida, QPoint()), area->viewport()->size());
        QVERIFY2(vista.contains(QRect(fuoco->mapTo(guida, QPoint()), fuoco->size())),
                 qPrintable(fuoco->objectName()));
    }
    raggiunti.sort();
    QCOMPARE(raggiunti,
             QStringList({"chkConferma", "cmdAvanti", "cmdEsci", "cmdFinish", "cmdIndietro"}));
}

void tst_Avvio::testi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("righe"); // separated by CR LF; one more when it ends with one
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("ultima");
    QTest::addColumn<QString>("stile"); // "B" bold, "I" italic, on the pages

    const auto riga = [](const char *nome, int righe, const QString &prima, const QString &ultima,
                         const char *stile = "") {
        QTest::newRow(nome) << nome << righe << prima << ultima << stile;
    };
    riga("lblCompanyProduct", 1, "Pannelli-Cassero", "Pannelli-Cassero");
    riga("lblProductName", 1, "FELTRANOVA", "FELTRANOVA");
    riga("lblVersion", 1, "Versione 1.0.17", "Versione 1.0.17");
    riga("lblCredito", 1, "Software devloped by Nordwick", "Software devloped by Nordwick");
    riga("lblCompany", 1, "Quaranel", "Quaranel");
    riga("lblWarning", 1, "Requisiti: O\\S Win98 o Superiori.",
         "Requisiti: O\\S Win98 o Superiori.");
    riga(
        "lblPremessa1", 1,
        "Il programma 'FELTRANOVA' è stato realizzato per consentire agevolmente "
        "il predimensionamento dei pannelli cassero 'FELTRANOVA'. Fornisce una stima della sezione "
        "geometrica, della quantità di acciaio al positivo (ad esclusione della rete "
        "elettrosaldata) e dell'isolamento termico (trasmittanza). Il progetto esecutivo dovrà "
        "essere redatto da Tecnico Abilitato, relativamente agli effettivi schemi statici nel "
        "rispetto della Normativa vigente. A tal fine la società QUARANEL.SRL prevede di fornire, "
        "con i pannelli 'FELTRANOVA', anche i relativi calcoli , relazioni e disegni esecutivi a "
        "norma di legge. ",
        "", "B");
    riga("lblImp1", 1, "Gli algoritmi di calcolo si basano sui seguenti presupposti: ", "", "B");
    riga("lblImp2", 1, "Materiali ", "", "BI");
    riga("lblImp3", 2, "Acciaio ad aderenza migliorata FeB 44 K controllato ",
         "Calcestruzzo Rbk 300. ", "B");
    riga("lblImp4", 1, "Metodo di calcolo ", "", "BI");
    riga("lblImp5", 1, "Tensioni ammissibili consolidato da anni di applicazioni. ", "", "B");
    riga("lblImp6", 1, "Altezze minime dei solai-spessore cappa ", "", "BI");
    riga("lblImp7", 3, "Altezza minima per un solaio di copertura 1/30 della luce di calcolo. ",
         "Lo spessore della cappa è di 4 cm. ", "B");
    riga("lblImp8", 1, "Schemi statici ", "", "BI");
    riga("lblImp9", 3,
         "Solaio a campata singola e semplice appoggio: momento flettente M=q x L²/8 ",
         "Per sovraccarico si intende il carico utile cioè il carico che viene aggiunto al peso "
         "proprio del solaio (quest'ultimo viene calcolato in automatico in fase di OUTPUT). ",
         "B");
    riga("lblInput", 10, "TIPO DI SOLAIO: scegliere se di copertura o intermedio", "");
    riga("lblOutput1", 16,
         "ALTEZZA DEL SOLAIO: viene fornita l'altezza del solaio data dalla "
         "somma di cappa, travetto e spessore sottotravetto.",
         "");
    riga("lblOutput2", 1,
         "All 'interno della finestra di OUTPUT l'icona 'MODIFICA' permette di "
         "aumentare l 'altezza del travetto fornita dal programma ottenendo nuovi OUTPUT. ",
         "");
}

// The texts line by line, joined by CR LF, with their fonts.
void tst_Avvio::testi()
{
    QFETCH(QString, nome);
    QFETCH(int, righe);
    QFETCH(QString, prima);
    QFETCH(QString, ultima);
    QFETCH(QString, stile);
    QVERIFY(Prepara(QStringLiteral("guida")));
    auto *etichetta = Guida()->findChild<QLabel *>(nome);
    QVERIFY2(etichetta, qPrintable(nome));
    const QStringList linee = etichetta->text().split(A_capo);
    QCOMPARE(linee.size(), righe);
    QCOMPARE(linee.first(), prima);
    QCOMPARE(linee.last(), righe == 1 ? prima : ultima);
    QCOMPARE(etichetta->text().count(u'\n'), righe - 1);
    // The pages keep their fonts; the left panel's are free.
    if (etichetta->parentWidget() != Guida()->Frame1) {
        QCOMPARE(etichetta->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(etichetta->font().pointSizeF(), 8.25);
        QCOMPARE(etichetta->font().bold(), stile.contains(u'B'));
        QCOMPARE(etichetta->font().italic(), stile.contains(u'I'));
    }
}

// Once its page has been on view, a label is as tall as its wrapped text and
// the next starts where it ends, 50 lower before a heading or the closing
// note; left-panel labels likewise keep their width and fit their text.
void tst_Avvio::impilamento()
{
    QVERIFY(Prepara(QStringLiteral("guida")));
    for (int pagina = 1; pagina < 4; ++pagina)
        QVERIFY(Clicca(Guida()->cmdAvanti));
    QVERIFY(Clicca(Guida()->cmdIndietro));
    const QStringList staccate = {"lblImp2", "lblImp4", "lblImp6", "lblImp8", "lblOutput2"};
    for (const QString &pagina : Pagine) {
        int fondo = 900;
        for (QLabel *etichetta : Guida()->findChild<QWidget *>(pagina)->findChildren<QLabel *>(
                 QRegularExpression("^lbl(Premessa|Imp|Input|Output)"))) {
            const QRect twips = Twips(etichetta);
            QCOMPARE(twips.top(), fondo + (staccate.contains(etichetta->objectName()) ? 50 : 0));
            QCOMPARE(QPair(twips.left(), twips.width()), QPair(150, 5600));
            QCOMPARE(etichetta->height(), etichetta->heightForWidth(etichetta->width()));
            QCOMPARE(twips.height(), etichetta->height() * TwipsPerPixel);
            fondo = twips.bottom() + 1;
        }
        QVERIFY2(fondo <= 5800, qPrintable(pagina));
    }
    for (QLabel *etichetta : Guida()->Frame1->findChildren<QLabel *>())
        QCOMPARE(etichetta->height(), etichetta->heightForWidth(etichetta->width()));
    QCOMPARE(Twips(Guida()->lblVersion),
             QRect(2565, 3195, 1965, Guida()->lblVersion->height() * 15));
}

void tst_Avvio::paginazione_data()
{
    QTest::addColumn<QString>("clic"); // ">" forward, "<" back, " " Space on the focus
    QTest::addColumn<int>("pagina");
    QTest::addColumn<QString>("pulsanti"); // "<" and ">" enabled
    QTest::addColumn<QString>("fuoco");

    const auto riga = [](const char *nome, const char *clic, int pagina, const char *pulsanti,
                         const char *fuoco) {
        QTest::newRow(nome) << clic << pagina << pulsanti << fuoco;
    };
    riga("at load", "", 0, "01", "cmdAvanti");
    riga("0 forward", ">", 1, "11", "cmdAvanti");
    riga("1 forward", ">>", 2, "11", "cmdAvanti");
    riga("2 forward", ">>>", 3, "10", "cmdIndietro");
    riga("3 back", ">>><", 2, "11", "cmdIndietro");
    riga("2 back", ">><", 1, "11", "cmdIndietro");
    riga("1 back", "><", 0, "01", "cmdAvanti");
    riga("back and forth", ">>><<<>>><>", 3, "10", "cmdIndietro");
    // The arrow that turns off hands the focus to the other one, never to
    // "Esci": one Space too many must not end the program.
    riga("Space to the last page", "   ", 3, "10", "cmdIndietro");
    riga("Space once more", "    ", 2, "11", "cmdIndietro");
    riga("Space there and back", "      ", 0, "01", "cmdAvanti");
}

// One page at a time; the box and "Fine" stay as they were.
void tst_Avvio::paginazione()
{
    QFETCH(QString, clic);
    QFETCH(int, pagina);
    QFETCH(QString, pulsanti);
    QFETCH(QString, fuoco);
    QVERIFY(Prepara(QStringLiteral("guida")));
    const QPointer<frmSplash> guida = Guida();
    for (QChar tasto : clic) {
        if (tasto == u' ')
            QTest::keyClick(guida->focusWidget(), Qt::Key_Space);
        else
            Clicca(tasto == u'>' ? guida->cmdAvanti : guida->cmdIndietro);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guida);
    }
    QCOMPARE(guida->focusWidget()->objectName(), fuoco);
    QCOMPARE(guida->PaginaCorrente(), pagina);
    QCOMPARE(PagineVisibili(guida), QStringList{Pagine[pagina]});
    QCOMPARE(QStringLiteral("%1%2")
                 .arg(int(guida->cmdIndietro->isEnabled()))
                 .arg(int(guida->cmdAvanti->isEnabled())),
             pulsanti);
    QVERIFY(guida->chkConferma->isVisible() && !guida->chkConferma->isChecked());
    QVERIFY(!guida->cmdFinish->isEnabled());
}

void tst_Avvio::primaApertura_data()
{
    QTest::addColumn<QString>("comando");
    QTest::newRow("Fine") << "cmdFinish";
    QTest::newRow("Esci") << "cmdEsci";
}

// The first showing: "Fine" follows the box on every page; it loads the
// input window under the busy pointer, "Esci" loads nothing and ends.
void tst_Avvio::primaApertura()
{
    QFETCH(QString, comando);
    QVERIFY(Prepara(QStringLiteral("guida")));
    frmSplash *guida = Guida();
    for (int pagina = 0; pagina < 4; ++pagina) {
        QVERIFY(!guida->cmdFinish->isEnabled());
        QVERIFY(Clicca(guida->chkConferma));
        QVERIFY(guida->cmdFinish->isEnabled());
        QVERIFY(Clicca(guida->chkConferma));
        QVERIFY(Clicca(guida->cmdAvanti));
    }
    QVERIFY(!guida->cmdFinish->isEnabled());
    QVERIFY(Clicca(guida->chkConferma));

    QString alCaricamento;
    connect(guida, &frmSplash::CaricamentoInputRichiesto, this, [&] {
        alCaricamento = QStringLiteral("%1 %2 %3")
                            .arg(int(ClessidraVisibile()))
                            .arg(int(Registro.Principale && CalFerSolCaricata() &&
                                     CalFerSolCaricata()->isVisible()))
                            .arg(int(guida->isVisible()));
    });
    QSignalSpy fine(guida, &frmSplash::FineApplicazioneRichiesta);
    QVERIFY(Clicca(guida->findChild<QPushButton *>(comando)));

    const bool avvio = comando == u"cmdFinish";
    QCOMPARE(alCaricamento, avvio ? QStringLiteral("1 1 1") : QString());
    QCOMPARE(fine.size(), avvio ? 0 : 1);
    QCOMPARE(frmSplash::AvvioCompletato, avvio);
    QVERIFY(!Registro.Splash);
    QCOMPARE(FinestreInVista(), avvio ? QStringList{"frmCalFerSol"} : QStringList{});
    if (avvio)
        QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
}

// From the main window the wizard only informs: page 0 whatever page it was
// left on, the box hidden and ticked, "Fine" on; both commands just close
// it; asked for while open, the open one comes to the front.
void tst_Avvio::aperturaSuccessiva()
{
    QVERIFY(Prepara(QStringLiteral("risultati")));
    const QString barra = StatiBarra();
    for (const char *chiusura : {"cmdFinish", "cmdEsci"}) {
        QVERIFY(Comanda(QStringLiteral("Info")));
        frmSplash *guida = Guida();
        QVERIFY(guida);
        QCOMPARE(PagineVisibili(guida), QStringList{"fraPremessa"});
        QVERIFY(!guida->chkConferma->isVisible() && guida->chkConferma->isChecked());
        QVERIFY(guida->cmdFinish->isEnabled() && !guida->cmdIndietro->isEnabled());
        for (int i = 0; i < 3; ++i)
            QVERIFY(Clicca(guida->cmdAvanti));
        QVERIFY(Comanda(QStringLiteral("Info &Velmora")));
        QCOMPARE(Guida(), guida);
        QCOMPARE(guida->PaginaCorrente(), 3);

        QSignalSpy fine(guida, &frmSplash::FineApplicazioneRichiesta);
        QSignalSpy caricamento(guida, &frmSplash::CaricamentoInputRichiesto);
        QVERIFY(Clicca(guida->findChild<QPushButton *>(chiusura)));
        QCOMPARE(fine.size() + caricamento.size(), 0);
        QCOMPARE(FinestreInVista(), QStringList{"frmOutPut2"});
        QCOMPARE(StatiBarra(), barra);
        QVERIFY(frmSplash::AvvioCompletato);
    }
}

void tst_Avvio::comandi_data()
{
    QTest::addColumn<QString>("stato");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QStringList>("inVista");
    QTest::addColumn<QString>("barra"); // "" when the program has ended

    const QString aperto = Stati(InsiemeAperto), risultati = Stati(InsiemeRisultati),
                  dialogo = Stati(InsiemeDialogo), chiusa = Stati(InsiemeFinestraChiusa);
    const auto riga = [](const char *nome, const char *stato, const char *comando,
                         const QStringList &inVista, const QString &barra) {
        QTest::newRow(nome) << stato << comando << inVista << barra;
    };
    riga("ApriForm", "chiusa", "ApriForm", {"frmCalFerSol"}, aperto);
    riga("Calcolo Ferri", "chiusa", "&Calcolo Ferri", {"frmCalFerSol"}, aperto);
    riga("Calcolo Ferri, loaded", "input", "&Calcolo Ferri", {"frmCalFerSol"}, aperto);
    riga("Calcolo Ferri, hidden", "risultati", "&Calcolo Ferri", {"frmOutPut2"}, risultati);
    riga("Calcola", "input", "Calcola", {"frmOutPut2"}, risultati);
    riga("Modifica", "risultati", "Modifica", {"frmOutPut2", "frmModifica"}, dialogo);
    riga("Back", "risultati", "Back", {"frmCalFerSol"}, aperto);
    riga("Info", "dialogo", "Info", {"frmOutPut2", "frmModifica", "frmSplash"}, dialogo);
    riga("Info, no input window", "chiusa", "Info", {"frmSplash"}, chiusa);
    riga("Info Velmora", "input", "Info &Velmora", {"frmCalFerSol", "frmSplash"}, aperto);
    riga("Info Software", "risultati", "&Info Software", {"frmOutPut2", "frmAbout"}, risultati);
    riga("Info Software, no input", "chiusa", "&Info Software", {"frmAbout"}, chiusa);
    riga("Esci", "dialogo", "Esci", {}, "");
    riga("menu Esci", "input", "&Esci", {}, "");
}

// Each command where it can be given: what is on view afterwards, the
// toolbar, and the input window never loaded twice. None blocks.
void tst_Avvio::comandi()
{
    QFETCH(QString, stato);
    QFETCH(QString, comando);
    QFETCH(QStringList, inVista);
    QFETCH(QString, barra);
    QVERIFY(Prepara(stato));
    const QPointer<frmCalFerSol> input = CalFerSolCaricata();

    QVERIFY(Comanda(comando));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(FinestreInVista(), inVista);
    if (barra.isEmpty()) {
        QVERIFY(!Registro.Principale);
        return;
    }
    QCOMPARE(StatiBarra(), barra);
    if (input)
        QCOMPARE(CalFerSolCaricata(), input.data());
    QCOMPARE(Registro.Principale->findChild<QMdiArea *>()->subWindowList().size(),
             (CalFerSolCaricata() ? 1 : 0) + (OutPut2Caricata() ? 1 : 0) +
                 (ModificaCaricata() ? 1 : 0));
}

// The four fields back to their load-time texts, in order; the options
// and the result window stay.
void tst_Avvio::pulisci()
{
    QVERIFY(Prepara(QStringLiteral("input")));
    frmCalFerSol *input = CalFerSolCaricata();
    input->cmbCF->setCurrentText(QStringLiteral("3,5"));
    input->cmbSSTravetto->setCurrentText(QStringLiteral("7"));
    input->optTipoSolaio[1]->click();
    input->optTipoCampata[1]->click();
    QStringList ordine;
    for (QLineEdit *casella : {input->txtLuceNettaSolaio, input->txtSovracAcc})
        connect(casella, &QLineEdit::textChanged, this,
                [&, casella] { ordine << casella->objectName(); });
    for (QComboBox *lista : {input->cmbCF, input->cmbSSTravetto})
        connect(lista, &QComboBox::currentTextChanged, this,
                [&, lista] { ordine << lista->objectName(); });

    QVERIFY(Comanda(QStringLiteral("Pulisci")));
    QCOMPARE(ordine, (QStringList{"txtLuceNettaSolaio", "cmbSSTravetto", "cmbCF", "txtSovracAcc"}));
    QCOMPARE((QStringList{input->txtLuceNettaSolaio->text(), input->cmbSSTravetto->currentText(),
                          input->cmbCF->currentText(), input->txtSovracAcc->text()}),
             (QStringList{"0", "4", "2", "0"}));
    QVERIFY(input->optTipoSolaio[1]->isChecked() && input->optTipoCampata[1]->isChecked());
    QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
}

// A user's whole way: a calculation, a revision, the printout, the about
// box and the wizard again from the toolbar.
void tst_Avvio::percorsoCompleto()
{
    QVERIFY(Prepara(QStringLiteral("risultati")));
    QVERIFY(Comanda(QStringLiteral("Modifica")));
    QVERIFY(ModificaCaricata());
    ModificaCaricata()->cmbNewHS->setCurrentText(QStringLiteral("20"));
    QVERIFY(Clicca(ModificaCaricata()->cmdOk));
    QVERIFY(OutPut2Caricata());
    QCOMPARE(OutPut2Caricata()->txtHTravetto->text(), QStringLiteral("20"));

    auto stampante = std::make_shared<StampanteFinta>();
    Registro.Principale->ImpostaServizioStampa(stampante);
    QSignalSpy stampata(Registro.Principale.data(), &mdiVelmora::StampaConclusa);
    RispostaDialoghi dialoghi({QMessageBox::Yes});
    QVERIFY(Comanda(QStringLiteral("Stampa")));
    QVERIFY(stampata.wait(10000));
    QCOMPARE(stampata.first().first().toBool(), true);
    QCOMPARE(stampante->Pdf().size(), 1);
    QCOMPARE(dialoghi.visti.size(), 1);
    QCOMPARE(dialoghi.senzaRisposta, 0);

    QVERIFY(Comanda(QStringLiteral("&Info Software")));
    QVERIFY(Registro.About);
    QVERIFY(Clicca(qobject_cast<frmAbout *>(Registro.About.data())->cmdOK));
    QVERIFY(Comanda(QStringLiteral("Info")));
    QVERIFY(Guida());
    QVERIFY(Clicca(Guida()->cmdFinish));
    QCOMPARE(FinestreInVista(), QStringList{"frmOutPut2"});
    QCOMPARE(OutPut2Caricata()->txtHTravetto->text(), QStringLiteral("20"));
    QCOMPARE(StatiBarra(), Stati(InsiemeRisultati));
}

// The event loop ends when "Esci" is pressed at the first showing, even
// where closing the last window would not end it.
void tst_Avvio::esciTerminaApplicazione()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(Prepara(QStringLiteral("guida")));
    QTimer::singleShot(0, Guida()->cmdEsci, &QPushButton::click);
    // Only a safeguard, so a fault fails the test instead of hanging it.
    QTimer guardia;
    connect(&guardia, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guardia.start(60000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!frmSplash::AvvioCompletato);
}

QTEST_MAIN(tst_Avvio)
#include "tst_avvio.moc"
