#pragma once

#include "FieldBinding.h"

#include <QObject>

class EditableGrid;
class Recordset;
struct Sezione4Controlli;
class TextBox;

// The fixed items of the current action's cost record (its SpeseSez3 row):
// the boxes of pages 1, 2, 6 and 8 and the cells of the two fixed grids,
// VSFlexGrid1 (the trainees' indemnities) and VSFlexGrid8 (the resources
// for preparing the action), each row of which shows the product of its
// figures in its last column and adds into the grid's total box.
class SpeseAzione : public QObject
{
    Q_OBJECT
public:
    explicit SpeseAzione(Sezione4Controlli &ui);

    // Assigns every item to the row, which must be in edit mode, in the
    // order of the record.
    void Registra(Recordset &riga) const;
    // Shows every item of the row, in the same order; each write runs the
    // totals that depend on it.
    void Riempi(const Recordset &riga) const;
    // Rewrites the row totals and the grid totals from the cells.
    void RicalcolaGriglie() const;

    void VSFlexGrid1_AfterEdit(int Row, int Col) const;
    void VSFlexGrid1_BeforeEdit(int Row, int Col, bool *Cancel) const;
    void VSFlexGrid8_AfterEdit(int Row, int Col) const;
    void VSFlexGrid8_BeforeEdit(int Row, int Col, bool *Cancel) const;

private:
    void LegaCaselle();
    void RiempiIndennita(const Recordset &riga) const;
    void RiempiRisorse(const Recordset &riga) const;
    void TotaleIndennita() const;
    void TotaleRisorse() const;

    Sezione4Controlli &ui_;
    // The boxes before, between and after the two grids.
    FieldBinding assicurazioni_, rimborso_, altre_;
};
