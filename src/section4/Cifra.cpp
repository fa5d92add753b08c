#include "Cifra.h"

#include <QtNumeric>

Cifra Cifra::Oltre(double circa)
{
    Cifra cifra;
    cifra.esatta_ = false;
    cifra.circa_ = circa;
    return cifra;
}

Cifra Cifra::operator+(const Cifra &altra) const
{
    qint64 somma = 0;
    if (esatta_ && altra.esatta_ && !qAddOverflow(intero_, altra.intero_, &somma))
        return Cifra(somma);
    return Oltre(Circa() + altra.Circa());
}

Cifra Cifra::operator*(const Cifra &altra) const
{
    // Nothing times any figure is nothing, however large the figure.
    if ((esatta_ && intero_ == 0) || (altra.esatta_ && altra.intero_ == 0))
        return Cifra(0);
    qint64 prodotto = 0;
    if (esatta_ && altra.esatta_ && !qMulOverflow(intero_, altra.intero_, &prodotto))
        return Cifra(prodotto);
    return Oltre(Circa() * altra.Circa());
}
