#include "TraduzioneQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

bool CaricaTraduzioneQt(QCoreApplication &applicazione)
{
    // The Windows program carries its own copy; elsewhere Qt's is installed.
    const QStringList cartelle{QStringLiteral(":/traduzioni"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QStringLiteral("/usr/share/qt6/translations")};
    auto *traduzione = new QTranslator(&applicazione);
    for (const QString &cartella : cartelle) {
        if (traduzione->load(QStringLiteral("qtbase_it"), cartella))
            return QCoreApplication::installTranslator(traduzione);
    }
    delete traduzione;
    return false;
}
