#pragma once

#include "GridInterface.h"

#include <QTableWidget>

// A read-only display grid: a header row 0 shown in bold as the grid's first
// row, data rows below it, column widths in twips, a current cell.
class DisplayGrid : public QTableWidget, public GridInterface
{
    Q_OBJECT
public:
    DisplayGrid(int rows, int cols, QWidget *parent = nullptr);

    int Rows() const override { return rowCount(); }
    int Cols() const override { return columnCount(); }
    int Row() const override { return row_; }
    int Col() const override { return col_; }
    void SetRow(int row) override;
    void SetCol(int col) override;
    QString TextMatrix(int row, int col) const override;
    void SetTextMatrix(int row, int col, const QString &text) override;

    void SetRows(int rows);
    void SetCols(int cols);
    void SetColWidth(int col, int twips);
    void SetColAlignment(int col, Qt::Alignment alignment);

private:
    QTableWidgetItem *Cell(int row, int col);
    int row_ = 0;
    int col_ = 0;
};
