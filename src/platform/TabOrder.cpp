#include "TabOrder.h"

#include <QWidget>

#include <algorithm>

namespace {

const char *const kColumnsFirst = "readColumnsFirst";

// A control that Tab stops at; a widget handing its focus on to another
// (a combo's own line box to the combo) is not one itself.
bool TakesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

// A control made of controls that hands its focus to one of them (a tabbed
// control to its tab bar): Tab stops at it as one, its parts follow it.
bool Compound(const QWidget *widget)
{
    const QWidget *proxy = widget->focusProxy();
    return proxy && widget->isAncestorOf(proxy);
}

// The part that a compound control hands its focus to: the control stands
// for it.
bool ProxyOfHolder(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent && parent->focusProxy() == widget;
}

bool HoldsControls(const QWidget *widget)
{
    for (const QWidget *child : widget->findChildren<QWidget *>())
        if (TakesTab(child))
            return true;
    return false;
}

struct Block
{
    QWidget *widget;
    QRect rect;  // in the holder's coordinates
};

// Where the blocks can be cut in two along one axis: the start of the first
// empty band between them, across the holder (rows) or down it (columns);
// -1 when every block touches or overlaps the next.
int FirstGap(const QList<Block> &blocks, bool rows)
{
    QList<std::pair<int, int>> spans;
    for (const Block &block : blocks)
        spans.append(rows ? std::pair(block.rect.top(), block.rect.bottom())
                          : std::pair(block.rect.left(), block.rect.right()));
    std::sort(spans.begin(), spans.end());
    int end = spans.first().second;
    for (const auto &[start, stop] : spans) {
        if (start > end + 1)
            return start;
        end = std::max(end, stop);
    }
    return -1;
}

void Read(QWidget *holder, QList<QWidget *> &order);

// Rows first (columns first where the holder asks), each part read the
// same way again; see the header.
void ReadBlocks(QList<Block> blocks, bool columnsFirst, QList<QWidget *> &order)
{
    if (blocks.size() > 1) {
        for (const bool rows : {!columnsFirst, columnsFirst}) {
            const int cut = FirstGap(blocks, rows);
            if (cut < 0)
                continue;
            QList<Block> before, after;
            for (const Block &block : blocks)
                ((rows ? block.rect.top() : block.rect.left()) < cut ? before : after).append(block);
            ReadBlocks(before, columnsFirst, order);
            ReadBlocks(after, columnsFirst, order);
            return;
        }
        // Stacked in one place, or overlapping both ways.
        std::stable_sort(blocks.begin(), blocks.end(), [](const Block &a, const Block &b) {
            return std::pair(a.rect.top(), a.rect.left()) < std::pair(b.rect.top(), b.rect.left());
        });
    }
    for (const Block &block : blocks) {
        if (TakesTab(block.widget)) {
            order.append(block.widget);
            continue;
        }
        if (Compound(block.widget))
            order.append(block.widget);
        Read(block.widget, order);
    }
}

// Where a holder stands among its neighbours: the part of it that its shown
// controls take, so that a control standing on a frame's caption row reads
// before the frame's own controls.
QRect Extent(QWidget *holder)
{
    QRect extent;
    for (QWidget *control : holder->findChildren<QWidget *>())
        if (TakesTab(control) && control->isVisibleTo(holder))
            extent |= QRect(control->mapTo(holder, QPoint(0, 0)), control->size());
    extent &= holder->rect();
    return extent.isEmpty() ? holder->geometry() : extent.translated(holder->pos());
}

void Read(QWidget *holder, QList<QWidget *> &order)
{
    QList<Block> blocks;
    for (QObject *object : holder->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow())
            continue;
        if (ProxyOfHolder(child))
            continue;  // the holder stands for it
        if (TakesTab(child))
            blocks.append({child, child->geometry()});
        else if (HoldsControls(child))
            blocks.append({child, Extent(child)});
    }
    ReadBlocks(blocks, holder->property(kColumnsFirst).toBool(), order);
}

}  // namespace

namespace TabOrder {

QList<QWidget *> ReadingOrder(QWidget *page)
{
    QList<QWidget *> order;
    Read(page, order);
    return order;
}

void FollowReadingOrder(QWidget *page)
{
    const QList<QWidget *> order = ReadingOrder(page);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ReadColumnsFirst(QWidget *holder)
{
    holder->setProperty(kColumnsFirst, true);
}

QWidget *FirstControl(QWidget *page)
{
    for (QWidget *control : ReadingOrder(page))
        if (control->isVisibleTo(page) && control->isEnabled())
            return control;
    return nullptr;
}

}  // namespace TabOrder
