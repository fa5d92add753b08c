#include "DatabaseDesign.h"

#include "Database.h"
#include "DbError.h"
#include "SqlScript.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

int designCounter = 0;

// An index named "<table>.<name>" is shown by its own name.
QString IndexShownName(const QString &index, const QString &table)
{
    const QString prefix = table + '.';
    return index.startsWith(prefix, Qt::CaseInsensitive) ? index.mid(prefix.size()) : index;
}

// A row's values as one comparable text; NULL differs from every text.
QString RowKey(const QVariantList &row)
{
    QStringList parts;
    for (const QVariant &value : row)
        parts << (value.isNull() ? QString("\x01") : value.toString());
    return parts.join(QChar('\x02'));
}

// Runs queries on a connection of the design's own; SQL errors are the
// definition's own fault.
QList<QVariantList> RunOn(const QSqlDatabase &connection, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw DbError(QString("Definizione dell'archivio non valida: %1").arg(query.lastError().databaseText()));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows << row;
    }
    if (query.lastError().isValid())
        throw DbError(QString("Definizione dell'archivio non valida: %1").arg(query.lastError().databaseText()));
    return rows;
}

}  // namespace

DatabaseDesign DatabaseDesign::FromDefinition(const QString &definition)
{
    const QString name = QString("velkaro-design-%1").arg(++designCounter);
    DatabaseDesign design;
    QString failure;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase("QSQLITE", name);
        connection.setDatabaseName(":memory:");
        connection.open();
        const Query query = [&connection](const QString &sql, const QVariantList &values) {
            return RunOn(connection, sql, values);
        };
        try {
            for (const QString &statement : SqlStatements(definition))
                query(statement, {});
            design.tables_ = Read(query, true);
        } catch (const DbError &error) {
            failure = error.Description();
        }
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw DbError(failure);
    return design;
}

QStringList DatabaseDesign::TableNames() const
{
    QStringList names;
    for (const Table &table : tables_)
        names << table.name;
    return names;
}

QList<DatabaseDesign::Index> DatabaseDesign::ReadIndexes(const Query &query, const QString &table)
{
    QList<Index> indexes;
    for (const QVariantList &listed : query(QString("PRAGMA index_list(%1)").arg(QuotedIdentifier(table)), {})) {
        // Columns: seq, name, unique, origin, partial. Indexes SQLite makes
        // for a table's own constraints come with the table.
        if (listed.value(3).toString() != "c")
            continue;
        Index index;
        index.name = listed.value(1).toString();
        index.unique = listed.value(2).toInt() != 0;
        for (const QVariantList &column : query(QString("PRAGMA index_info(%1)").arg(QuotedIdentifier(index.name)), {}))
            index.columns << column.value(2).toString();
        indexes << index;
    }
    return indexes;
}

QList<DatabaseDesign::Table> DatabaseDesign::Read(const Query &query, bool withRows)
{
    QList<Table> tables;
    const auto names =
        query("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
              "ORDER BY rowid",
              {});
    for (const QVariantList &name : names) {
        Table table;
        table.name = name.value(0).toString();
        // Columns: cid, name, type, notnull, dflt_value, pk.
        for (const QVariantList &column : query(QString("PRAGMA table_info(%1)").arg(QuotedIdentifier(table.name)), {}))
            table.columns << Column{column.value(1).toString(), KindOfDeclaredType(column.value(2).toString())};
        table.indexes = ReadIndexes(query, table.name);
        if (withRows)
            table.rows = query(QString("SELECT * FROM %1").arg(QuotedIdentifier(table.name)), {});
        tables << table;
    }
    return tables;
}

QString DatabaseDesign::Missing(const Query &query) const
{
    const QList<Table> found = Read(query, false);
    for (const Table &expected : tables_) {
        const auto match = std::find_if(found.begin(), found.end(), [&](const Table &table) {
            return table.name.compare(expected.name, Qt::CaseInsensitive) == 0;
        });
        if (match == found.end())
            return QString("manca la tabella %1").arg(expected.name);
        const QString missing = MissingFrom(expected, *match, query);
        if (!missing.isEmpty())
            return missing;
    }
    return {};
}

QString DatabaseDesign::MissingFrom(const Table &expected, const Table &found, const Query &query)
{
    for (const Column &column : expected.columns) {
        const auto match = std::find_if(found.columns.begin(), found.columns.end(), [&](const Column &c) {
            return c.name.compare(column.name, Qt::CaseInsensitive) == 0;
        });
        if (match == found.columns.end())
            return QString("manca il campo %1 della tabella %2").arg(column.name, expected.name);
        if (match->kind != column.kind)
            return QString("il campo %1 della tabella %2 è di un altro tipo").arg(column.name, expected.name);
    }
    for (const Index &index : expected.indexes) {
        const QString shown = IndexShownName(index.name, expected.name);
        const auto match = std::find_if(found.indexes.begin(), found.indexes.end(), [&](const Index &i) {
            return i.name.compare(index.name, Qt::CaseInsensitive) == 0;
        });
        if (match == found.indexes.end())
            return QString("manca l'indice %1 della tabella %2").arg(shown, expected.name);
        if (match->unique != index.unique
            || match->columns.join('\n').compare(index.columns.join('\n'), Qt::CaseInsensitive) != 0)
            return QString("l'indice %1 della tabella %2 è diverso da quello previsto").arg(shown, expected.name);
    }
    return expected.rows.isEmpty() ? QString() : MissingRow(expected, query);
}

// The rows the definition inserts must all be there, each whole; the file
// may hold more.
QString DatabaseDesign::MissingRow(const Table &expected, const Query &query)
{
    QStringList columns;
    for (const Column &column : expected.columns)
        columns << QuotedIdentifier(column.name);
    QSet<QString> present;
    for (const QVariantList &row :
         query(QString("SELECT %1 FROM %2").arg(columns.join(", "), QuotedIdentifier(expected.name)), {}))
        present.insert(RowKey(row));
    for (const QVariantList &row : expected.rows)
        if (!present.contains(RowKey(row)))
            return QString("manca la riga con %1 %2 della tabella %3")
                .arg(expected.columns.first().name, row.value(0).toString(), expected.name);
    return {};
}
