#pragma once

#include "common/AreaDisegno.h"

class QLineEdit;
class QToolButton;

// The result window: the thirteen figures of the last sizing, a fixed
// drawing of the slab section and the commands to print, revise or go back.
// It owns no data: the engine writes the figures into the fields by name.
// The client area is a drawing area, so the background, the pictures and the
// dimension lines are windowless elements beneath the controls.
class frmOutPut2 : public AreaDisegno {
    Q_OBJECT

public:
    explicit frmOutPut2(QWidget *parent = nullptr);

    // Runs once the window sits in its child window: to the top-left corner
    // of the workspace, focus on "Stam&pa", then FinestraCaricata.
    void Form_Load();

    // Writes the text of one result field, found by its name; false (and
    // nothing written) when the window has no field of that name.
    bool ScriviCasella(const QString &nome, const QString &testo);

    // Readies the first result window of a session, at the given density,
    // to open as quickly as the next ones: its pictures are drawn where its
    // elements will find them and, when they were not drawn yet, the whole
    // window is drawn once out of sight, which leaves its fonts and the
    // style's pieces ready. For a moment when the program waits on the user
    // anyway.
    static void Prepara(qreal densita);

    QLineEdit *txtHCappa;
    QLineEdit *txtHTravetto;
    QLineEdit *txtSpesST;
    QLineEdit *txtHTotSolaio;
    QLineEdit *txtTond1;
    QLineEdit *txtTond2;
    QLineEdit *txtAcciaio;
    QLineEdit *txtPpSolaio;
    QLineEdit *txtCalcestruzzo;
    QLineEdit *txtHPanPol;
    QLineEdit *txtFrc1;
    QLineEdit *txtFrc2;
    QLineEdit *txtK;
    QToolButton *cmdStampa;
    QToolButton *cmdModifica;
    QToolButton *cmdBack;
    AreaDisegno *fraImage;

signals:
    // The main window follows these with its toolbar: the result set after
    // the load, the open set after the unload.
    void FinestraCaricata();
    void FinestraScaricata();
    // "Stam&pa": print the active child window, this one.
    void StampaRichiesta();
    // "&Modifica": open the revision dialog, or bring it to the front.
    void ModificaRichiesta();
    // "&Back": unload this window and show the input window again.
    void BackRichiesto();

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    void CreaSfondo();
    void CreaRisultati();
    void CreaRigaAcciaio(int top);
    void CreaDisegnoSezione();
    void CreaDistributore();
    void CreaPulsanti();
    void ImpostaOrdineTabulazione();
    void CollegaSegnali();

    QLineEdit *CreaCasella(const char *nome, int left, int top, int width);
};
