#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QLabel;
class QToolButton;
class QWidget;

// Colours, fonts, colouring and the graphical buttons the windows share.
namespace Aspetto {

inline const QColor Nero(0, 0, 0);
inline const QColor Bianco(255, 255, 255);
inline const QColor Rosso(255, 0, 0);
inline const QColor Blu(0, 0, 255);
inline const QColor BluScuro(0, 0, 128);
inline const QColor Argento(192, 192, 192);
inline const QColor Pesca(255, 224, 192);

// A font of the family. Where the system lacks the family (a Windows without
// Arial Narrow), a face with its metrics stands in, so that texts keep their
// measures.
QFont Carattere(const QString &famiglia);
QFont Arial(qreal punti, bool grassetto = false);

// The light look the windows' colours were chosen against: black text, white
// boxes, silver faces, navy selection, grey disabled text. It is the
// application's palette, and every window sets it on itself as well, so that
// no palette set on the application later reaches its texts, boxes or
// drawings either.
QPalette TavolozzaClassica();
void ApplicaTavolozzaClassica(QWidget *finestra);

// Paints the widget's ground in the colour; with ancheCampi, the ground of its
// text boxes and lists (the palette's Base) too.
void ColoraSfondo(QWidget *widget, const QColor &colore, bool ancheCampi = false);

// The colour of a widget's texts and lines, its palette's WindowText.
void ColoraTesto(QWidget *widget, const QColor &colore);

// The ground of a text box or list, its palette's Base; its frame and the
// window around it keep their colours.
void ColoraCampo(QWidget *campo, const QColor &colore);

// A label, in the given colour if there is one.
QLabel *Etichetta(QWidget *contenitore, const QString &testo, const QFont &font,
                  const QColor &colore = QColor());

// A named label, empty until its text is set, whose text wraps inside its
// box from the top, aligned as asked.
QLabel *EtichettaACapo(QWidget *contenitore, const QString &nome, const QFont &font,
                       Qt::Alignment allineamento = Qt::AlignLeft);

// A button with a 32-pixel icon above its caption, as on the input window.
// Enter and Return press it while it has the focus, as Space does.
QToolButton *PulsanteGrafico(QWidget *contenitore, const char *nome, const QString &testo,
                             const QIcon &icona);

// An icon drawn from an SVG picture at every size a button may ask for, so it
// stays sharp on high-density screens even without Qt's SVG icon plugin.
QIcon IconaSvg(const QString &percorso);

} // namespace Aspetto
