#include "frmSplash.h"

#include "IdentitaApplicazione.h"
#include "common/AreaDisegno.h"
#include "common/Aspetto.h"
#include "common/Centratura.h"
#include "common/Clessidra.h"
#include "common/ElementiGrafici.h"
#include "common/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

bool frmSplash::AvvioCompletato = false;

namespace {

using Aspetto::Argento;
using Aspetto::Arial;
using Aspetto::Bianco;
using Aspetto::Blu;
using Aspetto::ColoraSfondo;
using Aspetto::ColoraTesto;
using Aspetto::EtichettaACapo;
using Aspetto::Rosso;

constexpr int LarghezzaCliente = 11610;
constexpr int AltezzaCliente = 7335;

const QColor GrigioScuro(128, 128, 128);

// The text labels of a page: where the first one starts, their left edge
// and width, and the room left before a section heading or the closing note.
constexpr int TopPrimaEtichetta = 900;
constexpr int LeftTesto = 150;
constexpr int LarghezzaTesto = 5600;
constexpr int StaccoSezione = 50;

const QString A_capo = QStringLiteral("\r\n");

QFont TimesNewRoman(qreal punti, bool grassetto, bool corsivo = false)
{
    QFont font = Aspetto::Carattere(QStringLiteral("Times New Roman"));
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    font.setItalic(corsivo);
    return font;
}

// Keeps the label's width and gives it the height its wrapped text needs,
// at least one line.
void AdattaAltezza(QLabel *etichetta, int left, int top, int width)
{
    int altezza = etichetta->heightForWidth(PixelDaTwips(width));
    if (altezza <= 0)
        altezza = etichetta->fontMetrics().height();
    PosizionaInTwips(etichetta, left, top, width, altezza * TwipsPerPixel);
}

// A label as wide as its one line of text.
void AdattaAlTesto(QLabel *etichetta, int left, int top)
{
    const QSize misura = etichetta->sizeHint();
    PosizionaInTwips(etichetta, left, top, misura.width() * TwipsPerPixel,
                     misura.height() * TwipsPerPixel);
}

int FondoInTwips(const QLabel *etichetta)
{
    const QRect twips = etichetta->property("twips").toRect();
    return twips.top() + twips.height();
}

// The lines of a page text, joined by carriage return and line feed.
QString Righe(const QStringList &righe, bool aCapoFinale = false)
{
    QString testo = righe.join(A_capo);
    if (aCapoFinale)
        testo += A_capo;
    return testo;
}

// Keeps a label's place and width and gives it the height its text needs:
// the first at the top of the text, each further one below the label above
// it, a little lower still when it opens a section.
void Impila(QLabel *etichetta, const QLabel *sopra, bool staccata)
{
    int top = sopra ? FondoInTwips(sopra) : TopPrimaEtichetta;
    if (staccata)
        top += StaccoSezione;
    AdattaAltezza(etichetta, LeftTesto, top, LarghezzaTesto);
}

QPushButton *Pulsante(QWidget *contenitore, const char *nome, const QString &testo, int left)
{
    auto *pulsante = new QPushButton(testo, contenitore);
    pulsante->setObjectName(QString::fromLatin1(nome));
    pulsante->setFont(Arial(8.25, true));
    // Enter presses the button with the focus, as Space does.
    pulsante->setAutoDefault(true);
    PosizionaInTwips(pulsante, left, 6840, 1590, 330);
    return pulsante;
}

} // namespace

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    Aspetto::ApplicaTavolozzaClassica(this);
    // No title bar and nothing a window manager could minimise it with, out
    // of the task bar: the wizard ends only through its own buttons. Its
    // fixed dialog border is drawn by the window itself.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    setFont(Arial(8.25));
    ColoraSfondo(this, Argento);
    CreaSuperficie();
    CreaBordo();

    CreaPannelloProdotto();
    CreaPannelloPagine();
    CreaComandi();
    CollegaSegnali();
    if (const QScreen *schermo = screen())
        PosizionaSulloSchermo(schermo->geometry(), schermo->availableGeometry());
}

// The surface that holds every control, at the window's given size, in a
// scroll area that fills the window. Without a title bar the window cannot
// be dragged: on a screen too small for it, its surface scrolls instead, so
// no control falls out of reach.
void frmSplash::CreaSuperficie()
{
    scorrimento = new QScrollArea(this);
    scorrimento->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control, never to the area that holds them.
    scorrimento->setFocusPolicy(Qt::NoFocus);
    superficie = new QWidget;
    scorrimento->setWidget(superficie);
    superficie->setFixedSize(PixelDaTwips(LarghezzaCliente), PixelDaTwips(AltezzaCliente));
    ColoraSfondo(superficie, Argento);
    auto *disposizione = new QVBoxLayout(this);
    disposizione->setContentsMargins(QMargins());
    disposizione->addWidget(scorrimento);
}

// The raised dialog edge along the window's sides, beneath everything else;
// the panels keep clear of it.
void frmSplash::CreaBordo()
{
    auto *bordo = new QFrame(superficie);
    bordo->setObjectName(QStringLiteral("bordoDialogo"));
    bordo->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    bordo->setGeometry(superficie->rect());
}

// The left panel: maker, product, the logo with the version over it, the
// credit and the requirements.
void frmSplash::CreaPannelloProdotto()
{
    Frame1 = new AreaDisegno(superficie);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ColoraSfondo(Frame1, Argento);
    PosizionaInTwips(Frame1, 180, 90, 4740, 7065);

    // Painted seldom: kept as a drawing rather than as pixels, which would
    // weigh on the memory the program starts with.
    auto *imgLogo = new ElementoImmagine(Frame1, QStringLiteral("imgLogo"),
                                         QStringLiteral(":/info/Logo.svg"), 135, 1845, 4470, 4380);
    imgLogo->setVettoriale(true);

    lblCompanyProduct =
        EtichettaACapo(Frame1, QStringLiteral("lblCompanyProduct"), Arial(18, true));
    lblProductName = EtichettaACapo(Frame1, QStringLiteral("lblProductName"), Arial(20, true));
    ColoraTesto(lblProductName, Blu);
    lblVersion =
        EtichettaACapo(Frame1, QStringLiteral("lblVersion"), Arial(9.75, true), Qt::AlignRight);
    lblCredito = EtichettaACapo(Frame1, QStringLiteral("lblCredito"), Arial(8.25));
    lblCompany = EtichettaACapo(Frame1, QStringLiteral("lblCompany"), Arial(12, true));
    ColoraTesto(lblCompany, Rosso);
    lblWarning = EtichettaACapo(Frame1, QStringLiteral("lblWarning"), Arial(8.25));
}

// The right panel: the pages over a black shadow on dark grey.
void frmSplash::CreaPannelloPagine()
{
    Picture1 = new AreaDisegno(superficie);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ColoraSfondo(Picture1, GrigioScuro);
    PosizionaInTwips(Picture1, 5040, 180, 6400, 6200);

    auto *Shape1 = new ElementoForma(Picture1, QStringLiteral("Shape1"), ElementoForma::Rettangolo,
                                     180, 225, 6050, 5800);
    Shape1->setBorderColor(Qt::black);
    Shape1->setFillColor(Qt::black);
    Shape1->setFillStyle(ElementoForma::Pieno);
    Shape1->setBackgroundColor(Qt::black);
    Shape1->setBackgroundOpaque(true);

    fraPremessa = CreaPagina("fraPremessa", 0, QStringLiteral("PREMESSA"), 2010);
    fraImp = CreaPagina("fraImp", 1, QStringLiteral("IMPOSTAZIONI"), 1770);
    fraInput = CreaPagina("fraInput", 2, QStringLiteral("DATI DI INPUT"), 1815);
    fraOutput = CreaPagina("fraOutput", 3, QStringLiteral("DATI DI OUTPUT"), 1680);

    // Bold on the first two pages, regular on the last two.
    lblPremessa1 =
        EtichettaACapo(fraPremessa, QStringLiteral("lblPremessa1"), TimesNewRoman(8.25, true));
    testiPagina[0] = {{lblPremessa1, false}};
    for (int i = 0; i < 9; ++i) {
        const bool intestazione = i % 2 == 1 && i < 8; // lblImp2, 4, 6 and 8
        lblImp[i] = EtichettaACapo(fraImp, QStringLiteral("lblImp%1").arg(i + 1),
                                   TimesNewRoman(8.25, true, intestazione));
        testiPagina[1].append({lblImp[i], intestazione});
    }
    lblInput = EtichettaACapo(fraInput, QStringLiteral("lblInput"), TimesNewRoman(8.25, false));
    testiPagina[2] = {{lblInput, false}};
    lblOutput1 =
        EtichettaACapo(fraOutput, QStringLiteral("lblOutput1"), TimesNewRoman(8.25, false));
    lblOutput2 =
        EtichettaACapo(fraOutput, QStringLiteral("lblOutput2"), TimesNewRoman(8.25, false));
    testiPagina[3] = {{lblOutput1, false}, {lblOutput2, true}};
}

// A white page with its heading and the maker's name in the corner.
QWidget *frmSplash::CreaPagina(const char *nome, int indice, const QString &intestazione,
                               int leftIntestazione)
{
    auto *pagina = new QFrame(Picture1);
    pagina->setObjectName(QString::fromLatin1(nome));
    pagina->setFrameStyle(QFrame::NoFrame);
    ColoraSfondo(pagina, Bianco);
    PosizionaInTwips(pagina, 90, 90, 6000, 5800);

    auto *titolo = EtichettaACapo(pagina, NomeInMatrice(QStringLiteral("lblIntestazione"), indice),
                                  TimesNewRoman(14, true));
    titolo->setText(intestazione);
    titolo->setWordWrap(false);
    ColoraSfondo(titolo, Bianco);
    AdattaAlTesto(titolo, leftIntestazione, 540);

    auto *marchio = EtichettaACapo(pagina, NomeInMatrice(QStringLiteral("lblMarchio"), indice),
                                   Arial(9.75, true), Qt::AlignHCenter);
    marchio->setText(QStringLiteral("QUARANEL"));
    ColoraTesto(marchio, Rosso);
    AdattaAltezza(marchio, 3960, 90, 1320);
    return pagina;
}

void frmSplash::CreaComandi()
{
    chkConferma =
        new QCheckBox(QStringLiteral("Conferma lettura delle condizioni di utilizzo."), superficie);
    chkConferma->setObjectName(QStringLiteral("chkConferma"));
    PosizionaInTwips(chkConferma, 5040, 6435, 6405, 285);

    cmdIndietro = Pulsante(superficie, "cmdIndietro", QStringLiteral("<"), 5040);
    cmdAvanti = Pulsante(superficie, "cmdAvanti", QStringLiteral(">"), 6660);
    cmdFinish = Pulsante(superficie, "cmdFinish", QStringLiteral("Fine"), 8280);
    cmdEsci = Pulsante(superficie, "cmdEsci", QStringLiteral("Esci"), 9900);

    setTabOrder(chkConferma, cmdIndietro);
    setTabOrder(cmdIndietro, cmdAvanti);
    setTabOrder(cmdAvanti, cmdFinish);
    setTabOrder(cmdFinish, cmdEsci);
}

void frmSplash::CollegaSegnali()
{
    // Raised by a click and by the load sequence setting the box alike.
    connect(chkConferma, &QCheckBox::toggled, this, &frmSplash::chkConferma_Click);
    connect(cmdAvanti, &QPushButton::clicked, this, &frmSplash::cmdAvanti_Click);
    connect(cmdIndietro, &QPushButton::clicked, this, &frmSplash::cmdIndietro_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &frmSplash::cmdFinish_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmSplash::cmdEsci_Click);
}

void frmSplash::PosizionaSulloSchermo(const QRect &schermo, const QRect &disponibile)
{
    const QSize intera = superficie->size();
    const QSize area = (disponibile.isEmpty() ? schermo : disponibile).size();
    // A scroll bar takes room from the other direction, which may then need
    // one too.
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scorrimento);
    bool orizzontale = intera.width() > area.width();
    const bool verticale = intera.height() + (orizzontale ? barra : 0) > area.height();
    orizzontale = orizzontale || intera.width() + (verticale ? barra : 0) > area.width();
    const QSize misura = intera + QSize(verticale ? barra : 0, orizzontale ? barra : 0);

    const QRect posto = PostoSulloSchermo(schermo, disponibile, misura);
    setFixedSize(posto.size());
    move(posto.topLeft());
}

// Cut down by a small screen, the wizard opens scrolled to its commands.
// The scroll area shows its bars, which narrow its view, only once the
// events of the showing have run: the commands are brought into view after.
void frmSplash::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    QMetaObject::invokeMethod(this, &frmSplash::MostraComandi, Qt::QueuedConnection);
}

// The commands' row from its right end, and the one with the focus.
void frmSplash::MostraComandi()
{
    scorrimento->ensureWidgetVisible(cmdEsci, 0, 0);
    if (QWidget *fuoco = focusWidget())
        scorrimento->ensureWidgetVisible(fuoco, 0, 0);
}

void frmSplash::Form_Load()
{
    lblVersion->setText(IdentitaApplicazione::TestoVersione());
    AdattaAltezza(lblVersion, 2565, 3195, 1965);
    lblProductName->setText(QStringLiteral("FELTRANOVA"));
    AdattaAltezza(lblProductName, 360, 1215, 3285);
    lblCompany->setText(IdentitaApplicazione::NomeSocieta);
    AdattaAltezza(lblCompany, 135, 6255, 3090);
    lblWarning->setText(QStringLiteral("Requisiti: O\\S Win98 o Superiori."));
    AdattaAltezza(lblWarning, 180, 6750, 4425);
    lblCompanyProduct->setText(QStringLiteral("Pannelli-Cassero"));
    AdattaAltezza(lblCompanyProduct, 135, 810, 5745);
    lblCredito->setText(QStringLiteral("Software devloped by Nordwick"));
    AdattaAltezza(lblCredito, 1530, 5985, 3090);

    PreparaPremessa();
    PreparaImpostazioni();
    PreparaDatiInput();
    PreparaDatiOutput();

    cmdIndietro->setEnabled(false);
    cmdFinish->setEnabled(false);
    CambiaPagina(PrimaPagina);

    if (AvvioCompletato) {
        chkConferma->hide();
        chkConferma->setChecked(true);
    }
    cmdAvanti->setFocus();
}

void frmSplash::PreparaPremessa()
{
    lblPremessa1->setText(QStringLiteral(
        "Il programma 'FELTRANOVA' è stato realizzato per consentire agevolmente il "
        "predimensionamento dei pannelli cassero 'FELTRANOVA'. Fornisce una stima della "
        "sezione geometrica, della quantità di acciaio al positivo (ad esclusione della rete "
        "elettrosaldata) e dell'isolamento termico (trasmittanza). Il progetto esecutivo "
        "dovrà essere redatto da Tecnico Abilitato, relativamente agli effettivi schemi "
        "statici nel rispetto della Normativa vigente. A tal fine la società QUARANEL.SRL "
        "prevede di fornire, con i pannelli 'FELTRANOVA', anche i relativi calcoli , "
        "relazioni e disegni esecutivi a norma di legge. "));
}

void frmSplash::PreparaImpostazioni()
{
    const QStringList testi[9] = {
        {QStringLiteral("Gli algoritmi di calcolo si basano sui seguenti presupposti: ")},
        {QStringLiteral("Materiali ")},
        {QStringLiteral("Acciaio ad aderenza migliorata FeB 44 K controllato "),
         QStringLiteral("Calcestruzzo Rbk 300. ")},
        {QStringLiteral("Metodo di calcolo ")},
        {QStringLiteral("Tensioni ammissibili consolidato da anni di applicazioni. ")},
        {QStringLiteral("Altezze minime dei solai-spessore cappa ")},
        {QStringLiteral("Altezza minima per un solaio di copertura 1/30 della luce di calcolo. "),
         QStringLiteral("Altezza minima per un solaio intermedio 1/25 della luce di calcolo. "),
         QStringLiteral("Lo spessore della cappa è di 4 cm. ")},
        {QStringLiteral("Schemi statici ")},
        {QStringLiteral(
             "Solaio a campata singola e semplice appoggio: momento flettente M=q x L²/8 "),
         QStringLiteral("Solaio continuo a più campate: momento flettente M=q x L²/12 "),
         QStringLiteral("Per sovraccarico si intende il carico utile cioè il carico che viene "
                        "aggiunto al peso proprio del solaio (quest'ultimo viene calcolato in "
                        "automatico in fase di OUTPUT). ")},
    };
    for (int i = 0; i < 9; ++i)
        lblImp[i]->setText(Righe(testi[i]));
}

void frmSplash::PreparaDatiInput()
{
    lblInput->setText(
        Righe({QStringLiteral("TIPO DI SOLAIO: scegliere se di copertura o intermedio"),
               QStringLiteral("SOVRACCARICO: si intende il carico utile cioè il carico che viene "
                              "aggiunto al peso proprio del solaio. "),
               QStringLiteral("E' espresso in daN/mq (ovvero Kg/mq). "),
               QStringLiteral("LUCE DI CALCOLO: è l'interasse tra due appoggi consecutivi del "
                              "solaio. "),
               QStringLiteral("E' espressa in metri. "),
               QStringLiteral("SPESSORE SOTTOTRAVETTO: è lo spessore del sottotravetto in "
                              "polistirene espanso che non ha scopi statici, ma solo di "
                              "coibentazione. Tale valore viene preso in considerazione per il "
                              "calcolo della trasmittanza. "),
               QStringLiteral("E' espressa in cm. "),
               QStringLiteral("COPRIFERRO: è la distanza tra la superficie del tondino in acciaio "
                              "e la superficie inferiore del travetto in c.a. "),
               QStringLiteral("E' espressa in cm. ")},
              true));
}

void frmSplash::PreparaDatiOutput()
{
    lblOutput1->setText(
        Righe({QStringLiteral("ALTEZZA DEL SOLAIO: viene fornita l'altezza del solaio data dalla "
                              "somma di cappa, travetto e spessore sottotravetto."),
               QStringLiteral("E' espressa in cm. "),
               QStringLiteral("DIAMETRO DEI DUE TONDINI DI ARMATURA: vengono forniti i diametri "
                              "dei due tondini di armatura da disporre in ogni travetto. "),
               QStringLiteral("Diametri previsti: diametro minimo 8 mm diametro massimo 20 mm. "),
               QStringLiteral("Vengono espressi in mm. "),
               QStringLiteral("PESO PROPRIO SOLAIO: viene fornito il peso proprio del solaio. "),
               QStringLiteral("E' espresso in daN/mq (ovvero Kg/mq). "),
               QStringLiteral("CALCESTRUZZO: viene fornita l'incidenza di calcestruzzo per metro "
                              "quadro. "),
               QStringLiteral("E' espresso in mc/mq."),
               QStringLiteral("INCIDENZA ACCIAIO: viene fornita l'incidenza dell'acciaio (a meno "
                              "della rete elettrosaldata)."),
               QStringLiteral("E' espresso in daN/mq (ovvero Kg/mq). "),
               QStringLiteral("TRASMITTANZA TERMICA: viene fornito il valore della trasmittanza "
                              "termica: "),
               QStringLiteral("E' espresso in W/(mq x °C). "),
               QStringLiteral("ALTEZZA PANNELLO: viene fornita l'altezza del pannello in "
                              "polistirene. "),
               QStringLiteral("E' espressa in cm. ")},
              true));
    lblOutput2->setText(
        QStringLiteral("All 'interno della finestra di OUTPUT l'icona 'MODIFICA' permette di "
                       "aumentare l 'altezza del travetto fornita dal programma ottenendo nuovi "
                       "OUTPUT. "));
}

// Laying out wrapped text is the larger part of the wizard's start-up, so a
// page is stacked only when it first comes on view.
void frmSplash::ImpilaTesti(int pagina)
{
    if (impilata[pagina])
        return;
    const QLabel *sopra = nullptr;
    for (const TestoPagina &testo : testiPagina[pagina]) {
        Impila(testo.etichetta, sopra, testo.staccata);
        sopra = testo.etichetta;
    }
    impilata[pagina] = true;
}

// Hides every page, then shows the one the direction leads to and sets the
// buttons that change at its ends. A move past either end, which the
// disabled buttons prevent, leaves the page on view as it is.
void frmSplash::CambiaPagina(int direzione)
{
    QWidget *const pagine[] = {fraPremessa, fraImp, fraInput, fraOutput};
    for (QWidget *pagina : pagine)
        pagina->hide();

    if (direzione == PrimaPagina) {
        paginaCorrente = 0;
        SpegniFreccia(cmdIndietro, cmdAvanti);
    } else if (direzione == Avanti && paginaCorrente < 3) {
        if (paginaCorrente == 0)
            cmdIndietro->setEnabled(true);
        else if (paginaCorrente == 2)
            SpegniFreccia(cmdAvanti, cmdIndietro);
        ++paginaCorrente;
    } else if (direzione == Indietro && paginaCorrente > 0) {
        if (paginaCorrente == 1)
            SpegniFreccia(cmdIndietro, cmdAvanti);
        else if (paginaCorrente == 3)
            cmdAvanti->setEnabled(true);
        --paginaCorrente;
    }
    ImpilaTesti(paginaCorrente);
    pagine[paginaCorrente]->show();
}

// A button disabled with the focus hands it on down the tab order, where
// "Esci" may be the next enabled one: a user paging with Space would end the
// program with one press too many. The other arrow takes it instead.
void frmSplash::SpegniFreccia(QPushButton *freccia, QPushButton *altra)
{
    if (focusWidget() == freccia)
        altra->setFocus(Qt::OtherFocusReason);
    freccia->setEnabled(false);
}

void frmSplash::chkConferma_Click()
{
    cmdFinish->setEnabled(chkConferma->isChecked());
}

void frmSplash::cmdAvanti_Click()
{
    CambiaPagina(Avanti);
}

void frmSplash::cmdIndietro_Click()
{
    CambiaPagina(Indietro);
}

void frmSplash::cmdFinish_Click()
{
    if (!AvvioCompletato) {
        const Clessidra clessidra;
        emit CaricamentoInputRichiesto();
        AvvioCompletato = true;
    }
    close();
}

void frmSplash::cmdEsci_Click()
{
    const bool primaVolta = !AvvioCompletato;
    close();
    if (primaVolta)
        emit FineApplicazioneRichiesta();
}

// Without a control box the window manager's close does nothing; the
// program itself closes the wizard, with "Fine", "Esci" or the main window.
void frmSplash::closeEvent(QCloseEvent *evento)
{
    if (evento->spontaneous()) {
        evento->ignore();
        return;
    }
    evento->accept();
    emit FinestraScaricata();
}
