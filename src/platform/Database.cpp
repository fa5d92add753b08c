#include "Database.h"

#include "OpenForReading.h"
#include "Recordset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

ColumnInfo::Kind KindOf(const QString &declared)
{
    const QString t = declared.toUpper();
    if (t.contains("BOOL") || t == "BIT" || t == "YESNO")
        return ColumnInfo::Kind::Boolean;
    if (t.contains("INT") || t.contains("COUNTER") || t.contains("LONG") || t == "BYTE")
        return ColumnInfo::Kind::Integer;
    if (t.contains("DOUBLE") || t.contains("REAL") || t.contains("FLOA") || t.contains("CURRENCY")
        || t.contains("SINGLE") || t.contains("NUMERIC") || t.contains("DECIMAL"))
        return ColumnInfo::Kind::Double;
    if (t.contains("DATE") || t.contains("TIME"))
        return ColumnInfo::Kind::DateTime;
    if (t.contains("TEXT") || t.contains("CHAR") || t.contains("MEMO") || t.contains("CLOB"))
        return ColumnInfo::Kind::Text;
    return ColumnInfo::Kind::Other;
}

int connectionCounter = 0;

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

Database::Database(const QString &path, const QString &connectionName) : path_(path), connectionName_(connectionName) {}

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

std::shared_ptr<Database> Database::Open(const QString &path, const QStringList &requiredTables)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (const QString problem = OpenForReading(file); !problem.isEmpty())
        throw DbError(problem);
    const QByteArray header = file.read(16);
    file.close();
    // An empty file would be taken by SQLite as a new empty database: it is
    // not a project database, and nothing must be written into it.
    if (header != QByteArray("SQLite format 3\0", 16))
        throw DbError(QString("Il file '%1' non è un archivio del Formulario.").arg(shown));
    if (!info.isWritable())
        throw DbError(QString("Il file '%1' è di sola lettura: i dati non potrebbero essere registrati.").arg(shown));

    const QString name = QString("velkaro-db-%1").arg(++connectionCounter);
    std::shared_ptr<Database> db(new Database(info.absoluteFilePath(), name));
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase("QSQLITE", name);
        connection.setDatabaseName(info.absoluteFilePath());
        // A second program on the same file waits instead of failing at once.
        connection.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
        if (!connection.open())
            throw DbError(QString("Impossibile aprire il file '%1': %2").arg(shown, connection.lastError().text()));
    }
    db->VerifyDesign(requiredTables);
    return db;
}

QSqlDatabase Database::Connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

void Database::VerifyDesign(const QStringList &requiredTables)
{
    QSqlQuery query(Connection());
    query.setForwardOnly(true);
    if (!query.exec("SELECT name FROM sqlite_master WHERE type = 'table'"))
        throw DbError(QString("Il file '%1' non è un archivio del Formulario.").arg(QDir::toNativeSeparators(path_)));
    QStringList present;
    while (query.next())
        present << query.value(0).toString().toLower();
    for (const QString &table : requiredTables)
        if (!present.contains(table.toLower()))
            throw DbError(QString("Il file '%1' non è un archivio del Formulario: manca la tabella %2.")
                              .arg(QDir::toNativeSeparators(path_), table));
}

void Database::Exec(QSqlQuery &query, const QString &what) const
{
    if (!query.exec())
        throw DbError(QString("Errore del database (%1): %2").arg(what, query.lastError().text()));
}

QSqlQuery &Database::Run(const QString &sql, const QVariantList &values, const QString &what)
{
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        auto query = std::make_unique<QSqlQuery>(Connection());
        query->setForwardOnly(true);
        if (!query->prepare(sql))
            throw DbError(QString("Errore del database (%1): %2").arg(what, query->lastError().text()));
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
    QSqlQuery query(Connection());
    query.prepare("SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)");
    query.addBindValue(name);
    Exec(query, name);
    return query.next() ? query.value(0).toString() : QString();
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
    QSqlQuery query(Connection());
    query.setForwardOnly(true);
    if (!query.exec(QString("PRAGMA table_info(%1)").arg(QuotedIdentifier(stored))))
        throw DbError(query.lastError().text());
    TableInfo info;
    info.name = stored;
    while (query.next()) {
        ColumnInfo column;
        column.name = query.value(1).toString();
        column.kind = KindOf(query.value(2).toString());
        column.primaryKey = query.value(5).toInt() > 0;
        info.positions.insert(column.name.toLower(), int(info.columns.size()));
        info.columns << column;
    }
    return tables_.emplace(key, std::move(info)).first->second;
}

QStringList Database::IndexColumns(const QString &table, const QString &index)
{
    const QString wanted = (table + "." + index).toLower();
    QSqlQuery query(Connection());
    query.prepare("SELECT name FROM sqlite_master WHERE type = 'index' AND lower(name) = ?");
    query.addBindValue(wanted);
    Exec(query, index);
    if (!query.next())
        throw DbError(QString("'%1' non è un indice della tabella '%2'.").arg(index, table));
    const QString actual = query.value(0).toString();
    QSqlQuery columns(Connection());
    columns.setForwardOnly(true);
    if (!columns.exec(QString("PRAGMA index_info(%1)").arg(QuotedIdentifier(actual))))
        throw DbError(columns.lastError().text());
    QStringList result;
    while (columns.next())
        result << columns.value(2).toString();
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
    QSqlQuery query(Connection());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT rowid FROM %1 %2").arg(QuotedIdentifier(info.name), match.captured(2)));
    for (const QVariant &value : values)
        query.addBindValue(value);
    Exec(query, queryText);
    std::vector<qint64> rowids;
    while (query.next())
        rowids.push_back(query.value(0).toLongLong());
    return std::make_unique<Recordset>(shared_from_this(), info.name, std::move(rowids));
}

void Database::Execute(const QString &statement, const QVariantList &values)
{
    CheckWritable();
    QSqlQuery query(Connection());
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    Exec(query, statement);
    Touch();
}

void Database::CheckWritable() const
{
    const QFileInfo info(path_);
    if (!info.exists())
        throw DbError(QString("L'archivio '%1' non è più disponibile: i dati non sono stati registrati.")
                          .arg(QDir::toNativeSeparators(path_)));
    if (!info.isWritable())
        throw DbError(QString("L'archivio '%1' è di sola lettura: i dati non sono stati registrati.")
                          .arg(QDir::toNativeSeparators(path_)));
}

namespace {
int savepoints = 0;
}

// Savepoints nest: a store that runs as one transaction may rewrite a grid
// inside it, which is a transaction of its own.
Transaction::Transaction(Database &db) : db_(db), name_(QString("velkaro_%1").arg(++savepoints))
{
    QSqlQuery query(db_.Connection());
    if (!query.exec("SAVEPOINT " + name_))
        throw DbError(QString("Impossibile avviare la transazione: %1").arg(query.lastError().text()));
}

Transaction::~Transaction()
{
    if (done_)
        return;
    QSqlQuery query(db_.Connection());
    query.exec("ROLLBACK TO " + name_);
    query.exec("RELEASE " + name_);
    // Rows read ahead may hold what was rolled back.
    db_.Touch();
}

void Transaction::Commit()
{
    QSqlQuery query(db_.Connection());
    if (!query.exec("RELEASE " + name_))
        throw DbError(QString("Impossibile registrare le modifiche: %1").arg(query.lastError().text()));
    done_ = true;
}
