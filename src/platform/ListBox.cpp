#include "ListBox.h"

#include <QMouseEvent>

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The choice stands once the selection has changed: a mouse press makes
    // the item current before it selects it, so the current row alone would
    // announce a choice that is not there yet.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!rebuilding_ && ListIndex() >= 0)
            emit Click();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit DblClick(); });
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    pressedSelected_ = pressed.isValid() && pressed.row() == ListIndex() ? pressed.row() : -1;
    QListWidget::mousePressEvent(event);
}

// A click on the item already chosen chooses it again.
void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    const int again = pressedSelected_;
    pressedSelected_ = -1;
    QListWidget::mouseReleaseEvent(event);
    const QModelIndex released = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && again >= 0 && released.isValid() && released.row() == again
        && ListIndex() == again)
        emit Click();
}

void ListBox::Clear()
{
    rebuilding_ = true;
    clear();
    rebuilding_ = false;
}

void ListBox::AddItem(const QString &text, qint64 data)
{
    rebuilding_ = true;
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, data);
    addItem(item);
    rebuilding_ = false;
}

void ListBox::RemoveItem(int index)
{
    rebuilding_ = true;
    delete takeItem(index);
    rebuilding_ = false;
}

int ListBox::ListIndex() const
{
    // The selected item, not the current one: while the keyboard moves the
    // choice the selection changes before the current row follows it.
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBox::SetListIndex(int index)
{
    if (index < 0 || index >= count()) {
        rebuilding_ = true;
        setCurrentRow(-1);
        clearSelection();
        rebuilding_ = false;
        return;
    }
    if (index == ListIndex()) {
        emit Click();  // choosing the selected item again still runs the click logic
        return;
    }
    setCurrentRow(index);
}

QString ListBox::List(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->text() : QString();
}

QString ListBox::Text() const
{
    return List(ListIndex());
}

qint64 ListBox::ItemData(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->data(Qt::UserRole).toLongLong() : 0;
}

void ListBox::SetItemData(int index, qint64 data)
{
    if (QListWidgetItem *it = item(index))
        it->setData(Qt::UserRole, data);
}

int ListBox::FindData(qint64 data) const
{
    for (int i = 0; i < count(); ++i)
        if (ItemData(i) == data)
            return i;
    return -1;
}

void ListBox::Reselect(int index)
{
    rebuilding_ = true;
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
    rebuilding_ = false;
}

int ListBox::FindExact(const QString &text) const
{
    for (int i = 0; i < count(); ++i)
        if (item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
