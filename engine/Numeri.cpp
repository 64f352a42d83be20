#include "Numeri.h"

#include "ErroreRuntime.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace Numeri {

namespace {

// The locale's minus sign may be a typographic one; the ASCII hyphen is always accepted too.
bool ESegno(QChar c, const QString &menoLocale)
{
    return c == u'+' || c == u'-' || QString(c) == menoLocale;
}

// Rewrites an accepted text in the C locale's form, or returns an
// empty string when the text is not a number.
QByteArray FormaC(const QString &testo)
{
    const QString separatore = SeparatoreDecimale();
    const QString meno = QLocale().negativeSign();
    const QString t = testo.trimmed();

    QByteArray c;
    c.reserve(t.size());
    int i = 0;
    if (i < t.size() && ESegno(t[i], meno)) {
        c += (t[i] == u'+') ? '+' : '-';
        ++i;
    }
    int cifreIntere = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        c += char(t[i].unicode());
        ++i;
        ++cifreIntere;
    }
    int cifreDecimali = 0;
    if (t.mid(i, separatore.size()) == separatore) {
        c += '.';
        i += separatore.size();
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            c += char(t[i].unicode());
            ++i;
            ++cifreDecimali;
        }
    }
    if (cifreIntere + cifreDecimali == 0)
        return {};
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && ESegno(t[i], meno)) {
            c += (t[i] == u'+') ? '+' : '-';
            ++i;
        }
        int cifreEsponente = 0;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            c += char(t[i].unicode());
            ++i;
            ++cifreEsponente;
        }
        if (cifreEsponente == 0)
            return {};
    }
    if (i != t.size())
        return {};
    return c;
}

bool Analizza(const QString &testo, double &valore)
{
    const QByteArray c = FormaC(testo);
    if (c.isEmpty())
        return false;
    bool ok = false;
    valore = c.toDouble(&ok); // always the C locale, whatever setlocale() says
    return ok && std::isfinite(valore);
}

bool Spazio(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool Cifra(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool Esponente(QChar c)
{
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

QString ConSeparatoreLocale(QString testo)
{
    return testo.replace(u'.', SeparatoreDecimale());
}

} // namespace

QString SeparatoreDecimale()
{
    return QLocale().decimalPoint();
}

bool EUnNumero(const QString &testo)
{
    double valore;
    return Analizza(testo, valore);
}

double TestoInDouble(const QString &testo)
{
    double valore;
    if (!Analizza(testo, valore))
        throw ErroreRuntime(ErroreRuntime::TipoNonCorrispondente);
    return valore;
}

Intero TestoInIntero(const QString &testo)
{
    return Intero::DaDouble(TestoInDouble(testo));
}

double Arrotonda(double x, int decimali)
{
    const double scala = std::pow(10.0, decimali);
    return Finito(std::nearbyint(Finito(x * scala)) / scala);
}

QString InteroInTesto(Intero n)
{
    return QString::number(n.Valore());
}

// A negative zero is written "0" ("0,000" with decimals): QString::number
// drops its sign.
QString DoubleInTesto(double x)
{
    return ConSeparatoreLocale(QString::number(x, 'g', 15));
}

QString DoubleInTestoFisso(double x, int decimali)
{
    return ConSeparatoreLocale(QString::number(x, 'f', decimali));
}

double NumeroIniziale(const QString &testo)
{
    // Gathered without its blanks, then read in the C locale: the decimal
    // sign of this reading never follows the user's locale.
    QString numero;
    bool cifre = false;
    bool decimali = false;
    qsizetype inizioEsponente = -1;
    bool cifreEsponente = false;
    for (const QChar c : testo) {
        if (Spazio(c))
            continue;
        const bool inizio = numero.isEmpty() || numero.size() == inizioEsponente + 1;
        if (Cifra(c)) {
            (inizioEsponente < 0 ? cifre : cifreEsponente) = true;
            numero += c;
        } else if ((c == u'+' || c == u'-') && inizio) {
            numero += c;
        } else if (c == u'.' && !decimali && inizioEsponente < 0) {
            decimali = true;
            numero += c;
        } else if (Esponente(c) && cifre && inizioEsponente < 0) {
            inizioEsponente = numero.size();
            numero += u'E';
        } else {
            break;
        }
    }
    if (!cifre)
        return 0;
    // An exponent without digits ("5E", "5E+") counts for nothing.
    if (inizioEsponente >= 0 && !cifreEsponente)
        numero.truncate(inizioEsponente);
    const double valore = QLocale::c().toDouble(numero);
    if (!std::isfinite(valore))
        throw ErroreRuntime(ErroreRuntime::Overflow);
    return valore;
}

} // namespace Numeri
