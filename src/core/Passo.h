#pragma once

#include <QStringList>

#include <functional>

// One step of a window's store or fill: the procedure, and the parts of the
// window it stores or fills (none for a step that adds or deletes rows).
struct Passo
{
    QStringList parti;
    std::function<void()> procedura;
};
