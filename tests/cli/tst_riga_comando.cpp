// The command line as a user runs it: the real executable without any
// display, under a decimal-comma and a decimal-point locale. The worked
// sizings in text and CSV, a table with a case that stops, JSON, the values
// a table shows, every way a run fails, with its exit status and message,
// and an output that cannot take the table.

#include "EsempiSvolti.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

struct Esito {
    int stato = -1;
    QByteArray grezza; // standard output as written
    QString uscita;
    QString errori;
};

// No display of any kind, and only the locale given.
void PreparaProcesso(QProcess &processo, const QString &locale)
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char *nome : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE",
                             "LC_NUMERIC", "LC_CTYPE", "LC_MESSAGES"})
        ambiente.remove(QString::fromLatin1(nome));
    ambiente.insert(QStringLiteral("LC_ALL"), locale);
    processo.setProcessEnvironment(ambiente);
}

Esito Esegui(const QStringList &argomenti, const QString &locale = QStringLiteral("it_IT.UTF-8"),
             QProcess::ProcessChannelMode canali = QProcess::SeparateChannels)
{
    Esito esito;
    // Wine, where the Windows tests run, now and then fails to start a
    // process on a loaded machine: a second try tells that from the program.
    const int tentativi = QSysInfo::productType() == u"windows" ? 2 : 1;
    for (int tentativo = 1; tentativo <= tentativi; ++tentativo) {
        QProcess processo;
        PreparaProcesso(processo, locale);
        processo.setProcessChannelMode(canali);
        processo.start(QStringLiteral(PROGRAMMA), argomenti);
        if (processo.waitForFinished(30000) && processo.exitStatus() == QProcess::NormalExit) {
            esito.stato = processo.exitCode();
            esito.grezza = processo.readAllStandardOutput();
            esito.uscita = QString::fromUtf8(esito.grezza);
            esito.errori = QString::fromUtf8(processo.readAllStandardError());
            return esito;
        }
        qWarning("the program did not end normally (try %d): %s, exit code %d", tentativo,
                 qPrintable(processo.errorString()), processo.exitCode());
    }
    return esito;
}

// The locales the program is run in. On Windows it takes the user's
// regional settings, as its parent does, whatever the environment says: the
// test runs there in the Italian one only.
QList<const char *> LocaliProvati()
{
#ifdef Q_OS_WIN
    return {"it_IT.UTF-8"};
#else
    return {"it_IT.UTF-8", "en_US.UTF-8"};
#endif
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
    // As a spreadsheet reads them: a quoted cell may hold the separator, "" is a quote.
    QStringList celle(1);
    bool citato = false;
    for (qsizetype i = 0; i < riga.size(); ++i) {
        if (citato && riga[i] == u'"' && riga.mid(i + 1, 1) == u"\"")
            celle.last() += riga[++i];
        else if (riga[i] == u'"')
            citato = !citato;
        else if (riga[i] == separatore && !citato)
            celle << QString();
        else
            celle.last() += riga[i];
    }
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
    void valori_data();
    void valori();
    void aiuto_data();
    void aiuto();
    void uscitaPerduta_data();
    void uscitaPerduta();
};

void tst_RigaComando::esempi_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("risultati");

    for (const char *locale : LocaliProvati()) {
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
#ifndef Q_OS_WIN
    QTest::newRow("en") << "en_US.UTF-8"
                        << "4.5:5:0.5;10" << QChar(u',');
#endif
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

    // Each row, and a stopped case's message, leaves before the next case is
    // calculated: on one channel the message stands between the rows.
    const Esito insieme = Esegui({QStringLiteral("--luce"), QStringLiteral("10;5"),
                                  QStringLiteral("--sovraccarico"), QStringLiteral("200")},
                                 locale, QProcess::MergedChannels);
    QCOMPARE(insieme.stato, 1);
    QVERIFY2(insieme.uscita.startsWith(QStringLiteral("Luce 10 m – Sovraccarico 200 daN/m2\n") +
                                       eccessiva + u'\n' + caso.arg(200) +
                                       QStringLiteral("\n\nLuce 5 m – ")),
             qPrintable(insieme.uscita));
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
    // A stopped case is named, as in a table, by the load the engine used.
    QTest::newRow("span 0") << caso("0", "200") << 1
                            << "Luce 0 m – Sovraccarico 200 daN/m2: "
                               "Attenzione, Luce Calcolo Solaio non impostata!\n";
    QTest::newRow("span letters") << caso("cinque", "200") << 1
                                  << "Luce cinque m – Sovraccarico 200 daN/m2: "
                                     "Attenzione, Luce Calcolo Solaio non impostata!\n";
    QTest::newRow("load letters") << caso("5", "molto") << 1
                                  << "Luce 5 m – Sovraccarico molto daN/m2: "
                                     "Attenzione, Valore Sovraccarico Errato!\n";
    QTest::newRow("beyond the table") << caso("10", "200,5") << 1
                                      << "Luce 10 m – Sovraccarico 200 daN/m2: "
                                         "Sovraccarico e/o Luce Eccessiva!\n";
    QTest::newRow("height limit")
        << caso("8", "800") << 1
        << "Luce 8 m – Sovraccarico 800 daN/m2: Sovraccarico e/o Luce Eccessivi!\n";
    QTest::newRow("overflow") << caso("5", "40000") << 1
                              << "Luce 5 m – Sovraccarico 40000 daN/m2: 6 - Overflow\n";
    // No screen the windows can open on, though one seemed to be there: the
    // program's line, not Qt's abort.
    const QString senzaSchermo = QStringLiteral(
        "predimvelmora: nessuno schermo disponibile per le finestre; avviarlo da una sessione "
        "grafica (o con ssh -X da un altro computer). La riga di comando funziona anche senza "
        "schermo: predimvelmora --help\n");
    QTest::newRow("no such platform")
        << QStringList{QStringLiteral("--platform"), QStringLiteral("nessuna")} << 1
        << senzaSchermo;
#ifndef Q_OS_WIN // a display of X11
    QTest::newRow("X display not there")
        << QStringList{QStringLiteral("-display"), QStringLiteral(":9999")} << 1 << senzaSchermo;
#endif

    QTest::newRow("no span") << QStringList{QStringLiteral("--sovraccarico"), QStringLiteral("200")}
                             << 2 << "--luce";
    QTest::newRow("no load") << QStringList{QStringLiteral("--luce"), QStringLiteral("5")} << 2
                             << "--sovraccarico";
    QTest::newRow("no value") << QStringList{QStringLiteral("--sovraccarico"),
                                             QStringLiteral("200"), QStringLiteral("--luce")}
                              << 2 << "l'opzione --luce richiede un valore";
    QTest::newRow("option for a value")
        << QStringList{QStringLiteral("--luce"), QStringLiteral("--sovraccarico"),
                       QStringLiteral("200")}
        << 2 << "l'opzione --luce richiede un valore";
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
    QTest::newRow("zero step") << caso("4:6:0", "200") << 2 << "passo deve essere maggiore di zero";
    QTest::newRow("negative step") << caso("5", "100:200:-10") << 2 << "--sovraccarico";
    QTest::newRow("backwards") << caso("6:4:0,5", "200") << 2 << "--luce";
    QTest::newRow("two parts") << caso("4:6", "200") << 2 << "--luce";
    QTest::newRow("endless") << caso("0:1e308:1e-300", "200") << 2 << "--luce";
    QTest::newRow("too many together") << caso("1:1000:1", "1:1000:1") << 2 << "troppi casi";
    QTest::newRow("twice") << caso("5", "200") + QStringList{QStringLiteral("--luce=6")} << 2
                           << "--luce";
    QTest::newRow("unknown") << caso("5", "200") + QStringList{QStringLiteral("--luc")} << 2
                             << "--luc";
    // Misspelt options alone must not open the windows, where a script waits.
    QTest::newRow("all misspelt") << QStringList{QStringLiteral("--lucee"), QStringLiteral("5"),
                                                 QStringLiteral("--sovracarico"),
                                                 QStringLiteral("200")}
                                  << 2 << "opzione sconosciuta \"--lucee\"";
    QTest::newRow("empty item") << caso("5;;6", "200") << 2 << "--luce: l'elenco \"5;;6\"";
    QTest::newRow("empty last item") << caso("5", "200;300;") << 2 << "--sovraccarico";
    QTest::newRow("only a separator") << caso(";", "200") << 2 << "--luce";
    // The engine takes whole daN/m2: 774,5 is 774 and 775,5 is 776.
    QTest::newRow("same load twice")
        << caso("5", "774:776:0,5") << 2 << "il sovraccarico 774 daN/m2 (774,5 vale 774)";
    QTest::newRow("same load in a list") << caso("5", "200;250;200") << 2 << "200 daN/m2;";
    QTest::newRow("long value") << caso("5", "200") +
                                       QStringList{QStringLiteral("--tipo"), QString(131000, u'x')}
                                << 2 << QStringLiteral("\"%1…\"").arg(QString(40, u'x'));

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
                 qPrintable(esito.errori.left(1000)));
        // What was wrong and where to read more: a value echoed in it is cut.
        QCOMPARE(esito.errori.count(u'\n'), 2);
        QVERIFY(esito.errori.size() < 300);
    }
}

void tst_RigaComando::valori_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("luci");
    QTest::addColumn<QString>("carichi");
    // Span/load of each row, as the CSV shows them.
    QTest::addColumn<QString>("attesi");

    for (const char *locale : LocaliProvati()) {
        const auto riga = [locale](const char *nome, const char *luci, const char *carichi,
                                   const char *attesi) {
            const auto nelLocale = [locale](const char *testo) {
                QString t = QString::fromUtf8(testo);
                return Italiano(QString::fromLatin1(locale)) ? t : t.replace(u',', u'.');
            };
            QTest::addRow("%.2s %s", locale, nome) << QString::fromLatin1(locale) << nelLocale(luci)
                                                   << nelLocale(carichi) << nelLocale(attesi);
        };
        // As a person counting by the step writes them, zero included.
        riga("through zero", "-0,3:0,3:0,1", "200",
             "-0,3/200 -0,2/200 -0,1/200 0/200 0,1/200 0,2/200 0,3/200");
        riga("start's decimals", "0,25:2,25:1", "200", "0,25/200 1,25/200 2,25/200");
        // The load the engine calculated with: whole, halves to even.
        riga("whole loads", "5", "250,4;251,5;-0,4", "5/250 5/252 5/0");
        // Echoed texts a spreadsheet would run as formulas are shown as text;
        // a quote, and the message's comma, stay in their cells.
        riga("formulas, quote", "=1+1;-2;@A;5\"", "+200", "'=1+1/200 -2/200 '@A/200 5\"/200");
        riga("every digit", "5,1234567", "200", "5,1234567/200");
    }
}

// What a table says was calculated, in CSV and in JSON.
void tst_RigaComando::valori()
{
    QFETCH(QString, locale);
    QFETCH(QString, luci);
    QFETCH(QString, carichi);
    QFETCH(QString, attesi);

    const QStringList argomenti = {QStringLiteral("--luce"), luci, QStringLiteral("--sovraccarico"),
                                   carichi, QStringLiteral("--formato")};
    const Esito csv = Esegui(argomenti + QStringList{QStringLiteral("csv")}, locale);
    QVERIFY2(csv.stato == 0 || csv.stato == 1, qPrintable(csv.errori));
    QStringList casi;
    for (const QString &riga :
         csv.uscita.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1)) {
        const QStringList celle = Celle(riga, Italiano(locale) ? u';' : u',');
        QCOMPARE(celle.size(), 20);
        casi << celle[0] + u'/' + celle[1];
    }
    QCOMPARE(casi.join(u' '), attesi);

    const Esito json = Esegui(argomenti + QStringList{QStringLiteral("json")}, locale);
    QStringList oggetti;
    for (const QJsonValue caso : QJsonDocument::fromJson(json.grezza).array()) {
        const QJsonValue luce = caso[QStringLiteral("luce")];
        oggetti << (luce.isString() ? luce.toString() : QString::number(luce.toDouble(), 'g', 15)) +
                       u'/' + QString::number(caso[QStringLiteral("sovraccarico")].toDouble());
    }
    QCOMPARE(oggetti.join(u' '), attesi.replace(u',', u'.').remove(u'\''));
}

void tst_RigaComando::aiuto_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("virgola");

    QTest::newRow("it") << "it_IT.UTF-8" << true;
#ifndef Q_OS_WIN
    QTest::newRow("de_CH") << "de_CH.UTF-8" << false;
#endif
}

// The rule of the typed point only where it changes something.
void tst_RigaComando::aiuto()
{
    QFETCH(QString, locale);
    QFETCH(bool, virgola);

    const Esito esito = Esegui({QStringLiteral("--help")}, locale);
    QCOMPARE(esito.stato, 0);
    QCOMPARE(esito.uscita.contains(QStringLiteral("5.30 è")), virgola);
}

void tst_RigaComando::uscitaPerduta_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("perdita");

    const QStringList caso = {QStringLiteral("--luce"), QStringLiteral("5"),
                              QStringLiteral("--sovraccarico"), QStringLiteral("200")};
    // As many cases as one run may have, in one range: accepted, and cut by the output.
    const QStringList tabella = {QStringLiteral("--luce"), QStringLiteral("3:7,99995:0,00005"),
                                 QStringLiteral("--sovraccarico"), QStringLiteral("200"),
                                 QStringLiteral("--formato=csv")};
    QTest::newRow("disk full") << caso << "pieno";
    QTest::newRow("disk full, help") << QStringList{QStringLiteral("--help")} << "pieno";
    QTest::newRow("disk full, version") << QStringList{QStringLiteral("--version")} << "pieno";
    QTest::newRow("closed, csv") << caso + QStringList{QStringLiteral("--formato=csv")} << "chiuso";
    QTest::newRow("closed, json") << caso + QStringList{QStringLiteral("--formato=json")}
                                  << "chiuso";
    QTest::newRow("reader gone, SIGPIPE ignored") << tabella << "tubo";
    QTest::newRow("file limit mid-table") << tabella << "limite";
}

// Output the system would not take, whole or from some row on: status 3 and
// the reason in one line, never 0 for a cut table.
void tst_RigaComando::uscitaPerduta()
{
#ifdef Q_OS_UNIX
    QFETCH(QStringList, argomenti);
    QFETCH(QString, perdita);

    constexpr qint64 Limite = 100000;
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("tabella.csv"));
    QProcess processo;
    PreparaProcesso(processo, QStringLiteral("it_IT.UTF-8"));
    if (perdita == u"pieno")
        processo.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (perdita == u"limite")
        processo.setStandardOutputFile(file);
    processo.setChildProcessModifier([perdita] {
        if (perdita == u"chiuso") {
            ::close(1);
        } else if (perdita == u"tubo") {
            std::signal(SIGPIPE, SIG_IGN);
            int tubo[2];
            if (::pipe(tubo) == 0) {
                ::dup2(tubo[1], 1);
                ::close(tubo[0]);
                ::close(tubo[1]);
            }
        } else if (perdita == u"limite") {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{Limite, Limite};
            ::setrlimit(RLIMIT_FSIZE, &limite);
        }
    });
    processo.start(QStringLiteral(PROGRAMMA), argomenti);
    QVERIFY(processo.waitForFinished(30000));
    QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
    const QString errori = QString::fromUtf8(processo.readAllStandardError());
    QCOMPARE(processo.exitCode(), 3);
    static const QRegularExpression motivo(QStringLiteral("^predimvelmora: [^\n]+\\(.+\\)\n$"));
    QVERIFY2(motivo.match(errori).hasMatch(), qPrintable(errori));
    if (perdita == u"limite")
        QCOMPARE(QFileInfo(file).size(), Limite);
#else
    QSKIP("the outputs are made with POSIX calls");
#endif
}

QTEST_GUILESS_MAIN(tst_RigaComando)
#include "tst_riga_comando.moc"
