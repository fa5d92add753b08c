#include "EditableGridDelegate.h"

#include "EditableGridModel.h"
#include "TextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>

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
    auto *list = new QListWidget(parent);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // as wide as its longest item
    const QFontMetrics metrics(option.font);
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, list);
        item->setSizeHint(
            QSize(metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth(), option.rect.height()));
    }
    return list;
}

void EditableGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *list = qobject_cast<QListWidget *>(editor)) {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        // A text that is not among the items (a stored value, a default)
        // selects nothing: the cell keeps it unless an item is chosen.
        // Set through the view, so that focusing the list chooses nothing.
        list->setCurrentIndex(found.isEmpty() ? QModelIndex() : list->indexFromItem(found.first()));
    } else if (auto *line = qobject_cast<TextBox *>(editor)) {
        line->ShowWhole(text);  // a stored text stays as it is until the user edits it
    }
}

void EditableGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QListWidget *>(editor)) {
        const QList<QListWidgetItem *> chosen = list->selectedItems();
        if (!chosen.isEmpty())
            model->setData(index, chosen.first()->text());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text());
    }
}

void EditableGridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                const QModelIndex &) const
{
    auto *list = qobject_cast<QListWidget *>(editor);
    if (!list) {
        editor->setGeometry(option.rect);
        return;
    }
    // The list opens at the cell, as wide as its longest item, and is moved
    // up when the view has no room below the cell.
    const int frame = 2 * list->frameWidth();
    const int space = editor->parentWidget() ? editor->parentWidget()->height() : option.rect.bottom();
    const int width = std::max(option.rect.width(), list->sizeHintForColumn(0) + frame);
    const int height = std::min(list->count() * option.rect.height() + frame, std::max(space, option.rect.height()));
    QRect rect(option.rect.topLeft(), QSize(width, height));
    if (rect.bottom() >= space)
        rect.moveBottom(space - 1);
    if (rect.top() < 0)
        rect.moveTop(0);
    list->setGeometry(rect);
}
