#include "CaratteriIncorporati.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace {

struct Sostituto {
    QString famiglia;
    QString conLeSueMisure;
    QString incorporato; // "" where the program carries none
};

} // namespace

void AffiancaCaratteriMancanti()
{
    const Sostituto sostituti[] = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), {}},
        {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
         QStringLiteral(":/caratteri/LiberationSansNarrow-Bold.ttf")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), {}},
    };
    for (const Sostituto &sostituto : sostituti) {
        if (QFontDatabase::hasFamily(sostituto.famiglia))
            continue;
        if (!QFontDatabase::hasFamily(sostituto.conLeSueMisure) &&
            QFile::exists(sostituto.incorporato))
            QFontDatabase::addApplicationFont(sostituto.incorporato);
        if (QFontDatabase::hasFamily(sostituto.conLeSueMisure))
            QFont::insertSubstitution(sostituto.famiglia, sostituto.conLeSueMisure);
    }
}
