#pragma once

#include "Opzioni.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

// How the cases of one run are written: plain text as the result window
// shows them, CSV for spreadsheets, or JSON.
namespace Uscite {

// One case: the span and load texts it was calculated with, and either the
// result window's thirteen texts or the message that stopped it.
struct Caso {
    QString luce;
    QString carico;
    bool riuscito = false;
    std::array<QString, 13> risultati;
    QString messaggio;
};

// "Luce 5,3 m – Sovraccarico 200 daN/m2": which case of a table a line is about.
QString NomeCaso(const Caso &caso);

class Scrittore {
public:
    virtual ~Scrittore() = default;
    virtual void Scrivi(const Caso &caso) = 0;
    // After the last case.
    virtual void Chiudi() {}
};

// Appends to uscita, UTF-8. tabella: more than one case.
std::unique_ptr<Scrittore> CreaScrittore(const Opzioni::Richiesta &richiesta, bool tabella,
                                         QByteArray &uscita);

} // namespace Uscite
