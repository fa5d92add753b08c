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

bool MdiChild::HoldsUnfilled(const QStringList &parts) const
{
    for (const QString &part : parts)
        if (unfilled_.contains(part))
            return true;
    return false;
}

void MdiChild::MarkUnfilled(const QStringList &parts)
{
    for (const QString &part : parts)
        unfilled_.insert(part);
}

void MdiChild::ClearUnfilled(const QStringList &parts)
{
    for (const QString &part : parts)
        unfilled_.remove(part);
}

bool MdiChild::Unload()
{
    if (QMdiSubWindow *sub = SubWindow())
        return sub->close();
    return true;
}
