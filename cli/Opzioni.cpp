#include "Opzioni.h"

#include "modVelmora.h"

#include <QLocale>

#include <bitset>
#include <cmath>

namespace Opzioni {

namespace {

const QString Luce = QStringLiteral("--luce");
const QString Sovraccarico = QStringLiteral("--sovraccarico");
const QString Copriferro = QStringLiteral("--copriferro");
const QString SottoTravetto = QStringLiteral("--sottotravetto");
const QString Tipo = QStringLiteral("--tipo");
const QString Schema = QStringLiteral("--schema");
const QString FormatoUscita = QStringLiteral("--formato");
const QString Aiuto = QStringLiteral("--help");
const QString Versione = QStringLiteral("--version");

const QStringList OpzioniConValore = {Luce, Sovraccarico, Copriferro,   SottoTravetto,
                                      Tipo, Schema,       FormatoUscita};

// What QGuiApplication and QApplication read from argv (and the X11 ones
// they still pass on), each with one dash or two.
const QStringList OpzioniQt = {
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("display"),       QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),      QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),         QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),          QStringLiteral("reverse"),
    QStringLiteral("session"),       QStringLiteral("name"),
    QStringLiteral("style"),         QStringLiteral("stylesheet"),
    QStringLiteral("widgetcount"),   QStringLiteral("nograb"),
    QStringLiteral("dograb"),        QStringLiteral("sync"),
    QStringLiteral("visual"),        QStringLiteral("testability"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("graphicssystem")};

// "--luce" of "--luce" or "--luce=5"; empty when the argument is none of ours.
QString NomeOpzione(const QString &argomento)
{
    if (argomento == Aiuto || argomento == u"-h" || argomento == Versione)
        return argomento;
    const QString nome = argomento.section(u'=', 0, 0);
    return OpzioniConValore.contains(nome) ? nome : QString();
}

// "-platform", "--style=fusion": an option Qt reads for the windows.
bool OpzioneQt(const QString &argomento)
{
    QString nome = argomento.section(u'=', 0, 0);
    if (nome.startsWith(u"--"))
        nome.remove(0, 1);
    return nome.startsWith(u'-') && OpzioniQt.contains(nome.mid(1));
}

// "4:6:0,5" under a decimal comma.
QString EsempioIntervallo()
{
    return QStringLiteral("4:6:0") + Numeri::SeparatoreDecimale() + u'5';
}

[[noreturn]] void Rifiuta(const QString &testo)
{
    throw ErroreUso{testo};
}

// A value of the command line as a message quotes it: in quotes, and cut.
QString Citato(const QString &valore)
{
    return u'"' + AbbreviaValore(valore) + u'"';
}

// The value as the input window's boxes receive it, key by key.
QString ComeDigitato(const QString &valore)
{
    QString testo;
    testo.reserve(valore.size());
    for (const QChar carattere : valore)
        testo += VociInput::TastoConvertito(QString(carattere));
    return testo;
}

QString UnoTra(const QString &opzione, const QString &valore, const QStringList &voci)
{
    const QString voce = ComeDigitato(valore).trimmed();
    if (!voci.contains(voce))
        Rifiuta(QStringLiteral("%1: %2 non è tra i valori ammessi (%3)")
                    .arg(opzione, Citato(valore), voci.join(QStringLiteral(" | "))));
    return voce;
}

double NumeroDiIntervallo(const QString &opzione, const QString &intervallo, const QString &parte)
{
    if (!Numeri::EUnNumero(parte))
        Rifiuta(QStringLiteral("%1: %2 non è un intervallo DA:A:PASSO di tre numeri "
                               "(per esempio %3)")
                    .arg(opzione, Citato(intervallo), EsempioIntervallo()));
    return Numeri::TestoInDouble(parte);
}

// How many decimals a number is written with: "0,25" 2, "5" 0, "1e-3" 3.
int DecimaliScritti(const QString &numero)
{
    QString testo = numero.trimmed();
    testo.replace(QLocale().negativeSign(), QStringLiteral("-"));
    const qsizetype esponente = testo.indexOf(u'e', 0, Qt::CaseInsensitive);
    const QString mantissa = esponente < 0 ? testo : testo.left(esponente);
    const QString separatore = Numeri::SeparatoreDecimale();
    const qsizetype virgola = mantissa.indexOf(separatore);
    qint64 decimali = virgola < 0 ? 0 : mantissa.size() - virgola - separatore.size();
    if (esponente >= 0)
        decimali -= testo.mid(esponente + 1).toLongLong();
    return int(qBound(qint64(0), decimali, qint64(300)));
}

// FROM:TO:STEP, TO included when whole steps reach it. Each value is what a
// person counting by the step writes: FROM + i × STEP rounded to the
// decimals of FROM and STEP, so no binary remainder (0,1 + 0,2) reaches the
// engine or the table.
void EspandiIntervallo(Valori &valori, const QString &opzione, const QString &intervallo)
{
    const QStringList parti = intervallo.split(u':');
    if (parti.size() != 3)
        NumeroDiIntervallo(opzione, intervallo, QString());
    const double da = NumeroDiIntervallo(opzione, intervallo, parti[0]);
    const double a = NumeroDiIntervallo(opzione, intervallo, parti[1]);
    const double passo = NumeroDiIntervallo(opzione, intervallo, parti[2]);
    if (!(passo > 0))
        Rifiuta(QStringLiteral("%1: in %2 il passo deve essere maggiore di zero")
                    .arg(opzione, Citato(intervallo)));
    if (a < da)
        Rifiuta(QStringLiteral("%1: in %2 il valore finale è minore di quello iniziale")
                    .arg(opzione, Citato(intervallo)));
    // A step that lands on the end within rounding noise reaches it.
    const double quanti = std::floor((a - da) / passo + 1e-9) + 1;
    if (!(quanti <= double(MassimoCasi)))
        Rifiuta(QStringLiteral("%1: %2 dà troppi valori; al massimo %3 casi per volta")
                    .arg(opzione, Citato(intervallo), QString::number(MassimoCasi)));
    const int decimali = qMax(DecimaliScritti(parti[0]), DecimaliScritti(parti[2]));
    valori.AggiungiIntervallo(da, passo, qint64(quanti), decimali);
}

// One value, a list of values and ranges separated by ";", or a range. A
// single value is handed to the engine as it is, so its own check judges it;
// an empty item of a list is a slip of typing, not a case.
Valori EspandiValori(const QString &opzione, const QString &valore)
{
    const QStringList voci = ComeDigitato(valore).split(u';');
    Valori valori;
    for (const QString &voce : voci) {
        if (voci.size() > 1 && voce.trimmed().isEmpty())
            Rifiuta(
                QStringLiteral("%1: l'elenco %2 ha una voce vuota").arg(opzione, Citato(valore)));
        if (voce.contains(u':'))
            EspandiIntervallo(valori, opzione, voce.trimmed());
        else
            valori.AggiungiValore(voce);
        if (valori.Quanti() > MassimoCasi)
            Rifiuta(QStringLiteral("%1: troppi valori; al massimo %2 casi per volta")
                        .arg(opzione, QString::number(MassimoCasi)));
    }
    return valori;
}

// The engine rounds the load to whole daN/m2, so two values that round alike
// would be two rows of one calculation under different labels.
void RifiutaCarichiRipetuti(const Valori &carichi, const QString &valore)
{
    std::bitset<65536> usati;
    carichi.PerOgniValore([&](const QString &carico) {
        const std::optional<int> usato = CaricoUsato(carico);
        if (!usato)
            return true;
        if (usati.test(std::size_t(*usato + 32768))) {
            const QString intero = QString::number(*usato);
            const QString dato = Numeri::DoubleInTesto(Numeri::TestoInDouble(carico));
            Rifiuta(QStringLiteral("%1: %2 dà più di una volta il sovraccarico %3 daN/m2%4; il "
                                   "calcolo usa il sovraccarico intero, arrotondato")
                        .arg(Sovraccarico, Citato(valore), intero,
                             dato == intero ? QString()
                                            : QStringLiteral(" (%1 vale %2)").arg(dato, intero)));
        }
        usati.set(std::size_t(*usato + 32768));
        return true;
    });
}

bool Scelta(const QString &opzione, const QString &valore, const QString &primo,
            const QString &secondo)
{
    if (valore != primo && valore != secondo)
        Rifiuta(QStringLiteral("%1: %2 non è tra i valori ammessi (%3 | %4)")
                    .arg(opzione, Citato(valore), primo, secondo));
    return valore == primo;
}

Formato LeggiFormato(const QString &valore)
{
    if (valore == u"testo")
        return Formato::Testo;
    if (valore == u"csv")
        return Formato::Csv;
    if (valore == u"json")
        return Formato::Json;
    Rifiuta(QStringLiteral("%1: %2 non è tra i valori ammessi (testo | csv | json)")
                .arg(FormatoUscita, Citato(valore)));
}

void ApplicaOpzione(Richiesta &r, const QString &nome, const QString &valore)
{
    if (nome == Luce)
        r.luci = EspandiValori(nome, valore);
    else if (nome == Sovraccarico) {
        r.carichi = EspandiValori(nome, valore);
        RifiutaCarichiRipetuti(r.carichi, valore);
    } else if (nome == Copriferro)
        r.copriferro = UnoTra(nome, valore, VociInput::ElencaCopriferri());
    else if (nome == SottoTravetto)
        r.sottoTravetto = UnoTra(nome, valore, VociInput::ElencaSottoTravetti());
    else if (nome == Tipo)
        r.intermedio =
            Scelta(nome, valore, QStringLiteral("intermedio"), QStringLiteral("copertura"));
    else if (nome == Schema)
        r.campataSingola =
            Scelta(nome, valore, QStringLiteral("singola"), QStringLiteral("continua"));
    else if (nome == FormatoUscita)
        r.formato = LeggiFormato(valore);
}

} // namespace

void Valori::AggiungiValore(const QString &testo)
{
    voci.push_back({testo});
    ++quanti;
}

void Valori::AggiungiIntervallo(double da, double passo, qint64 quanti, int decimali)
{
    voci.push_back({QString(), da, passo, quanti, decimali});
    this->quanti += quanti;
}

QString Valori::TestoValore(const Voce &voce, qint64 i)
{
    // Only a range has a step.
    if (voce.passo == 0)
        return voce.testo;
    const double valore =
        QString::number(voce.da + double(i) * voce.passo, 'f', voce.decimali).toDouble();
    // + 0.0 turns the -0 of a range through zero into 0.
    return Numeri::DoubleInTesto(valore + 0.0);
}

bool ChiedeRigaComando(const QStringList &argomenti)
{
    for (const QString &argomento : argomenti) {
        if (!NomeOpzione(argomento).isEmpty())
            return true;
        if (argomento.startsWith(u"--") && argomento.size() > 2 && !OpzioneQt(argomento))
            return true;
    }
    return false;
}

std::optional<int> CaricoUsato(const QString &testo)
{
    if (!Numeri::EUnNumero(testo))
        return std::nullopt;
    try {
        return Numeri::TestoInIntero(testo).Valore();
    } catch (const ErroreRuntime &) {
        return std::nullopt;
    }
}

QString AbbreviaValore(const QString &valore)
{
    constexpr qsizetype Massimo = 40;
    if (valore.size() <= Massimo)
        return valore;
    // Never half of a character outside the basic plane.
    const qsizetype taglio = valore.at(Massimo - 1).isHighSurrogate() ? Massimo - 1 : Massimo;
    return valore.left(taglio) + QStringLiteral("…");
}

Richiesta LeggiOpzioni(const QStringList &argomenti)
{
    Richiesta r;
    r.copriferro = VociInput::CopriferroIniziale;
    r.sottoTravetto = VociInput::SottoTravettoIniziale;
    QStringList date;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString &argomento = argomenti[i];
        const QString nome = NomeOpzione(argomento);
        if (nome.isEmpty())
            Rifiuta(argomento.startsWith(u'-')
                        ? QStringLiteral("opzione sconosciuta %1").arg(Citato(argomento))
                        : QStringLiteral("argomento inatteso %1").arg(Citato(argomento)));
        if (nome == Aiuto || nome == u"-h") {
            r.aiuto = true;
            continue;
        }
        if (nome == Versione) {
            r.versione = true;
            continue;
        }
        if (date.contains(nome))
            Rifiuta(QStringLiteral("l'opzione %1 è data più di una volta").arg(nome));
        date << nome;
        QString valore;
        if (argomento.size() > nome.size())
            valore = argomento.mid(nome.size() + 1);
        else if (i + 1 < argomenti.size() && !argomenti[i + 1].startsWith(u"--"))
            valore = argomenti[++i];
        else
            Rifiuta(QStringLiteral("l'opzione %1 richiede un valore").arg(nome));
        ApplicaOpzione(r, nome, valore);
    }
    if (r.aiuto || r.versione)
        return r;
    if (!date.contains(Luce))
        Rifiuta(QStringLiteral("manca l'opzione %1, la luce di calcolo in m").arg(Luce));
    if (!date.contains(Sovraccarico))
        Rifiuta(QStringLiteral("manca l'opzione %1, il sovraccarico in daN/m2").arg(Sovraccarico));
    if (double(r.luci.Quanti()) * double(r.carichi.Quanti()) > double(MassimoCasi))
        Rifiuta(QStringLiteral("troppi casi: %1 luci per %2 sovraccarichi; al massimo %3 per volta")
                    .arg(r.luci.Quanti())
                    .arg(r.carichi.Quanti())
                    .arg(MassimoCasi));
    return r;
}

// Where the separator is not the point, a typed point counts as it.
QString RegolaDelPunto()
{
    const QString sep = Numeri::SeparatoreDecimale();
    if (sep == u".")
        return QStringLiteral(".\n");
    return QStringLiteral("; dove è la virgola, anche il\npunto vale come virgola: 5.30 è 5") +
           sep + QStringLiteral("30.\n");
}

QString TestoAiuto()
{
    const QString sep = Numeri::SeparatoreDecimale();
    return QStringLiteral(
               "Uso: predimvelmora --luce LUCE --sovraccarico CARICO [opzioni]\n"
               "     predimvelmora            (senza opzioni: le finestre)\n"
               "\n"
               "Dimensiona il solaio senza finestre, con lo stesso calcolo, gli stessi\n"
               "controlli e gli stessi messaggi della finestra di input.\n"
               "\n"
               "  --luce LUCE            luce di calcolo del solaio (LC), in m (obbligatoria)\n"
               "  --sovraccarico CARICO  sovraccarico (q), in daN/m2 (obbligatorio)\n"
               "  --copriferro CF        spessore copriferro in cm: %1 (predefinito 2)\n"
               "  --sottotravetto SS     spessore sottotravetto in cm: %2 (predefinito 4)\n"
               "  --tipo intermedio|copertura       (predefinito intermedio)\n"
               "  --schema singola|continua         campata singola e semplice appoggio,\n"
               "                                    o solaio continuo (predefinito singola)\n"
               "  --formato testo|csv|json          (predefinito testo)\n"
               "  --help                 questo aiuto\n"
               "  --version              la versione\n"
               "\n"
               "I numeri si scrivono come nella finestra di input, con il separatore\n"
               "decimale della lingua dell'utente (qui \"%3\")%5"
               "\n"
               "Tabelle: --luce e --sovraccarico accettano anche un intervallo DA:A:PASSO\n"
               "(DA compreso, A compreso se raggiunto a passi interi; per esempio %6)\n"
               "o un elenco separato da \";\" (per esempio \"%7\", tra virgolette per\n"
               "la shell). Non si separa con la virgola perché in italiano è il\n"
               "separatore decimale. Ogni luce con ogni sovraccarico è un caso, in\n"
               "quest'ordine; al massimo %4 casi. Il sovraccarico si calcola in daN/m2\n"
               "interi (arrotondato): due valori che danno lo stesso intero sono rifiutati.\n"
               "\n"
               "Uscita: testo mostra i tredici risultati con le didascalie e le unità\n"
               "della finestra dei risultati. csv ha una riga di intestazione e una riga\n"
               "per caso (dati, risultati o messaggio), in UTF-8, con i numeri della\n"
               "lingua dell'utente: con la virgola decimale i campi sono separati da \";\",\n"
               "altrimenti da \",\", come li apre un foglio di calcolo in quella lingua.\n"
               "json usa sempre il punto decimale.\n"
               "\n"
               "Stato di uscita: 0 riuscito; 1 se un calcolo si è fermato con un messaggio\n"
               "(scritto su standard error, le altre righe della tabella sono scritte);\n"
               "2 per un'opzione o un valore non validi; 3 se l'uscita non si è potuta\n"
               "scrivere tutta (disco pieno, uscita chiusa): il motivo su standard error.\n")
        .arg(VociInput::ElencaCopriferri().join(QStringLiteral(" | ")),
             VociInput::ElencaSottoTravetti().join(QStringLiteral(" | ")), sep,
             QString::number(MassimoCasi), RegolaDelPunto(), EsempioIntervallo(),
             QStringLiteral("4;4") + sep + QStringLiteral("5;5"));
}

} // namespace Opzioni
