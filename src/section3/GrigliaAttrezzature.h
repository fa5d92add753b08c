#pragma once

#include "EditorElenco.h"

#include <QObject>

class EditableGrid;
class QWidget;

// The equipment of the chosen module in the grid VSFlexGrid1: what it is,
// how many, for how long and on what basis it is acquired, one row of
// AttrezzatureModuli per grid row. The grid always ends with an empty row to
// type into, and grows by one each time the user moves onto its last row, up
// to 1000 rows below the header.
class GrigliaAttrezzature : public QObject, public EditorElenco::Dettagli
{
    Q_OBJECT
public:
    static constexpr int kMassimoRighe = 1000;

    // The grid on the page, at `posto` (twips).
    GrigliaAttrezzature(QWidget *pagina, const QRect &posto);

    // CaricaAttrezzature: the module's rows in query order, then one empty row.
    void Carica(qint64 modulo) override;
    // RegistraAttrezzature: the module's rows replaced by every grid row
    // whose first cell is not empty, all or nothing.
    void Registra(qint64 modulo) override;
    // The header and one empty row.
    void Azzera() override;

    void VSFlexGrid1_RowColChange();

    EditableGrid *VSFlexGrid1 = nullptr;
};
