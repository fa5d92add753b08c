#pragma once

#include <QString>

#include <optional>

// The derived figures of the project's summary: the total hours (theory and
// practice), the total trainees (men and women) and the cost per
// trainee-hour.
namespace RiepilogoProgetto {

// The total of two figures of the summary.
double Totale(double primo, double secondo);
// A total as its box shows it: plain digits, never in exponent form, also
// beyond the range of a 64-bit integer (the sum of two large stored hours).
QString TestoTotale(double totale);
// The cost divided by the product of the two totals; none without hours or
// without trainees.
std::optional<double> CostoOrario(double costo, double ore, double allievi);

}  // namespace RiepilogoProgetto
