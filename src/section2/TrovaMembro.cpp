#include "TrovaMembro.h"

#include "Dialogs.h"
#include "Recordset.h"

Recordset *TrovaMembro(Recordset *righe, const QString &condizione, qint64 chiave, const QString &messaggio)
{
    if (!righe)
        return nullptr;
    righe->FindFirst(condizione, {chiave});
    if (righe->NoMatch()) {
        Dialogs::MsgBox(messaggio);
        return nullptr;
    }
    return righe;
}
