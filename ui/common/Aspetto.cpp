#include "common/Aspetto.h"

#include "shell/ImmaginiLista.h"

#include <QPalette>

#include <QLabel>
#include <QToolButton>

namespace Aspetto {

QFont Arial(qreal punti, bool grassetto)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

void ColoraSfondo(QWidget *widget, const QColor &colore, bool ancheCampi)
{
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::Window, colore);
    if (ancheCampi)
        tavolozza.setColor(QPalette::Base, colore);
    widget->setPalette(tavolozza);
    widget->setAutoFillBackground(true);
}

void ColoraTesto(QLabel *etichetta, const QColor &colore)
{
    QPalette tavolozza = etichetta->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    etichetta->setPalette(tavolozza);
}

QLabel *Etichetta(QWidget *contenitore, const QString &testo, const QFont &font,
                  const QColor &colore)
{
    auto *etichetta = new QLabel(testo, contenitore);
    etichetta->setFont(font);
    if (colore.isValid())
        ColoraTesto(etichetta, colore);
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
    return IconaDaSvg(percorso, 128);
}

} // namespace Aspetto
