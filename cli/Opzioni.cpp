#include "Opzioni.h"

#include "modVelmora.h"

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

// "--luce" of "--luce" or "--luce=5"; empty when the argument is none of ours.
QString NomeOpzione(const QString &argomento)
{
    if (argomento == Aiuto || argomento == u"-h" || argomento == Versione)
        return argomento;
    const QString nome = argomento.section(u'=', 0, 0);
    return OpzioniConValore.contains(nome) ? nome : QString();
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
        Rifiuta(QStringLiteral("%1: \"%2\" non è tra i valori ammessi (%3)")
                    .arg(opzione, valore, voci.join(QStringLiteral(" | "))));
    return voce;
}

double NumeroDiIntervallo(const QString &opzione, const QString &intervallo, const QString &parte)
{
    if (!Numeri::EUnNumero(parte))
        Rifiuta(QStringLiteral("%1: \"%2\" non è un intervallo DA:A:PASSO di tre numeri "
                               "(per esempio %3)")
                    .arg(opzione, intervallo, EsempioIntervallo()));
    return Numeri::TestoInDouble(parte);
}

// FROM:TO:STEP, both ends included: the values as texts of the locale, each
// written to 12 significant digits so that the steps' rounding noise does not
// reach the engine.
QStringList EspandiIntervallo(const QString &opzione, const QString &intervallo)
{
    const QStringList parti = intervallo.split(u':');
    if (parti.size() != 3)
        NumeroDiIntervallo(opzione, intervallo, QString());
    const double da = NumeroDiIntervallo(opzione, intervallo, parti[0]);
    const double a = NumeroDiIntervallo(opzione, intervallo, parti[1]);
    const double passo = NumeroDiIntervallo(opzione, intervallo, parti[2]);
    if (!(passo > 0))
        Rifiuta(QStringLiteral("%1: in \"%2\" il passo deve essere maggiore di zero")
                    .arg(opzione, intervallo));
    if (a < da)
        Rifiuta(QStringLiteral("%1: in \"%2\" il valore finale è minore di quello iniziale")
                    .arg(opzione, intervallo));
    // A step that lands on the end within rounding noise reaches it.
    const double quanti = std::floor((a - da) / passo + 1e-9) + 1;
    if (!(quanti <= double(MassimoCasi)))
        Rifiuta(QStringLiteral("%1: \"%2\" dà troppi valori; al massimo %3 casi per volta")
                    .arg(opzione, intervallo, QString::number(MassimoCasi)));
    QStringList valori;
    valori.reserve(qsizetype(quanti));
    for (qint64 i = 0; i < qint64(quanti); ++i) {
        const double valore = QString::number(da + double(i) * passo, 'g', 12).toDouble();
        valori << Numeri::DoubleInTesto(valore);
    }
    return valori;
}

// One value, a list of values and ranges separated by ";", or a range. A
// single value is handed to the engine as it is, so its own check judges it.
QStringList EspandiValori(const QString &opzione, const QString &valore)
{
    QStringList valori;
    for (const QString &voce : ComeDigitato(valore).split(u';')) {
        if (voce.contains(u':'))
            valori << EspandiIntervallo(opzione, voce.trimmed());
        else
            valori << voce;
        if (valori.size() > MassimoCasi)
            Rifiuta(QStringLiteral("%1: troppi valori; al massimo %2 casi per volta")
                        .arg(opzione, QString::number(MassimoCasi)));
    }
    return valori;
}

bool Scelta(const QString &opzione, const QString &valore, const QString &primo,
            const QString &secondo)
{
    if (valore != primo && valore != secondo)
        Rifiuta(QStringLiteral("%1: \"%2\" non è tra i valori ammessi (%3 | %4)")
                    .arg(opzione, valore, primo, secondo));
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
    Rifiuta(QStringLiteral("%1: \"%2\" non è tra i valori ammessi (testo | csv | json)")
                .arg(FormatoUscita, valore));
}

void ApplicaOpzione(Richiesta &r, const QString &nome, const QString &valore)
{
    if (nome == Luce)
        r.luci = EspandiValori(nome, valore);
    else if (nome == Sovraccarico)
        r.carichi = EspandiValori(nome, valore);
    else if (nome == Copriferro)
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

bool ChiedeRigaComando(const QStringList &argomenti)
{
    for (const QString &argomento : argomenti)
        if (!NomeOpzione(argomento).isEmpty())
            return true;
    return false;
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
                        ? QStringLiteral("opzione sconosciuta \"%1\"").arg(argomento)
                        : QStringLiteral("argomento inatteso \"%1\"").arg(argomento));
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
        else if (i + 1 < argomenti.size())
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
    if (double(r.luci.size()) * double(r.carichi.size()) > double(MassimoCasi))
        Rifiuta(QStringLiteral("troppi casi: %1 luci per %2 sovraccarichi; al massimo %3 per volta")
                    .arg(r.luci.size())
                    .arg(r.carichi.size())
                    .arg(MassimoCasi));
    return r;
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
               "decimale della lingua dell'utente (qui \"%3\"); dove è la virgola, anche il\n"
               "punto vale come virgola: 5.30 è %5.\n"
               "\n"
               "Tabelle: --luce e --sovraccarico accettano anche un intervallo DA:A:PASSO\n"
               "(estremi compresi, per esempio %6) o un elenco separato da \";\"\n"
               "(per esempio \"%7\", tra virgolette per la shell). Non si separa con\n"
               "la virgola perché in italiano è il separatore decimale. Ogni luce con ogni\n"
               "sovraccarico è un caso, in quest'ordine; al massimo %4 casi.\n"
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
               "2 per un'opzione o un valore non validi.\n")
        .arg(VociInput::ElencaCopriferri().join(QStringLiteral(" | ")),
             VociInput::ElencaSottoTravetti().join(QStringLiteral(" | ")), sep,
             QString::number(MassimoCasi), QStringLiteral("5") + sep + QStringLiteral("30"),
             EsempioIntervallo(), QStringLiteral("4;4") + sep + QStringLiteral("5;5"));
}

} // namespace Opzioni
