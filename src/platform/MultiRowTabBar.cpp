#include "MultiRowTabBar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabWidget>
#include <QToolTip>

#include <algorithm>

MultiRowTabBar::MultiRowTabBar(QWidget *parent) : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setAttribute(Qt::WA_Hover);
    // A new row order moves the tabs: the bar and the control around it are laid out again.
    connect(this, &QTabBar::currentChanged, this, [this] {
        updateGeometry();
        update();
    });
}

int MultiRowTabBar::RowWidth() const
{
    if (auto *pages = qobject_cast<QTabWidget *>(parentWidget()))
        return pages->width();
    return width();
}

int MultiRowTabBar::RowHeight() const
{
    int height = 0;
    for (int i = 0; i < count(); ++i)
        height = std::max(height, tabSizeHint(i).height());
    return height;
}

QList<QList<int>> MultiRowTabBar::Fill(int width) const
{
    QList<QList<int>> rows;
    int used = 0;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        const int tab = tabSizeHint(i).width();
        if (rows.isEmpty() || (used + tab > width && !rows.last().isEmpty())) {
            rows.append(QList<int>());
            used = 0;
        }
        rows.last().append(i);
        used += tab;
    }
    return rows;
}

QList<QList<int>> MultiRowTabBar::Rows(int width) const
{
    QList<QList<int>> rows = Fill(width);
    // As few rows as the width allows, made as even as they can be: the
    // narrowest width that still fills no more rows.
    int low = 1;
    int high = width;
    while (rows.size() > 1 && low < high) {
        const int middle = (low + high) / 2;
        if (Fill(middle).size() <= rows.size())
            high = middle;
        else
            low = middle + 1;
    }
    if (rows.size() > 1)
        rows = Fill(high);
    // The selected tab's row goes to the bottom, next to the pages.
    for (int r = 0; r < rows.size() - 1; ++r)
        if (rows[r].contains(currentIndex())) {
            rows.append(rows.takeAt(r));
            break;
        }
    return rows;
}

QList<QRect> MultiRowTabBar::Layout(int width) const
{
    QList<QRect> places(count());
    const QList<QList<int>> rows = Rows(width);
    const int height = RowHeight();
    for (int r = 0; r < rows.size(); ++r) {
        const QList<int> &row = rows[r];
        int natural = 0;
        for (int i : row)
            natural += tabSizeHint(i).width();
        // A row among several fills the width, its spare room shared among its tabs.
        const int spare = rows.size() > 1 ? std::max(width - natural, 0) : 0;
        const int tabs = int(row.size());
        int x = 0;
        for (int k = 0; k < tabs; ++k) {
            const int tab = tabSizeHint(row[k]).width() + spare / tabs + (k < spare % tabs ? 1 : 0);
            places[row[k]] = QRect(x, r * height, tab, height);
            x += tab;
        }
    }
    return places;
}

QRect MultiRowTabBar::TabRect(int index) const
{
    if (index < 0 || index >= count())
        return QRect();
    return Layout(width()).value(index);
}

int MultiRowTabBar::TabAt(const QPoint &position) const
{
    const QList<QRect> places = Layout(width());
    for (int i = 0; i < places.size(); ++i)
        if (isTabVisible(i) && places[i].contains(position))
            return i;
    return -1;
}

QSize MultiRowTabBar::sizeHint() const
{
    const int width = RowWidth();
    return QSize(width, int(Rows(width).size()) * RowHeight());
}

QSize MultiRowTabBar::minimumSizeHint() const
{
    return sizeHint();
}

bool MultiRowTabBar::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave: {
        const int over =
            event->type() == QEvent::HoverLeave ? -1 : TabAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        if (over != hover_) {
            hover_ = over;
            update();
        }
        return true;
    }
    case QEvent::ToolTip: {
        auto *help = static_cast<QHelpEvent *>(event);
        const int tab = TabAt(help->pos());
        if (tab >= 0 && !tabToolTip(tab).isEmpty())
            QToolTip::showText(help->globalPos(), tabToolTip(tab), this);
        else
            QToolTip::hideText();
        return true;
    }
    default:
        return QTabBar::event(event);
    }
}

void MultiRowTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QList<QRect> places = Layout(width());
    const QList<QList<int>> rows = Rows(width());
    const auto draw = [&](int i, const QList<int> &row) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.rect = places[i];
        option.text = tabText(i);
        const qsizetype k = row.indexOf(i);
        if (row.size() == 1)
            option.position = QStyleOptionTab::OnlyOneTab;
        else if (k == 0)
            option.position = QStyleOptionTab::Beginning;
        else if (k == row.size() - 1)
            option.position = QStyleOptionTab::End;
        else
            option.position = QStyleOptionTab::Middle;
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
        if (k > 0 && row[k - 1] == currentIndex())
            option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        else if (k + 1 < row.size() && row[k + 1] == currentIndex())
            option.selectedPosition = QStyleOptionTab::NextIsSelected;
        option.state.setFlag(QStyle::State_MouseOver, i == hover_ && isTabEnabled(i));
        painter.drawControl(QStyle::CE_TabBarTab, option);
    };
    // The selected tab last, over its neighbours, as a single row draws it.
    for (const QList<int> &row : rows)
        for (int i : row)
            if (i != currentIndex())
                draw(i, row);
    for (const QList<int> &row : rows)
        if (row.contains(currentIndex()))
            draw(currentIndex(), row);
}

void MultiRowTabBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int tab = TabAt(event->position().toPoint());
    if (tab < 0 || !isTabEnabled(tab)) {
        event->ignore();
        return;
    }
    emit tabBarClicked(tab);
    setCurrentIndex(tab);
}

void MultiRowTabBar::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}

void MultiRowTabBar::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}

void MultiRowTabBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit tabBarDoubleClicked(TabAt(event->position().toPoint()));
}
