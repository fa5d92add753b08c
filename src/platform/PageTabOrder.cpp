#include "PageTabOrder.h"

#include "TabOrder.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

PageTabOrder::PageTabOrder(QWidget *page) : QObject(page), page_(page)
{
    page_->installEventFilter(this);
}

// The parts of the page that are shown and hidden while it is on screen
// (a frame in another's place, the tabs of a tabbed control, a box standing
// in for a list): their controls take their places when they are shown.
void PageTabOrder::WatchParts()
{
    for (QWidget *part : page_->findChildren<QWidget *>())
        if ((part->focusPolicy() & Qt::TabFocus) || !part->findChildren<QWidget *>().isEmpty())
            part->installEventFilter(this);
}

// The focus goes into the page's window only when that is the window the
// user works in: the active child of the main window. Taking it into another
// child would make that child active, with all that its activation does. A
// dialog keeps the focus for when it becomes active.
bool PageTabOrder::InCurrentWindow() const
{
    for (QWidget *parent = page_->parentWidget(); parent; parent = parent->parentWidget())
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parent))
            return sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
    return true;
}

void PageTabOrder::FocusFirst()
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus && page_->isAncestorOf(focus) && focus->isVisible())
        return;
    // Not as Tab would: a box keeps its text unselected and shown from its start.
    if (QWidget *first = TabOrder::FirstControl(page_))
        first->setFocus(Qt::OtherFocusReason);
}

bool PageTabOrder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page_ && event->type() == QEvent::Show) {
        TabOrder::FollowReadingOrder(page_);
        WatchParts();
        if (InCurrentWindow())
            FocusFirst();
    } else if (watched != page_ && event->type() == QEvent::ShowToParent && page_->isVisible()) {
        TabOrder::FollowReadingOrder(page_);
    }
    return QObject::eventFilter(watched, event);
}
