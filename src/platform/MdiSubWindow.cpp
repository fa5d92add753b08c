#include "MdiSubWindow.h"

#include "ErrorGuard.h"
#include "MdiChild.h"

#include <QCloseEvent>

MdiSubWindow::MdiSubWindow(MdiChild *child, QWidget *parent) : QMdiSubWindow(parent), child_(child)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(child);
    setWindowTitle(child->windowTitle());
    setObjectName(child->objectName() + "Frame");
}

MdiSubWindow::~MdiSubWindow()
{
    if (closed_)
        --closing_;
}

void MdiSubWindow::closeEvent(QCloseEvent *event)
{
    if (!closed_) {
        closed_ = true;
        ++closing_;
    }
    if (child_ && !child_->unloading_) {
        child_->unloading_ = true;
        Guarded([this] { child_->Form_Unload(); });
        // A window opened again under the same name must not meet this one,
        // which lives on until the event loop deletes it.
        child_->setObjectName(QString());
    }
    QMdiSubWindow::closeEvent(event);
}
