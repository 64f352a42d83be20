// The main window: menus, toolbar, button-enable sets, size and centring,
// what closing it does to the other windows, and whether there is a screen
// to start it on.

#include "AiutiFinestre.h"
#include "StatoApplicazione.h"
#include "common/Centratura.h"
#include "common/ImmaginiLista.h"
#include "shell/InsiemiPulsanti.h"
#include "shell/RegistroFinestre.h"
#include "shell/SchermoDisponibile.h"
#include "shell/mdiVelmora.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
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

QString StatiPulsanti(mdiVelmora &finestra)
{
    QString stati;
    for (const QString &chiave : ChiaviPulsanti)
        stati += AzioneBarra(finestra, chiave)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
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
    void finestraAlCaricamento();

    void insiemi_data();
    void insiemi();
    void ordineArgomenti_data();
    void ordineArgomenti();

    void centratura_data();
    void centratura();

    void chiusura_data();
    void chiusura();

#ifndef Q_OS_WIN // the check for a screen is X11's and Wayland's
    void schermoDisponibile_data();
    void schermoDisponibile();
#endif
};

void tst_mdiVelmora::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
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
    QTest::addColumn<int>("immagine");
    QTest::addColumn<QString>("suggerimento");

    const QList<std::tuple<const char *, int, const char *>> posizioni{
        {"ApriForm", 1, "Apri Maschera Pre Dim Solai"},
        {"", 0, ""},
        {"Pulisci", 2, "Pulisci Campi di Input"},
        {"Calcola", 3, "Pre Dimensiona Solaio Velmora"},
        {"Modifica", 4, "Modifica Altezza Travetto"},
        {"Back", 6, "Ritorna alla Maschera Precedente"},
        {"", 0, ""},
        {"Stampa", 5, "Stampa Videata"},
        {"Esporta", 7, "Esporta in Excel"},
        {"", 0, ""},
        {"Info", 8, "Info Software - Velmora"},
        {"", 0, ""},
        {"Esci", 9, "Esci"},
    };
    int posizione = 0;
    for (const auto &[chiave, immagine, suggerimento] : posizioni) {
        ++posizione;
        QTest::addRow("%d %s", posizione, chiave)
            << posizione << chiave << immagine << suggerimento;
    }
}

void tst_mdiVelmora::barraStrumenti()
{
    QFETCH(int, posizione);
    QFETCH(QString, chiave);
    QFETCH(int, immagine);
    QFETCH(QString, suggerimento);

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
    QCOMPARE(tlbMdi->widgetForAction(azione)->objectName(), chiave);
    QCOMPARE(azione->toolTip(), suggerimento);
    for (int lato : {16, 32}) {
        QCOMPARE(azione->icon().pixmap(lato).toImage(),
                 ImmagineLista(immagine).pixmap(lato).toImage());
    }
    auto *bottone = qobject_cast<QToolButton *>(tlbMdi->widgetForAction(azione));
    QVERIFY(bottone);
    QCOMPARE(bottone->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // A screen reader names the button as the tooltip does, whatever its
    // menu entry is called.
    QCOMPARE(QAccessible::queryAccessibleInterface(bottone)->text(QAccessible::Name), suggerimento);
}

void tst_mdiVelmora::immaginiDistinte()
{
    // Each picture is there, drawn, and unlike the others, at both sizes used.
    for (int lato : {16, 32}) {
        QImage vuota = ImmagineLista(1).pixmap(lato).toImage();
        vuota.fill(Qt::transparent);
        QList<QImage> viste{vuota};
        for (int numero = 1; numero <= NumeroImmaginiLista; ++numero) {
            const QImage immagine = ImmagineLista(numero).pixmap(lato).toImage();
            QCOMPARE(immagine.size(), QSize(lato, lato));
            QVERIFY2(!viste.contains(immagine), qPrintable(QString::number(numero)));
            viste << immagine;
        }
    }
    QVERIFY(ImmagineLista(0).isNull() && ImmagineLista(10).isNull());
}

void tst_mdiVelmora::menu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("chiave"); // the toolbar button that shares the entry's action
    QTest::addColumn<bool>("abilitata"); // with no child window
    QTest::addColumn<QString>("testo");

    const QList<std::tuple<const char *, int, const char *, const char *, bool, const char *>> voci{
        {"mnuFile", 0, "ItemNuovo", "", false, "&Nuovo"},
        {"mnuFile", 1, "ItemExport", "", false, "E&xport"},
        {"mnuFile", 2, "itemApri", "", false, "&Apri"},
        {"mnuFile", 3, "itemSalva", "", false, "&Salva"},
        {"mnuFile", 4, "itemStampa", "Stampa", false, "Stam&pa"},
        {"mnuFile", 5, "itemEsci", "Esci", true, "&Esci"},
        {"mnuSolai", 0, "itemCalFerri", "ApriForm", true, "&Calcolo Ferri"},
        {"mnuAiuto", 0, "itemInfo", "", true, "&Info Software"},
        {"mnuAiuto", 1, "itemQuaranel", "", false, "Info &Quaranel"},
        {"mnuAiuto", 2, "itemVelmora", "Info", true, "Info &Velmora"},
    };
    for (const auto &[menu, posizione, nome, chiave, abilitata, testo] : voci)
        QTest::addRow("%s", testo) << menu << posizione << nome << chiave << abilitata << testo;
}

void tst_mdiVelmora::menu()
{
    QFETCH(QString, menu);
    QFETCH(int, posizione);
    QFETCH(QString, nome);
    QFETCH(QString, chiave);
    QFETCH(bool, abilitata);
    QFETCH(QString, testo);

    mdiVelmora finestra;
    QStringList titoli;
    QStringList nomi;
    for (QAction *voce : finestra.menuBar()->actions()) {
        titoli << voce->text();
        nomi << voce->menu()->objectName();
    }
    QCOMPARE(titoli, QStringList({"&File", "&Solai", "&Aiuto"}));
    QCOMPARE(nomi, QStringList({"mnuFile", "mnuSolai", "mnuAiuto"}));

    const QList<QAction *> voci = finestra.menuBar()->findChild<QMenu *>(menu)->actions();
    QVERIFY(posizione < voci.size());
    QAction *voce = voci.at(posizione);
    QCOMPARE(voce->objectName(), nome);
    QCOMPARE(voce->text(), testo);
    QCOMPARE(voce->isEnabled(), abilitata);
    QVERIFY(voce->icon().isNull() || !voce->isIconVisibleInMenu());
    // Each found by its own name: the entry by the menu's, the button that
    // shares its action by the toolbar's key.
    QCOMPARE(finestra.findChild<QAction *>(nome), voce);
    auto *pulsante = chiave.isEmpty() ? nullptr : finestra.findChild<QToolButton *>(chiave);
    QCOMPARE(pulsante ? pulsante->defaultAction() : nullptr, chiave.isEmpty() ? nullptr : voce);
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
    QVERIFY(!AzioneBarra(*finestra, QStringLiteral("Esporta"))->isEnabled());
    QCOMPARE(StatiPulsanti(*finestra), QStringLiteral("100000011"));

    QStatusBar *stbMdi = finestra->statusBar();
    QCOMPARE(stbMdi->objectName(), QStringLiteral("stbMdi"));
    const QList<QLabel *> pannelli = stbMdi->findChildren<QLabel *>();
    QCOMPARE(pannelli.size(), 1);
    QVERIFY(pannelli.first()->text().isEmpty());
}

void tst_mdiVelmora::insiemi_data()
{
    QTest::addColumn<InsiemePulsanti>("prima");
    QTest::addColumn<InsiemePulsanti>("insieme");
    QTest::addColumn<QString>("stati"); // ApriForm ... Esci

    const QList<QPair<const char *, InsiemePulsanti>> precedenti{
        {"tutti accesi", {true, true, true, true, true, true, true, true, true}},
        {"tutti spenti", {}},
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
        for (const auto &[nomePrima, prima] : precedenti)
            QTest::addRow("%s dopo %s", nome, nomePrima) << prima << insieme << stati;
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
    // The File menu's print entry follows the toolbar's.
    QCOMPARE(VoceMenu(finestra, QStringLiteral("Stam&pa"))->isEnabled(),
             stati[5] == QLatin1Char('1'));
}

void tst_mdiVelmora::ordineArgomenti_data()
{
    QTest::addColumn<int>("acceso");
    for (int i = 0; i < 9; ++i)
        QTest::newRow(qPrintable(ChiaviPulsanti[i])) << i;
}

void tst_mdiVelmora::ordineArgomenti()
{
    // The n-th state of a set drives the n-th key and no other button.
    QFETCH(int, acceso);
    mdiVelmora finestra;
    InsiemePulsanti insieme{};
    insieme[acceso] = true;
    finestra.AbilitaPulsanti(insieme);
    QString atteso(9, QLatin1Char('0'));
    atteso[acceso] = QLatin1Char('1');
    QCOMPARE(StatiPulsanti(finestra), atteso);
}

void tst_mdiVelmora::centratura_data()
{
    QTest::addColumn<QRect>("schermo");
    QTest::addColumn<QRect>("disponibile"); // without panels and docks
    QTest::addColumn<QRect>("posto");       // of the 800 x 600 frame

    const auto intero = [](const char *nome, QSize schermo, QRect posto) {
        QTest::newRow(nome) << QRect(QPoint(), schermo) << QRect(QPoint(), schermo) << posto;
    };
    intero("800x600: corner", {800, 600}, {0, 0, 800, 600});
    intero("narrow but tall", {799, 1080}, {0, 240, 799, 600});
    intero("1024x768", {1024, 768}, {112, 84, 800, 600});
    intero("1920x1080", {1920, 1080}, {560, 240, 800, 600});
    // Odd spare pixels leave half twips, which go to the even twip: 4237.5 to
    // 4238 (282.53 px), 1267.5 to 1268 (84.53 px), 1252.5 to 1252 (83.47 px).
    intero("1365x769", {1365, 769}, {283, 85, 800, 600});
    intero("1365x767", {1365, 767}, {283, 83, 800, 600});
    intero("one pixel spare", {801, 601}, {1, 1, 800, 600});
    // Smaller screens: the frame takes the available area, no more.
    intero("640x480", {640, 480}, {0, 0, 640, 480});
    intero("1280x1024 at scale 2", {640, 512}, {0, 0, 640, 512});
    QTest::newRow("panel at the foot, too low")
        << QRect(0, 0, 1024, 600) << QRect(0, 0, 1024, 570) << QRect(112, 0, 800, 570);
    QTest::newRow("panel at the top, room to spare")
        << QRect(0, 0, 1024, 768) << QRect(0, 28, 1024, 740) << QRect(112, 84, 800, 600);
    QTest::newRow("panel at the top, no room to spare")
        << QRect(0, 0, 1024, 640) << QRect(0, 40, 1024, 600) << QRect(112, 40, 800, 600);
    QTest::newRow("second screen")
        << QRect(1920, 0, 1024, 768) << QRect(1920, 0, 1024, 768) << QRect(2032, 84, 800, 600);
}

// Centred on the screen, and whole inside its available area.
void tst_mdiVelmora::centratura()
{
    QFETCH(QRect, schermo);
    QFETCH(QRect, disponibile);
    QFETCH(QRect, posto);
    QCOMPARE(PostoSulloSchermo(schermo, disponibile, QSize(800, 600)), posto);
}

void tst_mdiVelmora::chiusura_data()
{
    QTest::addColumn<QString>("comando");
    QTest::newRow("frame") << "frame";
    QTest::newRow("toolbar Esci") << "Esci";
    QTest::newRow("menu Esci") << "&Esci";
}

void tst_mdiVelmora::chiusura()
{
    QFETCH(QString, comando);

    mdiVelmora *finestra = Registro.CaricaPrincipale();
    int chiusureInput = 0, chiusureRisultati = 0, chiusureSplash = 0;
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
        qobject_cast<QToolButton *>(tlbMdi->widgetForAction(AzioneBarra(*finestra, comando)))
            ->click();
    } else {
        VoceMenu(*finestra, comando)->trigger();
    }

    QCOMPARE(chiusureInput + chiusureRisultati + chiusureSplash, 3);
    QVERIFY(chiusureInput == 1 && chiusureRisultati == 1 && chiusureSplash == 1);
    EliminaFinestreChiuse();
    QVERIFY(!Registro.Principale && !Registro.CalFerSol && !Registro.OutPut2 && !Registro.Splash);
}

#ifndef Q_OS_WIN
void tst_mdiVelmora::schermoDisponibile_data()
{
    QTest::addColumn<QString>("piattaforma"); // QT_QPA_PLATFORM, "-" unset
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland"); // WAYLAND_DISPLAY, "-" unset
    QTest::addColumn<QString>("socket");  // made under XDG_RUNTIME_DIR, "" none
    QTest::addColumn<bool>("disponibile");

    const auto riga = [](const char *nome, const char *piattaforma, const QStringList &argomenti,
                         const char *display, const char *wayland, const char *socket,
                         bool disponibile) {
        QTest::newRow(nome) << QString(piattaforma) << argomenti << QString(display)
                            << QString(wayland) << QString(socket) << disponibile;
    };
    riga("nothing", "-", {}, "", "-", "", false);
    riga("X display", "-", {}, ":0", "-", "", true);
    riga("Wayland socket named", "-", {}, "", "wayland-1", "wayland-1", true);
    riga("Wayland name, no socket", "-", {}, "", "wayland-1", "", false);
    riga("default Wayland socket", "-", {}, "", "-", "wayland-0", true);
    riga("offscreen", "offscreen", {}, "", "-", "", true);
    riga("xcb, no display", "xcb", {}, "", "-", "wayland-0", false);
    riga("wayland, X display only", "wayland", {}, ":0", "-", "", false);
    riga("list, the second works", "wayland;xcb:nomitshm", {}, ":0", "-", "", true);
    riga("-platform offscreen", "xcb", {"-platform", "offscreen"}, "", "-", "", true);
    riga("-display", "xcb", {"-display", ":1"}, "", "-", "", true);
}

// Before the application object: a screen Qt can open windows on, or the
// one line that says there is none, instead of Qt's abort.
void tst_mdiVelmora::schermoDisponibile()
{
    QFETCH(QString, piattaforma);
    QFETCH(QStringList, argomenti);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, socket);
    QFETCH(bool, disponibile);

    const QList<QByteArray> nomi{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET",
                                 "XDG_RUNTIME_DIR"};
    QList<QPair<bool, QByteArray>> salvate;
    for (const QByteArray &nome : nomi)
        salvate.append({qEnvironmentVariableIsSet(nome), qgetenv(nome)});
    const auto ripristina = qScopeGuard([&] {
        for (qsizetype i = 0; i < nomi.size(); ++i) {
            if (salvate[i].first)
                qputenv(nomi[i], salvate[i].second);
            else
                qunsetenv(nomi[i]);
        }
    });

    QTemporaryDir cartella;
    if (!socket.isEmpty()) {
        QFile segnaposto(QDir(cartella.path()).filePath(socket));
        QVERIFY(segnaposto.open(QIODevice::WriteOnly));
    }
    qunsetenv("WAYLAND_SOCKET");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(cartella.path()));
    qputenv("DISPLAY", display.toLocal8Bit());
    if (piattaforma == u"-")
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", piattaforma.toLocal8Bit());
    if (wayland == u"-")
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", wayland.toLocal8Bit());

    QList<QByteArray> testi{"predimvelmora"};
    for (const QString &argomento : argomenti)
        testi << argomento.toLocal8Bit();
    QList<char *> argv;
    for (QByteArray &testo : testi)
        argv << testo.data();
    argv << nullptr;
    QCOMPARE(SchermoDisponibile(int(testi.size()), argv.data()), disponibile);
}
#endif

QTEST_MAIN(tst_mdiVelmora)
#include "tst_mdivelmora.moc"
