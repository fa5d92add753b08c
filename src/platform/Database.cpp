#include "Database.h"

#include "DatabaseDesign.h"
#include "OpenForReading.h"
#include "Recordset.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

int connectionCounter = 0;
int busyTimeout = 5000;

}  // namespace

QString QuotedIdentifier(const QString &identifier)
{
    QString s = identifier;
    s.replace('"', "\"\"");
    return '"' + s + '"';
}

int TableInfo::Position(const QString &field) const
{
    return positions.value(field.toLower(), -1);
}

Database::Database(const QString &path, const QString &connectionName) : file_(path), connectionName_(connectionName) {}

Database::~Database()
{
    statements_.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

void Database::SetBusyTimeout(int milliseconds)
{
    busyTimeout = milliseconds;
}

int Database::BusyTimeout()
{
    return busyTimeout;
}

std::shared_ptr<Database> Database::Open(const QString &path, const DatabaseDesign &design)
{
    const QFileInfo info(path);
    const DatabaseFile file(info.absoluteFilePath());
    using Cause = DbError::Cause;
    if (!info.exists())
        throw DbError(QString("Impossibile trovare il file '%1'.").arg(file.Shown()), Cause::Removed);
    if (!info.isFile())
        throw DbError(QString("'%1' non è un file.").arg(file.Shown()), Cause::NotProjectDatabase);
    QFile reader(path);
    if (const QString problem = OpenForReading(reader); !problem.isEmpty())
        throw DbError(problem);
    const QByteArray header = reader.read(16);
    reader.close();
    // An empty file would be taken by SQLite as a new empty database: it is
    // not a project database, and nothing must be written into it.
    if (header != QByteArray("SQLite format 3\0", 16))
        throw file.Error(Cause::NotProjectDatabase);
    if (file.WriteProblem() == Cause::ReadOnly)
        throw file.Error(Cause::ReadOnly, "i dati non potrebbero essere registrati");

    const QString name = QString("velkaro-db-%1").arg(++connectionCounter);
    std::shared_ptr<Database> db(new Database(info.absoluteFilePath(), name));
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase("QSQLITE", name);
        connection.setDatabaseName(info.absoluteFilePath());
        // A second program on the same file waits instead of failing at once.
        connection.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
        if (!connection.open())
            throw db->Failure(connection.lastError(), file.Shown());
    }
    db->VerifyDesign(design);
    return db;
}

QSqlDatabase Database::Connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

void Database::VerifyDesign(const DatabaseDesign &design)
{
    QString missing;
    try {
        missing = design.Missing(
            [this](const QString &sql, const QVariantList &values) { return Rows(sql, values, Path()); });
    } catch (const DbError &error) {
        // A file SQLite cannot read as a database at all is not one of ours;
        // a lock or a damaged page is said as such.
        if (error.Reason() != DbError::Cause::Other)
            throw;
        throw file_.Error(DbError::Cause::NotProjectDatabase);
    }
    if (!missing.isEmpty())
        throw file_.Error(DbError::Cause::NotProjectDatabase, missing);
}

DbError Database::Failure(const QSqlError &error, const QString &what) const
{
    return file_.Classify(error, what);
}

void Database::Exec(QSqlQuery &query, const QString &what) const
{
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        throw Failure(error, what);
    }
}

bool Database::Next(QSqlQuery &query, const QString &what) const
{
    if (query.next())
        return true;
    const QSqlError error = query.lastError();
    query.finish();
    if (error.type() != QSqlError::NoError)
        throw Failure(error, what);
    return false;
}

QList<QVariantList> Database::Rows(const QString &sql, const QVariantList &values, const QString &what) const
{
    QSqlQuery query(Connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw Failure(query.lastError(), what);
    for (const QVariant &value : values)
        query.addBindValue(value);
    Exec(query, what);
    QList<QVariantList> rows;
    while (Next(query, what)) {
        QVariantList row;
        const int columns = query.record().count();
        for (int i = 0; i < columns; ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

QSqlQuery &Database::Run(const QString &sql, const QVariantList &values, const QString &what)
{
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        auto query = std::make_unique<QSqlQuery>(Connection());
        query->setForwardOnly(true);
        if (!query->prepare(sql))
            throw Failure(query->lastError(), what);
        found = statements_.emplace(sql, std::move(query)).first;
    }
    QSqlQuery &query = *found->second;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    Exec(query, what);
    return query;
}

bool Database::HasTable(const QString &name)
{
    return tables_.count(name.toLower()) != 0 || !StoredTableName(name).isEmpty();
}

QString Database::StoredTableName(const QString &name) const
{
    const auto rows =
        Rows("SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)", {name}, name);
    return rows.isEmpty() ? QString() : rows.first().value(0).toString();
}

const TableInfo &Database::Table(const QString &name)
{
    const QString key = name.toLower();
    auto found = tables_.find(key);
    if (found != tables_.end())
        return found->second;
    const QString stored = StoredTableName(name);
    if (stored.isEmpty())
        throw DbError(QString("Tabella '%1' inesistente nell'archivio.").arg(name));
    TableInfo info;
    info.name = stored;
    // Columns: cid, name, type, notnull, dflt_value, pk.
    for (const QVariantList &row : Rows(QString("PRAGMA table_info(%1)").arg(QuotedIdentifier(stored)), {}, stored)) {
        ColumnInfo column;
        column.name = row.value(1).toString();
        column.kind = KindOfDeclaredType(row.value(2).toString());
        column.primaryKey = row.value(5).toInt() > 0;
        info.positions.insert(column.name.toLower(), int(info.columns.size()));
        info.columns << column;
    }
    return tables_.emplace(key, std::move(info)).first->second;
}

QStringList Database::IndexColumns(const QString &table, const QString &index)
{
    // Like the tables, an index is read once: the program never alters the design.
    const QString key = (table + "." + index).toLower();
    if (const auto known = indexes_.find(key); known != indexes_.end())
        return known->second;
    const auto found = Rows("SELECT name FROM sqlite_master WHERE type = 'index' AND lower(name) = ?", {key}, index);
    if (found.isEmpty())
        throw DbError(QString("'%1' non è un indice della tabella '%2'.").arg(index, table));
    const QString actual = found.first().value(0).toString();
    QStringList result;
    for (const QVariantList &row : Rows(QString("PRAGMA index_info(%1)").arg(QuotedIdentifier(actual)), {}, actual))
        result << row.value(2).toString();
    indexes_.emplace(key, result);
    return result;
}

std::unique_ptr<Recordset> Database::OpenTable(const QString &table)
{
    return std::make_unique<Recordset>(shared_from_this(), Table(table).name, true);
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString &queryText, const QVariantList &values)
{
    static const QRegularExpression shape(R"(^\s*select\s+\*\s+from\s+("[^"]+"|\[[^\]]+\]|\w+)(.*)$)",
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    const auto match = shape.match(queryText);
    if (!match.hasMatch())
        throw DbError(QString("Interrogazione non supportata: %1").arg(queryText));
    QString table = match.captured(1);
    if (table.startsWith('"') || table.startsWith('['))
        table = table.mid(1, table.size() - 2);
    const TableInfo &info = Table(table);
    QSqlQuery &query =
        Run(QString("SELECT rowid FROM %1 %2").arg(QuotedIdentifier(info.name), match.captured(2)), values, queryText);
    std::vector<qint64> rowids;
    while (Next(query, queryText))
        rowids.push_back(query.value(0).toLongLong());
    return std::make_unique<Recordset>(shared_from_this(), info.name, std::move(rowids));
}

void Database::Execute(const QString &statement, const QVariantList &values)
{
    CheckWritable();
    QSqlQuery query(Connection());
    if (!query.prepare(statement))
        throw Failure(query.lastError(), statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    Exec(query, statement);
    Touch();
    NoteRemoval();
}

quint64 Database::Removals(const QString &table) const
{
    const auto found = removals_.find(table.toLower());
    return removalsEverywhere_ + (found == removals_.end() ? 0 : found->second);
}

void Database::NoteRemoval(const QString &table)
{
    if (table.isEmpty())
        ++removalsEverywhere_;
    else
        ++removals_[table.toLower()];
}

void Database::ConfirmGone(const QString &table, quint64 removalsWhenListed) const
{
    if (Removals(table) != removalsWhenListed)
        return;
    const QList<QVariantList> problems = Rows("PRAGMA quick_check(1)", {}, table);
    if (problems.size() != 1 || problems.first().value(0).toString() != "ok")
        throw file_.Error(DbError::Cause::Damaged);
}

void Database::CheckWritable() const
{
    const DbError::Cause problem = file_.WriteProblem();
    if (problem != DbError::Cause::Other)
        throw file_.Error(problem);
}
