#pragma once

// Makes the application's style one that draws exactly as the style chosen
// for it (the platform's, or the one given with -style), but hands the
// controls' colours to it by their content rather than by the palette object
// of each widget. Qt's styles keep the pieces they draw (button faces, list
// boxes and their arrows) in the pixmap cache under a key that names the
// palette object; every window colours its own widgets, so every new window
// had new keys and the pieces of each window closed stayed behind, a few
// kilobytes a window for the whole working day. With the colours shared,
// a window loaded again finds its pieces drawn already.
void ImpostaStileApplicazione();
