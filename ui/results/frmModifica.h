#pragma once

#include "common/AreaDisegno.h"

class QComboBox;
class QToolButton;

// The joist height revision: the user picks a joist height from the first
// sizing's up to 32 cm, and the sizing and the result window are redone
// from it. Not modal: the result window behind it stays usable.
class frmModifica : public AreaDisegno {
    Q_OBJECT

public:
    explicit frmModifica(QWidget *parent = nullptr);

    // Fills the list and presets the current joist height; runs once the
    // dialog sits in its child window, then FinestraCaricata.
    void Form_Load();

    QComboBox *cmbNewHS;
    QToolButton *cmdOk;
    QToolButton *cmdAnnulla;

signals:
    // The main window follows these with its toolbar: the dialog set after
    // the load; after the unload, the result set again unless the revision
    // was confirmed (the fresh result window then applies its own).
    void FinestraCaricata();
    void FinestraScaricata(bool confermata);
    // Emitted in the middle of a confirmation, between the sizing and the
    // result display: unload the result window if it is loaded ...
    void ScaricaRisultatiRichiesto();
    // ... and, once the results are written, show it.
    void MostraRisultatiRichiesto();

protected:
    void closeEvent(QCloseEvent *evento) override;

private slots:
    void cmdOk_Click();
    void cmdAnnulla_Click();

private:
    void CreaDidascalia();
    void CreaImmagine();
    void CreaPulsanti();
    void ImpostaOrdineTabulazione();
    void CollegaSegnali();

    bool RicalcolaConAltezzaScelta(QString &Messaggio);
    void Scarica();

    bool confermata = false;
};
