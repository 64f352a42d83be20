#pragma once

#include "Intero.h"

#include <QString>

#include <array>

constexpr int RigheTabelle = 47;

// The one design record of the process: inputs, fixed settings, tables,
// intermediate values and results of the sizing. Units: cm, except the span
// (m); loads in daN, stresses in daN/cm². Plain fields, read and written
// directly by the engine and the windows.
struct RecordProgetto {
    // Inputs and settings
    double LuceCalcolo = 0;      // m
    Intero Sovraccarico;         // daN/m²
    Intero RapportoLuceAltezza;  // 25 intermediate floor, 30 roof
    Intero DivisoreMomento;      // 8 single span, 12 continuous
    Intero HCappa;               // topping thickness
    Intero TensioneAmmAcciaio;   // daN/cm²
    Intero CoeffFreccia;         // numerator of 5/384
    Intero SpessoreST;           // polystyrene under the joist
    double DistanzaArmatura = 0; // bar axis above the bottom face

    // Geometry and loads
    Intero HSolaio;   // concrete height H = HC + HT
    Intero HTravetto; // joist height HT
    double AltezzaUtile = 0;
    double BraccioCoppia = 0;
    double PesoProprio = 0;       // daN/m²
    double CaricoTravetto = 0;    // daN/m on one 60 cm strip
    double MomentoFlettente = 0;  // daN·m
    double MomentoResistente = 0; // daN·cm

    // Reinforcement and checks
    double AreaAcciaioNec = 0;
    double AreaAcciaioMin = 0;
    double AreaAcciaioEff = 0;
    Intero DiamTondino1; // mm
    Intero DiamTondino2; // mm
    double IncidenzaAcciaio = 0;
    double Xid = 0;
    double InerziaIdeale = 0;
    double Freccia = 0;
    double RapportoLuceFreccia = 0;
    double VolumeCalcestruzzo = 0;

    // The lowest joist height the revision dialog offers: the first sizing's
    Intero HTravettoMinimo;

    // Tables indexed by effective depth
    double AltezzaUtileBase = 0;
    std::array<double, RigheTabelle> TabAltezzaUtile{};
    std::array<double, RigheTabelle> TabMomentoResistente{};
};

// The design record of this process.
extern RecordProgetto Progetto;

// The effective-depth and resisting-moment tables.
void InizializzaTabelle(RecordProgetto &p);
