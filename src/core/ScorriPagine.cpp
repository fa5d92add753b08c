#include "ScorriPagine.h"

#include "ErrorGuard.h"
#include "Globali.h"
#include "Memorizza.h"
#include "Velkaro.h"

void ScorriPagine::Indietro(const Vicina &prima) const
{
    Guarded([&] {
        if (!Memorizza(finestra, registra))
            return;
        if (pagina < 1) {
            Apri(prima);
            return;
        }
        --pagina;
        mostra();
    });
}

void ScorriPagine::Avanti(const std::function<bool(int)> &esiste, const Vicina &dopo) const
{
    Guarded([&] {
        if (!Memorizza(finestra, registra))
            return;
        if (!esiste(pagina + 1)) {
            Apri(dopo);
            return;
        }
        ++pagina;
        mostra();
    });
}

void ScorriPagine::Apri(const Vicina &vicina) const
{
    if (!Memorizza(finestra, vicina.registra))
        return;
    if (vicina.conProgetto && !TrovaProgetto())
        return;
    if (Velkaro *principale = Velkaro::Istanza())
        principale->ApriFinestra(vicina.finestra);
}
