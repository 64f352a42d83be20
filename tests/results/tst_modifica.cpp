// The joist height revision dialog: its list and preset, the confirmation
// step by step (sizing, unloading and refilling the result window, closing)
// with the busy pointer, every failure with its message, and the ways out.

#include "Aspetti.h"
#include "FinestreFinte.h"
#include "RispostaAvviso.h"

#include "common/ElementiGrafici.h"
#include "results/NumeroIniziale.h"
#include "results/frmModifica.h"

#include <QComboBox>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

const QColor Blu(0, 0, 128);
const QColor Argento(192, 192, 192);
const QString AltezzaNonValida = QStringLiteral(
    "Immettere un valore valido per la nuova altezza del solaio o annullare l'operazione");

// The engine's writes of the thirteen result fields, in its order.
QStringList Scritture()
{
    QStringList scritture;
    for (const char *casella : {"txtHCappa", "txtHTravetto", "txtSpesST", "txtHTotSolaio",
                                "txtTond1", "txtTond2", "txtAcciaio", "txtPpSolaio",
                                "txtCalcestruzzo", "txtFrc1", "txtFrc2", "txtHPanPol", "txtK"})
        scritture << QStringLiteral("scrive ") + QLatin1String(casella);
    return scritture;
}

QStringList Altezze(int prima, int ultima)
{
    QStringList altezze;
    for (int h = prima; h <= ultima; ++h)
        altezze << QString::number(h);
    return altezze;
}

// The engine's windows, logging every result write among the dialog's signals.
class FinestreRegistrate : public FinestreFinte {
public:
    using FinestreFinte::FinestreFinte;
    void ScriviRisultato(const QString &nome, const QString &testo) override
    {
        eventi << QStringLiteral("scrive ") + nome;
        FinestreFinte::ScriviRisultato(nome, testo);
    }
    QStringList eventi;
};

// What a revision may change in the design record.
QList<double> StatoProgetto()
{
    const RecordProgetto &p = Progetto;
    return {double(p.HSolaio),
            double(p.HTravetto),
            double(p.HTravettoMinimo),
            double(p.DiamTondino1),
            double(p.DiamTondino2),
            p.PesoProprio,
            p.Freccia,
            p.IncidenzaAcciaio,
            double(p.SpessoreST)};
}

bool Clessidra()
{
    const QCursor *puntatore = QApplication::overrideCursor();
    return puntatore && puntatore->shape() == Qt::WaitCursor;
}

// The worked example sized and shown, then the dialog opened over it in a
// workspace, as the main window holds it. Every signal of the dialog and
// every write of the engine goes to one log, in order.
struct Revisione {
    FinestreRegistrate finestre;
    QMdiArea area;
    QPointer<frmModifica> dialogo = new frmModifica;
    QPointer<QMdiSubWindow> cornice = area.addSubWindow(dialogo);
    QStringList &eventi = finestre.eventi;
    QList<bool> clessidraAiSegnali;
    QMap<QString, QString> primiRisultati;

    // Span 5 m, "Intermedio", single span, cover 2, SS 4; with the load of 200
    // the joist is 16 cm.
    explicit Revisione(const QString &carico = QStringLiteral("200"))
        : finestre(QStringLiteral("5"), carico)
    {
        PreparaProgetto();
        Progetto.HTravettoMinimo = Intero(0);
        QString messaggio;
        const bool calcolato = ControllaInput(messaggio) && MostraRisultati(messaggio);
        Q_ASSERT(calcolato);
        primiRisultati = finestre.risultati;
        finestre.risultati.clear();
        eventi.clear();

        cornice->setAttribute(Qt::WA_DeleteOnClose);
        area.resize(800, 600);
        frmModifica *d = dialogo;
        QObject::connect(d, &frmModifica::FinestraCaricata, &area,
                         [this] { eventi << QStringLiteral("caricata"); });
        QObject::connect(d, &frmModifica::ScaricaRisultatiRichiesto, &area, [this] {
            eventi << QStringLiteral("scarica risultati");
            clessidraAiSegnali << Clessidra();
        });
        QObject::connect(d, &frmModifica::MostraRisultatiRichiesto, &area, [this] {
            eventi << QStringLiteral("mostra risultati");
            clessidraAiSegnali << Clessidra();
        });
        QObject::connect(d, &frmModifica::FinestraScaricata, &area, [this](bool confermata) {
            eventi << (confermata ? QStringLiteral("scaricata confermata")
                                  : QStringLiteral("scaricata"));
        });
    }

    void CaricaEMostra()
    {
        dialogo->Form_Load();
        area.show();
        cornice->show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        area.setActiveSubWindow(cornice);
        eventi.clear();
    }

    // The dialog is gone once deferred deletions have run.
    bool Chiuso()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !dialogo && !cornice;
    }

    void Scegli(const QString &altezza)
    {
        if (dialogo->cmbNewHS->findText(altezza) < 0)
            dialogo->cmbNewHS->addItem(altezza);
        dialogo->cmbNewHS->setCurrentText(altezza);
        QCOMPARE(dialogo->cmbNewHS->currentText(), altezza);
    }
};

} // namespace

class tst_Modifica : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void numeroIniziale_data();
    void numeroIniziale();
    void aspetto();
    void lista_data();
    void lista();
    void apertura();
    void conferma_data();
    void conferma();
    void confermaConAltezzaRialzata();
    void altezzaNonValida_data();
    void altezzaNonValida();
    void erroreDiEsecuzione_data();
    void erroreDiEsecuzione();
    void dimensionamentoFallito_data();
    void dimensionamentoFallito();
    void visualizzazioneFallita();
    void annulla_data();
    void annulla();
    void invioEdEscNonFannoNulla();
};

void tst_Modifica::numeroIniziale_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("valore");
    QTest::newRow("intero") << "18" << 18.0;
    QTest::newRow("spazi attorno") << "  18  " << 18.0;
    QTest::newRow("spazi dentro") << "1 8" << 18.0;
    QTest::newRow("tabulazione") << "\t20" << 20.0;
    QTest::newRow("unità dopo") << "18 cm" << 18.0;
    QTest::newRow("negativo") << "-7" << -7.0;
    QTest::newRow("segno più") << "+7" << 7.0;
    QTest::newRow("punto decimale") << "2.5" << 2.5;
    QTest::newRow("senza zero") << ".5" << 0.5;
    QTest::newRow("virgola ferma") << "2,5" << 2.0;
    QTest::newRow("secondo punto") << "1.2.3" << 1.2;
    QTest::newRow("esponente") << "1E3" << 1000.0;
    QTest::newRow("esponente D") << "1d2" << 100.0;
    QTest::newRow("esponente negativo") << "25e-1" << 2.5;
    QTest::newRow("esponente monco") << "5E" << 5.0;
    QTest::newRow("esponente senza cifre") << "5E+x" << 5.0;
    QTest::newRow("vuoto") << "" << 0.0;
    QTest::newRow("solo spazi") << "   " << 0.0;
    QTest::newRow("lettere") << "abc" << 0.0;
    QTest::newRow("lettere prima") << "cm 18" << 0.0;
    QTest::newRow("solo segno") << "-" << 0.0;
    QTest::newRow("solo punto") << "." << 0.0;
    QTest::newRow("due segni") << "+-5" << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
}

void tst_Modifica::numeroIniziale()
{
    QFETCH(QString, testo);
    QFETCH(double, valore);
    QCOMPARE(NumeroIniziale(testo), valore);
    // The decimal sign is "." whatever the locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(NumeroIniziale(testo), valore);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void tst_Modifica::aspetto()
{
    frmModifica dialogo;
    QCOMPARE(dialogo.objectName(), QStringLiteral("frmModifica"));
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Modifica Altezza Travetto"));
    QCOMPARE(dialogo.size(), QSize(374, 149));
    QCOMPARE(dialogo.minimumSize(), dialogo.maximumSize());
    QVERIFY(dialogo.autoFillBackground());
    QCOMPARE(dialogo.palette().color(QPalette::Window), Argento);

    QVERIFY(!dialogo.cmbNewHS->isEditable());
    QLabel *didascalia = nullptr;
    for (QLabel *etichetta : dialogo.findChildren<QLabel *>()) {
        if (etichetta->buddy() == dialogo.cmbNewHS)
            didascalia = etichetta;
    }
    QVERIFY(didascalia);
    QCOMPARE(didascalia->text(), QStringLiteral("Nuova Altezza Travetto"));
    QCOMPARE(ColoreTesto(didascalia), Blu);
    QVERIFY(didascalia->geometry().right() < dialogo.cmbNewHS->x());

    const struct {
        QToolButton *pulsante;
        const char *testo;
    } pulsanti[] = {{dialogo.cmdOk, "&Conferma"}, {dialogo.cmdAnnulla, "&Annulla"}};
    for (const auto &p : pulsanti) {
        QCOMPARE(p.pulsante->text(), QLatin1String(p.testo));
        QVERIFY(!p.pulsante->icon().isNull());
        QCOMPARE(p.pulsante->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(p.pulsante->iconSize(), QSize(32, 32));
    }
    QVERIFY(dialogo.cmdOk->geometry().bottom() < dialogo.cmdAnnulla->y());

    // Three navy frames, 2 pixels wide: the caption row, the picture, the buttons.
    auto *imgVare = dialogo.findChild<ElementoImmagine *>(QStringLiteral("imgVare"));
    QVERIFY(imgVare);
    const QList<QList<QRect>> contenuti = {
        {didascalia->geometry(), dialogo.cmbNewHS->geometry()},
        {imgVare->RiquadroInPixel()},
        {dialogo.cmdOk->geometry(), dialogo.cmdAnnulla->geometry()}};
    for (int i = 0; i < 3; ++i) {
        auto *cornice = dialogo.findChild<ElementoForma *>(QStringLiteral("shpCornice(%1)").arg(i));
        QVERIFY(cornice);
        QCOMPARE(cornice->shape(), ElementoForma::Rettangolo);
        QCOMPARE(cornice->borderColor(), Blu);
        QCOMPARE(cornice->borderWidth(), 2);
        const QRect interno = cornice->RiquadroInPixel().adjusted(2, 2, -2, -2);
        for (const QRect &contenuto : contenuti[i])
            QVERIFY2(interno.contains(contenuto), qPrintable(cornice->objectName()));
        QVERIFY(QRect(QPoint(), dialogo.size()).contains(cornice->RiquadroInPixel()));
    }

    QCOMPARE(Sovrapposizioni(&dialogo), QStringList());
    QCOMPARE(Sporgenze(&dialogo), QStringList());
    if (!CaratteriMetrici())
        QSKIP("Arial, Arial Narrow or their metric twins are not installed");
    QCOMPARE(TestiTagliati(&dialogo), QStringList());
}

void tst_Modifica::lista_data()
{
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("attuale");
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<QString>("scelta");

    const QStringList da16 = Altezze(16, 32);
    QTest::newRow("prima altezza") << 16 << 16 << da16 << "16";
    QTest::newRow("dopo una revisione") << 16 << 21 << da16 << "21";
    QTest::newRow("fino al massimo") << 16 << 32 << da16 << "32";
    QTest::newRow("solo 32") << 32 << 32 << QStringList{"32"} << "32";
    QTest::newRow("da 9") << 9 << 9 << Altezze(9, 32) << "9";
    // A current height the list does not offer presets nothing.
    QTest::newRow("attuale sotto il minimo") << 18 << 16 << da16.mid(2) << "";
    QTest::newRow("attuale oltre 32") << 16 << 33 << da16 << "";
    QTest::newRow("minimo oltre 32") << 33 << 33 << QStringList() << "";
}

void tst_Modifica::lista()
{
    QFETCH(int, minimo);
    QFETCH(int, attuale);
    QFETCH(QStringList, voci);
    QFETCH(QString, scelta);
    Revisione r;
    Progetto.HTravettoMinimo = Intero(minimo);
    Progetto.HTravetto = Intero(attuale);
    QSignalSpy caricata(r.dialogo.data(), &frmModifica::FinestraCaricata);
    r.dialogo->Form_Load();

    QStringList lette;
    for (int i = 0; i < r.dialogo->cmbNewHS->count(); ++i)
        lette << r.dialogo->cmbNewHS->itemText(i);
    QCOMPARE(lette, voci);
    QCOMPARE(r.dialogo->cmbNewHS->currentText(), scelta);
    QCOMPARE(r.dialogo->cmbNewHS->currentIndex() < 0, scelta.isEmpty());
    QCOMPARE(caricata.count(), 1);
    QCOMPARE(Progetto.HTravettoMinimo, Intero(minimo));
}

void tst_Modifica::apertura()
{
    Revisione r;
    QSignalSpy caricata(r.dialogo.data(), &frmModifica::FinestraCaricata);
    r.CaricaEMostra();
    QCOMPARE(caricata.count(), 1);
    QCOMPARE(QApplication::focusWidget(), r.dialogo->cmbNewHS);

    QStringList visitati;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visitati << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visitati, (QStringList{"cmdOk", "cmdAnnulla", "cmbNewHS"}));
}

void tst_Modifica::conferma_data()
{
    QTest::addColumn<QString>("altezza");
    QTest::addColumn<bool>("conTasto");
    QTest::newRow("stessa altezza") << "16" << false;
    QTest::newRow("più alta") << "20" << false;
    QTest::newRow("più alta, Alt+C") << "25" << true;
    QTest::newRow("massima") << "32" << false;
}

void tst_Modifica::conferma()
{
    QFETCH(QString, altezza);
    QFETCH(bool, conTasto);
    Revisione r;
    r.CaricaEMostra();
    r.Scegli(altezza);
    if (conTasto) {
        // An access key presses the button and releases it a moment later.
        QTest::keyClick(r.dialogo->cmbNewHS, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(r.eventi.contains(QStringLiteral("scaricata confermata")));
    } else {
        QTest::mouseClick(r.dialogo->cmdOk, Qt::LeftButton);
    }

    // The result window is unloaded before the engine writes its fields, so
    // the first write loads a fresh one; it is shown once all are written.
    const QStringList attesi = QStringList{"scarica risultati"} + Scritture() +
                               QStringList{"mostra risultati", "scaricata confermata"};
    QCOMPARE(r.eventi, attesi);
    QCOMPARE(r.clessidraAiSegnali, (QList<bool>{true, true}));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(r.Chiuso());

    const int h = altezza.toInt();
    QCOMPARE(Progetto.HTravetto, Intero(h));
    QCOMPARE(Progetto.HSolaio, Intero(h + 4));
    QCOMPARE(r.finestre.risultati.value("txtHTravetto"), altezza);
    QCOMPARE(r.finestre.risultati.value("txtHPanPol"), QString::number(h + 4));
    QCOMPARE(r.finestre.risultati.value("txtHTotSolaio"), QString::number(h + 8));
    // The first sizing's height stays the bottom of the list.
    QCOMPARE(Progetto.HTravettoMinimo, Intero(16));
    if (h == 16)
        QCOMPARE(r.finestre.risultati, r.primiRisultati);
}

// The sizing may settle above the chosen height: the results show where,
// and the next opening presets it.
void tst_Modifica::confermaConAltezzaRialzata()
{
    Revisione r(QStringLiteral("1500"));
    QCOMPARE(Progetto.HTravetto, Intero(21));
    Progetto.HTravettoMinimo = Intero(16);
    r.CaricaEMostra();
    r.Scegli(QStringLiteral("18"));
    QTest::mouseClick(r.dialogo->cmdOk, Qt::LeftButton);
    QVERIFY(r.Chiuso());
    QCOMPARE(Progetto.HTravetto, Intero(21));
    QCOMPARE(r.finestre.risultati, r.primiRisultati);
    QCOMPARE(r.finestre.risultati.value("txtHTravetto"), QStringLiteral("21"));

    frmModifica riaperto;
    riaperto.Form_Load();
    QCOMPARE(riaperto.cmbNewHS->itemText(0), QStringLiteral("16"));
    QCOMPARE(riaperto.cmbNewHS->currentText(), QStringLiteral("21"));
}

void tst_Modifica::altezzaNonValida_data()
{
    QTest::addColumn<QString>("testo");
    QTest::newRow("lista vuota") << "";
    QTest::newRow("lettere") << "abc";
    QTest::newRow("unità prima") << "cm 18";
    QTest::newRow("zero") << "0";
    QTest::newRow("zero con decimali") << " 0.0 ";
}

void tst_Modifica::altezzaNonValida()
{
    QFETCH(QString, testo);
    Revisione r;
    if (testo.isEmpty())
        Progetto.HTravettoMinimo = Intero(33);
    r.CaricaEMostra();
    if (!testo.isEmpty())
        r.Scegli(testo);
    QCOMPARE(r.dialogo->cmbNewHS->currentText(), testo);
    const QList<double> prima = StatoProgetto();

    RispostaAvviso risposta;
    QTest::mouseClick(r.dialogo->cmdOk, Qt::LeftButton);

    QCOMPARE(risposta.visti.size(), 1);
    const RispostaAvviso::Avviso &avviso = risposta.visti.first();
    QCOMPARE(avviso.testo, AltezzaNonValida);
    QCOMPARE(avviso.titolo, QStringLiteral("PredimVelmora"));
    QCOMPARE(avviso.icona, QMessageBox::Warning);
    QCOMPARE(avviso.pulsanti, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!avviso.clessidra);
    QVERIFY(!QApplication::overrideCursor());

    // Nothing else happened: the dialog waits with the user's choice.
    QCOMPARE(r.eventi, QStringList());
    QCOMPARE(StatoProgetto(), prima);
    QVERIFY(!r.Chiuso());
    QVERIFY(r.dialogo->isVisible());
    QCOMPARE(r.dialogo->cmbNewHS->currentText(), testo);
}

void tst_Modifica::erroreDiEsecuzione_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("oltre 16 bit") << "40000"
                                  << "6 - Overflow";
    QTest::newRow("somma con la cappa") << "32767"
                                        << "6 - Overflow";
    QTest::newRow("oltre un double") << "1E400"
                                     << "6 - Overflow";
    // Val reads "12.5", the locale's conversion (decimal comma) does not.
    QTest::newRow("punto sotto la virgola") << "12.5"
                                            << "13 - Tipo non corrispondente";
}

void tst_Modifica::erroreDiEsecuzione()
{
    QFETCH(QString, testo);
    QFETCH(QString, messaggio);
    Revisione r;
    r.CaricaEMostra();
    r.Scegli(testo);
    const QList<double> prima = StatoProgetto();

    RispostaAvviso risposta;
    QTest::mouseClick(r.dialogo->cmdOk, Qt::LeftButton);

    QCOMPARE(risposta.visti.size(), 1);
    QCOMPARE(risposta.visti.first().testo, messaggio);
    QCOMPARE(risposta.visti.first().titolo, QStringLiteral("PredimVelmora"));
    QCOMPARE(risposta.visti.first().icona, QMessageBox::Warning);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(r.eventi, QStringList());
    QCOMPARE(StatoProgetto(), prima);
    QVERIFY(!r.Chiuso());
}

void tst_Modifica::dimensionamentoFallito_data()
{
    QTest::addColumn<QString>("altezza");
    QTest::newRow("dalla prima altezza") << "16";
    QTest::newRow("dalla massima") << "32";
}

// A load no section up to the height limit carries: the sizing's own text,
// and the result window is left alone.
void tst_Modifica::dimensionamentoFallito()
{
    QFETCH(QString, altezza);
    Revisione r;
    Progetto.Sovraccarico = Intero(30000);
    r.CaricaEMostra();
    r.Scegli(altezza);

    RispostaAvviso risposta;
    QTest::mouseClick(r.dialogo->cmdOk, Qt::LeftButton);

    QCOMPARE(risposta.visti.size(), 1);
    QCOMPARE(risposta.visti.first().testo, Messaggi::AltezzaMassimaRaggiunta);
    QCOMPARE(risposta.visti.first().titolo, QStringLiteral("PredimVelmora"));
    QVERIFY(!risposta.visti.first().clessidra);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(r.eventi, QStringList());
    QVERIFY(!r.Chiuso());
    QCOMPARE(r.dialogo->cmbNewHS->currentText(), altezza);
    QCOMPARE(Progetto.HTravettoMinimo, Intero(16));
}

// The result display fails after the result window was unloaded: the
// dialog reports it and stays, and the window is not shown again.
void tst_Modifica::visualizzazioneFallita()
{
    Revisione r;
    r.finestre.testi[QStringLiteral("cmbSSTravetto")] = QStringLiteral("x");
    r.CaricaEMostra();
    r.Scegli(QStringLiteral("20"));

    RispostaAvviso risposta;
    QTest::mouseClick(r.dialogo->cmdOk, Qt::LeftButton);

    QCOMPARE(risposta.visti.size(), 1);
    QCOMPARE(risposta.visti.first().testo, QStringLiteral("13 - Tipo non corrispondente"));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(r.eventi, QStringList{"scarica risultati"});
    QVERIFY(!r.Chiuso());
    // The sizing itself went through.
    QCOMPARE(Progetto.HTravetto, Intero(20));
}

void tst_Modifica::annulla_data()
{
    QTest::addColumn<int>("modo"); // 0 click, 1 Alt+A, 2 the child window's close command
    QTest::newRow("clic") << 0;
    QTest::newRow("Alt+A") << 1;
    QTest::newRow("chiusura") << 2;
}

void tst_Modifica::annulla()
{
    QFETCH(int, modo);
    Revisione r;
    r.CaricaEMostra();
    r.Scegli(QStringLiteral("24"));
    const QList<double> prima = StatoProgetto();
    switch (modo) {
    case 0:
        QTest::mouseClick(r.dialogo->cmdAnnulla, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(r.dialogo->cmbNewHS, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!r.eventi.isEmpty());
        break;
    default:
        r.cornice->close();
    }
    QCOMPARE(r.eventi, QStringList{"scaricata"});
    QVERIFY(r.Chiuso());
    QCOMPARE(StatoProgetto(), prima);
    QVERIFY(r.finestre.risultati.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

void tst_Modifica::invioEdEscNonFannoNulla()
{
    Revisione r;
    r.CaricaEMostra();
    r.Scegli(QStringLiteral("20"));
    const QList<double> prima = StatoProgetto();
    for (QWidget *fuoco :
         {static_cast<QWidget *>(r.dialogo->cmbNewHS), static_cast<QWidget *>(r.dialogo.data())}) {
        fuoco->setFocus();
        for (Qt::Key tasto : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(fuoco, tasto);
    }
    QCOMPARE(r.eventi, QStringList());
    QCOMPARE(StatoProgetto(), prima);
    QVERIFY(!r.Chiuso());
    QCOMPARE(r.dialogo->cmbNewHS->currentText(), QStringLiteral("20"));
}

QTEST_MAIN(tst_Modifica)
#include "tst_modifica.moc"
