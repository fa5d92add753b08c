#pragma once

#include <QString>

class ListBox;

// Adds the current project's rows of a member table (ATS, Committenti,
// Consorzi) to the list by name, each item carrying the row's key field.
// Each call reads the table afresh; nothing is added while no database is open.
void ElencaMembri(ListBox *lista, const QString &tabella, const QString &chiave);
