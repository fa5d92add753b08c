#pragma once

#include <QTabBar>

// A strip of tabs over pages that the form lays out and shows itself: tabs
// with captions and tool tips, the selected tab's index counted from 1, and
// a Click each time a tab is chosen, by the user (also the tab already
// selected) or by code through SetSelectedIndex. Enabling or disabling the
// strip makes its tabs usable or not and changes nothing else.
class TabStrip : public QTabBar
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    void AddTab(const QString &caption, const QString &toolTip);
    int SelectedIndex() const { return currentIndex() + 1; }  // 0: no tabs
    QString SelectedCaption() const { return tabText(currentIndex()); }
    void SetSelectedIndex(int index);  // from 1; runs the click logic

signals:
    void Click();

private:
    bool adding_ = false;
};
