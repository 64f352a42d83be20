// Text <-> number conversion, rounding and the checked arithmetic.

#include "modVelmora.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class tst_Numeri : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void testoInDouble_data();
    void testoInDouble();
    void testoInIntero_data();
    void testoInIntero();
    void arrotonda_data();
    void arrotonda();
    void testiDiUscita_data();
    void testiDiUscita();
    void aritmeticaVerificata();
    void testiErrore();
    void numeroIniziale_data();
    void numeroIniziale();
};

void tst_Numeri::testoInDouble_data()
{
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("numero");
    QTest::addColumn<double>("valore");

    const auto it = QLocale::Italian;
    const auto en = QLocale::English;
    QTest::newRow("it plain") << it << "5" << true << 5.0;
    QTest::newRow("it decimals") << it << "5,30" << true << 5.3;
    QTest::newRow("it blanks around") << it << "  5,3 " << true << 5.3;
    QTest::newRow("it trailing separator") << it << "5," << true << 5.0;
    QTest::newRow("it leading separator") << it << ",5" << true << 0.5;
    QTest::newRow("it signs") << it << "-4" << true << -4.0;
    QTest::newRow("it plus") << it << "+4" << true << 4.0;
    QTest::newRow("it exponent") << it << "2,5E-1" << true << 0.25;
    QTest::newRow("it exponent plus") << it << "1e+3" << true << 1000.0;
    QTest::newRow("it point is not decimal") << it << "5.00" << false << 0.0;
    QTest::newRow("it grouping") << it << "1.500" << false << 0.0;
    QTest::newRow("it two separators") << it << "1,2,3" << false << 0.0;
    QTest::newRow("it empty") << it << "" << false << 0.0;
    QTest::newRow("it blanks") << it << "   " << false << 0.0;
    QTest::newRow("it letters") << it << "abc" << false << 0.0;
    QTest::newRow("it number and letters") << it << "5m" << false << 0.0;
    QTest::newRow("it inner blank") << it << "5 000" << false << 0.0;
    QTest::newRow("it separator alone") << it << "," << false << 0.0;
    QTest::newRow("it sign alone") << it << "-" << false << 0.0;
    QTest::newRow("it two signs") << it << "--1" << false << 0.0;
    QTest::newRow("it exponent alone") << it << "e5" << false << 0.0;
    QTest::newRow("it exponent without digits") << it << "5e" << false << 0.0;
    QTest::newRow("it inf") << it << "inf" << false << 0.0;
    QTest::newRow("it Infinity") << it << "-Infinity" << false << 0.0;
    QTest::newRow("it nan") << it << "nan" << false << 0.0;
    QTest::newRow("it huge") << it << "1e400" << false << 0.0;
    QTest::newRow("it tiny") << it << "1e-400" << false << 0.0;
    QTest::newRow("it largest") << it << "1e300" << true << 1e300;
    QTest::newRow("it non-latin digits") << it << QString::fromUtf8("\u0663") << false << 0.0;
    QTest::newRow("en decimals") << en << "5.30" << true << 5.3;
    QTest::newRow("en comma is not decimal") << en << "5,30" << false << 0.0;
    QTest::newRow("en grouping") << en << "1,500" << false << 0.0;
    QTest::newRow("en exponent") << en << "1.5e2" << true << 150.0;
    QTest::newRow("en nan") << en << "NaN" << false << 0.0;
}

void tst_Numeri::testoInDouble()
{
    QFETCH(QLocale::Language, lingua);
    QFETCH(QString, testo);
    QFETCH(bool, numero);
    QFETCH(double, valore);
    QLocale::setDefault(QLocale(lingua));

    QCOMPARE(Numeri::EUnNumero(testo), numero);
    if (numero) {
        QCOMPARE(Numeri::TestoInDouble(testo), valore);
    } else {
        try {
            Numeri::TestoInDouble(testo);
            QFAIL("a text that is not a number was converted");
        } catch (const ErroreRuntime &e) {
            QCOMPARE(e.NumeroErrore(), 13);
        }
    }
}

void tst_Numeri::testoInIntero_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("valore");
    QTest::addColumn<int>("errore"); // 0 when the conversion succeeds

    QTest::newRow("half down to even") << "250,5" << 250 << 0;
    QTest::newRow("half up to even") << "251,5" << 252 << 0;
    QTest::newRow("negative half") << "-2,5" << -2 << 0;
    QTest::newRow("below half") << "7,49" << 7 << 0;
    QTest::newRow("lowest") << "-32768" << -32768 << 0;
    QTest::newRow("highest") << "32767,4" << 32767 << 0;
    QTest::newRow("just above") << "32767,5" << 0 << 6;
    QTest::newRow("load 40000") << "40000" << 0 << 6;
    QTest::newRow("far below") << "-1e10" << 0 << 6;
    QTest::newRow("not a number") << "4 cm" << 0 << 13;
}

void tst_Numeri::testoInIntero()
{
    QFETCH(QString, testo);
    QFETCH(int, valore);
    QFETCH(int, errore);
    int erroreAvuto = 0;
    try {
        QCOMPARE(Numeri::TestoInIntero(testo).Valore(), valore);
    } catch (const ErroreRuntime &e) {
        erroreAvuto = e.NumeroErrore();
    }
    QCOMPARE(erroreAvuto, errore);
}

void tst_Numeri::arrotonda_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("decimali");
    QTest::addColumn<double>("atteso");

    QTest::newRow("177.5") << 177.5 << 0 << 178.0;
    QTest::newRow("176.5") << 176.5 << 0 << 176.0;
    QTest::newRow("191.25") << 191.25 << 0 << 191.0;
    QTest::newRow("232.5") << 232.5 << 0 << 232.0;
    QTest::newRow("250.83") << 250.83 << 0 << 251.0;
    QTest::newRow("-0.5") << -0.5 << 0 << 0.0;
    QTest::newRow("0.125 to 2") << 0.125 << 2 << 0.12;
    QTest::newRow("0.375 to 2") << 0.375 << 2 << 0.38;
    QTest::newRow("181.25 to 2") << 181.25 << 2 << 181.25;
    QTest::newRow("234.75 to 1") << 234.75 << 1 << 234.8;
    QTest::newRow("0.0725 to 4") << 0.0725 << 4 << 0.0725;
    QTest::newRow("1194.344 to 2") << 1194.344 << 2 << 1194.34;
}

void tst_Numeri::arrotonda()
{
    QFETCH(double, x);
    QFETCH(int, decimali);
    QFETCH(double, atteso);
    QCOMPARE(Numeri::Arrotonda(x, decimali), atteso);
}

void tst_Numeri::testiDiUscita_data()
{
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("decimaliFissi"); // -1: shortest form
    QTest::addColumn<QString>("testo");

    const auto it = QLocale::Italian;
    const auto en = QLocale::English;
    QTest::newRow("it concrete") << it << 0.0725 << -1 << "0,0725";
    QTest::newRow("en concrete") << en << 0.0725 << -1 << "0.0725";
    QTest::newRow("it whole") << it << 620.0 << -1 << "620";
    QTest::newRow("it ratio") << it << 1194.34 << -1 << "1194,34";
    QTest::newRow("it no grouping") << it << 1234567.5 << -1 << "1234567,5";
    QTest::newRow("en no grouping") << en << 1234567.5 << -1 << "1234567.5";
    QTest::newRow("it negative") << it << -3.5 << -1 << "-3,5";
    QTest::newRow("it negative zero") << it << -0.0 << -1 << "0";
    QTest::newRow("it fifteen digits") << it << 0.1 + 0.2 << -1 << "0,3";
    QTest::newRow("it K") << it << 0.327 << 3 << "0,327";
    QTest::newRow("en K") << en << 0.327 << 3 << "0.327";
    QTest::newRow("it K trailing zeros") << it << 0.2 << 3 << "0,200";
    QTest::newRow("it K negative zero") << it << -0.0 << 3 << "0,000";
}

void tst_Numeri::testiDiUscita()
{
    QFETCH(QLocale::Language, lingua);
    QFETCH(double, x);
    QFETCH(int, decimaliFissi);
    QFETCH(QString, testo);
    QLocale::setDefault(QLocale(lingua));
    const QString uscita =
        decimaliFissi < 0 ? Numeri::DoubleInTesto(x) : Numeri::DoubleInTestoFisso(x, decimaliFissi);
    QCOMPARE(uscita, testo);
    // What the program writes, it reads back.
    QVERIFY(Numeri::EUnNumero(uscita));
}

void tst_Numeri::aritmeticaVerificata()
{
    const auto numeroErrore = [](auto &&operazione) {
        try {
            operazione();
        } catch (const ErroreRuntime &e) {
            return e.NumeroErrore();
        }
        return 0;
    };
    QCOMPARE((Intero(32000) + Intero(767)).Valore(), 32767);
    QCOMPARE(numeroErrore([] { return Intero(32000) + Intero(768); }), 6);
    QCOMPARE(numeroErrore([] { return Intero(-32000) - Intero(769); }), 6);
    QCOMPARE(numeroErrore([] { return Intero(200) * Intero(200); }), 6);
    QCOMPARE(numeroErrore([] { return Intero(40000); }), 6);
    QCOMPARE(
        numeroErrore([] { return Intero::DaDouble(std::numeric_limits<double>::quiet_NaN()); }), 6);
    QCOMPARE(numeroErrore([] { return Intero::DaDouble(HUGE_VAL); }), 6);
    QCOMPARE(numeroErrore([] { return Dividi(1, 0); }), 11);
    QCOMPARE(numeroErrore([] { return Dividi(0, 0); }), 11);
    QCOMPARE(numeroErrore([] { return Dividi(1e300, 1e-300); }), 6);
    QCOMPARE(numeroErrore([] { return Numeri::Arrotonda(1e307, 2); }), 6);
}

void tst_Numeri::testiErrore()
{
    QCOMPARE(ErroreRuntime(ErroreRuntime::Overflow).Testo(), QStringLiteral("6 - Overflow"));
    QCOMPARE(ErroreRuntime(ErroreRuntime::DivisionePerZero).Testo(),
             QStringLiteral("11 - Divisione per zero"));
    QCOMPARE(ErroreRuntime(ErroreRuntime::TipoNonCorrispondente).Testo(),
             QStringLiteral("13 - Tipo non corrispondente"));
}

void tst_Numeri::numeroIniziale_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("valore");
    QTest::newRow("intero") << "18" << 18.0;
    QTest::newRow("spazi ovunque") << " 1 8 " << 18.0;
    QTest::newRow("unità dopo") << "18 cm" << 18.0;
    QTest::newRow("segni") << "-7" << -7.0;
    QTest::newRow("punto, sempre") << "2.5" << 2.5;
    QTest::newRow("virgola ferma") << "2,5" << 2.0;
    QTest::newRow("secondo punto") << "1.2.3" << 1.2;
    QTest::newRow("esponente") << "25d-1" << 2.5;
    QTest::newRow("esponente monco") << "5E+x" << 5.0;
    QTest::newRow("vuoto") << "" << 0.0;
    QTest::newRow("lettere prima") << "cm 18" << 0.0;
    QTest::newRow("due segni") << "+-5" << 0.0;
}

void tst_Numeri::numeroIniziale()
{
    QFETCH(QString, testo);
    QFETCH(double, valore);
    QCOMPARE(Numeri::NumeroIniziale(testo), valore);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(Numeri::NumeroIniziale(testo), valore);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

QTEST_GUILESS_MAIN(tst_Numeri)
#include "tst_numeri.moc"
