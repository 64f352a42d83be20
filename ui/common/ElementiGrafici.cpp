#include "ElementiGrafici.h"

#include "AreaDisegno.h"
#include "Twips.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <utility>

namespace {

// Hatch lines are this many pixels apart.
constexpr int PassoTratteggio = 8;

int Modulo(int valore, int divisore)
{
    return ((valore % divisore) + divisore) % divisore;
}

// Dashes as on a technical drawing (dash 9, gap 6, dot 3 pixels) rather than
// Qt's tight defaults. Lengths are in pen widths. The drawings use dashed
// lines (DashLine) and axes (DashDotLine); every other style is drawn solid
// or not at all, as Qt draws it.
QList<qreal> Tratti(Qt::PenStyle stile)
{
    switch (stile) {
    case Qt::DashLine:
        return {18, 6};
    case Qt::DashDotLine:
        return {9, 6, 3, 6};
    default:
        return {};
    }
}

QPen Penna(const QColor &colore, int larghezza, Qt::PenStyle stile)
{
    QPen penna(colore, larghezza, stile, Qt::SquareCap, Qt::MiterJoin);
    const QList<qreal> tratti = Tratti(stile);
    if (!tratti.isEmpty())
        penna.setDashPattern(tratti);
    return penna;
}

// The pixels of row y of the box whose column is congruent to resto.
void AggiungiPuntiRiga(QList<QRect> &tratti, const QRect &riquadro, int y, int resto)
{
    const int prima = riquadro.left() + Modulo(resto - riquadro.left(), PassoTratteggio);
    for (int x = prima; x <= riquadro.right(); x += PassoTratteggio)
        tratti.append(QRect(x, y, 1, 1));
}

} // namespace

ElementoGrafico::ElementoGrafico(AreaDisegno *area, const QString &nome)
    : QObject(area)
{
    setObjectName(nome);
    area->AggiungiElemento(this);
}

AreaDisegno *ElementoGrafico::area() const
{
    return qobject_cast<AreaDisegno *>(parent());
}

void ElementoGrafico::Disegna(QPainter &painter) const
{
    if (!visibile)
        return;
    painter.save();
    // A raster operation takes every touched pixel whole, so antialiased edges
    // would come out as full-strength pixels: masks are drawn aliased.
    if (modo == Maschera)
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.setRenderHint(QPainter::Antialiasing, modo == Copia);
    DisegnaContenuto(painter);
    painter.restore();
}

ElementoLinea::ElementoLinea(AreaDisegno *area, const QString &nome, int x1, int y1, int x2, int y2)
    : ElementoGrafico(area, nome)
    , linea(x1, y1, x2, y2)
    , colore(area->palette().color(QPalette::WindowText))
{
}

void ElementoLinea::DisegnaContenuto(QPainter &painter) const
{
    const QLineF pixel(PixelDaTwips(x1()), PixelDaTwips(y1()), PixelDaTwips(x2()),
                       PixelDaTwips(y2()));
    // An odd width runs through pixel centres, an even one along pixel edges:
    // either way a level or upright line covers whole pixels and stays crisp
    // at any whole scale factor.
    const qreal centro = larghezza % 2 ? 0.5 : 0.0;
    painter.setPen(Penna(colore, larghezza, stile));
    painter.drawLine(pixel.translated(centro, centro));
}

ElementoRiquadro::ElementoRiquadro(AreaDisegno *area, const QString &nome, int left, int top,
                                   int width, int height)
    : ElementoGrafico(area, nome)
    , riquadro(left, top, qMax(0, width), qMax(0, height))
{
}

QRect ElementoRiquadro::RiquadroInPixel() const
{
    return RettangoloDaTwips(riquadro);
}

ElementoForma::ElementoForma(AreaDisegno *area, const QString &nome, Forma forma, int left, int top,
                             int width, int height)
    : ElementoRiquadro(area, nome, left, top, width, height)
    , forma(forma)
    , coloreBordo(area->palette().color(QPalette::WindowText))
    , coloreSfondo(area->palette().color(QPalette::Base))
{
}

QRect ElementoForma::RiquadroForma() const
{
    const QRect riquadro = RiquadroInPixel();
    if (forma != Cerchio)
        return riquadro;
    const int lato = qMin(riquadro.width(), riquadro.height());
    return QRect(riquadro.left() + (riquadro.width() - lato) / 2,
                 riquadro.top() + (riquadro.height() - lato) / 2, lato, lato);
}

void ElementoForma::DisegnaContenuto(QPainter &painter) const
{
    const QRect riquadro = RiquadroForma();
    if (riquadro.isEmpty())
        return;
    QPainterPath contorno;
    if (forma == Cerchio)
        contorno.addEllipse(QRectF(riquadro));
    else
        contorno.addRect(QRectF(riquadro));

    painter.setPen(Qt::NoPen);
    if (sfondoOpaco)
        painter.fillPath(contorno, coloreSfondo);
    if (riempimento == Pieno) {
        painter.fillPath(contorno, coloreRiempimento);
    } else if (riempimento != Trasparente) {
        painter.save();
        painter.setClipPath(contorno, Qt::IntersectClip);
        DisegnaTratteggio(painter, riquadro);
        painter.restore();
    }
    DisegnaBordo(painter, riquadro);
}

// Each hatch pixel is a whole pixel of the area, so the pattern is identical
// in both drawing modes and at every scale.
void ElementoForma::DisegnaTratteggio(QPainter &painter, const QRect &riquadro) const
{
    QList<QRect> tratti;
    if (riempimento == LineeVerticali) {
        const int primaColonna = riquadro.left() + Modulo(-riquadro.left(), PassoTratteggio);
        for (int x = primaColonna; x <= riquadro.right(); x += PassoTratteggio)
            tratti.append(QRect(x, riquadro.top(), 1, riquadro.height()));
    } else {
        // A falling diagonal keeps x - y fixed.
        for (int y = riquadro.top(); y <= riquadro.bottom(); ++y)
            AggiungiPuntiRiga(tratti, riquadro, y, y);
    }
    painter.setBrush(coloreRiempimento);
    painter.drawRects(tratti);
}

void ElementoForma::DisegnaBordo(QPainter &painter, const QRect &riquadro) const
{
    if (stileBordo == Qt::NoPen)
        return;
    const int b = larghezzaBordo;
    if (stileBordo == Qt::SolidLine && forma == Rettangolo) {
        // Four bands of whole pixels inside the box, like a control's border.
        painter.setBrush(coloreBordo);
        const QList<QRect> bande = {
            QRect(riquadro.left(), riquadro.top(), riquadro.width(), b),
            QRect(riquadro.left(), riquadro.bottom() + 1 - b, riquadro.width(), b),
            QRect(riquadro.left(), riquadro.top(), b, riquadro.height()),
            QRect(riquadro.right() + 1 - b, riquadro.top(), b, riquadro.height())};
        painter.drawRects(bande);
        return;
    }
    const qreal margine = b / 2.0;
    const QRectF bordo = QRectF(riquadro).adjusted(margine, margine, -margine, -margine);
    painter.setPen(Penna(coloreBordo, b, stileBordo));
    painter.setBrush(Qt::NoBrush);
    if (forma == Cerchio)
        painter.drawEllipse(bordo);
    else
        painter.drawRect(bordo);
}

ElementoImmagine::ElementoImmagine(AreaDisegno *area, const QString &nome, const QString &immagine,
                                   int left, int top, int width, int height)
    : ElementoRiquadro(area, nome, left, top, width, height)
    , immagine(immagine)
{
}

void ElementoImmagine::DisegnaContenuto(QPainter &painter) const
{
    const QRect riquadro = RiquadroInPixel();
    if (riquadro.isEmpty() || immagine.isEmpty())
        return;
    if (disegnoVettoriale) {
        // Smoothed edges and shapes past the picture's frame stay in the box.
        painter.save();
        painter.setClipRect(riquadro, Qt::IntersectClip);
        QSvgRenderer(immagine).render(&painter, riquadro);
        painter.restore();
        return;
    }
    // Rendered at the size the box has on the device, so the picture stays
    // sharp on a high-density screen and on paper.
    const QSize pixel = MisuraSulDispositivo(painter.deviceTransform(), riquadro);
    if (cache.size() != pixel)
        cache = Rendi(immagine, pixel);
    painter.drawPixmap(riquadro, cache);
}

bool ElementoImmagine::Prepara(const QString &immagine, const QSize &twips, qreal densita)
{
    const QSize pixel = MisuraSulDispositivo(QTransform::fromScale(densita, densita),
                                             RettangoloDaTwips(QRect(QPoint(), twips)));
    QPixmap resa;
    if (pixel.isEmpty() || QPixmapCache::find(ChiaveCache(immagine, pixel), &resa))
        return false;
    Rendi(immagine, pixel);
    return true;
}

// The whole device pixels the box covers.
QSize ElementoImmagine::MisuraSulDispositivo(const QTransform &dispositivo, const QRect &riquadro)
{
    return dispositivo.mapRect(QRectF(riquadro)).toAlignedRect().size();
}

QString ElementoImmagine::ChiaveCache(const QString &immagine, const QSize &pixel)
{
    return QStringLiteral("ElementoImmagine|%1|%2x%3")
        .arg(immagine)
        .arg(pixel.width())
        .arg(pixel.height());
}

// Shared by every element that shows the same picture at the same size: a
// window loaded again (the result window after each calculation) finds its
// pictures drawn already instead of parsing and rendering them anew.
QPixmap ElementoImmagine::Rendi(const QString &immagine, const QSize &pixel)
{
    const QString chiave = ChiaveCache(immagine, pixel);
    QPixmap resa;
    if (QPixmapCache::find(chiave, &resa))
        return resa;
    resa = RendiSenzaCache(immagine, pixel);
    QPixmapCache::insert(chiave, resa);
    return resa;
}

QPixmap ElementoImmagine::RendiSenzaCache(const QString &immagine, const QSize &pixel)
{
    QImage resa(pixel, QImage::Format_ARGB32_Premultiplied);
    resa.fill(Qt::transparent);
    QSvgRenderer svg(immagine);
    QPainter painter(&resa);
    svg.render(&painter);
    painter.end();
    // Handed over, not copied: one large picture less at the memory peak.
    return QPixmap::fromImage(std::move(resa));
}
