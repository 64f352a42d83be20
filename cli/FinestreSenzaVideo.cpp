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
    const qsizetype indice = CaselleRisultato.indexOf(nome);
    if (indice >= 0)
        risultati[std::size_t(indice)] = testo;
}
