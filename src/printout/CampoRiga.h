#pragma once

#include <QString>
#include <QVariant>

class Recordset;

// The position of a field in a row's table, ignoring case; -1 when the
// table has no such field (or there is no row source).
int PosizioneCampo(const Recordset *riga, const QString &campo);

// A field of the current row by name or position; Null when there is no row
// source, no current row or no such field.
QVariant ValoreCampo(const Recordset *riga, const QString &campo);
QVariant ValoreCampo(const Recordset *riga, int posizione);

// A field read as a whole number by the value rule (0 when it is not a number).
double NumeroCampo(const Recordset *riga, const QString &campo);
