#pragma once

#include <QStyledItemDelegate>

// Draws and edits the cells of an editable grid: a free-text cell is edited
// in a one-line box without a limit (a TextBox: a pasted line break becomes
// a blank), a cell of a column with a drop-down list in a drop-down of
// exactly those items (nothing else can be typed; GridListEditor).
// Cells of a fixed label column are drawn like header sections.
class EditableGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};
