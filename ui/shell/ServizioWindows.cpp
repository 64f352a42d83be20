#include "Stampa.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

// The print system of Windows: the default printer of the user's settings,
// through Qt's printing on the spooler, without a dialog. Painting on a
// printer is allowed on a thread other than the windows'; the spooler's
// calls cannot be given up, so the job's own time limit speaks for them.

class ServizioWindows : public ServizioStampa {
public:
    bool TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                          std::chrono::milliseconds attesa, std::stop_token fine) override;
    bool InviaPagina(const StampanteTrovata &Stampante, const QImage &videata, QString &Errore,
                     std::chrono::milliseconds attesa, std::stop_token fine) override;
};

bool ServizioWindows::TrovaPredefinita(StampanteTrovata &Stampante, QString &Errore,
                                       std::chrono::milliseconds, std::stop_token)
{
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) {
        Errore = QStringLiteral("non è impostata una stampante predefinita");
        return false;
    }
    Stampante.Nome = predefinita.printerName();
    if (predefinita.state() == QPrinter::Error) {
        Errore = QStringLiteral("la stampante «%1» è in errore").arg(Stampante.Nome);
        return false;
    }
    // The paper the printer's settings give, with the border it cannot print.
    QPrinter stampante(predefinita, QPrinter::HighResolution);
    Stampante.Carta = stampante.pageLayout();
    return true;
}

bool ServizioWindows::InviaPagina(const StampanteTrovata &Stampante, const QImage &videata,
                                  QString &Errore, std::chrono::milliseconds, std::stop_token fine)
{
    if (videata.isNull()) {
        Errore = QStringLiteral("la finestra non ha un'immagine da stampare");
        return false;
    }
    const QPrinterInfo scelta = QPrinterInfo::printerInfo(Stampante.Nome);
    if (scelta.isNull()) {
        Errore = QStringLiteral("la stampante «%1» non esiste più").arg(Stampante.Nome);
        return false;
    }
    QPrinter stampante(scelta, QPrinter::HighResolution);
    stampante.setDocName(NomeLavoroStampa);
    stampante.setFullPage(false);
    stampante.setPageLayout(
        ImpaginaVideata(Stampante.Carta, videata.deviceIndependentSize().toSize()));
    // The spooler's job cannot be withdrawn once its page is painted.
    if (fine.stop_requested()) {
        Errore = QStringLiteral("la stampa è stata interrotta");
        return false;
    }
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        Errore = QStringLiteral("la stampante «%1» non accetta la pagina (%2)")
                     .arg(Stampante.Nome, MotivoStampa(qt_error_string()));
        return false;
    }
    // The painter starts at the corner of the printable area, inside the margins.
    const QRectF area(QPointF(0, 0),
                      stampante.pageLayout().paintRectPixels(stampante.resolution()).size());
    // Pixel for pixel into the rectangle: the printer's engine would scale a
    // picture drawn at a density of its own once more.
    QImage pagina = videata;
    pagina.setDevicePixelRatio(1);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawImage(AdattaImmagine(pagina.size(), area), pagina);
    if (!pittore.end()) {
        Errore = QStringLiteral("la pagina non è arrivata alla stampante «%1» (%2)")
                     .arg(Stampante.Nome, MotivoStampa(qt_error_string()));
        return false;
    }
    return true;
}

std::shared_ptr<ServizioStampa> ServizioStampaSistema()
{
    return std::make_shared<ServizioWindows>();
}
