#pragma once

#include <functional>

class MdiChild;

// Runs one store of a window, all of it or nothing, as one transaction.
// When it fails the user is told why and that nothing was stored; the window
// keeps what it shows and is marked as holding unsaved data, so that its next
// activation does not refill it over what was typed and closing it asks
// first. Returns false then. A store that succeeds clears the mark.
bool Memorizza(MdiChild &finestra, const std::function<void()> &registra);
