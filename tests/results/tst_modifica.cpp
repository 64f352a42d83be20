// The joist height revision dialog: its list and preset, the confirmation
// step by step (sizing, unloading and refilling the result window, closing)
// under the busy pointer, every failure with its message, and the ways out.

#include "AiutiFinestre.h"
#include "Aspetti.h"
#include "FinestreFinte.h"

#include "common/ElementiGrafici.h"
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

QStringList Altezze(int prima, int ultima)
{
    QStringList altezze;
    for (int h = prima; h <= ultima; ++h)
        altezze << QString::number(h);
    return altezze;
}

// What a revision may change in the design record.
QList<double> StatoProgetto()
{
    const RecordProgetto &p = Progetto;
    return {double(p.HSolaio),      double(p.HTravetto), double(p.HTravettoMinimo),
            double(p.DiamTondino1), p.PesoProprio,       p.Freccia};
}

// The engine's windows, logging each result write among the dialog's signals.
class FinestreRegistrate : public FinestreFinte {
public:
    using FinestreFinte::FinestreFinte;
    void ScriviRisultato(const QString &nome, const QString &testo) override
    {
        eventi << QStringLiteral("scrive");
        FinestreFinte::ScriviRisultato(nome, testo);
    }
    QStringList eventi;
};

// A calculation sized and shown (span 5 m, "Intermedio", single span, cover 2,
// SS 4), then the dialog loaded over it in a workspace. The dialog's signals
// go to the log with the engine's writes, marked "*" under the busy pointer.
struct Revisione {
    FinestreRegistrate finestre;
    QMdiArea area;
    QPointer<frmModifica> d = new frmModifica;
    QPointer<QMdiSubWindow> cornice = area.addSubWindow(d);
    QStringList &eventi = finestre.eventi;
    QMap<QString, QString> primiRisultati;
    Intero primaAltezza;

    explicit Revisione(const QString &carico = QStringLiteral("200"), int minimo = 0)
        : finestre(QStringLiteral("5"), carico)
    {
        Progetto = RecordProgetto{};
        PreparaProgetto(Progetto);
        QString messaggio;
        const bool calcolato = ControllaInput(messaggio) && MostraRisultati(messaggio);
        Q_ASSERT(calcolato);
        if (minimo)
            Progetto.HTravettoMinimo = Intero(minimo);
        primiRisultati = finestre.risultati;
        primaAltezza = Progetto.HTravetto;
        finestre.risultati.clear();

        cornice->setAttribute(Qt::WA_DeleteOnClose);
        const auto registra = [this](const char *evento) {
            return [this, evento] {
                eventi << QLatin1String(evento) + (ClessidraVisibile() ? "*" : "");
            };
        };
        QObject::connect(d, &frmModifica::ScaricaRisultatiRichiesto, &area, registra("scarica"));
        QObject::connect(d, &frmModifica::MostraRisultatiRichiesto, &area, registra("mostra"));
        QObject::connect(d, &frmModifica::FinestraScaricata, &area, [this](bool confermata) {
            eventi << (confermata ? QStringLiteral("chiusa confermata") : QStringLiteral("chiusa"));
        });
        d->Form_Load();
        area.show();
        area.activateWindow();
        if (QTest::qWaitForWindowActive(&area))
            area.setActiveSubWindow(cornice);
        eventi.clear();
    }

    void Scegli(const QString &altezza)
    {
        if (d->cmbNewHS->findText(altezza) < 0)
            d->cmbNewHS->addItem(altezza);
        d->cmbNewHS->setCurrentText(altezza);
    }

    // The dialog is gone once deferred deletions have run.
    bool Chiuso()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !d && !cornice;
    }
};

} // namespace

class tst_Modifica : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void aspetto();
    void lista_data();
    void lista();
    void conferma_data();
    void conferma();
    void fallimenti_data();
    void fallimenti();
    void uscite_data();
    void uscite();
};

void tst_Modifica::aspetto()
{
    frmModifica d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Modifica Altezza Travetto"));
    QCOMPARE(d.size(), QSize(374, 149));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(!d.cmbNewHS->isEditable());
    QVERIFY(!d.cmdOk->icon().isNull() && !d.cmdAnnulla->icon().isNull());
    QCOMPARE(d.cmdOk->text(), QStringLiteral("&Conferma"));
    QCOMPARE(d.cmdAnnulla->text(), QStringLiteral("&Annulla"));
    auto *didascalia = d.findChild<QLabel *>();
    QCOMPARE(didascalia->text(), QStringLiteral("Nuova Altezza Travetto"));
    QCOMPARE(didascalia->buddy(), d.cmbNewHS);
    QCOMPARE(ColoreTesto(didascalia), QColor(0, 0, 128));
    QCOMPARE(DifettiImpaginazione(&d), QStringList());

    // Three navy frames, 2 pixels wide, round the caption row, the picture, the buttons.
    const QList<QList<QRect>> contenuti = {
        {didascalia->geometry(), d.cmbNewHS->geometry()},
        {d.findChild<ElementoImmagine *>(QStringLiteral("imgVare"))->RiquadroInPixel()},
        {d.cmdOk->geometry(), d.cmdAnnulla->geometry()}};
    for (int i = 0; i < 3; ++i) {
        auto *cornice = d.findChild<ElementoForma *>(QStringLiteral("shpCornice(%1)").arg(i));
        QCOMPARE(cornice->borderColor(), QColor(0, 0, 128));
        QCOMPARE(cornice->borderWidth(), 2);
        for (const QRect &r : contenuti[i])
            QVERIFY(cornice->RiquadroInPixel().adjusted(2, 2, -2, -2).contains(r));
    }
}

void tst_Modifica::lista_data()
{
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("attuale");
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<QString>("scelta");
    QTest::newRow("prima altezza") << 16 << 16 << Altezze(16, 32) << "16";
    QTest::newRow("dopo una revisione") << 16 << 21 << Altezze(16, 32) << "21";
    QTest::newRow("solo 32") << 32 << 32 << QStringList{"32"} << "32";
    // A current height the list does not offer presets nothing.
    QTest::newRow("attuale sotto il minimo") << 18 << 16 << Altezze(18, 32) << "";
    QTest::newRow("minimo oltre 32") << 33 << 33 << QStringList() << "";
}

void tst_Modifica::lista()
{
    QFETCH(int, minimo);
    QFETCH(int, attuale);
    QFETCH(QStringList, voci);
    QFETCH(QString, scelta);
    Progetto.HTravettoMinimo = Intero(minimo);
    Progetto.HTravetto = Intero(attuale);
    frmModifica d;
    QSignalSpy caricata(&d, &frmModifica::FinestraCaricata);
    d.Form_Load();
    QStringList lette;
    for (int i = 0; i < d.cmbNewHS->count(); ++i)
        lette << d.cmbNewHS->itemText(i);
    QCOMPARE(lette, voci);
    QCOMPARE(d.cmbNewHS->currentText(), scelta);
    QCOMPARE(caricata.count(), 1);
}

void tst_Modifica::conferma_data()
{
    QTest::addColumn<QString>("carico");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<QString>("scelta");
    QTest::addColumn<bool>("conTasto");
    QTest::addColumn<int>("attesa");
    QTest::addColumn<QString>("tondini");
    QTest::newRow("stessa altezza") << "200" << 0 << "16" << false << 16 << "12 10";
    QTest::newRow("più alta, Alt+C") << "200" << 0 << "25" << true << 25 << "10 10";
    // At 28 and 32 cm the minimum steel area, not the moment, sets the bars.
    QTest::newRow("area minima a 28") << "200" << 0 << "28" << false << 28 << "10 10";
    QTest::newRow("massima") << "200" << 0 << "32" << false << 32 << "10 10";
    // The sizing settles above a height that does not carry the load.
    QTest::newRow("rialzata") << "1500" << 16 << "18" << false << 21 << "20 20";
}

void tst_Modifica::conferma()
{
    QFETCH(QString, carico);
    QFETCH(int, minimo);
    QFETCH(QString, scelta);
    QFETCH(bool, conTasto);
    QFETCH(int, attesa);
    QFETCH(QString, tondini);
    Revisione r(carico, minimo);
    QCOMPARE(QApplication::focusWidget(), r.d->cmbNewHS);
    const Intero minimoIniziale = Progetto.HTravettoMinimo;
    r.Scegli(scelta);
    if (conTasto) {
        QTest::keyClick(r.d->cmbNewHS, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(r.eventi.contains(QStringLiteral("chiusa confermata")));
    } else {
        QTest::mouseClick(r.d->cmdOk, Qt::LeftButton);
    }
    // The result window is unloaded before the engine writes into it, so the
    // first write loads a fresh one; it is shown once all are written.
    const QStringList attesi = QStringList{"scarica*"} + QStringList(13, "scrive") +
                               QStringList{"mostra*", "chiusa confermata"};
    QCOMPARE(r.eventi, attesi);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(r.Chiuso());
    QCOMPARE(Progetto.HTravetto, Intero(attesa));
    QCOMPARE(r.finestre.risultati.value("txtHTravetto"), QString::number(attesa));
    QCOMPARE(r.finestre.risultati.value("txtTond1") + ' ' + r.finestre.risultati.value("txtTond2"),
             tondini);
    QCOMPARE(Progetto.HTravettoMinimo, minimoIniziale);
    if (Intero(attesa) == r.primaAltezza)
        QCOMPARE(r.finestre.risultati, r.primiRisultati);

    frmModifica riaperto; // presets the height found
    riaperto.Form_Load();
    QCOMPARE(riaperto.cmbNewHS->currentText(), QString::number(attesa));
}

void tst_Modifica::fallimenti_data()
{
    QTest::addColumn<QString>("scelta"); // "" : the list is empty
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QStringList>("eventi");
    const QString nonValida = QStringLiteral(
        "Immettere un valore valido per la nuova altezza del solaio o annullare l'operazione");
    QTest::newRow("lista vuota") << "" << nonValida << QStringList();
    QTest::newRow("senza numero") << "cm 18" << nonValida << QStringList();
    QTest::newRow("zero") << " 0.0" << nonValida << QStringList();
    QTest::newRow("oltre 16 bit") << "40000"
                                  << "6 - Overflow" << QStringList();
    QTest::newRow("somma con la cappa") << "32767"
                                        << "6 - Overflow" << QStringList();
    QTest::newRow("punto sotto la virgola") << "12.5"
                                            << "13 - Tipo non corrispondente" << QStringList();
    QTest::newRow("dimensionamento")
        << "carico" << Messaggi::AltezzaMassimaRaggiunta << QStringList();
    // The result display fails after the result window was unloaded.
    QTest::newRow("visualizzazione") << "spessore"
                                     << "13 - Tipo non corrispondente" << QStringList{"scarica*"};
}

void tst_Modifica::fallimenti()
{
    QFETCH(QString, scelta);
    QFETCH(QString, messaggio);
    QFETCH(QStringList, eventi);
    Revisione r(QStringLiteral("200"), scelta.isEmpty() ? 33 : 0);
    if (scelta == "carico")
        Progetto.Sovraccarico = Intero(30000);
    if (scelta == "spessore")
        r.finestre.testi[QStringLiteral("cmbSSTravetto")] = QStringLiteral("x");
    if (!scelta.isEmpty())
        r.Scegli(scelta == "carico" || scelta == "spessore" ? QStringLiteral("20") : scelta);
    const QString sceltaPrima = r.d->cmbNewHS->currentText();
    const QList<double> prima = StatoProgetto();

    RispostaAvviso risposta;
    QTest::mouseClick(r.d->cmdOk, Qt::LeftButton);

    QCOMPARE(risposta.visti.size(), 1);
    const RispostaAvviso::Avviso &avviso = risposta.visti.first();
    QCOMPARE(avviso.testo, messaggio);
    QCOMPARE(avviso.titolo, QStringLiteral("PredimVelmora"));
    QCOMPARE(avviso.icona, QMessageBox::Warning);
    QCOMPARE(avviso.pulsanti, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!avviso.clessidra);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(r.eventi, eventi);
    QVERIFY(!r.Chiuso());
    QCOMPARE(r.d->cmbNewHS->currentText(), sceltaPrima);
    if (eventi.isEmpty() && scelta != "carico")
        QCOMPARE(StatoProgetto(), prima);
}

void tst_Modifica::uscite_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("Annulla") << 0;
    QTest::newRow("Alt+A") << 1;
    QTest::newRow("chiusura della finestra") << 2;
    QTest::newRow("Invio ed Esc non fanno nulla") << 3;
}

void tst_Modifica::uscite()
{
    QFETCH(int, modo);
    Revisione r;
    r.Scegli(QStringLiteral("24"));
    const QList<double> prima = StatoProgetto();
    QStringList visitati; // tab order from the list
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visitati << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visitati, QStringList({"cmdOk", "cmdAnnulla", "cmbNewHS"}));

    if (modo == 0)
        QTest::mouseClick(r.d->cmdAnnulla, Qt::LeftButton);
    if (modo == 1) {
        QTest::keyClick(r.d->cmbNewHS, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!r.eventi.isEmpty());
    }
    if (modo == 2)
        r.cornice->close();
    if (modo == 3) {
        for (QWidget *fuoco :
             {static_cast<QWidget *>(r.d->cmbNewHS), static_cast<QWidget *>(r.d)}) {
            fuoco->setFocus();
            for (Qt::Key tasto : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(fuoco, tasto);
        }
    }
    QCOMPARE(r.eventi, modo == 3 ? QStringList() : QStringList{"chiusa"});
    QCOMPARE(r.Chiuso(), modo != 3);
    QCOMPARE(StatoProgetto(), prima);
    QVERIFY(r.finestre.risultati.isEmpty());
}

QTEST_MAIN(tst_Modifica)
#include "tst_modifica.moc"
