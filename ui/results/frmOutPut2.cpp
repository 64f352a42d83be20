#include "frmOutPut2.h"

#include "common/Aspetto.h"
#include "common/ElementiGrafici.h"
#include "common/FinestraFiglia.h"
#include "common/ImmaginiLista.h"
#include "common/NomeAccessibile.h"
#include "common/Twips.h"
#include "modVelmora.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QToolButton>

#include <utility>

using namespace Aspetto;

namespace {

constexpr int LarghezzaCliente = 11610;
constexpr int AltezzaCliente = 7125;

// The two columns of results: caption, field and unit, left to right.
struct Colonna {
    int didascalia, larghezzaDidascalia, casella, larghezzaCasella, unita, larghezzaUnita;
};
constexpr Colonna Colonne[2] = {{180, 2820, 3060, 1050, 4200, 750},
                                {5940, 2550, 8550, 1200, 9840, 1410}};

// Rows are 36 pixels apart; a caption of several lines is centred on its field.
constexpr int PrimaRiga = 180;
constexpr int PassoRiga = 540;
constexpr int AltezzaCasella = 330;
constexpr int AltezzaRigaTesto = 210; // one line of 9-point Arial

constexpr int TopRiga(int riga)
{
    return PrimaRiga + riga * PassoRiga;
}

// Where each figure sits; its caption and unit are the engine's.
struct RigaRisultato {
    const char *nome;
    QLineEdit *frmOutPut2::*casella;
    int colonna;
    int riga;
    int righeDidascalia;
};

// Row 5 of the left column, the two bar diameters, is built apart.
const RigaRisultato Righe[] = {
    {"txtHCappa", &frmOutPut2::txtHCappa, 0, 0, 1},
    {"txtHTravetto", &frmOutPut2::txtHTravetto, 0, 1, 1},
    {"txtSpesST", &frmOutPut2::txtSpesST, 0, 2, 1},
    {"txtHTotSolaio", &frmOutPut2::txtHTotSolaio, 0, 3, 1},
    {"txtAcciaio", &frmOutPut2::txtAcciaio, 0, 5, 3},
    {"txtPpSolaio", &frmOutPut2::txtPpSolaio, 1, 0, 1},
    {"txtCalcestruzzo", &frmOutPut2::txtCalcestruzzo, 1, 1, 1},
    {"txtHPanPol", &frmOutPut2::txtHPanPol, 1, 2, 1},
    {"txtFrc1", &frmOutPut2::txtFrc1, 1, 3, 2},
    {"txtFrc2", &frmOutPut2::txtFrc2, 1, 4, 1},
    {"txtK", &frmOutPut2::txtK, 1, 5, 1},
};

QFont FontDidascalia()
{
    return Arial(9, true);
}

// Places a label of the given number of lines centred on a field's row.
void PosizionaSuRiga(QLabel *etichetta, int left, int top, int width, int righe)
{
    const int altezza = righe * AltezzaRigaTesto + 30;
    PosizionaInTwips(etichetta, left, top + (AltezzaCasella - altezza) / 2, width, altezza);
}

// The section drawing, in pixels of its picture: the top of the topping is
// row 48, its underside row 63, the underside of the joist row 132 and of
// the panels row 147; the bars lie at x 177 and 201, row 124, radius 4. The
// dimensions left of the picture have negative x.
// A line of the section drawing and a label over it, in pixels of the picture.
struct LineaSezione {
    int x1, y1, x2, y2;
    Qt::PenStyle stile = Qt::SolidLine;
};

struct EtichettaSezione {
    const char *nome;
    const char *testo;
    int x, y, larghezza;
};

constexpr int LarghezzaSezione = 367;
constexpr int AltezzaSezione = 185;
constexpr int OrigineSezioneX = 84; // the picture's place in fraImage
constexpr int OrigineSezioneY = 20;

constexpr int Tx(int x)
{
    return (OrigineSezioneX + x) * TwipsPerPixel;
}

constexpr int Ty(int y)
{
    return (OrigineSezioneY + y) * TwipsPerPixel;
}

// The window's pictures and the sizes of their boxes, in twips.
const QString Sfondo = QStringLiteral(":/windows/SfondoRisultati.svg");
constexpr QSize MisuraSfondo(LarghezzaCliente, AltezzaCliente);
const QString Sezione = QStringLiteral(":/windows/imgDettSolaio.svg");
constexpr QSize MisuraSezione = QSize(LarghezzaSezione, AltezzaSezione) * TwipsPerPixel;
const QString Pannelli = QStringLiteral(":/windows/Pannelli.svg");
constexpr QSize MisuraPannelli(1350, 1035);

constexpr int QuotaHS = -58;     // x of the whole height
constexpr int QuotaCatena = -24; // x of the chain HC, HT, SS
constexpr int QuotaCF = 232;

const LineaSezione Quote[] = {
    // Extension lines from the section to the dimension lines.
    {QuotaHS - 4, 48, -1, 48},
    {QuotaCatena - 4, 63, -1, 63},
    {QuotaCatena - 4, 132, -1, 132},
    {QuotaHS - 4, 147, -1, 147},
    // The underside of the joist across the panel, for HT and SS.
    {0, 132, 158, 132, Qt::DashLine},
    // Dimension lines, a little past their ends.
    {QuotaHS, 44, QuotaHS, 151},
    {QuotaCatena, 44, QuotaCatena, 151},
    // The cover: the underside of the bars and of the joist.
    {206, 128, QuotaCF + 4, 128},
    {220, 132, QuotaCF + 4, 132},
    {QuotaCF, 121, QuotaCF, 139},
};

const QPoint Tacche[] = {{QuotaHS, 48},     {QuotaHS, 147},     {QuotaCatena, 48},
                         {QuotaCatena, 63}, {QuotaCatena, 132}, {QuotaCatena, 147}};

const EtichettaSezione EtichetteQuote[] = {
    {"lblHS", "HS", -81, 90, 20},  {"lblHC", "HC", -52, 47, 24},  {"lblHT", "HT", -52, 90, 24},
    {"lblSS", "SS", -52, 132, 24}, {"lblCF", "CF", 238, 122, 22},
};

const LineaSezione Richiami[] = {
    {246, 33, 232, 56},   // the topping
    {150, 161, 174, 128}, // the first bar
    {300, 161, 300, 110}, // a panel
};

const QPoint PuntiRichiamo[] = {{232, 56}, {300, 110}};

const EtichettaSezione EtichetteRichiami[] = {
    {"lblSolaio", "Solaio C.A.", 232, 16, 72},
    {"lblArmatura", "Armatura Acc. ø' - ø''", 26, 162, 128},
    {"lblPannello", "Pannello in Polistirene Espanso", 196, 162, 170},
};

void AggiungiLinea(AreaDisegno *area, const QString &nome, int indice, const LineaSezione &linea)
{
    auto *elemento = new ElementoLinea(area, NomeInMatrice(nome, indice), Tx(linea.x1),
                                       Ty(linea.y1), Tx(linea.x2), Ty(linea.y2));
    elemento->setColor(BluScuro);
    elemento->setLineStyle(linea.stile);
}

void AggiungiEtichetta(AreaDisegno *area, const EtichettaSezione &etichetta, const QFont &font)
{
    auto *lbl = Etichetta(area, QString::fromUtf8(etichetta.testo), font, BluScuro);
    lbl->setObjectName(QString::fromLatin1(etichetta.nome));
    lbl->setAlignment(Qt::AlignCenter);
    PosizionaInTwips(lbl, Tx(etichetta.x), Ty(etichetta.y), etichetta.larghezza * TwipsPerPixel,
                     16 * TwipsPerPixel);
}

// The heights as on a drawing: the chain HC, HT, SS and the whole HS at the
// left of the section, the cover CF beside the bars, with a slanted tick
// where a dimension line meets a level.
void DisegnaQuote(AreaDisegno *area)
{
    int indice = 0;
    for (const LineaSezione &linea : Quote)
        AggiungiLinea(area, QStringLiteral("linQuota"), indice++, linea);
    for (const QPoint &p : Tacche)
        AggiungiLinea(area, QStringLiteral("linQuota"), indice++,
                      {p.x() - 3, p.y() + 3, p.x() + 3, p.y() - 3});
    for (const EtichettaSezione &etichetta : EtichetteQuote)
        AggiungiEtichetta(area, etichetta, Arial(9, true));
}

// The names of the parts, each with a leader to the part it names.
void DisegnaRichiami(AreaDisegno *area)
{
    int indice = 0;
    for (const LineaSezione &linea : Richiami)
        AggiungiLinea(area, QStringLiteral("linRichiamo"), indice++, linea);
    indice = 0;
    for (const QPoint &p : PuntiRichiamo) {
        auto *punto = new ElementoForma(
            area, NomeInMatrice(QStringLiteral("shpRichiamo"), indice++), ElementoForma::Cerchio,
            Tx(p.x() - 2), Ty(p.y() - 2), 5 * TwipsPerPixel, 5 * TwipsPerPixel);
        punto->setBorderColor(BluScuro);
        punto->setFillColor(BluScuro);
        punto->setFillStyle(ElementoForma::Pieno);
    }
    for (const EtichettaSezione &etichetta : EtichetteRichiami)
        AggiungiEtichetta(area, etichetta, Arial(8.25, true));
}

} // namespace

frmOutPut2::frmOutPut2(QWidget *parent)
    : AreaDisegno(parent)
{
    setObjectName(QStringLiteral("frmOutPut2"));
    ApplicaTavolozzaClassica(this);
    setWindowTitle(QStringLiteral("OutPut"));
    setWindowIcon(IconaSvg(QStringLiteral(":/results/Appunti.svg")));
    setFixedSize(PixelDaTwips(LarghezzaCliente), PixelDaTwips(AltezzaCliente));
    setFont(Arial(8.25));

    CreaSfondo();
    CreaRisultati();
    CreaDisegnoSezione();
    CreaDistributore();
    CreaPulsanti();
    ImpostaOrdineTabulazione();
    CollegaSegnali();
}

void frmOutPut2::CreaSfondo()
{
    // A plain ground shows only where the picture is missing or transparent.
    ColoraSfondo(this, Argento);
    new ElementoImmagine(this, QStringLiteral("imgSfondo"), Sfondo, 0, 0, MisuraSfondo.width(),
                         MisuraSfondo.height());
}

QLineEdit *frmOutPut2::CreaCasella(const char *nome, int left, int top, int width)
{
    auto *casella = new QLineEdit(QStringLiteral("0"), this);
    casella->setObjectName(QString::fromLatin1(nome));
    casella->setReadOnly(true);
    casella->setFont(Arial(11.25));
    casella->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ColoraCampo(casella, Pesca);
    PosizionaInTwips(casella, left, top, width, AltezzaCasella);
    return casella;
}

void frmOutPut2::CreaRisultati()
{
    for (const RigaRisultato &riga : Righe) {
        const DescrizioneRisultato &descrizione =
            DescrizioneCasella(QString::fromLatin1(riga.nome));
        const Colonna &colonna = Colonne[riga.colonna];
        const int top = TopRiga(riga.riga);
        QLineEdit *casella = CreaCasella(riga.nome, colonna.casella, top, colonna.larghezzaCasella);
        this->*riga.casella = casella;

        auto *didascalia = Etichetta(this, descrizione.didascalia, FontDidascalia(), BluScuro);
        didascalia->setWordWrap(riga.righeDidascalia > 1);
        didascalia->setBuddy(casella);
        ImpostaNomeAccessibile(casella, didascalia->text(), descrizione.unita);
        PosizionaSuRiga(didascalia, colonna.didascalia, top, colonna.larghezzaDidascalia,
                        riga.righeDidascalia);
        if (!descrizione.unita.isEmpty()) {
            auto *unita = Etichetta(this, descrizione.unita, FontDidascalia(), BluScuro);
            PosizionaSuRiga(unita, colonna.unita, top, colonna.larghezzaUnita, 1);
        }
    }
    CreaRigaAcciaio(TopRiga(4));
}

// The two bar diameters side by side, each after its small mark; the second
// field ends where the column's fields end.
void frmOutPut2::CreaRigaAcciaio(int top)
{
    const Colonna &colonna = Colonne[0];
    const DescrizioneRisultato &primoTondino = DescrizioneCasella(QStringLiteral("txtTond1"));
    const DescrizioneRisultato &secondoTondino = DescrizioneCasella(QStringLiteral("txtTond2"));
    txtTond1 = CreaCasella("txtTond1", 2460, top, 660);
    txtTond2 = CreaCasella("txtTond2", 3450, top, 660);
    ImpostaNomeAccessibile(txtTond1, primoTondino.didascalia + u' ' + primoTondino.contrassegno,
                           primoTondino.unita);
    ImpostaNomeAccessibile(txtTond2, secondoTondino.didascalia + u' ' + secondoTondino.contrassegno,
                           secondoTondino.unita);

    auto *didascalia = Etichetta(this, primoTondino.didascalia, FontDidascalia(), BluScuro);
    didascalia->setBuddy(txtTond1);
    PosizionaSuRiga(didascalia, colonna.didascalia, top, 1500, 1);

    const QFont piccolo = Arial(8.25, true);
    auto *primo = Etichetta(this, primoTondino.contrassegno, piccolo, BluScuro);
    primo->setBuddy(txtTond1);
    primo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PosizionaSuRiga(primo, 2205, top, 225, 1);
    auto *secondo = Etichetta(this, secondoTondino.contrassegno, piccolo, BluScuro);
    secondo->setBuddy(txtTond2);
    secondo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PosizionaSuRiga(secondo, 3150, top, 270, 1);

    auto *unita = Etichetta(this, secondoTondino.unita, FontDidascalia(), BluScuro);
    PosizionaSuRiga(unita, colonna.unita, top, colonna.larghezzaUnita, 1);
}

void frmOutPut2::CreaDisegnoSezione()
{
    fraImage = new AreaDisegno(this);
    fraImage->setObjectName(QStringLiteral("fraImage"));
    fraImage->setFrameShape(QFrame::NoFrame);
    PosizionaInTwips(fraImage, 120, 3480, 6900, 3555);
    ColoraTesto(fraImage, BluScuro);

    new ElementoImmagine(fraImage, QStringLiteral("imgDettSolaio"), Sezione, Tx(0), Ty(0),
                         MisuraSezione.width(), MisuraSezione.height());
    DisegnaQuote(fraImage);
    DisegnaRichiami(fraImage);
}

void frmOutPut2::CreaDistributore()
{
    auto *lblMarchio = Etichetta(this, QStringLiteral("QUARANEL"), Arial(12, true), Rosso);
    lblMarchio->setObjectName(QStringLiteral("lblMarchio"));
    lblMarchio->setAlignment(Qt::AlignCenter);
    PosizionaInTwips(lblMarchio, 7200, 3735, 1500, 300);

    new ElementoImmagine(this, QStringLiteral("imgVare"), Pannelli, 8730, 3540,
                         MisuraPannelli.width(), MisuraPannelli.height());

    const QString contatti = QString::fromUtf8("EDILPANNELLI VALFINTA S.r.l.\n"
                                               "Sede legale: Via dell'Artigianato, 14\n"
                                               "29010 Castelfinto (PC)\n"
                                               "Sede comm.: Viale Europa, 112\n"
                                               "29010 Borgo Esempio (PC)\n"
                                               "Tel. 0523 000 000\n"
                                               "Fax 0523 000 001\n"
                                               "P.IVA 00000000000\n"
                                               "e-mail: info@valfinta.example");
    auto *lblDistributore = Etichetta(this, contatti, Arial(8), BluScuro);
    lblDistributore->setObjectName(QStringLiteral("lblDistributore"));
    lblDistributore->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PosizionaInTwips(lblDistributore, 7200, 4740, 2880, 2295);
}

void frmOutPut2::CreaPulsanti()
{
    // Same places as on the input window, so the buttons stay put when the
    // two windows take each other's place.
    cmdStampa = PulsanteGrafico(this, "cmdStampa", QStringLiteral("Stam&pa"), ImmagineLista(5));
    PosizionaInTwips(cmdStampa, 10215, 3870, 1275, 915);
    cmdModifica =
        PulsanteGrafico(this, "cmdModifica", QStringLiteral("&Modifica"), ImmagineLista(4));
    PosizionaInTwips(cmdModifica, 10215, 4860, 1275, 1005);
    cmdBack = PulsanteGrafico(this, "cmdBack", QStringLiteral("&Back"), ImmagineLista(6));
    PosizionaInTwips(cmdBack, 10215, 5940, 1275, 1050);
}

void frmOutPut2::ImpostaOrdineTabulazione()
{
    QWidget *const ordine[] = {cmdStampa,    cmdModifica, cmdBack,       txtHCappa,
                               txtHTravetto, txtSpesST,   txtHTotSolaio, txtTond1,
                               txtTond2,     txtAcciaio,  txtPpSolaio,   txtCalcestruzzo,
                               txtHPanPol,   txtFrc1,     txtFrc2,       txtK};
    for (size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void frmOutPut2::CollegaSegnali()
{
    connect(cmdStampa, &QToolButton::clicked, this, &frmOutPut2::StampaRichiesta);
    connect(cmdModifica, &QToolButton::clicked, this, &frmOutPut2::ModificaRichiesta);
    connect(cmdBack, &QToolButton::clicked, this, &frmOutPut2::BackRichiesto);
}

void frmOutPut2::Form_Load()
{
    if (QMdiSubWindow *cornice = CorniceDi(this))
        cornice->move(0, 0);
    cmdStampa->setFocus();
    emit FinestraCaricata();
}

void frmOutPut2::Prepara(qreal densita)
{
    const std::pair<const QString &, QSize> immagini[] = {
        {Sfondo, MisuraSfondo}, {Sezione, MisuraSezione}, {Pannelli, MisuraPannelli}};
    bool disegnate = false;
    for (const auto &[immagine, misura] : immagini)
        disegnate = ElementoImmagine::Prepara(immagine, misura, densita) || disegnate;
    if (disegnate)
        frmOutPut2().grab();
}

bool frmOutPut2::ScriviCasella(const QString &nome, const QString &testo)
{
    auto *casella = findChild<QLineEdit *>(nome, Qt::FindDirectChildrenOnly);
    if (!casella)
        return false;
    casella->setText(testo);
    return true;
}

void frmOutPut2::closeEvent(QCloseEvent *evento)
{
    evento->accept();
    emit FinestraScaricata();
}
