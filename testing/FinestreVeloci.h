#pragma once

// A stand-in for the input and result windows made for many calculations in
// a row, and the judgement of how one calculation ended. Shared by the
// randomized engine test and the fuzz target, so both hold the engine to the
// same rules.

#include "modVelmora.h"

#include <QStringList>

#include <array>

namespace Robustezza {

// Every text a failed calculation may show: the fixed messages and the run-time errors.
inline const QStringList MessaggiAmmessi{
    Messaggi::LuceNonImpostata,
    Messaggi::SovraccaricoErrato,
    Messaggi::AltezzaUtileEccessiva,
    Messaggi::AltezzaMassimaRaggiunta,
    Messaggi::TondiniInsufficienti,
    ErroreRuntime(ErroreRuntime::Overflow).Testo(),
    ErroreRuntime(ErroreRuntime::DivisionePerZero).Testo(),
    ErroreRuntime(ErroreRuntime::TipoNonCorrispondente).Testo()};

inline bool ErroreDiEsecuzione(const QString &messaggio)
{
    return MessaggiAmmessi.indexOf(messaggio) >= 5;
}

// The six inputs in plain fields; what the engine did, counted.
class FinestreVeloci : public Finestre {
public:
    QString luce, carico, copriferro, sottoTravetto;
    bool intermedio = true;
    bool campataSingola = true;

    // Clears what the previous calculation left.
    void Azzera()
    {
        scritture = 0;
        ordineRispettato = true;
        nascosto = mostrato = avvisi = 0;
        fuochi.clear();
        ultimoAvviso.clear();
        titoloAvviso.clear();
        controlloIgnoto.clear();
    }

    QString TestoControllo(const QString &nome) override
    {
        if (nome == QLatin1String("txtLuceNettaSolaio"))
            return luce;
        if (nome == QLatin1String("txtSovracAcc"))
            return carico;
        if (nome == QLatin1String("cmbCF"))
            return copriferro;
        if (nome == QLatin1String("cmbSSTravetto"))
            return sottoTravetto;
        controlloIgnoto = nome;
        return {};
    }

    bool ValoreOpzione(const QString &nome) override
    {
        if (nome == QLatin1String("optTipoSolaio(0)"))
            return intermedio;
        if (nome == QLatin1String("optTipoCampata(0)"))
            return campataSingola;
        controlloIgnoto = nome;
        return false;
    }

    void ImpostaFuoco(const QString &nome) override { fuochi << nome; }

    void ScriviRisultato(const QString &nome, const QString &testo) override
    {
        if (scritture < int(testi.size()) && nome == CaselleRisultato[scritture])
            testi[scritture] = testo;
        else
            ordineRispettato = false;
        ++scritture;
    }

    void NascondiInput() override { ++nascosto; }
    void MostraFinestraRisultati() override { ++mostrato; }

    void MostraAvviso(const QString &testo, const QString &titolo) override
    {
        ++avvisi;
        ultimoAvviso = testo;
        titoloAvviso = titolo;
    }

    std::array<QString, 13> testi;
    int scritture = 0;
    bool ordineRispettato = true;
    int nascosto = 0;
    int mostrato = 0;
    int avvisi = 0;
    QStringList fuochi;
    QString ultimoAvviso;
    QString titoloAvviso;
    QString controlloIgnoto;
};

// Empty when the calculation ended as it must: either the input window
// swapped for thirteen result texts, each a number of the locale ("-" only
// for an absent transmittance), or one warning box with a known text and
// nothing shown. Otherwise what went wrong.
inline QString EsitoScorretto(const FinestreVeloci &f)
{
    if (!f.controlloIgnoto.isEmpty())
        return QStringLiteral("read an unknown control: ") + f.controlloIgnoto;
    if (!f.ordineRispettato)
        return QStringLiteral("wrote the result boxes out of order");
    if (f.avvisi == 0) {
        if (f.scritture != 13 || f.nascosto != 1 || f.mostrato != 1)
            return QStringLiteral("success without 13 results, one hide and one show (%1, %2, %3)")
                .arg(f.scritture)
                .arg(f.nascosto)
                .arg(f.mostrato);
        if (!f.fuochi.isEmpty())
            return QStringLiteral("success moved the focus");
        for (std::size_t i = 0; i < f.testi.size(); ++i) {
            const QString &testo = f.testi[i];
            const bool trattino = testo == u"-" && CaselleRisultato[i] == u"txtK";
            if (!trattino && !Numeri::EUnNumero(testo))
                return QStringLiteral("%1 is not a number: \"%2\"").arg(CaselleRisultato[i], testo);
        }
        if (!(Progetto.HTravettoMinimo == Progetto.HTravetto))
            return QStringLiteral("the lower bound for revisions is not the joist found");
        return {};
    }
    if (f.avvisi != 1)
        return QStringLiteral("%1 message boxes").arg(f.avvisi);
    if (f.titoloAvviso != Messaggi::TitoloCalcolo)
        return QStringLiteral("message box titled \"%1\"").arg(f.titoloAvviso);
    if (!MessaggiAmmessi.contains(f.ultimoAvviso))
        return QStringLiteral("unknown message \"%1\"").arg(f.ultimoAvviso);
    if (f.nascosto != 0 || f.mostrato != 0)
        return QStringLiteral("a failure hid the input or showed the results");
    // Only the result display itself can fail halfway through its boxes.
    if (f.scritture != 0 && !ErroreDiEsecuzione(f.ultimoAvviso))
        return QStringLiteral("results written before \"%1\"").arg(f.ultimoAvviso);
    QStringList fuocoAtteso;
    if (f.ultimoAvviso == Messaggi::LuceNonImpostata)
        fuocoAtteso << QStringLiteral("txtLuceNettaSolaio");
    else if (f.ultimoAvviso == Messaggi::SovraccaricoErrato)
        fuocoAtteso << QStringLiteral("txtSovracAcc");
    if (f.fuochi != fuocoAtteso)
        return QStringLiteral("focus moved to [%1] after \"%2\"")
            .arg(f.fuochi.join(u','), f.ultimoAvviso);
    // The check looks at the span first, then at the load.
    if (!Numeri::EUnNumero(f.luce) && f.ultimoAvviso != Messaggi::LuceNonImpostata)
        return QStringLiteral("a span that is no number passed the check");
    const bool lucePositiva = Numeri::EUnNumero(f.luce) && Numeri::TestoInDouble(f.luce) > 0;
    if (lucePositiva && !Numeri::EUnNumero(f.carico) &&
        f.ultimoAvviso != Messaggi::SovraccaricoErrato)
        return QStringLiteral("a load that is no number passed the check");
    return {};
}

// One calculation as both Calcola commands run it.
inline void Calcola(FinestreVeloci &f)
{
    f.Azzera();
    CalcolaSolaio();
}

} // namespace Robustezza
