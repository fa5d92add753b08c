#pragma once

#include <QString>

class Recordset;

// Stands a list's dynaset on the member row matching the condition (such as
// "IDAzienda = ?") for this key. When no row matches any more, the user is
// told with the message. nullptr then, and silently when no list is open.
Recordset *TrovaMembro(Recordset *righe, const QString &condizione, qint64 chiave, const QString &messaggio);
