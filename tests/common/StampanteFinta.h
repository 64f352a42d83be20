#pragma once

#include "shell/Stampa.h"

#include <QBuffer>
#include <QByteArray>
#include <QList>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

// A print system for tests, called from the printing threads as the real one
// is. It finds a printer "Finta" with the given paper and keeps each PDF it
// is given, as a PDF page; the lookup and the sending can each refuse with a reason, throw,
// keep silent until Libera or until told to stop, or until Libera alone, as
// a server that does not hear the stop. Counts the calls under way.
class StampanteFinta : public ServizioStampa {
public:
    enum class Risposta { Accetta, Rifiuta, Lancia, Tace, Sorda };

    explicit StampanteFinta(Risposta ricerca = Risposta::Accetta,
                            Risposta invio = Risposta::Accetta)
        : ricerca(ricerca)
        , invio(invio)
    {
    }

    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore, std::chrono::milliseconds,
                          std::stop_token fine) override
    {
        if (!Rispondi(ricerca, Errore, fine))
            return false;
        Stampante.Nome = QStringLiteral("Finta");
        Stampante.Carta = carta;
        return true;
    }

    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds, std::stop_token fine) override
    {
        const InCorso chiamata(inCorso);
        if (!Rispondi(invio, Errore, fine))
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

    // The calls that have begun and not yet returned.
    int Chiamate() const { return inCorso; }

    QList<QByteArray> Pdf() const
    {
        const std::lock_guard blocco(mutex);
        return pdf;
    }

    QString motivo = QStringLiteral("la stampante è spenta");
    QPageLayout carta{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                      QPageLayout::Millimeter};

private:
    struct InCorso {
        explicit InCorso(std::atomic<int> &contatore)
            : contatore(contatore)
        {
            ++contatore;
        }
        ~InCorso() { --contatore; }
        std::atomic<int> &contatore;
    };

    bool Rispondi(Risposta risposta, QString &Errore, std::stop_token fine)
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
            // Told to stop, it stops, even if set free at the same moment.
            sveglia.wait(blocco, fine, [this] { return liberata; });
            if (fine.stop_requested()) {
                Errore = QStringLiteral("fermata");
                return false;
            }
            return true;
        }
        case Risposta::Sorda: {
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
    std::condition_variable_any sveglia;
    bool liberata = false;
    QList<QByteArray> pdf;
    std::atomic<int> inCorso = 0;
};
