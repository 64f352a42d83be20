#pragma once

#include "ErroreRuntime.h"

#include <cmath>
#include <cstdint>

// A whole quantity of the design record: a 16-bit signed integer whose every
// operation and conversion is checked. Leaving -32768..32767 raises error 6.
class Intero {
public:
    constexpr Intero() = default;
    explicit Intero(int valore)
        : v_(Verifica(valore))
    {
    }

    // Nearest whole number, halves to the even neighbour.
    static Intero DaDouble(double x)
    {
        if (!std::isfinite(x))
            throw ErroreRuntime(ErroreRuntime::Overflow);
        const double r = std::nearbyint(x);
        if (r < -32768.0 || r > 32767.0)
            throw ErroreRuntime(ErroreRuntime::Overflow);
        return Intero(static_cast<int>(r));
    }

    int Valore() const { return v_; }
    operator double() const { return v_; }

    friend Intero operator+(Intero a, Intero b) { return Intero(a.v_ + b.v_); }
    friend Intero operator-(Intero a, Intero b) { return Intero(a.v_ - b.v_); }
    friend Intero operator*(Intero a, Intero b) { return Intero(a.v_ * b.v_); }
    friend bool operator==(Intero a, Intero b) { return a.v_ == b.v_; }
    friend bool operator<(Intero a, Intero b) { return a.v_ < b.v_; }
    friend bool operator>=(Intero a, Intero b) { return a.v_ >= b.v_; }

private:
    static std::int16_t Verifica(int valore)
    {
        if (valore < -32768 || valore > 32767)
            throw ErroreRuntime(ErroreRuntime::Overflow);
        return static_cast<std::int16_t>(valore);
    }

    std::int16_t v_ = 0;
};

// Double arithmetic that the engine checks: a division by zero (0/0 included)
// raises error 11, a result that is not finite raises error 6.
inline double Finito(double x)
{
    if (!std::isfinite(x))
        throw ErroreRuntime(ErroreRuntime::Overflow);
    return x;
}

inline double Dividi(double a, double b)
{
    if (b == 0.0)
        throw ErroreRuntime(ErroreRuntime::DivisionePerZero);
    return Finito(a / b);
}
