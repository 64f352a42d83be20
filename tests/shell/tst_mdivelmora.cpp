// The main window: menus, toolbar, button-enable sets, size and centring, and
// what closing it does to the other windows.

#include "shell/Centratura.h"
#include "shell/ImmaginiLista.h"
#include "shell/InsiemiPulsanti.h"
#include "shell/RegistroFinestre.h"
#include "shell/TraduzioneQt.h"
#include "shell/mdiVelmora.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

// Counts the close events it receives, like a window running its unload.
class FinestraContata : public QWidget {
public:
    explicit FinestraContata(int &chiusure)
        : chiusure(chiusure)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        resize(200, 100);
    }

protected:
    void closeEvent(QCloseEvent *evento) override
    {
        ++chiusure;
        QWidget::closeEvent(evento);
    }

private:
    int &chiusure;
};

QAction *Pulsante(mdiVelmora &finestra, const QString &chiave)
{
    return finestra.findChild<QToolBar *>(QStringLiteral("tlbMdi"))->findChild<QAction *>(chiave);
}

QString StatiPulsanti(mdiVelmora &finestra)
{
    QString stati;
    for (const QString &chiave : ChiaviPulsanti)
        stati += Pulsante(finestra, chiave)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return stati;
}

void EliminaFinestreChiuse()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_mdiVelmora : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void barraStrumenti_data();
    void barraStrumenti();
    void immaginiDistinte();
    void menu_data();
    void menu();
    void barraStato();
    void finestraAlCaricamento();

    void insiemi_data();
    void insiemi();
    void ordineArgomenti_data();
    void ordineArgomenti();
    void menuStampaSegueBarra();

    void metaPari_data();
    void metaPari();
    void centratura_data();
    void centratura();

    void chiusura_data();
    void chiusura();
    void registroUnaSolaPrincipale();
    void traduzioneItaliana();
};

void tst_mdiVelmora::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(CaricaTraduzioneQt(*QCoreApplication::instance()));
}

void tst_mdiVelmora::cleanup()
{
    if (Registro.Principale)
        Registro.Principale->close();
    EliminaFinestreChiuse();
}

void tst_mdiVelmora::barraStrumenti_data()
{
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("chiave"); // empty: a separator
    QTest::addColumn<QString>("suggerimento");
    QTest::addColumn<int>("immagine");

    QTest::newRow("1") << 1 << "ApriForm"
                       << "Apri Maschera Pre Dim Solai" << 1;
    QTest::newRow("2") << 2 << ""
                       << "" << 0;
    QTest::newRow("3") << 3 << "Pulisci"
                       << "Pulisci Campi di Input" << 2;
    QTest::newRow("4") << 4 << "Calcola"
                       << "Pre Dimensiona Solaio Velmora" << 3;
    QTest::newRow("5") << 5 << "Modifica"
                       << "Modifica Altezza Travetto" << 4;
    QTest::newRow("6 Back shows image 6") << 6 << "Back"
                                          << "Ritorna alla Maschera Precedente" << 6;
    QTest::newRow("7") << 7 << ""
                       << "" << 0;
    QTest::newRow("8 Stampa shows image 5") << 8 << "Stampa"
                                            << "Stampa Videata" << 5;
    QTest::newRow("9") << 9 << "Esporta"
                       << "Esporta in Excel" << 7;
    QTest::newRow("10") << 10 << ""
                        << "" << 0;
    QTest::newRow("11") << 11 << "Info"
                        << "Info Software - Velmora" << 8;
    QTest::newRow("12") << 12 << ""
                        << "" << 0;
    QTest::newRow("13") << 13 << "Esci"
                        << "Esci" << 9;
}

void tst_mdiVelmora::barraStrumenti()
{
    QFETCH(int, posizione);
    QFETCH(QString, chiave);
    QFETCH(QString, suggerimento);
    QFETCH(int, immagine);

    mdiVelmora finestra;
    auto *tlbMdi = finestra.findChild<QToolBar *>(QStringLiteral("tlbMdi"));
    QVERIFY(tlbMdi);
    const QList<QAction *> posizioni = tlbMdi->actions();
    QCOMPARE(posizioni.size(), 13);

    QAction *azione = posizioni.at(posizione - 1);
    if (chiave.isEmpty()) {
        QVERIFY(azione->isSeparator());
        return;
    }
    QVERIFY(!azione->isSeparator());
    QCOMPARE(azione->objectName(), chiave);
    QCOMPARE(azione->toolTip(), suggerimento);
    for (int lato : {16, 32}) {
        QCOMPARE(azione->icon().pixmap(lato).toImage(),
                 ImmagineLista(immagine).pixmap(lato).toImage());
    }
    auto *bottone = qobject_cast<QToolButton *>(tlbMdi->widgetForAction(azione));
    QVERIFY(bottone);
    QCOMPARE(bottone->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

void tst_mdiVelmora::immaginiDistinte()
{
    // Each picture is there, drawn, and unlike the others, at both sizes the
    // windows use.
    for (int lato : {16, 32}) {
        QList<QImage> viste;
        for (int numero = 1; numero <= NumeroImmaginiLista; ++numero) {
            const QImage immagine = ImmagineLista(numero).pixmap(lato).toImage();
            QCOMPARE(immagine.size(), QSize(lato, lato));
            int opachi = 0;
            for (int y = 0; y < lato; ++y) {
                for (int x = 0; x < lato; ++x)
                    opachi += qAlpha(immagine.pixel(x, y)) > 128;
            }
            QVERIFY2(opachi > lato * lato / 8, qPrintable(QString::number(numero)));
            QVERIFY2(!viste.contains(immagine), qPrintable(QString::number(numero)));
            viste << immagine;
        }
    }
    QVERIFY(ImmagineLista(0).isNull());
    QVERIFY(ImmagineLista(10).isNull());
    QCOMPARE(IconaApplicazione().pixmap(32).toImage(), ImmagineLista(1).pixmap(32).toImage());
}

void tst_mdiVelmora::menu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("abilitata"); // with no child window

    QTest::newRow("Nuovo") << "mnuFile"
                           << "&File" << 0 << "ItemNuovo"
                           << "&Nuovo" << false;
    QTest::newRow("Export") << "mnuFile"
                            << "&File" << 1 << "ItemExport"
                            << "E&xport" << false;
    QTest::newRow("Apri") << "mnuFile"
                          << "&File" << 2 << "itemApri"
                          << "&Apri" << false;
    QTest::newRow("Salva") << "mnuFile"
                           << "&File" << 3 << "itemSalva"
                           << "&Salva" << false;
    QTest::newRow("Stampa") << "mnuFile"
                            << "&File" << 4 << "itemStampa"
                            << "Stam&pa" << false;
    QTest::newRow("Esci") << "mnuFile"
                          << "&File" << 5 << "itemEsci"
                          << "&Esci" << true;
    QTest::newRow("CalFerri") << "mnuSolai"
                              << "&Solai" << 0 << "itemCalFerri"
                              << "&Calcolo Ferri" << true;
    QTest::newRow("Info") << "mnuAiuto"
                          << "&Aiuto" << 0 << "itemInfo"
                          << "&Info Software" << true;
    QTest::newRow("Quaranel") << "mnuAiuto"
                              << "&Aiuto" << 1 << "itemQuaranel"
                              << "Info &Quaranel" << false;
    QTest::newRow("Velmora") << "mnuAiuto"
                             << "&Aiuto" << 2 << "itemVelmora"
                             << "Info &Velmora" << true;
}

void tst_mdiVelmora::menu()
{
    QFETCH(QString, menu);
    QFETCH(QString, titolo);
    QFETCH(int, posizione);
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    QFETCH(bool, abilitata);

    mdiVelmora finestra;
    QStringList titoli;
    for (QAction *voce : finestra.menuBar()->actions())
        titoli << voce->text();
    QCOMPARE(titoli, QStringList({"&File", "&Solai", "&Aiuto"}));

    auto *tendina = finestra.menuBar()->findChild<QMenu *>(menu);
    QVERIFY(tendina);
    QCOMPARE(tendina->title(), titolo);
    QVERIFY(posizione < tendina->actions().size());
    QAction *voce = tendina->actions().at(posizione);
    QCOMPARE(voce->objectName(), nome);
    QCOMPARE(voce->text(), testo);
    QCOMPARE(voce->isEnabled(), abilitata);
}

void tst_mdiVelmora::barraStato()
{
    mdiVelmora finestra;
    QStatusBar *stbMdi = finestra.statusBar();
    QCOMPARE(stbMdi->objectName(), QStringLiteral("stbMdi"));
    const QList<QLabel *> pannelli = stbMdi->findChildren<QLabel *>();
    QCOMPARE(pannelli.size(), 1);
    QVERIFY(pannelli.first()->text().isEmpty());
    QVERIFY(stbMdi->currentMessage().isEmpty());
}

void tst_mdiVelmora::finestraAlCaricamento()
{
    mdiVelmora *finestra = Registro.CaricaPrincipale();
    QCOMPARE(finestra->objectName(), QStringLiteral("mdiVelmora"));
    QCOMPARE(finestra->windowTitle(), QStringLiteral("FELTRANOVA"));
    QVERIFY(qobject_cast<QMdiArea *>(finestra->centralWidget()));
    QVERIFY(finestra->isVisible());
    QCOMPARE(finestra->size(), QSize(800, 600));
    // The offscreen screen is 800 pixels square: flush left, 100 pixels down.
    const QRect schermo = finestra->screen()->geometry();
    QCOMPARE(finestra->pos(),
             schermo.topLeft() + PosizioneCentrata(schermo.size(), QSize(800, 600)));
    if (schermo.size() == QSize(800, 800))
        QCOMPARE(finestra->pos(), QPoint(0, 100));
    // Nothing to export, ever; the first state the user sees already says so.
    QVERIFY(!Pulsante(*finestra, QStringLiteral("Esporta"))->isEnabled());
    QCOMPARE(StatiPulsanti(*finestra), QStringLiteral("100000011"));
}

void tst_mdiVelmora::insiemi_data()
{
    QTest::addColumn<InsiemePulsanti>("prima");
    QTest::addColumn<InsiemePulsanti>("insieme");
    QTest::addColumn<QString>("stati"); // ApriForm ... Esci

    const InsiemePulsanti tuttiAccesi{true, true, true, true, true, true, true, true, true};
    const InsiemePulsanti tuttiSpenti{};
    const QList<QPair<const char *, InsiemePulsanti>> precedenti{
        {"tutti accesi", tuttiAccesi},
        {"tutti spenti", tuttiSpenti},
        {"finestra chiusa", InsiemeFinestraChiusa},
        {"aperto", InsiemeAperto},
        {"risultati", InsiemeRisultati},
        {"dialogo", InsiemeDialogo},
    };
    const QList<std::tuple<const char *, InsiemePulsanti, QString>> insiemi{
        {"finestra chiusa", InsiemeFinestraChiusa, "100000011"},
        {"aperto", InsiemeAperto, "011001011"},
        {"risultati", InsiemeRisultati, "000111011"},
        {"dialogo", InsiemeDialogo, "000000011"},
    };
    for (const auto &[nome, insieme, stati] : insiemi) {
        for (const auto &[nomePrima, prima] : precedenti) {
            QTest::addRow("%s dopo %s", nome, nomePrima) << prima << insieme << stati;
        }
    }
}

void tst_mdiVelmora::insiemi()
{
    QFETCH(InsiemePulsanti, prima);
    QFETCH(InsiemePulsanti, insieme);
    QFETCH(QString, stati);

    mdiVelmora finestra;
    finestra.AbilitaPulsanti(prima);
    finestra.AbilitaPulsanti(insieme);
    QCOMPARE(StatiPulsanti(finestra), stati);
}

void tst_mdiVelmora::ordineArgomenti_data()
{
    QTest::addColumn<int>("acceso");
    for (int i = 0; i < 9; ++i)
        QTest::newRow(qPrintable(ChiaviPulsanti[i])) << i;
}

void tst_mdiVelmora::ordineArgomenti()
{
    // The n-th argument drives the n-th key and no other button.
    QFETCH(int, acceso);
    mdiVelmora finestra;
    bool a[9] = {};
    a[acceso] = true;
    finestra.AbilitaPulsanti(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
    QString atteso(9, QLatin1Char('0'));
    atteso[acceso] = QLatin1Char('1');
    QCOMPARE(StatiPulsanti(finestra), atteso);
}

void tst_mdiVelmora::menuStampaSegueBarra()
{
    mdiVelmora finestra;
    QAction *itemStampa = finestra.findChild<QAction *>(QStringLiteral("itemStampa"));
    QVERIFY(itemStampa);
    for (const InsiemePulsanti &insieme :
         {InsiemeAperto, InsiemeDialogo, InsiemeRisultati, InsiemeFinestraChiusa}) {
        finestra.AbilitaPulsanti(insieme);
        QCOMPARE(itemStampa->isEnabled(), insieme[5]);
        QCOMPARE(itemStampa->isEnabled(), Pulsante(finestra, "Stampa")->isEnabled());
    }
}

void tst_mdiVelmora::metaPari_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("meta");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("pari") << 4200 << 2100;
    QTest::newRow("1: 0.5 to 0") << 1 << 0;
    QTest::newRow("3: 1.5 to 2") << 3 << 2;
    QTest::newRow("5: 2.5 to 2") << 5 << 2;
    QTest::newRow("7: 3.5 to 4") << 7 << 4;
    QTest::newRow("-3: -1.5 to -2") << -3 << -2;
    QTest::newRow("-5: -2.5 to -2") << -5 << -2;
    QTest::newRow("8475: 4237.5 to 4238") << 8475 << 4238;
    QTest::newRow("8505: 4252.5 to 4252") << 8505 << 4252;
}

void tst_mdiVelmora::metaPari()
{
    QFETCH(int, n);
    QFETCH(int, meta);
    QCOMPARE(MetaPari(n), meta);
}

void tst_mdiVelmora::centratura_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<QPoint>("angolo");

    QTest::newRow("640x480: corner") << QSize(640, 480) << QPoint(0, 0);
    QTest::newRow("800x600: corner") << QSize(800, 600) << QPoint(0, 0);
    QTest::newRow("narrow but tall") << QSize(799, 1080) << QPoint(0, 240);
    QTest::newRow("wide but low") << QSize(1920, 500) << QPoint(560, 0);
    QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(112, 84);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(560, 240);
    QTest::newRow("3840x2160") << QSize(3840, 2160) << QPoint(1520, 780);
    // Odd spare pixels leave half twips: 4237.5 goes to 4238 (282.53 px), 1252.5
    // to 1252 (83.47 px), 4252.5 to 4252 (283.47 px), 1267.5 to 1268 (84.53 px).
    QTest::newRow("1365x767") << QSize(1365, 767) << QPoint(283, 83);
    QTest::newRow("1367x769") << QSize(1367, 769) << QPoint(283, 85);
    QTest::newRow("one pixel spare") << QSize(801, 601) << QPoint(1, 1);
}

void tst_mdiVelmora::centratura()
{
    QFETCH(QSize, schermo);
    QFETCH(QPoint, angolo);
    QCOMPARE(PosizioneCentrata(schermo, QSize(800, 600)), angolo);
}

void tst_mdiVelmora::chiusura_data()
{
    QTest::addColumn<QString>("comando");
    QTest::newRow("frame") << "frame";
    QTest::newRow("toolbar Esci") << "Esci";
    QTest::newRow("menu Esci") << "itemEsci";
}

void tst_mdiVelmora::chiusura()
{
    QFETCH(QString, comando);

    mdiVelmora *finestra = Registro.CaricaPrincipale();
    int chiusureInput = 0;
    int chiusureRisultati = 0;
    int chiusureSplash = 0;
    Registro.CalFerSol = new FinestraContata(chiusureInput);
    finestra->AggiungiFiglia(Registro.CalFerSol)->show();
    Registro.OutPut2 = new FinestraContata(chiusureRisultati);
    finestra->AggiungiFiglia(Registro.OutPut2)->show();
    // The input window waits hidden behind the results.
    Registro.CalFerSol->parentWidget()->hide();
    Registro.Splash = new FinestraContata(chiusureSplash);
    Registro.Splash->show();

    if (comando == QLatin1String("frame")) {
        finestra->close();
    } else if (comando == QLatin1String("Esci")) {
        auto *tlbMdi = finestra->findChild<QToolBar *>(QStringLiteral("tlbMdi"));
        qobject_cast<QToolButton *>(tlbMdi->widgetForAction(Pulsante(*finestra, comando)))->click();
    } else {
        finestra->findChild<QAction *>(comando)->trigger();
    }

    QCOMPARE(chiusureInput, 1);
    QCOMPARE(chiusureRisultati, 1);
    QCOMPARE(chiusureSplash, 1);
    EliminaFinestreChiuse();
    QVERIFY(!Registro.Principale);
    QVERIFY(!Registro.CalFerSol);
    QVERIFY(!Registro.OutPut2);
    QVERIFY(!Registro.Splash);
}

void tst_mdiVelmora::registroUnaSolaPrincipale()
{
    mdiVelmora *prima = Registro.CaricaPrincipale();
    QCOMPARE(Registro.CaricaPrincipale(), prima);
    QCOMPARE(Registro.Principale.data(), prima);
    prima->close();
    EliminaFinestreChiuse();
    QVERIFY(!Registro.Principale);
    mdiVelmora *seconda = Registro.CaricaPrincipale();
    QVERIFY(seconda);
    QVERIFY(seconda->isVisible());
}

void tst_mdiVelmora::traduzioneItaliana()
{
    QMessageBox box(QMessageBox::Question, "t", "t", QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
}

QTEST_MAIN(tst_mdiVelmora)
#include "tst_mdivelmora.moc"
