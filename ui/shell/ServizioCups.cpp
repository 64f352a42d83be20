#include "Stampa.h"

#include <QBuffer>

#include <cups/cups.h>

#include <dlfcn.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <iterator>
#include <optional>
#include <stop_token>
#include <system_error>

// The print system of Linux: the CUPS server, asked directly. Qt says neither
// whether a queue takes jobs nor whether a job was taken, and waits minutes
// on a silent server.

namespace {

// The functions of the CUPS library this service calls.
// clang-format off
#define FUNZIONI_CUPS(F)                                                                           \
    F(cupsCancelJob2) F(cupsCreateJob) F(cupsDoRequest) F(cupsEncryption) F(cupsFinishDocument)    \
    F(cupsFreeDests) F(cupsGetDefault2) F(cupsGetNamedDest) F(cupsGetOption) F(cupsLastError)      \
    F(cupsLastErrorString) F(cupsServer) F(cupsStartDocument) F(cupsWriteRequestData)              \
    F(httpAddrFreeList) F(httpAddrGetList) F(httpAddrLength) F(httpAddrLocalhost) F(httpClose)     \
    F(httpConnect2) F(httpError) F(httpGetStatus) F(httpSetTimeout) F(ippAddString)                \
    F(ippAddStrings) F(ippDelete) F(ippFindAttribute) F(ippGetCount) F(ippGetInteger)              \
    F(ippGetString) F(ippNewRequest) F(ippPort) F(pwgMediaForPWG)
// clang-format on

// The CUPS library, opened by the first print rather than with the program:
// with the twenty libraries it brings along (encryption, Kerberos, service
// discovery) it made the wizard open a sixth slower and the program start
// 3.4 MiB larger, for a feature most sessions never use.
struct LibreriaCups {
#define DICHIARA(nome) decltype(&::nome) nome = nullptr;
    FUNZIONI_CUPS(DICHIARA)
#undef DICHIARA
};

std::optional<LibreriaCups> ApriLibreriaCups(QString &Errore)
{
    constexpr const char *file = "libcups.so.2";
    // Kept open for the rest of the process: a job may still be cancelled
    // as the program quits.
    void *libreria = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!libreria) {
        Errore = QStringLiteral("la libreria di stampa %1 non si può caricare (%2)")
                     .arg(QLatin1String(file), QString::fromLocal8Bit(dlerror()));
        return std::nullopt;
    }
    LibreriaCups cups;
    QStringList mancanti;
#define CERCA(nome)                                                                                \
    cups.nome = reinterpret_cast<decltype(cups.nome)>(dlsym(libreria, #nome));                     \
    if (!cups.nome)                                                                                \
        mancanti << QStringLiteral(#nome);
    FUNZIONI_CUPS(CERCA)
#undef CERCA
    if (!mancanti.isEmpty()) {
        Errore = QStringLiteral("la libreria di stampa %1 è troppo vecchia (manca %2)")
                     .arg(QLatin1String(file), mancanti.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return cups;
}

// Opened once, by whichever thread prints first; null, with the reason,
// where it cannot be.
const LibreriaCups *Cups(QString &Errore)
{
    static QString motivo;
    static const std::optional<LibreriaCups> libreria = ApriLibreriaCups(motivo);
    if (!libreria)
        Errore = motivo;
    return libreria ? &*libreria : nullptr;
}

// Whether nothing listens at the server's address, as when the server is
// stopped: CUPS then says "host is down", as for a server out of reach. Only
// a server on this machine is tried, where the answer comes at once.
bool ServerSpento(const LibreriaCups &cups, const char *server, int porta)
{
    http_addrlist_t *indirizzi =
        cups.httpAddrGetList(server, AF_UNSPEC, QByteArray::number(porta).constData());
    int rifiutate = 0;
    bool altro = false;
    for (const http_addrlist_t *indirizzo = indirizzi; indirizzo && !altro;
         indirizzo = indirizzo->next) {
        // An address of a kind this machine lacks, such as IPv6, is no answer.
        const int presa = ::socket(indirizzo->addr.addr.sa_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (presa < 0)
            continue;
        altro = !cups.httpAddrLocalhost(&indirizzo->addr) ||
                ::connect(presa, &indirizzo->addr.addr,
                          socklen_t(cups.httpAddrLength(&indirizzo->addr))) == 0 ||
                (errno != ECONNREFUSED && errno != ENOENT);
        rifiutate += !altro;
        ::close(presa);
    }
    cups.httpAddrFreeList(indirizzi);
    return rifiutate > 0 && !altro;
}

// A connection of its own to the CUPS server, which gives up once an answer
// has been awaited for the time allowed instead of the library's two minutes,
// and as soon as it is told to stop.
class ConnessioneCups {
public:
    ConnessioneCups(const LibreriaCups &cups, std::chrono::milliseconds attesa,
                    std::stop_token fine = {})
        : cups(cups)
        , server(QString::fromLocal8Bit(cups.cupsServer()))
        , porta(cups.ippPort())
        , scadenza(std::chrono::steady_clock::now() + attesa)
        , fine(std::move(fine))
    {
        {
            const std::stop_callback<Annulla> ascolto(this->fine, Annulla{&annullata});
            http = cups.httpConnect2(cups.cupsServer(), porta, nullptr, AF_UNSPEC,
                                     cups.cupsEncryption(), 1, int(attesa.count()), &annullata);
        }
        // The library asks at every pause whether to go on waiting: short
        // pauses let a stop be heard at once.
        constexpr std::chrono::milliseconds passo(200);
        if (http)
            cups.httpSetTimeout(http, std::min(attesa, passo).count() / 1000.0,
                                &ConnessioneCups::Attendi, this);
    }
    ~ConnessioneCups()
    {
        if (http)
            cups.httpClose(http);
    }
    ConnessioneCups(const ConnessioneCups &) = delete;
    ConnessioneCups &operator=(const ConnessioneCups &) = delete;

    http_t *Http() const { return http; }
    const LibreriaCups &Cups() const { return cups; }

    // Why the last request failed.
    QString Errore() const
    {
        if (!http) {
            if (ServerSpento(cups, cups.cupsServer(), porta))
                return QStringLiteral("il server di stampa %1 non è in funzione "
                                      "(connessione rifiutata)")
                    .arg(Server());
            return QStringLiteral("il server di stampa %1 non è raggiungibile (%2)")
                .arg(Server(), MotivoStampa(QString::fromUtf8(cups.cupsLastErrorString())));
        }
        if (fermata)
            return QStringLiteral("la stampa è stata interrotta");
        const int errore = cups.httpError(http);
        if (scaduta || errore == ETIMEDOUT)
            return QStringLiteral("il server di stampa %1 non risponde").arg(Server());
        if (errore == ECONNRESET || errore == EPIPE)
            return QStringLiteral("il server di stampa %1 ha interrotto la connessione")
                .arg(Server());
        if (errore != 0)
            return QStringLiteral("la connessione con il server di stampa %1 si è interrotta (%2)")
                .arg(Server(),
                     MotivoStampa(QString::fromStdString(std::generic_category().message(errore))));
        if (rotta)
            return QStringLiteral("la connessione con il server di stampa %1 si è interrotta")
                .arg(Server());
        return MotivoStampa(QString::fromUtf8(cups.cupsLastErrorString()));
    }

    // Whether the last request was cut short, whatever the library answered:
    // it may report a job as taken when the connection broke under its page.
    bool Interrotta() const
    {
        return !http || scaduta || fermata || rotta || cups.httpError(http) != 0;
    }

    void SegnaRotta() { rotta = true; }

private:
    // Sets the flag the library reads, between its tries, while it connects.
    struct Annulla {
        int *annullata;
        void operator()() const { std::atomic_ref(*annullata).store(1); }
    };

    static int Attendi(http_t *, void *dati)
    {
        auto *connessione = static_cast<ConnessioneCups *>(dati);
        if (connessione->fine.stop_requested())
            connessione->fermata = true;
        else if (std::chrono::steady_clock::now() >= connessione->scadenza)
            connessione->scaduta = true;
        return !connessione->fermata && !connessione->scaduta; // 0 gives up the request
    }

    QString Server() const
    {
        if (server.startsWith(QLatin1Char('/')))
            return server;
        return QStringLiteral("%1:%2").arg(server).arg(porta);
    }

    const LibreriaCups &cups;
    QString server;
    int porta;
    std::chrono::steady_clock::time_point scadenza;
    std::stop_token fine;
    int annullata = 0;
    http_t *http = nullptr;
    bool scaduta = false;
    bool fermata = false;
    bool rotta = false;
};

// What the printer says of itself: why it is stopped or refuses jobs, if the
// administrator said, and its default paper with its unprintable border.
struct AttributiStampante {
    QString Messaggio;
    QPageLayout Carta;
};

// The largest of the values, in hundredths of a millimetre, as millimetres.
qreal MargineMassimo(const LibreriaCups &cups, ipp_t *risposta, const char *nome)
{
    int massimo = 0;
    if (ipp_attribute_t *attributo = cups.ippFindAttribute(risposta, nome, IPP_TAG_INTEGER)) {
        for (int i = 0; i < cups.ippGetCount(attributo); ++i)
            massimo = qMax(massimo, cups.ippGetInteger(attributo, i));
    }
    return massimo / 100.0;
}

// Asked of the printer itself: the library's own guess at the default paper
// follows the user's locale, not the printer. A4 with no border where the
// printer does not say.
AttributiStampante LeggiAttributi(const LibreriaCups &cups, http_t *http, const char *indirizzo)
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
    ipp_t *richiesta = cups.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, indirizzo);
    cups.ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       int(std::size(richiesti)), nullptr, richiesti);
    ipp_t *risposta = cups.cupsDoRequest(http, richiesta, "/");
    if (ipp_attribute_t *messaggio =
            cups.ippFindAttribute(risposta, "printer-state-message", IPP_TAG_TEXT))
        attributi.Messaggio = QString::fromUtf8(cups.ippGetString(messaggio, 0, nullptr)).trimmed();
    ipp_attribute_t *carta = cups.ippFindAttribute(risposta, "media-default", IPP_TAG_ZERO);
    if (const pwg_media_t *misura =
            carta ? cups.pwgMediaForPWG(cups.ippGetString(carta, 0, nullptr)) : nullptr;
        misura && misura->width > 0 && misura->length > 0) {
        attributi.Carta.setPageSize(QPageSize(QSizeF(misura->width, misura->length) / 100.0,
                                              QPageSize::Millimeter, QString(),
                                              QPageSize::FuzzyMatch));
        attributi.Carta.setMargins(
            QMarginsF(MargineMassimo(cups, risposta, "media-left-margin-supported"),
                      MargineMassimo(cups, risposta, "media-top-margin-supported"),
                      MargineMassimo(cups, risposta, "media-right-margin-supported"),
                      MargineMassimo(cups, risposta, "media-bottom-margin-supported")));
    }
    cups.ippDelete(risposta);
    return attributi;
}

// Whether the server knows the queue, as far as it answers.
bool CodaEsiste(const LibreriaCups &cups, http_t *http, const QString &nome)
{
    cups_dest_t *destinazione =
        cups.cupsGetNamedDest(http, nome.toLocal8Bit().constData(), nullptr);
    const bool esiste = destinazione || cups.cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND;
    cups.cupsFreeDests(destinazione ? 1 : 0, destinazione);
    return esiste;
}

// The page as the job's one document. True once the server has answered the
// end of it, which it does only when it holds the whole.
bool MandaDocumento(ConnessioneCups &connessione, const QByteArray &coda, int lavoro,
                    const QByteArray &pdf)
{
    const LibreriaCups &cups = connessione.Cups();
    http_t *http = connessione.Http();
    http_status_t stato =
        cups.cupsStartDocument(http, coda.constData(), lavoro, nullptr, CUPS_FORMAT_PDF, 1);
    constexpr qsizetype blocco = 64 * 1024;
    for (qsizetype inizio = 0; stato == HTTP_STATUS_CONTINUE && inizio < pdf.size();
         inizio += blocco) {
        const auto misura = std::size_t(std::min(blocco, pdf.size() - inizio));
        stato = cups.cupsWriteRequestData(http, pdf.constData() + inizio, misura);
    }
    if (stato == HTTP_STATUS_CONTINUE &&
        cups.cupsFinishDocument(http, coda.constData()) <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return true;
    // The library may lose why the connection broke, but not that it did.
    if (stato == HTTP_STATUS_ERROR || cups.httpGetStatus(http) == HTTP_STATUS_ERROR)
        connessione.SegnaRotta();
    return false;
}

// An empty or unwanted job left behind is taken off the queue, where the
// server still answers.
void AnnullaLavoro(const LibreriaCups &cups, const QString &coda, int lavoro)
{
    // Briefly: it may run as the program quits.
    const ConnessioneCups connessione(cups, std::chrono::seconds(1));
    if (connessione.Http())
        cups.cupsCancelJob2(connessione.Http(), coda.toLocal8Bit().constData(), lavoro, 0);
}

} // namespace

// The system's CUPS server, as the environment and the user's settings name
// it; its default destination, without a dialog.
class ServizioCups : public ServizioStampa {
public:
    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                          std::chrono::milliseconds attesa, std::stop_token fine) override;
    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds attesa, std::stop_token fine) override;
};

bool ServizioCups::TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                                    std::chrono::milliseconds attesa, std::stop_token fine)
{
    const LibreriaCups *cups = Cups(Errore);
    if (!cups)
        return false;
    ConnessioneCups connessione(*cups, attesa, std::move(fine));
    if (!connessione.Http()) {
        Errore = connessione.Errore();
        return false;
    }
    cups_dest_t *destinazione = cups->cupsGetNamedDest(connessione.Http(), nullptr, nullptr);
    if (!destinazione) {
        // CUPS says "not found" for a lookup it gave up as well.
        if (connessione.Interrotta() || cups->cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) {
            Errore = connessione.Errore();
        } else if (const char *nome = cups->cupsGetDefault2(connessione.Http());
                   nome && !connessione.Interrotta()) {
            Errore = QStringLiteral("la stampante predefinita «%1» non esiste")
                         .arg(QString::fromLocal8Bit(nome));
        } else {
            Errore = QStringLiteral("non è impostata una stampante predefinita");
        }
        return false;
    }
    Stampante.Nome = QString::fromLocal8Bit(destinazione->name);
    const char *accetta = cups->cupsGetOption("printer-is-accepting-jobs",
                                              destinazione->num_options, destinazione->options);
    const AttributiStampante attributi =
        LeggiAttributi(*cups, connessione.Http(),
                       cups->cupsGetOption("printer-uri-supported", destinazione->num_options,
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
    cups->cupsFreeDests(1, destinazione);
    return pronta;
}

bool ServizioCups::InviaPagina(const StampanteTrovata &Stampante, const QImage &videata,
                               QString &Errore, std::chrono::milliseconds attesa,
                               std::stop_token fine)
{
    // Kept in memory and sent from there: no file is left behind however
    // the call ends.
    QBuffer pagina;
    pagina.open(QIODevice::WriteOnly);
    if (!ScriviPaginaPdf(videata, Stampante.Carta, pagina, Errore))
        return false;
    if (fine.stop_requested()) {
        Errore = QStringLiteral("la stampa è stata interrotta");
        return false;
    }
    const LibreriaCups *cups = Cups(Errore);
    if (!cups)
        return false;
    ConnessioneCups connessione(*cups, attesa, fine);
    if (!connessione.Http()) {
        Errore = connessione.Errore();
        return false;
    }
    const QByteArray coda = Stampante.Nome.toLocal8Bit();
    const int lavoro = cups->cupsCreateJob(connessione.Http(), coda.constData(),
                                           NomeLavoroStampa.toUtf8().constData(), 0, nullptr);
    if (lavoro == 0) {
        // Read before the question below replaces it.
        const QString motivo = connessione.Errore();
        Errore = !connessione.Interrotta() && !CodaEsiste(*cups, connessione.Http(), Stampante.Nome)
                     ? QStringLiteral("la stampante «%1» non esiste più").arg(Stampante.Nome)
                     : motivo;
        return false;
    }
    // The library may report the page as taken when the connection broke
    // under it: the connection has the last word.
    const bool consegnata =
        MandaDocumento(connessione, coda, lavoro, pagina.data()) && !connessione.Interrotta();
    if (consegnata && !fine.stop_requested())
        return true;
    Errore = consegnata ? QStringLiteral("la stampa è stata interrotta") : connessione.Errore();
    AnnullaLavoro(*cups, Stampante.Nome, lavoro);
    return false;
}

std::shared_ptr<ServizioStampa> ServizioStampaSistema()
{
    return std::make_shared<ServizioCups>();
}
