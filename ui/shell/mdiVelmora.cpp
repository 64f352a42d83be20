#include "mdiVelmora.h"

#include "GestioneFinestre.h"
#include "Stampa.h"
#include "common/Aspetto.h"
#include "common/Centratura.h"
#include "common/Clessidra.h"
#include "common/ImmaginiLista.h"
#include "common/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <QWindow>

#include <algorithm>
#include <exception>
#include <functional>
#include <iterator>

namespace {

const QString Titolo = QStringLiteral("FELTRANOVA");

constexpr int LarghezzaTwips = 12000;
constexpr int AltezzaTwips = 9000;
const QSize MisuraSfondo(780, 621);

// The workspace, with the building-site picture at its top-left corner over
// the workspace colour.
class AreaLavoro : public QMdiArea {
public:
    explicit AreaLavoro(QWidget *parent)
        : QMdiArea(parent)
    {
        setObjectName(QStringLiteral("AreaLavoro"));
        // The application-workspace grey of the light look.
        setBackground(Aspetto::TavolozzaClassica().color(QPalette::Dark));
        // A child window reaching past a frame made small, by the user or
        // by a small screen, is scrolled into reach rather than cut off.
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMdiArea::paintEvent(event);
        QPainter pittore(viewport());
        pittore.drawPixmap(QPoint(0, 0), Sfondo());
    }

private:
    const QPixmap &Sfondo()
    {
        const qreal scala = devicePixelRatioF();
        if (sfondo.isNull() || sfondo.devicePixelRatio() != scala) {
            sfondo = QPixmap(MisuraSfondo * scala);
            sfondo.setDevicePixelRatio(scala);
            sfondo.fill(Qt::transparent);
            QPainter pittore(&sfondo);
            QSvgRenderer(QStringLiteral(":/shell/sfondo.svg"))
                .render(&pittore, QRectF(QPointF(0, 0), MisuraSfondo));
        }
        return sfondo;
    }

    QPixmap sfondo;
};

// A toolbar button that runs the toolbar's command when clicked, instead of
// triggering the action it shows.
class PulsanteBarra : public QToolButton {
public:
    PulsanteBarra(QToolBar *barra, std::function<void()> premuto)
        : QToolButton(barra)
        , premuto(std::move(premuto))
    {
        // As the toolbar makes its own buttons.
        setAutoRaise(true);
        setFocusPolicy(Qt::NoFocus);
        setIconSize(barra->iconSize());
        setToolButtonStyle(barra->toolButtonStyle());
    }

protected:
    void nextCheckState() override { premuto(); }

private:
    std::function<void()> premuto;
};

// A command shared by a menu entry and a toolbar button that must know which
// of the two the user chose: the menu shows it as any other entry, and the
// toolbar as a PulsanteBarra.
class ComandoConPulsante : public QWidgetAction {
public:
    ComandoConPulsante(std::function<void()> premuto, QObject *parent)
        : QWidgetAction(parent)
        , premuto(std::move(premuto))
    {
    }

protected:
    QWidget *createWidget(QWidget *parent) override
    {
        auto *barra = qobject_cast<QToolBar *>(parent);
        if (!barra)
            return nullptr;
        auto *pulsante = new PulsanteBarra(barra, premuto);
        pulsante->setDefaultAction(this);
        return pulsante;
    }

private:
    std::function<void()> premuto;
};

// Alt, and neither Ctrl nor Meta, with a key that types a character.
bool ScriveConAlt(const QKeyEvent &tasto)
{
    const Qt::KeyboardModifiers altri =
        tasto.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return altri == Qt::AltModifier && !tasto.text().isEmpty();
}

} // namespace

mdiVelmora::mdiVelmora(QWidget *parent)
    : QMainWindow(parent)
    , area(new AreaLavoro(this))
    , servizioStampa(ServizioStampaSistema())
    , attesaStampa(std::chrono::seconds(10))
{
    setObjectName(QStringLiteral("mdiVelmora"));
    Aspetto::ApplicaTavolozzaClassica(this);
    setWindowTitle(Titolo);
    setWindowIcon(IconaApplicazione());
    // The bars are part of the frame: no menu to hide or move them.
    setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(area);

    CreaComandi();
    CreaMenu();
    CreaBarraStrumenti();
    CreaBarraStato();
    CollegaComandi();
    qApp->installEventFilter(this);

    // Until a window applies its own set, only what needs no window is on.
    AbilitaPulsanti(InsiemeFinestraChiusa);
    DimensionaECentra();
}

mdiVelmora::~mdiVelmora() = default;

QAction *mdiVelmora::AggiungiVoce(QMenu *menu, const QString &nome, const QString &testo)
{
    QAction *voce = menu->addAction(testo);
    voce->setObjectName(nome);
    return voce;
}

// The menu entry that gives a toolbar command is that command's own action:
// the two are enabled together and do the same thing. The action takes the
// entry's name; the toolbar's button keeps the key.
void mdiVelmora::AggiungiComando(QMenu *menu, const QString &chiave, const QString &nome,
                                 const QString &testo)
{
    QAction *comando = Comando(chiave);
    comando->setObjectName(nome);
    comando->setText(testo);
    // The menu shows its entries without pictures.
    comando->setIconVisibleInMenu(false);
    menu->addAction(comando);
}

// The nine commands, one action each, named by the toolbar's keys until a
// menu entry names the ones it shares. Each button is named by its tooltip,
// for those who do not see its picture.
void mdiVelmora::CreaComandi()
{
    const struct {
        QString chiave;
        QString suggerimento;
        int immagine;
    } pulsanti[] = {
        {QStringLiteral("ApriForm"), QStringLiteral("Apri Maschera Pre Dim Solai"), 1},
        {QStringLiteral("Pulisci"), QStringLiteral("Pulisci Campi di Input"), 2},
        {QStringLiteral("Calcola"), QStringLiteral("Pre Dimensiona Solaio Velmora"), 3},
        {QStringLiteral("Modifica"), QStringLiteral("Modifica Altezza Travetto"), 4},
        {QStringLiteral("Back"), QStringLiteral("Ritorna alla Maschera Precedente"), 6},
        {QStringLiteral("Stampa"), QStringLiteral("Stampa Videata"), 5},
        {QStringLiteral("Esporta"), QStringLiteral("Esporta in Excel"), 7},
        {QStringLiteral("Info"), QStringLiteral("Info Software - Velmora"), 8},
        {QStringLiteral("Esci"), QStringLiteral("Esci"), 9},
    };
    static_assert(std::size(pulsanti) == std::tuple_size_v<InsiemePulsanti>);
    for (std::size_t i = 0; i < comandi.size(); ++i) {
        Q_ASSERT(pulsanti[i].chiave == ChiaviPulsanti[i]);
        const QString &chiave = pulsanti[i].chiave;
        // A print failure is reported from the menu and dropped from the
        // toolbar, so its button says it was the one.
        if (chiave == QLatin1String("Stampa"))
            comandi[i] =
                new ComandoConPulsante([this, chiave] { tlbMdi_ButtonClick(chiave); }, this);
        else
            comandi[i] = new QAction(this);
        comandi[i]->setIcon(ImmagineLista(pulsanti[i].immagine));
        comandi[i]->setObjectName(chiave);
        comandi[i]->setToolTip(pulsanti[i].suggerimento);
        comandi[i]->setIconText(pulsanti[i].suggerimento);
    }
    // The one command with neither a menu entry nor a button in a window:
    // a key of its own lets the keyboard reach it too.
    Comando(QStringLiteral("Pulisci"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
}

QAction *mdiVelmora::Comando(const QString &chiave) const
{
    const auto trovata = std::find(ChiaviPulsanti.begin(), ChiaviPulsanti.end(), chiave);
    Q_ASSERT(trovata != ChiaviPulsanti.end());
    return trovata == ChiaviPulsanti.end() ? nullptr
                                           : comandi[std::size_t(trovata - ChiaviPulsanti.begin())];
}

void mdiVelmora::CreaMenu()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const QList<QAction *> senzaComando{
        AggiungiVoce(mnuFile, QStringLiteral("ItemNuovo"), QStringLiteral("&Nuovo")),
        AggiungiVoce(mnuFile, QStringLiteral("ItemExport"), QStringLiteral("E&xport")),
        AggiungiVoce(mnuFile, QStringLiteral("itemApri"), QStringLiteral("&Apri")),
        AggiungiVoce(mnuFile, QStringLiteral("itemSalva"), QStringLiteral("&Salva")),
    };
    AggiungiComando(mnuFile, QStringLiteral("Stampa"), QStringLiteral("itemStampa"),
                    QStringLiteral("Stam&pa"));
    AggiungiComando(mnuFile, QStringLiteral("Esci"), QStringLiteral("itemEsci"),
                    QStringLiteral("&Esci"));

    mnuSolai = menuBar()->addMenu(QStringLiteral("&Solai"));
    mnuSolai->setObjectName(QStringLiteral("mnuSolai"));
    AggiungiComando(mnuSolai, QStringLiteral("ApriForm"), QStringLiteral("itemCalFerri"),
                    QStringLiteral("&Calcolo Ferri"));

    mnuAiuto = menuBar()->addMenu(QStringLiteral("&Aiuto"));
    mnuAiuto->setObjectName(QStringLiteral("mnuAiuto"));
    itemInfo = AggiungiVoce(mnuAiuto, QStringLiteral("itemInfo"), QStringLiteral("&Info Software"));
    QAction *itemQuaranel =
        AggiungiVoce(mnuAiuto, QStringLiteral("itemQuaranel"), QStringLiteral("Info &Quaranel"));
    AggiungiComando(mnuAiuto, QStringLiteral("Info"), QStringLiteral("itemVelmora"),
                    QStringLiteral("Info &Velmora"));

    for (QAction *voce : senzaComando)
        voce->setEnabled(false);
    itemQuaranel->setEnabled(false);
}

void mdiVelmora::CreaBarraStrumenti()
{
    tlbMdi = new QToolBar(this);
    tlbMdi->setObjectName(QStringLiteral("tlbMdi"));
    tlbMdi->setMovable(false);
    tlbMdi->setFloatable(false);
    tlbMdi->setIconSize(QSize(16, 16));
    tlbMdi->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, tlbMdi);

    // Five groups, a separator before each but the first. Each button is
    // known by its key, whatever the name of the action it shows.
    const QStringList apronoGruppo{QStringLiteral("Pulisci"), QStringLiteral("Stampa"),
                                   QStringLiteral("Info"), QStringLiteral("Esci")};
    for (std::size_t i = 0; i < comandi.size(); ++i) {
        if (apronoGruppo.contains(ChiaviPulsanti[i]))
            tlbMdi->addSeparator();
        tlbMdi->addAction(comandi[i]);
        tlbMdi->widgetForAction(comandi[i])->setObjectName(ChiaviPulsanti[i]);
    }
}

void mdiVelmora::CreaBarraStato()
{
    stbMdi = new QStatusBar(this);
    stbMdi->setObjectName(QStringLiteral("stbMdi"));
    auto *pannello = new QLabel(stbMdi);
    pannello->setObjectName(QStringLiteral("Panels(1)"));
    pannello->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    stbMdi->addWidget(pannello, 1);
    setStatusBar(stbMdi);
}

void mdiVelmora::CollegaComandi()
{
    // The action triggers from its menu entry, its key, or a toolbar button
    // other than Stampa's.
    for (std::size_t i = 0; i < comandi.size(); ++i)
        connect(comandi[i], &QAction::triggered, this,
                [this, i] { EseguiComando(ChiaviPulsanti[i], OrigineStampa::MenuFile); });
    connect(itemInfo, &QAction::triggered, this, [] { MostraAbout(); });
}

// The outer size is 800 x 600 and the window is centred, within the
// screen's available area: on a smaller one the frame takes that area and
// the workspace scrolls. Until a window manager has framed it, the frame is
// unknown and the inner area takes the whole size; AdattaAllaCornice
// corrects both once the frame is known.
void mdiVelmora::DimensionaECentra(const QMargins &cornice)
{
    const QSize esterna(PixelDaTwips(LarghezzaTwips), PixelDaTwips(AltezzaTwips));
    const QSize interna = esterna.shrunkBy(cornice).expandedTo(InternaMinima());
    const QScreen *schermo = screen();
    if (!schermo) {
        resize(interna);
        return;
    }
    const QRect posto = PostoSulloSchermo(schermo->geometry(), schermo->availableGeometry(),
                                          interna.grownBy(cornice));
    resize(posto.size().shrunkBy(cornice));
    move(posto.topLeft());
}

// The inner size that shows every child window whole at its place: a thick
// frame must not make the input window's lower fields scroll on a screen
// that has room for them.
QSize mdiVelmora::InternaMinima() const
{
    QRect figlie;
    for (const QMdiSubWindow *cornice : area->subWindowList())
        figlie |= cornice->geometry();
    if (figlie.isEmpty())
        return {};
    const QSize bordi = size() - area->size();
    return QSize(figlie.right() + 1, figlie.bottom() + 1) + bordi;
}

// Called once, soon after the window first comes on screen: by then a window
// manager has drawn its frame and told its size. Only an X window manager or
// a Wayland compositor's frame counts; the frame that platforms without a
// screen report is a fiction.
void mdiVelmora::AdattaAllaCornice()
{
    const QString piattaforma = QGuiApplication::platformName();
    if (piattaforma != u"xcb" && !piattaforma.startsWith(u"wayland"))
        return;
    const QMargins cornice = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!cornice.isNull())
        DimensionaECentra(cornice);
}

void mdiVelmora::AbilitaPulsanti(const InsiemePulsanti &insieme)
{
    for (std::size_t i = 0; i < comandi.size(); ++i)
        comandi[i]->setEnabled(insieme[i]);
}

void mdiVelmora::tlbMdi_ButtonClick(const QString &chiave)
{
    EseguiComando(chiave, OrigineStampa::BarraStrumenti);
}

void mdiVelmora::EseguiComando(const QString &chiave, OrigineStampa origineStampa)
{
    // A command that fails ends there, without a word to the user; the
    // debug output keeps it, as it may be a fault of the program.
    try {
        if (chiave == QLatin1String("ApriForm"))
            CaricaCalFerSol();
        else if (chiave == QLatin1String("Pulisci"))
            PulisciInput();
        else if (chiave == QLatin1String("Calcola"))
            ComandoCalcola();
        else if (chiave == QLatin1String("Modifica"))
            ApriModifica();
        else if (chiave == QLatin1String("Back"))
            TornaIndietro(area->currentSubWindow() ? area->currentSubWindow()->widget() : nullptr);
        else if (chiave == QLatin1String("Stampa"))
            StampaVideo(origineStampa);
        // "Esporta" has no command. "Info" shows the wizard, as "Info &Velmora"
        // does, whatever its tooltip says.
        else if (chiave == QLatin1String("Info"))
            MostraSplash();
        else if (chiave == QLatin1String("Esci"))
            close();
    } catch (const std::exception &eccezione) {
        qWarning("Comando %s non riuscito: %s", qUtf8Printable(chiave), eccezione.what());
    } catch (...) {
        qWarning("Comando %s non riuscito", qUtf8Printable(chiave));
    }
}

QMdiSubWindow *mdiVelmora::AggiungiFiglia(QWidget *finestra)
{
    QMdiSubWindow *cornice = area->addSubWindow(finestra);
    cornice->setAttribute(Qt::WA_DeleteOnClose);
    return cornice;
}

void mdiVelmora::ImpostaServizioStampa(std::shared_ptr<ServizioStampa> servizio,
                                       std::chrono::milliseconds attesa)
{
    servizioStampa = std::move(servizio);
    attesaStampa = attesa;
}

void mdiVelmora::StampaVideo(OrigineStampa origine)
{
    if (avvisoAperto || !ConfermaStampa())
        return;
    QString errore;
    QImage videata;
    {
        // Busy from the answer on: the printing job keeps the pointer once it starts.
        const Clessidra clessidra;
        try {
            videata = RitraiFinestraAttiva(errore);
        } catch (const std::exception &eccezione) {
            errore = QString::fromLocal8Bit(eccezione.what());
        } catch (...) {
            errore = QStringLiteral("errore imprevisto");
        }
    }
    if (videata.isNull()) {
        FineStampa(origine, false, errore);
        return;
    }
    auto *lavoro = new LavoroStampa(servizioStampa, std::move(videata), attesaStampa, this);
    connect(lavoro, &LavoroStampa::Concluso, this,
            [this, origine](bool stampata, const QString &motivo) {
                --stampeInCorso;
                FineStampa(origine, stampata, motivo);
            });
    ++stampeInCorso;
    lavoro->Avvia();
}

bool mdiVelmora::ConfermaStampa()
{
    QMessageBox domanda(QMessageBox::Question, Titolo, QStringLiteral("Stampare la videata?"),
                        QMessageBox::Yes | QMessageBox::No, this);
    domanda.setDefaultButton(QMessageBox::Yes);
    return domanda.exec() == QMessageBox::Yes;
}

// Taken at the answer, before anything on screen can change.
QImage mdiVelmora::RitraiFinestraAttiva(QString &Errore)
{
    // The current child window stays current while the question box has the
    // focus, unlike the active one.
    const QMdiSubWindow *attiva = area->currentSubWindow();
    if (!attiva || !attiva->widget() || !attiva->isVisible()) {
        Errore = QStringLiteral("nessuna finestra da stampare");
        return {};
    }
    if (!servizioStampa) {
        Errore = QStringLiteral("nessuna stampante");
        return {};
    }
    return RitraiFinestra(*attiva->widget());
}

void mdiVelmora::FineStampa(OrigineStampa origine, bool stampata, const QString &errore)
{
    // Failures that come while one is shown are not stacked over it.
    if (!stampata && origine != OrigineStampa::BarraStrumenti && !avvisoAperto)
        AvvisaStampaFallita(errore);
    emit StampaConclusa(stampata, errore);
}

void mdiVelmora::AvvisaStampaFallita(const QString &motivo)
{
    QMessageBox avviso(QMessageBox::Warning, Titolo,
                       QStringLiteral("Stampa non riuscita: %1.").arg(motivo), QMessageBox::Ok,
                       this);
    const QScopedValueRollback aperto(avvisoAperto, true);
    avviso.exec();
}

// Seen at the application, before any widget: the main window's first
// exposure, and the keys. The access keys of the active child window's
// buttons come before the menus' and before the focused box: "&Annulla" must
// not open "&Aiuto", Alt+C must press "&Calcola" rather than type a "c", and
// a window in the background must not take the key from the one in front.
bool mdiVelmora::eventFilter(QObject *oggetto, QEvent *evento)
{
    // Resized after the exposure has been handled: a Wayland window that
    // changed its size while being exposed would never be shown.
    if (evento->type() == QEvent::Expose && !corniceAdattata && oggetto == windowHandle()) {
        corniceAdattata = true;
        QMetaObject::invokeMethod(this, &mdiVelmora::AdattaAllaCornice, Qt::QueuedConnection);
        return QMainWindow::eventFilter(oggetto, evento);
    }
    const bool tasto =
        evento->type() == QEvent::ShortcutOverride || evento->type() == QEvent::KeyPress;
    auto *widget = qobject_cast<QWidget *>(oggetto);
    if (!tasto || !widget || widget->window() != this)
        return QMainWindow::eventFilter(oggetto, evento);
    auto *pressione = static_cast<QKeyEvent *>(evento);
    if (QAbstractButton *pulsante = PulsanteConTastoDiAccesso(pressione)) {
        pressione->accept();
        if (evento->type() == QEvent::KeyPress)
            PremiComeClic(pulsante);
        return true;
    }
    // Alt with a key that no button and no menu takes (the menus' keys are
    // matched before the key press is sent) would type its character into
    // the box with the focus, spoiling the figure there; it does nothing.
    if (evento->type() == QEvent::KeyPress && ScriveConAlt(*pressione))
        return true;
    return QMainWindow::eventFilter(oggetto, evento);
}

// As a mouse click does, the button takes the focus before it acts: the box
// it leaves loses the focus, and gets its GotFocus again when a failed
// calculation puts the caret back there, so the wrong text is selected anew.
void mdiVelmora::PremiComeClic(QAbstractButton *pulsante)
{
    if (pulsante->focusPolicy() & Qt::ClickFocus)
        pulsante->setFocus(Qt::ShortcutFocusReason);
    pulsante->click();
}

QAbstractButton *mdiVelmora::PulsanteConTastoDiAccesso(const QKeyEvent *tasto) const
{
    if (tasto->modifiers() != Qt::AltModifier || tasto->key() < Qt::Key_A ||
        tasto->key() > Qt::Key_Z)
        return nullptr;
    const QMdiSubWindow *attiva = area->activeSubWindow();
    if (!attiva || !attiva->widget())
        return nullptr;
    const QKeySequence combinazione(Qt::AltModifier | Qt::Key(tasto->key()));
    const auto pulsanti = attiva->widget()->findChildren<QAbstractButton *>();
    for (QAbstractButton *pulsante : pulsanti) {
        if (pulsante->isVisibleTo(attiva) && pulsante->isEnabled() &&
            QKeySequence::mnemonic(pulsante->text()) == combinazione)
            return pulsante;
    }
    return nullptr;
}

void mdiVelmora::closeEvent(QCloseEvent *event)
{
    ChiudiFigliEFinestre();
    event->accept();
    QCoreApplication::quit();
}

void mdiVelmora::ChiudiFigliEFinestre()
{
    chiusuraInCorso = true;
    // The printouts on their way stop together; each job waits for its own
    // thread as it goes with this window.
    for (LavoroStampa *lavoro : findChildren<LavoroStampa *>(Qt::FindDirectChildrenOnly))
        lavoro->Interrompi();
    // Each child window runs its own closing first, hidden ones included.
    area->closeAllSubWindows();

    QList<QPointer<QWidget>> altre;
    for (QWidget *finestra : QApplication::topLevelWidgets()) {
        if (finestra != this && finestra->isVisible())
            altre.append(finestra);
    }
    for (const QPointer<QWidget> &finestra : altre) {
        if (finestra)
            finestra->close();
    }
}
