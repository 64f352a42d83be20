#include "FlussoUscita.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace {

// Some bytes written, or -1 with errno set. A call interrupted by a signal,
// or an output left non-blocking by whoever opened it and full for a moment,
// is not a failure: the bytes are offered again.
long ScriviParte(int descrittore, const char *dati, qsizetype quanti)
{
    for (;;) {
#ifdef Q_OS_WIN
        const long scritti = _write(descrittore, dati, unsigned(qMin<qsizetype>(quanti, 1 << 30)));
#else
        const long scritti = long(::write(descrittore, dati, std::size_t(quanti)));
#endif
        if (scritti >= 0)
            return scritti;
        if (errno == EINTR)
            continue;
#ifndef Q_OS_WIN
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd attesa{descrittore, POLLOUT, 0};
            if (::poll(&attesa, 1, -1) >= 0 || errno == EINTR)
                continue;
        }
#endif
        return -1;
    }
}

int ChiudiDescrittore(int descrittore)
{
#ifdef Q_OS_WIN
    return _close(descrittore);
#else
    return ::close(descrittore);
#endif
}

#ifdef Q_OS_WIN
// The console a standard descriptor shows on, if it is one. A descriptor
// the program was given no handle for, when the program was started from a
// console, writes to that console.
void *ConsoleDi(int descrittore)
{
    auto maniglia = reinterpret_cast<HANDLE>(_get_osfhandle(descrittore));
    if (maniglia == INVALID_HANDLE_VALUE || !maniglia) {
        if (descrittore != 1 && descrittore != 2)
            return nullptr;
        maniglia = GetStdHandle(descrittore == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    }
    DWORD modo = 0;
    return maniglia && maniglia != INVALID_HANDLE_VALUE && GetConsoleMode(maniglia, &modo)
               ? maniglia
               : nullptr;
}

int ErroreDaWindows(DWORD codice)
{
    switch (codice) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    default:
        return EIO;
    }
}
#endif

} // namespace

FlussoUscita::FlussoUscita(int descrittore)
    : descrittore(descrittore)
{
#ifdef Q_OS_WIN
    console = ConsoleDi(descrittore);
    // Bytes as they are: no "\r" added before each "\n".
    _setmode(descrittore, _O_BINARY);
#endif
}

FlussoUscita &FlussoUscita::Uscita()
{
    static FlussoUscita uscita(1);
    return uscita;
}

FlussoUscita &FlussoUscita::Errori()
{
    static FlussoUscita errori(2);
    return errori;
}

bool FlussoUscita::Scrivi(const QByteArray &byte)
{
    if (console)
        return ScriviConsole(byte);
    const char *dati = byte.constData();
    qsizetype resto = byte.size();
    while (errore == 0 && resto > 0) {
        const long scritti = ScriviParte(descrittore, dati, resto);
        if (scritti > 0) {
            dati += scritti;
            resto -= scritti;
        } else {
            // Nothing taken of a non-empty write is a device that failed silently.
            errore = scritti == 0 ? EIO : errno;
        }
    }
    return errore == 0;
}

// The text in UTF-16, as the console takes it whatever its code page; a
// character cut between two writes waits for its other half.
bool FlussoUscita::ScriviConsole(const QByteArray &byte)
{
#ifdef Q_OS_WIN
    const QString testo = testoConsole.decode(byte);
    const auto *dati = reinterpret_cast<const wchar_t *>(testo.utf16());
    qsizetype resto = testo.size();
    while (errore == 0 && resto > 0) {
        DWORD scritti = 0;
        if (!WriteConsoleW(console, dati, DWORD(qMin<qsizetype>(resto, 8192)), &scritti, nullptr))
            errore = ErroreDaWindows(GetLastError());
        else if (scritti == 0)
            errore = EIO;
        dati += scritti;
        resto -= scritti;
    }
#else
    Q_UNUSED(byte);
#endif
    return errore == 0;
}

bool FlussoUscita::Chiudi()
{
    if (console) {
        descrittore = -1;
        return errore == 0;
    }
    if (descrittore >= 0 && ChiudiDescrittore(descrittore) != 0 && errore == 0 && errno != EINTR)
        errore = errno;
    descrittore = -1;
    return errore == 0;
}

QString FlussoUscita::Motivo() const
{
    return QString::fromLocal8Bit(std::strerror(errore));
}

void PreparaDescrittoriStandard()
{
#ifdef Q_OS_WIN
    AttachConsole(ATTACH_PARENT_PROCESS);
#else
    for (int descrittore = 0; descrittore <= 2; ++descrittore) {
        if (::fcntl(descrittore, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Read-only: a write to it fails with the system's own "bad
        // descriptor", which is what a closed output is.
        const int occupante = ::open("/dev/null", O_RDONLY);
        if (occupante >= 0 && occupante != descrittore) {
            ::dup2(occupante, descrittore);
            ::close(occupante);
        }
    }
#endif
}
