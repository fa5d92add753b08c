#pragma once

#include <QList>
#include <QTabBar>

// A tab bar that lays its tabs out in as many rows as its width needs, each
// tab at least as wide as its caption, so that every caption shows whole and
// no scroll arrows are needed. When there are several rows each is stretched
// to the bar's width, and the row of the selected tab stands at the bottom,
// next to the pages, the others above it in their order. The bar asks for
// the height of its rows at the width of the tabbed control that holds it.
class MultiRowTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit MultiRowTabBar(QWidget *parent = nullptr);

    // Where the tab is drawn and takes the mouse; empty for no tab.
    QRect TabRect(int index) const;
    int TabAt(const QPoint &position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // The width the rows fill: the holding tabbed control's, else the bar's own.
    int RowWidth() const;
    // The tabs' indexes row by row, each row's tabs in order, top row first:
    // filled in turn up to the width, or evened out.
    QList<QList<int>> Fill(int width) const;
    QList<QList<int>> Rows(int width) const;
    QList<QRect> Layout(int width) const;
    int RowHeight() const;

    int hover_ = -1;
};
