#pragma once

#include "Database.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <memory>
#include <vector>

// A cursor over rows of one table, addressed by rowid.
//  - A table cursor (Database::OpenTable) follows an index chosen with
//    SetIndex and finds rows with Seek("=", key); it sees rows added later.
//  - A dynaset (Database::OpenRecordset) holds the rows its query returned,
//    in that order, plus the rows added through it; FindFirst searches it.
// Rows are edited with Edit/AddNew, assignments with SetField, then Update.
// After a failed Seek/FindFirst there is no current row. After AddNew+Update
// the row that was current before stays current. After Delete there is no
// current row and MoveNext/MovePrevious go to the deleted row's neighbours.
// Update throws when the row being edited was deleted meanwhile. A row that
// was listed and that no write of ours can have removed since is not taken
// for deleted when it cannot be read: the file is checked for damage.
class Recordset
{
public:
    enum class Mode { None, Edit, AddNew };

    Recordset(std::shared_ptr<Database> db, const QString &table, bool tableCursor);
    Recordset(std::shared_ptr<Database> db, const QString &table, std::vector<qint64> rowids);
    ~Recordset();

    const QString &TableName() const { return table_; }

    // Table cursors only.
    void SetIndex(const QString &indexName);
    void Seek(const QString &comparison, const QVariant &key);
    bool NoMatch() const { return noMatch_; }

    // Dynasets: condition such as "Progressivo = ?" with bound values.
    void FindFirst(const QString &condition, const QVariantList &values = {});

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool HasCurrent() const { return place_ == Place::OnRow; }
    qint64 RecordCount();

    // Fields of the current row (or of the row being added/edited, with the
    // values assigned so far). A dynaset fetches a field when it is first
    // read; a row deleted meanwhile then throws.
    QVariant Field(const QString &name) const;
    QVariant Field(int position) const;
    int FieldCount() const;
    QString FieldName(int position) const;
    void SetField(const QString &name, const QVariant &value);
    void SetField(int position, const QVariant &value);

    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    Mode EditMode() const { return mode_; }

    // The key (rowid) of the row stored by the last AddNew+Update.
    qint64 LastInsertedKey() const { return lastInserted_; }
    // The rowid of the current row, 0 when there is none.
    qint64 CurrentRowid() const { return place_ == Place::OnRow ? current_ : 0; }

    void Close();

private:
    // Where the cursor stands.
    enum class Place { BeforeFirst, OnRow, Hole, AfterLast };

    // Fields of a row as stored, typed when read. `places` maps each field
    // position to its place in `values`, -1 for a field not fetched.
    struct Fetched
    {
        QVector<QVariant> values;
        std::shared_ptr<const QVector<int>> places;
    };

    bool Read(qint64 rowid);  // loads the row; false when it no longer exists
    bool Fill(QSqlQuery &query);
    static QVector<QVariant> RowValues(const QSqlQuery &query, int count);
    // The field at a position of the current row, fetching it when the walk
    // has not read it so far.
    const QVariant &RawField(int position) const;
    void LoadCurrent();             // rereads the current row; throws when it is gone
    void SetCurrent(qint64 rowid);  // reads and makes current; throws when gone
    void Leave(Place place);        // no current row any more
    void EndEdit();
    QVariant Typed(int position, const QVariant &raw) const;
    QVariant Stored(int position, const QVariant &value) const;
    int ResolvePosition(const QString &name) const;
    QString OrderBy(bool descending = false) const;
    void MoveRelative(bool forward);
    void MoveEnd(bool last);
    // Table cursors: read the first or last row, or the row next to key_ in
    // index order, found through the index; no row order is held or reread.
    bool TableNeighbour(bool forward);
    bool TableEnd(bool last);
    // Dynasets: the first existing row from this slot on, going this way.
    bool DynasetStep(int from, bool forward);
    // Dynasets: reads the row of a slot, fetching the rows of the next slots
    // in one statement, so a walk costs one query per block, not per row.
    bool ReadSlot(int slot, bool forward);
    // Fetches the rows from a slot on: every field (`whole`), or only the
    // fields this dynaset has read so far.
    void Prefetch(int slot, bool forward, bool whole) const;
    void RequireOpen() const;
    void RequireCurrent() const;

    std::shared_ptr<Database> db_;
    QString table_;
    const TableInfo *info_ = nullptr;
    bool tableCursor_ = false;
    QStringList indexColumns_;   // empty: rowid order
    QList<int> indexPositions_;  // their field positions

    // Dynaset rows in order; a table cursor keeps none.
    std::vector<qint64> rows_;
    Place place_ = Place::BeforeFirst;
    qint64 current_ = 0;  // rowid of the current (or just deleted) row
    int position_ = -1;   // dynaset slot of the current row (Hole: of the next row)
    bool eof_ = true;
    bool bof_ = true;
    bool noMatch_ = false;
    bool closed_ = false;

    mutable Fetched row_;                        // the current row's fields
    std::shared_ptr<const QVector<int>> whole_;  // places of a row fetched whole
    // Dynasets: rows fetched ahead by a walk, valid until the next write,
    // with only the fields read so far: a walk that shows three fields of a
    // wide table neither fetches nor converts the others.
    mutable QHash<qint64, Fetched> ahead_;
    mutable QSet<qint64> gone_;
    mutable quint64 aheadGeneration_ = ~0ull;
    mutable std::vector<bool> read_;  // dynasets: the fields read so far
    QVariantList key_;                // table cursors: stored index values, then the rowid
    Mode mode_ = Mode::None;
    QMap<int, QVariant> assigned_;
    qint64 editing_ = 0;
    qint64 lastInserted_ = 0;
    // The table's removal count (Database::Removals) when the rows this
    // cursor holds were seen: a dynaset's when it listed them, a table
    // cursor's when it last read a row.
    quint64 seen_ = 0;
};
