#pragma once

#include <QIcon>

// The toolbar's image list, numbered from 1: 1 red suspension bridge,
// 2 eraser, 3 drawing compass, 4 pencil, 5 camera, 6 arrow pointing left,
// 7 export, 8 information, 9 exit door. Drawn for 16 and 32 pixels; the
// buttons of the input and result windows reuse 3, 4, 5, 6 and 9.
// A number outside 1..9 gives a null icon.
QIcon ImmagineLista(int numero);

constexpr int NumeroImmaginiLista = 9;

// The application icon: image 1.
QIcon IconaApplicazione();

// An icon drawn from an SVG picture at any size asked for, up to latoMassimo
// pixels, so it stays sharp on high-density screens even without Qt's SVG
// icon plugin. Null when the picture cannot be read.
QIcon IconaDaSvg(const QString &percorso, int latoMassimo);
