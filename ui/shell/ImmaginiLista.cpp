#include "ImmaginiLista.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <initializer_list>

namespace {

QString PercorsoImmagine(int numero)
{
    return QStringLiteral(":/shell/immagine%1.svg").arg(numero);
}

// Rendered here, not by the SVG icon plugin, so every size is drawn from the
// vector picture even where that plugin is missing.
QIcon IconaDaSvg(const QString &percorso)
{
    QSvgRenderer disegno(percorso);
    if (!disegno.isValid())
        return {};
    QIcon icona;
    for (int lato : {16, 20, 24, 32, 48, 64, 128, 256}) {
        QPixmap immagine(lato, lato);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        disegno.render(&pittore);
        pittore.end();
        icona.addPixmap(immagine);
    }
    return icona;
}

} // namespace

QIcon ImmagineLista(int numero)
{
    if (numero < 1 || numero > NumeroImmaginiLista)
        return {};
    return IconaDaSvg(PercorsoImmagine(numero));
}

QIcon IconaApplicazione()
{
    return ImmagineLista(1);
}
