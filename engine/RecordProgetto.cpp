#include "RecordProgetto.h"

RecordProgetto Progetto;

namespace {

// Resisting moment of one joist strip (daN·cm) for d = 10, 10.5, ... 33 cm.
// From d = 17 on each row adds the force of two 20 mm bars at the allowable
// stress times half a centimetre of lever arm.
constexpr std::array<double, RigheTabelle> MomentiResistenti = {
    106022, 114983, 124133, 133476, 142983, 152645, 162459, 172412, 182674, 192739, 202928, 213567,
    224140, 234848, 244920, 253084, 261248, 269412, 277576, 285740, 293904, 302068, 310232, 318396,
    326560, 334724, 342888, 351052, 359216, 367380, 375544, 383708, 391872, 400036, 408200, 416364,
    424528, 432692, 440856, 449020, 457184, 465348, 473512, 481676, 489840, 498004, 506168,
};

} // namespace

void InizializzaTabelle(RecordProgetto &p)
{
    p.AltezzaUtileBase = 10;
    int riga = 0;
    for (double contatore = 0; contatore <= 46; contatore += 1)
        p.TabAltezzaUtile[riga++] = contatore / 2 + p.AltezzaUtileBase;
    p.TabMomentoResistente = MomentiResistenti;
}
