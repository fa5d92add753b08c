#pragma once

#include <QString>

// What the column sum and the forms need of a grid: a header row 0, data
// rows 1..Rows()-1, a current cell and its text.
class GridInterface
{
public:
    virtual ~GridInterface() = default;
    virtual int Rows() const = 0;
    virtual int Cols() const = 0;
    virtual int Row() const = 0;
    virtual int Col() const = 0;
    virtual void SetRow(int row) = 0;
    virtual void SetCol(int col) = 0;
    virtual QString TextMatrix(int row, int col) const = 0;
    virtual void SetTextMatrix(int row, int col, const QString &text) = 0;
    // The current cell's text.
    QString Text() const { return TextMatrix(Row(), Col()); }
};
