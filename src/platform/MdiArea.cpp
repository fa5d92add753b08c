#include "MdiArea.h"

#include "EditableGrid.h"

#include <QKeyEvent>

namespace {

// The control the key goes to is a grid, or a cell editor inside one.
bool InGrid(QObject *object)
{
    for (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->isWindow(); widget = widget->parentWidget())
        if (qobject_cast<EditableGrid *>(widget))
            return true;
    return false;
}

}  // namespace

MdiArea::MdiArea(QWidget *parent) : QMdiArea(parent) {}

bool MdiArea::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && InGrid(object))
            return false;  // the grid's own
    }
    return QMdiArea::eventFilter(object, event);
}
