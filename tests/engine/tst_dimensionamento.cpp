// The sizing of one strip: tables, the bar search, raising the height and
// the three limits, with the state each leaves in the design record.

#include "modVelmora.h"

#include <QLocale>
#include <QTest>

class tst_Dimensionamento : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void init()
    {
        Progetto = RecordProgetto{};
        PreparaProgetto(Progetto);
    }

    void sequenzaTondini_data();
    void sequenzaTondini();
    void esempioDiCalcolo();
    void altezzaRialzata();
    void limiti_data();
    void limiti();
    void copriferro_data();
    void copriferro();
    void continuaAllaAltezzaFinale();
};

// Sizing from a given starting height, as the revision dialog does it.
static bool Dimensiona(double luce, int carico, int altezza, QString &messaggio,
                       const QString &copriferro = QStringLiteral("2"), bool campataSingola = true)
{
    Progetto.LuceCalcolo = luce;
    Progetto.Sovraccarico = Intero(carico);
    Progetto.HSolaio = Intero(altezza);
    return DimensionaAltezza(Progetto, copriferro, campataSingola, messaggio);
}

void tst_Dimensionamento::sequenzaTondini_data()
{
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("diam1");
    QTest::addColumn<int>("diam2");
    QTest::addColumn<double>("area");

    const int coppie[13][2] = {{8, 8},   {10, 8},  {10, 10}, {12, 10}, {12, 12}, {14, 12}, {14, 14},
                               {16, 14}, {16, 16}, {18, 16}, {18, 18}, {20, 18}, {20, 20}};
    const double aree[13] = {1.0053, 1.2881, 1.5708, 1.9164, 2.2619, 2.6704, 3.0788,
                             3.5500, 4.0212, 4.5553, 5.0894, 5.6863, 6.2832};
    for (int i = 0; i < 13; ++i)
        QTest::addRow("%d+%d", coppie[i][0], coppie[i][1])
            << i << coppie[i][0] << coppie[i][1] << aree[i];
}

// Each pair in turn: an area just below a pair's gives that pair, an area
// exactly equal to it is not enough and gives the next pair.
void tst_Dimensionamento::sequenzaTondini()
{
    QFETCH(int, passo);
    QFETCH(int, diam1);
    QFETCH(int, diam2);
    QFETCH(double, area);

    Intero d1, d2;
    double effettiva = 0;
    QVERIFY(AreaTondino(area - 0.001, Intero(8), Intero(20), d1, d2, effettiva));
    QCOMPARE(d1.Valore(), diam1);
    QCOMPARE(d2.Valore(), diam2);
    QVERIFY(qAbs(effettiva - area) < 0.00005);

    const double areaCoppia = effettiva;
    effettiva = 0;
    const bool trovata = AreaTondino(areaCoppia, Intero(8), Intero(20), d1, d2, effettiva);
    if (passo == 12) {
        QVERIFY(!trovata);
        QCOMPARE(d1.Valore(), 22); // the pair just formed when the search stopped
        QCOMPARE(d2.Valore(), 20);
    } else {
        QVERIFY(trovata);
        QVERIFY(effettiva > areaCoppia);
        QCOMPARE(d1.Valore() + d2.Valore(), diam1 + diam2 + 2);
    }
}

void tst_Dimensionamento::esempioDiCalcolo()
{
    QString messaggio;
    QVERIFY(Dimensiona(5.0, 200, 20, messaggio));
    QVERIFY(messaggio.isEmpty());

    const RecordProgetto &p = Progetto;
    QCOMPARE(p.HSolaio.Valore(), 20);
    QCOMPARE(p.HTravetto.Valore(), 16);
    QCOMPARE(p.DistanzaArmatura, 3.0);
    QCOMPARE(p.AltezzaUtile, 17.0);
    QCOMPARE(p.BraccioCoppia, 15.0);
    QCOMPARE(p.PesoProprio, 191.25);
    QCOMPARE(p.CaricoTravetto, 234.75);
    QCOMPARE(p.DivisoreMomento.Valore(), 8);
    QCOMPARE(p.MomentoFlettente, 733.59375);
    QCOMPARE(p.MomentoResistente, 244920.0);
    QCOMPARE(p.AreaAcciaioMin, 0.6 * 0.07 * 20);
    QVERIFY(qAbs(p.AreaAcciaioNec - 1.88101) < 1e-5);
    QCOMPARE(p.DiamTondino1.Valore(), 12);
    QCOMPARE(p.DiamTondino2.Valore(), 10);
    QVERIFY(qAbs(p.AreaAcciaioEff - 1.91637) < 1e-5);
    QVERIFY(qAbs(p.IncidenzaAcciaio - 2.50725) < 1e-5);
    QVERIFY(qAbs(p.Xid - 6.56719) < 1e-5);
    QVERIFY(qAbs(p.InerziaIdeale - 15735.688) < 1e-3);
    QVERIFY(qAbs(p.Freccia - 0.41864) < 1e-5);
    QVERIFY(qAbs(p.RapportoLuceFreccia - 1194.344) < 1e-3);
    QCOMPARE(p.VolumeCalcestruzzo, 0.0725);
}

void tst_Dimensionamento::altezzaRialzata()
{
    // 7.50 m with 800 daN/m² starts at 30 cm and holds only at 33 cm.
    QString messaggio;
    QVERIFY(Dimensiona(7.5, 800, 30, messaggio));
    QCOMPARE(Progetto.HSolaio.Valore(), 33);
    QCOMPARE(Progetto.HTravetto.Valore(), 29);
    QCOMPARE(Progetto.AltezzaUtile, 30.0);
    QCOMPARE(Progetto.MomentoFlettente, 4433.203125);
    QCOMPARE(Progetto.MomentoResistente, 457184.0);
    QCOMPARE(Progetto.DiamTondino1.Valore(), 20);
    QCOMPARE(Progetto.DiamTondino2.Valore(), 20);
    QVERIFY(qAbs(Progetto.AreaAcciaioNec - 6.0896) < 1e-4);
    QVERIFY(qAbs(Progetto.Freccia - 1.2097) < 1e-4);
    QVERIFY(qAbs(Progetto.RapportoLuceFreccia - 619.998) < 1e-3);
}

void tst_Dimensionamento::limiti_data()
{
    QTest::addColumn<double>("luce");
    QTest::addColumn<int>("carico");
    QTest::addColumn<QString>("copriferro");
    QTest::addColumn<int>("altezzaIniziale");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("altezzaFinale");
    QTest::addColumn<double>("altezzaUtile");
    QTest::addColumn<double>("momentoResistente");

    // Raised from 32 to 36: HSolaio one above the last height checked (35),
    // the other fields from that check.
    QTest::newRow("height limit") << 8.0 << 800 << "2" << 32 << Messaggi::AltezzaMassimaRaggiunta
                                  << 36 << 32.0 << 489840.0;
    // Starting above the table: stopped before any moment check.
    QTest::newRow("beyond the table")
        << 10.0 << 200 << "2" << 40 << Messaggi::AltezzaUtileEccessiva << 40 << 37.0 << 0.0;
    // A 10 cm cover leaves d = 6 (row 0) and a lever arm of 4 cm.
    QTest::newRow("bars too small")
        << 4.0 << 500 << "10" << 17 << Messaggi::TondiniInsufficienti << 17 << 6.0 << 106022.0;
    // Starting at 36 cm is allowed; a failed moment check there stops at 37.
    QTest::newRow("started at the limit")
        << 12.0 << 300 << "4" << 36 << Messaggi::AltezzaMassimaRaggiunta << 37 << 31.0 << 473512.0;
}

void tst_Dimensionamento::limiti()
{
    QFETCH(double, luce);
    QFETCH(int, carico);
    QFETCH(QString, copriferro);
    QFETCH(int, altezzaIniziale);
    QFETCH(QString, messaggio);
    QFETCH(int, altezzaFinale);
    QFETCH(double, altezzaUtile);
    QFETCH(double, momentoResistente);

    QString avuto;
    QVERIFY(!Dimensiona(luce, carico, altezzaIniziale, avuto, copriferro));
    QCOMPARE(avuto, messaggio);
    QCOMPARE(Progetto.HSolaio.Valore(), altezzaFinale);
    QCOMPARE(Progetto.AltezzaUtile, altezzaUtile);
    QCOMPARE(Progetto.MomentoResistente, momentoResistente);
    if (messaggio == Messaggi::TondiniInsufficienti) {
        QCOMPARE(Progetto.DiamTondino1.Valore(), 22);
        QCOMPARE(Progetto.DiamTondino2.Valore(), 20);
        QVERIFY(qAbs(Progetto.AreaAcciaioNec - 7.817) < 1e-3);
        QCOMPARE(Progetto.Freccia, 0.0); // nothing past the bars was written
    }
}

void tst_Dimensionamento::copriferro_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("distanza"); // negative: the run-time error expected
    QTest::addColumn<QString>("messaggio");

    QTest::newRow("empty list text") << "" << 2.0 << "";
    QTest::newRow("half centimetre") << "2,5" << 3.5 << "";
    QTest::newRow("largest") << "4" << 5.0 << "";
    QTest::newRow("blank") << " " << -1.0 << "13 - Tipo non corrispondente";
    QTest::newRow("letters") << "due" << -1.0 << "13 - Tipo non corrispondente";
    QTest::newRow("point under a comma") << "2.5" << -1.0 << "13 - Tipo non corrispondente";
    // The lever arm vanishes: the required steel divides by zero.
    QTest::newRow("no lever arm") << "17" << -1.0 << "11 - Divisione per zero";
}

void tst_Dimensionamento::copriferro()
{
    QFETCH(QString, testo);
    QFETCH(double, distanza);
    QFETCH(QString, messaggio);

    QString avuto;
    QCOMPARE(Dimensiona(5.0, 200, 20, avuto, testo), distanza > 0);
    QCOMPARE(avuto, messaggio);
    if (distanza > 0) {
        QCOMPARE(Progetto.DistanzaArmatura, distanza);
        QCOMPARE(Progetto.AltezzaUtile, 20 - distanza);
    }
}

// The static scheme holds at every level, so a continuous slab is sized
// with the divisor 12 at the final height too.
void tst_Dimensionamento::continuaAllaAltezzaFinale()
{
    QString messaggio;
    QVERIFY(Dimensiona(6.0, 150, 20, messaggio, QStringLiteral("2"), false));
    QCOMPARE(Progetto.DivisoreMomento.Valore(), 12);
    QCOMPARE(Progetto.MomentoFlettente, 614.25);
    QCOMPARE(Progetto.DiamTondino1.Valore(), 12);
    QCOMPARE(Progetto.DiamTondino2.Valore(), 10);
    QVERIFY(qAbs(Progetto.Freccia - 0.75715) < 1e-5);
    QVERIFY(qAbs(Progetto.RapportoLuceFreccia - 792.44) < 1e-2);
}

QTEST_GUILESS_MAIN(tst_Dimensionamento)
#include "tst_dimensionamento.moc"
