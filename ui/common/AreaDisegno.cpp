#include "AreaDisegno.h"

#include "ElementiGrafici.h"

#include <QChildEvent>
#include <QPainter>

AreaDisegno::AreaDisegno(QWidget *parent)
    : QFrame(parent)
{
}

QList<ElementoGrafico *> AreaDisegno::Elementi() const
{
    QList<ElementoGrafico *> vivi;
    for (const QPointer<ElementoGrafico> &elemento : elementi) {
        if (elemento)
            vivi.append(elemento);
    }
    return vivi;
}

void AreaDisegno::AggiungiElemento(ElementoGrafico *elemento)
{
    elementi.append(elemento);
    connect(elemento, &ElementoGrafico::cambiato, this, qOverload<>(&QWidget::update));
    update();
}

void AreaDisegno::paintEvent(QPaintEvent *evento)
{
    {
        QPainter painter(this);
        for (const ElementoGrafico *elemento : Elementi())
            elemento->Disegna(painter);
    }
    // The frame's border goes over the elements, as a window border would.
    QFrame::paintEvent(evento);
}

void AreaDisegno::childEvent(QChildEvent *evento)
{
    if (evento->removed()) {
        // A deleted or re-parented element must neither be painted nor leave
        // its picture behind.
        elementi.removeIf([this](const QPointer<ElementoGrafico> &elemento) {
            return !elemento || !children().contains(elemento.data());
        });
        update();
    }
    QFrame::childEvent(evento);
}
