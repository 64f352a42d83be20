#include "ImmaginiLista.h"

#include <QApplication>
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
    return QStringLiteral(":/shell/immagine%1.svg").arg(numero);
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

    // Disabled and selected looks as Qt's own icons get them from the style.
    static QPixmap Generata(QIcon::Mode modo, const QPixmap &normale)
    {
        QStyleOption opzione(0);
        opzione.palette = QGuiApplication::palette();
        const QPixmap generata =
            QApplication::style()->generatedIconPixmap(modo, normale, &opzione);
        return generata.isNull() ? normale : generata;
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
    if (!QSvgRenderer(percorso).isValid())
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
