#pragma once

#include "InsiemiPulsanti.h"

#include <QImage>
#include <QMainWindow>
#include <QMargins>

#include <array>
#include <chrono>
#include <memory>

class ServizioStampa;
class QAbstractButton;
class QKeyEvent;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolBar;

// Who asked for the printed screen: a failure is reported to a user who
// pressed a window's button or chose the menu entry, and dropped for the
// toolbar, whose commands discard their errors.
enum class OrigineStampa { PulsanteFinestra, MenuFile, BarraStrumenti };

// The frame of the application: menus, toolbar and status bar around the
// workspace that holds the input window, the result window and the revision
// dialog. Closing it closes them all and ends the program.
class mdiVelmora : public QMainWindow {
    Q_OBJECT

public:
    explicit mdiVelmora(QWidget *parent = nullptr);
    ~mdiVelmora() override;

    // Enables the toolbar buttons, one state per key in the order of
    // ChiaviPulsanti; every call sets all nine.
    void AbilitaPulsanti(const InsiemePulsanti &insieme);

    // Asks "Stampare la videata?" and prints the active child window's client
    // area, as it shows at the answer, on one page. Returns at once: the page
    // travels while the windows keep answering, under the busy pointer, and
    // StampaConclusa follows. Never throws; failures are reported as
    // OrigineStampa says. Does nothing while a print failure is being shown.
    void StampaVideo(OrigineStampa origine = OrigineStampa::PulsanteFinestra);

    // Places a window in the workspace as a child window; the child window
    // closes with it and is destroyed if the window deletes itself on close.
    QMdiSubWindow *AggiungiFiglia(QWidget *finestra);

    QMdiArea *AreaFiglie() const { return area; }

    // True while closing: the child windows' unloads then change nothing else.
    bool InChiusura() const { return chiusuraInCorso; }

    // True from the answer "Sì" until that printout has ended.
    bool StampaInCorso() const { return stampeInCorso > 0; }

    // Replaces the system's print server, and the time a printout may take
    // before it is given up.
    void ImpostaServizioStampa(std::shared_ptr<ServizioStampa> servizio,
                               std::chrono::milliseconds attesa = std::chrono::seconds(10));

signals:
    // Each printout asked for and confirmed ends with this, once; errore
    // says why it failed.
    void StampaConclusa(bool stampata, const QString &errore);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Runs the command of the toolbar button with that key.
    void tlbMdi_ButtonClick(const QString &chiave);

private:
    void EseguiComando(const QString &chiave, OrigineStampa origineStampa);
    void CreaComandi();
    QAction *Comando(const QString &chiave) const;
    void CreaMenu();
    void CreaBarraStrumenti();
    void CreaBarraStato();
    void CollegaComandi();
    void DimensionaECentra(const QMargins &cornice = QMargins());
    void AdattaAllaCornice();
    QSize InternaMinima() const;
    QAction *AggiungiVoce(QMenu *menu, const QString &nome, const QString &testo);
    void AggiungiComando(QMenu *menu, const QString &chiave, const QString &nome,
                         const QString &testo);

    bool ConfermaStampa();
    QImage RitraiFinestraAttiva(QString &Errore);
    void FineStampa(OrigineStampa origine, bool stampata, const QString &errore);
    void AvvisaStampaFallita(const QString &motivo);

    void ChiudiFigliEFinestre();
    QAbstractButton *PulsanteConTastoDiAccesso(const QKeyEvent *tasto) const;
    static void PremiComeClic(QAbstractButton *pulsante);

    QMdiArea *area;
    QToolBar *tlbMdi = nullptr;
    QStatusBar *stbMdi = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuSolai = nullptr;
    QMenu *mnuAiuto = nullptr;
    // One action per command, in the order of ChiaviPulsanti.
    std::array<QAction *, std::tuple_size_v<InsiemePulsanti>> comandi{};
    QAction *itemInfo = nullptr;
    // True while a print failure is being shown: one box at a time.
    bool avvisoAperto = false;
    std::shared_ptr<ServizioStampa> servizioStampa;
    std::chrono::milliseconds attesaStampa;
    int stampeInCorso = 0;
    bool chiusuraInCorso = false;
    bool corniceAdattata = false;
};
