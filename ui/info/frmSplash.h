#pragma once

#include <QWidget>

class AreaDisegno;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

// The start-up wizard: the product on the left, four pages on the method,
// its assumptions, its inputs and its outputs on the right. At the first
// showing the application opens only once the user has confirmed the
// conditions of use; later showings, from the main window, only inform.
// It has no control box: "Fine" and "Esci" close it, or the application
// ending.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    // Load sequence: the texts, the pages, the first page on view, and the
    // confirmation already given at a later showing.
    void Form_Load();

    // Sizes and places the window on a screen of that geometry and available
    // area: whole and centred where it fits, otherwise cut down to the
    // available area, where its surface scrolls.
    void PosizionaSulloSchermo(const QRect &schermo, const QRect &disponibile);

    // False until the first "Fine" has loaded the input window; never reset.
    static bool AvvioCompletato;

    // The page on view: 0 premise, 1 settings, 2 input data, 3 output data.
    int PaginaCorrente() const { return paginaCorrente; }

    AreaDisegno *Frame1;
    QLabel *lblCompanyProduct;
    QLabel *lblProductName;
    QLabel *lblVersion;
    QLabel *lblCredito;
    QLabel *lblCompany;
    QLabel *lblWarning;

    AreaDisegno *Picture1;
    QWidget *fraPremessa;
    QWidget *fraImp;
    QWidget *fraInput;
    QWidget *fraOutput;
    QLabel *lblPremessa1;
    QLabel *lblImp[9]; // lblImp1 to lblImp9
    QLabel *lblInput;
    QLabel *lblOutput1;
    QLabel *lblOutput2;

    QCheckBox *chkConferma;
    QPushButton *cmdIndietro;
    QPushButton *cmdAvanti;
    QPushButton *cmdFinish;
    QPushButton *cmdEsci;

signals:
    // "Fine" at the first showing: load the input window, which brings up
    // the main window; handled before the wizard closes.
    void CaricamentoInputRichiesto();
    // "Esci" at the first showing: no other window is open, so the
    // application ends.
    void FineApplicazioneRichiesta();
    // The wizard has closed and is about to be destroyed.
    void FinestraScaricata();

protected:
    void closeEvent(QCloseEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private slots:
    void chkConferma_Click();
    void cmdAvanti_Click();
    void cmdIndietro_Click();
    void cmdFinish_Click();
    void cmdEsci_Click();

private:
    enum Direzione { Indietro = 0, Avanti = 1, PrimaPagina = 3 };

    void CreaSuperficie();
    void CreaBordo();
    void CreaPannelloProdotto();
    void CreaPannelloPagine();
    QWidget *CreaPagina(const char *nome, int indice, const QString &intestazione,
                        int leftIntestazione);
    void CreaComandi();
    void CollegaSegnali();
    void MostraComandi();

    void PreparaPremessa();
    void PreparaImpostazioni();
    void PreparaDatiInput();
    void PreparaDatiOutput();
    void ImpilaTesti(int pagina);
    void CambiaPagina(int direzione);
    void SpegniFreccia(QPushButton *freccia, QPushButton *altra);

    // A page's text labels from the top down, and whether each opens a
    // section; stacked when the page first comes on view.
    struct TestoPagina {
        QLabel *etichetta;
        bool staccata;
    };
    QList<TestoPagina> testiPagina[4];
    bool impilata[4] = {};

    int paginaCorrente = 0;
    QScrollArea *scorrimento = nullptr;
    QWidget *superficie = nullptr;
};
