#pragma once

#include <QObject>

class QWidget;

// Keeps the Tab order of a page in its reading order (TabOrder) whenever the
// page or a part of it comes into view, so that controls laid out only then
// take their places, and gives the page's first control the focus when the
// page is shown in the window the user works in.
class PageTabOrder : public QObject
{
    Q_OBJECT
public:
    explicit PageTabOrder(QWidget *page);

    // Gives the first control of the page the focus unless a control of the
    // page has it already.
    void FocusFirst();
    QWidget *Page() const { return page_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void WatchParts();
    bool InCurrentWindow() const;

    QWidget *page_;
};
