#include "VociInput.h"

#include "Numeri.h"
#include "RecordProgetto.h"

#include <QLocale>

namespace VociInput {

QStringList ElencaCopriferri()
{
    QStringList voci;
    for (double copriferro = 2; copriferro <= 4; copriferro += 0.5)
        voci << Numeri::DoubleInTesto(copriferro);
    return voci;
}

QStringList ElencaSottoTravetti()
{
    QStringList voci;
    for (int spessore = 4; spessore <= 8; ++spessore)
        voci << QString::number(spessore);
    return voci;
}

QString RilevaSeparatoreDecimale()
{
    return QLocale().toString(1.0 / 2).contains(u',') ? QStringLiteral(",") : QStringLiteral(".");
}

QString TastoConvertito(const QString &tasto)
{
    if (Progetto.SeparatoreDecimale == u"," && tasto == u".")
        return QStringLiteral(",");
    return tasto;
}

} // namespace VociInput
