#pragma once

#include <QString>

#include <array>
#include <memory>

class Database;
class DatabaseDesign;
class Recordset;

// The process-wide state every window works on.
extern std::shared_ptr<Database> DB;              // the open project database, none until the archive opens one
extern std::unique_ptr<Recordset> TabPrincipale;  // table cursor on Principale, index "PrimaryKey"
extern std::unique_ptr<Recordset> TabSecondario;  // table cursor on Secondario, index "ID"
extern qint64 IdProgetto;                         // the current project, 0 = none
extern QString PercorsoDB;                        // full path of the database file
extern std::array<int, 10> PagineSezione2;        // section 2's page order; 6 marks the end
extern bool ModoStampa;                           // section 4 opened for printing

// The design of the shipped database (every table, field, index and the
// action-type rows), read once from its definition built into the program.
const DatabaseDesign &DisegnoArchivio();
// Opens the file named by PercorsoDB, makes it DB with its two cursors and
// sets IdProgetto to 0. On failure (not a database of the shipped design,
// read-only, locked, damaged...)
// no database stays open, IdProgetto is 0 and a DbError is thrown.
void ApriDatabase();
// Releases the open database, if any.
void ChiudiDatabase();

// True when the current project has both its rows; the two cursors then stand on them.
// A read that fails is told and gives false, except inside a fill (Riempi),
// which it reaches.
bool TrovaProgetto();
// As TrovaProgetto, then both rows are put into edit mode; tells the user
// which row is missing. A database error reaches the caller, the store that
// asked, which tells the user and keeps what it was to store.
bool PosizionaProgetto();

// A table cursor on a table that holds one row per project, sought on the
// current project through the named index: NoMatch when it has no row.
std::unique_ptr<Recordset> CercaRigaProgetto(const QString &tabella, const QString &indice);

// Adds a project pair and returns its Id; the current project does not change.
qint64 CreaProgetto();
// Deletes the project's Principale row only; false when there is no such row.
bool CancellaProgetto(qint64 id);
