#pragma once

#include <QString>

// A run-time error of the engine: a number and an Italian description.
// Each engine step catches it and reports Testo() as its failure text.
class ErroreRuntime {
public:
    enum Numero { Overflow = 6, DivisionePerZero = 11, TipoNonCorrispondente = 13 };

    explicit ErroreRuntime(Numero numero)
        : numero_(numero)
    {
    }

    int NumeroErrore() const { return numero_; }

    QString Descrizione() const
    {
        switch (numero_) {
        case Overflow:
            return QStringLiteral("Overflow");
        case DivisionePerZero:
            return QStringLiteral("Divisione per zero");
        case TipoNonCorrispondente:
            return QStringLiteral("Tipo non corrispondente");
        }
        return {};
    }

    QString Testo() const
    {
        return QString::number(numero_) + QStringLiteral(" - ") + Descrizione();
    }

private:
    Numero numero_;
};
