#pragma once

// What the tests that drive real windows share: typing into a text box, the
// result window's texts, and a guard against message boxes nobody answers.

#include "modVelmora.h"
#include "shell/GestioneFinestre.h"
#include "shell/RegistroFinestre.h"
#include "shell/mdiVelmora.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

// The rectangle a widget was placed at, in twips; empty for no widget.
inline QRect Twips(const QObject *oggetto)
{
    return oggetto ? oggetto->property("twips").toRect() : QRect();
}

// Tabs into a text box (which selects its text) and types over it.
inline void Digita(QLineEdit *casella, const QString &testo)
{
    QVERIFY2(casella, "no text box to type into");
    casella->setFocus(Qt::TabFocusReason);
    casella->selectAll();
    QTest::keyClicks(casella, testo);
}

// The thirteen result texts of a window, in the order the engine writes them;
// "?" for a box the window lacks.
inline QStringList TestiRisultato(const QWidget *risultati)
{
    QStringList testi;
    for (const QString &nome : CaselleRisultato) {
        const auto *casella = risultati ? risultati->findChild<QLineEdit *>(nome) : nullptr;
        testi << (casella ? casella->text() : QStringLiteral("?"));
    }
    return testi;
}

// The main window loaded with the input window in it, and active.
inline frmCalFerSol *ApriInput()
{
    frmCalFerSol *input = CaricaCalFerSol();
    QWidget *principale = Registro.Principale;
    if (principale)
        principale->activateWindow();
    if (!principale || !QTest::qWaitForWindowActive(principale))
        qWarning("the main window did not become active");
    return input;
}

// A click on a button, and the windows it closed gone; false for no button.
inline bool Clicca(QAbstractButton *pulsante)
{
    if (pulsante)
        QTest::mouseClick(pulsante, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return pulsante;
}

// Every window closed and gone, as before the program starts.
inline void ChiudiProgramma()
{
    for (QWidget *finestra : {Registro.Splash.data(), static_cast<QWidget *>(Registro.Principale)})
        if (finestra)
            finestra->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Registro.Principale && !Registro.Splash && !Registro.About);
    QVERIFY(!CalFerSolCaricata() && !OutPut2Caricata() && !ModificaCaricata());
}

// While one lives, message boxes are expected: something answers them
// (RispostaAvviso, RispostaDialoghi, or the test itself).
struct AvvisiAttesi {
    inline static int quanti = 0;
    AvvisiAttesi() { ++quanti; }
    ~AvvisiAttesi() { --quanti; }
};

// Whether the busy pointer is up.
inline bool ClessidraVisibile()
{
    const QCursor *puntatore = QApplication::overrideCursor();
    return puntatore && puntatore->shape() == Qt::WaitCursor;
}

// Answers the modal message boxes a command opens, one queued answer per box,
// and records what each box showed. A box that comes when no answer is left
// (or that lacks the queued button) is rejected and still recorded, so a test
// never hangs on it.
class RispostaDialoghi : public QObject {
public:
    struct Dialogo {
        QString titolo;
        QString testo;
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        QMessageBox::StandardButtons pulsanti;
        QMessageBox::StandardButton predefinito = QMessageBox::NoButton;
        QStringList testiPulsanti = {};
        bool clessidra = false; // the busy pointer was up meanwhile
        QImage immagine = {};   // the box as it showed
    };

    // sempre: the answer to every box once the queued ones are used up.
    explicit RispostaDialoghi(QList<QMessageBox::StandardButton> risposte,
                              QMessageBox::StandardButton sempre = QMessageBox::NoButton)
        : risposte(std::move(risposte))
        , sempre(sempre)
    {
        connect(&controllo, &QTimer::timeout, this, [this] { RispondiSeAperto(); });
        controllo.start(5);
    }

    QList<Dialogo> visti;
    int senzaRisposta = 0;

private:
    void RispondiSeAperto()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == ultimo || !box->isVisible())
            return;
        ultimo = box;
        Dialogo visto{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        visto.predefinito = box->standardButton(box->defaultButton());
        visto.clessidra = ClessidraVisibile();
        visto.immagine = box->grab().toImage();
        for (QAbstractButton *pulsante : box->buttons())
            visto.testiPulsanti << pulsante->text();
        visti << visto;

        const auto risposta = risposte.isEmpty() ? sempre : risposte.takeFirst();
        if (QAbstractButton *scelto = risposta ? box->button(risposta) : nullptr) {
            scelto->click();
            return;
        }
        ++senzaRisposta;
        box->reject();
    }

    QList<QMessageBox::StandardButton> risposte;
    QMessageBox::StandardButton sempre;
    AvvisiAttesi attesi;
    QPointer<QMessageBox> ultimo;
    QTimer controllo;
};

// Answers with OK every message box a command opens (a box without OK is
// rejected), and records what each showed.
class RispostaAvviso : public RispostaDialoghi {
public:
    using Avviso = Dialogo;
    RispostaAvviso()
        : RispostaDialoghi({}, QMessageBox::Ok)
    {
    }
};

// In every test program that includes this header, a message box that opens
// while no AvvisiAttesi lives is closed at once and fails the running test
// with its text: the test goes on instead of waiting for ever for an answer.
inline void AvviaGuardiaAvvisi()
{
    auto *controllo = new QTimer(qApp);
    QObject::connect(controllo, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (AvvisiAttesi::quanti > 0 || !box || !box->isVisible())
            return;
        const QString testo = QStringLiteral("unexpected message box: ") + box->text();
        box->reject();
        if (QTest::currentTestFunction())
            QTest::qFail(qPrintable(testo), __FILE__, __LINE__);
    });
    controllo->start(50);
}
Q_COREAPP_STARTUP_FUNCTION(AvviaGuardiaAvvisi)
