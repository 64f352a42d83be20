#pragma once

#include "shell/Stampa.h"

#include <QBuffer>
#include <QByteArray>
#include <QList>

#include <condition_variable>
#include <mutex>
#include <stdexcept>

// A print system for tests, called from the printing threads as the real one
// is. It finds a printer "Finta" with the given paper and keeps each PDF it
// is given, as a PDF page; the lookup and the sending can each refuse with a reason, throw,
// or keep silent until Libera.
class StampanteFinta : public ServizioStampa {
public:
    enum class Risposta { Accetta, Rifiuta, Lancia, Tace };

    explicit StampanteFinta(Risposta ricerca = Risposta::Accetta,
                            Risposta invio = Risposta::Accetta)
        : ricerca(ricerca)
        , invio(invio)
    {
    }

    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                          std::chrono::milliseconds) override
    {
        if (!Rispondi(ricerca, Errore))
            return false;
        Stampante.Nome = QStringLiteral("Finta");
        Stampante.Carta = carta;
        return true;
    }

    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds) override
    {
        if (!Rispondi(invio, Errore))
            return false;
        QBuffer pagina;
        pagina.open(QIODevice::WriteOnly);
        if (!ScriviPaginaPdf(videata, Stampante.Carta, pagina, Errore))
            return false;
        const std::lock_guard blocco(mutex);
        pdf << pagina.data();
        return true;
    }

    // Ends every silence, now and later.
    void Libera()
    {
        const std::lock_guard blocco(mutex);
        liberata = true;
        sveglia.notify_all();
    }

    QList<QByteArray> Pdf() const
    {
        const std::lock_guard blocco(mutex);
        return pdf;
    }

    QString motivo = QStringLiteral("la stampante è spenta");
    QPageLayout carta{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                      QPageLayout::Millimeter};

private:
    bool Rispondi(Risposta risposta, QString &Errore)
    {
        switch (risposta) {
        case Risposta::Accetta:
            return true;
        case Risposta::Rifiuta:
            Errore = motivo;
            return false;
        case Risposta::Lancia:
            throw std::runtime_error("memoria esaurita");
        case Risposta::Tace: {
            std::unique_lock blocco(mutex);
            sveglia.wait(blocco, [this] { return liberata; });
            return true;
        }
        }
        return false;
    }

    Risposta ricerca;
    Risposta invio;
    mutable std::mutex mutex;
    std::condition_variable sveglia;
    bool liberata = false;
    QList<QByteArray> pdf;
};
