#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The command line's options, read into what one run asks for.
namespace Opzioni {

enum class Formato { Testo, Csv, Json };

// The values of --luce or --sovraccarico in the order given, as texts the
// input window's boxes would hold. A range keeps its ends and step rather
// than each value, so a table of any size takes the same memory.
class Valori {
public:
    void AggiungiValore(const QString &testo);
    // da + i × passo for i from 0 to quanti - 1, written with decimali decimals.
    void AggiungiIntervallo(double da, double passo, qint64 quanti, int decimali);

    qint64 Quanti() const { return quanti; }

    // Hands each value to fai, in order, while fai returns true; false when it stopped.
    template <typename Funzione> bool PerOgniValore(Funzione &&fai) const
    {
        for (const Voce &voce : voci) {
            for (qint64 i = 0; i < voce.quanti; ++i) {
                if (!fai(TestoValore(voce, i)))
                    return false;
            }
        }
        return true;
    }

private:
    struct Voce {
        QString testo;
        double da = 0;
        double passo = 0;
        qint64 quanti = 1;
        int decimali = 0;
    };
    static QString TestoValore(const Voce &voce, qint64 i);

    std::vector<Voce> voci;
    qint64 quanti = 0;
};

struct Richiesta {
    // Every span with every load is one case.
    Valori luci;
    Valori carichi;
    // Items of the two lists; the options' values as at the input window's load.
    QString copriferro;
    QString sottoTravetto;
    bool intermedio = true;
    bool campataSingola = true;
    Formato formato = Formato::Testo;
    bool aiuto = false;
    bool versione = false;
};

// A bad option or value: what is wrong, in Italian, naming the option.
struct ErroreUso {
    QString testo;
};

// More cases than this in one run are refused rather than started.
constexpr qint64 MassimoCasi = 100000;

// True when the arguments (argv without the program's name) hold one of the
// command line's options, or a "--word" that is not one of Qt's own: a
// misspelt option must end with a message, not open windows a script would
// wait on for ever.
bool ChiedeRigaComando(const QStringList &argomenti);

// Reads the arguments in the user's locale; the engine's design record must
// already know the decimal separator. Throws ErroreUso.
Richiesta LeggiOpzioni(const QStringList &argomenti);

// The text of --help.
QString TestoAiuto();

// The load in whole daN/m2 the engine calculates with (nearest, halves to
// even), or none when the engine refuses the text.
std::optional<int> CaricoUsato(const QString &testo);

// A value echoed in a message, cut to a length a terminal line can carry.
QString AbbreviaValore(const QString &valore);

} // namespace Opzioni
