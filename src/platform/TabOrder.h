#pragma once

#include <QList>

class QWidget;

// The Tab order of a page: its controls in reading order, top to bottom and
// left to right, as the page shows them.
//
// A page is read as blocks: each control that Tab stops at, and each frame
// (or any other widget) holding such controls, which is read whole where its
// controls stand. The blocks of one holder are cut into rows wherever an
// empty band runs right across between them, and the rows read from the top;
// a row that cannot be cut across is cut down into columns, read from the
// left, and each part is read the same way again. So boxes laid out in rows
// read row by row; a list of check boxes stacked in columns, or boxes beside
// a taller list that spans their rows, read column by column; a control on a
// frame's caption row reads before the frame's controls. Blocks that overlap
// both ways (frames stacked at one place, the pages of a tabbed control)
// read top first, then left, then in the order they were made. A tabbed
// control is one stop (its tab bar), followed by the controls of its pages.
namespace TabOrder {

// The page's controls in reading order, hidden and disabled ones included.
QList<QWidget *> ReadingOrder(QWidget *page);
// Makes the Tab key follow the page's reading order.
void FollowReadingOrder(QWidget *page);
// A holder whose controls stand in columns that read one after the other,
// each from the top (a column of figures beside the column of their parts),
// rather than row by row.
void ReadColumnsFirst(QWidget *holder);
// The first control of the page in reading order that can take the focus
// now; none when there is none.
QWidget *FirstControl(QWidget *page);

}  // namespace TabOrder
