#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QRect>

class AreaDisegno;
class QPainter;
class QTransform;

// A windowless drawing element. It is no widget: its AreaDisegno owns it and
// paints it beneath the area's child widgets, in the order the elements were
// created. Geometry is in twips, relative to the area, and is rounded to whole
// pixels exactly as PosizionaInTwips rounds widgets, so lines meet the labels
// and pictures placed beside them. Every change repaints the area.
class ElementoGrafico : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY cambiato)
    Q_PROPERTY(ModoDisegno drawMode READ drawMode WRITE setDrawMode NOTIFY cambiato)

public:
    // Copia paints the colours as they are. Maschera leaves in every pixel the
    // bitwise AND of the colour and what lies beneath: black stays black, and
    // a coloured shape tints a white ground without hiding the lines on it.
    enum ModoDisegno { Copia, Maschera };
    Q_ENUM(ModoDisegno)

    bool isVisible() const { return visibile; }
    void setVisible(bool valore) { Cambia(visibile, valore); }
    ModoDisegno drawMode() const { return modo; }
    void setDrawMode(ModoDisegno valore) { Cambia(modo, valore); }

    AreaDisegno *area() const;
    void Disegna(QPainter &painter) const;

signals:
    void cambiato();

protected:
    ElementoGrafico(AreaDisegno *area, const QString &nome);
    virtual void DisegnaContenuto(QPainter &painter) const = 0;

    template <typename T> void Cambia(T &campo, const T &valore)
    {
        if (campo == valore)
            return;
        campo = valore;
        emit cambiato();
    }

private:
    bool visibile = true;
    ModoDisegno modo = Copia;
};

// A straight line from (x1, y1) to (x2, y2), both ends included.
class ElementoLinea : public ElementoGrafico {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY cambiato)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth NOTIFY cambiato)
    Q_PROPERTY(Qt::PenStyle lineStyle READ lineStyle WRITE setLineStyle NOTIFY cambiato)
    Q_PROPERTY(int x1 READ x1 CONSTANT)
    Q_PROPERTY(int y1 READ y1 CONSTANT)
    Q_PROPERTY(int x2 READ x2 CONSTANT)
    Q_PROPERTY(int y2 READ y2 CONSTANT)

public:
    // Drawn in the area's window-text colour, 1 pixel wide, solid.
    ElementoLinea(AreaDisegno *area, const QString &nome, int x1, int y1, int x2, int y2);

    QColor color() const { return colore; }
    void setColor(const QColor &valore) { Cambia(colore, valore); }
    int lineWidth() const { return larghezza; }
    void setLineWidth(int valore) { Cambia(larghezza, qMax(1, valore)); }
    Qt::PenStyle lineStyle() const { return stile; }
    void setLineStyle(Qt::PenStyle valore) { Cambia(stile, valore); }
    int x1() const { return linea.x1(); }
    int y1() const { return linea.y1(); }
    int x2() const { return linea.x2(); }
    int y2() const { return linea.y2(); }

protected:
    void DisegnaContenuto(QPainter &painter) const override;

private:
    const QLine linea;
    QColor colore;
    int larghezza = 1;
    Qt::PenStyle stile = Qt::SolidLine;
};

// An element that fills a box given by left, top, width and height.
class ElementoRiquadro : public ElementoGrafico {
    Q_OBJECT
    Q_PROPERTY(int left READ left WRITE setLeft NOTIFY cambiato)
    Q_PROPERTY(int top READ top WRITE setTop NOTIFY cambiato)
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY cambiato)
    Q_PROPERTY(int height READ height WRITE setHeight NOTIFY cambiato)

public:
    int left() const { return riquadro.left(); }
    void setLeft(int valore) { CambiaRiquadro(valore, top(), width(), height()); }
    int top() const { return riquadro.top(); }
    void setTop(int valore) { CambiaRiquadro(left(), valore, width(), height()); }
    int width() const { return riquadro.width(); }
    void setWidth(int valore) { CambiaRiquadro(left(), top(), valore, height()); }
    int height() const { return riquadro.height(); }
    void setHeight(int valore) { CambiaRiquadro(left(), top(), width(), valore); }

    // The box in twips, and the pixels it covers in the area.
    QRect twips() const { return riquadro; }
    QRect RiquadroInPixel() const;

protected:
    ElementoRiquadro(AreaDisegno *area, const QString &nome, int left, int top, int width,
                     int height);

private:
    void CambiaRiquadro(int left, int top, int width, int height)
    {
        Cambia(riquadro, QRect(left, top, qMax(0, width), qMax(0, height)));
    }

    QRect riquadro;
};

// A rectangle or circle with border, fill pattern and ground.
// The ground (backgroundColor, if backgroundOpaque) is laid first, the fill
// pattern over it and the border last, inside the box.
class ElementoForma : public ElementoRiquadro {
    Q_OBJECT
    Q_PROPERTY(Forma shape READ shape CONSTANT)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor NOTIFY cambiato)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth NOTIFY cambiato)
    Q_PROPERTY(Qt::PenStyle borderStyle READ borderStyle WRITE setBorderStyle NOTIFY cambiato)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor NOTIFY cambiato)
    Q_PROPERTY(Riempimento fillStyle READ fillStyle WRITE setFillStyle NOTIFY cambiato)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY cambiato)
    Q_PROPERTY(
        bool backgroundOpaque READ backgroundOpaque WRITE setBackgroundOpaque NOTIFY cambiato)

public:
    // A circle takes the shorter side of the box and is centred in it.
    enum Forma { Rettangolo, Cerchio };
    Q_ENUM(Forma)
    // Hatches are one pixel lines eight pixels apart, laid on a grid fixed to
    // the area, so that neighbouring hatched shapes join without a seam.
    // DiagonaliInGiu fall from upper left to lower right.
    enum Riempimento { Pieno, Trasparente, LineeVerticali, DiagonaliInGiu };
    Q_ENUM(Riempimento)

    // A transparent box with a solid window-text border, 1 pixel wide;
    // the fill colour is black and the ground colour the area's base colour.
    ElementoForma(AreaDisegno *area, const QString &nome, Forma forma, int left, int top, int width,
                  int height);

    Forma shape() const { return forma; }
    QColor borderColor() const { return coloreBordo; }
    void setBorderColor(const QColor &valore) { Cambia(coloreBordo, valore); }
    int borderWidth() const { return larghezzaBordo; }
    void setBorderWidth(int valore) { Cambia(larghezzaBordo, qMax(1, valore)); }
    Qt::PenStyle borderStyle() const { return stileBordo; }
    void setBorderStyle(Qt::PenStyle valore) { Cambia(stileBordo, valore); }
    QColor fillColor() const { return coloreRiempimento; }
    void setFillColor(const QColor &valore) { Cambia(coloreRiempimento, valore); }
    Riempimento fillStyle() const { return riempimento; }
    void setFillStyle(Riempimento valore) { Cambia(riempimento, valore); }
    QColor backgroundColor() const { return coloreSfondo; }
    void setBackgroundColor(const QColor &valore) { Cambia(coloreSfondo, valore); }
    bool backgroundOpaque() const { return sfondoOpaco; }
    void setBackgroundOpaque(bool valore) { Cambia(sfondoOpaco, valore); }

protected:
    void DisegnaContenuto(QPainter &painter) const override;

private:
    QRect RiquadroForma() const;
    void DisegnaTratteggio(QPainter &painter, const QRect &riquadro) const;
    void DisegnaBordo(QPainter &painter, const QRect &riquadro) const;

    const Forma forma;
    QColor coloreBordo;
    int larghezzaBordo = 1;
    Qt::PenStyle stileBordo = Qt::SolidLine;
    QColor coloreRiempimento = Qt::black;
    Riempimento riempimento = Trasparente;
    QColor coloreSfondo;
    bool sfondoOpaco = false;
};

// An SVG picture (from the resources) stretched over its box.
class ElementoImmagine : public ElementoRiquadro {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture CONSTANT)

public:
    ElementoImmagine(AreaDisegno *area, const QString &nome, const QString &immagine, int left,
                     int top, int width, int height);

    QString picture() const { return immagine; }
    // The picture is normally drawn once at the size its box has on the
    // device and kept; a vector one is drawn afresh at every painting, which
    // suits a simple picture painted seldom, not worth its pixels in memory.
    bool vettoriale() const { return disegnoVettoriale; }
    void setVettoriale(bool valore) { Cambia(disegnoVettoriale, valore); }

    // Draws the picture at the size a box of the given size in twips has at
    // the given density, where the elements that show it will find it, ahead
    // of the first of them. False when it was drawn already.
    static bool Prepara(const QString &immagine, const QSize &twips, qreal densita);

protected:
    void DisegnaContenuto(QPainter &painter) const override;

private:
    static QSize MisuraSulDispositivo(const QTransform &dispositivo, const QRect &riquadro);
    static QString ChiaveCache(const QString &immagine, const QSize &pixel);
    static QPixmap Rendi(const QString &immagine, const QSize &pixel);
    static QPixmap RendiSenzaCache(const QString &immagine, const QSize &pixel);

    const QString immagine;
    bool disegnoVettoriale = false;
    // Rendered once for the device size it was last painted at.
    mutable QPixmap cache;
};
