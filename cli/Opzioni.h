#pragma once

#include <QString>
#include <QStringList>

// The command line's options, read into what one run asks for.
namespace Opzioni {

enum class Formato { Testo, Csv, Json };

struct Richiesta {
    // Texts as the input window's boxes would hold them, one per value, in
    // the order given: every span with every load is one case.
    QStringList luci;
    QStringList carichi;
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
// command line's options, so the program runs without windows.
bool ChiedeRigaComando(const QStringList &argomenti);

// Reads the arguments in the user's locale; the engine's design record must
// already know the decimal separator. Throws ErroreUso.
Richiesta LeggiOpzioni(const QStringList &argomenti);

// The text of --help.
QString TestoAiuto();

} // namespace Opzioni
