// Resident memory over a working day: the input window loaded, a
// calculation, the revision dialog cancelled or confirmed, back to the input
// window and out of it, a thousand times, every window painted each time.
// Once the first hundred cycles have drawn and cached what they need, the
// rest must leave the resident memory where it was. Memory, not time, is
// measured. (Left out under the sanitizers, whose own bookkeeping grows.)

#include "common/StileApplicazione.h"
#include "input/frmCalFerSol.h"
#include "results/frmModifica.h"
#include "results/frmOutPut2.h"
#include "shell/GestioneFinestre.h"
#include "shell/RegistroFinestre.h"

#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

namespace {

constexpr int CicliDiAvvio = 100;
constexpr int Cicli = 1000;
constexpr double CrescitaMassimaMiB = 2.0;

// The resident set of this process, in MiB, as the kernel counts it.
double MemoriaResidenteMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi.at(1).toLongLong() * double(sysconf(_SC_PAGESIZE)) / 1048576.0
                            : -1;
}

// Everything the click caused, painting and deferred deletions included.
void Clicca(QAbstractButton *pulsante)
{
    QTest::mouseClick(pulsante, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// One technician's calculation with one revision: each window loads,
// paints and unloads once (the result window twice on a confirmation).
bool Ciclo(bool conferma)
{
    frmCalFerSol *input = CaricaCalFerSol();
    input->txtLuceNettaSolaio->setText(QStringLiteral("5,00"));
    input->txtSovracAcc->setText(QStringLiteral("200"));
    QCoreApplication::processEvents();
    Clicca(input->cmdCalcola);
    if (!OutPut2Caricata())
        return false;
    Clicca(OutPut2Caricata()->cmdModifica);
    if (!ModificaCaricata())
        return false;
    Clicca(conferma ? ModificaCaricata()->cmdOk : ModificaCaricata()->cmdAnnulla);
    if (ModificaCaricata() || !OutPut2Caricata())
        return false;
    Clicca(OutPut2Caricata()->cmdBack);
    Clicca(CalFerSolCaricata()->cmdEsci);
    return !CalFerSolCaricata() && !OutPut2Caricata();
}

} // namespace

class tst_Memoria : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void giornataDiLavoro();
};

void tst_Memoria::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    ImpostaStileApplicazione();
    CollegaMotoreAlleFinestre();
}

void tst_Memoria::cleanupTestCase()
{
    if (Registro.Principale)
        Registro.Principale->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Memoria::giornataDiLavoro()
{
    double dopoAvvio = 0;
    for (int ciclo = 1; ciclo <= Cicli; ++ciclo) {
        QVERIFY2(Ciclo(ciclo % 2 == 0), qPrintable(QStringLiteral("cycle %1").arg(ciclo)));
        if (ciclo == CicliDiAvvio)
            dopoAvvio = MemoriaResidenteMiB();
    }
    const double allaFine = MemoriaResidenteMiB();
    qInfo("resident memory after %d cycles %.2f MiB, after %d cycles %.2f MiB", CicliDiAvvio,
          dopoAvvio, Cicli, allaFine);
    QVERIFY(dopoAvvio > 0);
    QVERIFY2(allaFine - dopoAvvio < CrescitaMassimaMiB,
             qPrintable(QStringLiteral("grew by %1 MiB").arg(allaFine - dopoAvvio, 0, 'f', 2)));
}

QTEST_MAIN(tst_Memoria)
#include "tst_memoria.moc"
