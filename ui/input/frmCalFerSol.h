#pragma once

#include <QWidget>

class AreaDisegno;
class DisegniInput;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

// The input window: the kind of slab, the static scheme, span, load, cover
// and polystyrene thickness. It keeps no data beyond its controls; the
// calculation reads them by name.
class frmCalFerSol : public QWidget {
    Q_OBJECT

public:
    explicit frmCalFerSol(QWidget *parent = nullptr);

    // Load sequence: separator, tables, lists, defaults, design settings.
    // Runs once the window sits in the main window, so the toolbar can follow.
    void Form_Load();

    QRadioButton *optTipoSolaio[2];
    QRadioButton *optTipoCampata[2];
    QLineEdit *txtLuceNettaSolaio;
    QLineEdit *txtSovracAcc;
    QComboBox *cmbCF;
    QComboBox *cmbSSTravetto;
    QToolButton *cmdStampa;
    QToolButton *cmdCalcola;
    QToolButton *cmdEsci;

    // The client area and the sketch boxes and frames the explanatory
    // drawings live in.
    AreaDisegno *areaFinestra;
    AreaDisegno *picCampate;
    AreaDisegno *picSolGen;
    AreaDisegno *fraSez;
    AreaDisegno *fraSol;

signals:
    // The main window follows these with its toolbar: the open set after
    // the load, the closed-window set after the unload.
    void FinestraCaricata();
    void FinestraScaricata();
    // "Stam&pa": the main window prints the active child window.
    void StampaRichiesta();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private slots:
    void cmdCalcola_Click();
    void cmdEsci_Click();

private:
    void CreaSfondo();
    void CreaImpostazioni();
    void CreaSchemaStatico();
    void CreaGeometria();
    void CreaPulsanti();
    void ImpostaOrdineTabulazione();
    void CollegaSegnali();
    void RiempiListe();

    bool ConverteTastoDecimale(QLineEdit *casella, QKeyEvent *tasto);
    void ApplicaFuoco(QWidget *campo, QEvent *evento);
    void MantieniSelezioneDopoClic(QLineEdit *casella);

    // The explanatory drawings and their handlers.
    DisegniInput *disegni;
    // The text box the focus last entered by a mouse click, until the release.
    QLineEdit *casellaEntrataConClic = nullptr;
};
