#pragma once

#include "Passo.h"

#include <QList>
#include <QStringList>

#include <functional>

class MdiChild;

// Runs one fill of a window from the database, step by step. A step that
// meets a database error stops the fill: its parts and those of the steps
// not run after it are marked as not filled, so that no store writes what
// they show over what is stored until a fill of them succeeds, and the
// user is told why and that the window will read them again. Returns false
// then; with `rilancia` the error is thrown on to the caller instead of
// being told (a run that cannot go on without the data). A step that
// succeeds clears the marks of its parts. The fills that follow a failed
// one in the same round of work, before the event loop turns, do not try
// again: they only mark their parts.
bool Riempi(MdiChild &finestra, const QList<Passo> &passi, bool rilancia = false);
bool Riempi(MdiChild &finestra, const QStringList &parti, const std::function<void()> &riempi);

// True while a fill runs: a read that fails then reaches the fill instead
// of being taken for a missing row.
bool RiempimentoInCorso();
