#include "Uscite.h"

#include "modVelmora.h"

namespace Uscite {

namespace {

// The same number in the locale's own short form ("5,00" -> "5").
QString NumeroLocale(const QString &testo)
{
    return Numeri::EUnNumero(testo) ? Numeri::DoubleInTesto(Numeri::TestoInDouble(testo)) : testo;
}

QString DidascaliaCompleta(const DescrizioneRisultato &risultato)
{
    return risultato.contrassegno.isEmpty() ? risultato.didascalia
                                            : risultato.didascalia + u' ' + risultato.contrassegno;
}

// A caption of the result window broken between words into lines of at
// most the given width, as the window wraps its longer captions.
QStringList RigheDidascalia(const QString &didascalia, qsizetype larghezza)
{
    QStringList righe;
    for (const QString &parola : didascalia.split(u' ')) {
        if (!righe.isEmpty() && righe.back().size() + 1 + parola.size() <= larghezza)
            righe.back() += u' ' + parola;
        else
            righe << parola;
    }
    return righe;
}

// The result window's thirteen figures, each after its caption and before
// its unit; a long caption runs over two or three lines, the figure on the
// last. A table puts the case's name before them and a blank line between
// cases; there a stopped case shows its message instead.
class ScrittoreTesto : public Scrittore {
public:
    explicit ScrittoreTesto(bool tabella)
        : tabella(tabella)
    {
        // What stands before and after each figure is the same for every case.
        for (std::size_t i = 0; i < DescrizioniRisultato.size(); ++i) {
            const DescrizioneRisultato &risultato = DescrizioniRisultato[i];
            QStringList righe = RigheDidascalia(DidascaliaCompleta(risultato), LarghezzaDidascalia);
            righe.back() = righe.back().leftJustified(LarghezzaDidascalia) + QStringLiteral("  ");
            prima[i] = righe.join(u'\n');
            const QString unita = risultato.unita.trimmed();
            dopo[i] = (unita.isEmpty() ? QString() : u' ' + unita) + u'\n';
        }
    }

    QByteArray Riga(const Caso &caso) override
    {
        QString testo;
        if (tabella) {
            if (!primo)
                testo += u'\n';
            testo += NomeCaso(caso) + u'\n';
        }
        primo = false;
        if (caso.riuscito) {
            for (std::size_t i = 0; i < caso.risultati.size(); ++i)
                testo += prima[i] + caso.risultati[i].rightJustified(8) + dopo[i];
        } else if (tabella) {
            testo += caso.messaggio + u'\n';
        }
        return testo.toUtf8();
    }

private:
    static constexpr qsizetype LarghezzaDidascalia = 48;

    bool tabella;
    std::array<QString, 13> prima;
    std::array<QString, 13> dopo;
    bool primo = true;
};

// A text a spreadsheet would run as a formula: a span typed as "=1+1" and
// echoed into its cell. Numbers ("-5") stay numbers.
bool Formula(const QString &testo)
{
    static const QString inizi = QStringLiteral("=+-@\t\r");
    return !testo.isEmpty() && inizi.contains(testo.front()) && !Numeri::EUnNumero(testo);
}

// A CSV field that a spreadsheet could split, join with the next row or trim.
bool DaCitare(const QString &testo)
{
    for (const QChar c : testo)
        if (c == u',' || c == u';' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    return !testo.isEmpty() && (testo.front().isSpace() || testo.back().isSpace());
}

// One header row, then one row per case: the six inputs, the thirteen
// results (or empty cells) and the message (or an empty cell). Numbers are
// the user's locale's, as a spreadsheet in that language reads them, so the
// fields are separated by ";" where the decimal separator is a comma and by
// "," elsewhere. A field holding either separator, a quote, a line break or
// blanks at its ends is quoted (RFC 4180), so it stays one cell whichever of
// the two a spreadsheet splits on; one a spreadsheet would run as a formula
// starts with an apostrophe, which shows it as text. UTF-8 with a
// byte-order mark, for the spreadsheets that otherwise guess the encoding
// from the locale; CRLF.
class ScrittoreCsv : public Scrittore {
public:
    explicit ScrittoreCsv(const Opzioni::Richiesta &richiesta)
        : separatore(Numeri::SeparatoreDecimale() == u"," ? u';' : u',')
    {
        costanti = {
            NumeroLocale(richiesta.copriferro), NumeroLocale(richiesta.sottoTravetto),
            richiesta.intermedio ? QStringLiteral("intermedio") : QStringLiteral("copertura"),
            richiesta.campataSingola ? QStringLiteral("singola") : QStringLiteral("continua")};
        QStringList intestazione = {QStringLiteral("Luce (m)"),
                                    QStringLiteral("Sovraccarico (daN/m2)"),
                                    QStringLiteral("Copriferro (cm)"),
                                    QStringLiteral("Sottotravetto (cm)"),
                                    QStringLiteral("Tipo"),
                                    QStringLiteral("Schema")};
        for (const DescrizioneRisultato &risultato : DescrizioniRisultato) {
            const QString unita = risultato.unita.trimmed();
            intestazione << DidascaliaCompleta(risultato) +
                                (unita.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(unita));
        }
        intestazione << QStringLiteral("Messaggio");
        inizio = "\xEF\xBB\xBF" + RigaCsv(intestazione);
    }

    QByteArray Inizio() override { return inizio; }

    QByteArray Riga(const Caso &caso) override
    {
        QStringList campi = {NumeroLocale(caso.luce), NumeroLocale(caso.carico)};
        campi << costanti;
        for (const QString &risultato : caso.risultati)
            campi << (caso.riuscito ? risultato : QString());
        campi << (caso.riuscito ? QString() : caso.messaggio);
        return RigaCsv(campi);
    }

private:
    static QString Campo(const QString &testo)
    {
        QString campo = Formula(testo) ? u'\'' + testo : testo;
        if (!DaCitare(campo))
            return campo;
        campo.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + campo + u'"';
    }

    QByteArray RigaCsv(const QStringList &campi) const
    {
        QString riga;
        for (qsizetype i = 0; i < campi.size(); ++i) {
            if (i > 0)
                riga += separatore;
            riga += Campo(campi[i]);
        }
        riga += QStringLiteral("\r\n");
        return riga.toUtf8();
    }

    QChar separatore;
    QStringList costanti;
    QByteArray inizio;
};

QString TestoJson(const QString &testo)
{
    QString json = QStringLiteral("\"");
    for (const QChar c : testo) {
        if (c == u'"' || c == u'\\')
            json += u'\\' + QString(c);
        else if (c.unicode() < 0x20)
            json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            json += c;
    }
    return json + u'"';
}

// A number of the locale as a JSON number ("5,30" -> 5.3), anything else as
// a JSON string.
QString ValoreJson(const QString &testo)
{
    return Numeri::EUnNumero(testo) ? QString::number(Numeri::TestoInDouble(testo), 'g', 15)
                                    : TestoJson(testo);
}

// An array of one object per case: the six inputs, then "risultati" with the
// thirteen figures by their box's name, or "messaggio". Numbers with ".".
class ScrittoreJson : public Scrittore {
public:
    explicit ScrittoreJson(const Opzioni::Richiesta &richiesta)
    {
        costanti = QStringLiteral(", \"copriferro\": %1, \"sottotravetto\": %2, \"tipo\": %3, "
                                  "\"schema\": %4")
                       .arg(ValoreJson(richiesta.copriferro), ValoreJson(richiesta.sottoTravetto),
                            TestoJson(richiesta.intermedio ? QStringLiteral("intermedio")
                                                           : QStringLiteral("copertura")),
                            TestoJson(richiesta.campataSingola ? QStringLiteral("singola")
                                                               : QStringLiteral("continua")));
        for (std::size_t i = 0; i < chiavi.size(); ++i)
            chiavi[i] = (i ? QStringLiteral(", ") : QString()) +
                        TestoJson(CaselleRisultato[qsizetype(i)]) + QStringLiteral(": ");
    }

    QByteArray Inizio() override { return "["; }

    QByteArray Riga(const Caso &caso) override
    {
        QString testo = primo ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        primo = false;
        testo += QStringLiteral("\"luce\": ") + ValoreJson(caso.luce) +
                 QStringLiteral(", \"sovraccarico\": ") + ValoreJson(caso.carico) + costanti;
        if (caso.riuscito) {
            testo += QStringLiteral(",\n   \"risultati\": {");
            for (std::size_t i = 0; i < caso.risultati.size(); ++i)
                testo += chiavi[i] + FiguraJson(caso.risultati[i]);
            testo += u'}';
        } else {
            testo += QStringLiteral(",\n   \"messaggio\": ") + TestoJson(caso.messaggio);
        }
        testo += u'}';
        return testo.toUtf8();
    }

    QByteArray Fine() override { return primo ? "]\n" : "\n]\n"; }

private:
    // A figure of the result window: the engine writes plain decimals with
    // the locale's separator, or "-" for a transmittance it cannot give.
    QString FiguraJson(const QString &figura) const
    {
        if (figura == u"-")
            return QStringLiteral("null");
        QString numero = figura;
        return numero.replace(separatore, QStringLiteral("."));
    }

    QString costanti;
    std::array<QString, 13> chiavi;
    const QString separatore = Numeri::SeparatoreDecimale();
    bool primo = true;
};

} // namespace

QString NomeCaso(const Caso &caso)
{
    return QStringLiteral("Luce %1 m – Sovraccarico %2 daN/m2")
        .arg(Opzioni::AbbreviaValore(caso.luce.trimmed()),
             Opzioni::AbbreviaValore(caso.carico.trimmed()));
}

std::unique_ptr<Scrittore> CreaScrittore(const Opzioni::Richiesta &richiesta, bool tabella)
{
    switch (richiesta.formato) {
    case Opzioni::Formato::Csv:
        return std::make_unique<ScrittoreCsv>(richiesta);
    case Opzioni::Formato::Json:
        return std::make_unique<ScrittoreJson>(richiesta);
    case Opzioni::Formato::Testo:
        break;
    }
    return std::make_unique<ScrittoreTesto>(tabella);
}

} // namespace Uscite
