#include "NumeroIniziale.h"

#include "ErroreRuntime.h"

#include <QLocale>

#include <cmath>

namespace {

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

} // namespace

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
