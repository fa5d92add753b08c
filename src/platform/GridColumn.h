#pragma once

#include <QString>
#include <QtCore/qnamespace.h>

// One column of an editable grid as a form declares it: its caption (the
// text of header row 0), its width in twips, its drop-down list and the
// alignment of its cells. A grid is declared as a table of these, one line a
// column: {"Quantità", 840, {}, Qt::AlignCenter}.
struct GridColumn
{
    GridColumn(const QString &caption, int widthTwips = -1, const QString &list = QString(),
               Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
        : caption(caption), widthTwips(widthTwips), list(list), alignment(alignment)
    {}

    QString caption;
    int widthTwips;  // -1 keeps the grid's default width
    // The items a cell of the column offers when edited, separated by "|"
    // ("Interno|Esterno"); an empty item ("|a|b", "a||b") can be chosen too.
    // The empty text leaves the cells free text.
    QString list;
    Qt::Alignment alignment;
};
