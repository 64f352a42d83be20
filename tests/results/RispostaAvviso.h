#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// Answers with OK every message box a command opens (a box without OK is
// rejected), and records what each showed and whether the busy pointer was
// up meanwhile.
class RispostaAvviso : public QObject {
public:
    struct Avviso {
        QString titolo, testo;
        QMessageBox::Icon icona;
        QMessageBox::StandardButtons pulsanti;
        bool clessidra;
    };

    RispostaAvviso()
    {
        connect(&controllo, &QTimer::timeout, this, [this] {
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
        });
        controllo.start(5);
    }

    QList<Avviso> visti;

private:
    QPointer<QMessageBox> ultimo;
    QTimer controllo;
};
