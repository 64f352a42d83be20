#include "Stampa.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <QWidget>

#include <cups/cups.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

const QString NomeLavoro = QStringLiteral("FELTRANOVA - Stampa Videata");

// Wide enough for the unprintable border of the usual printers.
constexpr qreal MargineMinimo = 15; // mm

// Device units of the PDF page: fine enough that rounding moves nothing.
constexpr int RisoluzionePdf = 1200;

// On the window thread only, like every use of the locale.
QString Secondi(std::chrono::milliseconds tempo)
{
    return QLocale().toString(tempo.count() / 1000.0);
}

// A CUPS message as the tail of "Stampa non riuscita: ...".
QString MotivoCups(const char *testo)
{
    QString motivo = QString::fromUtf8(testo).trimmed();
    while (motivo.endsWith(QLatin1Char('.')))
        motivo.chop(1);
    if (!motivo.isEmpty())
        motivo[0] = motivo[0].toLower();
    return motivo;
}

// A connection of its own to the CUPS server, which gives up once an answer
// has been awaited for the time allowed instead of the library's two minutes.
class ConnessioneCups {
public:
    explicit ConnessioneCups(std::chrono::milliseconds attesa)
        : server(QString::fromLocal8Bit(cupsServer()))
        , porta(ippPort())
    {
        http = httpConnect2(cupsServer(), porta, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                            int(attesa.count()), nullptr);
        if (http)
            httpSetTimeout(http, attesa.count() / 1000.0, &ConnessioneCups::Scaduta, this);
    }
    ~ConnessioneCups()
    {
        if (http)
            httpClose(http);
    }
    ConnessioneCups(const ConnessioneCups &) = delete;
    ConnessioneCups &operator=(const ConnessioneCups &) = delete;

    http_t *Http() const { return http; }

    // Why the last request failed.
    QString Errore() const
    {
        if (!http) {
            return QStringLiteral("il server di stampa %1 non è raggiungibile (%2)")
                .arg(Server(), MotivoCups(cupsLastErrorString()));
        }
        if (scaduta)
            return QStringLiteral("il server di stampa %1 non risponde").arg(Server());
        return MotivoCups(cupsLastErrorString());
    }

    bool Scaduta() const { return scaduta; }

private:
    static int Scaduta(http_t *, void *dati)
    {
        static_cast<ConnessioneCups *>(dati)->scaduta = true;
        return 0; // give up the request
    }

    QString Server() const
    {
        if (server.startsWith(QLatin1Char('/')))
            return server;
        return QStringLiteral("%1:%2").arg(server).arg(porta);
    }

    QString server;
    int porta;
    http_t *http = nullptr;
    bool scaduta = false;
};

// What the printer says of itself: why it is stopped or refuses jobs, if the
// administrator said, and its default paper with its unprintable border.
struct AttributiStampante {
    QString Messaggio;
    QPageLayout Carta;
};

// The largest of the values, in hundredths of a millimetre, as millimetres.
qreal MargineMassimo(ipp_t *risposta, const char *nome)
{
    int massimo = 0;
    if (ipp_attribute_t *attributo = ippFindAttribute(risposta, nome, IPP_TAG_INTEGER)) {
        for (int i = 0; i < ippGetCount(attributo); ++i)
            massimo = qMax(massimo, ippGetInteger(attributo, i));
    }
    return massimo / 100.0;
}

// Asked of the printer itself: the library's own guess at the default paper
// follows the user's locale, not the printer. A4 with no border where the
// printer does not say.
AttributiStampante LeggiAttributi(http_t *http, const char *indirizzo)
{
    AttributiStampante attributi{
        {}, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                        QPageLayout::Millimeter)};
    if (!indirizzo)
        return attributi;
    static const char *const richiesti[] = {
        "printer-state-message",        "media-default",
        "media-left-margin-supported",  "media-top-margin-supported",
        "media-right-margin-supported", "media-bottom-margin-supported"};
    ipp_t *richiesta = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, indirizzo);
    ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(richiesti)), nullptr, richiesti);
    ipp_t *risposta = cupsDoRequest(http, richiesta, "/");
    if (ipp_attribute_t *messaggio =
            ippFindAttribute(risposta, "printer-state-message", IPP_TAG_TEXT))
        attributi.Messaggio = QString::fromUtf8(ippGetString(messaggio, 0, nullptr)).trimmed();
    ipp_attribute_t *carta = ippFindAttribute(risposta, "media-default", IPP_TAG_ZERO);
    if (const pwg_media_t *misura = carta ? pwgMediaForPWG(ippGetString(carta, 0, nullptr))
                                          : nullptr;
        misura && misura->width > 0 && misura->length > 0) {
        attributi.Carta.setPageSize(QPageSize(QSizeF(misura->width, misura->length) / 100.0,
                                              QPageSize::Millimeter, QString(),
                                              QPageSize::FuzzyMatch));
        attributi.Carta.setMargins(QMarginsF(
            MargineMassimo(risposta, "media-left-margin-supported"),
            MargineMassimo(risposta, "media-top-margin-supported"),
            MargineMassimo(risposta, "media-right-margin-supported"),
            MargineMassimo(risposta, "media-bottom-margin-supported")));
    }
    ippDelete(risposta);
    return attributi;
}

// The printed size of the window, in millimetres, on a given paper.
QSizeF MisuraStampata(const QSize &finestra, QPageSize::PageSizeId carta)
{
    QPageLayout vuota(QPageSize(carta), QPageLayout::Portrait, QMarginsF(),
                      QPageLayout::Millimeter);
    const QPageLayout pagina = ImpaginaVideata(vuota, finestra);
    return AdattaImmagine(finestra, pagina.paintRect(QPageLayout::Millimeter)).size();
}

} // namespace

bool ServizioCups::TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                                    std::chrono::milliseconds attesa)
{
    ConnessioneCups connessione(attesa);
    if (!connessione.Http()) {
        Errore = connessione.Errore();
        return false;
    }
    cups_dest_t *destinazione = cupsGetNamedDest(connessione.Http(), nullptr, nullptr);
    if (!destinazione) {
        // CUPS says "not found" for a lookup it gave up as well.
        Errore = !connessione.Scaduta() && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND
                     ? QStringLiteral("non è impostata una stampante predefinita")
                     : connessione.Errore();
        return false;
    }
    Stampante.Nome = QString::fromLocal8Bit(destinazione->name);
    const char *accetta = cupsGetOption("printer-is-accepting-jobs", destinazione->num_options,
                                        destinazione->options);
    const AttributiStampante attributi = LeggiAttributi(
        connessione.Http(), cupsGetOption("printer-uri-supported", destinazione->num_options,
                                          destinazione->options));
    Stampante.Carta = attributi.Carta;
    // A queue that is only paused keeps its jobs; one that rejects them
    // would drop this one without a word.
    const bool pronta = !accetta || qstrcmp(accetta, "false") != 0;
    if (!pronta) {
        Errore = QStringLiteral("la stampante «%1» non accetta lavori").arg(Stampante.Nome);
        if (!attributi.Messaggio.isEmpty())
            Errore += QStringLiteral(" (%1)").arg(attributi.Messaggio);
    }
    cupsFreeDests(1, destinazione);
    return pronta;
}

bool ServizioCups::InviaPdf(const StampanteTrovata &Stampante, const QString &percorso,
                            QString &Errore, std::chrono::milliseconds attesa)
{
    ConnessioneCups connessione(attesa);
    if (!connessione.Http()) {
        Errore = connessione.Errore();
        return false;
    }
    const int lavoro = cupsPrintFile2(connessione.Http(), Stampante.Nome.toLocal8Bit().constData(),
                                      QFile::encodeName(percorso).constData(),
                                      NomeLavoro.toUtf8().constData(), 0, nullptr);
    if (lavoro == 0) {
        Errore = connessione.Errore();
        return false;
    }
    return true;
}

qreal ScalaRitratto(const QSize &finestra)
{
    if (finestra.isEmpty())
        return 1;
    const qreal millimetri = qMax(MisuraStampata(finestra, QPageSize::A4).width(),
                                  MisuraStampata(finestra, QPageSize::Letter).width());
    const qreal pixel = millimetri / 25.4 * PuntiPerPollice;
    // In quarters, so that lines one pixel wide stay even.
    return qMax(1.0, std::ceil(pixel / finestra.width() * 4) / 4);
}

QImage RitraiFinestra(QWidget &finestra)
{
    const qreal scala = ScalaRitratto(finestra.size());
    QImage ritratto(finestra.size() * scala, QImage::Format_RGB32);
    ritratto.setDevicePixelRatio(scala);
    ritratto.fill(Qt::white);
    finestra.render(&ritratto, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return ritratto;
}

QPageLayout ImpaginaVideata(const QPageLayout &carta, const QSize &videata)
{
    const QMarginsF hardware = carta.margins(QPageLayout::Millimeter);
    const qreal margine = std::max({MargineMinimo, hardware.left(), hardware.top(), hardware.right(),
                                hardware.bottom()});
    return QPageLayout(carta.pageSize(),
                       videata.width() > videata.height() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait,
                       QMarginsF(margine, margine, margine, margine), QPageLayout::Millimeter);
}

QRectF AdattaImmagine(const QSizeF &immagine, const QRectF &area)
{
    if (immagine.isEmpty() || area.isEmpty())
        return {};
    const QSizeF misura = immagine.scaled(area.size(), Qt::KeepAspectRatio);
    const qreal sinistra = area.left() + (area.width() - misura.width()) / 2;
    return QRectF(QPointF(sinistra, area.top()), misura);
}

bool ScriviPaginaPdf(const QImage &videata, const QPageLayout &carta, const QString &percorso,
                     QString &Errore)
{
    if (videata.isNull()) {
        Errore = QStringLiteral("la finestra non ha un'immagine da stampare");
        return false;
    }
    QPdfWriter pdf(percorso);
    pdf.setTitle(NomeLavoro);
    pdf.setResolution(RisoluzionePdf);
    pdf.setPageLayout(ImpaginaVideata(carta, videata.deviceIndependentSize().toSize()));
    QPainter pittore;
    if (!pittore.begin(&pdf)) {
        Errore = QStringLiteral("la pagina non si può scrivere in %1").arg(percorso);
        return false;
    }
    // The painter starts at the corner of the printable area, inside the margins.
    const QRectF area(QPointF(0, 0), pdf.pageLayout().paintRectPixels(RisoluzionePdf).size());
    pittore.setRenderHint(QPainter::LosslessImageRendering);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawImage(AdattaImmagine(videata.size(), area), videata);
    if (!pittore.end()) {
        Errore = QStringLiteral("la pagina non si può scrivere in %1").arg(percorso);
        return false;
    }
    return true;
}

// What the printing thread shares with its job: how far it has gone, and the
// job to hand the result to. The job clears that when it ends or goes, under
// the lock, so a result never reaches a job that is no longer there, and a
// page is not sent for a job that has given up.
struct LavoroStampa::Ponte {
    std::mutex mutex;
    LavoroStampa *lavoro = nullptr;
    std::atomic<Fase> fase{Fase::Ricerca};

    bool Abbandonato()
    {
        const std::lock_guard blocco(mutex);
        return !lavoro;
    }

    void Consegna(bool stampata, const QString &errore)
    {
        const std::lock_guard blocco(mutex);
        if (lavoro) {
            QMetaObject::invokeMethod(
                lavoro, [lavoro = lavoro, stampata, errore] { lavoro->Concludi(stampata, errore); },
                Qt::QueuedConnection);
        }
    }

    void Stacca()
    {
        const std::lock_guard blocco(mutex);
        lavoro = nullptr;
    }
};

namespace {

// Runs a call of the print system, turning whatever it throws into a reason.
template <typename Chiamata>
bool Protetta(Chiamata chiamata, QString &Errore)
{
    try {
        return chiamata();
    } catch (const std::exception &eccezione) {
        Errore = QString::fromLocal8Bit(eccezione.what());
    } catch (...) {
        Errore = QStringLiteral("errore imprevisto");
    }
    return false;
}

// The print system is given less than the job has left, so that its own
// reason, more precise than the job's, comes first: CUPS waits in whole
// seconds and gives up about a second after the time it is given.
std::chrono::milliseconds TempoServizio(std::chrono::steady_clock::time_point scadenza)
{
    using namespace std::chrono;
    const auto resta = duration_cast<milliseconds>(scadenza - steady_clock::now());
    return std::max(resta - std::min(resta / 2, milliseconds(2000)), milliseconds(1));
}

// The page written into a file of its own for the printer to take.
bool ScriviFileTemporaneo(const QImage &videata, const QPageLayout &carta, QString &percorso,
                          QString &Errore)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/videata-XXXXXX.pdf"));
    file.setAutoRemove(false);
    if (!file.open()) {
        Errore = QStringLiteral("la pagina non si può scrivere in %1 (%2)")
                     .arg(QDir::tempPath(), file.errorString());
        return false;
    }
    percorso = file.fileName();
    file.close();
    if (ScriviPaginaPdf(videata, carta, percorso, Errore))
        return true;
    QFile::remove(percorso);
    return false;
}

} // namespace

LavoroStampa::LavoroStampa(std::shared_ptr<ServizioStampa> servizio, QImage videata,
                           std::chrono::milliseconds attesa, QObject *parent)
    : QObject(parent)
    , servizio(std::move(servizio))
    , videata(std::move(videata))
    , attesa(attesa)
    , ponte(std::make_shared<Ponte>())
{
    ponte->lavoro = this;
    scadenza.setSingleShot(true);
    connect(&scadenza, &QTimer::timeout, this, &LavoroStampa::TempoScaduto);
}

LavoroStampa::~LavoroStampa()
{
    ponte->Stacca();
}

void LavoroStampa::Avvia()
{
    scadenza.start(attesa);
    // The thread owns all it uses, so it may outlive this job and the
    // windows; it is left to end on its own, and the process need not wait
    // for it.
    try {
        std::thread(Stampa, servizio, ponte, std::move(videata),
                    std::chrono::steady_clock::now() + attesa)
            .detach();
    } catch (const std::system_error &eccezione) {
        Concludi(false, QString::fromLocal8Bit(eccezione.what()));
    }
}

void LavoroStampa::Stampa(std::shared_ptr<ServizioStampa> servizio, std::shared_ptr<Ponte> ponte,
                          QImage videata, std::chrono::steady_clock::time_point scadenza)
{
    StampanteTrovata stampante;
    QString errore;
    if (!Protetta(
            [&] {
                return servizio->TrovaPredefinita(stampante, errore, TempoServizio(scadenza));
            },
            errore)) {
        ponte->Consegna(false, errore);
        return;
    }
    if (ponte->Abbandonato())
        return;
    ponte->fase = Fase::Scrittura;
    QString percorso;
    if (!ScriviFileTemporaneo(videata, stampante.Carta, percorso, errore)) {
        ponte->Consegna(false, errore);
        return;
    }
    videata = QImage(); // written: its memory is not needed while the page travels
    ponte->fase = Fase::Invio;
    const bool inviata = Protetta(
        [&] {
            return servizio->InviaPdf(stampante, percorso, errore, TempoServizio(scadenza));
        },
        errore);
    QFile::remove(percorso);
    ponte->Consegna(inviata, errore);
}

void LavoroStampa::TempoScaduto()
{
    const QString tempo = Secondi(attesa);
    switch (ponte->fase.load()) {
    case Fase::Ricerca:
        Concludi(false, QStringLiteral("il server di stampa non ha risposto in %1 s").arg(tempo));
        break;
    case Fase::Scrittura:
        Concludi(false, QStringLiteral("la pagina non è stata scritta in %1 s").arg(tempo));
        break;
    case Fase::Invio:
        Concludi(false,
                 QStringLiteral("il server di stampa non ha preso la pagina in %1 s").arg(tempo));
        break;
    }
}

void LavoroStampa::Concludi(bool stampata, const QString &errore)
{
    if (concluso)
        return;
    concluso = true;
    scadenza.stop();
    ponte->Stacca();
    clessidra.Rilascia();
    deleteLater();
    emit Concluso(stampata, errore);
}
