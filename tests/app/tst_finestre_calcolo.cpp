// A calculation in the real windows: typing, clicking and access keys in the
// input window, the results, revisions of the joist height, going back, and
// the toolbar's state after every step.

#include "AiutiFinestre.h"
#include "EsempiSvolti.h"
#include "StatoApplicazione.h"
#include "common/StileApplicazione.h"
#include "info/frmAbout.h"
#include "info/frmSplash.h"
#include "input/frmCalFerSol.h"
#include "modVelmora.h"
#include "results/frmModifica.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "shell/InsiemiPulsanti.h"
#include "shell/RegistroFinestre.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace {

// A dark desktop palette, as a dark theme hands it to every program.
QPalette TavolozzaScura()
{
    const QColor fondo(53, 53, 53), testo(230, 230, 230);
    QPalette scura(testo, fondo, fondo.lighter(150), fondo.darker(150), fondo, testo, Qt::white,
                   QColor(35, 35, 35), fondo);
    scura.setColor(QPalette::ButtonText, testo);
    scura.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return scura;
}

// Drags the workspace's scroll bars, as far as they go, to bring the control
// whole into view; true when it is.
bool PortaInVista(QMdiArea *area, const QWidget *controllo)
{
    const QRect vista = area->viewport()->rect();
    const auto posto = [&] {
        return QRect(controllo->mapTo(area->viewport(), QPoint()), controllo->size());
    };
    for (QScrollBar *barra : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        const bool orizzontale = barra->orientation() == Qt::Horizontal;
        const int prima = orizzontale ? posto().left() : posto().top();
        const int oltre =
            orizzontale ? posto().right() - vista.right() : posto().bottom() - vista.bottom();
        barra->setValue(barra->value() + (prima < 0 ? prima : std::max(oltre, 0)));
    }
    return vista.contains(posto());
}

} // namespace

class tst_FinestreCalcolo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CollegaMotoreAlleFinestre(); }
    void init();
    void cleanup();

    void esempioCompleto_data();
    void esempioCompleto();
    void messaggiDiIngresso_data();
    void messaggiDiIngresso();
    void revisioniEIndietro();
    void indietro_data();
    void indietro();
    void annullaRevisione();
    void tastoDecimale_data();
    void tastoDecimale();
    void incollaNonConverte();
    void clicSelezionaTutto();
    void listeDopoEsciERiapertura();
    void aspettoConTemaScuro();
    void areaScorre_data();
    void areaScorre();

private:
    frmCalFerSol *Apri(QLocale::Language lingua = QLocale::Italian);
    void CalcolaEsempio(frmCalFerSol *input, const QString &luce, const QString &carico);
    QList<QImage> ImmaginiFinestre();
    QList<QImage> ImmaginiRiquadri();
};

void tst_FinestreCalcolo::init()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void tst_FinestreCalcolo::cleanup()
{
    ChiudiProgramma();
}

frmCalFerSol *tst_FinestreCalcolo::Apri(QLocale::Language lingua)
{
    QLocale::setDefault(QLocale(lingua));
    return ApriInput();
}

void tst_FinestreCalcolo::CalcolaEsempio(frmCalFerSol *input, const QString &luce,
                                         const QString &carico)
{
    Digita(input->txtLuceNettaSolaio, luce);
    Digita(input->txtSovracAcc, carico);
    QTest::mouseClick(input->cmdCalcola, Qt::LeftButton);
}

void tst_FinestreCalcolo::esempioCompleto_data()
{
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<QString>("risultati");
    QTest::newRow("decimal comma") << QLocale::Italian << QString(EsempioDiCalcolo::Risultati);
    QTest::newRow("decimal point")
        << QLocale::English << NelFormato(QLocale::English, EsempioDiCalcolo::Risultati);
    QTest::newRow("Arabic decimal separator")
        << QLocale::Arabic << "4 16 4 24 12 10 2٫51 191 0٫0725 0٫42 1194٫34 20 0٫327";
}

void tst_FinestreCalcolo::esempioCompleto()
{
    QFETCH(QLocale::Language, lingua);
    QFETCH(QString, risultati);
    frmCalFerSol *input = Apri(lingua);
    QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
    QCOMPARE(QApplication::focusWidget(), input->cmdStampa);

    // Left idle, as while the user reads, the program readies the result
    // window out of sight: nothing the user sees changes.
    const auto finestre = [] {
        const QWidgetList tutte = QApplication::topLevelWidgets();
        return QSet<QWidget *>(tutte.cbegin(), tutte.cend());
    };
    const QSet<QWidget *> prima = finestre();
    QEventLoop attesa;
    QTimer::singleShot(50, &attesa, &QEventLoop::quit);
    attesa.exec();
    QVERIFY(!OutPut2Caricata());
    QCOMPARE(finestre(), prima);
    QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
    QCOMPARE(QApplication::focusWidget(), input->cmdStampa);

    // The span is typed with a point whatever the locale: the window converts
    // it. Alt+C in the load box presses "&Calcola" and types nothing.
    Digita(input->txtLuceNettaSolaio, QStringLiteral("5.00"));
    Digita(input->txtSovracAcc, QStringLiteral("200"));
    QTest::keyClick(input->txtSovracAcc, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(input->txtSovracAcc->text(), QStringLiteral("200"));

    QVERIFY(OutPut2Caricata());
    QCOMPARE(TestiRisultato(OutPut2Caricata()).join(u' '), risultati);
    QVERIFY(Visibile(OutPut2Caricata()));
    QVERIFY(!Visibile(input));
    QCOMPARE(StatiBarra(), Stati(InsiemeRisultati));
    QCOMPARE(OutPut2Caricata()->parentWidget()->pos(), QPoint(0, 0));
}

void tst_FinestreCalcolo::messaggiDiIngresso_data()
{
    QTest::addColumn<QString>("luce");
    QTest::addColumn<QString>("carico");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("campo");

    const QString luce = QStringLiteral("txtLuceNettaSolaio");
    const QString carico = QStringLiteral("txtSovracAcc");
    QTest::newRow("span as loaded") << ""
                                    << "" << Messaggi::LuceNonImpostata << luce;
    QTest::newRow("span letters") << "cinque"
                                  << "200" << Messaggi::LuceNonImpostata << luce;
    QTest::newRow("span zero") << "0,0"
                               << "200" << Messaggi::LuceNonImpostata << luce;
    QTest::newRow("span negative") << "-5"
                                   << "200" << Messaggi::LuceNonImpostata << luce;
    QTest::newRow("load letters") << "5"
                                  << "abc" << Messaggi::SovraccaricoErrato << carico;
    QTest::newRow("load negative") << "5"
                                   << "-1" << Messaggi::SovraccaricoErrato << carico;
    QTest::newRow("load too large") << "5"
                                    << "40000"
                                    << "6 - Overflow"
                                    << "";
    QTest::newRow("span too long") << "12"
                                   << "200" << Messaggi::AltezzaUtileEccessiva << "";
}

// Every refusal: one box, the focus in the faulty box with its whole text
// selected, every entry as typed, no result window.
void tst_FinestreCalcolo::messaggiDiIngresso()
{
    QFETCH(QString, luce);
    QFETCH(QString, carico);
    QFETCH(QString, messaggio);
    QFETCH(QString, campo);
    frmCalFerSol *input = Apri();
    if (!luce.isEmpty())
        Digita(input->txtLuceNettaSolaio, luce);
    if (!carico.isEmpty())
        Digita(input->txtSovracAcc, carico);
    input->cmbCF->setCurrentText(QStringLiteral("3,5"));
    QTest::mouseClick(input->optTipoSolaio[1], Qt::LeftButton);
    const QString luceDigitata = input->txtLuceNettaSolaio->text();
    const QString caricoDigitato = input->txtSovracAcc->text();

    RispostaAvviso risposta;
    QTest::mouseClick(input->cmdCalcola, Qt::LeftButton);

    QCOMPARE(risposta.visti.size(), 1);
    QCOMPARE(risposta.visti[0].titolo, QStringLiteral("Calcolo Solaio"));
    QCOMPARE(risposta.visti[0].testo, messaggio);
    QCOMPARE(risposta.visti[0].icona, QMessageBox::Warning);
    if (!campo.isEmpty()) {
        auto *casella = input->findChild<QLineEdit *>(campo);
        QTRY_COMPARE(QApplication::focusWidget(), casella);
        QCOMPARE(casella->selectedText(), casella->text());
    }
    QCOMPARE(input->txtLuceNettaSolaio->text(), luceDigitata);
    QCOMPARE(input->txtSovracAcc->text(), caricoDigitato);
    QCOMPARE(input->cmbCF->currentText(), QStringLiteral("3,5"));
    QCOMPARE(input->cmbSSTravetto->currentText(), QStringLiteral("4"));
    QVERIFY(input->optTipoSolaio[1]->isChecked());
    QVERIFY(Visibile(input));
    QVERIFY(!OutPut2Caricata());
    QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
}

void tst_FinestreCalcolo::revisioniEIndietro()
{
    frmCalFerSol *input = Apri();
    CalcolaEsempio(input, QStringLiteral("5,00"), QStringLiteral("200"));
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 16);

    // Two revisions to higher joists with the result window's access key.
    for (const QString &altezza : {QStringLiteral("20"), QStringLiteral("22")}) {
        QTest::keyClick(OutPut2Caricata(), Qt::Key_M, Qt::AltModifier);
        frmModifica *dialogo = ModificaCaricata();
        QVERIFY(dialogo);
        QCOMPARE(StatiBarra(), Stati(InsiemeDialogo));
        QCOMPARE(dialogo->cmbNewHS->itemText(0), QStringLiteral("16"));
        QCOMPARE(dialogo->cmbNewHS->itemText(dialogo->cmbNewHS->count() - 1), QStringLiteral("32"));
        dialogo->cmbNewHS->setCurrentText(altezza);
        QVERIFY(Clicca(dialogo->cmdOk));
        QVERIFY(!ModificaCaricata());
        QCOMPARE(OutPut2Caricata()->findChild<QLineEdit *>(QStringLiteral("txtHTravetto"))->text(),
                 altezza);
        QCOMPARE(StatiBarra(), Stati(InsiemeRisultati));
        QVERIFY(!Visibile(input));
    }
    // The dialog still starts at the first sizing's joist and presets the current one.
    QTest::mouseClick(OutPut2Caricata()->cmdModifica, Qt::LeftButton);
    QCOMPARE(ModificaCaricata()->cmbNewHS->itemText(0), QStringLiteral("16"));
    QCOMPARE(ModificaCaricata()->cmbNewHS->currentText(), QStringLiteral("22"));
    QTest::mouseClick(ModificaCaricata()->cmdAnnulla, Qt::LeftButton);

    // Back: the input window as it was left.
    QTest::keyClick(OutPut2Caricata(), Qt::Key_B, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!OutPut2Caricata());
    QVERIFY(Visibile(input));
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5,00"));
    QCOMPARE(input->txtSovracAcc->text(), QStringLiteral("200"));
    QCOMPARE(StatiBarra(), Stati(InsiemeAperto));

    // A new Calcola, from the toolbar this time, resets the lower bound.
    Digita(input->txtLuceNettaSolaio, QStringLiteral("7"));
    Digita(input->txtSovracAcc, QStringLiteral("100"));
    QVERIFY(Comanda(QStringLiteral("Calcola")));
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 24);
    QVERIFY(Comanda(QStringLiteral("Modifica")));
    QCOMPARE(ModificaCaricata()->cmbNewHS->itemText(0), QStringLiteral("24"));
}

void tst_FinestreCalcolo::indietro_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("ridotta"); // the input window minimised before Calcola

    QTest::newRow("close box") << "close box" << false;
    QTest::newRow("close box, input minimised") << "close box" << true;
    QTest::newRow("&Back, input minimised") << "&Back" << true;
    QTest::newRow("toolbar Back, input minimised") << "Back" << true;
}

// Every way back, the result window's close box included, shows the input
// window as it was left, restored and in front.
void tst_FinestreCalcolo::indietro()
{
    QFETCH(QString, comando);
    QFETCH(bool, ridotta);
    frmCalFerSol *input = Apri();
    Digita(input->txtLuceNettaSolaio, QStringLiteral("5"));
    Digita(input->txtSovracAcc, QStringLiteral("200"));
    const QRect posto = input->parentWidget()->geometry();
    if (ridotta)
        input->parentWidget()->showMinimized();
    QVERIFY(Comanda(QStringLiteral("Calcola")));
    QVERIFY(OutPut2Caricata());

    if (comando == u"close box")
        OutPut2Caricata()->parentWidget()->close();
    else if (comando == u"&Back")
        QVERIFY(Clicca(OutPut2Caricata()->cmdBack));
    else
        QVERIFY(Comanda(comando));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!OutPut2Caricata());
    QVERIFY(Visibile(input));
    QVERIFY(!input->parentWidget()->isMinimized());
    QCOMPARE(input->parentWidget()->geometry(), posto);
    QCOMPARE(Registro.Principale->AreaFiglie()->activeSubWindow(), input->parentWidget());
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5"));
    QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
}

void tst_FinestreCalcolo::annullaRevisione()
{
    frmCalFerSol *input = Apri();
    CalcolaEsempio(input, QStringLiteral("5"), QStringLiteral("200"));
    QTest::mouseClick(OutPut2Caricata()->cmdModifica, Qt::LeftButton);
    QCOMPARE(StatiBarra(), Stati(InsiemeDialogo));
    QTest::keyClick(ModificaCaricata(), Qt::Key_A, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ModificaCaricata());
    QCOMPARE(StatiBarra(), Stati(InsiemeRisultati));
    QCOMPARE(OutPut2Caricata()->findChild<QLineEdit *>(QStringLiteral("txtHTravetto"))->text(),
             QStringLiteral("16"));
}

void tst_FinestreCalcolo::tastoDecimale_data()
{
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("testo");

    QTest::newRow("comma locale, point") << QLocale::Italian << "1.5"
                                         << "1,5";
    QTest::newRow("comma locale, comma") << QLocale::Italian << "1,5"
                                         << "1,5";
    QTest::newRow("comma locale, letters and signs") << QLocale::Italian << "-a .b"
                                                     << "-a ,b";
    QTest::newRow("point locale, point") << QLocale::English << "1.5"
                                         << "1.5";
    QTest::newRow("point locale, comma") << QLocale::English << "1,5"
                                         << "1,5";
}

void tst_FinestreCalcolo::tastoDecimale()
{
    QFETCH(QLocale::Language, lingua);
    QFETCH(QString, tasti);
    QFETCH(QString, testo);
    frmCalFerSol *input = Apri(lingua);
    for (QLineEdit *casella : {input->txtLuceNettaSolaio, input->txtSovracAcc}) {
        Digita(casella, tasti);
        QCOMPARE(casella->text(), testo);
    }
    // The numeric keypad's separator key is a typed "." as well.
    Digita(input->txtSovracAcc, QStringLiteral("2"));
    QTest::keyClick(input->txtSovracAcc, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(input->txtSovracAcc->text(),
             lingua == QLocale::Italian ? QStringLiteral("2,") : QStringLiteral("2."));
}

void tst_FinestreCalcolo::incollaNonConverte()
{
    frmCalFerSol *input = Apri();
    QApplication::clipboard()->setText(QStringLiteral("2.5"));
    input->txtLuceNettaSolaio->setFocus(Qt::TabFocusReason);
    QTest::keyClick(input->txtLuceNettaSolaio, Qt::Key_V, Qt::ControlModifier);
    if (QApplication::clipboard()->text() != u"2.5")
        QSKIP("no clipboard on this platform");
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("2.5"));
}

// A click into a box selects its whole text as tabbing does, so typing
// replaces the "0" instead of joining it.
void tst_FinestreCalcolo::clicSelezionaTutto()
{
    frmCalFerSol *input = Apri();
    QTest::mouseClick(input->txtLuceNettaSolaio, Qt::LeftButton, {}, QPoint(2, 5));
    QCOMPARE(input->txtLuceNettaSolaio->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(input->txtLuceNettaSolaio, QStringLiteral("5"));
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5"));

    // A second click, in a box that already has the focus, places the caret.
    QTest::mouseClick(input->txtLuceNettaSolaio, Qt::LeftButton, {}, QPoint(2, 5));
    QVERIFY(!input->txtLuceNettaSolaio->hasSelectedText());
}

void tst_FinestreCalcolo::listeDopoEsciERiapertura()
{
    for (int apertura = 0; apertura < 2; ++apertura) {
        frmCalFerSol *input = apertura == 0 ? Apri() : nullptr;
        if (!input) {
            QVERIFY(Comanda(QStringLiteral("ApriForm")));
            input = CalFerSolCaricata();
        }
        QVERIFY(input);
        QCOMPARE(StatiBarra(), Stati(InsiemeAperto));
        QCOMPARE(input->cmbCF->count(), 5);
        QCOMPARE(input->cmbSSTravetto->count(), 5);
        QCOMPARE(input->cmbCF->itemText(1), QStringLiteral("2,5"));
        QCOMPARE(input->cmbCF->currentText(), QStringLiteral("2"));
        QCOMPARE(input->cmbSSTravetto->currentText(), QStringLiteral("4"));
        QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("0"));
        QVERIFY(input->optTipoSolaio[0]->isChecked());
        QVERIFY(input->optTipoCampata[0]->isChecked());

        Digita(input->txtLuceNettaSolaio, QStringLiteral("6"));
        input->cmbCF->setCurrentIndex(4);
        QVERIFY(Clicca(input->cmdEsci));
        QVERIFY(!CalFerSolCaricata());
        QCOMPARE(StatiBarra(), Stati(InsiemeFinestraChiusa));
    }
}

// Every window, the wizard, the main window with each child window in turn
// and the about box, as it shows at first.
QList<QImage> tst_FinestreCalcolo::ImmaginiFinestre()
{
    QList<QImage> immagini;
    frmSplash *guida = MostraSplash();
    immagini << guida->grab().toImage();
    guida->close();
    frmCalFerSol *input = Apri();
    immagini << Registro.Principale->grab().toImage();
    CalcolaEsempio(input, QStringLiteral("5"), QStringLiteral("200"));
    immagini << Registro.Principale->grab().toImage();
    ApriModifica();
    immagini << Registro.Principale->grab().toImage();
    frmAbout *informazioni = MostraAbout();
    immagini << informazioni->grab().toImage();
    informazioni->close();
    cleanup();
    return immagini;
}

// What the program shows outside its windows: the two message boxes, the
// File menu, the CF list's pop-up and a toolbar button's tooltip.
QList<QImage> tst_FinestreCalcolo::ImmaginiRiquadri()
{
    QList<QImage> immagini;
    frmCalFerSol *input = Apri();
    {
        RispostaDialoghi dialoghi({QMessageBox::Ok, QMessageBox::No});
        QTest::mouseClick(input->cmdCalcola, Qt::LeftButton);
        Comanda(QStringLiteral("Stampa"));
        for (const RispostaDialoghi::Dialogo &dialogo : dialoghi.visti)
            immagini << dialogo.immagine;
    }
    auto *menu = Registro.Principale->findChild<QMenu *>(QStringLiteral("mnuFile"));
    menu->popup(Registro.Principale->mapToGlobal(QPoint(0, 0)));
    immagini << (QTest::qWaitForWindowExposed(menu) ? menu->grab().toImage() : QImage());
    menu->hide();

    input->cmbCF->showPopup();
    QWidget *tendina = input->cmbCF->view()->window();
    immagini << (QTest::qWaitForWindowExposed(tendina) ? tendina->grab().toImage() : QImage());
    input->cmbCF->hidePopup();

    QWidget *pulsante = Barra()->widgetForAction(AzioneBarra(QStringLiteral("Calcola")));
    QHelpEvent richiesta(QEvent::ToolTip, QPoint(4, 4), pulsante->mapToGlobal(QPoint(4, 4)));
    QCoreApplication::sendEvent(pulsante, &richiesta);
    QImage suggerimento;
    for (QWidget *finestra : QApplication::topLevelWidgets()) {
        if (finestra->inherits("QTipLabel") && finestra->isVisible())
            suggerimento = finestra->grab().toImage();
    }
    immagini << suggerimento;
    QToolTip::hideText();
    cleanup();
    return immagini;
}

// A dark desktop palette reaches nothing the program shows: each window looks
// exactly as under the light one, in its own colours and, where it gives
// none, in the light look they were chosen against, with the text boxes
// white; the message boxes, menus, list pop-ups and tooltips in that light
// look too. Nor does a palette set on the application later reach a window.
void tst_FinestreCalcolo::aspettoConTemaScuro()
{
    const QPalette chiara = QApplication::palette();
    ImpostaStileApplicazione();
    const QList<QImage> attese = ImmaginiFinestre() + ImmaginiRiquadri();
    // The desktop's palette is dark when the program starts.
    QApplication::setPalette(TavolozzaScura());
    ImpostaStileApplicazione();
    const QList<QImage> viste = ImmaginiFinestre() + ImmaginiRiquadri();
    QApplication::setPalette(TavolozzaScura());
    const QList<QImage> dopo = ImmaginiFinestre();
    frmCalFerSol *input = Apri();
    const QColor baseCasella = input->txtLuceNettaSolaio->palette().color(QPalette::Base);
    QColor testoDidascalia;
    for (const QLabel *etichetta : input->findChildren<QLabel *>()) {
        if (etichetta->buddy() == input->txtLuceNettaSolaio)
            testoDidascalia = etichetta->palette().color(QPalette::WindowText);
    }
    QApplication::setPalette(chiara);

    const char *nomi[] = {"wizard",  "input",    "results",   "revision", "about box",
                          "warning", "question", "File menu", "CF list",  "tooltip"};
    QCOMPARE(attese.size(), int(std::size(nomi)));
    QCOMPARE(viste.size(), attese.size());
    for (int i = 0; i < viste.size(); ++i) {
        QVERIFY2(!attese[i].isNull(), nomi[i]);
        QVERIFY2(viste[i] == attese[i], nomi[i]);
        QVERIFY2(i >= dopo.size() || dopo[i] == attese[i], nomi[i]);
    }
    QCOMPARE(baseCasella, QColor(Qt::white));
    QCOMPARE(testoDidascalia, QColor(Qt::black));
}

void tst_FinestreCalcolo::areaScorre_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QSize>("cornice"); // the main window's size
    QTest::addColumn<bool>("scorre");

    QTest::newRow("input, whole frame") << "input" << QSize(800, 600) << false;
    QTest::newRow("results, whole frame") << "results" << QSize(800, 600) << false;
    QTest::newRow("input, 640x480") << "input" << QSize(640, 480) << true;
    QTest::newRow("results, 640x480") << "results" << QSize(640, 480) << true;
    QTest::newRow("input, narrow") << "input" << QSize(500, 600) << true;
}

// A frame smaller than its child window shows scroll bars, which bring every
// control of the window into view and within the mouse's reach.
void tst_FinestreCalcolo::areaScorre()
{
    QFETCH(QString, finestra);
    QFETCH(QSize, cornice);
    QFETCH(bool, scorre);
    frmCalFerSol *input = Apri();
    QWidget *vista = input;
    if (finestra == u"results") {
        CalcolaEsempio(input, QStringLiteral("5"), QStringLiteral("200"));
        vista = OutPut2Caricata();
    }
    QVERIFY(vista);
    Registro.Principale->resize(cornice);
    QMdiArea *area = Registro.Principale->AreaFiglie();
    QTRY_COMPARE(area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible(),
                 scorre);

    int controlli = 0;
    for (const QWidget *controllo : vista->findChildren<QWidget *>()) {
        if (controllo->isVisibleTo(vista) && (controllo->focusPolicy() & Qt::TabFocus)) {
            QVERIFY2(PortaInVista(area, controllo), qPrintable(controllo->objectName()));
            ++controlli;
        }
    }
    QVERIFY(controlli >= 3);
}

QTEST_MAIN(tst_FinestreCalcolo)
#include "tst_finestre_calcolo.moc"
