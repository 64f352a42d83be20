#pragma once

#include <memory>

class QApplication;

// Before the application object is made: whether its windows have a screen
// to open on. Qt picks its platform from "-platform" on the command line,
// else QT_QPA_PLATFORM, else the desktop's default (X11, or Wayland); each
// may be a list tried in turn. X11 needs DISPLAY, Wayland a compositor's
// socket (WAYLAND_DISPLAY, or "wayland-0", under XDG_RUNTIME_DIR). Any other
// platform (offscreen, vnc, a framebuffer) counts as a screen: Qt speaks for
// itself there. Without one Qt would abort with an English message.
bool SchermoDisponibile(int argc, char *argv[]);

// Says on the standard error, in one Italian line, that no screen is
// available, how to start the program, and that its command line needs no
// screen; returns the exit status, 1.
int SegnalaSchermoMancante();

// Makes the application object. When Qt then finds no screen after all (a
// DISPLAY left from a session that has ended, a platform that does not
// exist), it would abort with its English advice to reinstall: the process
// instead says what SegnalaSchermoMancante says and ends with status 1. Qt's
// other notices of the making are passed on once it has succeeded.
std::unique_ptr<QApplication> CreaApplicazione(int &argc, char *argv[]);
