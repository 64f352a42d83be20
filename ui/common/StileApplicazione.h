#pragma once

// Makes the application's style Fusion, the style the windows' layouts are
// measured in (a desktop style would change the sizes of boxes and buttons
// placed by the pixel), with sharp message-box icons, and its palette the
// classic light one of the windows, whatever the desktop's. The style takes
// the controls' colours by their content rather than by the palette object
// of each widget. Qt's styles keep the pieces they draw (button faces, list
// boxes and their arrows) in the pixmap cache under a key that names the
// palette object; every window colours its own widgets, so every new window
// had new keys and the pieces of each window closed stayed behind, a few
// kilobytes a window for the whole working day. With the colours shared,
// a window loaded again finds its pieces drawn already.
void ImpostaStileApplicazione();
