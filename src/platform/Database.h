#pragma once

#include "DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <memory>

class Recordset;

// A table, column or index name quoted for the text of a statement.
QString QuotedIdentifier(const QString &identifier);

// One column as declared in the schema.
struct ColumnInfo
{
    enum class Kind { Boolean, Integer, Double, Text, DateTime, Other };
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

// An open project database file. Opens existing files only and never
// creates or alters a table; opening a file that is not a project database
// fails with a DbError and writes nothing.
class Database : public std::enable_shared_from_this<Database>
{
public:
    // Tables that must exist for a file to count as a project database.
    static std::shared_ptr<Database> Open(const QString &path,
                                          const QStringList &requiredTables = {"Principale", "Secondario"});
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const QString &Path() const { return path_; }
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

    // Throws when the file has vanished or can no longer be written, so a
    // store never goes silently into a deleted file.
    void CheckWritable() const;

    // Raised by every write through this database, for code that keeps what
    // it read and must know when to read again.
    quint64 Generation() const { return generation_; }
    void Touch() { ++generation_; }

    // Runs a prepared query; throws a DbError with the driver's description.
    void Exec(QSqlQuery &query, const QString &what) const;

private:
    friend class Recordset;
    // A statement prepared once on this connection and reused: executes it
    // with these values and returns it ready to read. The caller reads what
    // it needs and calls finish(), so no read stays open on the file.
    QSqlQuery &Run(const QString &sql, const QVariantList &values, const QString &what);

    explicit Database(const QString &path, const QString &connectionName);
    void VerifyDesign(const QStringList &requiredTables);
    QString StoredTableName(const QString &name) const;  // empty when missing

    QString path_;
    QString connectionName_;
    // Key: lower-case table name. Cursors keep pointers to these entries, so
    // the container must never move them.
    std::map<QString, TableInfo> tables_;
    std::map<QString, std::unique_ptr<QSqlQuery>> statements_;
    quint64 generation_ = 0;
};

// A transaction that rolls back unless committed; transactions nest.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void Commit();

private:
    Database &db_;
    QString name_;
    bool done_ = false;
};
