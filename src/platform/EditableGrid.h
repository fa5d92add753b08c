#pragma once

#include "GridColumn.h"
#include "GridInterface.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QTableView>

class EditableGridModel;
class QKeyEvent;

// An editable grid of text cells. Row 0 is the fixed header row: its cells
// are the column captions (TextMatrix(0, c)); data rows are 1..Rows()-1.
// Columns below FixedCols() are label columns: written by code, drawn like
// the header, never edited or made current by the user.
//
// A form declares a grid as a table of columns:
//     new EditableGrid(2, {{"Numero Allegato", 1365}, {"Descrizione Allegato", 690}}, page);
// A column with a list ("Interno|Esterno") is edited by choosing one of its
// items, the empty item included where the list has one, in a drop-down that
// opens below the cell while the cell goes on showing its value; nothing else
// can be typed, and the cell keeps its text unless an item is chosen (a click
// on it, or Enter on the highlighted one).
//
// The user moves the current cell with the mouse, the arrows, Tab and
// Shift+Tab, Home, End and the page keys. Tab on the last cell goes on to the
// page's next control, Shift+Tab on the first cell back to its previous one,
// and Ctrl+Tab (Ctrl+Shift+Tab) leaves the grid from any cell. Typing a
// character on a cell starts editing with that character; F2, Enter and a
// double click start editing with the cell's text. While editing, Enter
// commits and moves one row down, Tab and Shift+Tab commit and move to the
// next or previous cell (or out of the grid, as above), Up, Down and the page
// keys commit and move (in a list they move the highlight), clicking another
// cell or leaving the grid commits, a click on a list item commits that item,
// and Escape cancels: the cell keeps its text. A list commits only a choice:
// closed without one, it raises no AfterEdit.
//
// Events, all raised for the user's actions only:
// - BeforeEdit(row, col, cancel) before an editor opens on a cell; setting
//   *cancel refuses the edit and the cell keeps its text.
// - AfterEdit(row, col) exactly once per committed edit, once the editor has
//   closed and its text stands in the cell, also when the text is unchanged.
//   A cancelled edit (Escape) raises none: the user finished nothing.
// - RowColChange() after the user has moved the current cell. During an
//   edit the edit is committed (and AfterEdit raised) before the move, so
//   AfterEdit's handler still finds the edited cell current.
//
// Code never raises these events itself. SetRow and SetCol move the current
// cell silently and without scrolling: a form that fills or reads the grid
// cell by cell would otherwise run its current-cell handler (adding rows,
// say) at every step. SetText, SetTextMatrix, SetRows and SetCols fire
// nothing either.
//
// An open editor is committed before code reads or writes the cells, the
// row or column count or the current cell (Rows, Cols, Row, Col, Text,
// TextMatrix and their setters), raising its AfterEdit first, so no store
// misses what the user was typing; CommitEdit() does the same explicitly.
// Leaving the grid commits too, so a window with a grid is closed (hidden)
// before it is destroyed, never destroyed while shown: the commit would
// otherwise reach handlers of a half-destroyed window.
//
// Out-of-range rows and columns are ignored by the setters and read as "";
// Rows() and Cols() never go below 1.
class EditableGrid : public QTableView, public GridInterface
{
    Q_OBJECT
public:
    explicit EditableGrid(QWidget *parent = nullptr);
    EditableGrid(int rows, const QList<GridColumn> &columns, QWidget *parent = nullptr);

    // Sets the columns: their number, captions, widths, lists and alignment.
    void Setup(const QList<GridColumn> &columns);

    int Rows() const override;
    int Cols() const override;
    int Row() const override;
    int Col() const override;
    void SetRow(int row) override;
    void SetCol(int col) override;
    QString TextMatrix(int row, int col) const override;
    void SetTextMatrix(int row, int col, const QString &text) override;
    void SetText(const QString &text);  // the current cell's text

    void SetRows(int rows);  // fewer drops the rows beyond; more adds empty rows
    void SetCols(int cols);
    int FixedCols() const;
    void SetFixedCols(int cols);
    void SetColWidth(int col, int twips);
    void SetColAlignment(int col, Qt::Alignment alignment);
    void SetColComboList(int col, const QString &list);  // items separated by "|"; "" for free text

    // Commits the open editor, if any: its text goes into the cell and
    // AfterEdit is raised.
    void CommitEdit();
    bool Editing() const;
    // A data cell's rectangle in viewport() coordinates (empty for row 0).
    QRect CellRect(int row, int col) const;

    using QTableView::edit;
    void keyboardSearch(const QString &search) override;

signals:
    void BeforeEdit(int row, int col, bool *cancel);
    void AfterEdit(int row, int col);
    void RowColChange();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *OpenEditor() const;
    void CommitBeforeAccess() const;
    void CancelEdit();
    bool EditorKey(QKeyEvent *key);
    void MoveCurrent(CursorAction action);
    bool AtEnd(bool next) const;
    bool Leave(bool next);
    bool OnFixedCol(const QPoint &position) const;
    void ShowCurrent();

    EditableGridModel *model_ = nullptr;
    int row_ = 0;
    int col_ = 0;
    QPersistentModelIndex editing_;  // the cell whose editor is open
    bool committed_ = false;         // the open editor's text went into its cell
    bool syncing_ = false;           // code is moving the view's current cell
    bool forwarding_ = false;        // a key sent to the grid is passed to the editor
};
