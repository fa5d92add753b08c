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

void MdiChild::MarkUnsaved(const QStringList &parts)
{
    for (const QString &part : parts)
        unsaved_.insert(part);
}

void MdiChild::ClearUnsaved(const QStringList &parts)
{
    for (const QString &part : parts)
        unsaved_.remove(part);
}

bool MdiChild::Unload()
{
    if (QMdiSubWindow *sub = SubWindow())
        return sub->close();
    return true;
}
