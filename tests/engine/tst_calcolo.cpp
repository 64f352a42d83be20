// A whole calculation through the windows' interface: the input check, the
// thirteen result texts in both decimal conventions, the failures with their
// messages, focus and record state, and the lower bound kept for revisions.

#include "EsempiSvolti.h"
#include "FinestreFinte.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

void Calcola(FinestreFinte &)
{
    CalcolaSolaio();
}

} // namespace

class tst_Calcolo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void init()
    {
        Progetto = RecordProgetto{};
        PreparaProgetto(Progetto);
    }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void esempi_data();
    void esempi();
    void ingressiRifiutati_data();
    void ingressiRifiutati();
    void ingressiOstili_data();
    void ingressiOstili();
    void altezzaIniziale_data();
    void altezzaIniziale();
    void caricoArrotondato_data();
    void caricoArrotondato();
    void statoDopoUnLimite();
    void spessoreSottoTravetto();
    void minimoPerLaRevisione();
};

void tst_Calcolo::esempi_data()
{
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<QString>("luce");
    QTest::addColumn<QString>("carico");
    QTest::addColumn<bool>("intermedio");
    QTest::addColumn<bool>("campataSingola");
    QTest::addColumn<QString>("copriferro");
    QTest::addColumn<QString>("sottoTravetto");
    QTest::addColumn<QString>("risultati");

    for (const auto lingua : {QLocale::Italian, QLocale::English}) {
        for (const EsempioSvolto &e : EsempiSvolti) {
            QTest::addRow("%s %s", lingua == QLocale::Italian ? "it" : "en", e.nome)
                << lingua << NelFormato(lingua, QString::fromUtf8(e.luce))
                << NelFormato(lingua, QString::fromUtf8(e.carico)) << e.intermedio << e.singola
                << NelFormato(lingua, QString::fromUtf8(e.cf)) << QString::fromUtf8(e.ss)
                << NelFormato(lingua, QString::fromUtf8(e.risultati));
        }
    }
}

void tst_Calcolo::esempi()
{
    QFETCH(QLocale::Language, lingua);
    QFETCH(QString, luce);
    QFETCH(QString, carico);
    QFETCH(bool, intermedio);
    QFETCH(bool, campataSingola);
    QFETCH(QString, copriferro);
    QFETCH(QString, sottoTravetto);
    QFETCH(QString, risultati);
    QLocale::setDefault(QLocale(lingua));

    FinestreFinte finestre(luce, carico, intermedio, campataSingola, copriferro, sottoTravetto);
    Calcola(finestre);

    QCOMPARE(finestre.avvisi, QStringList());
    QCOMPARE(finestre.ordineScrittura, CaselleRisultato);
    QStringList testi;
    for (const QString &casella : CaselleRisultato)
        testi << finestre.risultati.value(casella);
    QCOMPARE(testi.join(u' '), risultati);
    QVERIFY(finestre.inputNascosto);
    QVERIFY(finestre.risultatiMostrati);
    QCOMPARE(finestre.fuochi, QStringList());
}

void tst_Calcolo::ingressiRifiutati_data()
{
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<QString>("luce");
    QTest::addColumn<QString>("carico");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("fuoco");

    const QString luce = Messaggi::LuceNonImpostata;
    const QString carico = Messaggi::SovraccaricoErrato;
    const QString txtLuce = Controlli::Luce;
    const QString txtCarico = Controlli::Carico;
    const auto it = QLocale::Italian;
    const auto en = QLocale::English;

    QTest::newRow("span 0") << it << "0"
                            << "200" << luce << txtLuce;
    QTest::newRow("span empty") << it << ""
                                << "200" << luce << txtLuce;
    QTest::newRow("span blanks") << it << "   "
                                 << "200" << luce << txtLuce;
    QTest::newRow("span letters") << it << "cinque"
                                  << "200" << luce << txtLuce;
    QTest::newRow("span with unit") << it << "5 m"
                                    << "200" << luce << txtLuce;
    QTest::newRow("span grouping") << it << "1.500"
                                   << "200" << luce << txtLuce;
    QTest::newRow("span point under comma") << it << "5.00"
                                            << "200" << luce << txtLuce;
    QTest::newRow("span comma under point") << en << "5,00"
                                            << "200" << luce << txtLuce;
    QTest::newRow("span inf") << it << "inf"
                              << "200" << luce << txtLuce;
    QTest::newRow("span nan") << en << "nan"
                              << "200" << luce << txtLuce;
    QTest::newRow("span huge exponent") << it << "1e999"
                                        << "200" << luce << txtLuce;
    // Zero in any form, and a negative span, are refused like "0".
    QTest::newRow("span blank 0") << it << " 0"
                                  << "200" << luce << txtLuce;
    QTest::newRow("span 0,0") << it << "0,0"
                              << "200" << luce << txtLuce;
    QTest::newRow("span 0.0") << en << "0.0"
                              << "200" << luce << txtLuce;
    QTest::newRow("span 00") << it << "00"
                             << "200" << luce << txtLuce;
    QTest::newRow("span 0e0") << it << "0e0"
                              << "200" << luce << txtLuce;
    QTest::newRow("span -0") << it << "-0"
                             << "200" << luce << txtLuce;
    QTest::newRow("span negative") << it << "-5"
                                   << "200" << luce << txtLuce;
    // Swedish writes its minus sign as the typographic one.
    QTest::newRow("span typographic minus")
        << QLocale::Swedish << QString::fromUtf8("\u22125") << "200" << luce << txtLuce;
    // The span is checked first.
    QTest::newRow("both wrong") << it << "x"
                                << "y" << luce << txtLuce;
    QTest::newRow("load empty") << it << "5"
                                << "" << carico << txtCarico;
    QTest::newRow("load letters") << it << "5"
                                  << "duecento" << carico << txtCarico;
    QTest::newRow("load grouping") << it << "5"
                                   << "1.500" << carico << txtCarico;
    QTest::newRow("load grouping en") << en << "5"
                                      << "1,500" << carico << txtCarico;
    QTest::newRow("load negative") << it << "5"
                                   << "-200" << carico << txtCarico;
    QTest::newRow("load negative fraction") << it << "5"
                                            << "-0,4" << carico << txtCarico;
    QTest::newRow("load Infinity") << it << "5"
                                   << "Infinity" << carico << txtCarico;
    QTest::newRow("load sign only") << it << "5"
                                    << "+" << carico << txtCarico;
    // A number that does not fit passes the check and fails the conversion.
    QTest::newRow("load 40000") << it << "5"
                                << "40000"
                                << "6 - Overflow"
                                << "";
    QTest::newRow("load 1e300") << en << "5"
                                << "1e300"
                                << "6 - Overflow"
                                << "";
    QTest::newRow("span far too long") << it << "1e300"
                                       << "200"
                                       << "6 - Overflow"
                                       << "";
    QTest::newRow("span beyond the table") << it << "10"
                                           << "200" << Messaggi::AltezzaUtileEccessiva << "";
    QTest::newRow("height limit") << it << "8"
                                  << "800" << Messaggi::AltezzaMassimaRaggiunta << "";
}

void tst_Calcolo::ingressiRifiutati()
{
    QFETCH(QLocale::Language, lingua);
    QFETCH(QString, luce);
    QFETCH(QString, carico);
    QFETCH(QString, messaggio);
    QFETCH(QString, fuoco);
    QLocale::setDefault(QLocale(lingua));

    FinestreFinte finestre(luce, carico);
    Calcola(finestre);

    QCOMPARE(finestre.avvisi, QStringList{messaggio});
    QCOMPARE(finestre.titoliAvvisi, QStringList{QStringLiteral("Calcolo Solaio")});
    QCOMPARE(finestre.fuochi, fuoco.isEmpty() ? QStringList() : QStringList{fuoco});
    QVERIFY(!finestre.inputNascosto);
    QVERIFY(!finestre.risultatiMostrati);
    QVERIFY(finestre.risultati.isEmpty());
    // The windows keep what the user typed.
    QCOMPARE(finestre.testi.value(Controlli::Luce), luce);
    QCOMPARE(finestre.testi.value(Controlli::Carico), carico);
}

void tst_Calcolo::ingressiOstili_data()
{
    QTest::addColumn<QString>("luce");
    QTest::addColumn<QString>("carico");
    QTest::addColumn<QString>("copriferro");
    QTest::addColumn<QString>("sottoTravetto");

    QTest::newRow("tiny span") << "1e-300"
                               << "200"
                               << "2"
                               << "4";
    QTest::newRow("very small span") << "1e-80"
                                     << "200"
                                     << "2"
                                     << "4";
    QTest::newRow("one centimetre") << "0,01"
                                    << "0"
                                    << "2"
                                    << "4";
    QTest::newRow("largest load") << "5"
                                  << "32767"
                                  << "2"
                                  << "4";
    QTest::newRow("huge cover") << "5"
                                << "200"
                                << "1e300"
                                << "4";
    QTest::newRow("negative cover") << "5"
                                    << "200"
                                    << "-1e300"
                                    << "4";
    QTest::newRow("cover just below zero") << "5"
                                           << "200"
                                           << "-1"
                                           << "4";
    QTest::newRow("thickness too large") << "5"
                                         << "200"
                                         << "2"
                                         << "40000";
    QTest::newRow("thickness letters") << "5"
                                       << "200"
                                       << "2"
                                       << "quattro";
    QTest::newRow("thickness cancels the joist") << "5"
                                                 << "200"
                                                 << "2"
                                                 << "-16";
    QTest::newRow("thickness blank") << "5"
                                     << "200"
                                     << "2"
                                     << "  ";
}

// Whatever is typed, a calculation ends either in thirteen finite result
// texts or in one message box with a fixed text or a run-time error text.
void tst_Calcolo::ingressiOstili()
{
    QFETCH(QString, luce);
    QFETCH(QString, carico);
    QFETCH(QString, copriferro);
    QFETCH(QString, sottoTravetto);

    FinestreFinte finestre(luce, carico, true, true, copriferro, sottoTravetto);
    Calcola(finestre);

    if (finestre.avvisi.isEmpty()) {
        QCOMPARE(finestre.risultati.size(), 13);
        for (const QString &testo : std::as_const(finestre.risultati))
            QVERIFY2(testo == QStringLiteral("-") || Numeri::EUnNumero(testo), qPrintable(testo));
        QVERIFY(finestre.risultatiMostrati);
    } else {
        QCOMPARE(finestre.avvisi.size(), 1);
        static const QRegularExpression erroreRuntime(QStringLiteral("^(6|11|13) - \\S.*$"));
        const QString &avviso = finestre.avvisi.first();
        QVERIFY2(avviso.startsWith(QStringLiteral("Sovraccarico e/o Luce Eccessiv")) ||
                     avviso.startsWith(QStringLiteral("Attenzione, ")) ||
                     erroreRuntime.match(avviso).hasMatch(),
                 qPrintable(avviso));
        QVERIFY(!finestre.risultatiMostrati);
        QVERIFY(!finestre.inputNascosto);
    }
}

void tst_Calcolo::altezzaIniziale_data()
{
    QTest::addColumn<QString>("luce");
    QTest::addColumn<bool>("intermedio");
    QTest::addColumn<int>("altezza");

    QTest::newRow("5 m floor, whole") << "5" << true << 20;
    QTest::newRow("5,30 m floor, up") << "5,3" << true << 22;
    QTest::newRow("3 m roof, minimum") << "3" << false << 17;
    QTest::newRow("5 m roof, up to the minimum") << "5" << false << 17;
    QTest::newRow("9,30 m roof, whole despite noise") << "9,3" << false << 31;
    QTest::newRow("just above whole") << "7,5003" << true << 31;
    QTest::newRow("just below whole") << "7,4997" << true << 30;
}

// Sized at the starting height when the load is light enough, so HSolaio shows it.
void tst_Calcolo::altezzaIniziale()
{
    QFETCH(QString, luce);
    QFETCH(bool, intermedio);
    QFETCH(int, altezza);

    FinestreFinte finestre(luce, QStringLiteral("0"), intermedio);
    QString messaggio;
    ControllaInput(messaggio);
    QCOMPARE(Progetto.RapportoLuceAltezza.Valore(), intermedio ? 25 : 30);
    QCOMPARE(Progetto.HSolaio.Valore(), altezza);
}

void tst_Calcolo::caricoArrotondato_data()
{
    QTest::addColumn<QString>("carico");
    QTest::addColumn<QString>("intero");

    QTest::newRow("250,5 to 250") << "250,5"
                                  << "250";
    QTest::newRow("251,5 to 252") << "251,5"
                                  << "252";
    QTest::newRow("blanks around") << "  199,6 "
                                   << "200";
}

// A fractional load is sized exactly as its rounded whole value.
void tst_Calcolo::caricoArrotondato()
{
    QFETCH(QString, carico);
    QFETCH(QString, intero);

    FinestreFinte finestre(QStringLiteral("5"), carico);
    Calcola(finestre);
    const auto conDecimali = finestre.risultati;
    QCOMPARE(Progetto.Sovraccarico.Valore(), intero.toInt());
    finestre.testi[Controlli::Carico] = intero;
    Calcola(finestre);
    QCOMPARE(finestre.risultati, conDecimali);
    QCOMPARE(finestre.avvisi, QStringList());
}

void tst_Calcolo::statoDopoUnLimite()
{
    FinestreFinte finestre(QStringLiteral("8"), QStringLiteral("800"));
    Calcola(finestre);
    QCOMPARE(finestre.avvisi, QStringList{Messaggi::AltezzaMassimaRaggiunta});
    // No rollback: the inputs stay in the record, HSolaio one above the last check.
    QCOMPARE(Progetto.LuceCalcolo, 8.0);
    QCOMPARE(Progetto.Sovraccarico.Valore(), 800);
    QCOMPARE(Progetto.HSolaio.Valore(), 36);
    QCOMPARE(Progetto.HTravetto.Valore(), 31);
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 0);
}

void tst_Calcolo::spessoreSottoTravetto()
{
    // An empty list text keeps the previous thickness.
    FinestreFinte finestre(QStringLiteral("5"), QStringLiteral("200"));
    finestre.testi[Controlli::SottoTravetto] = QStringLiteral("6");
    Calcola(finestre);
    QCOMPARE(Progetto.SpessoreST.Valore(), 6);
    finestre.testi[Controlli::SottoTravetto] = QString();
    Calcola(finestre);
    QCOMPARE(finestre.risultati.value(QStringLiteral("txtSpesST")), QStringLiteral("6"));
    QCOMPARE(finestre.risultati.value(QStringLiteral("txtHPanPol")), QStringLiteral("22"));

    // A thickness that fails leaves the boxes already written and the bound unset.
    finestre.testi[Controlli::SottoTravetto] = QStringLiteral("-16");
    finestre.risultati.clear();
    Calcola(finestre);
    QCOMPARE(finestre.avvisi.last(), QStringLiteral("11 - Divisione per zero"));
    QCOMPARE(finestre.risultati.size(), 12);
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 0);
}

void tst_Calcolo::minimoPerLaRevisione()
{
    FinestreFinte finestre(QStringLiteral("5"), QStringLiteral("200"));
    Calcola(finestre);
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 16);

    // A revision to a higher joist keeps the first sizing's height as the bound.
    QString messaggio;
    Progetto.HSolaio = Intero(20) + Progetto.HCappa;
    QVERIFY(DimensionaSolaio(messaggio));
    QVERIFY(MostraRisultati(messaggio));
    QCOMPARE(finestre.risultati.value(QStringLiteral("txtHTravetto")), QStringLiteral("20"));
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 16);

    // A new Calcola starts from 0 again and records the new sizing.
    finestre.testi[Controlli::Luce] = QStringLiteral("7");
    finestre.testi[Controlli::Carico] = QStringLiteral("100");
    Calcola(finestre);
    QCOMPARE(Progetto.HTravettoMinimo.Valore(), 24);
}

QTEST_GUILESS_MAIN(tst_Calcolo)
#include "tst_calcolo.moc"
