#include "Memorizza.h"

#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "MdiChild.h"

#include <optional>

bool Memorizza(MdiChild &finestra, const QList<Passo> &passi)
{
    QList<const Passo *> registrati;
    QStringList parti;
    for (const Passo &passo : passi) {
        if (finestra.HoldsUnfilled(passo.parti))
            continue;
        registrati << &passo;
        parti << passo.parti;
    }
    if (registrati.isEmpty())
        return true;
    try {
        std::optional<Transaction> transazione;
        if (DB)
            transazione.emplace(*DB);
        for (const Passo *passo : registrati)
            passo->procedura();
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

bool Memorizza(MdiChild &finestra, const std::function<void()> &registra, const QStringList &parti)
{
    return Memorizza(finestra, QList<Passo>{{parti, registra}});
}
