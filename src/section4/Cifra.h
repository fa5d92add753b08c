#pragma once

#include <QtGlobal>

// A figure of the cost plan: a whole number of lire, exact in 64 bits. A
// figure beyond them (typed so, or a sum or a product that outgrows them) is
// known only approximately: it can be shown and carried into further totals,
// but a store refuses it.
class Cifra
{
public:
    Cifra() = default;
    explicit Cifra(qint64 intero) : intero_(intero) {}
    // A figure beyond 64 bits, about this large.
    static Cifra Oltre(double circa);

    bool Esatta() const { return esatta_; }
    qint64 Intero() const { return intero_; }  // meaningful only when exact
    double Circa() const { return esatta_ ? double(intero_) : circa_; }

    Cifra operator+(const Cifra &altra) const;
    Cifra operator*(const Cifra &altra) const;
    Cifra &operator+=(const Cifra &altra) { return *this = *this + altra; }

private:
    qint64 intero_ = 0;
    double circa_ = 0;
    bool esatta_ = true;
};
