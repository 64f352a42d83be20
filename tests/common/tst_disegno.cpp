// The windowless lines, shapes and pictures and the area that paints them.

#include "common/AreaDisegno.h"
#include "common/ElementiGrafici.h"

#include <QLocale>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

using Forma = ElementoForma::Forma;
using Riempimento = ElementoForma::Riempimento;

namespace {

const QColor Bianco(255, 255, 255);
const QColor Rosso(255, 0, 0);
const QColor Blu(0, 0, 255);
const QColor Nero(0, 0, 0);
const QColor Giallo(255, 255, 0);
const QColor Ciano(0, 255, 255);

// Twips of a whole number of pixels.
constexpr int T(int pixel)
{
    return pixel * 15;
}

void Colora(QWidget *widget, const QColor &colore)
{
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::Window, colore);
    widget->setPalette(tavolozza);
    widget->setAutoFillBackground(true);
}

// A white area of 48 x 40 pixels.
struct Area {
    QWidget finestra;
    AreaDisegno *area = new AreaDisegno(&finestra);

    Area()
    {
        Colora(area, Bianco);
        area->setGeometry(0, 0, 48, 40);
        finestra.resize(48, 40);
    }

    QImage Rendi(qreal scala = 1) const
    {
        QImage immagine(area->size() * scala, QImage::Format_ARGB32_Premultiplied);
        immagine.setDevicePixelRatio(scala);
        immagine.fill(Qt::transparent);
        area->render(&immagine);
        return immagine;
    }
};

int ContaPixel(const QImage &immagine, const QColor &colore)
{
    int quanti = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x)
            quanti += immagine.pixelColor(x, y) == colore;
    }
    return quanti;
}

// Lengths of the runs of equal colour down column x, from row 0.
QList<int> Corse(const QImage &immagine, int x, int righe)
{
    QList<int> corse{1};
    for (int y = 1; y < righe; ++y) {
        if (immagine.pixelColor(x, y) == immagine.pixelColor(x, y - 1))
            ++corse.last();
        else
            corse.append(1);
    }
    return corse;
}

} // namespace

class tst_Disegno : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void proprieta_data();
    void proprieta();
    void ridisegno();
    void ordineDiPittura();
    void linee_data();
    void linee();
    void lineaTrattoPunto();
    void bordiDelleForme_data();
    void bordiDelleForme();
    void sfondiERiempimenti();
    void tratteggi_data();
    void tratteggi();
    void pennaMaschera();
    void ricercaPerNome();
    void immagini_data();
    void immagini();
};

void tst_Disegno::proprieta_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QByteArray>("nome");
    QTest::addColumn<QVariant>("valore");

    QTest::newRow("color") << "linea" << QByteArray("color") << QVariant(Rosso);
    QTest::newRow("lineWidth") << "linea" << QByteArray("lineWidth") << QVariant(2);
    QTest::newRow("lineStyle") << "linea" << QByteArray("lineStyle")
                               << QVariant::fromValue(Qt::DashDotLine);
    QTest::newRow("visible") << "linea" << QByteArray("visible") << QVariant(false);
    QTest::newRow("drawMode") << "linea" << QByteArray("drawMode")
                              << QVariant::fromValue(ElementoGrafico::Maschera);
    QTest::newRow("borderColor") << "forma" << QByteArray("borderColor") << QVariant(Rosso);
    QTest::newRow("borderWidth") << "forma" << QByteArray("borderWidth") << QVariant(2);
    QTest::newRow("borderStyle") << "forma" << QByteArray("borderStyle")
                                 << QVariant::fromValue(Qt::NoPen);
    QTest::newRow("fillColor") << "forma" << QByteArray("fillColor") << QVariant(Rosso);
    QTest::newRow("fillStyle") << "forma" << QByteArray("fillStyle")
                               << QVariant::fromValue(ElementoForma::DiagonaliInGiu);
    QTest::newRow("backgroundColor") << "forma" << QByteArray("backgroundColor") << QVariant(Rosso);
    QTest::newRow("backgroundOpaque")
        << "forma" << QByteArray("backgroundOpaque") << QVariant(true);
    QTest::newRow("left") << "forma" << QByteArray("left") << QVariant(1650);
    QTest::newRow("top") << "forma" << QByteArray("top") << QVariant(1350);
    QTest::newRow("width") << "forma" << QByteArray("width") << QVariant(3850);
    QTest::newRow("height") << "forma" << QByteArray("height") << QVariant(2650);
}

// Each property reads back what was written, announces the change once and
// leaves the other properties alone.
void tst_Disegno::proprieta()
{
    QFETCH(QString, tipo);
    QFETCH(QByteArray, nome);
    QFETCH(QVariant, valore);

    Area a;
    ElementoGrafico *elemento = nullptr;
    if (tipo == "linea")
        elemento = new ElementoLinea(a.area, "lin", 1, 2, 3, 4);
    else
        elemento = new ElementoForma(a.area, "shp", ElementoForma::Rettangolo, 1, 2, 3, 4);

    const QMetaObject *meta = elemento->metaObject();
    QVariantMap prima;
    for (int i = 0; i < meta->propertyCount(); ++i)
        prima.insert(meta->property(i).name(), meta->property(i).read(elemento));
    QVERIFY(meta->indexOfProperty(nome) >= 0);
    QVERIFY(prima.value(nome) != valore);

    QSignalSpy cambi(elemento, &ElementoGrafico::cambiato);
    QVERIFY(elemento->setProperty(nome, valore));
    QCOMPARE(elemento->property(nome), valore);
    QCOMPARE(cambi.count(), 1);
    QVERIFY(elemento->setProperty(nome, valore));
    QCOMPARE(cambi.count(), 1);

    for (auto it = prima.cbegin(); it != prima.cend(); ++it) {
        if (it.key() != nome)
            QCOMPARE(elemento->property(it.key().toLatin1()), it.value());
    }
}

void tst_Disegno::ridisegno()
{
    class Contatore : public QObject {
    public:
        int pitture = 0;
        bool eventFilter(QObject *, QEvent *evento) override
        {
            pitture += evento->type() == QEvent::Paint;
            return false;
        }
    } contatore;

    Area a;
    auto *linea = new ElementoLinea(a.area, "lin", 0, T(5), T(40), T(5));
    auto *forma = new ElementoForma(a.area, "shp", ElementoForma::Rettangolo, 0, 0, T(9), T(9));
    a.finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a.finestra));
    a.area->installEventFilter(&contatore);

    linea->setColor(Rosso);
    QTRY_VERIFY(contatore.pitture > 0);
    contatore.pitture = 0;
    forma->setTop(T(3));
    QTRY_VERIFY(contatore.pitture > 0);

    // A deleted element leaves the area and its picture goes with it.
    contatore.pitture = 0;
    delete linea;
    QCOMPARE(a.area->Elementi(), QList<ElementoGrafico *>{forma});
    QTRY_VERIFY(contatore.pitture > 0);
    QCOMPARE(ContaPixel(a.Rendi(), Rosso), 0);
}

// Elements are painted in the order they were made, all beneath the child
// widgets of their area.
void tst_Disegno::ordineDiPittura()
{
    Area a;
    auto *sotto = new ElementoForma(a.area, "sotto", ElementoForma::Rettangolo, 0, 0, T(20), T(20));
    auto *sopra =
        new ElementoForma(a.area, "sopra", ElementoForma::Rettangolo, T(10), T(10), T(20), T(20));
    for (auto [forma, colore] : {std::pair{sotto, Rosso}, std::pair{sopra, Blu}}) {
        forma->setBackgroundColor(colore);
        forma->setBackgroundOpaque(true);
        forma->setBorderStyle(Qt::NoPen);
    }
    auto *figlio = new QWidget(a.area);
    figlio->setGeometry(25, 25, 10, 10);
    Colora(figlio, Giallo);

    QCOMPARE(a.area->Elementi(), (QList<ElementoGrafico *>{sotto, sopra}));
    const QImage immagine = a.Rendi();
    QCOMPARE(immagine.pixelColor(5, 5), Rosso);
    QCOMPARE(immagine.pixelColor(15, 15), Blu);
    QCOMPARE(immagine.pixelColor(27, 27), Giallo);
    QCOMPARE(immagine.pixelColor(40, 40 - 5), Bianco);
}

void tst_Disegno::linee_data()
{
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<bool>("orizzontale");
    QTest::addColumn<qreal>("scala");
    QTest::addColumn<int>("primo");    // first covered pixel, from the line's own
    QTest::addColumn<int>("spessore"); // pixels covered across the line
    QTest::addColumn<ElementoGrafico::ModoDisegno>("modo");

    const auto copia = ElementoGrafico::Copia;
    const auto maschera = ElementoGrafico::Maschera;
    QTest::newRow("1 pixel") << 1 << true << 1.0 << 0 << 1 << copia;
    QTest::newRow("2 pixel") << 2 << true << 1.0 << -1 << 2 << copia;
    QTest::newRow("3 pixel") << 3 << true << 1.0 << -1 << 3 << copia;
    QTest::newRow("verticale 1 pixel") << 1 << false << 1.0 << 0 << 1 << copia;
    QTest::newRow("verticale 2 pixel") << 2 << false << 1.0 << -1 << 2 << copia;
    QTest::newRow("1 pixel a scala 2") << 1 << true << 2.0 << 0 << 1 << copia;
    QTest::newRow("2 pixel a scala 2") << 2 << true << 2.0 << -1 << 2 << copia;
    QTest::newRow("verticale 2 pixel a scala 2") << 2 << false << 2.0 << -1 << 2 << copia;
    QTest::newRow("1 pixel a maschera") << 1 << true << 1.0 << 0 << 1 << maschera;
    QTest::newRow("2 pixel a maschera") << 2 << false << 1.0 << -1 << 2 << maschera;
    QTest::newRow("2 pixel a maschera, scala 2") << 2 << true << 2.0 << -1 << 2 << maschera;
}

// A line covers whole pixels of pure colour, the same band at every scale,
// from its first point to its last.
void tst_Disegno::linee()
{
    QFETCH(int, larghezza);
    QFETCH(bool, orizzontale);
    QFETCH(qreal, scala);
    QFETCH(int, primo);
    QFETCH(int, spessore);
    QFETCH(ElementoGrafico::ModoDisegno, modo);

    Area a;
    auto *linea = orizzontale ? new ElementoLinea(a.area, "lin", T(5), T(10), T(30), T(10))
                              : new ElementoLinea(a.area, "lin", T(10), T(5), T(10), T(30));
    linea->setColor(Rosso);
    linea->setLineWidth(larghezza);
    linea->setDrawMode(modo);
    QImage immagine = a.Rendi(scala);
    if (!orizzontale)
        immagine = immagine.transformed(QTransform(0, 1, 1, 0, 0, 0));

    const int s = qRound(scala);
    for (int y = s * 6; y < s * 14; ++y) {
        const bool coperta = y >= s * (10 + primo) && y < s * (10 + primo + spessore);
        QCOMPARE(immagine.pixelColor(s * 17, y) == Rosso, coperta);
    }
    QCOMPARE(ContaPixel(immagine, Rosso), (26 + spessore - 1) * s * spessore * s);

    linea->setVisible(false);
    QCOMPARE(ContaPixel(a.Rendi(scala), Rosso), 0);
    linea->setVisible(true);
    linea->setLineStyle(Qt::NoPen);
    QCOMPARE(ContaPixel(a.Rendi(scala), Rosso), 0);
}

// An axis line repeats dash 9, gap 6, dot 3, gap 6 from its first point.
void tst_Disegno::lineaTrattoPunto()
{
    Area a;
    auto *asse = new ElementoLinea(a.area, "Line19", T(10), 0, T(10), T(39));
    asse->setLineStyle(Qt::DashDotLine);
    const QImage immagine = a.Rendi();
    QCOMPARE(immagine.pixelColor(10, 0), Nero);
    QCOMPARE(Corse(immagine, 10, 40).mid(0, 5), (QList<int>{9, 6, 3, 6, 9}));
}

void tst_Disegno::bordiDelleForme_data()
{
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<qreal>("scala");

    QTest::newRow("1 pixel") << 1 << 1.0;
    QTest::newRow("2 pixel") << 2 << 1.0;
    QTest::newRow("2 pixel a scala 2") << 2 << 2.0;
}

// A rectangle's border lies inside its box, whole pixels wide.
void tst_Disegno::bordiDelleForme()
{
    QFETCH(int, larghezza);
    QFETCH(qreal, scala);

    Area a;
    const QColor navy(0, 0, 128);
    auto *forma =
        new ElementoForma(a.area, "Shape7", ElementoForma::Rettangolo, T(5), T(5), T(20), T(12));
    forma->setBorderColor(navy);
    forma->setBorderWidth(larghezza);
    const QImage immagine = a.Rendi(scala);
    const int s = qRound(scala);
    for (int x = 3 * s; x < 10 * s; ++x)
        QCOMPARE(immagine.pixelColor(x, 10 * s) == navy, x >= 5 * s && x < (5 + larghezza) * s);
    const int perimetro = 2 * (20 + 12) * larghezza - 4 * larghezza * larghezza;
    QCOMPARE(ContaPixel(immagine, navy), perimetro * s * s);
}

void tst_Disegno::sfondiERiempimenti()
{
    Area a;
    Colora(a.area, Giallo);
    // Transparent: its ground must leave the yellow showing.
    new ElementoForma(a.area, "trasparente", ElementoForma::Rettangolo, 0, 0, T(20), T(20));
    auto *opaco =
        new ElementoForma(a.area, "opaco", ElementoForma::Rettangolo, T(24), 0, T(20), T(20));
    opaco->setBackgroundColor(Blu);
    opaco->setBackgroundOpaque(true);
    // A circle in a wider box takes the box's height and stands in its middle.
    auto *cerchio =
        new ElementoForma(a.area, "shpLCI(0)", ElementoForma::Cerchio, T(4), T(24), T(40), T(14));
    cerchio->setFillStyle(ElementoForma::Pieno);
    cerchio->setFillColor(Rosso);
    cerchio->setBorderColor(Rosso);

    const QImage immagine = a.Rendi();
    QCOMPARE(immagine.pixelColor(10, 10), Giallo);
    QCOMPARE(immagine.pixelColor(0, 10), Nero);
    QCOMPARE(immagine.pixelColor(34, 10), Blu);
    QCOMPARE(immagine.pixelColor(24, 10), Nero);
    QCOMPARE(immagine.pixelColor(24, 31), Rosso);
    QCOMPARE(immagine.pixelColor(24, 26), Rosso);
    QCOMPARE(immagine.pixelColor(15, 31), Giallo);
    QCOMPARE(immagine.pixelColor(33, 31), Giallo);
}

void tst_Disegno::tratteggi_data()
{
    QTest::addColumn<Riempimento>("riempimento");
    QTest::addColumn<int>("perX");
    QTest::addColumn<int>("perY"); // a pixel is hatched if perX*x + perY*y is a multiple of 8

    QTest::newRow("linee verticali") << ElementoForma::LineeVerticali << 1 << 0;
    QTest::newRow("diagonali in giu") << ElementoForma::DiagonaliInGiu << 1 << -1;
}

// Hatches keep to one grid of the area, so overlapping shapes join without
// a seam; a hatch without border stays inside its box.
void tst_Disegno::tratteggi()
{
    QFETCH(Riempimento, riempimento);
    QFETCH(int, perX);
    QFETCH(int, perY);

    Area a;
    const QList<QRect> riquadri{QRect(3, 2, 25, 18), QRect(13, 15, 30, 20)};
    for (const QRect &r : riquadri) {
        auto *forma = new ElementoForma(a.area, "shp", ElementoForma::Rettangolo, T(r.x()),
                                        T(r.y()), T(r.width()), T(r.height()));
        forma->setFillStyle(riempimento);
        forma->setBorderStyle(Qt::NoPen);
    }
    const QImage immagine = a.Rendi();
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const bool dentro = riquadri[0].contains(x, y) || riquadri[1].contains(x, y);
            const bool tratteggio = dentro && (perX * x + perY * y) % 8 == 0;
            QCOMPARE(immagine.pixelColor(x, y), tratteggio ? Nero : Bianco);
        }
    }
}

// In mask mode each pixel becomes the AND of the colour and the ground.
void tst_Disegno::pennaMaschera()
{
    Area a;
    for (auto [x, colore] : {std::pair{0, Giallo}, std::pair{24, Ciano}}) {
        auto *fondo =
            new ElementoForma(a.area, "fondo", ElementoForma::Rettangolo, T(x), 0, T(24), T(40));
        fondo->setBackgroundColor(colore);
        fondo->setBackgroundOpaque(true);
        fondo->setBorderStyle(Qt::NoPen);
    }
    auto *shpSA =
        new ElementoForma(a.area, "shpSA", ElementoForma::Rettangolo, T(4), T(4), T(40), T(20));
    shpSA->setFillStyle(ElementoForma::LineeVerticali);
    shpSA->setDrawMode(ElementoGrafico::Maschera);

    // Transparent: only the border and the hatch darken the ground.
    QImage immagine = a.Rendi();
    QCOMPARE(immagine.pixelColor(4, 10), Nero);
    QCOMPARE(immagine.pixelColor(16, 10), Nero);
    QCOMPARE(immagine.pixelColor(10, 10), Giallo);
    QCOMPARE(immagine.pixelColor(30, 10), Ciano);

    shpSA->setBackgroundColor(Rosso);
    shpSA->setBorderColor(Rosso);
    shpSA->setBackgroundOpaque(true);
    immagine = a.Rendi();
    QCOMPARE(immagine.pixelColor(10, 10), Rosso);
    QCOMPARE(immagine.pixelColor(30, 10), Nero);
    QCOMPARE(immagine.pixelColor(4, 10), Rosso);
    QCOMPARE(immagine.pixelColor(16, 10), Nero);
    QCOMPARE(immagine.pixelColor(10, 30), Giallo);
}

void tst_Disegno::ricercaPerNome()
{
    QWidget finestra;
    finestra.setObjectName("frmCalFerSol");
    auto *picCampate = new AreaDisegno(&finestra);
    picCampate->setObjectName("picCampate");
    for (int i = 0; i <= 12; ++i)
        new ElementoLinea(picCampate, NomeInMatrice("linCampata", i), 0, 0, 1, 1);

    auto *linea = finestra.findChild<ElementoLinea *>("linCampata(12)");
    QVERIFY(linea);
    QCOMPARE(linea->area(), picCampate);
    QCOMPARE(picCampate->Elementi().indexOf(linea), 12);
    QCOMPARE(finestra.findChildren<ElementoGrafico *>().size(), 13);
    QVERIFY(!finestra.findChild<ElementoForma *>("linCampata(12)"));
}

void tst_Disegno::immagini_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("pixel");

    QTest::newRow("sezione del solaio") << ":/windows/imgDettSolaio.svg" << QSize(367, 185);
    QTest::newRow("pannelli") << ":/windows/Pannelli.svg" << QSize(90, 69);
    QTest::newRow("sfondo del calcolo") << ":/windows/SfondoCalcolo.svg" << QSize(784, 484);
    QTest::newRow("sfondo dei risultati") << ":/windows/SfondoRisultati.svg" << QSize(774, 475);
    QTest::newRow("marchio") << ":/info/Logo.svg" << QSize(298, 292);
}

// Each picture is drawn at the pixel size of the box it fills, so what lies
// over it lines up, and it paints within its box only; drawn afresh from its
// vectors it looks the same, up to the smoothing of its edges.
void tst_Disegno::immagini()
{
    QFETCH(QString, file);
    QFETCH(QSize, pixel);

    QSvgRenderer svg(file);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), pixel);
    QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), pixel));

    Area a;
    auto *elemento = new ElementoImmagine(a.area, "img", file, T(4), T(4), T(40), T(30));
    const QImage immagine = a.Rendi(2);
    const QRect riquadro(8, 8, 80, 60);
    int dipinti = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const bool bianco = immagine.pixelColor(x, y) == Bianco;
            if (!riquadro.contains(x, y))
                QVERIFY(bianco);
            dipinti += !bianco;
        }
    }
    QVERIFY(dipinti > 0);

    elemento->setVettoriale(true);
    const QImage vettoriale = a.Rendi(2);
    int diversi = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const QColor prima = immagine.pixelColor(x, y);
            const QColor dopo = vettoriale.pixelColor(x, y);
            if (!riquadro.contains(x, y))
                QCOMPARE(dopo, Bianco);
            diversi += qAbs(prima.red() - dopo.red()) + qAbs(prima.green() - dopo.green()) +
                           qAbs(prima.blue() - dopo.blue()) >
                       48;
        }
    }
    QVERIFY2(diversi * 20 < riquadro.width() * riquadro.height(),
             qPrintable(QStringLiteral("%1 pixels differ").arg(diversi)));
}

QTEST_MAIN(tst_Disegno)
#include "tst_disegno.moc"
