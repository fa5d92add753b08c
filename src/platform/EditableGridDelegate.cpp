#include "EditableGridDelegate.h"

#include "EditableGridModel.h"
#include "GridListEditor.h"
#include "TextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionHeader>

void EditableGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.data(EditableGridModel::FixedRole).toBool()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionHeader header;
    header.initFrom(option.widget);
    header.rect = option.rect;
    header.state = QStyle::State_Enabled | QStyle::State_Raised;
    header.orientation = Qt::Vertical;
    header.position = QStyleOptionHeader::Middle;
    header.text = index.data().toString();
    header.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    painter->save();  // the style leaves its clip and pen behind
    style->drawControl(QStyle::CE_Header, &header, painter, option.widget);
    painter->restore();
}

QWidget *EditableGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    const QStringList items = index.data(EditableGridModel::ListRole).toStringList();
    if (items.isEmpty()) {
        // Any length, on one line, as a box without a limit.
        auto *line = new TextBox(parent);
        line->setFrame(false);
        line->setAlignment(option.displayAlignment);
        return line;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);  // the cell's own font and alignment
    return new GridListEditor(items, cell, parent);
}

void EditableGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *list = qobject_cast<GridListEditor *>(editor))
        list->SetValue(text);
    else if (auto *line = qobject_cast<TextBox *>(editor))
        line->ShowWhole(text);  // a stored text stays as it is until the user edits it
}

void EditableGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<GridListEditor *>(editor)) {
        // A cell whose list was only opened keeps its text.
        if (list->HasChoice())
            model->setData(index, list->Choice());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text());
    }
}

void EditableGridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                const QModelIndex &) const
{
    // A list's items drop down outside the cell, from the editor itself.
    editor->setGeometry(option.rect);
}
