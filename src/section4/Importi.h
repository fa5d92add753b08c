#pragma once

#include "Cifra.h"

#include <QString>
#include <QVariant>

class GridInterface;

// How section 4 reads and shows its amounts, under the user's regional
// settings. Whole figures are read and shown exactly in 64 bits, never
// through a double.
namespace Importi {

// The width of a grid's amount column, in twips: a grouped amount of 12
// digits ("999.999.999.999") shows whole at the program's font. The form's
// own widths (570 to 1740) were made for a narrower font and cut amounts.
constexpr int kLarghezzaColonna = 1530;

// The whole number a box's text, a cell's text or a stored field stands for;
// 0 for what is not a number.
Cifra Valore(const QVariant &valore);
// The sum of a grid column's figures below its header row; 0 for a column
// outside the grid.
Cifra Colonna(const GridInterface &griglia, int colonna);
// A computed amount, grouped by thousands ("#,###"); the empty text for 0.
QString Importo(const Cifra &valore);
// A quotient rounded to units and grouped as an amount.
QString Quoziente(double valore);
// A figure with up to three decimals ("#,###.###"), without a decimal
// symbol left dangling when there are no decimals to show.
QString ConDecimali(double valore);
// A figure as plain digits with the decimals it has, no grouping.
QString Semplice(double valore);
// A whole number as plain digits, as a fill writes it into a box.
QString Intero(const Cifra &valore);
// The value to store for a computed amount; a figure beyond 64 bits fails
// the store with a message naming it.
QVariant Memorizzabile(const Cifra &valore);

}  // namespace Importi
