#pragma once

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSize>
#include <QString>

struct ContenutoPdf {
    bool completo = false; // ends with its end-of-file marker
    int pagine = 0;
    QList<QSize> immagini; // pixel size of each image object
};

// Reads the page count and the image sizes from the object dictionaries,
// which Qt and Ghostscript both write uncompressed.
inline ContenutoPdf LeggiPdf(const QString &percorso)
{
    ContenutoPdf contenuto;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return contenuto;
    const QString testo = QString::fromLatin1(file.readAll());
    contenuto.completo =
        testo.startsWith(QLatin1String("%PDF")) && testo.trimmed().endsWith(QLatin1String("%%EOF"));
    contenuto.pagine = int(testo.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));

    const QRegularExpression immagine(QStringLiteral("/Subtype\\s*/Image"));
    const QRegularExpression larghezza(QStringLiteral("/Width\\s+(\\d+)"));
    const QRegularExpression altezza(QStringLiteral("/Height\\s+(\\d+)"));
    for (const QRegularExpressionMatch &trovata : immagine.globalMatch(testo)) {
        // The dictionary around it: the keys come in any order.
        const qsizetype inizio = testo.lastIndexOf(QLatin1String("<<"), trovata.capturedStart());
        const qsizetype fine = testo.indexOf(QLatin1String(">>"), trovata.capturedEnd());
        const QString dizionario = testo.mid(inizio, fine - inizio);
        const QRegularExpressionMatch l = larghezza.match(dizionario);
        const QRegularExpressionMatch a = altezza.match(dizionario);
        contenuto.immagini << QSize(l.hasMatch() ? l.captured(1).toInt() : -1,
                                    a.hasMatch() ? a.captured(1).toInt() : -1);
    }
    return contenuto;
}
