#pragma once

#include <QString>
#include <QStringList>

// What the printout reads of another window: the text of a box and the items
// of a list, by the control's name ("Text2", "Text1(8)", "Text25(0)",
// "List1"). The print run hands over section 1's and section 4's windows.
class Caselle
{
public:
    virtual ~Caselle() = default;
    // The box's text; the empty text when there is no such box.
    virtual QString Testo(const QString &casella) const = 0;
    // The list's items from the first to the last; none when there is no such list.
    virtual QStringList Voci(const QString &lista) const = 0;
};
