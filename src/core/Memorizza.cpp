#include "Memorizza.h"

#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "MdiChild.h"

#include <optional>

bool Memorizza(MdiChild &finestra, const std::function<void()> &registra, const QStringList &parti)
{
    try {
        std::optional<Transaction> transazione;
        if (DB)
            transazione.emplace(*DB);
        registra();
        if (transazione)
            transazione->Commit();
        finestra.ClearUnsaved(parti);
        return true;
    } catch (const DbError &errore) {
        finestra.MarkUnsaved(parti);
        Dialogs::MsgBox(errore.Description() + "\nI dati mostrati nella finestra \"" + finestra.windowTitle()
                        + "\" non sono stati registrati.");
        return false;
    }
}
