#include "GestioneFinestre.h"

#include "RegistroFinestre.h"
#include "common/FinestraFiglia.h"
#include "info/frmAbout.h"
#include "info/frmSplash.h"
#include "input/frmCalFerSol.h"
#include "modVelmora.h"
#include "results/frmModifica.h"
#include "results/frmOutPut2.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>

namespace {

const char *ProprietaScaricataDaCodice = "velmoraScaricataDaCodice";

void ApplicaInsieme(const InsiemePulsanti &insieme)
{
    if (Registro.Principale)
        Registro.Principale->AbilitaPulsanti(insieme);
}

// The main window gone or closing: its children are unloaded, not sent back
// to one another.
bool ApplicazioneInChiusura()
{
    return !Registro.Principale || Registro.Principale->InChiusura();
}

// The set a loaded child window gives the toolbar; the closed-window set for
// anything else.
InsiemePulsanti InsiemeDi(const QWidget *finestra)
{
    if (!finestra)
        return InsiemeFinestraChiusa;
    if (finestra == ModificaCaricata())
        return InsiemeDialogo;
    if (finestra == OutPut2Caricata())
        return InsiemeRisultati;
    if (finestra == CalFerSolCaricata())
        return InsiemeAperto;
    return InsiemeFinestraChiusa;
}

// The loaded child window on view nearest the front of the workspace, or
// null. A window whose unload is running has already left the registry.
QWidget *FinestraDavanti()
{
    if (!Registro.Principale)
        return nullptr;
    const QList<QMdiSubWindow *> cornici =
        Registro.Principale->AreaFiglie()->subWindowList(QMdiArea::StackingOrder);
    for (auto cornice = cornici.crbegin(); cornice != cornici.crend(); ++cornice) {
        QWidget *finestra = (*cornice)->widget();
        if ((*cornice)->isVisible() && InsiemeDi(finestra) != InsiemeFinestraChiusa)
            return finestra;
    }
    return nullptr;
}

// Once a child window has unloaded or hidden, the toolbar offers the commands
// of the one left in front: with the revision dialog open beside the other
// windows, the set the last load applied may belong to a window no longer
// there.
void ApplicaInsiemeFinestraDavanti()
{
    ApplicaInsieme(InsiemeDi(FinestraDavanti()));
}

void StampaDaFinestra()
{
    if (Registro.Principale)
        Registro.Principale->StampaVideo(OrigineStampa::PulsanteFinestra);
}

// The frame's window menu offers only what works on a window of fixed size
// that stays among its siblings: no resizing, no staying on top.
void TogliVociInutili(QMdiSubWindow *cornice)
{
    const QStringList inutili{QCoreApplication::translate("QMdiSubWindow", "&Size"),
                              QCoreApplication::translate("QMdiSubWindow", "Stay on &Top")};
    QMenu *menu = cornice->systemMenu();
    const QList<QAction *> voci = menu->actions();
    for (QAction *voce : voci) {
        if (inutili.contains(voce->text()))
            menu->removeAction(voce);
    }
}

// A child window with a fixed size: title, window menu and close, and a
// minimise button where the window may be set aside; no maximise, no
// resizing.
QMdiSubWindow *AggiungiFigliaFissa(QWidget *finestra, bool riducibile = false)
{
    QMdiSubWindow *cornice = Registro.CaricaPrincipale()->AggiungiFiglia(finestra);
    Qt::WindowFlags bandiere =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (riducibile)
        bandiere |= Qt::WindowMinimizeButtonHint;
    cornice->setWindowFlags(bandiere);
    cornice->setWindowIcon(finestra->windowIcon());
    cornice->adjustSize();
    cornice->setFixedSize(cornice->size());
    TogliVociInutili(cornice);
    return cornice;
}

// One step of the workspace's cascade from its top left corner, as users
// expect a new child window: where the workspace would put it by itself, at
// the lower right, the dialog covered the result window's buttons.
void PosizionaACascata(QMdiSubWindow *cornice)
{
    const int passo = cornice->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, cornice);
    cornice->move(passo, passo);
}

// Closing the result window with its close box goes back like "&Back";
// unloads by the program itself (a revision, "&Back", the main window
// closing) do not.
void DopoScaricamentoRisultati(frmOutPut2 *finestra)
{
    Registro.OutPut2 = nullptr;
    const bool daCodice = finestra->property(ProprietaScaricataDaCodice).toBool();
    if (!daCodice && !ApplicazioneInChiusura() && CalFerSolCaricata())
        MostraFinestra(CalFerSolCaricata());
    ApplicaInsiemeFinestraDavanti();
}

// A control the procedures ask for that the input window does not have is a
// misspelt name: it stops the program at the first calculation, in every
// build, instead of reading as an empty box.
[[noreturn]] void ControlloSconosciuto(const QString &nome)
{
    qFatal("The input window has no control %s", qPrintable(nome));
}

// A control as a freshly loaded input window has it.
QString TestoIniziale(const QString &nome)
{
    if (nome == Controlli::Copriferro)
        return VociInput::CopriferroIniziale;
    if (nome == Controlli::SottoTravetto)
        return VociInput::SottoTravettoIniziale;
    if (nome == Controlli::Luce || nome == Controlli::Carico)
        return VociInput::CasellaIniziale;
    ControlloSconosciuto(nome);
}

bool OpzioneIniziale(const QString &nome)
{
    if (nome == Controlli::Intermedio || nome == Controlli::CampataSingola)
        return true;
    ControlloSconosciuto(nome);
}

// What the engine sees of the windows. The input controls are read by name;
// when the input window is not loaded they read as a freshly loaded window
// would: whatever windows are open, the engine always reads a text or an
// option.
class FinestreApplicazione : public Finestre {
public:
    QString TestoControllo(const QString &nome) override
    {
        frmCalFerSol *input = CalFerSolCaricata();
        if (!input)
            return TestoIniziale(nome);
        if (auto *casella = input->findChild<QLineEdit *>(nome))
            return casella->text();
        if (auto *lista = input->findChild<QComboBox *>(nome))
            return lista->currentText();
        ControlloSconosciuto(nome);
    }

    bool ValoreOpzione(const QString &nome) override
    {
        frmCalFerSol *input = CalFerSolCaricata();
        if (!input)
            return OpzioneIniziale(nome);
        if (auto *opzione = input->findChild<QRadioButton *>(nome))
            return opzione->isChecked();
        ControlloSconosciuto(nome);
    }

    void ImpostaFuoco(const QString &nome) override
    {
        frmCalFerSol *input = CalFerSolCaricata();
        if (!input)
            return;
        MostraFinestra(input);
        if (auto *controllo = input->findChild<QWidget *>(nome))
            controllo->setFocus(Qt::OtherFocusReason);
    }

    void ScriviRisultato(const QString &nome, const QString &testo) override
    {
        CaricaOutPut2()->ScriviCasella(nome, testo);
    }

    void NascondiInput() override
    {
        if (QMdiSubWindow *cornice = CorniceDi(CalFerSolCaricata())) {
            cornice->hide();
            ApplicaInsiemeFinestraDavanti();
        }
    }

    // The results take the input window's place, in front of a revision
    // dialog left open: the toolbar follows them.
    void MostraFinestraRisultati() override
    {
        MostraFinestra(OutPut2Caricata());
        ApplicaInsiemeFinestraDavanti();
    }

    void MostraAvviso(const QString &testo, const QString &titolo) override
    {
        QMessageBox avviso(QMessageBox::Warning, titolo, testo, QMessageBox::Ok,
                           Registro.Principale);
        avviso.exec();
        // Back to the main window, so the caret lands in the box the engine
        // put the focus into, whatever the window manager does.
        if (Registro.Principale)
            Registro.Principale->activateWindow();
    }
};

// Once the input window is up and the program has nothing left to do, the
// result window is readied: the user is typing, and the first calculation
// then opens its window as quickly as the next ones.
void PreparaRisultatiQuandoInattivo(QWidget *input)
{
    if (auto *coda = QAbstractEventDispatcher::instance())
        QObject::connect(
            coda, &QAbstractEventDispatcher::aboutToBlock, input,
            [input] { frmOutPut2::Prepara(input->devicePixelRatioF()); }, Qt::SingleShotConnection);
}

} // namespace

frmCalFerSol *CalFerSolCaricata()
{
    return qobject_cast<frmCalFerSol *>(Registro.CalFerSol.data());
}

frmOutPut2 *OutPut2Caricata()
{
    return qobject_cast<frmOutPut2 *>(Registro.OutPut2.data());
}

frmModifica *ModificaCaricata()
{
    return qobject_cast<frmModifica *>(Registro.Modifica.data());
}

frmCalFerSol *CaricaCalFerSol()
{
    if (frmCalFerSol *caricata = CalFerSolCaricata())
        return caricata;
    auto *finestra = new frmCalFerSol;
    Registro.CalFerSol = finestra;
    QObject::connect(finestra, &frmCalFerSol::FinestraCaricata,
                     [] { ApplicaInsieme(InsiemeAperto); });
    QObject::connect(finestra, &frmCalFerSol::FinestraScaricata, [] {
        Registro.CalFerSol = nullptr;
        ApplicaInsiemeFinestraDavanti();
    });
    QObject::connect(finestra, &frmCalFerSol::StampaRichiesta, &StampaDaFinestra);
    AggiungiFigliaFissa(finestra, true)->show();
    finestra->Form_Load();
    PreparaRisultatiQuandoInattivo(finestra);
    return finestra;
}

frmOutPut2 *CaricaOutPut2()
{
    if (frmOutPut2 *caricata = OutPut2Caricata())
        return caricata;
    auto *finestra = new frmOutPut2;
    Registro.OutPut2 = finestra;
    QObject::connect(finestra, &frmOutPut2::FinestraCaricata,
                     [] { ApplicaInsieme(InsiemeRisultati); });
    QObject::connect(finestra, &frmOutPut2::FinestraScaricata, finestra,
                     [finestra] { DopoScaricamentoRisultati(finestra); });
    QObject::connect(finestra, &frmOutPut2::StampaRichiesta, &StampaDaFinestra);
    QObject::connect(finestra, &frmOutPut2::ModificaRichiesta, &ApriModifica);
    QObject::connect(finestra, &frmOutPut2::BackRichiesto, finestra,
                     [finestra] { TornaIndietro(finestra); });
    AggiungiFigliaFissa(finestra)->show();
    finestra->Form_Load();
    return finestra;
}

frmModifica *CaricaModifica()
{
    if (frmModifica *caricata = ModificaCaricata())
        return caricata;
    auto *finestra = new frmModifica;
    Registro.Modifica = finestra;
    QObject::connect(finestra, &frmModifica::FinestraCaricata,
                     [] { ApplicaInsieme(InsiemeDialogo); });
    // Left without a confirmation, the dialog gives the keyboard back to the
    // result window it came from.
    QObject::connect(finestra, &frmModifica::FinestraScaricata, [](bool confermata) {
        Registro.Modifica = nullptr;
        if (!confermata && OutPut2Caricata() && !ApplicazioneInChiusura())
            MostraFinestra(OutPut2Caricata());
        ApplicaInsiemeFinestraDavanti();
    });
    QObject::connect(finestra, &frmModifica::ScaricaRisultatiRichiesto,
                     [] { ScaricaFinestra(OutPut2Caricata()); });
    QObject::connect(finestra, &frmModifica::MostraRisultatiRichiesto,
                     [] { MostraFinestra(OutPut2Caricata()); });
    QMdiSubWindow *cornice = AggiungiFigliaFissa(finestra);
    cornice->show();
    PosizionaACascata(cornice);
    finestra->Form_Load();
    return finestra;
}

namespace {

void MettiInPrimoPiano(QWidget *finestra)
{
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

} // namespace

frmSplash *MostraSplash()
{
    if (auto *aperta = qobject_cast<frmSplash *>(Registro.Splash.data())) {
        MettiInPrimoPiano(aperta);
        return aperta;
    }
    // Shown again from the main window, it stays in front of it and closes
    // with it.
    auto *finestra = new frmSplash(Registro.Principale);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    Registro.Splash = finestra;
    QObject::connect(finestra, &frmSplash::FinestraScaricata, [] { Registro.Splash = nullptr; });
    QObject::connect(finestra, &frmSplash::CaricamentoInputRichiesto, [] { CaricaCalFerSol(); });
    QObject::connect(finestra, &frmSplash::FineApplicazioneRichiesta, qApp,
                     &QCoreApplication::quit);
    finestra->Form_Load();
    finestra->show();
    return finestra;
}

frmAbout *MostraAbout()
{
    if (auto *aperta = qobject_cast<frmAbout *>(Registro.About.data())) {
        MettiInPrimoPiano(aperta);
        return aperta;
    }
    auto *finestra = new frmAbout(Registro.Principale);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    Registro.About = finestra;
    // Closed by OK, Enter, Esc or its close box alike.
    QObject::connect(finestra, &QDialog::finished, [] { Registro.About = nullptr; });
    finestra->Form_Load();
    finestra->show();
    return finestra;
}

void ScaricaFinestra(QWidget *finestra)
{
    if (!finestra)
        return;
    finestra->setProperty(ProprietaScaricataDaCodice, true);
    ChiudiFinestraFiglia(finestra);
}

void MostraFinestra(QWidget *finestra)
{
    QMdiSubWindow *cornice = CorniceDi(finestra);
    if (!cornice)
        return;
    // A window left minimised would come back as a bare title bar at the
    // foot of the workspace, which then looks empty.
    if (cornice->isMinimized())
        cornice->showNormal();
    else
        cornice->show();
    cornice->mdiArea()->setActiveSubWindow(cornice);
}

void TornaIndietro(QWidget *finestra)
{
    // Going back from the input window itself would unload it with all the
    // user's entries; it only has to come to the front.
    const bool scarica = finestra && finestra != CalFerSolCaricata();
    if (scarica)
        ScaricaFinestra(finestra);
    MostraFinestra(CaricaCalFerSol());
    // The unload left the toolbar to what was in front before the input
    // window came back.
    if (scarica)
        ApplicaInsiemeFinestraDavanti();
}

void ApriModifica()
{
    if (frmModifica *aperta = ModificaCaricata())
        MostraFinestra(aperta);
    else
        CaricaModifica();
}

void PulisciInput()
{
    frmCalFerSol *input = CalFerSolCaricata();
    if (!input)
        return;
    input->txtLuceNettaSolaio->setText(VociInput::CasellaIniziale);
    input->cmbSSTravetto->setCurrentText(VociInput::SottoTravettoIniziale);
    input->cmbCF->setCurrentText(VociInput::CopriferroIniziale);
    input->txtSovracAcc->setText(VociInput::CasellaIniziale);
}

void ComandoCalcola()
{
    CalcolaSolaio();
}

void CollegaMotoreAlleFinestre()
{
    static FinestreApplicazione finestre;
    CollegaFinestre(&finestre);
}
