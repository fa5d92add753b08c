#include "MdiSubWindow.h"

#include "Dialogs.h"
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
    if (child_ && child_->IsBusy()) {
        event->ignore();
        return;
    }
    if (child_ && !child_->unloading_) {
        child_->unloading_ = true;
        Guarded([this] { child_->Form_Unload(); });
        if (child_->HoldsUnsaved()
            && !Dialogs::YesNo(QString("I dati della finestra \"%1\" non sono stati registrati.\n"
                                       "Chiudere comunque la finestra e perdere i dati non registrati?")
                                   .arg(child_->windowTitle()))) {
            child_->unloading_ = false;
            event->ignore();
            return;
        }
        // A window opened again under the same name must not meet this one,
        // which lives on until the event loop deletes it.
        child_->setObjectName(QString());
    }
    if (!closed_) {
        closed_ = true;
        ++closing_;
    }
    QMdiSubWindow::closeEvent(event);
}
