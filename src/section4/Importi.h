#pragma once

#include <QString>

// How section 4 reads and shows its amounts, under the user's regional
// settings.
namespace Importi {

// The width of a grid's amount column, in twips: a grouped amount of 12
// digits ("999.999.999.999") shows whole at the program's font. The form's
// own widths (570 to 1740) were made for a narrower font and cut amounts.
constexpr int kLarghezzaColonna = 1530;

// The whole number a box's or cell's text stands for; 0 for what is not a number.
double Valore(const QString &testo);
// A computed amount, grouped by thousands ("#,###"); the empty text for 0.
QString Importo(double valore);
// A figure with up to three decimals ("#,###.###"), without a decimal
// symbol left dangling when there are no decimals to show.
QString ConDecimali(double valore);
// A figure as plain digits with the decimals it has, no grouping.
QString Semplice(double valore);
// A whole number as plain digits, as a fill writes it into a box.
QString Intero(double valore);

}  // namespace Importi
