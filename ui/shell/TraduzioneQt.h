#pragma once

class QCoreApplication;

// Loads Qt's own Italian texts (the buttons of message boxes and standard
// dialogs) whatever the user's locale, so they match the Italian interface.
// The translator belongs to the application. Returns false when the
// translation is not installed; Qt's English texts then remain.
bool CaricaTraduzioneQt(QCoreApplication &applicazione);
