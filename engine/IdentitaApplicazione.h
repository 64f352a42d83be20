#pragma once

#include <QString>

// Who the program says it is, in the wizard, the about box, the title of
// message boxes that have no title of their own and the command line's
// --version. QtCore only, so the windows and the command line share it.
namespace IdentitaApplicazione {

inline const QString Titolo = QStringLiteral("PredimVelmora");
inline const QString NomeSocieta = QStringLiteral("Quaranel");

constexpr int VersioneMaggiore = 1;
constexpr int VersioneMinore = 0;
constexpr int Revisione = 17;

// "1.0.17": plain decimal numbers, whatever the locale.
inline QString NumeroVersione()
{
    return QStringLiteral("%1.%2.%3")
        .arg(QString::number(VersioneMaggiore), QString::number(VersioneMinore),
             QString::number(Revisione));
}

// "Versione 1.0.17"
inline QString TestoVersione()
{
    return QStringLiteral("Versione ") + NumeroVersione();
}

} // namespace IdentitaApplicazione
