#include "MdiChild.h"

#include <QMdiSubWindow>

MdiChild::MdiChild(QWidget *parent) : QWidget(parent) {}

QMdiSubWindow *MdiChild::SubWindow() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget())
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w))
            return sub;
    return nullptr;
}

void MdiChild::Unload()
{
    if (QMdiSubWindow *sub = SubWindow())
        sub->close();
}
