#pragma once

#include "Cifra.h"

#include <QString>

#include <optional>

class ListBox;
struct Sezione4Controlli;

// Page 0's three lists of the actions chosen in section 3, one per action
// group, in the order of the catalogue TabAzioni. Each item shows the
// action's name and, once its stored total is positive, that total; it
// carries the key of the action's cost record and its name apart from the
// text, so that neither is ever read back from what the list shows.
class ElencoAzioni
{
public:
    explicit ElencoAzioni(Sezione4Controlli &ui);

    // Refills the lists and their titles from the project's Azioni row; with
    // no such row they keep what they show.
    void RiempeListAzioni();
    // Writes the number of listed actions into Label7.
    void ContaAzioni();
    // The sum of the totals stored for the project's actions; none when it
    // could not be computed, after telling the user why.
    std::optional<Cifra> TotaleGenerale();
    // The title of an action group's list, 1 to 3.
    static QString Titolo(int gruppo);
    // The name of the action an item stands for.
    static QString Descrizione(const ListBox &lista, int indice);

private:
    Sezione4Controlli &ui_;
};
