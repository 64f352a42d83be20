#include "FinestreSenzaVideo.h"

FinestreSenzaVideo::FinestreSenzaVideo()
{
    CollegaFinestre(this);
}

FinestreSenzaVideo::~FinestreSenzaVideo()
{
    CollegaFinestre(nullptr);
}

bool FinestreSenzaVideo::Calcola()
{
    riuscito = false;
    messaggio.clear();
    prossima = 0;
    Progetto.HTravettoMinimo = Intero(0);
    CalcolaSolaio();
    return riuscito && messaggio.isEmpty();
}

QString FinestreSenzaVideo::TestoControllo(const QString &nome)
{
    if (nome == u"txtLuceNettaSolaio")
        return luce;
    if (nome == u"txtSovracAcc")
        return carico;
    if (nome == u"cmbCF")
        return copriferro;
    if (nome == u"cmbSSTravetto")
        return sottoTravetto;
    return {};
}

bool FinestreSenzaVideo::ValoreOpzione(const QString &nome)
{
    if (nome == u"optTipoSolaio(0)")
        return intermedio;
    if (nome == u"optTipoCampata(0)")
        return campataSingola;
    return false;
}

void FinestreSenzaVideo::ScriviRisultato(const QString &nome, const QString &testo)
{
    // The engine writes the boxes in their order; the next one is tried first.
    qsizetype indice = prossima < CaselleRisultato.size() && CaselleRisultato[prossima] == nome
                           ? prossima
                           : CaselleRisultato.indexOf(nome);
    if (indice < 0)
        return;
    risultati[std::size_t(indice)] = testo;
    prossima = indice + 1;
}
