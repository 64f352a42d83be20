#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Where the command line's bytes go: standard output, standard error, or any
// descriptor open for writing. Every write is checked to the last byte, so a
// full disk, a closed output or a reader gone away is known, with the
// system's reason, instead of being taken for a finished table. Nothing is
// buffered here: what Scrivi accepted has been handed to the system.
//
// The bytes are UTF-8 and go out as they are, with "\n" line ends on every
// system, so a script reads the same table everywhere. Only a Windows
// console, which would show UTF-8 as its own code page, is given the text
// itself.
class FlussoUscita {
public:
    explicit FlussoUscita(int descrittore);
    FlussoUscita(const FlussoUscita &) = delete;
    FlussoUscita &operator=(const FlussoUscita &) = delete;

    static FlussoUscita &Uscita();
    static FlussoUscita &Errori();

    // All the bytes or false; after the first failure every call is false.
    bool Scrivi(const QByteArray &byte);
    // Closes the descriptor, where some systems report what a write could
    // not (a network disk full); false when that or an earlier write failed.
    bool Chiudi();

    bool Riuscito() const { return errore == 0; }
    // The system's text for the first failure, in the user's language.
    QString Motivo() const;

private:
    bool ScriviConsole(const QByteArray &byte);

    int descrittore;
    int errore = 0;
    void *console = nullptr; // the Windows console this descriptor shows on
    QStringDecoder testoConsole{QStringDecoder::Utf8};
};

// Before any application object and any FlussoUscita: a standard descriptor
// that the caller left closed is taken by a stand-in that refuses every
// write, so nothing the process opens later (the event loop's own
// descriptor) becomes standard output by chance and receives the results.
// On Windows the windowed program joins the console it was started from, so
// that a console given to it as standard output can be written to.
void PreparaDescrittoriStandard();
