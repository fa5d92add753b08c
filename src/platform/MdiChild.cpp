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

bool MdiChild::Unload()
{
    if (QMdiSubWindow *sub = SubWindow())
        return sub->close();
    return true;
}
