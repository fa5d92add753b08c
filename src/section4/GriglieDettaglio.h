#pragma once

#include "TabellaDettaglio.h"

#include <QObject>

#include <vector>

class EditableGrid;
class Sezione4Form;
class TextBox;

// The grids of section 4 whose rows are lines of a table (the cost details
// of pages 1 to 8 and the attachments of page 10), built from their
// declaration (TabellaDettaglio) at the places the pages keep for them, with
// one store, one fill and one set of edit handlers for all of them.
//
// A store replaces the parent's lines with every grid row whose deciding
// value is above 0, grid by grid, inside a transaction of its own (nested in
// the window's store): a row that is not filled in is skipped, the rows
// below it still count. A fill shows the stored lines in the order they were
// stored, one empty row below them.
//
// After the user edits a line, its total (the product of its factors) and
// the grid's total box are recomputed, and an edit of the last row adds an
// empty row below it; the computed total column refuses edits. The
// attachments add the empty row when the user enters the last row instead.
class GriglieDettaglio : public QObject
{
    Q_OBJECT
public:
    GriglieDettaglio(Sezione4Form &form, const QList<const TabellaDettaglio *> &tabelle);

    // Replaces the table's lines of the parent `chiave` with the grids' rows.
    void Registra(const TabellaDettaglio &tabella, qint64 chiave) const;
    // Shows the table's lines of the parent `chiave` in its grids, and their totals.
    void Riempie(const TabellaDettaglio &tabella, qint64 chiave) const;
    // Rewrites every grid's total box from its cells.
    void RicalcolaTotali() const;

private:
    // A declared grid, built.
    struct Posata
    {
        const TabellaDettaglio *tabella;
        const TabellaDettaglio::Griglia *dichiarata;
        EditableGrid *griglia;
        int tipo;  // the Tipo of its lines; -1 for a table without
        TextBox *totale;
        int decisiva;  // the column of the deciding field
    };

    void Costruisci(Posata &posata);
    void Collega(const Posata &posata);
    void AggiornaTotale(const Posata &posata) const;
    void AfterEdit(const Posata &posata, int Row, int Col) const;
    void BeforeEdit(const Posata &posata, int Col, bool *Cancel) const;
    void EnterCell(const Posata &posata) const;
    // The line of a row as it is stored, one value a column.
    static QVariantList Riga(const Posata &posata, int riga);
    static QString Mostrato(const TabellaDettaglio &tabella, const TabellaDettaglio::Colonna &colonna,
                            const QVariant &valore);

    Sezione4Form &form_;
    std::vector<Posata> posate_;
};
