#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <vector>

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
//
// Each field has one quantity drawn in the sketches and one in an inset:
// its GotFocus turns the sketch's red, opens the inset and paints every
// quantity of the inset, its own red and the other black, so the inset shows
// exactly one red quantity whichever field had the focus before. Its
// LostFocus turns the sketch's black and closes the inset.
class DisegniInput : public QObject {
    Q_OBJECT

public:
    explicit DisegniInput(frmCalFerSol *finestra);

    void optTipoCampata_Click(int indice);
    void optTipoSolaio_Click(int indice);

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
    // The elements that show one quantity, painted red or black in this
    // order: the lines (first their width, when larghezzaRossa is set), the
    // dots' fills and then their borders, the load's ground (and its border
    // when bordoCarico), the caption, the leader lines (colour only).
    struct Quota {
        std::vector<ElementoLinea *> linee = {};
        int larghezzaRossa = 0;
        std::vector<ElementoForma *> punti = {};
        ElementoForma *carico = nullptr;
        bool bordoCarico = false;
        QLabel *etichetta = nullptr;
        std::vector<ElementoLinea *> richiami = {};
    };
    // A field: its quantity in the sketches, the inset it opens (the slab's
    // or the section's), the inset's quantities in the order they are painted
    // and which of them is the field's own.
    struct Campo {
        QWidget *campo;
        Quota schizzo;
        bool schema;
        std::array<const Quota *, 2> nelRiquadro;
        const Quota *propria;
    };

    void CreaSchemiStatici();
    void CreaSchemaEdificio();
    void CreaRiquadroSolaio();
    void CreaSezione();
    void CreaRiquadroSezione();
    void CreaCampi();

    const Campo *CampoDi(QWidget *campo) const;
    static void Colora(const Quota &quota, bool rosso);
    void ChiudiRiquadro(bool schema);
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

    Quota quotaLCI, quotaSCI, quotaCFI, quotaSSI;
    std::array<Campo, 4> campi;
};
