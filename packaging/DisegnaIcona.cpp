// Draws the application icon at one size into a PNG file, for the icon
// theme's fixed-size folders: disegna_icona <picture.svg> <side> <file.png>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Runs during the build, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication applicazione(argc, argv);
    const QStringList argomenti = QGuiApplication::arguments();
    bool latoValido = false;
    const int lato = argomenti.size() == 4 ? argomenti[2].toInt(&latoValido) : 0;
    if (!latoValido || lato <= 0) {
        std::fprintf(stderr, "uso: disegna_icona <disegno.svg> <lato> <file.png>\n");
        return 2;
    }

    QSvgRenderer disegno(argomenti[1]);
    if (!disegno.isValid()) {
        std::fprintf(stderr, "disegno non valido: %s\n", qPrintable(argomenti[1]));
        return 1;
    }
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore);
    pittore.end();
    if (!immagine.save(argomenti[3], "PNG")) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(argomenti[3]));
        return 1;
    }
    return 0;
}
