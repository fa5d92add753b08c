#pragma once

#include "Cifra.h"

#include <QList>

#include <optional>

// The totals of an action's cost plan and the project's cost per
// trainee-hour, as figures from figures. The window reads each from the
// boxes it depends on and shows it (CascataTotali), and the grids their
// lines' totals (SpeseAzione, GriglieDettaglio).
namespace TotaliSpese {

// The sum of the figures, added in their order: a section's total, a
// summary item, a group's total, the action's total.
Cifra Somma(const QList<Cifra> &cifre);
// The product of a line's factors, multiplied in their order.
Cifra Prodotto(const QList<Cifra> &fattori);
// The selection of page 2: persons times hours times cost; under delegation
// only the cost is given (no persons and no hours), and it is the total.
Cifra Selezione(const Cifra &persone, const Cifra &ore, const Cifra &costo);

// The summary items of page 9 fall in four groups, 4A to 4D, each a run of
// items whose sum is the group's total.
struct Gruppo
{
    int indice;  // 0 to 3
    int prima;
    int ultima;
};
// The group of a summary item; none for an index outside the sixteen items.
std::optional<Gruppo> GruppoDellaVoce(int voce);

// The project's total over its trainees times its hours; none when that
// product is 0 or less.
std::optional<double> CostoOrario(const Cifra &totale, const Cifra &allievi, const Cifra &ore);

}  // namespace TotaliSpese
