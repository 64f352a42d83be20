#pragma once

#include "modVelmora.h"

#include <array>

// The input and result windows of a calculation without a display: the
// entries of one case stand in for the input window's controls, and the
// thirteen texts the engine writes, or its message, are kept for printing.
// Connects itself to the engine for its lifetime.
class FinestreSenzaVideo : public Finestre {
public:
    FinestreSenzaVideo();
    ~FinestreSenzaVideo() override;
    FinestreSenzaVideo(const FinestreSenzaVideo &) = delete;
    FinestreSenzaVideo &operator=(const FinestreSenzaVideo &) = delete;

    // The input window's entries: txtLuceNettaSolaio, txtSovracAcc, cmbCF,
    // cmbSSTravetto, optTipoSolaio(0) and optTipoCampata(0).
    QString luce, carico, copriferro, sottoTravetto;
    bool intermedio = true;
    bool campataSingola = true;

    // One calculation as the input window's Calcola runs it; false when it
    // stopped with a message.
    bool Calcola();

    // The result window's texts, in the order of CaselleRisultato.
    const std::array<QString, 13> &Risultati() const { return risultati; }
    // The text the warning box would show.
    const QString &Messaggio() const { return messaggio; }

    QString TestoControllo(const QString &nome) override;
    bool ValoreOpzione(const QString &nome) override;
    void ImpostaFuoco(const QString &) override {}
    void ScriviRisultato(const QString &nome, const QString &testo) override;
    void NascondiInput() override {}
    void MostraFinestraRisultati() override { riuscito = true; }
    void MostraAvviso(const QString &testo, const QString &) override { messaggio = testo; }

private:
    std::array<QString, 13> risultati;
    QString messaggio;
    bool riuscito = false;
    qsizetype prossima = 0;
};
