#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// Answers with OK every message box a command opens, and records what each
// showed and whether the busy pointer was up meanwhile. A box without an OK
// button is rejected, so a test never hangs on it.
class RispostaAvviso : public QObject {
public:
    struct Avviso {
        QString titolo;
        QString testo;
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        QMessageBox::StandardButtons pulsanti;
        bool clessidra = false;
    };

    RispostaAvviso()
    {
        connect(&controllo, &QTimer::timeout, this, [this] { RispondiSeAperto(); });
        controllo.start(5);
    }

    QList<Avviso> visti;

private:
    void RispondiSeAperto()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == ultimo || !box->isVisible())
            return;
        ultimo = box;
        const QCursor *puntatore = QApplication::overrideCursor();
        visti << Avviso{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                        puntatore && puntatore->shape() == Qt::WaitCursor};
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    QPointer<QMessageBox> ultimo;
    QTimer controllo;
};
