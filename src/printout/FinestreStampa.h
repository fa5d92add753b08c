#pragma once

#include <QString>

class Caselle;

// What the print run asks of the windows around it: the print page shows
// its progress, section 1 lends its totals and lists, section 4 its cost
// boxes for each printed action.
class FinestreStampa
{
public:
    virtual ~FinestreStampa() = default;

    // The step label is shown, the window repaints and the bar advances by one.
    virtual void Avanza(const QString &etichetta) = 0;
    // Section 1's window loaded (left as it is when open): its boxes and lists.
    virtual const Caselle *CaricaSezione1() = 0;
    // Section 1's window closed; it stores itself as it closes.
    virtual void ScaricaSezione1() = 0;
    // Section 4's current action becomes `IdSez3`, emptied and refilled for
    // it: the boxes holding that action's totals.
    virtual const Caselle *RendiCorrente(qint64 IdSez3) = 0;
};
