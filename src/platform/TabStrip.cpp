#include "TabStrip.h"

#include <QToolButton>

TabStrip::TabStrip(QWidget *parent) : QTabBar(parent)
{
    setExpanding(false);
    setDrawBase(true);
    // The arrows that scroll the tabs are for the mouse: Tab does not stop on them.
    for (QToolButton *arrow : findChildren<QToolButton *>())
        arrow->setFocusPolicy(Qt::NoFocus);
    connect(this, &QTabBar::currentChanged, this, [this] {
        if (!adding_)
            emit Click();
    });
    // A click on the tab already selected chooses it again.
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == currentIndex())
            emit Click();
    });
}

void TabStrip::AddTab(const QString &caption, const QString &toolTip)
{
    adding_ = true;  // the first tab added becomes the selected one silently
    const int index = addTab(caption);
    setTabToolTip(index, toolTip);
    adding_ = false;
}

void TabStrip::SetSelectedIndex(int index)
{
    if (index < 1 || index > count())
        return;
    if (index == SelectedIndex())
        emit Click();
    else
        setCurrentIndex(index - 1);
}
