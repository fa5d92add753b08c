#include "TabbedPages.h"

#include "MultiRowTabBar.h"

TabbedPages::TabbedPages(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new MultiRowTabBar(this));
}

QWidget *TabbedPages::AddPage(const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString("%1Page%2").arg(objectName()).arg(count()));
    addTab(page, caption);
    return page;
}
