#pragma once

#include "InsiemiPulsanti.h"

#include <QMainWindow>
#include <QMargins>

#include <memory>

class DestinazioneStampa;
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
// pressed a window's button or the menu entry, and dropped for the toolbar,
// whose commands discard their errors.
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
    void AbilitaPulsanti(bool ApriForm, bool Pulisci, bool Calcola, bool Modifica, bool Back,
                         bool Stampa, bool Esporta, bool Info, bool Esci);
    void AbilitaPulsanti(const InsiemePulsanti &insieme);

    // Asks "Stampare la videata?" and prints the active child window's client
    // area on one page. Never throws; failures are reported as OrigineStampa says.
    void StampaVideo(OrigineStampa origine = OrigineStampa::PulsanteFinestra);

    // Places a window in the workspace as a child window; the child window
    // closes with it and is destroyed if the window deletes itself on close.
    QMdiSubWindow *AggiungiFiglia(QWidget *finestra);

    QMdiArea *AreaFiglie() const { return area; }

    // True while closing: the child windows' unloads then change nothing else.
    bool InChiusura() const { return chiusuraInCorso; }

    // Replaces the default printer, e.g. with a PDF file.
    void ImpostaDestinazioneStampa(std::unique_ptr<DestinazioneStampa> destinazione);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void tlbMdi_ButtonClick(QAction *Button);

private:
    void CreaMenu();
    void CreaBarraStrumenti();
    void CreaBarraStato();
    void CollegaComandi();
    void DimensionaECentra(const QMargins &cornice = QMargins());
    void AdattaAllaCornice();
    QSize InternaMinima() const;
    QAction *AggiungiVoce(QMenu *menu, const QString &nome, const QString &testo);
    QAction *AggiungiPulsante(const QString &chiave, const QString &suggerimento, int immagine);

    bool ConfermaStampa();
    bool StampaFinestraAttiva(QString &Errore);
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
    QAction *itemStampa = nullptr;
    QAction *itemEsci = nullptr;
    std::unique_ptr<DestinazioneStampa> destinazioneStampa;
    bool chiusuraInCorso = false;
    bool corniceAdattata = false;
};
