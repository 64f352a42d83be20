#pragma once

#include <QString>

// Who the program says it is, in the wizard, the about box and the title of
// message boxes that have no title of their own.
namespace IdentitaApplicazione {

inline const QString Titolo = QStringLiteral("PredimVelmora");
inline const QString NomeSocieta = QStringLiteral("Quaranel");

constexpr int VersioneMaggiore = 1;
constexpr int VersioneMinore = 0;
constexpr int Revisione = 17;

// "Versione 1.0.17": plain decimal numbers, whatever the locale.
inline QString TestoVersione()
{
    return QStringLiteral("Versione %1.%2.%3")
        .arg(QString::number(VersioneMaggiore), QString::number(VersioneMinore),
             QString::number(Revisione));
}

} // namespace IdentitaApplicazione
