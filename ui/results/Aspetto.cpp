#include "Aspetto.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QToolButton>

namespace Aspetto {

QFont Arial(qreal punti, bool grassetto)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

QLabel *Etichetta(QWidget *contenitore, const QString &testo, const QFont &font,
                  const QColor &colore)
{
    auto *etichetta = new QLabel(testo, contenitore);
    etichetta->setFont(font);
    QPalette tavolozza = etichetta->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    etichetta->setPalette(tavolozza);
    return etichetta;
}

QToolButton *PulsanteGrafico(QWidget *contenitore, const char *nome, const QString &testo,
                             const QIcon &icona)
{
    auto *pulsante = new QToolButton(contenitore);
    pulsante->setObjectName(QString::fromLatin1(nome));
    pulsante->setText(testo);
    pulsante->setIcon(icona);
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pulsante->setIconSize(QSize(32, 32));
    pulsante->setFocusPolicy(Qt::StrongFocus);
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    pulsante->setFont(font);
    return pulsante;
}

QIcon IconaSvg(const QString &percorso)
{
    QSvgRenderer disegno(percorso);
    if (!disegno.isValid())
        return {};
    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64, 96, 128}) {
        QPixmap immagine(lato, lato);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        disegno.render(&pittore);
        pittore.end();
        icona.addPixmap(immagine);
    }
    return icona;
}

} // namespace Aspetto
