#pragma once

#include <QString>

// What the engine sees of the windows: the input window's controls it reads,
// the result window's text boxes it writes, and the few window operations of
// a calculation. Controls are named as in the windows (their objectName).
// The windows implement it; tests implement it with a fake.
class Finestre {
public:
    virtual ~Finestre() = default;

    // Text of txtLuceNettaSolaio, txtSovracAcc, cmbCF or cmbSSTravetto.
    virtual QString TestoControllo(const QString &nome) = 0;

    // Value of an option button: optTipoSolaio(0) or optTipoCampata(0).
    virtual bool ValoreOpzione(const QString &nome) = 0;

    // Moves the focus to a text box of the input window.
    virtual void ImpostaFuoco(const QString &nome) = 0;

    // Writes one text box of the result window; the first write loads it.
    virtual void ScriviRisultato(const QString &nome, const QString &testo) = 0;

    virtual void NascondiInput() = 0;
    virtual void MostraFinestraRisultati() = 0;

    // A modal warning box (exclamation icon, OK only).
    virtual void MostraAvviso(const QString &testo, const QString &titolo) = 0;
};
