#include "TotaliSpese.h"

namespace TotaliSpese {

Cifra Somma(const QList<Cifra> &cifre)
{
    Cifra totale;
    for (const Cifra &cifra : cifre)
        totale += cifra;
    return totale;
}

Cifra Prodotto(const QList<Cifra> &fattori)
{
    Cifra prodotto(1);
    for (const Cifra &fattore : fattori)
        prodotto = prodotto * fattore;
    return prodotto;
}

Cifra Selezione(const Cifra &persone, const Cifra &ore, const Cifra &costo)
{
    if (persone.Circa() == 0 && ore.Circa() == 0)
        return costo;
    return persone * ore * costo;
}

std::optional<Gruppo> GruppoDellaVoce(int voce)
{
    static const Gruppo gruppi[] = {{0, 0, 3}, {1, 4, 7}, {2, 8, 12}, {3, 13, 15}};
    for (const Gruppo &gruppo : gruppi)
        if (voce >= gruppo.prima && voce <= gruppo.ultima)
            return gruppo;
    return std::nullopt;
}

std::optional<double> CostoOrario(const Cifra &totale, const Cifra &allievi, const Cifra &ore)
{
    const double prodotto = ore.Circa() * allievi.Circa();
    if (prodotto <= 0)
        return std::nullopt;
    return totale.Circa() / prodotto;
}

}  // namespace TotaliSpese
