#include "frmCalFerSol.h"

#include "DisegniInput.h"
#include "OpzioneACapo.h"
#include "common/AreaDisegno.h"
#include "common/Aspetto.h"
#include "common/ElementiGrafici.h"
#include "common/FinestraFiglia.h"
#include "common/ImmaginiLista.h"
#include "common/NomeAccessibile.h"
#include "common/Twips.h"
#include "modVelmora.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QToolButton>

namespace {

using Aspetto::Argento;
using Aspetto::Arial;
using Aspetto::Bianco;
using Aspetto::BluScuro;
using Aspetto::ColoraSfondo;
using Aspetto::Etichetta;
using Aspetto::Rosso;

// A frame with a caption.
QGroupBox *CorniceConTitolo(QWidget *contenitore, const char *nome, const QString &titolo)
{
    auto *cornice = new QGroupBox(titolo, contenitore);
    cornice->setObjectName(QString::fromLatin1(nome));
    ColoraSfondo(cornice, Argento, true);
    return cornice;
}

// A frame with a border and no caption; drawings may lie on it.
AreaDisegno *Cornice(QWidget *contenitore, const char *nome)
{
    auto *cornice = new AreaDisegno(contenitore);
    cornice->setObjectName(QString::fromLatin1(nome));
    cornice->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ColoraSfondo(cornice, Argento, true);
    return cornice;
}

// A frame without a border: only groups its option buttons.
QWidget *GruppoSenzaBordo(QWidget *contenitore, const char *nome)
{
    auto *gruppo = new QWidget(contenitore);
    gruppo->setObjectName(QString::fromLatin1(nome));
    ColoraSfondo(gruppo, Argento, true);
    return gruppo;
}

QComboBox *Lista(QWidget *contenitore, const QString &nome)
{
    auto *lista = new QComboBox(contenitore);
    lista->setObjectName(nome);
    lista->setEditable(false);
    lista->setFont(Arial(11.25));
    ColoraSfondo(lista, Bianco, true);
    return lista;
}

QLineEdit *Casella(QWidget *contenitore, const QString &nome)
{
    auto *casella = new QLineEdit(VociInput::CasellaIniziale, contenitore);
    casella->setObjectName(nome);
    casella->setFont(Arial(11.25));
    // White, not the silver of the frame it lies on, which reads as disabled.
    ColoraSfondo(casella, Bianco, true);
    return casella;
}

AreaDisegno *RiquadroSchizzo(QWidget *contenitore, const char *nome)
{
    auto *riquadro = new AreaDisegno(contenitore);
    riquadro->setObjectName(QString::fromLatin1(nome));
    riquadro->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ColoraSfondo(riquadro, Bianco, true);
    return riquadro;
}

} // namespace

frmCalFerSol::frmCalFerSol(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCalFerSol"));
    Aspetto::ApplicaTavolozzaClassica(this);
    setWindowTitle(QStringLiteral("Calcolo Ferri Solaio"));
    setFixedSize(PixelDaTwips(11610), PixelDaTwips(7125));
    setFont(Arial(8.25));

    CreaSfondo();
    CreaImpostazioni();
    CreaSchemaStatico();
    CreaGeometria();
    CreaPulsanti();
    ImpostaOrdineTabulazione();
    disegni = new DisegniInput(this);
    CollegaSegnali();
}

// Everything that lies on the client area itself, beneath the frames and
// buttons: the faint background picture, the product picture and the two
// navy rectangles.
void frmCalFerSol::CreaSfondo()
{
    areaFinestra = new AreaDisegno(this);
    areaFinestra->setObjectName(QStringLiteral("areaFinestra"));
    areaFinestra->setGeometry(rect());
    new ElementoImmagine(areaFinestra, QStringLiteral("imgVare"),
                         QStringLiteral(":/windows/SfondoCalcolo.svg"), 0, 45, 11760, 7260);
    const auto rettangoloBlu = [this](const char *nome, int left, int top, int width, int height) {
        auto *forma = new ElementoForma(areaFinestra, QString::fromLatin1(nome),
                                        ElementoForma::Rettangolo, left, top, width, height);
        forma->setBorderColor(BluScuro);
        forma->setBorderWidth(2);
    };
    rettangoloBlu("Shape7", 10125, 1890, 1455, 1815);
    new ElementoImmagine(areaFinestra, QStringLiteral("Image1"),
                         QStringLiteral(":/windows/Pannelli.svg"), 10170, 2115, 1350, 1035);
    rettangoloBlu("Shape1", 10125, 3780, 1455, 3345);
}

void frmCalFerSol::CreaImpostazioni()
{
    auto *fraMateriali = CorniceConTitolo(this, "fraMateriali", QStringLiteral("Impostazioni"));
    fraMateriali->setFont(Arial(9));
    PosizionaInTwips(fraMateriali, 90, 90, 4200, 1635);
    const struct {
        const char *testo;
        int left, top, width;
    } righe[] = {
        {"Acciaio Fe B 44 K C.", 90, 315, 1845},
        {"Calcestruzzo Rbk 300", 1980, 315, 2130},
        {"Spessore Cappa (HC)= 4 cm", 90, 585, 4020},
        {"Diametro massimo tondini in Acciaio = ø 20 mm", 90, 855, 4020},
        {"Interasse Travetti = 60 cm", 90, 1125, 4020},
    };
    for (const auto &riga : righe)
        PosizionaEtichettaInTwips(Etichetta(fraMateriali, QString::fromUtf8(riga.testo), Arial(9)),
                                  riga.left, riga.top, riga.width, 255);

    auto *Label7 = Etichetta(this, QStringLiteral("QUARANEL"), Arial(12, true), Rosso);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAlignment(Qt::AlignCenter);
    PosizionaEtichettaInTwips(Label7, 9855, 1485, 1695, 285);
}

void frmCalFerSol::CreaSchemaStatico()
{
    auto *fraImpSolaio = Cornice(this, "fraImpSolaio");
    PosizionaInTwips(fraImpSolaio, 4320, 90, 7260, 1275);

    auto *fraTipoCampate = GruppoSenzaBordo(fraImpSolaio, "fraTipoCampate");
    PosizionaInTwips(fraTipoCampate, 45, 225, 3615, 915);
    optTipoCampata[0] = new OpzioneACapo(
        QStringLiteral("Solaio a Campata Singola e Semplice Appoggio"), fraTipoCampate);
    PosizionaInTwips(optTipoCampata[0], 90, 45, 3480, 570);
    optTipoCampata[1] =
        new OpzioneACapo(QStringLiteral("Solaio Continuo a più Campate"), fraTipoCampate);
    PosizionaInTwips(optTipoCampata[1], 90, 630, 3390, 255);
    for (int i = 0; i < 2; ++i) {
        optTipoCampata[i]->setObjectName(QStringLiteral("optTipoCampata(%1)").arg(i));
        optTipoCampata[i]->setFont(Arial(11.25));
    }

    picCampate = RiquadroSchizzo(fraImpSolaio, "picCampate");
    PosizionaInTwips(picCampate, 3690, 225, 3435, 960);
}

void frmCalFerSol::CreaGeometria()
{
    auto *fraGeometria = Cornice(this, "fraGeometria");
    PosizionaInTwips(fraGeometria, 90, 1755, 10005, 5370);

    fraSez = Cornice(fraGeometria, "fraSez");
    PosizionaInTwips(fraSez, 90, 180, 5685, 5055);
    const QFont arial = Arial(11.25);
    auto *etichettaSS = Etichetta(fraSez, QStringLiteral("Spessore SottoTravetto (SS)"), arial);
    PosizionaEtichettaInTwips(etichettaSS, 135, 4185, 2820, 255);
    cmbSSTravetto = Lista(fraSez, Controlli::SottoTravetto);
    PosizionaInTwips(cmbSSTravetto, 3735, 4095, 1005, 375);
    PosizionaEtichettaInTwips(Etichetta(fraSez, QStringLiteral("cm"), arial), 4905, 4185, 315, 255);
    auto *etichettaCF = Etichetta(fraSez, QStringLiteral("Spessore Copri Ferro (CF) = "), arial);
    PosizionaEtichettaInTwips(etichettaCF, 135, 4635, 2880, 255);
    cmbCF = Lista(fraSez, Controlli::Copriferro);
    PosizionaInTwips(cmbCF, 3735, 4545, 1005, 375);
    PosizionaEtichettaInTwips(Etichetta(fraSez, QStringLiteral("cm"), arial), 4905, 4635, 315, 255);
    etichettaSS->setBuddy(cmbSSTravetto);
    etichettaCF->setBuddy(cmbCF);
    ImpostaNomeAccessibile(cmbSSTravetto, etichettaSS->text(), QStringLiteral("cm"));
    ImpostaNomeAccessibile(cmbCF, etichettaCF->text(), QStringLiteral("cm"));

    fraSol = Cornice(fraGeometria, "fraSol");
    PosizionaInTwips(fraSol, 5850, 180, 4065, 5055);
    picSolGen = RiquadroSchizzo(fraSol, "picSolGen");
    PosizionaInTwips(picSolGen, 90, 225, 3885, 2760);

    auto *fraTipoSolaio = GruppoSenzaBordo(fraSol, "fraTipoSolaio");
    PosizionaInTwips(fraTipoSolaio, 45, 3330, 3840, 375);
    optTipoSolaio[0] = new OpzioneACapo(QStringLiteral("Intermedio"), fraTipoSolaio);
    PosizionaInTwips(optTipoSolaio[0], 135, 45, 1455, 255);
    optTipoSolaio[1] = new OpzioneACapo(QStringLiteral("Copertura"), fraTipoSolaio);
    PosizionaInTwips(optTipoSolaio[1], 2115, 45, 1410, 255);
    for (int i = 0; i < 2; ++i) {
        optTipoSolaio[i]->setObjectName(QStringLiteral("optTipoSolaio(%1)").arg(i));
        optTipoSolaio[i]->setFont(arial);
    }

    auto *etichettaLC = Etichetta(fraSol, QStringLiteral("Luce Calcolo Solaio (LC)"), arial);
    PosizionaEtichettaInTwips(etichettaLC, 180, 3690, 2430, 255);
    txtLuceNettaSolaio = Casella(fraSol, Controlli::Luce);
    PosizionaInTwips(txtLuceNettaSolaio, 180, 4005, 825, 315);
    PosizionaEtichettaInTwips(Etichetta(fraSol, QStringLiteral("m"), arial), 1125, 4050, 195, 255);
    auto *etichettaQ = Etichetta(fraSol, QStringLiteral("Sovraccarico  (q)"), arial);
    PosizionaEtichettaInTwips(etichettaQ, 180, 4365, 1680, 255);
    txtSovracAcc = Casella(fraSol, Controlli::Carico);
    PosizionaInTwips(txtSovracAcc, 180, 4635, 825, 315);
    PosizionaEtichettaInTwips(Etichetta(fraSol, QStringLiteral("daN/m2"), arial), 1080, 4725, 765,
                              255);
    etichettaLC->setBuddy(txtLuceNettaSolaio);
    etichettaQ->setBuddy(txtSovracAcc);
    ImpostaNomeAccessibile(txtLuceNettaSolaio, etichettaLC->text(), QStringLiteral("m"));
    ImpostaNomeAccessibile(txtSovracAcc, etichettaQ->text(), QStringLiteral("daN/m2"));
}

void frmCalFerSol::CreaPulsanti()
{
    cmdStampa =
        Aspetto::PulsanteGrafico(this, "cmdStampa", QStringLiteral("Stam&pa"), ImmagineLista(5));
    PosizionaInTwips(cmdStampa, 10215, 3870, 1275, 915);
    cmdCalcola =
        Aspetto::PulsanteGrafico(this, "cmdCalcola", QStringLiteral("&Calcola"), ImmagineLista(3));
    PosizionaInTwips(cmdCalcola, 10215, 4860, 1275, 1005);
    cmdEsci = Aspetto::PulsanteGrafico(this, "cmdEsci", QStringLiteral("&Esci"), ImmagineLista(9));
    PosizionaInTwips(cmdEsci, 10215, 5940, 1275, 1050);
}

void frmCalFerSol::ImpostaOrdineTabulazione()
{
    const QWidget *ordine[] = {
        cmdStampa,         cmdCalcola,         cmdEsci,          optTipoCampata[0],
        optTipoCampata[1], optTipoSolaio[0],   optTipoSolaio[1], cmbCF,
        cmbSSTravetto,     txtLuceNettaSolaio, txtSovracAcc};
    for (size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(const_cast<QWidget *>(ordine[i - 1]), const_cast<QWidget *>(ordine[i]));
}

void frmCalFerSol::CollegaSegnali()
{
    connect(cmdCalcola, &QToolButton::clicked, this, &frmCalFerSol::cmdCalcola_Click);
    connect(cmdEsci, &QToolButton::clicked, this, &frmCalFerSol::cmdEsci_Click);
    connect(cmdStampa, &QToolButton::clicked, this, &frmCalFerSol::StampaRichiesta);
    // Selecting an option, by click, key or in code, redraws its sketch;
    // clicking the option already selected leaves it as it is.
    for (int i = 0; i < 2; ++i) {
        connect(optTipoCampata[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
            if (scelta)
                disegni->optTipoCampata_Click(i);
        });
        connect(optTipoSolaio[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
            if (scelta)
                disegni->optTipoSolaio_Click(i);
        });
    }
    txtLuceNettaSolaio->installEventFilter(this);
    txtSovracAcc->installEventFilter(this);
    cmbCF->installEventFilter(this);
    cmbSSTravetto->installEventFilter(this);
}

void frmCalFerSol::Form_Load()
{
    if (QMdiSubWindow *cornice = CorniceDi(this))
        cornice->move(0, 0);
    PreparaProgetto(Progetto);
    RiempiListe();
    optTipoSolaio[0]->setChecked(true);
    optTipoCampata[0]->setChecked(true);
    cmbCF->setCurrentText(VociInput::CopriferroIniziale);
    cmbSSTravetto->setCurrentText(VociInput::SottoTravettoIniziale);
    cmdStampa->setFocus();
    emit FinestraCaricata();
}

void frmCalFerSol::RiempiListe()
{
    cmbSSTravetto->addItems(VociInput::ElencaSottoTravetti());
    cmbCF->addItems(VociInput::ElencaCopriferri());
}

void frmCalFerSol::cmdCalcola_Click()
{
    CalcolaSolaio();
}

void frmCalFerSol::cmdEsci_Click()
{
    ChiudiFinestraFiglia(this);
}

void frmCalFerSol::closeEvent(QCloseEvent *evento)
{
    evento->accept();
    emit FinestraScaricata();
}

bool frmCalFerSol::eventFilter(QObject *oggetto, QEvent *evento)
{
    auto *casella = qobject_cast<QLineEdit *>(oggetto);
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (casella)
            return ConverteTastoDecimale(casella, static_cast<QKeyEvent *>(evento));
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        ApplicaFuoco(static_cast<QWidget *>(oggetto), evento);
        break;
    case QEvent::MouseButtonRelease:
        if (casella)
            MantieniSelezioneDopoClic(casella);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(oggetto, evento);
}

// GotFocus selects the whole text of a text box, then highlights the field.
// Coming back from a message box or a list's popup is no GotFocus, so a
// selection made meanwhile stays as it is.
void frmCalFerSol::ApplicaFuoco(QWidget *campo, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut) {
        disegni->EsceDaCampo(campo);
        return;
    }
    if (!disegni->EntraInCampo(campo))
        return;
    if (auto *casella = qobject_cast<QLineEdit *>(campo)) {
        casella->selectAll();
        casellaEntrataConClic = static_cast<QFocusEvent *>(evento)->reason() == Qt::MouseFocusReason
                                    ? casella
                                    : nullptr;
    }
    disegni->GotFocus(campo);
}

// The click that brings the focus into a text box would drop the selection
// GotFocus just made, and a typed "5" would then join the "0" already there.
// Unless the user dragged a selection of his own, the whole text stays
// selected, ready to be typed over.
void frmCalFerSol::MantieniSelezioneDopoClic(QLineEdit *casella)
{
    if (casella != casellaEntrataConClic)
        return;
    casellaEntrataConClic = nullptr;
    if (!casella->hasSelectedText())
        casella->selectAll();
}

// Wherever the decimal separator is not ".", a typed "." reaches the box as
// that separator ("," or "٫"), as the numbers are read. Only typed keys pass
// through here; pasted text is left as it is.
bool frmCalFerSol::ConverteTastoDecimale(QLineEdit *casella, QKeyEvent *tasto)
{
    const QString convertito = VociInput::TastoConvertito(tasto->text());
    if (convertito == tasto->text())
        return false;
    QKeyEvent separatore(QEvent::KeyPress, Qt::Key(convertito.front().unicode()),
                         tasto->modifiers(), convertito, tasto->isAutoRepeat(),
                         ushort(tasto->count()));
    QCoreApplication::sendEvent(casella, &separatore);
    return true;
}
