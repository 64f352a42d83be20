#include "DisegniInput.h"

#include "common/AreaDisegno.h"
#include "common/Aspetto.h"
#include "common/ElementiGrafici.h"
#include "common/Twips.h"
#include "frmCalFerSol.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using Aspetto::Arial;
using Aspetto::Bianco;
using Aspetto::Blu;
using Aspetto::ColoraSfondo;
using Aspetto::ColoraTesto;
using Aspetto::Nero;
using Aspetto::Rosso;

const QColor Grigio(224, 224, 224);

// Captions in the sketches use the window's font; those in the insets are
// large, so they read at a glance while the inset is open.
QFont FontSchizzo()
{
    return Arial(8.25);
}

QFont FontRiquadro()
{
    return Arial(12, true);
}

// A caption of a sketch, placed by its name: only its text shows, the
// drawing beneath stays visible.
QLabel *DidascaliaSchizzo(QWidget *contenitore, const QString &nome, const QString &testo,
                          const QFont &font, int left, int top, int width, int height)
{
    QLabel *etichetta = Aspetto::Etichetta(contenitore, testo, font);
    etichetta->setObjectName(nome);
    etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PosizionaInTwips(etichetta, left, top, width, height);
    return etichetta;
}

ElementoLinea *Linea(AreaDisegno *area, const QString &nome, int x1, int y1, int x2, int y2,
                     int larghezza = 1)
{
    auto *linea = new ElementoLinea(area, nome, x1, y1, x2, y2);
    linea->setLineWidth(larghezza);
    return linea;
}

ElementoForma *Rettangolo(AreaDisegno *area, const QString &nome, int left, int top, int width,
                          int height)
{
    return new ElementoForma(area, nome, ElementoForma::Rettangolo, left, top, width, height);
}

// A grey opaque block without border: the faces are drawn as lines of their own.
ElementoForma *Blocco(AreaDisegno *area, const QString &nome, int left, int top, int width,
                      int height)
{
    auto *blocco = Rettangolo(area, nome, left, top, width, height);
    blocco->setBorderStyle(Qt::NoPen);
    blocco->setBackgroundColor(Grigio);
    blocco->setBackgroundOpaque(true);
    return blocco;
}

// A white or light box that opens over a sketch, with a thin outline so it
// stands apart from the sketch beneath.
AreaDisegno *Riquadro(QWidget *contenitore, const char *nome, const QColor &sfondo)
{
    auto *riquadro = new AreaDisegno(contenitore);
    riquadro->setObjectName(QString::fromLatin1(nome));
    riquadro->setFrameStyle(QFrame::Box | QFrame::Plain);
    ColoraSfondo(riquadro, sfondo, true);
    riquadro->hide();
    return riquadro;
}

// An inset grows from a point to its final rectangle in ten equal steps.
// Its shadow takes steps 5 twips larger in every measure, so it ends 50 twips
// further right and down, and 50 twips wider and higher.
struct Ingrandimento {
    QPoint inizio;
    QRect finale;

    static constexpr int Passi = 10;
    static constexpr int ScartoOmbra = 5;

    QRect Riquadro(int passo, int scarto = 0) const
    {
        return QRect(inizio.x() + ((finale.left() - inizio.x()) / Passi + scarto) * passo,
                     inizio.y() + ((finale.top() - inizio.y()) / Passi + scarto) * passo,
                     (finale.width() / Passi + scarto) * passo,
                     (finale.height() / Passi + scarto) * passo);
    }
    QRect Ombra(int passo) const { return Riquadro(passo, ScartoOmbra); }
};

const Ingrandimento ZoomSchema{{1400, 2100}, {600, 800, 3000, 2400}};
const Ingrandimento ZoomSezione{{3000, 2000}, {1600, 1300, 3800, 2600}};

void Posiziona(QWidget *widget, const QRect &twips)
{
    PosizionaInTwips(widget, twips.left(), twips.top(), twips.width(), twips.height());
}

void Posiziona(ElementoForma *forma, const QRect &twips)
{
    forma->setTop(twips.top());
    forma->setLeft(twips.left());
    forma->setWidth(twips.width());
    forma->setHeight(twips.height());
}

// Shadow first, then the inset, at every step: both start as an empty box
// at the start point and grow back to back, with no pause between steps.
template <typename Ombra>
void Ingrandisci(const Ingrandimento &zoom, Ombra *ombra, QWidget *riquadro)
{
    const QRect inizio(zoom.inizio, QSize(0, 0));
    Posiziona(ombra, inizio);
    ombra->setVisible(true);
    Posiziona(riquadro, inizio);
    riquadro->setVisible(true);
    for (int passo = 1; passo <= Ingrandimento::Passi; ++passo) {
        Posiziona(ombra, zoom.Ombra(passo));
        Posiziona(riquadro, zoom.Riquadro(passo));
    }
}

} // namespace

DisegniInput::DisegniInput(frmCalFerSol *finestra)
    : QObject(finestra)
    , finestra(finestra)
{
    setObjectName(QStringLiteral("DisegniInput"));
    CreaSchemiStatici();
    CreaSchemaEdificio();
    CreaRiquadroSolaio();
    CreaSezione();
    CreaRiquadroSezione();
    CreaCampi();
    // A field can also lose the focus while its window is inactive, to a
    // widget that then takes it on its own when the window comes back. Focus
    // going nowhere is left to the field's FocusOut: it also happens while
    // the window is being destroyed, when the drawings may be gone.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ora) {
        if (ora)
            ControllaFuocoPerso();
    });
}

// The single span above, the continuous beam on four supports below.
void DisegniInput::CreaSchemiStatici()
{
    AreaDisegno *area = finestra->picCampate;
    const int campataS[7][4] = {{450, 135, 315, 360},   {585, 360, 315, 360},
                                {585, 360, 450, 135},   {2925, 360, 2655, 360},
                                {2790, 135, 2655, 360}, {2925, 360, 2790, 135},
                                {450, 135, 2790, 135}};
    for (int i = 0; i < 7; ++i) {
        const auto &p = campataS[i];
        linCampataS[i] =
            Linea(area, NomeInMatrice(QStringLiteral("linCampataS"), i), p[0], p[1], p[2], p[3]);
    }
    linCampataS[6]->setColor(Nero);

    const int campata[13][4] = {
        {270, 540, 135, 765},   {405, 765, 135, 765},   {405, 765, 270, 540},
        {2295, 765, 2025, 765}, {2160, 540, 2025, 765}, {2295, 765, 2160, 540},
        {3060, 540, 2925, 765}, {3195, 765, 2925, 765}, {3195, 765, 3060, 540},
        {1350, 765, 1080, 765}, {1215, 540, 1080, 765}, {1350, 765, 1215, 540},
        {270, 540, 3060, 540}};
    for (int i = 0; i < 13; ++i) {
        const auto &p = campata[i];
        linCampata[i] =
            Linea(area, NomeInMatrice(QStringLiteral("linCampata"), i), p[0], p[1], p[2], p[3]);
    }
}

// A three-storey frame: outline, slabs, two columns on footings, the ground;
// the load on the middle slab and the span between the columns.
void DisegniInput::CreaSchemaEdificio()
{
    AreaDisegno *area = finestra->picSolGen;
    Rettangolo(area, QStringLiteral("Shape12"), 45, 90, 3750, 2580);
    Rettangolo(area, QStringLiteral("Shape26"), 45, 585, 3750, 105);
    Rettangolo(area, QStringLiteral("Shape27"), 45, 1170, 3750, 105);
    Rettangolo(area, QStringLiteral("Shape28"), 45, 1710, 3750, 105);
    Rettangolo(area, QStringLiteral("Shape22"), 900, 585, 105, 1680);
    Rettangolo(area, QStringLiteral("Shape24"), 2790, 585, 105, 1680);
    Rettangolo(area, QStringLiteral("Shape23"), 765, 2250, 375, 240);
    Rettangolo(area, QStringLiteral("Shape25"), 2655, 2250, 375, 240);
    Linea(area, QStringLiteral("Line31"), 45, 2250, 3780, 2250);
    DidascaliaSchizzo(area, QStringLiteral("Label10"), QStringLiteral("q"), FontSchizzo(), 1845,
                      720, 90, 210);

    linSolaioCoper = Linea(area, QStringLiteral("linSolaioCoper"), 60, 630, 3760, 630, 3);
    linSolaioInter[1] =
        Linea(area, NomeInMatrice(QStringLiteral("linSolaioInter"), 1), 60, 1215, 3760, 1215, 3);
    linSolaioInter[0] =
        Linea(area, NomeInMatrice(QStringLiteral("linSolaioInter"), 0), 60, 1755, 3760, 1755, 3);
    for (ElementoLinea *linea : {linSolaioCoper, linSolaioInter[1], linSolaioInter[0]})
        linea->setColor(Blu);
    linSolaioCoper->setVisible(false);
    linSolaioInter[1]->setVisible(false);

    // Drawn as a mask, so the red ground of the highlight tints the paper
    // without covering the column it overlaps.
    shpSA = Rettangolo(area, QStringLiteral("shpSA"), 990, 945, 1815, 195);
    shpSA->setFillStyle(ElementoForma::LineeVerticali);
    shpSA->setBorderColor(Nero);
    shpSA->setBackgroundColor(Nero);
    shpSA->setDrawMode(ElementoGrafico::Maschera);

    linLC[0] = Linea(area, NomeInMatrice(QStringLiteral("linLC"), 0), 975, 1485, 2835, 1485);
    linLC[1] = Linea(area, NomeInMatrice(QStringLiteral("linLC"), 1), 945, 1440, 990, 1530);
    linLC[2] = Linea(area, NomeInMatrice(QStringLiteral("linLC"), 2), 2820, 1440, 2855, 1530);
    lblLN = DidascaliaSchizzo(area, QStringLiteral("lblLN"), QStringLiteral("LC"), FontSchizzo(),
                              1800, 1485, 195, 210);
}

// One bay between two columns, seen from the side, with the span between the
// column axes and the load on the lower slab. The shadow is created first so
// it lies beneath the inset; both lie above the building sketch.
void DisegniInput::CreaRiquadroSolaio()
{
    picOmbra = new QWidget(finestra->fraSol);
    picOmbra->setObjectName(QStringLiteral("picOmbra"));
    ColoraSfondo(picOmbra, Nero, true);
    picOmbra->hide();
    Posiziona(picOmbra, ZoomSchema.Ombra(Ingrandimento::Passi));

    picSolaio = Riquadro(finestra->fraSol, "picSolaio", Bianco);
    Posiziona(picSolaio, ZoomSchema.Riquadro(Ingrandimento::Passi));
    picOmbra->raise();
    picSolaio->raise();

    AreaDisegno *area = picSolaio;
    const struct {
        const char *nome;
        int left, top, width, height;
    } blocchi[] = {{"Shape13", 0, 0, 330, 690},       {"Shape15", 585, 0, 1770, 690},
                   {"Shape16", 2610, 0, 375, 690},    {"Shape14", 0, 855, 330, 1050},
                   {"Shape17", 585, 855, 1770, 1050}, {"Shape18", 2610, 855, 375, 1050},
                   {"Shape19", 0, 2070, 330, 330},    {"Shape20", 585, 2070, 1770, 330},
                   {"Shape21", 2610, 2070, 375, 330}};
    for (const auto &b : blocchi)
        Blocco(area, QString::fromLatin1(b.nome), b.left, b.top, b.width, b.height);

    Linea(area, QStringLiteral("Line25"), 0, 675, 2970, 675);
    Linea(area, QStringLiteral("Line26"), 0, 855, 2970, 855);
    Linea(area, QStringLiteral("Line23"), 0, 1890, 2970, 1890);
    Linea(area, QStringLiteral("Line24"), 0, 2070, 2970, 2070);
    Linea(area, QStringLiteral("Line9"), 315, 0, 315, 2385);
    Linea(area, QStringLiteral("Line15"), 585, 0, 585, 2340);
    Linea(area, QStringLiteral("Line20"), 2340, 0, 2340, 2385);
    Linea(area, QStringLiteral("Line21"), 2610, 0, 2610, 2340);
    Linea(area, QStringLiteral("Line19"), 450, 0, 450, 2385)->setLineStyle(Qt::DashDotLine);
    Linea(area, QStringLiteral("Line22"), 2475, 0, 2475, 2385)->setLineStyle(Qt::DashDotLine);

    linLCI = Linea(area, QStringLiteral("linLCI"), 450, 405, 2475, 405);
    shpLCI[0] = new ElementoForma(area, NomeInMatrice(QStringLiteral("shpLCI"), 0),
                                  ElementoForma::Cerchio, 390, 360, 150, 105);
    shpLCI[1] = new ElementoForma(area, NomeInMatrice(QStringLiteral("shpLCI"), 1),
                                  ElementoForma::Cerchio, 2420, 360, 150, 105);
    for (ElementoForma *punto : shpLCI)
        punto->setFillStyle(ElementoForma::Pieno);
    lblLCI = DidascaliaSchizzo(area, QStringLiteral("lblLCI"), QStringLiteral("LC"), FontRiquadro(),
                               1260, 90, 330, 285);
    shpSCI = Rettangolo(area, QStringLiteral("shpSCI"), 585, 1485, 1770, 330);
    shpSCI->setFillStyle(ElementoForma::LineeVerticali);
    lblSCI = DidascaliaSchizzo(area, QStringLiteral("lblSCI"), QStringLiteral("q"), FontRiquadro(),
                               1350, 1125, 150, 285);
}

// The section picture with its captions and leader lines, the CF and SS
// dimensions, and the inset's shadow last, above every other element.
void DisegniInput::CreaSezione()
{
    AreaDisegno *area = finestra->fraSez;
    new ElementoImmagine(area, QStringLiteral("imgDettSolaio"),
                         QStringLiteral(":/windows/imgDettSolaio.svg"), 90, 225, 5505, 2775);

    const struct {
        const char *nome;
        const char *testo;
        int left, top, width;
    } didascalie[] = {{"lblSolaioCA", "Solaio C.A.", 450, 405, 825},
                      {"lblPannello", "Pannello in Polistirene Espanso", 3015, 315, 2325},
                      {"lblHC", "HC", 2070, 675, 240},
                      {"lblHT", "HT", 2025, 1575, 240},
                      {"lblArmatura", "Armatura Acc.", 1080, 2475, 1170}};
    for (const auto &d : didascalie)
        DidascaliaSchizzo(area, QString::fromLatin1(d.nome), QString::fromLatin1(d.testo),
                          FontSchizzo(), d.left, d.top, d.width, 210);

    const int richiami[12][4] = {
        {1135, 2000, 1135, 1170}, {1200, 2070, 1200, 1170}, {1260, 630, 1620, 1035},
        {4420, 2025, 4420, 2430}, {1230, 630, 450, 630},    {3015, 540, 5265, 540},
        {3915, 1575, 3015, 540},  {2295, 945, 2295, 1170},  {2295, 2205, 2295, 1170},
        {2700, 2160, 2205, 2700}, {3060, 2115, 2205, 2700}, {1080, 2700, 2250, 2700}};
    for (int i = 0; i < 12; ++i) {
        const auto &p = richiami[i];
        Linea(area, NomeInMatrice(QStringLiteral("linRichiamo"), i), p[0], p[1], p[2], p[3]);
    }
    const int tacche[7][4] = {{2205, 900, 2385, 990},   {2205, 1125, 2385, 1215},
                              {2205, 2160, 2385, 2250}, {3060, 2250, 2970, 2205},
                              {3060, 2475, 2925, 2385}, {3465, 2160, 3375, 2115},
                              {3465, 2250, 3375, 2205}};
    for (int i = 0; i < 7; ++i) {
        const auto &p = tacche[i];
        Linea(area, NomeInMatrice(QStringLiteral("linTacca"), i), p[0], p[1], p[2], p[3]);
    }

    linCF = Linea(area, QStringLiteral("linCF"), 3440, 2145, 3440, 2235);
    lblCF = DidascaliaSchizzo(area, QStringLiteral("lblCF"), QStringLiteral("CF"), FontSchizzo(),
                              3600, 2070, 195, 210);
    linSS = Linea(area, QStringLiteral("linSS"), 3015, 2205, 3015, 2430);
    linLinkSS = Linea(area, QStringLiteral("linLinkSS"), 3015, 2340, 3420, 2700);
    lblSS = DidascaliaSchizzo(area, QStringLiteral("lblSS"), QStringLiteral("SS"), FontSchizzo(),
                              3465, 2610, 210, 210);

    const QRect ombra = ZoomSezione.Ombra(Ingrandimento::Passi);
    shpIng = Rettangolo(area, QStringLiteral("shpIng"), ombra.left(), ombra.top(), ombra.width(),
                        ombra.height());
    shpIng->setBorderColor(Nero);
    shpIng->setBackgroundColor(Nero);
    shpIng->setBackgroundOpaque(true);
    shpIng->setVisible(false);
}

// The bottom of the joist enlarged: concrete, bars, the polystyrene beneath,
// and the CF and SS dimensions that share the joist bottom.
void DisegniInput::CreaRiquadroSezione()
{
    // White, as the ground of a text box.
    picIng = Riquadro(finestra->fraSez, "picIng", Bianco);
    Posiziona(picIng, ZoomSezione.Riquadro(Ingrandimento::Passi));
    // Above the captions of the section, which would otherwise show through.
    picIng->raise();

    AreaDisegno *area = picIng;
    // Beneath the polystyrene's bottom face, so that face keeps its width.
    Blocco(area, QStringLiteral("shpPolistirene"), 0, 2160, 3795, 420);

    const int calcestruzzo[6][4] = {{720, -45, 1545, 510}, {585, 540, 195, 285},
                                    {495, 810, 285, 825},  {765, 405, 1500, 1230},
                                    {2250, 540, 195, 285}, {2250, 810, 285, 825}};
    for (int i = 0; i < 6; ++i) {
        const auto &r = calcestruzzo[i];
        auto *getto = Rettangolo(area, NomeInMatrice(QStringLiteral("shpCalcestruzzo"), i), r[0],
                                 r[1], r[2], r[3]);
        getto->setBorderStyle(Qt::NoPen);
        getto->setFillStyle(ElementoForma::DiagonaliInGiu);
    }

    const int travetto[7][4] = {{720, 0, 720, 405},     {2295, 0, 2295, 405},
                                {720, 405, 495, 810},   {2295, 405, 2520, 810},
                                {495, 810, 495, 1620},  {2520, 810, 2520, 1620},
                                {495, 1620, 2520, 1620}};
    for (int i = 0; i < 7; ++i) {
        const auto &p = travetto[i];
        Linea(area, NomeInMatrice(QStringLiteral("linTravetto"), i), p[0], p[1], p[2], p[3], 2);
    }
    Linea(area, QStringLiteral("linFondoPolistirene"), -45, 2160, 3780, 2160, 2);

    for (int i = 0; i < 2; ++i) {
        auto *tondino =
            new ElementoForma(area, NomeInMatrice(QStringLiteral("shpTondino"), i),
                              ElementoForma::Cerchio, i == 0 ? 990 : 1800, 855, 240, 240);
        tondino->setFillStyle(ElementoForma::Pieno);
        tondino->setFillColor(Nero);
        tondino->setBorderColor(Nero);
    }

    linCFI[0] = Linea(area, NomeInMatrice(QStringLiteral("linCFI"), 0), 2835, 1125, 3015, 1035);
    linCFI[1] = Linea(area, NomeInMatrice(QStringLiteral("linCFI"), 1), 2925, 1080, 2925, 1620);
    linCFI[2] = Linea(area, NomeInMatrice(QStringLiteral("linCFI"), 2), 1890, 1080, 2700, 1080);
    lblCFI = DidascaliaSchizzo(area, QStringLiteral("lblCFI"), QStringLiteral("CF"), FontRiquadro(),
                               3015, 1125, 330, 285);
    linSSI[0] = Linea(area, NomeInMatrice(QStringLiteral("linSSI"), 0), 2925, 1620, 2925, 2160);
    linSSI[1] = Linea(area, NomeInMatrice(QStringLiteral("linSSI"), 1), 2835, 2205, 3015, 2115);
    lblSSI = DidascaliaSchizzo(area, QStringLiteral("lblSSI"), QStringLiteral("SS"), FontRiquadro(),
                               3015, 1710, 330, 285);
    // The tick and extension line at the joist bottom belong to both
    // dimensions, so they stay red whichever is shown.
    Linea(area, NomeInMatrice(QStringLiteral("linCFISSI"), 0), 2835, 1665, 3015, 1575)
        ->setColor(Rosso);
    Linea(area, NomeInMatrice(QStringLiteral("linCFISSI"), 1), 2520, 1620, 2700, 1620)
        ->setColor(Rosso);
}

void DisegniInput::optTipoCampata_Click(int indice)
{
    const bool singola = indice == 0;
    for (ElementoLinea *linea : linCampata) {
        linea->setColor(singola ? Nero : Rosso);
        linea->setLineWidth(singola ? 1 : 2);
    }
    for (ElementoLinea *linea : linCampataS) {
        linea->setColor(singola ? Rosso : Nero);
        linea->setLineWidth(singola ? 2 : 1);
    }
}

void DisegniInput::optTipoSolaio_Click(int indice)
{
    const bool intermedio = indice == 0;
    linSolaioCoper->setVisible(!intermedio);
    linSolaioInter[0]->setVisible(intermedio);
    linSolaioInter[1]->setVisible(intermedio);
}

// Which quantity each field shows, in the sketches and in its inset.
void DisegniInput::CreaCampi()
{
    quotaLCI = {.linee = {linLCI}, .punti = {shpLCI[0], shpLCI[1]}, .etichetta = lblLCI};
    quotaSCI = {.carico = shpSCI, .etichetta = lblSCI};
    quotaCFI = {.linee = {linCFI[0], linCFI[1], linCFI[2]}, .etichetta = lblCFI};
    quotaSSI = {.linee = {linSSI[0], linSSI[1]}, .etichetta = lblSSI};
    campi = {{
        {finestra->txtLuceNettaSolaio,
         {.linee = {linLC[0], linLC[1], linLC[2]}, .larghezzaRossa = 2, .etichetta = lblLN},
         true,
         {&quotaLCI, &quotaSCI},
         &quotaLCI},
        {finestra->txtSovracAcc,
         {.carico = shpSA, .bordoCarico = true},
         true,
         {&quotaSCI, &quotaLCI},
         &quotaSCI},
        {finestra->cmbCF,
         {.linee = {linCF}, .larghezzaRossa = 2, .etichetta = lblCF},
         false,
         {&quotaCFI, &quotaSSI},
         &quotaCFI},
        {finestra->cmbSSTravetto,
         {.linee = {linSS}, .larghezzaRossa = 2, .etichetta = lblSS, .richiami = {linLinkSS}},
         false,
         {&quotaCFI, &quotaSSI},
         &quotaSSI},
    }};
}

const DisegniInput::Campo *DisegniInput::CampoDi(QWidget *campo) const
{
    for (const Campo &c : campi) {
        if (c.campo == campo)
            return &c;
    }
    return nullptr;
}

void DisegniInput::Colora(const Quota &quota, bool rosso)
{
    const QColor colore = rosso ? Rosso : Nero;
    for (ElementoLinea *linea : quota.linee) {
        if (quota.larghezzaRossa)
            linea->setLineWidth(rosso ? quota.larghezzaRossa : 1);
        linea->setColor(colore);
    }
    for (ElementoForma *punto : quota.punti)
        punto->setFillColor(colore);
    for (ElementoForma *punto : quota.punti)
        punto->setBorderColor(colore);
    if (quota.carico) {
        quota.carico->setBackgroundColor(colore);
        if (quota.bordoCarico)
            quota.carico->setBorderColor(colore);
        quota.carico->setBackgroundOpaque(rosso);
    }
    if (quota.etichetta)
        ColoraTesto(quota.etichetta, colore);
    for (ElementoLinea *linea : quota.richiami)
        linea->setColor(colore);
}

// Inset before shadow for the slab, shadow before inset for the section.
void DisegniInput::ChiudiRiquadro(bool schema)
{
    if (schema) {
        picSolaio->setVisible(false);
        picOmbra->setVisible(false);
    } else {
        shpIng->setVisible(false);
        picIng->setVisible(false);
    }
}

void DisegniInput::EvidenziaSchema()
{
    Ingrandisci(ZoomSchema, picOmbra, picSolaio);
}

void DisegniInput::EvidenziaSezione()
{
    Ingrandisci(ZoomSezione, shpIng, picIng);
}

bool DisegniInput::EntraInCampo(QWidget *campo)
{
    if (campo == campoEvidenziato)
        return false;
    if (campoEvidenziato) {
        // It lost the focus while the window was inactive. Its LostFocus lets
        // events run, and one of them may have moved the focus on again.
        LostFocus(campoEvidenziato);
        if (campoEvidenziato || campo->window()->focusWidget() != campo)
            return false;
    }
    campoEvidenziato = campo;
    return true;
}

void DisegniInput::EsceDaCampo(QWidget *campo)
{
    if (campo == campoEvidenziato)
        ControllaFuocoPerso();
}

// The highlighted field has lost the focus of its window when the window's
// focus has moved on to another of its widgets, or nowhere.
void DisegniInput::ControllaFuocoPerso()
{
    if (!campoEvidenziato || campoEvidenziato->window()->focusWidget() == campoEvidenziato)
        return;
    LostFocus(campoEvidenziato);
}

void DisegniInput::GotFocus(QWidget *campo)
{
    const Campo *c = CampoDi(campo);
    if (!c)
        return;
    Colora(c->schizzo, true);
    if (c->schema)
        EvidenziaSchema();
    else
        EvidenziaSezione();
    for (const Quota *quota : c->nelRiquadro)
        Colora(*quota, quota == c->propria);
}

// The field is let go before its handler runs: the handler lets pending
// events run, and a focus change among them must find the state it leaves.
void DisegniInput::LostFocus(QWidget *campo)
{
    const Campo *c = CampoDi(campo);
    if (campo != campoEvidenziato || !c)
        return;
    campoEvidenziato = nullptr;
    Colora(c->schizzo, false);
    ChiudiRiquadro(c->schema);
    // Leaving the span repaints the closed slab inset at once, before the
    // focus arrives elsewhere: going on to the load, the inset shows closing
    // and opening again as the load's. Typed keys and clicks wait for the
    // normal event loop: handled here they would reach widgets in the middle
    // of the focus change.
    if (campo == finestra->txtLuceNettaSolaio)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
