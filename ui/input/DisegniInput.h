#pragma once

#include <QObject>
#include <QPointer>

class AreaDisegno;
class ElementoForma;
class ElementoLinea;
class QLabel;
class QWidget;
class frmCalFerSol;

// The explanatory drawings of the input window: the two beam sketches, the
// building sketch, the slab section, and the two insets that zoom open over
// them with the quantity being edited in red. They are built into the
// window's sketch boxes and frames; the handlers are the window's, called by
// it on its option clicks and on the focus changes of its four fields.
class DisegniInput : public QObject {
    Q_OBJECT

public:
    explicit DisegniInput(frmCalFerSol *finestra);

    void optTipoCampata_Click(int indice);
    void optTipoSolaio_Click(int indice);

    void txtLuceNettaSolaio_GotFocus();
    void txtLuceNettaSolaio_LostFocus();
    void txtSovracAcc_GotFocus();
    void txtSovracAcc_LostFocus();
    void cmbCF_GotFocus();
    void cmbCF_LostFocus();
    void cmbSSTravetto_GotFocus();
    void cmbSSTravetto_LostFocus();

    void EvidenziaSchema();
    void EvidenziaSezione();

    // Qt's focus events of the four fields, told apart into GotFocus and
    // LostFocus. A field gets its GotFocus when it gains the focus of its
    // window and its LostFocus when another widget of that window takes it:
    // a message box, a list's popup or another application taking the
    // keyboard for a while leave the field, and its highlight, as they were.
    //
    // EntraInCampo answers whether a FocusIn is a GotFocus (after running the
    // LostFocus of a field that lost the focus unseen); the window then
    // selects the text of a text box and calls GotFocus.
    bool EntraInCampo(QWidget *campo);
    void GotFocus(QWidget *campo);
    void EsceDaCampo(QWidget *campo);

private:
    void CreaSchemiStatici();
    void CreaSchemaEdificio();
    void CreaRiquadroSolaio();
    void CreaSezione();
    void CreaRiquadroSezione();

    void ControllaFuocoPerso();
    void LostFocus(QWidget *campo);

    frmCalFerSol *finestra;
    // The field whose GotFocus ran last and whose LostFocus has not yet.
    QPointer<QWidget> campoEvidenziato;

    ElementoLinea *linCampataS[7];
    ElementoLinea *linCampata[13];

    ElementoLinea *linSolaioCoper;
    ElementoLinea *linSolaioInter[2];
    ElementoForma *shpSA;
    ElementoLinea *linLC[3];
    QLabel *lblLN;

    QWidget *picOmbra;
    AreaDisegno *picSolaio;
    ElementoLinea *linLCI;
    ElementoForma *shpLCI[2];
    QLabel *lblLCI;
    ElementoForma *shpSCI;
    QLabel *lblSCI;

    ElementoLinea *linCF;
    QLabel *lblCF;
    ElementoLinea *linSS;
    ElementoLinea *linLinkSS;
    QLabel *lblSS;
    ElementoForma *shpIng;

    AreaDisegno *picIng;
    ElementoLinea *linCFI[3];
    QLabel *lblCFI;
    ElementoLinea *linSSI[2];
    QLabel *lblSSI;
};
