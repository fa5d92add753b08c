#pragma once

#include <QTabWidget>

// Tabbed pages: each tab holds one page widget on which the form places its
// controls; the whole control can be enabled or disabled at once. Tabs that
// do not fit one row take further rows, so every caption shows whole.
class TabbedPages : public QTabWidget
{
    Q_OBJECT
public:
    explicit TabbedPages(QWidget *parent = nullptr);
    // Adds a page with this caption and returns the widget to place controls on.
    QWidget *AddPage(const QString &caption);
    QWidget *Page(int index) const { return widget(index); }
    int Tab() const { return currentIndex(); }
    void SetTab(int index) { setCurrentIndex(index); }
    void SetTabCaption(int index, const QString &caption) { setTabText(index, caption); }
    QString TabCaption(int index) const { return tabText(index); }
};
