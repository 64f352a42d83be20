#pragma once

#include <QString>

// The input window's controls the procedures read, by their objectName: the
// one place their names are written.
namespace Controlli {
inline const QString Luce = QStringLiteral("txtLuceNettaSolaio");
inline const QString Carico = QStringLiteral("txtSovracAcc");
inline const QString Copriferro = QStringLiteral("cmbCF");
inline const QString SottoTravetto = QStringLiteral("cmbSSTravetto");
inline const QString Intermedio = QStringLiteral("optTipoSolaio(0)");
inline const QString CampataSingola = QStringLiteral("optTipoCampata(0)");
} // namespace Controlli

// What the engine sees of the windows: the input window's controls it reads,
// the result window's text boxes it writes, and the few window operations of
// a calculation. Controls are named as in the windows (their objectName).
// The windows implement it; the tests of the procedures with a fake.
class Finestre {
public:
    virtual ~Finestre() = default;

    // Text of Controlli::Luce, Carico, Copriferro or SottoTravetto.
    virtual QString TestoControllo(const QString &nome) = 0;

    // Value of an option button: Controlli::Intermedio or CampataSingola.
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
