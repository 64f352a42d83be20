#pragma once

#include "common/Clessidra.h"

#include <QImage>
#include <QObject>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <stop_token>
#include <thread>

class QIODevice;
class QWidget;

// The printer a page is sent to: its queue and the paper it prints on by
// default, with the margins its hardware cannot print.
struct StampanteTrovata {
    QString Nome;
    QPageLayout Carta;
};

// The print system. Its calls may wait long on a print server that does not
// answer, so they run on a thread of their own, never on the window thread:
// they may use no widget and no window, and must return within about the
// time given, or as soon after it as they can, and as soon as they can once
// told to stop: the window thread waits for them at quit. On failure they
// return false and say why in Errore (Italian, lower case, ready to follow
// "Stampa non riuscita: ").
class ServizioStampa {
public:
    virtual ~ServizioStampa() = default;

    // The default printer, provided it takes jobs.
    virtual bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                                  std::chrono::milliseconds attesa, std::stop_token fine) = 0;

    // Hands the page over to the printer's queue: the picture alone on one
    // page laid out by ImpaginaVideata on the printer's paper, scaled by
    // AdattaImmagine. True only once the print system holds the whole page;
    // a page handed over after the stop is withdrawn where the system allows.
    virtual bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata,
                             QString &Errore, std::chrono::milliseconds attesa,
                             std::stop_token fine) = 0;
};

// The print system of the platform the program runs on: the CUPS server on
// Linux, the print spooler on Windows.
std::shared_ptr<ServizioStampa> ServizioStampaSistema();

// The title of every printout, as the print queue lists it.
inline const QString NomeLavoroStampa = QStringLiteral("FELTRANOVA - Stampa Videata");

// A print system's own message as the tail of "Stampa non riuscita: ...":
// trimmed, without its closing full stops, lower case first.
QString MotivoStampa(const QString &messaggio);

// The density the printed window is drawn at, on A4 and Letter paper.
inline constexpr double PuntiPerPollice = 300;

// How many image pixels a pixel of a window of that size takes so that it
// prints at PuntiPerPollice or more on A4 or Letter, whichever way it is laid.
qreal ScalaRitratto(const QSize &finestra);

// The window's client area as it shows now, every control, picture and text,
// drawn at ScalaRitratto on white (the paper).
QImage RitraiFinestra(QWidget &finestra);

// Landscape for a window wider than tall, with margins of at least 15 mm, or
// the printer's own if wider.
QPageLayout ImpaginaVideata(const QPageLayout &carta, const QSize &videata);

// The largest rectangle with the image's proportions that fits in the area,
// across its full width or height, centred across and at the top.
QRectF AdattaImmagine(const QSizeF &immagine, const QRectF &area);

// Writes the picture alone on one page laid out by ImpaginaVideata, kept
// pixel for pixel (no lossy compression), as a PDF document into the device.
bool ScriviPaginaPdf(const QImage &videata, const QPageLayout &carta, QIODevice &destinazione,
                     QString &Errore);

// One printout on its way: the printer is looked up, the page written and
// handed over on a thread of its own, so the windows keep answering, under
// the busy pointer. Ends exactly once with Concluso, at the latest when the
// time allowed runs out; a result that comes after that is dropped, and a
// page whose job has given up is not sent. The job owns its thread: it tells
// it to stop when it gives up, and goes only once the thread has ended,
// deleting itself or waiting for it when its parent goes.
class LavoroStampa : public QObject {
    Q_OBJECT

public:
    LavoroStampa(std::shared_ptr<ServizioStampa> servizio, QImage videata,
                 std::chrono::milliseconds attesa, QObject *parent = nullptr);
    ~LavoroStampa() override;

    void Avvia();
    // Tells the thread to stop, as at quit, without waiting for it.
    void Interrompi();

signals:
    void Concluso(bool stampata, const QString &errore);

private:
    struct Ponte;
    enum class Fase { Ricerca, Invio };

    static void Stampa(std::stop_token fine, std::shared_ptr<ServizioStampa> servizio,
                       std::shared_ptr<Ponte> ponte, QImage videata,
                       std::chrono::steady_clock::time_point scadenza);
    void TempoScaduto();
    void Concludi(bool stampata, const QString &errore);
    void FineFilo(bool stampata, const QString &errore);

    std::shared_ptr<ServizioStampa> servizio;
    QImage videata;
    std::chrono::milliseconds attesa;
    std::shared_ptr<Ponte> ponte;
    QTimer scadenza;
    Clessidra clessidra; // from the answer until the printout ends
    bool concluso = false;
    bool annunciando = false; // Concluso is being emitted
    bool filoFinito = false;  // the thread has given its result
    std::jthread filo;        // last: stopped and joined before the rest goes
};
