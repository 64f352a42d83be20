#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

// Answers the modal message boxes a command opens, one queued answer per box,
// and records what each box showed. A box that comes when no answer is left
// (or that lacks the queued button) is rejected and still recorded, so a test never hangs on it.
class RispostaDialoghi : public QObject {
public:
    struct Dialogo {
        QString titolo;
        QString testo;
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        QMessageBox::StandardButtons pulsanti;
        QMessageBox::StandardButton predefinito = QMessageBox::NoButton;
        QStringList testiPulsanti;
    };

    explicit RispostaDialoghi(QList<QMessageBox::StandardButton> risposte)
        : risposte(std::move(risposte))
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
        Dialogo visto;
        visto.titolo = box->windowTitle();
        visto.testo = box->text();
        visto.icona = box->icon();
        visto.pulsanti = box->standardButtons();
        if (box->defaultButton())
            visto.predefinito = box->standardButton(box->defaultButton());
        for (QAbstractButton *pulsante : box->buttons())
            visto.testiPulsanti << pulsante->text();
        visti << visto;

        QAbstractButton *scelto = risposte.isEmpty() ? nullptr : box->button(risposte.takeFirst());
        if (!scelto) {
            ++senzaRisposta;
            box->reject();
            return;
        }
        scelto->click();
    }

    QList<QMessageBox::StandardButton> risposte;
    QPointer<QMessageBox> ultimo;
    QTimer controllo;
};
