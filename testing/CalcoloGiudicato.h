#pragma once

// One calculation from values and the judgement of how it ended. Shared by
// the randomized engine test and the fuzz target, so both hold the engine to
// the same rules.

#include "modVelmora.h"

#include <QStringList>

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

// The six inputs, and what one calculation from the start made of them on
// the record it was given.
struct CalcoloGiudicato {
    DatiCalcolo dati;
    bool riuscito = false;
    QStringList testi;
    QString messaggio;

    void Calcola(RecordProgetto &p)
    {
        messaggio.clear();
        riuscito = CalcolaDaCapo(p, dati, testi, messaggio);
    }
};

// Empty when the calculation ended as it must: either thirteen result texts,
// each a number of the locale ("-" only for an absent transmittance), or one
// known message. Otherwise what went wrong.
inline QString EsitoScorretto(const CalcoloGiudicato &c, const RecordProgetto &p)
{
    if (c.riuscito) {
        if (c.testi.size() != 13 || !c.messaggio.isEmpty())
            return QStringLiteral("success with %1 results and \"%2\"")
                .arg(c.testi.size())
                .arg(c.messaggio);
        for (qsizetype i = 0; i < c.testi.size(); ++i) {
            const QString &testo = c.testi[i];
            const bool trattino = testo == u"-" && CaselleRisultato[i] == u"txtK";
            if (!trattino && !Numeri::EUnNumero(testo))
                return QStringLiteral("%1 is not a number: \"%2\"").arg(CaselleRisultato[i], testo);
        }
        if (!(p.HTravettoMinimo == p.HTravetto))
            return QStringLiteral("the lower bound for revisions is not the joist found");
        return {};
    }
    if (!MessaggiAmmessi.contains(c.messaggio))
        return QStringLiteral("unknown message \"%1\"").arg(c.messaggio);
    // Only the result texts themselves can fail halfway through.
    if (!c.testi.isEmpty() && !ErroreDiEsecuzione(c.messaggio))
        return QStringLiteral("results made before \"%1\"").arg(c.messaggio);
    // The check looks at the span first, then at the load.
    const DatiCalcolo &d = c.dati;
    if (!Numeri::EUnNumero(d.luce) && c.messaggio != Messaggi::LuceNonImpostata)
        return QStringLiteral("a span that is no number passed the check");
    const bool lucePositiva = Numeri::EUnNumero(d.luce) && Numeri::TestoInDouble(d.luce) > 0;
    if (lucePositiva && !Numeri::EUnNumero(d.carico) && c.messaggio != Messaggi::SovraccaricoErrato)
        return QStringLiteral("a load that is no number passed the check");
    return {};
}

} // namespace Robustezza
