#include "Stampa.h"

#include <QApplication>
#include <QIODevice>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Wide enough for the unprintable border of the usual printers.
constexpr qreal MargineMinimo = 15; // mm

// Device units of the PDF page: fine enough that rounding moves nothing.
constexpr int RisoluzionePdf = 1200;

// On the window thread only, like every use of the locale.
QString Secondi(std::chrono::milliseconds tempo)
{
    return QLocale().toString(tempo.count() / 1000.0);
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
    const qreal margine = std::max(
        {MargineMinimo, hardware.left(), hardware.top(), hardware.right(), hardware.bottom()});
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

QString MotivoStampa(const QString &messaggio)
{
    QString motivo = messaggio.trimmed();
    while (motivo.endsWith(QLatin1Char('.')))
        motivo.chop(1);
    if (!motivo.isEmpty())
        motivo[0] = motivo[0].toLower();
    return motivo;
}

bool ScriviPaginaPdf(const QImage &videata, const QPageLayout &carta, QIODevice &destinazione,
                     QString &Errore)
{
    if (videata.isNull()) {
        Errore = QStringLiteral("la finestra non ha un'immagine da stampare");
        return false;
    }
    QPdfWriter pdf(&destinazione);
    pdf.setTitle(NomeLavoroStampa);
    pdf.setResolution(RisoluzionePdf);
    pdf.setPageLayout(ImpaginaVideata(carta, videata.deviceIndependentSize().toSize()));
    QPainter pittore;
    if (!pittore.begin(&pdf)) {
        Errore = QStringLiteral("la pagina non si può scrivere");
        return false;
    }
    // The painter starts at the corner of the printable area, inside the margins.
    const QRectF area(QPointF(0, 0), pdf.pageLayout().paintRectPixels(RisoluzionePdf).size());
    pittore.setRenderHint(QPainter::LosslessImageRendering);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawImage(AdattaImmagine(videata.size(), area), videata);
    if (!pittore.end()) {
        Errore = QStringLiteral("la pagina non si può scrivere");
        return false;
    }
    return true;
}

// What the printing thread shares with its job: how far it has gone, and the
// job to hand the result to. The job clears that as it goes, under the lock,
// so a result never reaches a job that is no longer there.
struct LavoroStampa::Ponte {
    std::mutex mutex;
    LavoroStampa *lavoro = nullptr;
    std::atomic<Fase> fase{Fase::Ricerca};

    void Consegna(bool stampata, const QString &errore)
    {
        const std::lock_guard blocco(mutex);
        if (lavoro) {
            QMetaObject::invokeMethod(
                lavoro, [lavoro = lavoro, stampata, errore] { lavoro->FineFilo(stampata, errore); },
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
template <typename Chiamata> bool Protetta(Chiamata chiamata, QString &Errore)
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
// reason, more precise than the job's, comes first.
std::chrono::milliseconds TempoServizio(std::chrono::steady_clock::time_point scadenza)
{
    using namespace std::chrono;
    const auto resta = duration_cast<milliseconds>(scadenza - steady_clock::now());
    return std::max(resta - std::min(resta / 2, milliseconds(2000)), milliseconds(1));
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

// The thread is told to stop and joined by its own destructor; the print
// system gives up soon once told, so the wait is short.
LavoroStampa::~LavoroStampa()
{
    ponte->Stacca();
}

void LavoroStampa::Avvia()
{
    scadenza.start(attesa);
    try {
        filo = std::jthread(Stampa, servizio, ponte, std::move(videata),
                            std::chrono::steady_clock::now() + attesa);
    } catch (const std::system_error &eccezione) {
        FineFilo(false, QString::fromLocal8Bit(eccezione.what()));
    }
}

void LavoroStampa::Interrompi()
{
    filo.request_stop();
}

// Nothing it does may escape: an exception leaving a thread ends the program.
void LavoroStampa::Stampa(std::stop_token fine, std::shared_ptr<ServizioStampa> servizio,
                          std::shared_ptr<Ponte> ponte, QImage videata,
                          std::chrono::steady_clock::time_point scadenza)
{
    QString errore;
    const bool stampata = Protetta(
        [&] {
            StampanteTrovata stampante;
            if (!servizio->TrovaPredefinita(stampante, errore, TempoServizio(scadenza), fine))
                return false;
            if (fine.stop_requested())
                return false;
            ponte->fase = Fase::Invio;
            return servizio->InviaPagina(stampante, videata, errore, TempoServizio(scadenza), fine);
        },
        errore);
    try {
        ponte->Consegna(stampata, errore);
    } catch (...) {
        // Out of memory for the message: the job's time limit speaks instead.
    }
}

void LavoroStampa::TempoScaduto()
{
    const QString tempo = Secondi(attesa);
    switch (ponte->fase.load()) {
    case Fase::Ricerca:
        Concludi(false, QStringLiteral("il server di stampa non ha risposto in %1 s").arg(tempo));
        break;
    case Fase::Invio:
        Concludi(false,
                 QStringLiteral("il server di stampa non ha preso la pagina in %1 s").arg(tempo));
        break;
    }
}

// The thread's last word.
void LavoroStampa::FineFilo(bool stampata, const QString &errore)
{
    filoFinito = true;
    if (!concluso)
        Concludi(stampata, errore);
    else if (!annunciando)
        deleteLater();
}

void LavoroStampa::Concludi(bool stampata, const QString &errore)
{
    if (concluso)
        return;
    concluso = true;
    scadenza.stop();
    // A page not yet sent is not sent, and one on its way is withdrawn.
    filo.request_stop();
    clessidra.Rilascia();
    annunciando = true;
    emit Concluso(stampata, errore);
    annunciando = false;
    // The job goes once its thread has ended as well; not while the signal's
    // receivers, which may show a message box meanwhile, are still at work.
    if (filoFinito)
        deleteLater();
}
