#pragma once

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
