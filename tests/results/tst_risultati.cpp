// The result window: its fields, captions and units, the section drawing, the
// brand block, the commands with their access keys, the tab order, the load
// and unload, and a layout where nothing overlaps or is cut off.

#include "Aspetti.h"

#include "common/AreaDisegno.h"
#include "common/ElementiGrafici.h"
#include "results/frmOutPut2.h"

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
const QColor Pesca(255, 224, 192);
const QColor Rosso(255, 0, 0);

const QStringList Caselle = {QStringLiteral("txtHCappa"),
                             QStringLiteral("txtHTravetto"),
                             QStringLiteral("txtSpesST"),
                             QStringLiteral("txtHTotSolaio"),
                             QStringLiteral("txtTond1"),
                             QStringLiteral("txtTond2"),
                             QStringLiteral("txtAcciaio"),
                             QStringLiteral("txtPpSolaio"),
                             QStringLiteral("txtCalcestruzzo"),
                             QStringLiteral("txtHPanPol"),
                             QStringLiteral("txtFrc1"),
                             QStringLiteral("txtFrc2"),
                             QStringLiteral("txtK")};

// The window in a child window of a workspace, as the main window holds it.
struct Ospite {
    QMdiArea area;
    QPointer<frmOutPut2> finestra = new frmOutPut2;
    QPointer<QMdiSubWindow> cornice = area.addSubWindow(finestra);

    Ospite()
    {
        cornice->setAttribute(Qt::WA_DeleteOnClose);
        area.resize(900, 700);
    }

    void CaricaEMostra()
    {
        finestra->Form_Load();
        area.show();
        cornice->show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        area.setActiveSubWindow(cornice);
    }

    template <typename T> T *Figlio(const QString &nome) const
    {
        return finestra->findChild<T *>(nome);
    }
};

// The labels whose buddy is the given field.
QStringList Didascalie(const QWidget *finestra, const QWidget *casella)
{
    QStringList testi;
    for (QLabel *etichetta : finestra->findChildren<QLabel *>()) {
        if (etichetta->buddy() == casella)
            testi << etichetta->text();
    }
    return testi;
}

// The label right after a field on its row, if any: its unit.
QLabel *Unita(const QWidget *finestra, const QWidget *casella)
{
    QLabel *vicina = nullptr;
    const QRect campo = casella->geometry();
    for (QLabel *etichetta : finestra->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = etichetta->geometry();
        const bool stessaRiga = r.center().y() >= campo.top() && r.center().y() <= campo.bottom();
        const bool aDestra = r.left() >= campo.right() && r.left() - campo.right() < 20;
        if (stessaRiga && aDestra && (!vicina || r.left() < vicina->x()))
            vicina = etichetta;
    }
    return vicina;
}

int Righe(const QLabel *etichetta)
{
    return AltezzaTesto(etichetta) / QFontMetrics(etichetta->font()).lineSpacing();
}

} // namespace

class tst_Risultati : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void finestra();
    void caselle_data();
    void caselle();
    void didascalieEUnita_data();
    void didascalieEUnita();
    void rigaAcciaio();
    void disegnoSezione();
    void marchioEDistributore();
    void pulsanti_data();
    void pulsanti();
    void impaginazione();
    void scriviCasella();
    void caricamento();
    void ordineTabulazione();
    void comandi_data();
    void comandi();
    void clicSulDisegno();
    void chiusura();
};

void tst_Risultati::finestra()
{
    frmOutPut2 finestra;
    QCOMPARE(finestra.objectName(), QStringLiteral("frmOutPut2"));
    QCOMPARE(finestra.windowTitle(), QStringLiteral("OutPut"));
    QCOMPARE(finestra.size(), QSize(774, 475));
    QCOMPARE(finestra.minimumSize(), finestra.maximumSize());
    QVERIFY(!finestra.windowIcon().isNull());
    // The background covers the whole client area, beneath everything else.
    const QList<ElementoGrafico *> elementi = finestra.Elementi();
    QVERIFY(!elementi.isEmpty());
    auto *sfondo = qobject_cast<ElementoImmagine *>(elementi.first());
    QVERIFY(sfondo);
    QCOMPARE(sfondo->twips(), QRect(0, 0, 11610, 7125));
    QVERIFY(sfondo->picture().endsWith(QLatin1String(".svg")));
}

void tst_Risultati::caselle_data()
{
    QTest::addColumn<QString>("nome");
    for (const QString &nome : Caselle)
        QTest::newRow(qPrintable(nome)) << nome;
}

void tst_Risultati::caselle()
{
    QFETCH(QString, nome);
    frmOutPut2 finestra;
    auto *casella = finestra.findChild<QLineEdit *>(nome);
    QVERIFY(casella);
    QVERIFY(casella->isReadOnly());
    QCOMPARE(casella->text(), QStringLiteral("0"));
    QCOMPARE(casella->palette().color(QPalette::Base), Pesca);
    QCOMPARE(casella->focusPolicy(), Qt::StrongFocus);
    QVERIFY(casella->property("twips").toRect().isValid());
    // Typing changes nothing.
    casella->setFocus();
    QTest::keyClicks(casella, QStringLiteral("99"));
    QCOMPARE(casella->text(), QStringLiteral("0"));
}

void tst_Risultati::didascalieEUnita_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<int>("righe");
    QTest::addColumn<QString>("unita");

    QTest::newRow("HCappa") << "txtHCappa"
                            << "Altezza Cappa (HC)" << 1 << "cm";
    QTest::newRow("HTravetto") << "txtHTravetto"
                               << "Altezza Travetto (HT)" << 1 << "cm";
    QTest::newRow("SpesST") << "txtSpesST"
                            << "Spessore Sotto Travetto (SS)" << 1 << "cm";
    QTest::newRow("HTotSolaio") << "txtHTotSolaio"
                                << "Altezza Totale Solaio (HS)" << 1 << "cm";
    QTest::newRow("Acciaio")
        << "txtAcciaio"
        << "Incidenza Acciaio a meno della rete elettrosaldata prevista da normativa" << 3
        << "daN/mq";
    QTest::newRow("PpSolaio") << "txtPpSolaio"
                              << "Peso Proprio Solaio" << 1 << "daN/mq";
    QTest::newRow("Calcestruzzo") << "txtCalcestruzzo"
                                  << "Calcestruzzo" << 1 << "mc/mq";
    QTest::newRow("HPanPol") << "txtHPanPol"
                             << "Alt.za Pannello (FeltraNova)" << 1 << "cm";
    QTest::newRow("Frc1") << "txtFrc1"
                          << "Freccia Elastica a Sezione Interamente Reagente" << 2 << "cm";
    QTest::newRow("Frc2") << "txtFrc2"
                          << "Luce/Freccia" << 1 << QString();
    QTest::newRow("K") << "txtK"
                       << "Trasmittanza termica K" << 1 << QString::fromUtf8("W / (mq x °C) ");
}

void tst_Risultati::didascalieEUnita()
{
    QFETCH(QString, nome);
    QFETCH(QString, didascalia);
    QFETCH(int, righe);
    QFETCH(QString, unita);
    frmOutPut2 finestra;
    auto *casella = finestra.findChild<QLineEdit *>(nome);
    QVERIFY(casella);

    QCOMPARE(Didascalie(&finestra, casella), QStringList{didascalia});
    for (QLabel *l : finestra.findChildren<QLabel *>()) {
        if (l->buddy() != casella)
            continue;
        QCOMPARE(ColoreTesto(l), Blu);
        // Left of its field, on the same row.
        QVERIFY(l->geometry().right() < casella->x());
        QVERIFY(l->geometry().center().y() >= casella->y());
        QVERIFY(l->geometry().center().y() <= casella->geometry().bottom());
        if (CaratteriMetrici())
            QCOMPARE(Righe(l), righe);
    }

    QLabel *etichettaUnita = Unita(&finestra, casella);
    if (unita.isNull()) {
        QVERIFY2(!etichettaUnita, qPrintable(etichettaUnita ? etichettaUnita->text() : QString()));
        return;
    }
    QVERIFY(etichettaUnita);
    QCOMPARE(etichettaUnita->text(), unita);
    QCOMPARE(ColoreTesto(etichettaUnita), Blu);
}

void tst_Risultati::rigaAcciaio()
{
    frmOutPut2 finestra;
    QLineEdit *primo = finestra.txtTond1;
    QLineEdit *secondo = finestra.txtTond2;
    QCOMPARE(Didascalie(&finestra, primo),
             (QStringList{QStringLiteral("Acciaio"), QString::fromUtf8("ø'")}));
    QCOMPARE(Didascalie(&finestra, secondo), QStringList{QString::fromUtf8("ø''")});
    // Side by side on one row, narrower than the other fields, "mm" after the second.
    QCOMPARE(primo->y(), secondo->y());
    QVERIFY(primo->geometry().right() < secondo->x());
    QVERIFY(primo->width() < finestra.txtHCappa->width());
    QCOMPARE(Unita(&finestra, primo)->text(), QString::fromUtf8("ø''"));
    QCOMPARE(Unita(&finestra, secondo)->text(), QStringLiteral("mm"));
    // Right-hand edges line up with the column's other fields.
    QCOMPARE(secondo->geometry().right(), finestra.txtHCappa->geometry().right());
    QCOMPARE(primo->accessibleName(), QString::fromUtf8("Acciaio ø'"));
    QCOMPARE(secondo->accessibleName(), QString::fromUtf8("Acciaio ø''"));
}

void tst_Risultati::disegnoSezione()
{
    frmOutPut2 finestra;
    auto *fraImage = finestra.findChild<AreaDisegno *>(QStringLiteral("fraImage"));
    QVERIFY(fraImage);
    QCOMPARE(fraImage->frameShape(), QFrame::NoFrame);
    // Lower left: below the results, left of the brand block.
    QVERIFY(fraImage->y() > finestra.txtAcciaio->geometry().bottom());
    QVERIFY(fraImage->geometry().right() < finestra.width() / 2 + 100);

    auto *imgDettSolaio = fraImage->findChild<ElementoImmagine *>(QStringLiteral("imgDettSolaio"));
    QVERIFY(imgDettSolaio);
    QVERIFY(QRect(QPoint(), fraImage->size()).contains(imgDettSolaio->RiquadroInPixel()));

    QStringList testi;
    for (QLabel *etichetta : fraImage->findChildren<QLabel *>()) {
        testi << etichetta->text();
        QCOMPARE(ColoreTesto(etichetta), Blu);
    }
    testi.sort();
    QStringList attesi = {QStringLiteral("HC"),
                          QStringLiteral("HT"),
                          QStringLiteral("CF"),
                          QStringLiteral("SS"),
                          QStringLiteral("HS"),
                          QStringLiteral("Solaio C.A."),
                          QStringLiteral("Pannello in Polistirene Espanso"),
                          QString::fromUtf8("Armatura Acc. ø' - ø''")};
    attesi.sort();
    QCOMPARE(testi, attesi);

    const QList<ElementoLinea *> quote = fraImage->findChildren<ElementoLinea *>();
    QVERIFY(!quote.isEmpty());
    for (ElementoLinea *linea : quote)
        QCOMPARE(linea->color(), Blu);
}

void tst_Risultati::marchioEDistributore()
{
    frmOutPut2 finestra;
    auto *marchio = finestra.findChild<QLabel *>(QStringLiteral("lblMarchio"));
    QVERIFY(marchio);
    QCOMPARE(marchio->text(), QStringLiteral("QUARANEL"));
    QCOMPARE(ColoreTesto(marchio), Rosso);
    auto *imgVare = finestra.findChild<ElementoImmagine *>(QStringLiteral("imgVare"));
    QVERIFY(imgVare);
    auto *distributore = finestra.findChild<QLabel *>(QStringLiteral("lblDistributore"));
    QVERIFY(distributore);
    const QString contatti = distributore->text();
    for (const char *voce :
         {"S.r.l.", "Sede legale", "Sede comm.", "Tel.", "Fax", "P.IVA", "e-mail"})
        QVERIFY2(contatti.contains(QLatin1String(voce)), voce);
    QVERIFY(contatti.contains(QLatin1String(".example")));

    // Lower right, left of the buttons, clear of the drawing.
    const QRect pulsanti = finestra.cmdStampa->geometry();
    for (const QRect &r :
         {marchio->geometry(), imgVare->RiquadroInPixel(), distributore->geometry()}) {
        QVERIFY(r.right() < pulsanti.left());
        QVERIFY(r.left() > finestra.fraImage->geometry().right());
        QVERIFY(r.top() > finestra.txtK->geometry().bottom());
    }
}

void tst_Risultati::pulsanti_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::newRow("Stampa") << "cmdStampa"
                            << "Stam&pa";
    QTest::newRow("Modifica") << "cmdModifica"
                              << "&Modifica";
    QTest::newRow("Back") << "cmdBack"
                          << "&Back";
}

void tst_Risultati::pulsanti()
{
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    frmOutPut2 finestra;
    auto *pulsante = finestra.findChild<QToolButton *>(nome);
    QVERIFY(pulsante);
    QCOMPARE(pulsante->text(), testo);
    QVERIFY(!pulsante->icon().isNull());
    QCOMPARE(pulsante->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(pulsante->iconSize(), QSize(32, 32));
    QCOMPARE(pulsante->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(pulsante->font().family(), QStringLiteral("Arial Narrow"));
    QCOMPARE(pulsante->font().pointSizeF(), 11.25);
    QVERIFY(pulsante->font().bold());
    // At the right edge, one above the other in the order of the table.
    QVERIFY(finestra.width() - pulsante->geometry().right() < 20);
    QVERIFY(finestra.cmdStampa->geometry().bottom() < finestra.cmdModifica->y());
    QVERIFY(finestra.cmdModifica->geometry().bottom() < finestra.cmdBack->y());
}

void tst_Risultati::impaginazione()
{
    frmOutPut2 finestra;
    QCOMPARE(Sovrapposizioni(&finestra), QStringList());
    QCOMPARE(Sporgenze(&finestra), QStringList());
    if (!CaratteriMetrici())
        QSKIP("Arial, Arial Narrow or their metric twins are not installed");
    QCOMPARE(TestiTagliati(&finestra), QStringList());
}

void tst_Risultati::scriviCasella()
{
    frmOutPut2 finestra;
    const QStringList esempio =
        QStringLiteral("4 16 4 24 12 10 2,51 191 0,0725 20 0,42 1194,34 0,327").split(u' ');
    for (qsizetype i = 0; i < Caselle.size(); ++i)
        QVERIFY(finestra.ScriviCasella(Caselle[i], esempio[i]));
    for (qsizetype i = 0; i < Caselle.size(); ++i)
        QCOMPARE(finestra.findChild<QLineEdit *>(Caselle[i])->text(), esempio[i]);
    QVERIFY(finestra.ScriviCasella(QStringLiteral("txtK"), QStringLiteral("-")));
    QCOMPARE(finestra.txtK->text(), QStringLiteral("-"));

    for (const char *estraneo : {"txtLuceNettaSolaio", "fraImage", "cmdStampa", ""})
        QVERIFY2(!finestra.ScriviCasella(QLatin1String(estraneo), QStringLiteral("1")), estraneo);
}

void tst_Risultati::caricamento()
{
    Ospite ospite;
    ospite.cornice->move(120, 80);
    QSignalSpy caricata(ospite.finestra.data(), &frmOutPut2::FinestraCaricata);
    // The child window is already in its place when the load is announced.
    QPoint posizioneAllAnnuncio(-1, -1);
    connect(ospite.finestra.data(), &frmOutPut2::FinestraCaricata, ospite.cornice.data(),
            [&] { posizioneAllAnnuncio = ospite.cornice->pos(); });
    ospite.CaricaEMostra();
    QCOMPARE(caricata.count(), 1);
    QCOMPARE(posizioneAllAnnuncio, QPoint(0, 0));
    QCOMPARE(ospite.cornice->pos(), QPoint(0, 0));
    QCOMPARE(QApplication::focusWidget(), ospite.finestra->cmdStampa);
}

void tst_Risultati::ordineTabulazione()
{
    Ospite ospite;
    ospite.CaricaEMostra();
    QStringList visitati{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visitati << QApplication::focusWidget()->objectName();
    }
    const QStringList attesi =
        QStringList{QStringLiteral("cmdStampa"), QStringLiteral("cmdModifica"),
                    QStringLiteral("cmdBack")} +
        Caselle + QStringList{QStringLiteral("cmdStampa")};
    QCOMPARE(visitati, attesi);
}

void tst_Risultati::comandi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<Qt::Key>("tasto");
    QTest::addColumn<int>("segnale"); // 0 StampaRichiesta, 1 ModificaRichiesta, 2 BackRichiesto
    QTest::newRow("Stam&pa") << "cmdStampa" << Qt::Key_P << 0;
    QTest::newRow("&Modifica") << "cmdModifica" << Qt::Key_M << 1;
    QTest::newRow("&Back") << "cmdBack" << Qt::Key_B << 2;
}

void tst_Risultati::comandi()
{
    QFETCH(QString, nome);
    QFETCH(Qt::Key, tasto);
    QFETCH(int, segnale);
    Ospite ospite;
    ospite.CaricaEMostra();
    frmOutPut2 *f = ospite.finestra;
    QSignalSpy stampa(f, &frmOutPut2::StampaRichiesta);
    QSignalSpy modifica(f, &frmOutPut2::ModificaRichiesta);
    QSignalSpy back(f, &frmOutPut2::BackRichiesto);
    QSignalSpy scaricata(f, &frmOutPut2::FinestraScaricata);
    const QList<QSignalSpy *> spie = {&stampa, &modifica, &back};

    const auto conteggi = [&] {
        QList<int> n;
        for (QSignalSpy *spia : spie)
            n << int(spia->count());
        return n;
    };
    QList<int> attesi = {0, 0, 0};

    QTest::mouseClick(ospite.Figlio<QToolButton>(nome), Qt::LeftButton);
    attesi[segnale] = 1;
    QCOMPARE(conteggi(), attesi);

    // The access key works wherever the focus is in the window; it presses
    // the button and releases it a moment later.
    f->txtK->setFocus();
    QTest::keyClick(f->txtK, tasto, Qt::AltModifier);
    attesi[segnale] = 2;
    QTRY_COMPARE(conteggi(), attesi);

    // A button does nothing to the window by itself: the main window acts.
    QCOMPARE(scaricata.count(), 0);
    QVERIFY(ospite.finestra);
}

void tst_Risultati::clicSulDisegno()
{
    Ospite ospite;
    ospite.CaricaEMostra();
    frmOutPut2 *f = ospite.finestra;
    f->ScriviCasella(QStringLiteral("txtHTravetto"), QStringLiteral("16"));
    QSignalSpy stampa(f, &frmOutPut2::StampaRichiesta);
    QSignalSpy modifica(f, &frmOutPut2::ModificaRichiesta);
    QSignalSpy back(f, &frmOutPut2::BackRichiesto);
    QWidget *fuoco = QApplication::focusWidget();

    const QRect disegno =
        f->fraImage->findChild<ElementoImmagine *>(QStringLiteral("imgDettSolaio"))
            ->RiquadroInPixel();
    QTest::mouseClick(f->fraImage, Qt::LeftButton, {}, disegno.center());
    QTest::mouseDClick(f->fraImage, Qt::LeftButton, {}, disegno.center());

    QCOMPARE(stampa.count() + modifica.count() + back.count(), 0);
    QCOMPARE(QApplication::focusWidget(), fuoco);
    QCOMPARE(f->txtHTravetto->text(), QStringLiteral("16"));
}

void tst_Risultati::chiusura()
{
    Ospite ospite;
    ospite.CaricaEMostra();
    QSignalSpy scaricata(ospite.finestra.data(), &frmOutPut2::FinestraScaricata);
    QSignalSpy back(ospite.finestra.data(), &frmOutPut2::BackRichiesto);
    ospite.cornice->close();
    QCOMPARE(scaricata.count(), 1);
    QCOMPARE(back.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ospite.finestra);
}

QTEST_MAIN(tst_Risultati)
#include "tst_risultati.moc"
