#include "NomeAccessibile.h"

#include <QLabel>
#include <QWidget>

namespace {

// "&&" is a literal ampersand; a single "&" marks the access key.
QString SenzaTastoDiAccesso(const QString &testo)
{
    QString risultato;
    risultato.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] == u'&' && i + 1 < testo.size())
            ++i;
        risultato += testo[i];
    }
    return risultato;
}

} // namespace

QString NomeAccessibile(const QString &didascalia, const QString &unita)
{
    QString nome = SenzaTastoDiAccesso(didascalia).simplified();
    if (nome.endsWith(u'='))
        nome = nome.chopped(1).trimmed();
    const QString unitaPulita = unita.simplified();
    if (!unitaPulita.isEmpty())
        nome += u' ' + unitaPulita;
    return nome;
}

void ImpostaNomeAccessibile(QWidget *campo, const QString &didascalia, const QString &unita)
{
    const QString nome = NomeAccessibile(didascalia, unita);
    campo->setAccessibleName(nome);
    // On Linux, Qt hands screen readers a list's current item as the list's
    // name and its caption through the label the list is the buddy of: that
    // label says the same, unit included, or the unit would go unheard.
    if (QWidget *contenitore = campo->parentWidget()) {
        for (QLabel *etichetta : contenitore->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
            if (etichetta->buddy() == campo)
                etichetta->setAccessibleName(nome);
        }
    }
}
