#pragma once

#include "Passo.h"

#include <QList>
#include <QString>

#include <functional>

class MdiChild;

// The previous and next buttons of a window's pages. A press first stores
// the page being left; when that store fails the window stays where it is.
// Otherwise the window shows the page before or after the current one; past
// its first or its last page it stays there and opens the neighbouring
// window instead. An error is shown and the program goes on.
class ScorriPagine
{
public:
    // The window beyond one end of the walk, by name.
    struct Vicina
    {
        QString finestra;
        // Opened only when the current project is found; otherwise nothing
        // more happens.
        bool conProgetto = true;
        // A store of its own before leaving; when it fails the window stays.
        QList<Passo> registra = {};
    };

    MdiChild &finestra;
    int &pagina;                   // the position of the page shown
    QList<Passo> registra;         // the store of the page being left
    std::function<void()> mostra;  // shows the page at `pagina`

    void Indietro(const Vicina &prima) const;
    // `esiste` tells whether there is a page at a position.
    void Avanti(const std::function<bool(int)> &esiste, const Vicina &dopo) const;

private:
    void Apri(const Vicina &vicina) const;
};
