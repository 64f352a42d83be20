#include "VociInput.h"

#include "Numeri.h"

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

QString TastoConvertito(const QString &tasto)
{
    const QString separatore = Numeri::SeparatoreDecimale();
    if (tasto == u"." && separatore != u".")
        return separatore;
    return tasto;
}

} // namespace VociInput
