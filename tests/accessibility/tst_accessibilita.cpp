// Accessible names of every field, list, option and button, as assistive
// technology reads them through QAccessible, and a whole calculation with
// revision and return done from the keyboard alone.

#include "AiutiFinestre.h"
#include "EsempiSvolti.h"
#include "common/NomeAccessibile.h"
#include "input/frmCalFerSol.h"
#include "results/frmModifica.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "shell/RegistroFinestre.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

std::unique_ptr<QWidget> CreaFinestra(const QString &nome)
{
    if (nome == u"frmCalFerSol")
        return std::make_unique<frmCalFerSol>();
    if (nome == u"frmOutPut2")
        return std::make_unique<frmOutPut2>();
    return std::make_unique<frmModifica>();
}

QString TestoAccessibile(QWidget *widget, QAccessible::Text testo)
{
    QAccessibleInterface *interfaccia = QAccessible::queryAccessibleInterface(widget);
    return interfaccia ? interfaccia->text(testo) : QStringLiteral("<nessuna interfaccia>");
}

// Where the keyboard is now: the focused widget's name.
QString Fuoco()
{
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("<nessuno>");
}

// Every key goes where a real key would: to the focused widget.
void Premi(int tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier)
{
    QWidget *widget = QApplication::focusWidget();
    QVERIFY2(widget, "no widget has the keyboard focus");
    QTest::keyClick(widget, Qt::Key(tasto), modificatori);
}

void Scrivi(const QString &testo)
{
    QWidget *widget = QApplication::focusWidget();
    QVERIFY2(widget, "no widget has the keyboard focus");
    QTest::keyClicks(widget, testo);
}

} // namespace

class tst_Accessibilita : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void composizioneDelNome_data();
    void composizioneDelNome();
    void nomiDeiControlli_data();
    void nomiDeiControlli();
    void nessunCampoSenzaNome_data();
    void nessunCampoSenzaNome();
    void calcoloDaTastiera_data();
    void calcoloDaTastiera();
    void tabulazioneSulleOpzioniScelte();
    void revisioneEIndietroDaTastiera();
    void altSenzaComandoNonScrive();
    void pulisciDaTastiera();
    void tastiComeClic_data();
    void tastiComeClic();

private:
    frmOutPut2 *CalcolaDaTastiera(const QString &luce, const QString &carico);
    QStringList RisultatiCalcolatiDaCodice(bool continuo, bool copertura, const QString &cf,
                                           const QString &ss, const QString &luce,
                                           const QString &carico);
};

void tst_Accessibilita::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    CollegaMotoreAlleFinestre();
}

void tst_Accessibilita::init()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void tst_Accessibilita::cleanup()
{
    ChiudiProgramma();
}

void tst_Accessibilita::composizioneDelNome_data()
{
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<QString>("unita");
    QTest::addColumn<QString>("nome");
    QTest::newRow("caption and unit") << "Luce Calcolo Solaio (LC)"
                                      << "m"
                                      << "Luce Calcolo Solaio (LC) m";
    QTest::newRow("no unit") << "Luce/Freccia" << QString() << "Luce/Freccia";
    QTest::newRow("blank unit") << "Luce/Freccia"
                                << "  "
                                << "Luce/Freccia";
    QTest::newRow("double blank collapsed") << "Sovraccarico  (q)"
                                            << "daN/m2"
                                            << "Sovraccarico (q) daN/m2";
    QTest::newRow("trailing equals dropped") << "Spessore Copri Ferro (CF) = "
                                             << "cm"
                                             << "Spessore Copri Ferro (CF) cm";
    QTest::newRow("equals inside kept") << "Spessore Cappa (HC)= 4"
                                        << "cm"
                                        << "Spessore Cappa (HC)= 4 cm";
    QTest::newRow("unit with trailing blank") << "Trasmittanza termica K"
                                              << "W / (mq x °C) "
                                              << "Trasmittanza termica K W / (mq x °C)";
    QTest::newRow("lines joined") << "Freccia Elastica\na Sezione"
                                  << "cm"
                                  << "Freccia Elastica a Sezione cm";
    QTest::newRow("access key") << "&Nuova Altezza" << QString() << "Nuova Altezza";
    QTest::newRow("literal ampersand") << "Ferri && Staffe" << QString() << "Ferri & Staffe";
    QTest::newRow("empty") << QString() << QString() << QString();
}

void tst_Accessibilita::composizioneDelNome()
{
    QFETCH(QString, didascalia);
    QFETCH(QString, unita);
    QFETCH(QString, nome);
    QCOMPARE(NomeAccessibile(didascalia, unita), nome);

    QLineEdit campo;
    ImpostaNomeAccessibile(&campo, didascalia, unita);
    QCOMPARE(campo.accessibleName(), nome);
}

void tst_Accessibilita::nomiDeiControlli_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QAccessible::Role>("ruolo");
    QTest::addColumn<QString>("nome");

    const auto riga = [](const char *finestra, const char *controllo, QAccessible::Role ruolo,
                         const char *nome) {
        QTest::addRow("%s %s", finestra, controllo)
            << QString::fromLatin1(finestra) << QString::fromLatin1(controllo) << ruolo
            << QString::fromUtf8(nome);
    };
    const auto casella = QAccessible::EditableText;
    const auto lista = QAccessible::ComboBox;
    const auto opzione = QAccessible::RadioButton;
    const auto pulsante = QAccessible::Button;

    riga("frmCalFerSol", "optTipoCampata(0)", opzione,
         "Solaio a Campata Singola e Semplice Appoggio");
    riga("frmCalFerSol", "optTipoCampata(1)", opzione, "Solaio Continuo a più Campate");
    riga("frmCalFerSol", "optTipoSolaio(0)", opzione, "Intermedio");
    riga("frmCalFerSol", "optTipoSolaio(1)", opzione, "Copertura");
    riga("frmCalFerSol", "txtLuceNettaSolaio", casella, "Luce Calcolo Solaio (LC) m");
    riga("frmCalFerSol", "txtSovracAcc", casella, "Sovraccarico (q) daN/m2");
    riga("frmCalFerSol", "cmbCF", lista, "Spessore Copri Ferro (CF) cm");
    riga("frmCalFerSol", "cmbSSTravetto", lista, "Spessore SottoTravetto (SS) cm");
    riga("frmCalFerSol", "cmdStampa", pulsante, "Stampa");
    riga("frmCalFerSol", "cmdCalcola", pulsante, "Calcola");
    riga("frmCalFerSol", "cmdEsci", pulsante, "Esci");

    riga("frmOutPut2", "txtHCappa", casella, "Altezza Cappa (HC) cm");
    riga("frmOutPut2", "txtHTravetto", casella, "Altezza Travetto (HT) cm");
    riga("frmOutPut2", "txtSpesST", casella, "Spessore Sotto Travetto (SS) cm");
    riga("frmOutPut2", "txtHTotSolaio", casella, "Altezza Totale Solaio (HS) cm");
    riga("frmOutPut2", "txtTond1", casella, "Acciaio ø' mm");
    riga("frmOutPut2", "txtTond2", casella, "Acciaio ø'' mm");
    riga("frmOutPut2", "txtAcciaio", casella,
         "Incidenza Acciaio a meno della rete elettrosaldata prevista da normativa daN/mq");
    riga("frmOutPut2", "txtPpSolaio", casella, "Peso Proprio Solaio daN/mq");
    riga("frmOutPut2", "txtCalcestruzzo", casella, "Calcestruzzo mc/mq");
    riga("frmOutPut2", "txtHPanPol", casella, "Alt.za Pannello (FeltraNova) cm");
    riga("frmOutPut2", "txtFrc1", casella, "Freccia Elastica a Sezione Interamente Reagente cm");
    riga("frmOutPut2", "txtFrc2", casella, "Luce/Freccia");
    riga("frmOutPut2", "txtK", casella, "Trasmittanza termica K W / (mq x °C)");
    riga("frmOutPut2", "cmdStampa", pulsante, "Stampa");
    riga("frmOutPut2", "cmdModifica", pulsante, "Modifica");
    riga("frmOutPut2", "cmdBack", pulsante, "Back");

    riga("frmModifica", "cmbNewHS", lista, "Nuova Altezza Travetto");
    riga("frmModifica", "cmdOk", pulsante, "Conferma");
    riga("frmModifica", "cmdAnnulla", pulsante, "Annulla");
}

void tst_Accessibilita::nomiDeiControlli()
{
    QFETCH(QString, finestra);
    QFETCH(QString, controllo);
    QFETCH(QAccessible::Role, ruolo);
    QFETCH(QString, nome);

    const std::unique_ptr<QWidget> contenitore = CreaFinestra(finestra);
    auto *widget = contenitore->findChild<QWidget *>(controllo);
    QVERIFY(widget);
    QAccessibleInterface *interfaccia = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(interfaccia);
    QCOMPARE(interfaccia->role(), ruolo);
    QCOMPARE(interfaccia->text(QAccessible::Name), nome);

    // Under Linux a list that holds items is announced by its current item
    // and by the label it is the buddy of: that label says the whole name.
    if (ruolo == QAccessible::ComboBox) {
        int etichette = 0;
        for (QLabel *etichetta : contenitore->findChildren<QLabel *>()) {
            if (etichetta->buddy() != widget)
                continue;
            ++etichette;
            QCOMPARE(TestoAccessibile(etichetta, QAccessible::Name), nome);
        }
        QCOMPARE(etichette, 1);
    }
}

void tst_Accessibilita::nessunCampoSenzaNome_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<int>("campi");
    QTest::newRow("input") << "frmCalFerSol" << 8;
    QTest::newRow("results") << "frmOutPut2" << 13;
    QTest::newRow("revision") << "frmModifica" << 1;
}

// A field added later without a name would be read out as a bare "edit".
// Buttons are named by their captions.
void tst_Accessibilita::nessunCampoSenzaNome()
{
    QFETCH(QString, finestra);
    QFETCH(int, campi);
    const std::unique_ptr<QWidget> contenitore = CreaFinestra(finestra);
    int contati = 0;
    for (QWidget *widget : contenitore->findChildren<QWidget *>()) {
        const bool campo = qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget) ||
                           qobject_cast<QRadioButton *>(widget);
        if (!campo && !qobject_cast<QAbstractButton *>(widget))
            continue;
        // A list's own line edit or popup belongs to the list.
        if (qobject_cast<QComboBox *>(widget->parentWidget()))
            continue;
        contati += campo ? 1 : 0;
        QVERIFY2(!TestoAccessibile(widget, QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(widget->objectName()));
    }
    QCOMPARE(contati, campi);
}

// The same entries set in code and calculated with a click, for comparison.
QStringList tst_Accessibilita::RisultatiCalcolatiDaCodice(bool continuo, bool copertura,
                                                          const QString &cf, const QString &ss,
                                                          const QString &luce,
                                                          const QString &carico)
{
    frmCalFerSol *input = ApriInput();
    input->optTipoCampata[continuo ? 1 : 0]->setChecked(true);
    input->optTipoSolaio[copertura ? 1 : 0]->setChecked(true);
    input->cmbCF->setCurrentText(cf);
    input->cmbSSTravetto->setCurrentText(ss);
    input->txtLuceNettaSolaio->setText(luce);
    input->txtSovracAcc->setText(carico);
    input->cmdCalcola->click();
    const QStringList testi = TestiRisultato(OutPut2Caricata());
    ChiudiProgramma();
    return testi;
}

void tst_Accessibilita::calcoloDaTastiera_data()
{
    QTest::addColumn<int>("frecciaCampata");
    QTest::addColumn<int>("frecciaSolaio");
    QTest::addColumn<int>("frecciaCF");
    QTest::addColumn<int>("frecciaSS");
    QTest::addColumn<bool>("continuo");
    QTest::addColumn<bool>("copertura");
    QTest::addColumn<QString>("cf");
    QTest::addColumn<QString>("ss");

    // Arrows move between options as the options lie: the static schemes one
    // above the other, the slab types side by side. Going past the first
    // option or item changes nothing.
    const int nessuna = 0;
    QTest::newRow("defaults") << nessuna << nessuna << nessuna << nessuna << false << false << "2"
                              << "4";
    QTest::newRow("to the next option and item")
        << int(Qt::Key_Down) << int(Qt::Key_Right) << int(Qt::Key_Down) << int(Qt::Key_Down) << true
        << true << "2,5"
        << "5";
    QTest::newRow("only the options")
        << int(Qt::Key_Down) << int(Qt::Key_Right) << nessuna << nessuna << true << true << "2"
        << "4";
    QTest::newRow("before the first") << int(Qt::Key_Up) << int(Qt::Key_Left) << int(Qt::Key_Up)
                                      << int(Qt::Key_Up) << false << false << "2"
                                      << "4";
}

// From the window's first focus, Tab runs through the controls in their
// order; arrows change options and lists; the span is typed with a point;
// Alt+C calculates.
void tst_Accessibilita::calcoloDaTastiera()
{
    QFETCH(int, frecciaCampata);
    QFETCH(int, frecciaSolaio);
    QFETCH(int, frecciaCF);
    QFETCH(int, frecciaSS);
    QFETCH(bool, continuo);
    QFETCH(bool, copertura);
    QFETCH(QString, cf);
    QFETCH(QString, ss);

    const QStringList attesi = RisultatiCalcolatiDaCodice(
        continuo, copertura, cf, ss, EsempioDiCalcolo::Luce, EsempioDiCalcolo::Carico);
    QCOMPARE(attesi.size(), 13);

    frmCalFerSol *input = ApriInput();
    QCOMPARE(Fuoco(), QStringLiteral("cmdStampa"));
    const struct {
        const char *campo;
        int freccia;
    } passi[] = {{"cmdCalcola", 0},
                 {"cmdEsci", 0},
                 {"optTipoCampata(0)", frecciaCampata},
                 {"optTipoSolaio(0)", frecciaSolaio},
                 {"cmbCF", frecciaCF},
                 {"cmbSSTravetto", frecciaSS}};
    for (const auto &passo : passi) {
        Premi(Qt::Key_Tab);
        QCOMPARE(Fuoco(), QString::fromLatin1(passo.campo));
        if (passo.freccia)
            Premi(passo.freccia);
    }
    QCOMPARE(input->optTipoCampata[1]->isChecked(), continuo);
    QCOMPARE(input->optTipoSolaio[1]->isChecked(), copertura);
    QCOMPARE(input->cmbCF->currentText(), cf);
    QCOMPARE(input->cmbSSTravetto->currentText(), ss);

    Premi(Qt::Key_Tab);
    QCOMPARE(Fuoco(), QStringLiteral("txtLuceNettaSolaio"));
    Scrivi(QStringLiteral("5.00"));
    Premi(Qt::Key_Tab);
    QCOMPARE(Fuoco(), QStringLiteral("txtSovracAcc"));
    Scrivi(QStringLiteral("200"));
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5,00"));
    QCOMPARE(input->txtSovracAcc->text(), QStringLiteral("200"));

    Premi(Qt::Key_C, Qt::AltModifier);
    frmOutPut2 *risultati = OutPut2Caricata();
    QVERIFY(risultati);
    QCOMPARE(TestiRisultato(risultati), attesi);
    if (!continuo && !copertura)
        QCOMPARE(TestiRisultato(risultati).join(u' '), EsempioDiCalcolo::Risultati);
    // The keyboard moved on with the window: its first button has the focus.
    QCOMPARE(QApplication::focusWidget(), risultati->cmdStampa);
}

// Tab enters a group of options at the chosen one, both ways, and leaves it
// at once: the other option is reached with the arrows.
void tst_Accessibilita::tabulazioneSulleOpzioniScelte()
{
    ApriInput();
    for (int i = 0; i < 3; ++i)
        Premi(Qt::Key_Tab);
    Premi(Qt::Key_Down);
    Premi(Qt::Key_Tab);
    Premi(Qt::Key_Right);
    QCOMPARE(Fuoco(), QStringLiteral("optTipoSolaio(1)"));

    const struct {
        int tasto;
        Qt::KeyboardModifiers modificatori;
        const char *campo;
    } passi[] = {{Qt::Key_Tab, Qt::NoModifier, "cmbCF"},
                 {Qt::Key_Tab, Qt::ShiftModifier, "optTipoSolaio(1)"},
                 {Qt::Key_Tab, Qt::ShiftModifier, "optTipoCampata(1)"},
                 {Qt::Key_Tab, Qt::ShiftModifier, "cmdEsci"},
                 {Qt::Key_Tab, Qt::NoModifier, "optTipoCampata(1)"},
                 {Qt::Key_Tab, Qt::NoModifier, "optTipoSolaio(1)"},
                 {Qt::Key_Tab, Qt::NoModifier, "cmbCF"}};
    for (const auto &passo : passi) {
        Premi(passo.tasto, passo.modificatori);
        QCOMPARE(Fuoco(), QString::fromLatin1(passo.campo));
    }
}

frmOutPut2 *tst_Accessibilita::CalcolaDaTastiera(const QString &luce, const QString &carico)
{
    ApriInput();
    for (int i = 0; i < 7; ++i)
        Premi(Qt::Key_Tab);
    Scrivi(luce);
    Premi(Qt::Key_Tab);
    Scrivi(carico);
    Premi(Qt::Key_C, Qt::AltModifier);
    return OutPut2Caricata();
}

// The result window read field by field, a higher joist chosen in the
// revision dialog, a revision cancelled, and the way back to the input.
void tst_Accessibilita::revisioneEIndietroDaTastiera()
{
    frmOutPut2 *risultati = CalcolaDaTastiera(QStringLiteral("5"), QStringLiteral("200"));
    QVERIFY(risultati);
    QCOMPARE(risultati->txtHTravetto->text(), QStringLiteral("16"));

    // Every result can be reached and read: its name and its figure.
    const QStringList ordine = {
        "cmdModifica",     "cmdBack",    "txtHCappa", "txtHTravetto", "txtSpesST",
        "txtHTotSolaio",   "txtTond1",   "txtTond2",  "txtAcciaio",   "txtPpSolaio",
        "txtCalcestruzzo", "txtHPanPol", "txtFrc1",   "txtFrc2",      "txtK"};
    for (const QString &campo : ordine) {
        Premi(Qt::Key_Tab);
        QCOMPARE(Fuoco(), campo);
        auto *casella = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (casella)
            QCOMPARE(TestoAccessibile(casella, QAccessible::Value), casella->text());
    }

    Premi(Qt::Key_M, Qt::AltModifier);
    frmModifica *dialogo = ModificaCaricata();
    QVERIFY(dialogo);
    QCOMPARE(Fuoco(), QStringLiteral("cmbNewHS"));
    Premi(Qt::Key_Down);
    Premi(Qt::Key_Down);
    QCOMPARE(dialogo->cmbNewHS->currentText(), QStringLiteral("18"));
    Premi(Qt::Key_C, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ModificaCaricata());
    risultati = OutPut2Caricata();
    QVERIFY(risultati);
    QCOMPARE(risultati->txtHTravetto->text(), QStringLiteral("18"));
    QVERIFY(QApplication::focusWidget());
    QVERIFY(risultati->isAncestorOf(QApplication::focusWidget()));

    // A revision given up with Alt+A changes nothing.
    Premi(Qt::Key_M, Qt::AltModifier);
    QVERIFY(ModificaCaricata());
    Premi(Qt::Key_Up);
    Premi(Qt::Key_A, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ModificaCaricata());
    QCOMPARE(risultati->txtHTravetto->text(), QStringLiteral("18"));
    QVERIFY(QApplication::focusWidget());
    QVERIFY(risultati->isAncestorOf(QApplication::focusWidget()));

    // Back to the entries, where the keyboard can go on.
    Premi(Qt::Key_B, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!OutPut2Caricata());
    frmCalFerSol *input = CalFerSolCaricata();
    QVERIFY(input);
    QVERIFY(QApplication::focusWidget());
    QVERIFY(input->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5"));

    // Alt+E closes the input window.
    Premi(Qt::Key_E, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!CalFerSolCaricata());
}

// Alt with a letter or digit that no button takes leaves the box as it was,
// while the menus keep their keys.
void tst_Accessibilita::altSenzaComandoNonScrive()
{
    frmCalFerSol *input = ApriInput();
    for (int i = 0; i < 7; ++i)
        Premi(Qt::Key_Tab);
    Scrivi(QStringLiteral("5"));
    for (int tasto : {Qt::Key_Q, Qt::Key_5, Qt::Key_Period})
        Premi(tasto, Qt::AltModifier);
    Premi(Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5"));
    Scrivi(QStringLiteral("0"));
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("50"));

    Premi(Qt::Key_F, Qt::AltModifier);
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuFile"));
    QTest::keyClick(menu, Qt::Key_Escape);
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("50"));
}

// The toolbar's Pulisci has a key, Ctrl+L, which works where the button
// does and nowhere else.
void tst_Accessibilita::pulisciDaTastiera()
{
    frmOutPut2 *risultati = CalcolaDaTastiera(QStringLiteral("5"), QStringLiteral("200"));
    QVERIFY(risultati);
    Premi(Qt::Key_L, Qt::ControlModifier);
    Premi(Qt::Key_B, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmCalFerSol *input = CalFerSolCaricata();
    QVERIFY(input);
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5"));
    QCOMPARE(input->txtSovracAcc->text(), QStringLiteral("200"));

    input->cmbCF->setFocus();
    Premi(Qt::Key_Down);
    input->cmbSSTravetto->setFocus();
    Premi(Qt::Key_Down);
    QVERIFY(input->cmbCF->currentText() != QStringLiteral("2"));
    QVERIFY(input->cmbSSTravetto->currentText() != QStringLiteral("4"));
    input->txtSovracAcc->setFocus();
    Premi(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("0"));
    QCOMPARE(input->cmbSSTravetto->currentText(), QStringLiteral("4"));
    QCOMPARE(input->cmbCF->currentText(), QStringLiteral("2"));
    QCOMPARE(input->txtSovracAcc->text(), QStringLiteral("0"));
}

void tst_Accessibilita::tastiComeClic_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<bool>("conAlt");
    QTest::newRow("Alt+C") << int(Qt::Key_C) << true;
    QTest::newRow("Enter on the button") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter on the button") << int(Qt::Key_Enter) << false;
}

// The access key and Enter on a focused graphical button press it as a
// click does: a wrong span, typed last, is refused, and once the message is
// answered the caret is back in the box with the wrong text selected, so
// what the user types next replaces it; then the same key calculates.
void tst_Accessibilita::tastiComeClic()
{
    QFETCH(int, tasto);
    QFETCH(bool, conAlt);

    frmCalFerSol *input = ApriInput();
    const auto premiCalcola = [&] {
        if (conAlt) {
            Premi(tasto, Qt::AltModifier);
        } else {
            input->cmdCalcola->setFocus(Qt::TabFocusReason);
            Premi(tasto);
        }
    };
    for (int i = 0; i < 8; ++i)
        Premi(Qt::Key_Tab);
    Scrivi(QStringLiteral("200"));
    Premi(Qt::Key_Tab, Qt::ShiftModifier);
    Scrivi(QStringLiteral("x5"));
    {
        RispostaAvviso risposta;
        premiCalcola();
        QTRY_COMPARE(risposta.visti.size(), 1);
    }
    QVERIFY(!OutPut2Caricata());
    QTRY_COMPARE(Fuoco(), QStringLiteral("txtLuceNettaSolaio"));
    QCOMPARE(input->txtLuceNettaSolaio->selectedText(), QStringLiteral("x5"));
    Scrivi(QStringLiteral("5"));
    QCOMPARE(input->txtLuceNettaSolaio->text(), QStringLiteral("5"));

    premiCalcola();
    QTRY_VERIFY(OutPut2Caricata());
    QCOMPARE(OutPut2Caricata()->txtHTravetto->text(), QStringLiteral("16"));
}

QTEST_MAIN(tst_Accessibilita)
#include "tst_accessibilita.moc"
