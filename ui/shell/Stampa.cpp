#include "Stampa.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Wide enough for the unprintable border of the usual printers.
const QMarginsF MarginiPagina(15, 15, 15, 15);

void ImpostaPagina(QPrinter &stampante, const QImage &immagine)
{
    stampante.setDocName(QStringLiteral("FELTRANOVA - Stampa Videata"));
    stampante.setPageOrientation(immagine.width() > immagine.height() ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    // A printer whose hardware margins are wider refuses these and keeps its own.
    stampante.setPageMargins(MarginiPagina, QPageLayout::Millimeter);
}

} // namespace

QRect AdattaImmagine(const QSize &immagine, const QRect &area)
{
    if (immagine.isEmpty() || area.isEmpty())
        return {};
    const QSize misura = immagine.scaled(area.size(), Qt::KeepAspectRatio);
    const int sinistra = area.left() + (area.width() - misura.width()) / 2;
    return QRect(QPoint(sinistra, area.top()), misura);
}

bool StampaImmagine(QPrinter &stampante, const QImage &immagine, QString &Errore, QRect *Area,
                    QRect *Posizione)
{
    if (immagine.isNull()) {
        Errore = QStringLiteral("la finestra non ha un'immagine da stampare");
        return false;
    }
    ImpostaPagina(stampante, immagine);

    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        Errore = QStringLiteral("la stampante non ha accettato il lavoro");
        return false;
    }
    // The painter starts at the corner of the printable area, inside the margins.
    const QRect area(QPoint(0, 0), stampante.pageRect(QPrinter::DevicePixel).size().toSize());
    const QRect posizione = AdattaImmagine(immagine.size(), area);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawImage(posizione, immagine);
    if (!pittore.end() || stampante.printerState() == QPrinter::Error) {
        Errore = QStringLiteral("la pagina non è arrivata alla stampante");
        return false;
    }
    if (Area)
        *Area = area;
    if (Posizione)
        *Posizione = posizione;
    return true;
}

bool StampantePredefinita::StampaPagina(const QImage &immagine, QString &Errore)
{
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) {
        Errore = QStringLiteral("non è impostata una stampante predefinita");
        return false;
    }
    QPrinter stampante(predefinita, QPrinter::HighResolution);
    return StampaImmagine(stampante, immagine, Errore);
}

StampaSuPdf::StampaSuPdf(const QString &percorso)
    : Percorso(percorso)
{
}

bool StampaSuPdf::StampaPagina(const QImage &immagine, QString &Errore)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(Percorso);
    if (!StampaImmagine(stampante, immagine, Errore, &AreaStampabile, &ImmagineStampata))
        return false;
    ++PagineStampate;
    return true;
}
