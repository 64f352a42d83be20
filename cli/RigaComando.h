#pragma once

#include <QStringList>

class FlussoUscita;

// Sizing without windows: the same executable, given calculation options,
// sizes one slab or a table of spans and loads, prints and ends. It needs no
// display: QtCore only, no widget is ever created.

// True when argv holds one of the command line's options. Reads argv only, so
// it can decide before any application object exists.
bool ChiedeRigaComando(int argc, char *argv[]);

// Runs the command line as the whole process: a QCoreApplication, the output
// on standard output, the messages on standard error. Returns the exit
// status: 0 done, 1 a calculation stopped with a message, 2 a bad option,
// 3 the output could not be written whole (the reason on standard error).
int EseguiRigaComando(int argc, char *argv[]);

// The same work on the given outputs: the arguments after the program's name
// in, the exit status returned; uscita is closed at the end. Follows the
// default QLocale.
int EseguiComandi(const QStringList &argomenti, FlussoUscita &uscita, FlussoUscita &errori);
