#include "EditableGrid.h"

#include "EditableGridDelegate.h"
#include "EditableGridModel.h"
#include "GridListEditor.h"
#include "Twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

EditableGrid::EditableGrid(QWidget *parent) : QTableView(parent), model_(new EditableGridModel(this))
{
    setModel(model_);
    setItemDelegate(new EditableGridDelegate(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    setCornerButtonEnabled(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(Twips(255));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
}

EditableGrid::EditableGrid(int rows, const QList<GridColumn> &columns, QWidget *parent) : EditableGrid(parent)
{
    Setup(columns);
    SetRows(rows);
    if (Rows() > 1)
        SetRow(1);
}

void EditableGrid::Setup(const QList<GridColumn> &columns)
{
    SetCols(int(columns.size()));
    for (int col = 0; col < columns.size(); ++col) {
        const GridColumn &column = columns.at(col);
        model_->SetText(0, col, column.caption);
        if (column.widthTwips >= 0)
            SetColWidth(col, column.widthTwips);
        SetColComboList(col, column.list);
        SetColAlignment(col, column.alignment);
    }
}

// Reads from code must see what the user is typing: the open editor's text
// belongs to the grid's contents, so even the const readers of GridInterface
// commit it (raising its AfterEdit) before they answer.
void EditableGrid::CommitBeforeAccess() const
{
    if (editing_.isValid())
        const_cast<EditableGrid *>(this)->CommitEdit();
}

int EditableGrid::Rows() const
{
    CommitBeforeAccess();
    return model_->Rows();
}

int EditableGrid::Cols() const
{
    CommitBeforeAccess();
    return model_->Cols();
}

int EditableGrid::Row() const
{
    CommitBeforeAccess();
    return row_;
}

int EditableGrid::Col() const
{
    CommitBeforeAccess();
    return col_;
}

int EditableGrid::FixedCols() const
{
    return model_->FixedCols();
}

void EditableGrid::SetRow(int row)
{
    CommitBeforeAccess();
    if (row < 0 || row >= model_->Rows())
        return;
    row_ = row;
    ShowCurrent();
}

void EditableGrid::SetCol(int col)
{
    CommitBeforeAccess();
    if (col < 0 || col >= model_->Cols())
        return;
    col_ = col;
    ShowCurrent();
}

QString EditableGrid::TextMatrix(int row, int col) const
{
    CommitBeforeAccess();
    return model_->Text(row, col);
}

void EditableGrid::SetTextMatrix(int row, int col, const QString &text)
{
    CommitBeforeAccess();
    model_->SetText(row, col, text);
}

void EditableGrid::SetText(const QString &text)
{
    SetTextMatrix(row_, col_, text);
}

void EditableGrid::SetRows(int rows)
{
    CommitBeforeAccess();
    const QScopedValueRollback<bool> quiet(syncing_, true);
    model_->SetRows(rows);
    if (row_ >= model_->Rows()) {
        row_ = model_->Rows() - 1;
        ShowCurrent();
    }
}

void EditableGrid::SetCols(int cols)
{
    CommitBeforeAccess();
    const QScopedValueRollback<bool> quiet(syncing_, true);
    model_->SetCols(cols);
    if (col_ >= model_->Cols()) {
        col_ = model_->Cols() - 1;
        ShowCurrent();
    }
}

void EditableGrid::SetFixedCols(int cols)
{
    CommitBeforeAccess();
    model_->SetFixedCols(cols);
    if (col_ < model_->FixedCols() && model_->FixedCols() < model_->Cols()) {
        col_ = model_->FixedCols();
        ShowCurrent();
    }
}

void EditableGrid::SetColWidth(int col, int twips)
{
    setColumnWidth(col, Twips(twips));
}

void EditableGrid::SetColAlignment(int col, Qt::Alignment alignment)
{
    model_->SetColAlignment(col, alignment);
}

void EditableGrid::SetColComboList(int col, const QString &list)
{
    CommitBeforeAccess();
    model_->SetColList(col, list);
}

// Shows the current cell that code has set, without raising RowColChange
// and without scrolling: a fill leaves the grid showing its top rows.
void EditableGrid::ShowCurrent()
{
    const QScopedValueRollback<bool> quiet(syncing_, true);
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    if (row_ >= 1)
        selectionModel()->setCurrentIndex(model_->index(row_ - 1, col_), QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
    setAutoScroll(scrolls);
}

QWidget *EditableGrid::OpenEditor() const
{
    return editing_.isValid() ? indexWidget(editing_) : nullptr;
}

bool EditableGrid::Editing() const
{
    return OpenEditor() != nullptr;
}

QRect EditableGrid::CellRect(int row, int col) const
{
    return row >= 1 ? visualRect(model_->index(row - 1, col)) : QRect();
}

void EditableGrid::CommitEdit()
{
    if (QWidget *editor = OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void EditableGrid::CancelEdit()
{
    if (QWidget *editor = OpenEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

bool EditableGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool starts = index.isValid() && (model_->flags(index) & Qt::ItemIsEditable) && !indexWidget(index)
                        && (trigger == AllEditTriggers || (editTriggers() & trigger));
    if (!starts)
        return QTableView::edit(index, trigger, event);
    CommitEdit();  // an editor open on another cell
    const QPersistentModelIndex cell(index);
    bool cancel = false;
    emit BeforeEdit(cell.row() + 1, cell.column(), &cancel);
    if (cancel || !cell.isValid() || !QTableView::edit(cell, trigger, event))
        return false;
    QWidget *editor = indexWidget(cell);
    if (!editor)
        return false;
    editing_ = cell;
    committed_ = false;
    editor->installEventFilter(this);
    if (auto *list = qobject_cast<GridListEditor *>(editor)) {
        connect(list, &GridListEditor::Chosen, this, &EditableGrid::CommitEdit);
        // Closed by a click outside it, the list leaves the cell as it was.
        connect(list, &GridListEditor::Dismissed, this, &EditableGrid::CancelEdit, Qt::QueuedConnection);
        list->Drop();
    } else if (auto *line = qobject_cast<QLineEdit *>(editor); line && trigger != AnyKeyPressed) {
        line->deselect();  // F2, Enter, double click: edit the text, don't replace it
        line->end(false);
    }
    return true;
}

void EditableGrid::commitData(QWidget *editor)
{
    // A list only opened and closed commits nothing: the user finished nothing.
    const auto *list = qobject_cast<GridListEditor *>(editor);
    if (editor && editor == OpenEditor() && (!list || list->HasChoice()))
        committed_ = true;
    QTableView::commitData(editor);
}

void EditableGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (!editor || editor != OpenEditor()) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const int row = editing_.row() + 1;
    const int col = editing_.column();
    const bool committed = committed_;
    editing_ = QPersistentModelIndex();
    committed_ = false;
    editor->removeEventFilter(this);
    // The focus may be in a list dropped down from the editor, a window of
    // its own: it comes back to the grid as from the editor itself.
    bool hadFocus = false;
    for (const QWidget *w = QApplication::focusWidget(); w && !hadFocus; w = w->parentWidget())
        hadFocus = w == editor;
    // The grid moves the current cell itself after Tab: Qt's own "edit the
    // next item" would open an editor there.
    const bool moves = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, moves ? QAbstractItemDelegate::NoHint : hint);
    if (hadFocus && !hasFocus())
        setFocus();
    if (committed)
        emit AfterEdit(row, col);
    if (moves)
        MoveCurrent(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious);
}

void EditableGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (syncing_ || !current.isValid())
        return;
    row_ = current.row() + 1;
    col_ = current.column();
    emit RowColChange();
}

QModelIndex EditableGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    const int fixed = model_->FixedCols();
    if (!next.isValid() || next.column() >= fixed)
        return next;
    if (fixed >= model_->Cols())
        return currentIndex();
    if (cursorAction == MovePrevious && next.row() > 0)
        return model_->index(next.row() - 1, model_->Cols() - 1);
    return model_->index(next.row(), fixed);
}

void EditableGrid::MoveCurrent(CursorAction action)
{
    const QModelIndex next = moveCursor(action, Qt::NoModifier);
    if (next.isValid() && next != currentIndex())
        setCurrentIndex(next);
}

// Tab (next) or Shift+Tab on the current cell leaves the grid: Shift+Tab on
// the first cell; Tab on the last cell of the last row, or of a row that,
// like every row below it, holds nothing. A grid that adds an empty row
// whenever its last row is entered always has a row below; past the rows in
// use there is nothing left to reach.
bool EditableGrid::AtEnd(bool next) const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return true;
    if (!next)
        return current.row() == 0 && current.column() <= model_->FixedCols();
    if (current.column() != model_->Cols() - 1)
        return false;
    const int row = current.row() + 1;  // the grid's row; 0 is the header
    if (row == model_->Rows() - 1)
        return true;
    for (int r = row; r < model_->Rows(); ++r)
        for (int c = 0; c < model_->Cols(); ++c)
            if (!model_->Text(r, c).isEmpty())
                return false;
    return true;
}

// The focus goes to the page's next (previous) control, past the cells.
bool EditableGrid::Leave(bool next)
{
    CommitEdit();
    return QWidget::focusNextPrevChild(next);
}

bool EditableGrid::focusNextPrevChild(bool next)
{
    if (!Editing() && AtEnd(next))
        return Leave(next);
    return QTableView::focusNextPrevChild(next);
}

void EditableGrid::keyboardSearch(const QString &)
{
    // A key that opens no editor (a refused edit, a label cell) must not
    // jump the current cell to a cell starting with that character.
}

void EditableGrid::keyPressEvent(QKeyEvent *event)
{
    if (QWidget *editor = OpenEditor()) {
        // Keys sent to the grid while an editor is open are the editor's;
        // one the editor ignored comes back here and stops.
        if (forwarding_) {
            event->ignore();
            return;
        }
        const QScopedValueRollback<bool> forwarding(forwarding_, true);
        QCoreApplication::sendEvent(editor, event);
        return;
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        && (event->modifiers() & Qt::ControlModifier)) {
        Leave(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return || event->key() == Qt::Key_F2)) {
        edit(currentIndex(), EditKeyPressed, nullptr);
        return;
    }
    QTableView::keyPressEvent(event);
}

bool EditableGrid::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && object == OpenEditor() && EditorKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QTableView::eventFilter(object, event);
}

// The keys that end an edit; false leaves the key to the editor.
bool EditableGrid::EditorKey(QKeyEvent *key)
{
    auto *list = qobject_cast<GridListEditor *>(OpenEditor());
    switch (key->key()) {
    case Qt::Key_Escape:
        CancelEdit();
        return true;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (list)
            list->ChooseHighlighted();
        CommitEdit();
        MoveCurrent(MoveDown);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // What was typed counts: its after-edit handler may add a row.
        const bool next = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        CommitEdit();
        if ((key->modifiers() & Qt::ControlModifier) || AtEnd(next))
            Leave(next);
        else
            MoveCurrent(next ? MoveNext : MovePrevious);
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (list)
            return false;
        CommitEdit();
        MoveCurrent(key->key() == Qt::Key_Up       ? MoveUp
                    : key->key() == Qt::Key_Down   ? MoveDown
                    : key->key() == Qt::Key_PageUp ? MovePageUp
                                                   : MovePageDown);
        return true;
    default:
        return false;
    }
}

bool EditableGrid::OnFixedCol(const QPoint &position) const
{
    const QModelIndex index = indexAt(position);
    return index.isValid() && index.column() < model_->FixedCols();
}

void EditableGrid::mousePressEvent(QMouseEvent *event)
{
    CommitEdit();
    if (OnFixedCol(event->position().toPoint()))
        return;  // label cells never become current
    QTableView::mousePressEvent(event);
}

void EditableGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (OnFixedCol(event->position().toPoint()))
        return;
    QTableView::mouseMoveEvent(event);
}
