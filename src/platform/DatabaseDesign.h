#pragma once

#include "ColumnKind.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// What a database of one design holds: every table with its columns and
// their kinds, every index with its columns, and the rows the definition
// itself inserts (a catalogue the program relies on). Read once from the
// definition's SQL text on an in-memory database, then compared with a file,
// which may hold more (tables, columns, indexes, rows) but nothing less.
class DatabaseDesign
{
public:
    // Runs a query with bound values and returns its rows; throws a DbError.
    using Query = std::function<QList<QVariantList>(const QString &sql, const QVariantList &values)>;

    // The design a definition script creates; throws a DbError when the
    // script does not run.
    static DatabaseDesign FromDefinition(const QString &definition);

    // What the database read through `query` lacks, as an Italian clause
    // ("manca il campo Priorita della tabella Principale"); empty when it
    // lacks nothing. Only reads.
    QString Missing(const Query &query) const;

    QStringList TableNames() const;

private:
    struct Column
    {
        QString name;
        ColumnKind kind = ColumnKind::Other;
    };
    struct Index
    {
        QString name;
        bool unique = false;
        QStringList columns;
    };
    struct Table
    {
        QString name;
        QList<Column> columns;
        QList<Index> indexes;
        QList<QVariantList> rows;  // the rows the definition inserts, every column
    };

    static QList<Table> Read(const Query &query, bool withRows);
    static QList<Index> ReadIndexes(const Query &query, const QString &table);
    static QString MissingFrom(const Table &expected, const Table &found, const Query &query);
    static QString MissingRow(const Table &expected, const Query &query);

    QList<Table> tables_;
};
