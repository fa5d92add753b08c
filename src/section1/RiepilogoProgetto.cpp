#include "RiepilogoProgetto.h"

#include <cmath>

namespace RiepilogoProgetto {

double Totale(double primo, double secondo)
{
    return primo + secondo;
}

QString TestoTotale(double totale)
{
    if (std::abs(totale) < 9.2e18)
        return QString::number(qint64(totale));
    return QString::number(totale, 'f', 0);
}

std::optional<double> CostoOrario(double costo, double ore, double allievi)
{
    if (ore == 0 || allievi == 0)
        return std::nullopt;
    return costo / (ore * allievi);
}

}  // namespace RiepilogoProgetto
