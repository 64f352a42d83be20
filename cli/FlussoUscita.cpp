#include "FlussoUscita.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
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

} // namespace

FlussoUscita::FlussoUscita(int descrittore)
    : descrittore(descrittore)
{
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

bool FlussoUscita::Chiudi()
{
    if (descrittore >= 0 && ChiudiDescrittore(descrittore) != 0 && errore == 0 && errno != EINTR)
        errore = errno;
    descrittore = -1;
    return errore == 0;
}

QString FlussoUscita::Motivo() const
{
    return QString::fromLocal8Bit(std::strerror(errore));
}

void OccupaDescrittoriChiusi()
{
#ifndef Q_OS_WIN
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
