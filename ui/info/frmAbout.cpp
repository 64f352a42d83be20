#include "frmAbout.h"

#include "IdentitaApplicazione.h"
#include "ServiziSistema.h"
#include "common/AreaDisegno.h"
#include "common/Aspetto.h"
#include "common/ElementiGrafici.h"
#include "common/Twips.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>

namespace {

constexpr int LarghezzaCliente = 5730;
constexpr int AltezzaCliente = 3780;

// The registry value is read into a buffer of this many characters.
constexpr quint32 DimensioneBuffer = 1024;

const QString TestoDescrizione =
    QStringLiteral("Descrizione Applicazione: \r\nApplicativo per il predimensionamento dei "
                   "solai Velmora.");
const QString TestoAvviso =
    QStringLiteral("Avviso: Gli Autori e il Distributore del software non forniscono alcuna "
                   "garanzia implicita o esplicita sui risultati ottenuti e sulle conseguenze "
                   "derivanti dal loro impiego.Il presente applicativo ha solo funzione di "
                   "predimensionamento dei solai!");
const QString ProvinciaSviluppatore = QStringLiteral("PD");
const QString PostaSviluppatore = QStringLiteral("assistenza@nordwick.example");
const QString SysInfoNonDisponibile =
    QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.");

using Aspetto::Arial;
using Aspetto::EtichettaACapo;

// Closes an open key however the reading ends.
class ChiaveAperta {
public:
    ChiaveAperta(RegistroSistema &registro, RegistroSistema::Chiave chiave)
        : registro(registro)
        , chiave(chiave)
    {
    }
    ~ChiaveAperta() { registro.ChiudiChiave(chiave); }
    ChiaveAperta(const ChiaveAperta &) = delete;
    ChiaveAperta &operator=(const ChiaveAperta &) = delete;

private:
    RegistroSistema &registro;
    RegistroSistema::Chiave chiave;
};

// The characters of the value: the returned size, less a terminating NUL.
// An empty value, or a size the buffer cannot hold, is a failure of the
// reading itself.
QByteArray TagliaAllaDimensione(const QByteArray &buffer, quint32 dimensione)
{
    if (dimensione == 0 || dimensione > quint32(buffer.size()))
        throw std::runtime_error("registry value of unusable size");
    const qsizetype tenuti = buffer.at(dimensione - 1) == '\0' ? dimensione - 1 : dimensione;
    return buffer.left(tenuti);
}

// A DWORD as the decimal number it stands for; its bytes come lowest first.
QString TestoDword(const QByteArray &dati)
{
    quint64 valore = 0;
    for (qsizetype i = qMin<qsizetype>(dati.size(), 8) - 1; i >= 0; --i)
        valore = (valore << 8) | quint8(dati.at(i));
    return QString::number(valore);
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
    , servizi(std::make_unique<ServiziPredefiniti>())
{
    setObjectName(QStringLiteral("frmAbout"));
    Aspetto::ApplicaTavolozzaClassica(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(PixelDaTwips(LarghezzaCliente), PixelDaTwips(AltezzaCliente));
    setFont(Arial(8.25));

    areaFinestra = new AreaDisegno(this);
    areaFinestra->setObjectName(QStringLiteral("areaFinestra"));
    areaFinestra->setGeometry(rect());

    CreaIntestazione();
    CreaSeparatore();
    CreaPulsanti();
    CollegaSegnali();
}

frmAbout::~frmAbout() = default;

void frmAbout::CreaIntestazione()
{
    picIcon = new AreaDisegno(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    PosizionaInTwips(picIcon, 240, 240, 780, 780);
    // 48 pixels, in the middle of the box.
    new ElementoImmagine(picIcon, QStringLiteral("imgIcona"),
                         QStringLiteral(":/common/immagine1.svg"), 30, 30, 48 * TwipsPerPixel,
                         48 * TwipsPerPixel);

    lblTitle = EtichettaACapo(this, "lblTitle", Arial(14, true));
    PosizionaInTwips(lblTitle, 1185, 240, 3885, 480);
    lblVersion = EtichettaACapo(this, "lblVersion", Arial(8.25));
    PosizionaInTwips(lblVersion, 1185, 780, 3885, 225);
    lblDescription = EtichettaACapo(this, "lblDescription", Arial(8.25));
    PosizionaInTwips(lblDescription, 1185, 1125, 3885, 630);
    lblSoftware = EtichettaACapo(this, "lblSoftware", Arial(8.25));
    PosizionaInTwips(lblSoftware, 1185, 1845, 3885, 495);
    lblDisclaimer = EtichettaACapo(this, "lblDisclaimer", Arial(7.5));
    PosizionaInTwips(lblDisclaimer, 165, 2625, 3960, 1050);
}

// An etched line: grey over white, one pixel apart.
void frmAbout::CreaSeparatore()
{
    auto *bianca = new ElementoLinea(areaFinestra, NomeInMatrice(QStringLiteral("Line1"), 0), 105,
                                     2460, 5654, 2460);
    bianca->setColor(Qt::white);
    auto *grigia = new ElementoLinea(areaFinestra, NomeInMatrice(QStringLiteral("Line1"), 1), 90,
                                     2445, 5654, 2445);
    grigia->setColor(QColor(128, 128, 128));
}

void frmAbout::CreaPulsanti()
{
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    PosizionaInTwips(cmdOK, 4245, 2940, 1260, 345);
    // Enter presses it; Esc, the cancel key, closes the box as it does.
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    PosizionaInTwips(cmdSysInfo, 4260, 3345, 1245, 345);
    setTabOrder(cmdOK, cmdSysInfo);
}

void frmAbout::CollegaSegnali()
{
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

void frmAbout::Form_Load()
{
    using namespace IdentitaApplicazione;
    setWindowTitle(QStringLiteral("Informazioni su ") + Titolo);
    lblVersion->setText(TestoVersione());
    lblTitle->setText(Titolo);
    lblDescription->setText(TestoDescrizione);
    lblDisclaimer->setText(TestoAvviso);
    lblSoftware->setText(QStringLiteral("Software Developed: Nordwick, ") + ProvinciaSviluppatore +
                         QStringLiteral(" - ") + PostaSviluppatore);
    cmdOK->setFocus();
}

void frmAbout::ImpostaServizi(std::unique_ptr<ServiziSistema> nuovi)
{
    servizi = std::move(nuovi);
}

void frmAbout::StartSysInfo()
{
    // Whatever goes wrong, in the registry or in the start, the user hears
    // only that the tool is not available, and the first failure ends it.
    try {
        if (AvviaSysInfo())
            return;
    } catch (...) {
    }
    AvvisaSysInfoNonDisponibile();
}

bool frmAbout::AvviaSysInfo()
{
    QString percorso;
    if (!GetKeyValue(RegistroSistema::MacchinaLocale, ChiaveSysInfo, ValoreSysInfo, percorso)) {
        if (!GetKeyValue(RegistroSistema::MacchinaLocale, ChiaveSysInfoLoc, ValoreSysInfoLoc,
                         percorso))
            return false;
        percorso += QStringLiteral("\\MSINFO32.EXE");
        if (!servizi->EsisteFile(percorso))
            return false;
    }
    // A value of another type leaves no path: there is nothing to start.
    return !percorso.isEmpty() && servizi->AvviaProgramma(percorso);
}

void frmAbout::AvvisaSysInfoNonDisponibile()
{
    QMessageBox avviso(QMessageBox::NoIcon, IdentitaApplicazione::Titolo, SysInfoNonDisponibile,
                       QMessageBox::Ok, this);
    avviso.exec();
}

bool frmAbout::GetKeyValue(quint32 radice, const QString &percorsoChiave, const QString &nomeValore,
                           QString &testoValore)
{
    RegistroSistema &registro = servizi->Registro();
    RegistroSistema::Chiave chiave = 0;
    // Read access is all the lookup needs, and all an ordinary user is
    // granted under the local machine: asking for more would fail for him.
    if (registro.ApriChiave(radice, percorsoChiave, 0, RegistroSistema::AccessoLettura, chiave) !=
        RegistroSistema::Riuscito) {
        testoValore.clear();
        return false;
    }
    const ChiaveAperta aperta(registro, chiave);

    QByteArray buffer(DimensioneBuffer, '\0');
    quint32 tipo = 0;
    quint32 dimensione = DimensioneBuffer;
    if (registro.LeggiValore(chiave, nomeValore, tipo, buffer.data(), dimensione) !=
        RegistroSistema::Riuscito) {
        testoValore.clear();
        return false;
    }
    const QByteArray letti = TagliaAllaDimensione(buffer, dimensione);
    if (tipo == RegistroSistema::TipoTesto)
        testoValore = QString::fromLocal8Bit(letti);
    else if (tipo == RegistroSistema::TipoDword)
        testoValore = TestoDword(letti);
    return true;
}
