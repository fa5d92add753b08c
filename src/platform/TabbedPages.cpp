#include "TabbedPages.h"

#include <QTabBar>
#include <QToolButton>

TabbedPages::TabbedPages(QWidget *parent) : QTabWidget(parent)
{
    // The arrows that scroll the tabs are for the mouse; the keyboard moves
    // between the tabs with the arrow keys, and Tab does not stop on them.
    for (QToolButton *arrow : tabBar()->findChildren<QToolButton *>())
        arrow->setFocusPolicy(Qt::NoFocus);
}

QWidget *TabbedPages::AddPage(const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString("%1Page%2").arg(objectName()).arg(count()));
    addTab(page, caption);
    return page;
}
