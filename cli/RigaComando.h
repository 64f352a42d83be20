#pragma once

#include <QByteArray>
#include <QStringList>

// Sizing without windows: the same executable, given calculation options,
// sizes one slab or a table of spans and loads, prints and ends. It needs no
// display: QtCore only, no widget is ever created.

// True when argv holds one of the command line's options. Reads argv only, so
// it can decide before any application object exists.
bool ChiedeRigaComando(int argc, char *argv[]);

// Runs the command line as the whole process: a QCoreApplication, the output
// on standard output, the messages on standard error. Returns the exit
// status: 0 done, 1 a calculation stopped with a message, 2 a bad option.
int EseguiRigaComando(int argc, char *argv[]);

// The same work without the process: the arguments after the program's name
// in, what goes to standard output and standard error appended, the exit
// status returned. Follows the default QLocale.
int EseguiComandi(const QStringList &argomenti, QByteArray &uscita, QByteArray &errori);
