#pragma once

#include "Opzioni.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

// How the cases of one run are written: plain text as the result window
// shows them, CSV for spreadsheets, or JSON.
namespace Uscite {

// One case: the span and load texts it was calculated with (the load as the
// whole number the engine used, when it took one), and either the result
// window's thirteen texts or the message that stopped it.
struct Caso {
    QString luce;
    QString carico;
    bool riuscito = false;
    std::array<QString, 13> risultati;
    QString messaggio;
};

// "Luce 5,3 m – Sovraccarico 200 daN/m2": which case a line is about.
QString NomeCaso(const Caso &caso);

// The bytes of the output, UTF-8, piece by piece as the cases come, so each
// row can leave before the next case is calculated.
class Scrittore {
public:
    virtual ~Scrittore() = default;
    // Before the first case.
    virtual QByteArray Inizio() { return {}; }
    virtual QByteArray Riga(const Caso &caso) = 0;
    // After the last case.
    virtual QByteArray Fine() { return {}; }
};

// tabella: more than one case.
std::unique_ptr<Scrittore> CreaScrittore(const Opzioni::Richiesta &richiesta, bool tabella);

} // namespace Uscite
