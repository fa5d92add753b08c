#pragma once

#include "Passo.h"

#include <QList>
#include <QStringList>

#include <functional>

class MdiChild;

// Runs one store of a window, all of it or nothing, as one transaction.
// When it fails the user is told why and that nothing was stored; the parts
// of the window the store covers are marked as holding unsaved data, so that
// the window's next activation does not refill it over what was typed and
// closing it asks first. Returns false then. A store that succeeds clears
// the marks of the parts it covers, and only those. A store that covers no
// part (adding or deleting a row) marks nothing.
// A step whose parts could not be filled (Riempi) is left out: what the
// window shows there is not what is stored.
bool Memorizza(MdiChild &finestra, const QList<Passo> &passi);
bool Memorizza(MdiChild &finestra, const std::function<void()> &registra,
               const QStringList &parti = {QStringLiteral("finestra")});
