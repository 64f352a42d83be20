#pragma once

#include "modVelmora.h"

#include <QMap>
#include <QStringList>

// Stands in for the input and result windows: holds the input texts and
// options, and records everything the engine does with the windows.
class FinestreFinte : public Finestre {
public:
    // The input window as it is after loading, with the given entries.
    FinestreFinte(const QString &luce = QStringLiteral("0"),
                  const QString &carico = QStringLiteral("0"), bool intermedio = true,
                  bool campataSingola = true, const QString &copriferro = QStringLiteral("2"),
                  const QString &sottoTravetto = QStringLiteral("4"))
    {
        testi[Controlli::Luce] = luce;
        testi[Controlli::Carico] = carico;
        testi[Controlli::Copriferro] = copriferro;
        testi[Controlli::SottoTravetto] = sottoTravetto;
        opzioni[Controlli::Intermedio] = intermedio;
        opzioni[Controlli::CampataSingola] = campataSingola;
        CollegaFinestre(this);
    }
    ~FinestreFinte() override { CollegaFinestre(nullptr); }

    QString TestoControllo(const QString &nome) override
    {
        letti << nome;
        if (!testi.contains(nome))
            qFatal("The input window has no control %s", qPrintable(nome));
        return testi.value(nome);
    }
    bool ValoreOpzione(const QString &nome) override
    {
        letti << nome;
        if (!opzioni.contains(nome))
            qFatal("The input window has no option %s", qPrintable(nome));
        return opzioni.value(nome);
    }
    void ImpostaFuoco(const QString &nome) override { fuochi << nome; }
    void ScriviRisultato(const QString &nome, const QString &testo) override
    {
        ordineScrittura << nome;
        risultati[nome] = testo;
    }
    void NascondiInput() override { inputNascosto = true; }
    void MostraFinestraRisultati() override { risultatiMostrati = true; }
    void MostraAvviso(const QString &testo, const QString &titolo) override
    {
        avvisi << testo;
        titoliAvvisi << titolo;
    }

    QMap<QString, QString> testi;
    QMap<QString, bool> opzioni;

    QStringList letti;
    QStringList fuochi;
    QStringList ordineScrittura;
    QMap<QString, QString> risultati;
    bool inputNascosto = false;
    bool risultatiMostrati = false;
    QStringList avvisi;
    QStringList titoliAvvisi;
};
