#pragma once

#include <QString>

class Recordset;

// Adds a member row to a project's list: only the project's Id and the
// name are set, the database assigns the key. Nothing is added for an
// empty name or without a current project (no rows under Id 0).
// True when the row was added.
bool AggiungiMembro(Recordset *righe, const QString &nome);
