#include "common/Aspetto.h"

#include "common/ImmaginiLista.h"
#ifdef Q_OS_WIN
#include "common/CaratteriIncorporati.h"
#endif

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace {

// A graphical button that Enter and Return press while it has the focus, as
// Space does; a plain tool button ignores them.
class PulsanteConInvio : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent *evento) override
    {
        const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
        if (invio && !evento->isAutoRepeat() && evento->modifiers() == Qt::NoModifier) {
            click();
            return;
        }
        QToolButton::keyPressEvent(evento);
    }
};

} // namespace

namespace Aspetto {

QPalette TavolozzaClassica()
{
    const QColor grigio(128, 128, 128);
    QPalette tavolozza(Nero, Argento, Bianco, grigio, QColor(160, 160, 160), Nero, Bianco, Bianco,
                       Argento);
    tavolozza.setColor(QPalette::ButtonText, Nero);
    tavolozza.setColor(QPalette::Midlight, QColor(223, 223, 223));
    tavolozza.setColor(QPalette::Shadow, Nero);
    tavolozza.setColor(QPalette::Highlight, BluScuro);
    tavolozza.setColor(QPalette::HighlightedText, Bianco);
    tavolozza.setColor(QPalette::AlternateBase, QColor(224, 224, 224));
    tavolozza.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    tavolozza.setColor(QPalette::ToolTipText, Nero);
    tavolozza.setColor(QPalette::PlaceholderText, grigio);
    tavolozza.setColor(QPalette::Link, Blu);
    tavolozza.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    for (QPalette::ColorRole testo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        tavolozza.setColor(QPalette::Disabled, testo, grigio);
    tavolozza.setColor(QPalette::Disabled, QPalette::Base, Argento);
    tavolozza.setColor(QPalette::Disabled, QPalette::Highlight, grigio);
    return tavolozza;
}

void ApplicaTavolozzaClassica(QWidget *finestra)
{
    finestra->setPalette(TavolozzaClassica());
}

QFont Carattere(const QString &famiglia)
{
#ifdef Q_OS_WIN
    // Before the first font is made: the font database needs the application.
    static const bool affiancati = (AffiancaCaratteriMancanti(), true);
    Q_UNUSED(affiancati);
#endif
    return QFont(famiglia);
}

QFont Arial(qreal punti, bool grassetto)
{
    QFont font = Carattere(QStringLiteral("Arial"));
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

void ColoraTesto(QWidget *widget, const QColor &colore)
{
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    widget->setPalette(tavolozza);
}

void ColoraCampo(QWidget *campo, const QColor &colore)
{
    QPalette tavolozza = campo->palette();
    tavolozza.setColor(QPalette::Base, colore);
    campo->setPalette(tavolozza);
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

QLabel *EtichettaACapo(QWidget *contenitore, const QString &nome, const QFont &font,
                       Qt::Alignment allineamento)
{
    auto *etichetta = new QLabel(contenitore);
    etichetta->setObjectName(nome);
    etichetta->setFont(font);
    etichetta->setWordWrap(true);
    etichetta->setAlignment(allineamento | Qt::AlignTop);
    return etichetta;
}

QToolButton *PulsanteGrafico(QWidget *contenitore, const char *nome, const QString &testo,
                             const QIcon &icona)
{
    auto *pulsante = new PulsanteConInvio(contenitore);
    pulsante->setObjectName(QString::fromLatin1(nome));
    pulsante->setText(testo);
    pulsante->setIcon(icona);
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pulsante->setIconSize(QSize(32, 32));
    pulsante->setFocusPolicy(Qt::StrongFocus);
    QFont font = Carattere(QStringLiteral("Arial Narrow"));
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
