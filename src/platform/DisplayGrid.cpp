#include "DisplayGrid.h"

#include "Twips.h"

#include <QHeaderView>

DisplayGrid::DisplayGrid(int rows, int cols, QWidget *parent) : QTableWidget(rows, cols, parent)
{
    horizontalHeader()->setVisible(false);
    verticalHeader()->setVisible(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    // A text longer than its cell's margins allow runs into them and is cut
    // only at the cell's edge, never shortened with an ellipsis.
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->setDefaultSectionSize(Twips(255));
    if (rows > 1)
        row_ = 1;
    if (cols > 1)
        col_ = 1;
}

void DisplayGrid::SetRow(int row)
{
    if (row >= 0 && row < rowCount())
        row_ = row;
}

void DisplayGrid::SetCol(int col)
{
    if (col >= 0 && col < columnCount())
        col_ = col;
}

QTableWidgetItem *DisplayGrid::Cell(int row, int col)
{
    QTableWidgetItem *cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        if (row == 0) {
            QFont bold = font();
            bold.setBold(true);
            cell->setFont(bold);
            cell->setBackground(palette().button());
            cell->setTextAlignment(Qt::AlignCenter);
        } else {
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        setItem(row, col, cell);
    }
    return cell;
}

QString DisplayGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem *cell = item(row, col);
    return cell ? cell->text() : QString();
}

void DisplayGrid::SetTextMatrix(int row, int col, const QString &text)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    Cell(row, col)->setText(text);
}

void DisplayGrid::SetRows(int rows)
{
    setRowCount(rows);
    row_ = std::min(row_, rows - 1);
}

void DisplayGrid::SetCols(int cols)
{
    setColumnCount(cols);
    col_ = std::min(col_, cols - 1);
}

void DisplayGrid::SetColWidth(int col, int twips)
{
    setColumnWidth(col, Twips(twips));
}

void DisplayGrid::SetColAlignment(int col, Qt::Alignment alignment)
{
    for (int row = 1; row < rowCount(); ++row)
        Cell(row, col)->setTextAlignment(alignment);
}
