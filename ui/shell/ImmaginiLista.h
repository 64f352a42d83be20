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
