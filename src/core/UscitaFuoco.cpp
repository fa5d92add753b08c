#include "UscitaFuoco.h"

#include <QFocusEvent>
#include <QWidget>

UscitaFuoco::UscitaFuoco(QObject *parent) : QObject(parent) {}

void UscitaFuoco::Sorveglia(QWidget *casella)
{
    casella->installEventFilter(this);
}

bool UscitaFuoco::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(event)->reason();
        if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason)
            if (auto *casella = qobject_cast<QWidget *>(watched))
                emit Uscita(casella);
    }
    return QObject::eventFilter(watched, event);
}
