#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPrinter;

// Where the printed screen goes: one page carrying one image. The program
// prints on the default printer; tests print into a PDF file.
class DestinazioneStampa {
public:
    virtual ~DestinazioneStampa() = default;

    // Prints the image alone on one page and sends the page on at once.
    // On failure returns false and says why in Errore (Italian, lower case,
    // ready to follow "Stampa non riuscita: ").
    virtual bool StampaPagina(const QImage &immagine, QString &Errore) = 0;
};

// The system's default printer, without a dialog.
class StampantePredefinita : public DestinazioneStampa {
public:
    bool StampaPagina(const QImage &immagine, QString &Errore) override;
};

// A PDF file, rewritten on each page. Keeps the layout of the last page, in
// the printer's device pixels, so it can be checked without reading the file.
class StampaSuPdf : public DestinazioneStampa {
public:
    explicit StampaSuPdf(const QString &percorso);

    bool StampaPagina(const QImage &immagine, QString &Errore) override;

    QString Percorso;
    int PagineStampate = 0;
    QRect AreaStampabile;   // inside the margins
    QRect ImmagineStampata; // where the image went, same coordinates
};

// The largest rectangle with the image's proportions that fits in the area,
// across its full width or height, centred across and at the top.
QRect AdattaImmagine(const QSize &immagine, const QRect &area);

// Lays the image out on one page of a printer set up by the caller.
// Area and Posizione receive the layout actually used.
bool StampaImmagine(QPrinter &stampante, const QImage &immagine, QString &Errore,
                    QRect *Area = nullptr, QRect *Posizione = nullptr);
