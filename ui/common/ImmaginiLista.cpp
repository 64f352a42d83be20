#include "common/ImmaginiLista.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace {

QString PercorsoImmagine(int numero)
{
    return QStringLiteral(":/common/immagine%1.svg").arg(numero);
}

// Draws the vector picture at the size asked for, when first asked for, and
// keeps it. Rendering every size up front cost each new window a few
// milliseconds per button; most sizes are never shown.
class MotoreIconaSvg : public QIconEngine {
public:
    MotoreIconaSvg(const QString &percorso, int latoMassimo)
        : percorso(percorso)
        , latoMassimo(latoMassimo)
    {
    }

    QSize actualSize(const QSize &misura, QIcon::Mode, QIcon::State) override
    {
        const int lato = qMin(qMin(misura.width(), misura.height()), latoMassimo);
        return QSize(lato, lato);
    }

    QPixmap pixmap(const QSize &misura, QIcon::Mode modo, QIcon::State stato) override
    {
        const QSize lato = actualSize(misura, modo, stato);
        if (lato.isEmpty())
            return {};
        const quint64 chiave = quint64(lato.width()) << 8 | quint64(modo);
        if (const auto trovata = disegnate.constFind(chiave); trovata != disegnate.cend())
            return *trovata;
        QPixmap immagine = modo == QIcon::Normal
                               ? Disegna(lato)
                               : Generata(modo, pixmap(lato, QIcon::Normal, stato));
        disegnate.insert(chiave, immagine);
        return immagine;
    }

    void paint(QPainter *pittore, const QRect &riquadro, QIcon::Mode modo,
               QIcon::State stato) override
    {
        const qreal scala = pittore->device() ? pittore->device()->devicePixelRatioF() : 1.0;
        pittore->drawPixmap(riquadro, pixmap(riquadro.size() * scala, modo, stato));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> misure;
        for (int lato : {16, 20, 24, 32, 48, 64, 96, 128, 256}) {
            if (lato <= latoMassimo)
                misure << QSize(lato, lato);
        }
        return misure;
    }

    QString key() const override { return QStringLiteral("MotoreIconaSvg"); }
    QIconEngine *clone() const override { return new MotoreIconaSvg(percorso, latoMassimo); }

private:
    QPixmap Disegna(const QSize &lato)
    {
        if (!disegno)
            disegno = std::make_unique<QSvgRenderer>(percorso);
        QPixmap immagine(lato);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        disegno->render(&pittore);
        return immagine;
    }

    // Disabled pictures are engraved, so they read as disabled on any ground;
    // the selected look comes from the style, as Qt's own icons get it.
    static QPixmap Generata(QIcon::Mode modo, const QPixmap &normale)
    {
        if (modo == QIcon::Disabled)
            return Incisa(normale);
        QStyleOption opzione(0);
        opzione.palette = QGuiApplication::palette();
        const QPixmap generata =
            QApplication::style()->generatedIconPixmap(modo, normale, &opzione);
        return generata.isNull() ? normale : generata;
    }

    // The picture's dark strokes in grey over a white copy of them shifted
    // down and right: the engraved look of disabled buttons. Light areas drop
    // out, so the shape stays recognisable without its colours.
    static QPixmap Incisa(const QPixmap &normale)
    {
        const QImage sorgente = normale.toImage().convertToFormat(QImage::Format_ARGB32);
        QImage tratto(sorgente.size(), QImage::Format_ARGB32);
        for (int y = 0; y < sorgente.height(); ++y) {
            const auto *riga = reinterpret_cast<const QRgb *>(sorgente.constScanLine(y));
            auto *uscita = reinterpret_cast<QRgb *>(tratto.scanLine(y));
            for (int x = 0; x < sorgente.width(); ++x) {
                const int scurezza = qBound(0, (208 - qGray(riga[x])) * 255 / 96, 255);
                uscita[x] = qRgba(0, 0, 0, qAlpha(riga[x]) * scurezza / 255);
            }
        }
        const QImage grigio = Tinta(tratto, QColor(128, 128, 128));
        const QImage bianco = Tinta(tratto, Qt::white);
        const int scarto = qMax(1, sorgente.width() / 16);
        QImage incisa(sorgente.size(), QImage::Format_ARGB32_Premultiplied);
        incisa.fill(Qt::transparent);
        QPainter pittore(&incisa);
        pittore.drawImage(QPoint(scarto, scarto), bianco);
        pittore.drawImage(QPoint(0, 0), grigio);
        pittore.end();
        QPixmap risultato = QPixmap::fromImage(incisa);
        risultato.setDevicePixelRatio(normale.devicePixelRatio());
        return risultato;
    }

    // The shape in one colour, keeping its coverage.
    static QImage Tinta(const QImage &forma, const QColor &colore)
    {
        QImage tinta = forma.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter pittore(&tinta);
        pittore.setCompositionMode(QPainter::CompositionMode_SourceIn);
        pittore.fillRect(tinta.rect(), colore);
        return tinta;
    }

    QString percorso;
    int latoMassimo;
    std::unique_ptr<QSvgRenderer> disegno;
    QHash<quint64, QPixmap> disegnate;
};

} // namespace

QIcon IconaDaSvg(const QString &percorso, int latoMassimo)
{
    // One icon per picture for the whole program: every window that shows
    // it shares what was drawn.
    static QHash<QString, QIcon> icone;
    const QString chiave = percorso + u'@' + QString::number(latoMassimo);
    if (const auto trovata = icone.constFind(chiave); trovata != icone.cend())
        return *trovata;
    // The pictures are the program's own resources: only a missing one is
    // refused here, without reading it, which the first drawing does.
    if (!QFile::exists(percorso))
        return {};
    const QIcon icona(new MotoreIconaSvg(percorso, latoMassimo));
    icone.insert(chiave, icona);
    return icona;
}

QIcon ImmagineLista(int numero)
{
    if (numero < 1 || numero > NumeroImmaginiLista)
        return {};
    return IconaDaSvg(PercorsoImmagine(numero), 256);
}

QIcon IconaApplicazione()
{
    return ImmagineLista(1);
}
