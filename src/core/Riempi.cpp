#include "Riempi.h"

#include "DbError.h"
#include "Dialogs.h"
#include "MdiChild.h"

#include <QScopeGuard>
#include <QTimer>

#include <optional>

namespace {

int riempimenti = 0;

// The error that stopped the last fill, until the event loop's next turn:
// the fills that follow it in the same round of work (a window's load runs
// several) do not try again, since what stopped it is still there and each
// would wait for it and say the same.
std::optional<DbError> fallimento;

void Ricorda(const DbError &errore)
{
    fallimento = errore;
    QTimer::singleShot(0, [] { fallimento.reset(); });
}

}  // namespace

bool RiempimentoInCorso()
{
    return riempimenti > 0;
}

bool Riempi(MdiChild &finestra, const QList<Passo> &passi, bool rilancia)
{
    if (fallimento) {
        for (const Passo &passo : passi)
            finestra.MarkUnfilled(passo.parti);
        if (rilancia)
            throw DbError(*fallimento);
        return false;
    }
    ++riempimenti;
    const auto fine = qScopeGuard([] { --riempimenti; });
    for (qsizetype i = 0; i < passi.size(); ++i) {
        try {
            passi[i].procedura();
            finestra.ClearUnfilled(passi[i].parti);
        } catch (const DbError &errore) {
            for (qsizetype j = i; j < passi.size(); ++j)
                finestra.MarkUnfilled(passi[j].parti);
            if (rilancia) {
                Ricorda(errore);
                throw;
            }
            Dialogs::MsgBox(errore.Description() + "\nI dati della finestra \"" + finestra.windowTitle()
                            + "\" non sono stati letti: saranno letti di nuovo quando la finestra tornerà attiva, "
                              "e fino ad allora ciò che vi si scrive non sarà registrato.");
            Ricorda(errore);
            return false;
        }
    }
    return true;
}

bool Riempi(MdiChild &finestra, const QStringList &parti, const std::function<void()> &riempi)
{
    return Riempi(finestra, QList<Passo>{{parti, riempi}});
}
