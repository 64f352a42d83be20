// Draws the application icon from its picture, for the desktops' icon files:
//   disegna_icona <picture.svg> <side> <file.png>   one size, for an icon theme
//   disegna_icona <picture.svg> <file.ico>          the sizes Windows shows, in one file

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage Disegna(QSvgRenderer &disegno, int lato)
{
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore);
    pittore.end();
    return immagine;
}

QByteArray Png(const QImage &immagine)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, "PNG");
    return dati;
}

// An icon file whose images are PNGs, as Windows reads them since Vista:
// a header, one entry per image, then the images.
bool ScriviIco(QSvgRenderer &disegno, const QString &percorso)
{
    const int lati[] = {16, 20, 24, 32, 40, 48, 64, 256};
    QList<QByteArray> immagini;
    for (const int lato : lati)
        immagini << Png(Disegna(disegno, lato));

    QByteArray dati;
    QDataStream flusso(&dati, QIODevice::WriteOnly);
    flusso.setByteOrder(QDataStream::LittleEndian);
    flusso << quint16(0) << quint16(1) << quint16(immagini.size());
    quint32 posizione = 6 + 16 * quint32(immagini.size());
    for (qsizetype i = 0; i < immagini.size(); ++i) {
        const quint8 lato = lati[i] >= 256 ? 0 : quint8(lati[i]); // 0 stands for 256
        flusso << lato << lato << quint8(0) << quint8(0) << quint16(1) << quint16(32)
               << quint32(immagini[i].size()) << posizione;
        posizione += quint32(immagini[i].size());
    }
    for (const QByteArray &immagine : immagini)
        dati += immagine;

    QFile file(percorso);
    return file.open(QIODevice::WriteOnly) && file.write(dati) == dati.size() && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    // Runs during the build, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    const QStringList argomenti = QGuiApplication::arguments();
    const bool ico = argomenti.size() == 3 && argomenti[2].endsWith(QLatin1String(".ico"));
    bool latoValido = false;
    const int lato = argomenti.size() == 4 ? argomenti[2].toInt(&latoValido) : 0;
    if (!ico && (!latoValido || lato <= 0)) {
        std::fprintf(stderr, "uso: disegna_icona <disegno.svg> <lato> <file.png>\n"
                             "     disegna_icona <disegno.svg> <file.ico>\n");
        return 2;
    }

    QSvgRenderer disegno(argomenti[1]);
    if (!disegno.isValid()) {
        std::fprintf(stderr, "disegno non valido: %s\n", qPrintable(argomenti[1]));
        return 1;
    }
    const QString destinazione = argomenti.last();
    const bool scritto =
        ico ? ScriviIco(disegno, destinazione) : Disegna(disegno, lato).save(destinazione, "PNG");
    if (!scritto) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(destinazione));
        return 1;
    }
    return 0;
}
