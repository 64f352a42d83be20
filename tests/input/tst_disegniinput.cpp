// The explanatory drawings of the input window: the beam and building
// sketches after the option clicks, the red highlight and the insets after
// every focus change (by click, Tab, the engine, a message box or a list's
// popup in between), the zoom of the insets, and what lies above what.

#include "AiutiFinestre.h"
#include "common/AreaDisegno.h"
#include "common/ElementiGrafici.h"
#include "common/Twips.h"
#include "input/frmCalFerSol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

const QColor Rosso(255, 0, 0);
const QColor Nero(0, 0, 0);

const QString LC = QStringLiteral("txtLuceNettaSolaio");
const QString Q = QStringLiteral("txtSovracAcc");
const QString CF = QStringLiteral("cmbCF");
const QString SS = QStringLiteral("cmbSSTravetto");
const QString Tab = QStringLiteral("Tab");

const QRect RiquadroSolaio(600, 800, 3000, 2400);
const QRect OmbraSolaio(650, 850, 3050, 2450);
const QRect RiquadroSezione(1600, 1300, 3800, 2600);
const QRect OmbraSezione(1650, 1350, 3850, 2650);

QStringList Nomi(const QString &nome, int quanti)
{
    QStringList nomi;
    for (int i = 0; i < quanti; ++i)
        nomi << NomeInMatrice(nome, i);
    return nomi;
}

// The elements that change with the focus: in the sketches, and in the two
// insets, where they only count while the inset is open.
const QStringList NegliSchizzi =
    Nomi(QStringLiteral("linLC"), 3) +
    QStringList{"lblLN", "shpSA", "linCF", "lblCF", "linSS", "linLinkSS", "lblSS"};
const QStringList NelSolaio = {"linLCI", "shpLCI(0)", "shpLCI(1)", "lblLCI", "shpSCI", "lblSCI"};
const QStringList NellaSezione =
    Nomi(QStringLiteral("linCFI"), 3) + QStringList{"lblCFI", "linSSI(0)", "linSSI(1)", "lblSSI"};

// What is red while each field has the focus.
const QHash<QString, QStringList> Rossi = {
    {LC, Nomi(QStringLiteral("linLC"), 3) +
             QStringList{"lblLN", "linLCI", "shpLCI(0)", "shpLCI(1)", "lblLCI"}},
    {Q, {"shpSA", "shpSCI", "lblSCI"}},
    {CF, Nomi(QStringLiteral("linCFI"), 3) + QStringList{"linCF", "lblCF", "lblCFI"}},
    {SS, {"linSS", "lblSS", "linLinkSS", "linSSI(0)", "linSSI(1)", "lblSSI"}},
};

// How each changing element looks, red and black. Lines: colour and width;
// labels: text colour; shapes: border, fill, ground and whether it shows.
struct Aspetti {
    QString rosso;
    QString nero;
};

Aspetti AspettiDi(const QString &nome)
{
    if (nome.startsWith(u"lbl"))
        return {"#ff0000", "#000000"};
    if (nome.startsWith(u"linLC(") || nome == u"linCF" || nome == u"linSS")
        return {"#ff0000 2", "#000000 1"};
    if (nome.startsWith(u"lin"))
        return {"#ff0000 1", "#000000 1"};
    if (nome == u"shpSA")
        return {"bordo #ff0000 riempimento #000000 sfondo #ff0000 opaco",
                "bordo #000000 riempimento #000000 sfondo #000000 trasparente"};
    if (nome == u"shpSCI")
        return {"bordo #000000 riempimento #000000 sfondo #ff0000 opaco",
                "bordo #000000 riempimento #000000 sfondo #000000 trasparente"};
    // The end dots of the span in the slab inset.
    return {"bordo #ff0000 riempimento #ff0000 sfondo #ffffff trasparente",
            "bordo #000000 riempimento #000000 sfondo #ffffff trasparente"};
}

QString Aspetto(const QObject *oggetto)
{
    if (auto *linea = qobject_cast<const ElementoLinea *>(oggetto))
        return QStringLiteral("%1 %2").arg(linea->color().name()).arg(linea->lineWidth());
    if (auto *etichetta = qobject_cast<const QLabel *>(oggetto))
        return etichetta->palette().color(QPalette::WindowText).name();
    if (auto *forma = qobject_cast<const ElementoForma *>(oggetto)) {
        return QStringLiteral("bordo %1 riempimento %2 sfondo %3 %4")
            .arg(forma->borderColor().name(), forma->fillColor().name(),
                 forma->backgroundColor().name(),
                 forma->backgroundOpaque() ? QStringLiteral("opaco")
                                           : QStringLiteral("trasparente"));
    }
    return QStringLiteral("?");
}

QString Testo(const QVariant &valore)
{
    QString testo;
    QDebug(&testo).nospace() << valore;
    return testo;
}

// The input window, loaded and active: on its own, or in a workspace as the
// main window holds it.
struct Finestra {
    std::unique_ptr<QMdiArea> area;
    frmCalFerSol *finestra = new frmCalFerSol;

    explicit Finestra(bool inArea = false)
    {
        if (!inArea)
            return;
        area = std::make_unique<QMdiArea>();
        area->addSubWindow(finestra);
        area->resize(900, 600);
    }
    ~Finestra()
    {
        if (!area)
            delete finestra;
    }

    // The top-level window the desktop activates.
    QWidget *Principale() const { return area ? static_cast<QWidget *>(area.get()) : finestra; }

    bool Apri()
    {
        Principale()->show();
        if (!Riattiva())
            return false;
        finestra->Form_Load();
        return true;
    }

    // The window comes to the front, as the desktop brings it back once a
    // message box closes.
    bool Riattiva()
    {
        Principale()->activateWindow();
        return QTest::qWaitForWindowActive(Principale());
    }

    template <typename T = QObject> T *Trova(const QString &nome) const
    {
        return finestra->findChild<T *>(nome);
    }

    QWidget *Widget(const QString &nome) const { return Trova<QWidget>(nome); }

    // A click into a field or button, or the Tab key on the focused widget.
    void Vai(const QString &dove)
    {
        QWidget *widget = dove == Tab ? QApplication::focusWidget() : Widget(dove);
        QVERIFY2(widget, qPrintable(QStringLiteral("nowhere to go: ") + dove));
        if (dove == Tab)
            QTest::keyClick(widget, Qt::Key_Tab);
        else
            widget->setFocus(Qt::MouseFocusReason);
    }

    QRect Twips(const QString &nome) const
    {
        if (auto *riquadro = Trova<ElementoRiquadro>(nome))
            return riquadro->twips();
        return Widget(nome)->property("twips").toRect();
    }

    bool Visibile(const QString &nome) const
    {
        if (auto *elemento = Trova<ElementoGrafico>(nome))
            return elemento->isVisible();
        return Widget(nome)->isVisible();
    }

    // What differs from the drawing with `campo` focused (empty: no field).
    QStringList Differenze(const QString &campo) const
    {
        QStringList differenze;
        const QStringList rossi = Rossi.value(campo);
        const auto confronta = [&](const QString &nome) {
            const Aspetti atteso = AspettiDi(nome);
            const QString visto = Aspetto(Trova(nome));
            const QString voluto = rossi.contains(nome) ? atteso.rosso : atteso.nero;
            if (visto != voluto)
                differenze << nome + ": " + visto + " invece di " + voluto;
        };
        const auto riquadro = [&](const QString &nome, bool aperto, const QRect &finale) {
            if (Visibile(nome) != aperto)
                differenze << nome + (aperto ? " nascosto" : " visibile");
            else if (aperto && Twips(nome) != finale)
                differenze << nome + " in " + Testo(Twips(nome));
        };

        for (const QString &nome : NegliSchizzi)
            confronta(nome);
        const bool schema = campo == LC || campo == Q;
        const bool sezione = campo == CF || campo == SS;
        riquadro(QStringLiteral("picSolaio"), schema, RiquadroSolaio);
        riquadro(QStringLiteral("picOmbra"), schema, OmbraSolaio);
        riquadro(QStringLiteral("picIng"), sezione, RiquadroSezione);
        riquadro(QStringLiteral("shpIng"), sezione, OmbraSezione);
        for (const QString &nome : schema ? NelSolaio : QStringList())
            confronta(nome);
        for (const QString &nome : sezione ? NellaSezione : QStringList())
            confronta(nome);
        for (const QString &nome : Nomi(QStringLiteral("linCFISSI"), 2)) {
            if (Aspetto(Trova(nome)) != u"#ff0000 1")
                differenze << nome + ": " + Aspetto(Trova(nome));
        }
        return differenze;
    }

    // Everything the drawings show: every element's properties, the labels
    // of the sketches and the inset boxes.
    QStringList Istantanea() const
    {
        QStringList righe;
        for (const ElementoGrafico *elemento : finestra->findChildren<ElementoGrafico *>()) {
            const QMetaObject *meta = elemento->metaObject();
            for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
                righe << elemento->objectName() + "." + meta->property(i).name() + " = " +
                             Testo(meta->property(i).read(elemento));
        }
        for (const QLabel *etichetta : finestra->findChildren<QLabel *>()) {
            if (qobject_cast<AreaDisegno *>(etichetta->parent()))
                righe << etichetta->objectName() + " " + Aspetto(etichetta) + " " +
                             Testo(etichetta->isVisible());
        }
        for (const char *nome : {"picSolaio", "picOmbra", "picIng"}) {
            const QWidget *widget = Widget(QString::fromLatin1(nome));
            righe << QString::fromLatin1(nome) + " " + Testo(widget->isVisible()) + " " +
                         Testo(widget->geometry()) + " " + Testo(widget->property("twips"));
        }
        return righe;
    }
};

// The beam sketches and slab lines drawn for an option of each group.
QStringList DifferenzeOpzioni(const Finestra &f, int campata, int solaio)
{
    QStringList differenze;
    const auto confronta = [&](const QString &nome, const QString &voluto) {
        const QString visto = Aspetto(f.Trova(nome));
        if (visto != voluto)
            differenze << nome + ": " + visto + " invece di " + voluto;
    };
    for (const QString &nome : Nomi(QStringLiteral("linCampataS"), 7))
        confronta(nome, campata == 0 ? "#ff0000 2" : "#000000 1");
    for (const QString &nome : Nomi(QStringLiteral("linCampata"), 13))
        confronta(nome, campata == 0 ? "#000000 1" : "#ff0000 2");
    const QStringList linee = {"linSolaioCoper", "linSolaioInter(0)", "linSolaioInter(1)"};
    const QList<bool> visibili = {solaio == 1, solaio == 0, solaio == 0};
    for (int i = 0; i < 3; ++i) {
        confronta(linee[i], "#0000ff 3");
        if (f.Visibile(linee[i]) != visibili[i])
            differenze << linee[i] + (visibili[i] ? " nascosta" : " visibile");
    }
    return differenze;
}

// One pixel per device-independent pixel, whatever the screen's scale.
QImage Immagine(QWidget *widget)
{
    QImage immagine(widget->size(), QImage::Format_RGB32);
    widget->render(&immagine);
    return immagine;
}

// How many pixels of `immagine` in `riquadro` are not `colore`.
int PixelDiversi(const QImage &immagine, const QRect &riquadro, const QColor &colore)
{
    int diversi = 0;
    for (int y = riquadro.top(); y <= riquadro.bottom(); ++y) {
        for (int x = riquadro.left(); x <= riquadro.right(); ++x)
            diversi += immagine.pixelColor(x, y) != colore;
    }
    return diversi;
}

// Records each placement of an inset together with its shadow's rectangle.
class RegistroZoom : public QObject {
public:
    RegistroZoom(QWidget *riquadro, std::function<QRect()> ombra)
        : ombra(std::move(ombra))
    {
        riquadro->installEventFilter(this);
    }

    QList<QPair<QRect, QRect>> passi;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Move || evento->type() == QEvent::Resize) {
            const QPair<QRect, QRect> passo(ombra(), oggetto->property("twips").toRect());
            if (passi.isEmpty() || passi.last() != passo)
                passi << passo;
        }
        return false;
    }

private:
    std::function<QRect()> ombra;
};

} // namespace

class tst_DisegniInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void caricamento();
    void opzioni_data();
    void opzioni();
    void fuoco_data();
    void fuoco();
    void ingrandimento_data();
    void ingrandimento();
    void sovrapposizione_data();
    void sovrapposizione();
    void calcoloFallito_data();
    void calcoloFallito();
    void finestraInattiva_data();
    void finestraInattiva();
    void tendina_data();
    void tendina();
    void eventiDuranteLostFocus();
    void chiusura_data();
    void chiusura();
};

// Right after opening: no inset, the single span red and thick, both
// intermediate slabs shown, the shared ticks red; the changing elements in
// their places, in their containers, the captions in their fonts.
void tst_DisegniInput::caricamento()
{
    Finestra f;
    QVERIFY(f.Apri());
    QCOMPARE(QApplication::focusWidget(), f.Widget("cmdStampa"));
    QCOMPARE(f.Differenze(QString()), QStringList());
    QCOMPARE(DifferenzeOpzioni(f, 0, 0), QStringList());
    QCOMPARE(f.Widget("picSolaio")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(f.Widget("picOmbra")->palette().color(QPalette::Window), Nero);
    QCOMPARE(f.Widget("picIng")->palette().color(QPalette::Window),
             QGuiApplication::palette().color(QPalette::Base));
    QCOMPARE(f.Trova<ElementoForma>("shpSA")->drawMode(), ElementoGrafico::Maschera);

    const struct {
        const char *nome, *contenitore;
        QList<int> misure;
    } posti[] = {
        {"linCampataS(4)", "picCampate", {2790, 135, 2655, 360}},
        {"linSolaioInter(1)", "picSolGen", {60, 1215, 3760, 1215}},
        {"shpSA", "picSolGen", {990, 945, 1815, 195}},
        {"lblLN", "picSolGen", {1800, 1485, 195, 210}},
        {"shpLCI(1)", "picSolaio", {2420, 360, 150, 105}},
        {"lblSCI", "picSolaio", {1350, 1125, 150, 285}},
        {"linLinkSS", "fraSez", {3015, 2340, 3420, 2700}},
        {"imgDettSolaio", "fraSez", {90, 225, 5505, 2775}},
        {"linSSI(1)", "picIng", {2835, 2205, 3015, 2115}},
    };
    for (const auto &posto : posti) {
        const QString nome = QString::fromLatin1(posto.nome);
        QCOMPARE(f.Trova(nome)->parent()->objectName(), QString::fromLatin1(posto.contenitore));
        QList<int> misure;
        if (auto *linea = f.Trova<ElementoLinea>(nome))
            misure = {linea->x1(), linea->y1(), linea->x2(), linea->y2()};
        else
            misure = {f.Twips(nome).left(), f.Twips(nome).top(), f.Twips(nome).width(),
                      f.Twips(nome).height()};
        QCOMPARE(misure, posto.misure);
    }

    for (const char *nome : {"lblLN", "Label10", "lblSS", "lblHT", "lblLCI", "lblSSI"}) {
        const QLabel *etichetta = f.Trova<QLabel>(QString::fromLatin1(nome));
        const bool riquadro = etichetta->parent() == f.Widget("picSolaio") ||
                              etichetta->parent() == f.Widget("picIng");
        QVERIFY(!etichetta->autoFillBackground());
        QCOMPARE(etichetta->font().family(), QStringLiteral("Arial"));
        QCOMPARE(etichetta->font().pointSizeF(), riquadro ? 12.0 : 8.25);
        QCOMPARE(etichetta->font().bold(), riquadro);
    }
}

void tst_DisegniInput::opzioni_data()
{
    QTest::addColumn<QStringList>("clic");
    QTest::addColumn<int>("campata");
    QTest::addColumn<int>("solaio");

    QTest::newRow("nessun clic") << QStringList() << 0 << 0;
    QTest::newRow("continuo") << QStringList{"optTipoCampata(1)"} << 1 << 0;
    QTest::newRow("continuo, poi singola")
        << QStringList{"optTipoCampata(1)", "optTipoCampata(0)"} << 0 << 0;
    QTest::newRow("singola già scelta") << QStringList{"optTipoCampata(0)"} << 0 << 0;
    QTest::newRow("continuo due volte")
        << QStringList{"optTipoCampata(1)", "optTipoCampata(1)"} << 1 << 0;
    QTest::newRow("copertura") << QStringList{"optTipoSolaio(1)"} << 0 << 1;
    QTest::newRow("copertura, poi intermedio")
        << QStringList{"optTipoSolaio(1)", "optTipoSolaio(0)"} << 0 << 0;
    QTest::newRow("intermedio già scelto") << QStringList{"optTipoSolaio(0)"} << 0 << 0;
    QTest::newRow("entrambi i gruppi")
        << QStringList{"optTipoSolaio(1)", "optTipoCampata(1)"} << 1 << 1;
    QTest::newRow("entrambi, poi indietro") << QStringList{"optTipoSolaio(1)", "optTipoCampata(1)",
                                                           "optTipoCampata(0)", "optTipoSolaio(0)"}
                                            << 0 << 0;
}

// The groups are independent; the drawing follows the last choice of each,
// and going back restores exactly the earlier drawing.
void tst_DisegniInput::opzioni()
{
    QFETCH(QStringList, clic);
    QFETCH(int, campata);
    QFETCH(int, solaio);

    Finestra f;
    QVERIFY(f.Apri());
    const QStringList iniziale = f.Istantanea();
    for (const QString &opzione : clic)
        f.Trova<QRadioButton>(opzione)->click();
    QCOMPARE(DifferenzeOpzioni(f, campata, solaio), QStringList());
    QCOMPARE(f.Differenze(QString()), QStringList());
    if (campata == 0 && solaio == 0)
        QCOMPARE(f.Istantanea(), iniziale);
}

void tst_DisegniInput::fuoco_data()
{
    QTest::addColumn<QStringList>("passi");
    QTest::addColumn<QString>("evidenziato");

    const QString nessuno;
    QTest::newRow("LC") << QStringList{LC} << LC;
    QTest::newRow("CF") << QStringList{CF} << CF;
    QTest::newRow("LC, Tab a q") << QStringList{LC, Tab} << Q;
    QTest::newRow("q, poi LC") << QStringList{Q, LC} << LC;
    QTest::newRow("CF, Tab a SS") << QStringList{CF, Tab} << SS;
    QTest::newRow("SS, poi CF") << QStringList{SS, CF} << CF;
    QTest::newRow("SS, Tab a LC") << QStringList{SS, Tab} << LC;
    QTest::newRow("LC, poi CF") << QStringList{LC, CF} << CF;
    QTest::newRow("SS, poi q") << QStringList{SS, Q} << Q;
    QTest::newRow("LC, poi Calcola") << QStringList{LC, "cmdCalcola"} << nessuno;
    QTest::newRow("q, Tab a Stampa") << QStringList{Q, Tab} << nessuno;
    QTest::newRow("CF, poi un'opzione") << QStringList{CF, "optTipoSolaio(0)"} << nessuno;
    QTest::newRow("SS, Calcola, di nuovo SS") << QStringList{SS, "cmdCalcola", SS} << SS;
}

// Exactly the focused field's quantity is red, in its sketch and its inset;
// leaving a field restores the colours and closes the inset.
void tst_DisegniInput::fuoco()
{
    QFETCH(QStringList, passi);
    QFETCH(QString, evidenziato);

    Finestra f;
    QVERIFY(f.Apri());
    for (const QString &passo : passi)
        f.Vai(passo);
    if (!evidenziato.isEmpty())
        QCOMPARE(QApplication::focusWidget(), f.Widget(evidenziato));
    QCOMPARE(f.Differenze(evidenziato), QStringList());
    QCOMPARE(DifferenzeOpzioni(f, 0, 0), QStringList());
}

void tst_DisegniInput::ingrandimento_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QPoint>("inizio");
    // Left, top, width and height gained at each step.
    QTest::addColumn<QRect>("passoRiquadro");
    QTest::addColumn<QRect>("passoOmbra");

    const QRect schema(-80, -130, 300, 240);
    const QRect ombraSchema(-75, -125, 305, 245);
    const QRect sezione(-140, -70, 380, 260);
    const QRect ombraSezione(-135, -65, 385, 265);
    QTest::newRow("LC") << LC << "7,5" << QPoint(1400, 2100) << schema << ombraSchema;
    QTest::newRow("LC vuoto") << LC << "" << QPoint(1400, 2100) << schema << ombraSchema;
    QTest::newRow("q") << Q << "12345678901234567890" << QPoint(1400, 2100) << schema
                       << ombraSchema;
    QTest::newRow("q non numerico") << Q << "abc" << QPoint(1400, 2100) << schema << ombraSchema;
    QTest::newRow("CF") << CF << "4" << QPoint(3000, 2000) << sezione << ombraSezione;
    QTest::newRow("SS") << SS << "8" << QPoint(3000, 2000) << sezione << ombraSezione;
}

// The inset opens from an empty box at the start point and grows in ten
// steps to its final rectangle, whatever was entered; at each step the
// shadow has already taken its own, larger step.
void tst_DisegniInput::ingrandimento()
{
    QFETCH(QString, campo);
    QFETCH(QString, testo);
    QFETCH(QPoint, inizio);
    QFETCH(QRect, passoRiquadro);
    QFETCH(QRect, passoOmbra);

    Finestra f;
    QVERIFY(f.Apri());
    const bool schema = campo == LC || campo == Q;
    const QString ombra = schema ? "picOmbra" : "shpIng";
    const auto passo = [&](const QRect &p, int i) {
        return QRect(inizio.x() + p.left() * i, inizio.y() + p.top() * i, p.width() * i,
                     p.height() * i);
    };
    QList<QPair<QRect, QRect>> attesi;
    for (int i = 0; i <= 10; ++i)
        attesi << qMakePair(passo(passoOmbra, i), passo(passoRiquadro, i));

    // Twice: the second time from the other field of the same inset, so the
    // open inset closes and opens again from its start point.
    const QString altro = campo == LC ? Q : campo == Q ? LC : campo == CF ? SS : CF;
    for (int volta = 0; volta < 2; ++volta) {
        if (volta == 1)
            f.Vai(altro);
        RegistroZoom registro(f.Widget(schema ? "picSolaio" : "picIng"),
                              [&] { return f.Twips(ombra); });
        f.Vai(campo);
        QCOMPARE(registro.passi, attesi);
        if (auto *casella = f.Trova<QLineEdit>(campo))
            QTest::keyClicks(casella, testo);
        else
            f.Trova<QComboBox>(campo)->setCurrentText(testo);
        QCOMPARE(f.Differenze(campo), QStringList());
    }
    QCOMPARE(f.Widget(schema ? "picOmbra" : "picIng")->geometry(),
             RettangoloDaTwips(schema ? OmbraSolaio : RiquadroSezione));
}

void tst_DisegniInput::sovrapposizione_data()
{
    QTest::addColumn<QString>("campo");
    QTest::newRow("LC") << LC;
    QTest::newRow("SS") << SS;
}

// An open inset lies above everything else of its frame, captions included,
// and its shadow shows black along its right and lower edges.
void tst_DisegniInput::sovrapposizione()
{
    QFETCH(QString, campo);

    Finestra f;
    QVERIFY(f.Apri());
    f.Vai(campo);
    const bool schema = campo == LC;
    auto *cornice = f.Trova<AreaDisegno>(schema ? "fraSol" : "fraSez");
    auto *riquadro = f.Widget(schema ? "picSolaio" : "picIng");
    const QRect ombra = RettangoloDaTwips(schema ? OmbraSolaio : OmbraSezione);

    QWidgetList fratelli;
    for (QObject *figlio : cornice->children()) {
        if (auto *widget = qobject_cast<QWidget *>(figlio))
            fratelli << widget;
    }
    QCOMPARE(fratelli.last(), riquadro);
    if (schema)
        QCOMPARE(fratelli.at(fratelli.size() - 2), f.Widget("picOmbra"));
    else
        QCOMPARE(cornice->Elementi().last()->objectName(), QStringLiteral("shpIng"));

    const QImage immagine = Immagine(cornice);
    QCOMPARE(immagine.copy(riquadro->geometry()), Immagine(riquadro));
    const QRect destra(riquadro->geometry().right() + 1, ombra.top(),
                       ombra.right() - riquadro->geometry().right(), ombra.height());
    const QRect sotto(ombra.left(), riquadro->geometry().bottom() + 1, ombra.width(),
                      ombra.bottom() - riquadro->geometry().bottom());
    // The shadow starts 50 twips to the right and below and is 50 twips
    // larger: 100 twips show beyond the inset.
    QVERIFY(destra.width() >= 6);
    QVERIFY(sotto.height() >= 6);
    QCOMPARE(PixelDiversi(immagine, destra, Nero), 0);
    QCOMPARE(PixelDiversi(immagine, sotto, Nero), 0);
}

void tst_DisegniInput::calcoloFallito_data()
{
    QTest::addColumn<bool>("inArea");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("selezione"); // what the user selected meanwhile

    for (const bool inArea : {false, true}) {
        const auto riga = [inArea](const char *nome, const QString &prima, const QString &campo,
                                   const QString &selezione = QStringLiteral("abc")) {
            QTest::addRow("%s%s", nome, inArea ? " (area di lavoro)" : "")
                << inArea << prima << campo << selezione;
        };
        riga("Calcola, LC", "cmdCalcola", LC);
        riga("Calcola, q", "cmdCalcola", Q);
        riga("da q a LC", Q, LC);
        riga("da LC a q", LC, Q);
        riga("LC resta in LC", LC, LC);
        riga("da CF a q", CF, Q);
        riga("selezione parziale in q", LC, Q, QStringLiteral("bc"));
    }
}

// The engine puts the focus back into the faulty box and shows its warning.
// The box takes the focus while it is open and gives it back when it closes;
// the field ends highlighted exactly as after a click into it, its text
// selected as the user left it.
void tst_DisegniInput::calcoloFallito()
{
    QFETCH(bool, inArea);
    QFETCH(QString, prima);
    QFETCH(QString, campo);
    QFETCH(QString, selezione);

    QStringList atteso;
    {
        Finestra cliccata(inArea);
        QVERIFY(cliccata.Apri());
        cliccata.Trova<QLineEdit>(campo)->setText(QStringLiteral("abc"));
        cliccata.Vai(prima);
        cliccata.Vai(campo);
        atteso = cliccata.Istantanea();
    }

    Finestra f(inArea);
    QVERIFY(f.Apri());
    auto *casella = f.Trova<QLineEdit>(campo);
    casella->setText(QStringLiteral("abc"));
    f.Vai(prima);
    casella->setFocus();
    casella->setSelection(3 - selezione.size(), selezione.size());

    AvvisiAttesi attesi;
    QMessageBox avviso(QMessageBox::Warning, QStringLiteral("Calcolo Solaio"),
                       QStringLiteral("Attenzione, Valore Sovraccarico Errato!"), QMessageBox::Ok,
                       f.finestra);
    QStringList aperto;
    bool fuocoAlBox = false;
    QTimer controllo;
    QObject::connect(&controllo, &QTimer::timeout, &avviso, [&] {
        if (!avviso.isActiveWindow())
            return;
        fuocoAlBox = !casella->hasFocus();
        aperto = f.Differenze(campo);
        avviso.accept();
    });
    controllo.start(5);
    avviso.exec();
    controllo.stop();
    QVERIFY(fuocoAlBox);
    QCOMPARE(aperto, QStringList());
    QVERIFY(f.Riattiva());

    QVERIFY(casella->hasFocus());
    QCOMPARE(casella->selectedText(), selezione);
    QCOMPARE(f.Differenze(campo), QStringList());
    QCOMPARE(f.Istantanea(), atteso);
}

void tst_DisegniInput::finestraInattiva_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<QString>("evidenziato");

    QTest::newRow("LC resta") << LC << QString() << LC;
    QTest::newRow("da LC a q") << LC << Q << Q;
    QTest::newRow("da LC a Stampa") << LC << "cmdStampa" << QString();
    QTest::newRow("da SS a Esci") << SS << "cmdEsci" << QString();
    QTest::newRow("da Calcola a CF") << "cmdCalcola" << CF << CF;
}

// While another window is in front, the focus may move in code among the
// widgets of the input window; once the window is back in front the drawing
// follows where the focus went.
void tst_DisegniInput::finestraInattiva()
{
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QFETCH(QString, evidenziato);

    Finestra f;
    QVERIFY(f.Apri());
    f.Vai(prima);
    QWidget altra;
    altra.show();
    altra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&altra));
    if (!dopo.isEmpty())
        f.Widget(dopo)->setFocus(Qt::OtherFocusReason);
    QVERIFY(f.Riattiva());
    QCOMPARE(f.Differenze(evidenziato), QStringList());
}

void tst_DisegniInput::tendina_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("lista");

    QTest::newRow("CF già in CF") << CF << CF;
    QTest::newRow("da CF a SS") << CF << SS;
    QTest::newRow("da LC a CF") << LC << CF;
    QTest::newRow("da Stampa a SS") << "cmdStampa" << SS;
}

// Opening a list's popup keeps the list's highlight; choosing an item and
// closing the popup leave it as it was.
void tst_DisegniInput::tendina()
{
    QFETCH(QString, prima);
    QFETCH(QString, lista);

    Finestra f;
    QVERIFY(f.Apri());
    f.Vai(prima);
    auto *tendina = f.Trova<QComboBox>(lista);
    QTest::mouseClick(tendina, Qt::LeftButton);
    QTRY_VERIFY(tendina->view()->isVisible());
    QVERIFY(QApplication::focusWidget() != tendina);
    QCOMPARE(f.Differenze(lista), QStringList());

    QTest::keyClick(tendina->view(), Qt::Key_Down);
    QTest::keyClick(tendina->view(), Qt::Key_Return);
    QTRY_VERIFY(!tendina->view()->isVisible());
    QCOMPARE(tendina->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), tendina);
    QCOMPARE(f.Differenze(lista), QStringList());
}

// The LostFocus of LC lets pending events run. One of them may move the
// focus again before the first change has finished; the drawing still
// follows the focus, and every field can still leave and return.
void tst_DisegniInput::eventiDuranteLostFocus()
{
    Finestra f;
    QVERIFY(f.Apri());
    f.Vai(LC);
    bool eseguito = false;
    QTimer::singleShot(0, f.finestra, [&] {
        eseguito = true;
        f.Vai(Q);
    });
    f.Vai("cmdStampa");
    QVERIFY(eseguito);
    QCOMPARE(QApplication::focusWidget(), f.Widget(Q));
    QCOMPARE(f.Differenze(Q), QStringList());

    f.Vai("cmdStampa");
    QCOMPARE(f.Differenze(QString()), QStringList());
    f.Vai(LC);
    QCOMPARE(f.Differenze(LC), QStringList());
}

void tst_DisegniInput::chiusura_data()
{
    QTest::addColumn<bool>("inArea");
    QTest::addColumn<QString>("campo");

    for (const bool inArea : {false, true}) {
        for (const QString &campo : {LC, Q, CF})
            QTest::addRow("%s%s", qPrintable(campo), inArea ? " (area di lavoro)" : "")
                << inArea << campo;
    }
}

// Closing or destroying the window while a field is highlighted takes the
// highlight away with the window, and nothing of it is left running.
void tst_DisegniInput::chiusura()
{
    QFETCH(bool, inArea);
    QFETCH(QString, campo);

    {
        Finestra f(inArea);
        QVERIFY(f.Apri());
        f.Vai(campo);
        f.finestra->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<frmCalFerSol> finestra = f.finestra;
        f.finestra->close();
        QTRY_VERIFY(!finestra);
        if (!inArea)
            f.finestra = new frmCalFerSol;
    }
    {
        Finestra f(inArea);
        QVERIFY(f.Apri());
        f.Vai(campo);
    }
    QCoreApplication::processEvents();
}

QTEST_MAIN(tst_DisegniInput)
#include "tst_disegniinput.moc"
