// The command line as a user runs it: the real executable without any
// display, under a decimal-comma and a decimal-point locale. The worked
// sizings in text and CSV, a table with a case that stops, JSON, and every
// way a run fails, with its exit status and message.

#include "EsempiSvolti.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Esito {
    int stato = -1;
    QByteArray grezza; // standard output as written
    QString uscita;
    QString errori;
};

// No display of any kind, and only the locale given.
Esito Esegui(const QStringList &argomenti, const QString &locale = QStringLiteral("it_IT.UTF-8"))
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char *nome : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE",
                             "LC_NUMERIC", "LC_CTYPE", "LC_MESSAGES"})
        ambiente.remove(QString::fromLatin1(nome));
    ambiente.insert(QStringLiteral("LC_ALL"), locale);
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(PROGRAMMA), argomenti);
    Esito esito;
    if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit)
        return esito;
    esito.stato = processo.exitCode();
    esito.grezza = processo.readAllStandardOutput();
    esito.uscita = QString::fromUtf8(esito.grezza);
    esito.errori = QString::fromUtf8(processo.readAllStandardError());
    return esito;
}

bool Italiano(const QString &locale)
{
    return locale.startsWith(u"it");
}

// The figures of the text output: on each line that ends a caption, the
// figure after a run of blanks, then the unit.
QStringList FigureDelTesto(const QString &testo)
{
    static const QRegularExpression riga(QStringLiteral("^(.*\\S)\\s{2,}(\\S+)( .*)?$"));
    QStringList figure;
    for (const QString &linea : testo.split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = riga.match(linea);
        if (m.hasMatch())
            figure << m.captured(2);
    }
    return figure;
}

// The cells of one CSV row: no field of these rows holds the separator or a
// quote, so quoting only wraps a field.
QStringList Celle(const QString &riga, QChar separatore)
{
    QStringList celle = riga.split(separatore);
    for (QString &cella : celle)
        if (cella.startsWith(u'"') && cella.endsWith(u'"'))
            cella = cella.mid(1, cella.size() - 2);
    return celle;
}

} // namespace

class tst_RigaComando : public QObject {
    Q_OBJECT

private slots:
    void esempi_data();
    void esempi();
    void tabella_data();
    void tabella();
    void esiti_data();
    void esiti();
};

void tst_RigaComando::esempi_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("risultati");

    for (const char *locale : {"it_IT.UTF-8", "en_US.UTF-8"}) {
        for (const EsempioSvolto &e : EsempiSvolti) {
            const QString cf = QString::fromUtf8(e.cf);
            const QString ss = QString::fromUtf8(e.ss);
            // Only the lists' items can be given.
            if (cf.isEmpty() || ss == u"0")
                continue;
            // Typed with a point: under a decimal comma the point counts as one.
            const auto punto = [](const char *testo) {
                return QString::fromUtf8(testo).replace(u',', u'.');
            };
            QString risultati = QString::fromUtf8(e.risultati);
            if (!Italiano(QString::fromLatin1(locale)))
                risultati.replace(u',', u'.');
            QTest::addRow("%.2s %s", locale, e.nome)
                << QString::fromLatin1(locale)
                << QStringList{QStringLiteral("--luce"),
                               punto(e.luce),
                               QStringLiteral("--sovraccarico"),
                               punto(e.carico),
                               QStringLiteral("--copriferro"),
                               punto(e.cf),
                               QStringLiteral("--sottotravetto"),
                               ss,
                               QStringLiteral("--tipo"),
                               e.intermedio ? QStringLiteral("intermedio")
                                            : QStringLiteral("copertura"),
                               QStringLiteral("--schema"),
                               e.singola ? QStringLiteral("singola") : QStringLiteral("continua")}
                << risultati;
        }
    }
}

// One slab: the thirteen figures in the locale's format, after the result
// window's captions and before its units; in CSV after the six inputs.
void tst_RigaComando::esempi()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, argomenti);
    QFETCH(QString, risultati);

    const Esito testo = Esegui(argomenti, locale);
    QCOMPARE(testo.stato, 0);
    QCOMPARE(testo.errori, QString());
    QCOMPARE(FigureDelTesto(testo.uscita).join(u' '), risultati);
    const QStringList linee = testo.uscita.split(u'\n');
    QVERIFY(linee.first().startsWith(u"Altezza Cappa (HC) "));
    QVERIFY(linee.first().endsWith(u" cm"));
    QVERIFY2(testo.uscita.contains(QString::fromUtf8("\nAcciaio ø''  ")), qPrintable(testo.uscita));
    QVERIFY(linee.at(linee.size() - 2).startsWith(u"Trasmittanza termica K "));
    QVERIFY(linee.at(linee.size() - 2).endsWith(QString::fromUtf8(" W / (mq x °C)")));

    const Esito csv =
        Esegui(argomenti + QStringList{QStringLiteral("--formato"), QStringLiteral("csv")}, locale);
    QCOMPARE(csv.stato, 0);
    QVERIFY(csv.grezza.startsWith("\xEF\xBB\xBF")); // UTF-8 said so to spreadsheets
    const QStringList righe = csv.uscita.split(QStringLiteral("\r\n"));
    QCOMPARE(righe.size(), 3);
    QCOMPARE(righe.last(), QString());
    const QChar separatore = Italiano(locale) ? u';' : u',';
    QCOMPARE(Celle(righe[0], separatore).size(), 20);
    const QStringList celle = Celle(righe[1], separatore);
    QCOMPARE(celle.size(), 20);
    QCOMPARE(celle.mid(6, 13).join(u' '), risultati);
    QCOMPARE(celle.last(), QString());
}

void tst_RigaComando::tabella_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("luci");
    QTest::addColumn<QChar>("separatore");

    QTest::newRow("it") << "it_IT.UTF-8"
                        << "4,5:5:0,5;10" << QChar(u';');
    QTest::newRow("en") << "en_US.UTF-8"
                        << "4.5:5:0.5;10" << QChar(u',');
}

// Every span with every load, in order; the case that stops carries its
// message in its row, the others are written all the same, status 1.
void tst_RigaComando::tabella()
{
    QFETCH(QString, locale);
    QFETCH(QString, luci);
    QFETCH(QChar, separatore);

    const QStringList argomenti = {QStringLiteral("--luce"), luci, QStringLiteral("--sovraccarico"),
                                   QStringLiteral("200;800")};
    const QString eccessiva = QStringLiteral("Sovraccarico e/o Luce Eccessiva!");
    const QString caso = QStringLiteral("Luce 10 m – Sovraccarico %1 daN/m2: ") + eccessiva;
    const QString erroriAttesi = caso.arg(200) + u'\n' + caso.arg(800) + u'\n';

    const Esito csv = Esegui(argomenti + QStringList{QStringLiteral("--formato=csv")}, locale);
    QCOMPARE(csv.stato, 1);
    QCOMPARE(csv.errori, erroriAttesi);
    const QStringList righe = csv.uscita.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(righe.size(), 7);
    QStringList casi;
    for (const QString &riga : righe.mid(1)) {
        const QStringList celle = Celle(riga, separatore);
        QCOMPARE(celle.size(), 20);
        casi << celle[0] + u'/' + celle[1] + u'/' + celle[12] + u'/' + celle[19];
    }
    QString attesi = QStringLiteral("4,5/200/2,51/ 4,5/800/5,96/ 5/200/2,51/ 5/800/6,66/ "
                                    "10/200//%1 10/800//%1")
                         .arg(eccessiva);
    if (separatore == u',')
        attesi.replace(u',', u'.');
    QCOMPARE(casi.join(u' '), attesi);

    const Esito testo = Esegui(argomenti, locale);
    QCOMPARE(testo.stato, 1);
    QCOMPARE(testo.errori, erroriAttesi);
    QVERIFY(testo.uscita.endsWith(QStringLiteral("\nLuce 10 m – Sovraccarico 800 daN/m2\n") +
                                  eccessiva + u'\n'));
    QCOMPARE(FigureDelTesto(testo.uscita).size(), 4 * 13);

    // JSON writes numbers with a point whatever the locale.
    const Esito json = Esegui(
        argomenti + QStringList{QStringLiteral("--formato"), QStringLiteral("json")}, locale);
    QCOMPARE(json.stato, 1);
    QJsonParseError errore;
    const QJsonArray array = QJsonDocument::fromJson(json.uscita.toUtf8(), &errore).array();
    QCOMPARE(errore.error, QJsonParseError::NoError);
    QCOMPARE(array.size(), 6);
    QCOMPARE(array[0][QStringLiteral("luce")].toDouble(), 4.5);
    QCOMPARE(array[0][QStringLiteral("risultati")][QStringLiteral("txtK")].toDouble(), 0.342);
    QCOMPARE(array[0][QStringLiteral("tipo")].toString(), QStringLiteral("intermedio"));
    QCOMPARE(array[5][QStringLiteral("messaggio")].toString(), eccessiva);
    QVERIFY(!array[5].toObject().contains(QStringLiteral("risultati")));
}

void tst_RigaComando::esiti_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("stato");
    // Status 1: standard error word for word. Status 2: the option named.
    // Status 0: standard output word for word, or a part of it.
    QTest::addColumn<QString>("atteso");

    const auto caso = [](const char *luce, const char *carico) {
        return QStringList{QStringLiteral("--luce"), QString::fromUtf8(luce),
                           QStringLiteral("--sovraccarico"), QString::fromUtf8(carico)};
    };
    QTest::newRow("span 0") << caso("0", "200") << 1
                            << "Attenzione, Luce Calcolo Solaio non impostata!\n";
    QTest::newRow("span letters") << caso("cinque", "200") << 1
                                  << "Attenzione, Luce Calcolo Solaio non impostata!\n";
    QTest::newRow("load letters") << caso("5", "molto") << 1
                                  << "Attenzione, Valore Sovraccarico Errato!\n";
    QTest::newRow("beyond the table")
        << caso("10", "200") << 1 << "Sovraccarico e/o Luce Eccessiva!\n";
    QTest::newRow("height limit") << caso("8", "800") << 1 << "Sovraccarico e/o Luce Eccessivi!\n";
    QTest::newRow("overflow") << caso("5", "40000") << 1 << "6 - Overflow\n";

    QTest::newRow("no span") << QStringList{QStringLiteral("--sovraccarico"), QStringLiteral("200")}
                             << 2 << "--luce";
    QTest::newRow("no load") << QStringList{QStringLiteral("--luce"), QStringLiteral("5")} << 2
                             << "--sovraccarico";
    QTest::newRow("no value") << QStringList{QStringLiteral("--sovraccarico"),
                                             QStringLiteral("200"), QStringLiteral("--luce")}
                              << 2 << "--luce";
    QTest::newRow("cover off the list")
        << caso("5", "200") + QStringList{QStringLiteral("--copriferro"), QStringLiteral("5")} << 2
        << "--copriferro";
    QTest::newRow("thickness off the list")
        << caso("5", "200") + QStringList{QStringLiteral("--sottotravetto=4.5")} << 2
        << "--sottotravetto";
    QTest::newRow("type") << caso("5", "200") + QStringList{QStringLiteral("--tipo=tetto")} << 2
                          << "--tipo";
    QTest::newRow("scheme") << caso("5", "200") + QStringList{QStringLiteral("--schema=doppia")}
                            << 2 << "--schema";
    QTest::newRow("format") << caso("5", "200") + QStringList{QStringLiteral("--formato=xls")} << 2
                            << "--formato";
    QTest::newRow("zero step") << caso("4:6:0", "200") << 2 << "--luce";
    QTest::newRow("negative step") << caso("5", "100:200:-10") << 2 << "--sovraccarico";
    QTest::newRow("backwards") << caso("6:4:0,5", "200") << 2 << "--luce";
    QTest::newRow("two parts") << caso("4:6", "200") << 2 << "--luce";
    QTest::newRow("endless") << caso("0:1e308:1e-300", "200") << 2 << "--luce";
    QTest::newRow("too many together") << caso("1:1000:1", "1:1000:1") << 2 << "troppi casi";
    QTest::newRow("twice") << caso("5", "200") + QStringList{QStringLiteral("--luce=6")} << 2
                           << "--luce";
    QTest::newRow("unknown") << caso("5", "200") + QStringList{QStringLiteral("--luc")} << 2
                             << "--luc";

    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                             << "PredimVelmora 1.0.17\n";
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                          << "elenco separato da \";\"";
}

void tst_RigaComando::esiti()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, stato);
    QFETCH(QString, atteso);

    const Esito esito = Esegui(argomenti);
    QCOMPARE(esito.stato, stato);
    switch (stato) {
    case 0:
        QCOMPARE(esito.errori, QString());
        if (atteso.endsWith(u'\n'))
            QCOMPARE(esito.uscita, atteso);
        else
            QVERIFY2(esito.uscita.contains(atteso), qPrintable(esito.uscita));
        break;
    case 1:
        QCOMPARE(esito.uscita, QString());
        QCOMPARE(esito.errori, atteso);
        break;
    default:
        QCOMPARE(esito.uscita, QString());
        QVERIFY2(esito.errori.startsWith(u"predimvelmora: ") && esito.errori.contains(atteso),
                 qPrintable(esito.errori));
    }
}

QTEST_GUILESS_MAIN(tst_RigaComando)
#include "tst_riga_comando.moc"
