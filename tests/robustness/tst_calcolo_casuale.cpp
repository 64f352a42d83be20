// Many calculations in a row from random and hostile input texts, in a
// decimal-comma and a decimal-point locale: every one must end in thirteen
// result texts or in one known message, never in a crash, a wrong number of
// boxes or a text that is no number. Seeded, so a failure can be replayed.

#include "CalcoloGiudicato.h"

#include <QLocale>
#include <QMap>
#include <QRandomGenerator>
#include <QTest>

using namespace Robustezza;

namespace {

constexpr int Calcoli = 100000;

// Texts a user, a paste or a broken keyboard layout could leave in a box:
// limits of the 16-bit quantities, words that other parsers take for numbers,
// separators of other conventions, digits of other scripts, invisible and
// broken characters, and texts far longer than any box shows.
QStringList TestiSpeciali()
{
    QStringList t{QString(),
                  QStringLiteral(" "),
                  QStringLiteral("0"),
                  QStringLiteral("-0"),
                  QStringLiteral("+0"),
                  QStringLiteral("00"),
                  QStringLiteral("0,0"),
                  QStringLiteral("0.0"),
                  QStringLiteral("inf"),
                  QStringLiteral("-inf"),
                  QStringLiteral("nan"),
                  QStringLiteral("NaN"),
                  QStringLiteral("Infinity"),
                  QStringLiteral("1e308"),
                  QStringLiteral("1e309"),
                  QStringLiteral("-1e309"),
                  QStringLiteral("1e-320"),
                  QStringLiteral("1e-400"),
                  QStringLiteral("4e4"),
                  QStringLiteral("32767"),
                  QStringLiteral("32768"),
                  QStringLiteral("-32768"),
                  QStringLiteral("-32769"),
                  QStringLiteral("32767,5"),
                  QStringLiteral("32767.5"),
                  QStringLiteral("-32768,5"),
                  QStringLiteral("65536"),
                  QStringLiteral("1.500"),
                  QStringLiteral("1,500"),
                  QStringLiteral("1 500"),
                  QStringLiteral("1'500"),
                  QStringLiteral(",5"),
                  QStringLiteral(".5"),
                  QStringLiteral("5,"),
                  QStringLiteral("5."),
                  QStringLiteral("."),
                  QStringLiteral(","),
                  QStringLiteral("-"),
                  QStringLiteral("+"),
                  QStringLiteral("e"),
                  QStringLiteral("e5"),
                  QStringLiteral("5e"),
                  QStringLiteral("5e+"),
                  QStringLiteral("5E-2"),
                  QStringLiteral("1e5,5"),
                  QStringLiteral("--5"),
                  QStringLiteral("+-5"),
                  QStringLiteral("5-"),
                  QStringLiteral("0x10"),
                  QStringLiteral("1_000"),
                  QStringLiteral("\u2212"
                                 "5"),
                  QStringLiteral("\u0665"),
                  QStringLiteral("\uff15"),
                  QStringLiteral("\u00bd"),
                  QStringLiteral("5\u200b"),
                  QStringLiteral("\u00a05\u00a0"),
                  QStringLiteral("\t5\n"),
                  QStringLiteral("\u3000"
                                 "7"),
                  QStringLiteral("5\U0001F600"),
                  QStringLiteral("1e99999999999999999999"),
                  QStringLiteral("1e-99999999999999999999"),
                  QStringLiteral("-10"),
                  QStringLiteral("-16"),
                  QStringLiteral("10"),
                  QStringLiteral("12"),
                  QStringLiteral("40000")};
    t << QString(QChar(0)) << QString(QChar(0xD800)) << QStringLiteral("5") + QChar(0xDC00)
      << QString(300, u'9') << QStringLiteral("0,") + QString(400, u'0') + u'1'
      << QStringLiteral("1") + QString(400, u'0') << QString(20000, u'7');
    return t;
}

// Random texts for the six inputs of one calculation, in the current locale.
// About half of them are plausible, so the sizing and the result display are
// reached often; the rest is hostile.
class GeneratoreTesti {
public:
    explicit GeneratoreTesti(quint32 seme)
        : caso(seme)
        , separatore(QLocale().decimalPoint())
        , speciali(TestiSpeciali())
    {
    }

    QString Luce() { return Moneta(2) ? Decimale(0, 12, 2) : Ostile(); }
    QString Carico() { return Moneta(2) ? Decimale(0, 3000, Moneta(4) ? 1 : 0) : Ostile(); }

    QString Copriferro()
    {
        static const char *const voci[] = {"2", "2,5", "3", "3,5", "4"};
        if (!Moneta(6))
            return Ostile();
        return QString::fromLatin1(voci[caso.bounded(5)]).replace(u',', separatore);
    }

    QString SottoTravetto()
    {
        if (Moneta(10))
            return QString::number(-caso.bounded(10, 31)); // may cancel the joist height
        if (!Moneta(6))
            return Ostile();
        return QString::number(caso.bounded(4, 9));
    }

    // True with probability (n - 1) / n.
    bool Moneta(int n) { return caso.bounded(n) != 0; }

private:
    // A number with the given count of decimals, written as the locale writes it.
    QString Decimale(int minimo, int massimo, int decimali)
    {
        int scala = 1;
        for (int i = 0; i < decimali; ++i)
            scala *= 10;
        const int n = caso.bounded(minimo * scala, massimo * scala + 1);
        QString testo = QString::number(n / scala);
        if (decimali > 0)
            testo += separatore + QString::number(n % scala).rightJustified(decimali, u'0');
        return testo;
    }

    QString Ostile()
    {
        QString testo;
        switch (caso.bounded(5)) {
        case 0:
            testo = speciali[caso.bounded(speciali.size())];
            break;
        case 1:
            testo = NumeroQualsiasi();
            break;
        case 2:
            testo = Caratteri(caso.bounded(17));
            break;
        default:
            testo = Muta(Moneta(3) ? NumeroQualsiasi() : speciali[caso.bounded(speciali.size())]);
            break;
        }
        return Moneta(5) ? testo : Circonda(testo);
    }

    // Sign, integer digits (leading zeros too), decimals and exponent, each maybe absent.
    QString NumeroQualsiasi()
    {
        QString testo;
        switch (caso.bounded(8)) {
        case 0:
            testo += u'-';
            break;
        case 1:
            testo += u'+';
            break;
        case 2:
            testo += QLocale().negativeSign();
            break;
        default:
            break;
        }
        testo += Cifre(caso.bounded(7));
        if (Moneta(2))
            testo += separatore + Cifre(caso.bounded(6));
        if (!Moneta(5)) {
            testo += Moneta(2) ? u'e' : u'E';
            if (Moneta(2))
                testo += Moneta(2) ? u'-' : u'+';
            testo += Cifre(caso.bounded(4));
        }
        return testo;
    }

    QString Cifre(int quante)
    {
        QString cifre;
        for (int i = 0; i < quante; ++i)
            cifre += QChar(u'0' + caso.bounded(10));
        return cifre;
    }

    QChar CarattereOstile()
    {
        static const QString alfabeto =
            QStringLiteral("0123456789012345678901234567890123456789,.,.-+eE "
                           "abcxyz\u00e0\u00e9\t\n\r\u00a0\u2212\u0663\uff18%$\u20ac'_") +
            QChar(0);
        return alfabeto[caso.bounded(alfabeto.size())];
    }

    QString Caratteri(int quanti)
    {
        QString testo;
        for (int i = 0; i < quanti; ++i)
            testo += CarattereOstile();
        return testo;
    }

    // One to three edits: insert, delete, replace or double a character.
    QString Muta(QString testo)
    {
        for (int passi = caso.bounded(1, 4); passi > 0; --passi) {
            const int posizione = caso.bounded(testo.size() + 1);
            switch (caso.bounded(4)) {
            case 0:
                testo.insert(posizione, CarattereOstile());
                break;
            case 1:
                testo.remove(posizione, 1);
                break;
            case 2:
                if (posizione < testo.size())
                    testo[posizione] = CarattereOstile();
                break;
            default:
                if (posizione < testo.size())
                    testo.insert(posizione, testo[posizione]);
                break;
            }
        }
        return testo;
    }

    QString Circonda(const QString &testo)
    {
        static const QString bianchi = QStringLiteral(" \t\n\u00a0\u3000");
        QString prima(caso.bounded(3), bianchi[caso.bounded(bianchi.size())]);
        QString dopo(caso.bounded(3), bianchi[caso.bounded(bianchi.size())]);
        return prima + testo + dopo;
    }

    QRandomGenerator caso;
    QString separatore;
    QStringList speciali;
};

// Non-printable characters shown as code points, so a failing text can be read and replayed.
QString Leggibile(const QString &testo)
{
    QString uscita;
    for (QChar c : testo.left(60)) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            uscita += c;
        else
            uscita += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (testo.size() > 60)
        uscita += QStringLiteral("...(%1 characters)").arg(testo.size());
    return u'"' + uscita + u'"';
}

QString Ingressi(const DatiCalcolo &f)
{
    return QStringLiteral("span %1, load %2, cover %3, thickness %4, %5, %6")
        .arg(Leggibile(f.luce), Leggibile(f.carico), Leggibile(f.copriferro),
             Leggibile(f.sottoTravetto),
             f.intermedio ? QStringLiteral("Intermedio") : QStringLiteral("Copertura"),
             f.campataSingola ? QStringLiteral("single span") : QStringLiteral("continuous"));
}

} // namespace

class tst_CalcoloCasuale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void calcoliCasuali_data();
    void calcoliCasuali();
};

void tst_CalcoloCasuale::calcoliCasuali_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<quint32>("seme");
    QTest::newRow("decimal comma") << QLocale(QLocale::Italian, QLocale::Italy) << 20240611u;
    QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates) << 19700101u;
}

// One design record for the whole run, as in the program, where it lives as
// long as the process: what a calculation leaves behind meets the next one.
void tst_CalcoloCasuale::calcoliCasuali()
{
    QFETCH(QLocale, locale);
    QFETCH(quint32, seme);
    QLocale::setDefault(locale);

    GeneratoreTesti genera(seme);
    RecordProgetto progetto;
    PreparaProgetto(progetto);
    CalcoloGiudicato calcolo;
    DatiCalcolo &dati = calcolo.dati;
    QMap<QString, int> esiti;
    for (int i = 0; i < Calcoli; ++i) {
        dati.luce = genera.Luce();
        dati.carico = genera.Carico();
        dati.copriferro = genera.Copriferro();
        dati.sottoTravetto = genera.SottoTravetto();
        dati.intermedio = genera.Moneta(2);
        dati.campataSingola = genera.Moneta(2);
        calcolo.Calcola(progetto);
        const QString scorretto = EsitoScorretto(calcolo, progetto);
        if (!scorretto.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("calculation %1 (%2): %3").arg(i).arg(Ingressi(dati), scorretto)));
        ++esiti[calcolo.riuscito ? QStringLiteral("results") : calcolo.messaggio];
    }

    for (auto esito = esiti.cbegin(); esito != esiti.cend(); ++esito)
        qInfo("%7d  %s", esito.value(), qPrintable(esito.key()));
    // A generator that never reaches an outcome proves nothing about it.
    QVERIFY(esiti.value(QStringLiteral("results")) > Calcoli / 10);
    for (const QString &messaggio : MessaggiAmmessi)
        QVERIFY2(esiti.contains(messaggio), qPrintable(QStringLiteral("never: ") + messaggio));
}

QTEST_GUILESS_MAIN(tst_CalcoloCasuale)
#include "tst_calcolo_casuale.moc"
