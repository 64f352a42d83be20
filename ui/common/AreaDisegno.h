#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>

class ElementoGrafico;

// A widget that holds windowless lines, shapes and pictures: a picture box, a
// frame or the client area of a window. It paints its elements in the order
// they were created, the first lowest, all beneath its child widgets, and
// draws its own frame (if it has one) over them. Elements are found like any
// child, by objectName.
class AreaDisegno : public QFrame {
    Q_OBJECT

public:
    explicit AreaDisegno(QWidget *parent = nullptr);

    // The elements from the lowest to the topmost.
    QList<ElementoGrafico *> Elementi() const;

protected:
    void paintEvent(QPaintEvent *evento) override;
    void childEvent(QChildEvent *evento) override;

private:
    friend class ElementoGrafico;
    void AggiungiElemento(ElementoGrafico *elemento);

    // Guarded, because an element may be deleted on its own at any time.
    QList<QPointer<ElementoGrafico>> elementi;
};

// The objectName of element i of a control array: "linCampata(12)".
inline QString NomeInMatrice(const QString &nome, int indice)
{
    return nome + QLatin1Char('(') + QString::number(indice) + QLatin1Char(')');
}
