// The result window: fields, captions and units, the fixed drawing and brand
// block, the commands with their access keys, tab order, load and unload, and
// a layout where nothing overlaps or is cut off.

#include "AiutiFinestre.h"
#include "Aspetti.h"
#include "EsempiSvolti.h"

#include "common/ElementiGrafici.h"
#include "results/frmOutPut2.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

const QColor Blu(0, 0, 128);

const QStringList Caselle = {
    "txtHCappa", "txtHTravetto", "txtSpesST",   "txtHTotSolaio",   "txtTond1",
    "txtTond2",  "txtAcciaio",   "txtPpSolaio", "txtCalcestruzzo", "txtHPanPol",
    "txtFrc1",   "txtFrc2",      "txtK"};

// The window in a child window of a workspace, loaded and active.
struct Ospite {
    QMdiArea area;
    QPointer<frmOutPut2> f = new frmOutPut2;
    QPointer<QMdiSubWindow> cornice = area.addSubWindow(f);

    Ospite()
    {
        cornice->setAttribute(Qt::WA_DeleteOnClose);
        area.resize(900, 700);
        cornice->move(120, 80);
        f->Form_Load();
        area.show();
        area.activateWindow();
        if (QTest::qWaitForWindowActive(&area))
            area.setActiveSubWindow(cornice);
    }
};

// The texts of the labels whose buddy is the field, and of the label right after it.
QStringList Didascalie(const QWidget *finestra, const QWidget *casella)
{
    QStringList testi;
    for (QLabel *l : finestra->findChildren<QLabel *>()) {
        if (l->buddy() == casella)
            testi << l->text();
    }
    return testi;
}

QString Unita(const QWidget *finestra, const QWidget *casella)
{
    const QRect c = casella->geometry();
    for (QLabel *l : finestra->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = l->geometry();
        if (r.center().y() >= c.top() && r.center().y() <= c.bottom() && r.left() > c.right() &&
            r.left() - c.right() < 12)
            return l->text();
    }
    return {};
}

} // namespace

class tst_Risultati : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void caselle_data();
    void caselle();
    void partiFisse();
    void scriviCasella();
    void caricamentoEOrdine();
    void comandi_data();
    void comandi();
    void chiusura();
};

void tst_Risultati::caselle_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("didascalie");
    QTest::addColumn<int>("righe");
    QTest::addColumn<QString>("unita");
    const auto riga = [](const char *nome, QStringList didascalie, int righe, const char *unita) {
        QTest::newRow(nome) << nome << didascalie << righe << QString::fromUtf8(unita);
    };
    riga("txtHCappa", {"Altezza Cappa (HC)"}, 1, "cm");
    riga("txtHTravetto", {"Altezza Travetto (HT)"}, 1, "cm");
    riga("txtSpesST", {"Spessore Sotto Travetto (SS)"}, 1, "cm");
    riga("txtHTotSolaio", {"Altezza Totale Solaio (HS)"}, 1, "cm");
    riga("txtTond1", {"Acciaio", QString::fromUtf8("ø'")}, 1, "ø''");
    riga("txtTond2", {QString::fromUtf8("ø''")}, 1, "mm");
    riga("txtAcciaio", {"Incidenza Acciaio a meno della rete elettrosaldata prevista da normativa"},
         3, "daN/mq");
    riga("txtPpSolaio", {"Peso Proprio Solaio"}, 1, "daN/mq");
    riga("txtCalcestruzzo", {"Calcestruzzo"}, 1, "mc/mq");
    riga("txtHPanPol", {"Alt.za Pannello (FeltraNova)"}, 1, "cm");
    riga("txtFrc1", {"Freccia Elastica a Sezione Interamente Reagente"}, 2, "cm");
    riga("txtFrc2", {"Luce/Freccia"}, 1, "");
    riga("txtK", {"Trasmittanza termica K"}, 1, "W / (mq x °C) ");
}

void tst_Risultati::caselle()
{
    QFETCH(QString, nome);
    QFETCH(QStringList, didascalie);
    QFETCH(int, righe);
    QFETCH(QString, unita);
    frmOutPut2 finestra;
    auto *casella = finestra.findChild<QLineEdit *>(nome);
    QVERIFY(casella);
    QVERIFY(casella->isReadOnly());
    QCOMPARE(casella->text(), QStringLiteral("0"));
    QCOMPARE(casella->palette().color(QPalette::Base), QColor(255, 224, 192));
    QCOMPARE(Didascalie(&finestra, casella), didascalie);
    QCOMPARE(Unita(&finestra, casella), unita);
    for (QLabel *l : finestra.findChildren<QLabel *>()) {
        if (l->buddy() != casella && l->text() != unita)
            continue;
        QCOMPARE(ColoreTesto(l), Blu);
        if (l->buddy() == casella && l->wordWrap() && CaratteriMetrici())
            QCOMPARE(AltezzaTesto(l) / QFontMetrics(l->font()).lineSpacing(), righe);
    }
}

void tst_Risultati::partiFisse()
{
    frmOutPut2 f;
    QCOMPARE(f.objectName(), QStringLiteral("frmOutPut2"));
    QCOMPARE(f.windowTitle(), QStringLiteral("OutPut"));
    QCOMPARE(f.size(), QSize(774, 475));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QCOMPARE(qobject_cast<ElementoImmagine *>(f.Elementi().first())->twips(),
             QRect(0, 0, 11610, 7125));
    QCOMPARE(DifettiImpaginazione(&f), QStringList());

    // The drawing, at the lower left, with its labels and dimension lines.
    QCOMPARE(f.fraImage->frameShape(), QFrame::NoFrame);
    QVERIFY(f.fraImage->findChild<ElementoImmagine *>(QStringLiteral("imgDettSolaio")));
    QVERIFY(f.fraImage->y() > f.txtAcciaio->geometry().bottom());
    QStringList testi;
    for (QLabel *l : f.fraImage->findChildren<QLabel *>()) {
        testi << l->text();
        QCOMPARE(ColoreTesto(l), Blu);
    }
    testi.sort();
    QCOMPARE(testi, (QStringList{"Armatura Acc. ø' - ø''", "CF", "HC", "HS", "HT",
                                 "Pannello in Polistirene Espanso", "SS", "Solaio C.A."}));
    for (ElementoLinea *linea : f.fraImage->findChildren<ElementoLinea *>())
        QCOMPARE(linea->color(), Blu);

    // Brand, picture and distributor between the drawing and the buttons.
    auto *marchio = f.findChild<QLabel *>(QStringLiteral("lblMarchio"));
    QCOMPARE(marchio->text(), QStringLiteral("QUARANEL"));
    QCOMPARE(ColoreTesto(marchio), QColor(255, 0, 0));
    auto *distributore = f.findChild<QLabel *>(QStringLiteral("lblDistributore"));
    for (const char *voce : {"S.r.l.", "Sede legale", "Tel.", "Fax", "P.IVA", ".example"})
        QVERIFY2(distributore->text().contains(QLatin1String(voce)), voce);
    auto *imgVare = f.findChild<ElementoImmagine *>(QStringLiteral("imgVare"));
    for (const QRect &r :
         {marchio->geometry(), distributore->geometry(), imgVare->RiquadroInPixel()})
        QVERIFY(r.left() > f.fraImage->geometry().right() && r.right() < f.cmdStampa->x());
}

void tst_Risultati::scriviCasella()
{
    frmOutPut2 f;
    const QStringList esempio = QString(EsempioDiCalcolo::Risultati).split(u' ');
    for (qsizetype i = 0; i < CaselleRisultato.size(); ++i)
        QVERIFY(f.ScriviCasella(CaselleRisultato[i], esempio[i]));
    QCOMPARE(TestiRisultato(&f), esempio);
    for (const char *estraneo : {"txtLuceNettaSolaio", "cmdStampa", ""})
        QVERIFY2(!f.ScriviCasella(QLatin1String(estraneo), QStringLiteral("1")), estraneo);
}

void tst_Risultati::caricamentoEOrdine()
{
    QMdiArea area;
    auto *f = new frmOutPut2;
    QMdiSubWindow *cornice = area.addSubWindow(f);
    cornice->move(120, 80);
    QPoint posizione(-1, -1);
    connect(f, &frmOutPut2::FinestraCaricata, &area, [&] { posizione = cornice->pos(); });
    f->Form_Load();
    QCOMPARE(posizione, QPoint(0, 0)); // already in its place when the load is announced

    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    QStringList visitati;
    for (int i = 0; i <= 16; ++i) {
        visitati << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visitati, QStringList({"cmdStampa", "cmdModifica", "cmdBack"}) + Caselle +
                           QStringList{"cmdStampa"});
}

void tst_Risultati::comandi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<Qt::Key>("tasto");
    QTest::addColumn<int>("segnale"); // StampaRichiesta, ModificaRichiesta, BackRichiesto
    QTest::newRow("Stampa") << "cmdStampa"
                            << "Stam&pa" << Qt::Key_P << 0;
    QTest::newRow("Modifica") << "cmdModifica"
                              << "&Modifica" << Qt::Key_M << 1;
    QTest::newRow("Back") << "cmdBack"
                          << "&Back" << Qt::Key_B << 2;
}

void tst_Risultati::comandi()
{
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    QFETCH(Qt::Key, tasto);
    QFETCH(int, segnale);
    Ospite o;
    auto *pulsante = o.f->findChild<QToolButton *>(nome);
    QCOMPARE(pulsante->text(), testo);
    QVERIFY(!pulsante->icon().isNull());
    QCOMPARE(pulsante->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(pulsante->iconSize(), QSize(32, 32));
    QCOMPARE(pulsante->font().family(), QStringLiteral("Arial Narrow"));
    // Drawn narrow, whether the system has the face or not.
    QFont largo = pulsante->font();
    largo.setFamily(QStringLiteral("Arial"));
    QVERIFY(QFontMetricsF(pulsante->font()).horizontalAdvance(pulsante->text()) <
            0.9 * QFontMetricsF(largo).horizontalAdvance(pulsante->text()));

    QSignalSpy stampa(o.f.data(), &frmOutPut2::StampaRichiesta);
    QSignalSpy modifica(o.f.data(), &frmOutPut2::ModificaRichiesta);
    QSignalSpy back(o.f.data(), &frmOutPut2::BackRichiesto);
    const auto conteggi = [&] {
        return QList<int>{int(stampa.count()), int(modifica.count()), int(back.count())};
    };
    QList<int> attesi = {0, 0, 0};
    QTest::mouseClick(pulsante, Qt::LeftButton);
    attesi[segnale] = 1;
    QCOMPARE(conteggi(), attesi);
    // The access key works from anywhere in the window; the button is
    // released a moment after the key.
    o.f->txtK->setFocus();
    QTest::keyClick(o.f->txtK, tasto, Qt::AltModifier);
    attesi[segnale] = 2;
    QTRY_COMPARE(conteggi(), attesi);
    // A click on the drawing does nothing.
    QTest::mouseClick(o.f->fraImage, Qt::LeftButton, {}, QPoint(250, 100));
    QCOMPARE(conteggi(), attesi);
    QVERIFY(o.f);
}

void tst_Risultati::chiusura()
{
    Ospite o;
    QSignalSpy scaricata(o.f.data(), &frmOutPut2::FinestraScaricata);
    o.cornice->close();
    QCOMPARE(scaricata.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!o.f);
}

QTEST_MAIN(tst_Risultati)
#include "tst_risultati.moc"
