#pragma once

#include "ColumnKind.h"
#include "DatabaseFile.h"
#include "DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <memory>

class DatabaseDesign;
class QSqlError;
class Recordset;

// A table, column or index name quoted for the text of a statement.
QString QuotedIdentifier(const QString &identifier);

// One column as declared in the schema.
struct ColumnInfo
{
    using Kind = ColumnKind;
    QString name;
    Kind kind = Kind::Other;
    bool primaryKey = false;
};

// The column list of one table, in declared order.
struct TableInfo
{
    QString name;
    QList<ColumnInfo> columns;
    QHash<QString, int> positions;             // lower-case name -> position
    int Position(const QString &field) const;  // -1 when unknown, case-insensitive
};

// An open database file. Opens existing files only and never creates or
// alters a table; opening a file that is not a database of the expected
// design fails with a DbError and writes nothing.
// Every failure is a DbError with its cause (locked, read-only, removed,
// replaced, disk full, damaged) and a description naming it; a read that
// fails is never taken for a missing row.
class Database : public std::enable_shared_from_this<Database>
{
public:
    // Opens the file when it holds everything `design` defines (more is
    // allowed) and both it and its folder can be written.
    static std::shared_ptr<Database> Open(const QString &path, const DatabaseDesign &design);
    // How long a statement waits for another program's lock before failing
    // with Cause::Locked, for the databases opened from now on (5000 ms).
    static void SetBusyTimeout(int milliseconds);
    static int BusyTimeout();

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const QString &Path() const { return file_.Path(); }
    QSqlDatabase Connection() const;

    // A table cursor on a named table; its rows follow the chosen index.
    std::unique_ptr<Recordset> OpenTable(const QString &table);
    // A dynaset over "Select * from <table> [where ...] [order by ...]".
    // Values are bound to the ? placeholders, never spliced into the text.
    std::unique_ptr<Recordset> OpenRecordset(const QString &query, const QVariantList &values = {});

    // Runs a statement that returns no rows (delete, update).
    void Execute(const QString &statement, const QVariantList &values = {});

    const TableInfo &Table(const QString &name);  // throws for an unknown table
    bool HasTable(const QString &name);
    // The columns of the index <table>.<name>, case-insensitive; throws when missing.
    QStringList IndexColumns(const QString &table, const QString &index);

    // Throws (Removed, Replaced, ReadOnly) when the file has vanished, is
    // another file than the one opened, or it or its folder can no longer be
    // written, so a store never goes silently into a lost file.
    void CheckWritable() const;

    // Raised by every write through this database, for code that keeps what
    // it read and must know when to read again.
    quint64 Generation() const { return generation_; }
    void Touch() { ++generation_; }

    // How many times a write of ours may have removed rows of the table
    // (a deletion there, or a statement or undone transaction that could
    // have removed rows anywhere).
    quint64 Removals(const QString &table) const;
    // Counts a removal from the table; from every table when none is named.
    void NoteRemoval(const QString &table = {});
    // Rows of the table that this connection listed when Removals(table)
    // was `removalsWhenListed` cannot be read any more. When no write of
    // ours can have removed them since, they were not deleted meanwhile by
    // us: a damaged page can answer a look-up with no row and no error, so
    // the file is checked, and damage throws Cause::Damaged. Rows deleted
    // by another program pass.
    void ConfirmGone(const QString &table, quint64 removalsWhenListed) const;

    // The error for a statement that failed, with its cause; `what` names
    // the work for an error of no known cause.
    DbError Failure(const QSqlError &error, const QString &what) const;
    // Runs a prepared query; throws the classified failure.
    void Exec(QSqlQuery &query, const QString &what) const;
    // Steps to the query's next row: false at the end. A read that fails
    // throws; it is never taken for the end of the rows.
    bool Next(QSqlQuery &query, const QString &what) const;
    // Runs a query and returns every row.
    QList<QVariantList> Rows(const QString &sql, const QVariantList &values, const QString &what) const;

private:
    friend class Recordset;
    friend class Transaction;
    // A statement prepared once on this connection and reused: executes it
    // with these values and returns it ready to read. The caller reads what
    // it needs and calls finish(), so no read stays open on the file.
    QSqlQuery &Run(const QString &sql, const QVariantList &values, const QString &what);

    Database(const QString &path, const QString &connectionName);
    void VerifyDesign(const DatabaseDesign &design);
    QString StoredTableName(const QString &name) const;  // empty when missing

    DatabaseFile file_;
    QString connectionName_;
    // Key: lower-case table name. Cursors keep pointers to these entries, so
    // the container must never move them.
    std::map<QString, TableInfo> tables_;
    // Key: lower-case "table.index"; the columns of the index.
    std::map<QString, QStringList> indexes_;
    std::map<QString, std::unique_ptr<QSqlQuery>> statements_;
    quint64 generation_ = 0;
    // Removals from every table, and from each (key: lower-case table name).
    quint64 removalsEverywhere_ = 0;
    std::map<QString, quint64> removals_;
    int transactions_ = 0;  // how many Transactions are open, nested
};

#include "Transaction.h"
