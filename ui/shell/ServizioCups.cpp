#include "Stampa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <iterator>

// The print system of Linux: the CUPS server, asked directly. Qt says neither
// whether a queue takes jobs nor whether a job was taken, and waits minutes
// on a silent server.

namespace {

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
    AttributiStampante attributi{{},
                                 QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(), QPageLayout::Millimeter)};
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
    if (const pwg_media_t *misura =
            carta ? pwgMediaForPWG(ippGetString(carta, 0, nullptr)) : nullptr;
        misura && misura->width > 0 && misura->length > 0) {
        attributi.Carta.setPageSize(QPageSize(QSizeF(misura->width, misura->length) / 100.0,
                                              QPageSize::Millimeter, QString(),
                                              QPageSize::FuzzyMatch));
        attributi.Carta.setMargins(
            QMarginsF(MargineMassimo(risposta, "media-left-margin-supported"),
                      MargineMassimo(risposta, "media-top-margin-supported"),
                      MargineMassimo(risposta, "media-right-margin-supported"),
                      MargineMassimo(risposta, "media-bottom-margin-supported")));
    }
    ippDelete(risposta);
    return attributi;
}

} // namespace

// The system's CUPS server, as the environment and the user's settings name
// it; its default destination, without a dialog.
class ServizioCups : public ServizioStampa {
public:
    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                          std::chrono::milliseconds attesa) override;
    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds attesa) override;
};

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
        connessione.Http(),
        cupsGetOption("printer-uri-supported", destinazione->num_options, destinazione->options));
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

bool ServizioCups::InviaPagina(const StampanteTrovata &Stampante, const QImage &videata,
                               QString &Errore, std::chrono::milliseconds attesa)
{
    // The library sends a file by its name; this one goes with the object,
    // whichever way the call ends.
    QTemporaryFile pagina(QDir::tempPath() + QStringLiteral("/videata-XXXXXX.pdf"));
    if (!pagina.open()) {
        Errore = QStringLiteral("la pagina non si può scrivere in %1 (%2)")
                     .arg(QDir::tempPath(), pagina.errorString());
        return false;
    }
    if (!ScriviPaginaPdf(videata, Stampante.Carta, pagina, Errore))
        return false;
    if (!pagina.flush()) {
        Errore = QStringLiteral("la pagina non si può scrivere in %1 (%2)")
                     .arg(pagina.fileName(), pagina.errorString());
        return false;
    }
    ConnessioneCups connessione(attesa);
    if (!connessione.Http()) {
        Errore = connessione.Errore();
        return false;
    }
    const int lavoro = cupsPrintFile2(connessione.Http(), Stampante.Nome.toLocal8Bit().constData(),
                                      QFile::encodeName(pagina.fileName()).constData(),
                                      NomeLavoroStampa.toUtf8().constData(), 0, nullptr);
    if (lavoro == 0) {
        Errore = connessione.Errore();
        return false;
    }
    return true;
}

std::shared_ptr<ServizioStampa> ServizioStampaSistema()
{
    return std::make_shared<ServizioCups>();
}
