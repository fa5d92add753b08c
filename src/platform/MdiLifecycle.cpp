#include "MdiLifecycle.h"

#include "ErrorGuard.h"
#include "MdiChild.h"
#include "MdiSubWindow.h"
#include "PageTabOrder.h"

#include <QMdiArea>
#include <QTimer>

MdiLifecycle::MdiLifecycle(QMdiArea *area) : QObject(area), area_(area)
{
    connect(area_, &QMdiArea::subWindowActivated, this, &MdiLifecycle::OnActivated);
}

MdiChild *MdiLifecycle::Find(const QString &name) const
{
    for (QMdiSubWindow *sub : area_->subWindowList()) {
        auto *frame = qobject_cast<MdiSubWindow *>(sub);
        if (frame && frame->Child() && !frame->Child()->IsUnloading() && frame->Child()->objectName() == name)
            return frame->Child();
    }
    return nullptr;
}

MdiChild *MdiLifecycle::Load(const QString &name, const std::function<MdiChild *()> &factory)
{
    if (MdiChild *open = Find(name))
        return open;
    MdiChild *child = factory();
    child->setObjectName(name);
    auto *frame = new MdiSubWindow(child);
    area_->addSubWindow(frame);
    QPointer<MdiChild> guard(child);
    Guarded([child] { child->Form_Load(); });
    if (!guard)
        return nullptr;
    frame->setWindowTitle(child->windowTitle());
    return child;
}

MdiChild *MdiLifecycle::Open(const QString &name, const std::function<MdiChild *()> &factory)
{
    MdiChild *child = Load(name, factory);
    if (child)
        Show(child);
    return child;
}

void MdiLifecycle::Show(MdiChild *child)
{
    QMdiSubWindow *sub = child->SubWindow();
    if (!sub)
        return;
    if (busy_) {
        // Inside a hook the area is still in the middle of activating the
        // window whose hook runs; changing the active window now would be
        // undone by it. Bring this one to the front once the hook is over.
        QTimer::singleShot(0, this, [this, later = QPointer<MdiChild>(child)] {
            if (later && !later->IsUnloading())
                Show(later);
        });
        return;
    }
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    child->show();
    area_->setActiveSubWindow(sub);
    sub->raise();
    // The area may already report this window active (a window shown while
    // the main window was inactive), or its activation may have been put
    // off: make sure its activation ran.
    if (area_->activeSubWindow() == sub && active_ != child) {
        pending_ = child;
        Process();
    }
}

bool MdiLifecycle::Unload(const QString &name)
{
    MdiChild *child = Find(name);
    return !child || child->Unload();
}

MdiChild *MdiLifecycle::ActiveChild() const
{
    QMdiSubWindow *sub = area_->currentSubWindow();
    auto *frame = qobject_cast<MdiSubWindow *>(sub);
    if (!frame || !frame->Child() || frame->Child()->IsUnloading())
        return nullptr;
    return frame->Child();
}

void MdiLifecycle::OnActivated(QMdiSubWindow *window)
{
    auto *frame = qobject_cast<MdiSubWindow *>(window);
    if (!frame || !frame->Child() || frame->Child()->IsUnloading())
        return;
    pending_ = frame->Child();
    if (MdiSubWindow::Closing() > 0) {
        // The area activates the next window while one closes. When the
        // main window closes them all, that next window is about to be
        // unloaded too: decide once the closing is over.
        QTimer::singleShot(0, this, &MdiLifecycle::Process);
        return;
    }
    Process();
}

void MdiLifecycle::Process()
{
    if (busy_)
        return;
    busy_ = true;
    while (pending_ && pending_ != active_ && !pending_->IsUnloading()) {
        QPointer<MdiChild> next = pending_;
        QPointer<MdiChild> previous = active_;
        active_ = next;
        if (previous && !previous->IsUnloading())
            Guarded([&] { previous->Form_Deactivate(); });
        // A window holding what it could not store is not refilled over it.
        if (next && !next->IsUnloading() && !next->HoldsUnsaved())
            Guarded([&] { next->Form_Activate(); });
        // A window that comes to the front with the focus on none of the
        // controls of its page (opened just now) gives it to the first.
        if (next && next == active_)
            for (PageTabOrder *page : next->findChildren<PageTabOrder *>())
                if (page->Page()->isVisible())
                    page->FocusFirst();
    }
    pending_ = nullptr;
    busy_ = false;
}
