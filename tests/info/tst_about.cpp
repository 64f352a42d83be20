// The about box: its texts and places, how it closes, and how it finds and
// starts the system-information tool, with a fake registry, file test and
// start; on Linux with the stand-in on a PATH of our own, on Windows with the
// registry itself.

#include "AiutiFinestre.h"
#include "info/ServiziSistema.h"
#include "info/frmAbout.h"
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "info/RegistroLinux.h"
#endif

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <stdexcept>
#include <tuple>

namespace {

const QString PATH = QStringLiteral("PATH"), MSINFO = QStringLiteral("MSINFO");

// A value: its type, its bytes, and the size reported when not theirs;
// "guasto" throws while it is read.
struct Valore {
    QByteArray dati;
    quint32 tipo = RegistroSistema::TipoTesto;
    int dimensione = -1;
    bool guasto = false;
};

// Keys by path and their values by name; a key may refuse to open. Like an
// ordinary user's registry, it refuses any right beyond reading. It keeps
// what it was asked.
class RegistroFinto : public RegistroSistema {
public:
    long ApriChiave(quint32 radice, const QString &percorso, quint32, quint32 accesso,
                    Chiave &aperta) override
    {
        aperture << percorso;
        if (radice != MacchinaLocale || !valori.contains(percorso) || rifiutate.contains(percorso))
            return NonTrovato;
        if (accesso & ~AccessoLettura)
            return AccessoNegato;
        aperta = ++ultima;
        percorsi.insert(aperta, percorso);
        return Riuscito;
    }

    long LeggiValore(Chiave chiave, const QString &nome, quint32 &tipo, char *dati,
                     quint32 &dimensione) override
    {
        const auto trovato = valori[percorsi.value(chiave)].constFind(nome);
        if (trovato == valori[percorsi.value(chiave)].constEnd())
            return NonTrovato;
        if (trovato->guasto)
            throw std::runtime_error("guasto del registro");
        tipo = trovato->tipo;
        if (quint32(trovato->dati.size()) > dimensione) {
            dimensione = trovato->dati.size();
            return DatiTroppoLunghi;
        }
        std::memcpy(dati, trovato->dati.constData(), trovato->dati.size());
        dimensione = trovato->dimensione >= 0 ? trovato->dimensione : trovato->dati.size();
        return Riuscito;
    }

    long ChiudiChiave(Chiave chiave) override
    {
        chiuse << chiave;
        return Riuscito;
    }

    QHash<QString, QHash<QString, Valore>> valori;
    QStringList rifiutate, aperture;
    QHash<Chiave, QString> percorsi;
    QList<Chiave> chiuse;
    Chiave ultima = 0;
};

class ServiziFinti : public ServiziSistema {
public:
    RegistroSistema &Registro() override { return registro; }
    bool EsisteFile(const QString &percorso) override { return file.contains(percorso); }
    bool AvviaProgramma(const QString &percorso) override
    {
        avviati << percorso;
        return avvioRiesce;
    }

    RegistroFinto registro;
    QStringList file, avviati;
    bool avvioRiesce = true;
};

struct Scenario {
    QHash<QString, QHash<QString, Valore>> valori;
    QStringList rifiutate = {}, file = {};
    bool avvioRiesce = true;
};

} // namespace

Q_DECLARE_METATYPE(Scenario)
Q_DECLARE_METATYPE(Valore)

class tst_About : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void caricamento();
    void chiusura_data();
    void chiusura();
    void startSysInfo_data();
    void startSysInfo();
    void getKeyValue_data();
    void getKeyValue();
#ifdef Q_OS_WIN
    void registroDiWindows_data();
    void registroDiWindows();
#else
    void strumentoSulPercorso_data();
    void strumentoSulPercorso();
#endif

private:
    frmAbout *NuovoAbout();

    QPointer<frmAbout> finestra;
    ServiziFinti *servizi = nullptr;
    QByteArray percorsoOriginale = qgetenv("PATH");
};

void tst_About::init()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void tst_About::cleanup()
{
    qputenv("PATH", percorsoOriginale);
    delete finestra;
}

frmAbout *tst_About::NuovoAbout()
{
    finestra = new frmAbout;
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    auto finti = std::make_unique<ServiziFinti>();
    servizi = finti.get();
    finestra->ImpostaServizi(std::move(finti));
    finestra->Form_Load();
    finestra->show();
    return finestra;
}

// The texts set at load, every control in its place, every text whole in
// its box, the etched separator.
void tst_About::caricamento()
{
    NuovoAbout();
    QCOMPARE(finestra->windowTitle(), QStringLiteral("Informazioni su PredimVelmora"));
    QCOMPARE(finestra->lblTitle->text(), QStringLiteral("PredimVelmora"));
    QCOMPARE(finestra->lblVersion->text(), QStringLiteral("Versione 1.0.17"));
    QCOMPARE(finestra->lblDescription->text(),
             QStringLiteral("Descrizione Applicazione: \r\nApplicativo per il predimensionamento "
                            "dei solai Velmora."));
    QCOMPARE(finestra->lblDisclaimer->text(),
             QStringLiteral("Avviso: Gli Autori e il Distributore del software non forniscono "
                            "alcuna garanzia implicita o esplicita sui risultati ottenuti e sulle "
                            "conseguenze derivanti dal loro impiego.Il presente applicativo ha "
                            "solo funzione di predimensionamento dei solai!"));
    // A province and an address that reaches no one.
    QVERIFY(
        QRegularExpression("^Software Developed: Nordwick, [A-Z]{2} - [a-z.]+@[a-z.]+\\.example$")
            .match(finestra->lblSoftware->text())
            .hasMatch());

    QCOMPARE(finestra->size(), QSize(382, 252));
    QCOMPARE(finestra->minimumSize(), finestra->maximumSize());
    QVERIFY(
        !(finestra->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const QList<QPair<QString, QRect>> posti = {
        {"picIcon", {240, 240, 780, 780}},        {"lblTitle", {1185, 240, 3885, 480}},
        {"lblVersion", {1185, 780, 3885, 225}},   {"lblDescription", {1185, 1125, 3885, 630}},
        {"lblSoftware", {1185, 1845, 3885, 495}}, {"lblDisclaimer", {165, 2625, 3960, 1050}},
        {"cmdOK", {4245, 2940, 1260, 345}},       {"cmdSysInfo", {4260, 3345, 1245, 345}}};
    for (const auto &[nome, twips] : posti) {
        auto *controllo = finestra->findChild<QWidget *>(nome);
        QCOMPARE(Twips(controllo), twips);
        if (auto *etichetta = qobject_cast<QLabel *>(controllo))
            QVERIFY2(etichetta->heightForWidth(etichetta->width()) <= etichetta->height(),
                     qPrintable(nome));
    }
    QCOMPARE(finestra->cmdSysInfo->text(), QStringLiteral("&System Info..."));
    for (const auto &[nome, colore, y] : {std::tuple("Line1(1)", QColor(128, 128, 128), 2445),
                                          std::tuple("Line1(0)", QColor(Qt::white), 2460)}) {
        QObject *linea = finestra->findChild<QObject *>(nome);
        QCOMPARE(linea->property("color").value<QColor>(), colore);
        QCOMPARE(linea->property("y1").toInt(), y);
        QCOMPARE(linea->property("x2").toInt(), 5654);
    }
}

void tst_About::chiusura_data()
{
    QTest::addColumn<int>("tasto"); // 0: a click on OK
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

// OK, Enter and Esc close the box, which is then destroyed.
void tst_About::chiusura()
{
    QFETCH(int, tasto);
    NuovoAbout();
    QVERIFY(QTest::qWaitForWindowActive(finestra));
    QCOMPARE(QApplication::focusWidget(), finestra->cmdOK);
    if (tasto)
        QTest::keyClick(finestra->cmdOK, Qt::Key(tasto));
    else
        QTest::mouseClick(finestra->cmdOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!finestra);
}

void tst_About::startSysInfo_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QString>("avviato"); // "" with the message box
    QTest::addColumn<int>("chiaviAperte");

    const QString strumento = QStringLiteral("C:\\Programmi\\Strumenti\\MSINFO32.EXE");
    const QString cartella = QStringLiteral("C:\\Strumenti Condivisi");
    const QString inCartella = cartella + QStringLiteral("\\MSINFO32.EXE");
    const Valore conNul{strumento.toLatin1() + '\0'};
    const Valore cartellaConNul{cartella.toLatin1() + '\0'};

    const auto riga = [](const char *nome, Scenario s, const QString &avviato, int aperte) {
        QTest::newRow(nome) << s << avviato << aperte;
    };
    riga("tool's path, with its NUL", {{{ChiaveSysInfo, {{PATH, conNul}}}}}, strumento, 1);
    riga("tool's path, no NUL", {{{ChiaveSysInfo, {{PATH, {strumento.toLatin1()}}}}}}, strumento,
         1);
    riga("no first key: the directory",
         {{{ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}}, {}, {inCartella}}, inCartella, 2);
    riga("first key without PATH",
         {{{ChiaveSysInfo, {}}, {ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}}, {}, {inCartella}},
         inCartella, 2);
    riga("first value longer than the buffer",
         {{{ChiaveSysInfo, {{PATH, {QByteArray(1025, 'x')}}}},
           {ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}},
          {},
          {inCartella}},
         inCartella, 2);
    riga("no MSINFO32.EXE in the directory",
         {{{ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}}, {}, {cartella}}, "", 2);
    riga("neither key", {}, "", 2);
    riga("both keys refused",
         {{{ChiaveSysInfo, {{PATH, conNul}}}, {ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}},
          {ChiaveSysInfo, ChiaveSysInfoLoc},
          {inCartella}},
         "", 2);
    // A failure while reading ends it at once: the second key is not tried.
    riga("empty first value",
         {{{ChiaveSysInfo, {{PATH, {}}}}, {ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}},
          {},
          {inCartella}},
         "", 1);
    riga("first reading breaks down",
         {{{ChiaveSysInfo, {{PATH, {{}, 1, -1, true}}}},
           {ChiaveSysInfoLoc, {{MSINFO, cartellaConNul}}}},
          {},
          {inCartella}},
         "", 1);
    riga("first value of another type", {{{ChiaveSysInfo, {{PATH, {conNul.dati, 2}}}}}}, "", 1);
    riga("the start fails", {{{ChiaveSysInfo, {{PATH, conNul}}}}, {}, {}, false}, "", 1);
}

// Every way through the lookup: what is started, how many keys were tried
// (read only, every open one closed), and the box when nothing can be.
void tst_About::startSysInfo()
{
    QFETCH(Scenario, scenario);
    QFETCH(QString, avviato);
    QFETCH(int, chiaviAperte);
    NuovoAbout();
    servizi->registro.valori = scenario.valori;
    servizi->registro.rifiutate = scenario.rifiutate;
    servizi->file = scenario.file;
    servizi->avvioRiesce = scenario.avvioRiesce;

    RispostaAvviso risposta;
    QTest::mouseClick(finestra->cmdSysInfo, Qt::LeftButton);

    if (scenario.avvioRiesce)
        QCOMPARE(servizi->avviati, avviato.isEmpty() ? QStringList{} : QStringList{avviato});
    QCOMPARE(servizi->registro.aperture,
             QStringList({ChiaveSysInfo, ChiaveSysInfoLoc}).mid(0, chiaviAperte));
    QList<RegistroSistema::Chiave> aperte = servizi->registro.percorsi.keys();
    std::sort(aperte.begin(), aperte.end());
    QCOMPARE(servizi->registro.chiuse, aperte);
    QCOMPARE(risposta.visti.size(), avviato.isEmpty() ? 1 : 0);
    if (avviato.isEmpty()) {
        QCOMPARE(risposta.visti[0].testo,
                 QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."));
        QCOMPARE(risposta.visti[0].titolo, QStringLiteral("PredimVelmora"));
        QCOMPARE(risposta.visti[0].icona, QMessageBox::NoIcon);
        QCOMPARE(risposta.visti[0].pulsanti, QMessageBox::Ok);
    }
    QVERIFY(finestra->isVisible());
}

void tst_About::getKeyValue_data()
{
    QTest::addColumn<Valore>("valore");
    QTest::addColumn<bool>("letto");
    QTest::addColumn<QString>("testo");

    QTest::newRow("only the NUL") << Valore{QByteArray(1, '\0')} << true << "";
    QTest::newRow("the whole buffer")
        << Valore{QByteArray(1024, 'x')} << true << QString(1024, u'x');
    QTest::newRow("accented") << Valore{QStringLiteral("Città").toLocal8Bit() + '\0'} << true
                              << QStringLiteral("Città");
    QTest::newRow("DWORD") << Valore{QByteArrayLiteral("\x02\x01\x00\x00"), 4} << true << "258";
    QTest::newRow("DWORD, top bit")
        << Valore{QByteArrayLiteral("\x00\x00\x00\x80"), 4} << true << "2147483648";
    QTest::newRow("other type") << Valore{QByteArrayLiteral("a\0\0"), 7} << true << "prima";
}

// The text of a value by its type; a key that does not open empties it.
void tst_About::getKeyValue()
{
    QFETCH(Valore, valore);
    QFETCH(bool, letto);
    QFETCH(QString, testo);
    NuovoAbout();
    servizi->registro.valori[ChiaveSysInfo][PATH] = valore;
    QString valoreLetto = QStringLiteral("prima");
    QCOMPARE(
        finestra->GetKeyValue(RegistroSistema::MacchinaLocale, ChiaveSysInfo, PATH, valoreLetto),
        letto);
    QCOMPARE(valoreLetto, testo);
    QVERIFY(!finestra->GetKeyValue(RegistroSistema::MacchinaLocale, ChiaveSysInfoLoc, PATH,
                                   valoreLetto));
    QCOMPARE(valoreLetto, QString());
}

#ifndef Q_OS_WIN
void tst_About::strumentoSulPercorso_data()
{
    QTest::addColumn<QStringList>("programmi"); // "-" before one not executable
    QTest::addColumn<QString>("percorso");      // PATH, "%1" for the folder of the programs
    QTest::addColumn<QString>("avviato");

    QTest::newRow("none") << QStringList{} << "%1"
                          << "";
    QTest::newRow("the KDE centre") << QStringList{"kinfocenter"} << "%1"
                                    << "kinfocenter";
    QTest::newRow("the profiler first") << QStringList{"kinfocenter", "hardinfo"} << "%1"
                                        << "hardinfo";
    QTest::newRow("the newer profiler first")
        << QStringList{"cpu-x", "hardinfo", "hardinfo2", "kinfocenter"} << "%1"
        << "hardinfo2";
    QTest::newRow("not executable") << QStringList{"-hardinfo2", "cpu-x"} << "%1"
                                    << "cpu-x";
    // Started from the folder of the programs: relative entries of PATH
    // point there, and are passed over.
    QTest::newRow("the current folder first")
        << QStringList{"hardinfo2", "kinfocenter"} << ".:/usr/bin"
        << "";
    QTest::newRow("a relative folder first")
        << QStringList{"rel/hardinfo2", "rel/cpu-x"} << "rel:/usr/bin"
        << "";
    QTest::newRow("a relative folder after the folder")
        << QStringList{"rel/hardinfo2", "cpu-x"} << "rel:%1"
        << "cpu-x";
}

// On Linux: the stand-in answers the first key with a tool found in a folder
// PATH names absolutely, which starts; without one, the box says so.
// Writing rights are refused.
void tst_About::strumentoSulPercorso()
{
    QFETCH(QStringList, programmi);
    QFETCH(QString, percorso);
    QFETCH(QString, avviato);
    QTemporaryDir cartella;
    const QDir dir(cartella.path());
    QVERIFY(dir.mkpath(QStringLiteral("rel")));
    for (QString programma : programmi) {
        const bool eseguibile = !programma.startsWith(u'-');
        if (!eseguibile)
            programma.remove(0, 1);
        QFile file(dir.filePath(programma));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n/usr/bin/touch \"$0.avviato\"\n");
        file.setPermissions(file.permissions() | (eseguibile ? QFile::ExeOwner : QFile::ReadOwner));
    }
    qputenv("PATH", QFile::encodeName(percorso.replace(QStringLiteral("%1"), cartella.path())));
    const QString cartellaIniziale = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cartella.path()));
    const auto avviati = [&dir] {
        return dir.entryList({QStringLiteral("*.avviato")}) +
               QDir(dir.filePath(QStringLiteral("rel"))).entryList({QStringLiteral("*.avviato")});
    };

    const QString trovato = RegistroLinux::ProgrammaInformazioniSistema();
    if (!trovato.isEmpty() && !trovato.startsWith(cartella.path())) {
        QDir::setCurrent(cartellaIniziale);
        QSKIP("a system-information tool is installed on this system");
    }
    RegistroLinux registro;
    RegistroSistema::Chiave chiave = 0;
    QCOMPARE(
        registro.ApriChiave(RegistroSistema::MacchinaLocale, ChiaveSysInfo, 0, 0x2003F, chiave),
        RegistroSistema::AccessoNegato);

    finestra = new frmAbout;
    finestra->Form_Load();
    RispostaAvviso risposta;
    QTest::mouseClick(finestra->cmdSysInfo, Qt::LeftButton);
    QDir::setCurrent(cartellaIniziale);
    QCOMPARE(risposta.visti.size(), avviato.isEmpty() ? 1 : 0);
    if (!avviato.isEmpty())
        QTRY_VERIFY(dir.exists(avviato + QStringLiteral(".avviato")));
    QCOMPARE(avviati().size(), avviato.isEmpty() ? 0 : 1);
}
#else
void tst_About::registroDiWindows_data()
{
    QTest::addColumn<bool>("piantata"); // the key that names the tool, with its path
    QTest::newRow("the key names the tool") << true;
    QTest::newRow("no key") << false;
}

// On Windows: the tool the registry names starts; without the key, the box
// says so. The key is planted in the registry itself (as Wine's, where the
// Windows tests run).
void tst_About::registroDiWindows()
{
    QFETCH(bool, piantata);
    QTemporaryDir cartella;
    const QString strumento =
        QDir::toNativeSeparators(cartella.filePath(QStringLiteral("info.cmd")));
    QFile file(strumento);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@echo avviato> \"%~dp0avviato.txt\"\r\n");
    file.close();

    const QByteArray chiave = ChiaveSysInfo.toLatin1();
    const QByteArray posizione = ChiaveSysInfoLoc.toLatin1();
    for (const QByteArray &percorso : {chiave, posizione})
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, percorso.constData(), KEY_WOW64_64KEY, 0);
    if (piantata) {
        HKEY aperta = nullptr;
        QCOMPARE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, chiave.constData(), 0, nullptr, 0,
                                 KEY_WRITE | KEY_WOW64_64KEY, nullptr, &aperta, nullptr),
                 ERROR_SUCCESS);
        const QByteArray valore = strumento.toLocal8Bit();
        QCOMPARE(RegSetValueExA(aperta, "PATH", 0, REG_SZ,
                                reinterpret_cast<const BYTE *>(valore.constData()),
                                DWORD(valore.size() + 1)),
                 ERROR_SUCCESS);
        RegCloseKey(aperta);
    }
    const auto pulizia = qScopeGuard(
        [&] { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, chiave.constData(), KEY_WOW64_64KEY, 0); });

    finestra = new frmAbout;
    finestra->Form_Load();
    RispostaAvviso risposta;
    QTest::mouseClick(finestra->cmdSysInfo, Qt::LeftButton);
    QCOMPARE(risposta.visti.size(), piantata ? 0 : 1);
    if (piantata)
        QTRY_VERIFY(QFile::exists(cartella.filePath(QStringLiteral("avviato.txt"))));
    else
        QCOMPARE(risposta.visti.first().testo,
                 QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."));
}
#endif

QTEST_MAIN(tst_About)
#include "tst_about.moc"
