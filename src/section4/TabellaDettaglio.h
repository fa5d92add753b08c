#pragma once

#include "GridColumn.h"

#include <QColor>
#include <QList>
#include <QString>

// A table of lines edited in one or more grids of section 4 (a cost detail
// table of the current action, or the project's attachments), declared once:
// the table, its key, what decides whether a line is stored, how a line's
// total is formed, and each grid with its columns, one line a column. One
// store and one fill serve every such table, driven by this declaration
// (GriglieDettaglio).
struct TabellaDettaglio
{
    // How a field is stored from its cell and shown back in it.
    enum Valore {
        Testo,    // the text as it stands
        Numero,   // a whole number; a cell that holds none stores 0
        Interno,  // true exactly for "Interno"; shown "Interno" or "Esterno"
    };

    struct Colonna
    {
        GridColumn griglia;  // caption, width in twips, list, alignment
        QString campo;
        Valore valore;
    };

    struct Griglia
    {
        // The control: "VSFlexGrid7(3)" in an array, whose index is the Tipo
        // of the grid's lines, or a single grid "VSFlexGrid6".
        QString nome;
        // The box that shows the sum of the total column; empty: none.
        QString casellaTotale;
        QList<Colonna> colonne;
        QColor testo = {};           // the colour of the cells' text; none: the system's
        bool ultimaAllarga = false;  // the last column takes the rest of the grid's width
    };

    // When a grid adds the empty row below its last one.
    enum RigaNuova {
        DopoModifica,  // an edit of the last row
        Entrando,      // the user entering the last row
    };

    QString tabella;
    QString chiave;    // the field of the parent's key: the action's or the project's
    bool tipo = true;  // the lines carry the index of their grid in Tipo
    // A line is stored when this field's value is above 0.
    QString decisivo;
    // The columns whose product is the line's total; none when the lines
    // have no computed total.
    QList<int> fattori;
    // The column summed into the total box (the computed total, or the
    // amount typed); -1 when the grids have no total box.
    int colonnaTotale = -1;
    // The fill shows every stored value as its own text (a missing number
    // as an empty cell) rather than as a whole number.
    bool riempieComeTesto = false;
    // After an error in an edit's totals the edit's other steps still run.
    bool prosegueDopoErrore = false;
    RigaNuova rigaNuova = DopoModifica;
    QList<Griglia> griglie;

    // The computed total column may not be edited.
    bool TotaleCalcolato() const { return !fattori.isEmpty(); }
};
