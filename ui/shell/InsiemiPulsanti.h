#pragma once

#include <QString>

#include <array>

// The toolbar's nine command buttons, by key, in the order AbilitaPulsanti
// takes their states.
inline const std::array<QString, 9> ChiaviPulsanti{
    QStringLiteral("ApriForm"), QStringLiteral("Pulisci"), QStringLiteral("Calcola"),
    QStringLiteral("Modifica"), QStringLiteral("Back"),    QStringLiteral("Stampa"),
    QStringLiteral("Esporta"),  QStringLiteral("Info"),    QStringLiteral("Esci")};

// Enabled state of each command button, in the order of ChiaviPulsanti.
using InsiemePulsanti = std::array<bool, 9>;

// The four sets the windows apply when they load and unload. "Esporta" has no
// command, so it is off in all of them; "Info" and "Esci" are always on.

// No input window loaded: only open it, read about it or leave.
inline constexpr InsiemePulsanti InsiemeFinestraChiusa{true,  false, false, false, false,
                                                       false, false, true,  true};
// Input window on screen.
inline constexpr InsiemePulsanti InsiemeAperto{false, true,  true, false, false,
                                               true,  false, true, true};
// Result window on screen.
inline constexpr InsiemePulsanti InsiemeRisultati{false, false, false, true, true,
                                                  true,  false, true,  true};
// Revision dialog open: the user finishes it before any other command.
inline constexpr InsiemePulsanti InsiemeDialogo{false, false, false, false, false,
                                                false, false, true,  true};
