#include "frmModifica.h"

#include "IdentitaApplicazione.h"
#include "common/Aspetto.h"
#include "common/Clessidra.h"
#include "common/ElementiGrafici.h"
#include "common/FinestraFiglia.h"
#include "common/NomeAccessibile.h"
#include "common/Twips.h"
#include "modVelmora.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QToolButton>

using namespace Aspetto;

namespace {

constexpr int AltezzaTravettoMassima = 32;

const QString AltezzaNonValida =
    QStringLiteral("Immettere un valore valido per la nuova altezza del solaio o annullare "
                   "l'operazione");

// Frames the caption row, the picture and the buttons.
void Incornicia(AreaDisegno *area, int indice, int left, int top, int width, int height)
{
    auto *cornice = new ElementoForma(area, NomeInMatrice(QStringLiteral("shpCornice"), indice),
                                      ElementoForma::Rettangolo, left, top, width, height);
    cornice->setBorderColor(BluScuro);
    cornice->setBorderWidth(2);
}

} // namespace

frmModifica::frmModifica(QWidget *parent)
    : AreaDisegno(parent)
{
    setObjectName(QStringLiteral("frmModifica"));
    ApplicaTavolozzaClassica(this);
    setWindowTitle(QStringLiteral("Modifica Altezza Travetto"));
    setFixedSize(PixelDaTwips(5610), PixelDaTwips(2235));
    setFont(Arial(8.25));
    ColoraSfondo(this, Argento);

    CreaDidascalia();
    CreaImmagine();
    CreaPulsanti();
    ImpostaOrdineTabulazione();
    CollegaSegnali();
}

void frmModifica::CreaDidascalia()
{
    Incornicia(this, 0, 60, 60, 3930, 540);
    auto *didascalia =
        Etichetta(this, QStringLiteral("Nuova Altezza Travetto"), Arial(9, true), BluScuro);
    PosizionaInTwips(didascalia, 180, 210, 2280, 240);

    cmbNewHS = new QComboBox(this);
    cmbNewHS->setObjectName(QStringLiteral("cmbNewHS"));
    cmbNewHS->setEditable(false);
    cmbNewHS->setFont(Arial(11.25));
    PosizionaInTwips(cmbNewHS, 2580, 150, 1260, 360);
    didascalia->setBuddy(cmbNewHS);
    ImpostaNomeAccessibile(cmbNewHS, didascalia->text());
}

void frmModifica::CreaImmagine()
{
    Incornicia(this, 1, 60, 660, 3930, 1515);
    new ElementoImmagine(this, QStringLiteral("imgVare"), QStringLiteral(":/windows/Pannelli.svg"),
                         1185, 780, 1665, 1275);
}

void frmModifica::CreaPulsanti()
{
    Incornicia(this, 2, 4050, 60, 1500, 2115);
    // Tool buttons are never a dialog's default or cancel button: Enter and
    // Esc reach no command.
    cmdOk = PulsanteGrafico(this, "cmdOk", QStringLiteral("&Conferma"),
                            IconaSvg(QStringLiteral(":/results/Conferma.svg")));
    PosizionaInTwips(cmdOk, 4170, 150, 1260, 960);
    cmdAnnulla = PulsanteGrafico(this, "cmdAnnulla", QStringLiteral("&Annulla"),
                                 IconaSvg(QStringLiteral(":/results/Annulla.svg")));
    PosizionaInTwips(cmdAnnulla, 4170, 1140, 1260, 960);
}

void frmModifica::ImpostaOrdineTabulazione()
{
    setTabOrder(cmbNewHS, cmdOk);
    setTabOrder(cmdOk, cmdAnnulla);
}

void frmModifica::CollegaSegnali()
{
    connect(cmdOk, &QToolButton::clicked, this, &frmModifica::cmdOk_Click);
    connect(cmdAnnulla, &QToolButton::clicked, this, &frmModifica::cmdAnnulla_Click);
}

// Heights from the first sizing's up to the highest the list offers. A
// current height outside that range (a record never sized, or a minimum
// above the maximum) presets nothing: the list shows no choice, and
// confirming it asks for a valid height.
void frmModifica::Form_Load()
{
    cmbNewHS->clear();
    for (int altezza = Progetto.HTravettoMinimo.Valore(); altezza <= AltezzaTravettoMassima;
         ++altezza)
        cmbNewHS->addItem(QString::number(altezza));
    cmbNewHS->setCurrentIndex(cmbNewHS->findText(Numeri::InteroInTesto(Progetto.HTravetto)));
    cmbNewHS->setFocus();
    emit FinestraCaricata();
}

void frmModifica::cmdOk_Click()
{
    Clessidra clessidra;
    QString Messaggio;
    bool riuscita = false;
    try {
        riuscita = RicalcolaConAltezzaScelta(Messaggio);
    } catch (const ErroreRuntime &errore) {
        Messaggio = errore.Testo();
    }
    clessidra.Rilascia();
    if (!riuscita)
        QMessageBox::warning(this, IdentitaApplicazione::Titolo, Messaggio);
}

// The slab height from the chosen joist height, the sizing from there, and
// a fresh result window; false with Messaggio set at the first failure, the
// dialog then stays open.
bool frmModifica::RicalcolaConAltezzaScelta(QString &Messaggio)
{
    const QString altezza = cmbNewHS->currentText();
    if (Numeri::NumeroIniziale(altezza) == 0) {
        Messaggio = AltezzaNonValida;
        return false;
    }
    Progetto.HSolaio = Numeri::TestoInIntero(altezza) + Progetto.HCappa;
    if (!DimensionaSolaio(Messaggio))
        return false;
    // Unloaded and loaded again, so the window comes back at the top-left
    // corner with the result set of the toolbar.
    emit ScaricaRisultatiRichiesto();
    if (!MostraRisultati(Messaggio))
        return false;
    emit MostraRisultatiRichiesto();
    confermata = true;
    Scarica();
    return true;
}

void frmModifica::cmdAnnulla_Click()
{
    Scarica();
}

void frmModifica::Scarica()
{
    ChiudiFinestraFiglia(this);
}

void frmModifica::closeEvent(QCloseEvent *evento)
{
    evento->accept();
    emit FinestraScaricata(confermata);
}
