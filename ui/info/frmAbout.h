#pragma once

#include <QDialog>

#include <memory>

class AreaDisegno;
class QLabel;
class QPushButton;
class ServiziSistema;

// The about box: title, version, description, the developer's credit and a
// disclaimer, and the start of the system's information tool. Shown without
// blocking; Enter, Esc, "OK" and the close box close it, and closing
// destroys it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    // Load sequence: the caption and the texts of the labels.
    void Form_Load();

    // Finds the system-information tool through the registry and starts
    // it; where it cannot be found or started, says so in a message box.
    void StartSysInfo();

    // Reads one registry value as text into testoValore; false, with
    // testoValore empty, when the key cannot be opened or the value read.
    // Throws when the value read is empty.
    bool GetKeyValue(quint32 radice, const QString &percorsoChiave, const QString &nomeValore,
                     QString &testoValore);

    // Replaces the system: tests put a fake registry, file test and start here.
    void ImpostaServizi(std::unique_ptr<ServiziSistema> nuovi);

    AreaDisegno *areaFinestra;
    AreaDisegno *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblSoftware;
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;

private:
    void CreaIntestazione();
    void CreaSeparatore();
    void CreaPulsanti();
    void CollegaSegnali();
    bool AvviaSysInfo();
    void AvvisaSysInfoNonDisponibile();

    std::unique_ptr<ServiziSistema> servizi;
};
