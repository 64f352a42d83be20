#pragma once

#include <QFile>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QtEndian>

struct ContenutoPdf {
    bool completo = false; // ends with its end-of-file marker
    int pagine = 0;
    QList<QSize> immagini;   // pixel size of each image object
    QSizeF pagina;           // the first page, in points
    QList<QRectF> posizioni; // where pictures are drawn, points from the page's top-left
    QList<QImage> figure;    // the 8-bit RGB pictures, decoded
};

namespace LetturaPdfDettagli {

// A Flate stream's data, inflated.
inline QByteArray Inflata(const QByteArray &compressi, qsizetype attesi)
{
    QByteArray conIntestazione(4, '\0');
    qToBigEndian(quint32(qMax<qsizetype>(attesi, compressi.size() * 4)), conIntestazione.data());
    return qUncompress(conIntestazione + compressi);
}

// Follows q, Q and cm through a content stream and notes each Do.
inline QList<QRectF> Posizioni(const QByteArray &contenuto, qreal altezzaPagina)
{
    QList<QRectF> posizioni;
    QList<QTransform> pila;
    QTransform ctm;
    QList<qreal> operandi;
    const QStringList parole =
        QString::fromLatin1(contenuto).split(QRegularExpression(QStringLiteral("\\s+")),
                                             Qt::SkipEmptyParts);
    for (const QString &parola : parole) {
        bool numero = false;
        const qreal valore = parola.toDouble(&numero);
        if (numero) {
            operandi << valore;
            continue;
        }
        if (parola == u"q") {
            pila << ctm;
        } else if (parola == u"Q" && !pila.isEmpty()) {
            ctm = pila.takeLast();
        } else if (parola == u"cm" && operandi.size() >= 6) {
            const auto o = operandi.mid(operandi.size() - 6);
            ctm = QTransform(o[0], o[1], o[2], o[3], o[4], o[5]) * ctm;
        } else if (parola == u"Do") {
            const QRectF r = ctm.mapRect(QRectF(0, 0, 1, 1));
            posizioni << QRectF(r.left(), altezzaPagina - r.bottom(), r.width(), r.height());
        }
        if (!parola.startsWith(QLatin1Char('/')))
            operandi.clear();
    }
    return posizioni;
}

} // namespace LetturaPdfDettagli

// Reads the page count, the page size, the images and where they are drawn,
// from the object dictionaries, which Qt and Ghostscript both write
// uncompressed, and from the Flate streams Qt writes.
inline ContenutoPdf LeggiPdf(const QString &percorso)
{
    using namespace LetturaPdfDettagli;
    ContenutoPdf contenuto;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return contenuto;
    const QByteArray dati = file.readAll();
    const QString testo = QString::fromLatin1(dati);
    contenuto.completo =
        testo.startsWith(QLatin1String("%PDF")) && testo.trimmed().endsWith(QLatin1String("%%EOF"));
    contenuto.pagine = int(testo.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
    const QRegularExpressionMatch foglio =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*([\\d.]+)\\s+([\\d.]+)\\s+([\\d.]+)"
                                          "\\s+([\\d.]+)\\s*\\]"))
            .match(testo);
    if (foglio.hasMatch()) {
        contenuto.pagina = QSizeF(foglio.captured(3).toDouble() - foglio.captured(1).toDouble(),
                                  foglio.captured(4).toDouble() - foglio.captured(2).toDouble());
    }

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

    // Every Flate stream: an RGB picture is decoded, any other is read as content.
    const QRegularExpression flusso(QStringLiteral("<<((?:(?!<<|>>).)*/FlateDecode(?:(?!<<|>>).)*)"
                                                   ">>\\s*stream\\r?\\n"),
                                    QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch &trovato : flusso.globalMatch(testo)) {
        const qsizetype fine = dati.indexOf("endstream", trovato.capturedEnd());
        if (fine < 0)
            continue;
        const QByteArray compressi = dati.mid(trovato.capturedEnd(), fine - trovato.capturedEnd());
        const QString dizionario = trovato.captured(1);
        const QRegularExpressionMatch l = larghezza.match(dizionario);
        const QRegularExpressionMatch a = altezza.match(dizionario);
        if (dizionario.contains(immagine) && l.hasMatch() && a.hasMatch() &&
            dizionario.contains(QLatin1String("/DeviceRGB")) &&
            dizionario.contains(QRegularExpression(QStringLiteral("/BitsPerComponent\\s+8")))) {
            const QSize misura(l.captured(1).toInt(), a.captured(1).toInt());
            const QByteArray pixel = Inflata(compressi, qsizetype(misura.width()) * misura.height() * 3);
            if (pixel.size() == qsizetype(misura.width()) * misura.height() * 3) {
                contenuto.figure << QImage(reinterpret_cast<const uchar *>(pixel.constData()),
                                           misura.width(), misura.height(), misura.width() * 3,
                                           QImage::Format_RGB888)
                                        .copy();
            }
        } else if (!dizionario.contains(immagine)) {
            contenuto.posizioni << Posizioni(Inflata(compressi, 0), contenuto.pagina.height());
        }
    }
    return contenuto;
}
