#include "Recordset.h"

#include <QDateTime>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QString kNoCurrent = "Nessun record corrente.";

// Where each field of a row fetched whole stands among its values.
std::shared_ptr<const QVector<int>> WholeRow(int count)
{
    QVector<int> places(count);
    std::iota(places.begin(), places.end(), 0);
    return std::make_shared<const QVector<int>>(std::move(places));
}

}  // namespace

Recordset::Recordset(std::shared_ptr<Database> db, const QString &table, bool tableCursor)
    : db_(std::move(db)), table_(table), info_(&db_->Table(table)), tableCursor_(tableCursor),
      whole_(WholeRow(int(info_->columns.size())))
{
    MoveFirst();
}

Recordset::Recordset(std::shared_ptr<Database> db, const QString &table, std::vector<qint64> rowids)
    : db_(std::move(db)), table_(table), info_(&db_->Table(table)), rows_(std::move(rowids)),
      whole_(WholeRow(int(info_->columns.size()))), read_(info_->columns.size(), false), seen_(db_->Removals(table_))
{
    MoveFirst();
}

Recordset::~Recordset() = default;

void Recordset::RequireOpen() const
{
    if (closed_)
        throw DbError("Operazione non consentita su un recordset chiuso.");
}

void Recordset::RequireCurrent() const
{
    RequireOpen();
    if (place_ != Place::OnRow)
        throw DbError(kNoCurrent);
}

QString Recordset::OrderBy(bool descending) const
{
    const QString direction = descending ? " DESC" : "";
    QStringList parts;
    for (const QString &column : indexColumns_)
        parts << QuotedIdentifier(column) + direction;
    parts << "rowid" + direction;
    return " ORDER BY " + parts.join(", ");
}

bool Recordset::Read(qint64 rowid)
{
    const QString sql = QString("SELECT rowid, * FROM %1 WHERE rowid = ?").arg(QuotedIdentifier(table_));
    return Fill(db_->Run(sql, {rowid}, table_));
}

// Takes the row a "SELECT rowid, * ..." statement found, if any, as the
// current row.
bool Recordset::Fill(QSqlQuery &query)
{
    if (!db_->Next(query, table_))
        return false;
    const qint64 rowid = query.value(0).toLongLong();
    row_ = {RowValues(query, int(info_->columns.size())), whole_};
    key_.clear();
    for (int position : indexPositions_)
        key_ << query.value(position + 1);
    key_ << rowid;
    query.finish();
    current_ = rowid;
    place_ = Place::OnRow;
    eof_ = bof_ = false;
    if (tableCursor_)
        seen_ = db_->Removals(table_);
    return true;
}

// The fields after the rowid of the row a "SELECT rowid, ..." statement
// stands on, as stored: each is typed when it is read.
QVector<QVariant> Recordset::RowValues(const QSqlQuery &query, int count)
{
    QVector<QVariant> values(count);
    for (int i = 0; i < count; ++i)
        values[i] = query.value(i + 1);
    return values;
}

void Recordset::Leave(Place place)
{
    place_ = place;
    row_ = {};
    if (place == Place::BeforeFirst || place == Place::AfterLast) {
        key_.clear();
        current_ = 0;
    }
    bof_ = place == Place::BeforeFirst;
    eof_ = place == Place::AfterLast;
}

void Recordset::SetCurrent(qint64 rowid)
{
    noMatch_ = false;
    if (!Read(rowid)) {
        Leave(Place::AfterLast);
        db_->ConfirmGone(table_, seen_);
        throw DbError("Il record è stato eliminato.");
    }
}

void Recordset::LoadCurrent()
{
    if (place_ == Place::OnRow)
        SetCurrent(current_);
}

void Recordset::EndEdit()
{
    mode_ = Mode::None;
    assigned_.clear();
}

void Recordset::SetIndex(const QString &indexName)
{
    RequireOpen();
    const QStringList columns = db_->IndexColumns(table_, indexName);
    QList<int> positions;
    for (const QString &column : columns) {
        const int position = info_->Position(column);
        if (position < 0)
            throw DbError(QString("L'indice '%1' della tabella '%2' non è utilizzabile.").arg(indexName, table_));
        positions << position;
    }
    indexColumns_ = columns;
    indexPositions_ = positions;
    MoveFirst();
}

void Recordset::Seek(const QString &comparison, const QVariant &key)
{
    RequireOpen();
    if (!tableCursor_ || indexColumns_.isEmpty())
        throw DbError("Seek richiede un recordset di tabella con un indice.");
    if (comparison.trimmed() != "=")
        throw DbError(QString("Confronto non supportato: %1").arg(comparison));
    EndEdit();
    QVariant bound;
    try {
        bound = Stored(indexPositions_.first(), key);
    } catch (const DbError &) {
        bound = QVariant();  // a key of the wrong kind matches nothing
    }
    if (bound.isValid() && !bound.isNull()) {
        const QString sql = QString("SELECT rowid, * FROM %1 WHERE %2 = ?%3 LIMIT 1")
                                .arg(QuotedIdentifier(table_), QuotedIdentifier(indexColumns_.first()), OrderBy());
        if (Fill(db_->Run(sql, {bound}, table_))) {
            noMatch_ = false;
            return;
        }
    }
    // After a failed look-up there is no usable current row.
    Leave(Place::AfterLast);
    noMatch_ = true;
}

void Recordset::FindFirst(const QString &condition, const QVariantList &values)
{
    RequireOpen();
    EndEdit();
    QSqlQuery query(db_->Connection());
    query.setForwardOnly(true);
    const QString where = QString("SELECT rowid FROM %1 WHERE (%2)").arg(QuotedIdentifier(table_), condition);
    query.prepare(tableCursor_ ? where + OrderBy() : where);
    for (const QVariant &value : values)
        query.addBindValue(value);
    db_->Exec(query, condition);
    // The rows the condition has just listed cannot have been deleted by
    // us before they are read.
    const quint64 listed = db_->Removals(table_);
    if (tableCursor_) {
        while (db_->Next(query, condition)) {
            if (Read(query.value(0).toLongLong())) {
                noMatch_ = false;
                return;
            }
            db_->ConfirmGone(table_, listed);
        }
    } else {
        QSet<qint64> matching;
        while (db_->Next(query, condition))
            matching.insert(query.value(0).toLongLong());
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (!matching.contains(rows_[i]))
                continue;
            if (Read(rows_[i])) {
                position_ = int(i);
                noMatch_ = false;
                return;
            }
            db_->ConfirmGone(table_, listed);
        }
    }
    Leave(Place::AfterLast);
    position_ = int(rows_.size());
    noMatch_ = true;
}

bool Recordset::TableEnd(bool last)
{
    const QString sql = QString("SELECT rowid, * FROM %1%2 LIMIT 1").arg(QuotedIdentifier(table_), OrderBy(last));
    return Fill(db_->Run(sql, {}, table_));
}

// Index order is the order of the index columns, then of the rowid; NULL
// sorts before every value. The neighbour of a key (k1..kn, rowid) is found
// level by level from the rowid up: same k1..k(i-1), then the nearest ki.
// Each step is a look-up in the index, however large the table.
bool Recordset::TableNeighbour(bool forward)
{
    const QVariantList key = key_;
    const int n = int(indexColumns_.size());
    if (forward && std::none_of(key.begin(), key.end(), [](const QVariant &v) { return v.isNull(); })) {
        // With no NULL in the key one comparison of row values does it: a
        // row whose index value is NULL sorts before the key and is left out.
        QStringList columns;
        QStringList marks;
        for (const QString &column : indexColumns_) {
            columns << QuotedIdentifier(column);
            marks << "?";
        }
        columns << "rowid";
        marks << "?";
        const QString sql = QString("SELECT rowid, * FROM %1 WHERE (%2) > (%3)%4 LIMIT 1")
                                .arg(QuotedIdentifier(table_), columns.join(", "), marks.join(", "), OrderBy());
        return Fill(db_->Run(sql, key, table_));
    }
    for (int level = n; level >= 0; --level) {
        QStringList conditions;
        QVariantList binds;
        for (int j = 0; j < level; ++j) {
            conditions << QuotedIdentifier(indexColumns_[j]) + " IS ?";
            binds << key[j];
        }
        const QString column = level == n ? QString("rowid") : QuotedIdentifier(indexColumns_[level]);
        const QVariant &value = key[level];
        if (value.isNull()) {
            if (!forward)
                continue;  // nothing sorts before NULL
            conditions << column + " IS NOT NULL";
        } else if (forward) {
            conditions << column + " > ?";
            binds << value;
        } else {
            conditions << "(" + column + " < ? OR " + column + " IS NULL)";
            binds << value;
        }
        const QString sql = QString("SELECT rowid, * FROM %1 WHERE %2%3 LIMIT 1")
                                .arg(QuotedIdentifier(table_), conditions.join(" AND "), OrderBy(!forward));
        if (Fill(db_->Run(sql, binds, table_)))
            return true;
    }
    return false;
}

void Recordset::Prefetch(int slot, bool forward, bool whole) const
{
    constexpr int kBlock = 64;
    QStringList marks;
    QVariantList rowids;
    for (int i = slot; i >= 0 && i < int(rows_.size()) && rowids.size() < kBlock; i += forward ? 1 : -1) {
        marks << "?";
        rowids << rows_[size_t(i)];
    }
    // Until a field is read only the rows' presence is asked for.
    QStringList columns{"rowid"};
    auto places = whole_;
    if (whole) {
        columns << "*";
    } else {
        QVector<int> fetched(info_->columns.size(), -1);
        for (int i = 0; i < fetched.size(); ++i)
            if (read_[size_t(i)]) {
                fetched[i] = int(columns.size()) - 1;
                columns << QuotedIdentifier(info_->columns[i].name);
            }
        places = std::make_shared<const QVector<int>>(std::move(fetched));
    }
    const int count = whole ? int(info_->columns.size()) : int(columns.size()) - 1;
    const QString sql = QString("SELECT %1 FROM %2 WHERE rowid IN (%3)")
                            .arg(columns.join(", "), QuotedIdentifier(table_), marks.join(", "));
    QSqlQuery &query = db_->Run(sql, rowids, table_);
    for (const QVariant &rowid : rowids) {
        ahead_.remove(rowid.toLongLong());
        gone_.insert(rowid.toLongLong());
    }
    // A row not returned was deleted meanwhile; a read that fails throws,
    // and so does a row that was listed but cannot be found, where no
    // deletion of ours explains it: a damaged page never passes for
    // deleted rows.
    qsizetype found = 0;
    while (db_->Next(query, table_)) {
        const qint64 rowid = query.value(0).toLongLong();
        gone_.remove(rowid);
        ahead_.insert(rowid, {RowValues(query, count), places});
        ++found;
    }
    if (found < rowids.size())
        db_->ConfirmGone(table_, seen_);
}

bool Recordset::ReadSlot(int slot, bool forward)
{
    if (aheadGeneration_ != db_->Generation()) {
        ahead_.clear();
        gone_.clear();
        aheadGeneration_ = db_->Generation();
    }
    const qint64 rowid = rows_[size_t(slot)];
    if (!ahead_.contains(rowid) && !gone_.contains(rowid))
        Prefetch(slot, forward, false);
    const auto found = ahead_.constFind(rowid);
    if (found == ahead_.constEnd())
        return false;
    row_ = *found;
    key_ = {rowid};
    current_ = rowid;
    place_ = Place::OnRow;
    eof_ = bof_ = false;
    return true;
}

const QVariant &Recordset::RawField(int position) const
{
    if (!tableCursor_)
        read_[size_t(position)] = true;
    if (row_.places->at(position) < 0) {
        // A field the walk has not read so far: the rows from here on are
        // fetched whole, and the next blocks bring this field too.
        Prefetch(position_, true, true);
        const auto found = ahead_.constFind(current_);
        if (found == ahead_.constEnd()) {
            db_->ConfirmGone(table_, seen_);
            throw DbError("Il record è stato eliminato.");
        }
        row_ = *found;
    }
    return row_.values.at(row_.places->at(position));
}

bool Recordset::DynasetStep(int from, bool forward)
{
    for (int i = from; i >= 0 && i < int(rows_.size()); i += forward ? 1 : -1) {
        if (ReadSlot(i, forward)) {  // rows deleted meanwhile are skipped
            position_ = i;
            return true;
        }
    }
    return false;
}

void Recordset::MoveEnd(bool last)
{
    RequireOpen();
    EndEdit();
    noMatch_ = false;
    if (tableCursor_) {
        if (TableEnd(last))
            return;
    } else if (DynasetStep(last ? int(rows_.size()) - 1 : 0, !last)) {
        return;
    }
    Leave(Place::AfterLast);
    eof_ = bof_ = true;
    position_ = -1;
}

void Recordset::MoveFirst()
{
    MoveEnd(false);
}

void Recordset::MoveLast()
{
    MoveEnd(true);
}

void Recordset::MoveNext()
{
    MoveRelative(true);
}

void Recordset::MovePrevious()
{
    MoveRelative(false);
}

void Recordset::MoveRelative(bool forward)
{
    RequireOpen();
    if ((forward && eof_) || (!forward && bof_))
        throw DbError(kNoCurrent);
    EndEdit();
    noMatch_ = false;
    if ((forward && place_ == Place::BeforeFirst) || (!forward && place_ == Place::AfterLast)) {
        MoveEnd(!forward);
        return;
    }
    bool found = false;
    if (tableCursor_) {
        found = TableNeighbour(forward);
    } else {
        int from = forward ? position_ + 1 : position_ - 1;
        if (place_ == Place::Hole && forward)
            from = position_;  // the slot left by the deleted row holds the next one
        found = DynasetStep(from, forward);
    }
    if (found)
        return;
    Leave(forward ? Place::AfterLast : Place::BeforeFirst);
    position_ = forward ? int(rows_.size()) : -1;
}

qint64 Recordset::RecordCount()
{
    RequireOpen();
    if (!tableCursor_)
        return qint64(rows_.size());
    QSqlQuery &query = db_->Run(QString("SELECT count(*) FROM %1").arg(QuotedIdentifier(table_)), {}, table_);
    const qint64 count = db_->Next(query, table_) ? query.value(0).toLongLong() : 0;
    query.finish();
    return count;
}

int Recordset::ResolvePosition(const QString &name) const
{
    const int position = info_->Position(name);
    if (position < 0)
        throw DbError(QString("Campo '%1' inesistente nella tabella '%2'.").arg(name, table_));
    return position;
}

int Recordset::FieldCount() const
{
    return info_->columns.size();
}

QString Recordset::FieldName(int position) const
{
    if (position < 0 || position >= info_->columns.size())
        throw DbError(QString("Campo %1 inesistente nella tabella '%2'.").arg(position).arg(table_));
    return info_->columns[position].name;
}

QVariant Recordset::Field(const QString &name) const
{
    return Field(ResolvePosition(name));
}

QVariant Recordset::Field(int position) const
{
    RequireOpen();
    FieldName(position);
    if (assigned_.contains(position))
        return Typed(position, Stored(position, assigned_.value(position)));
    if (mode_ == Mode::AddNew)
        return QVariant();
    if (place_ != Place::OnRow)
        throw DbError(kNoCurrent);
    return Typed(position, RawField(position));
}

void Recordset::SetField(const QString &name, const QVariant &value)
{
    SetField(ResolvePosition(name), value);
}

void Recordset::SetField(int position, const QVariant &value)
{
    RequireOpen();
    FieldName(position);
    if (mode_ == Mode::None)
        throw DbError("Aggiornamento senza AddNew o Edit.");
    Stored(position, value);  // reject a value of the wrong kind now, not at Update
    assigned_.insert(position, value);
}

void Recordset::AddNew()
{
    RequireOpen();
    mode_ = Mode::AddNew;
    assigned_.clear();
}

void Recordset::Edit()
{
    RequireCurrent();
    LoadCurrent();  // start from what is stored now
    mode_ = Mode::Edit;
    editing_ = current_;
    assigned_.clear();
}

void Recordset::CancelUpdate()
{
    EndEdit();
}

void Recordset::Update()
{
    RequireOpen();
    if (mode_ == Mode::None)
        throw DbError("Update senza AddNew o Edit.");
    db_->CheckWritable();
    QStringList columns;
    QVariantList values;
    for (auto it = assigned_.constBegin(); it != assigned_.constEnd(); ++it) {
        columns << QuotedIdentifier(info_->columns[it.key()].name);
        values << Stored(it.key(), it.value());
    }
    if (mode_ == Mode::Edit) {
        // Only the assigned fields are written: what another window stored
        // meanwhile in the other fields stays.
        QStringList sets;
        for (const QString &column : columns)
            sets << column + " = ?";
        values << editing_;
        const QString sql =
            sets.isEmpty() ? QString("SELECT 1 FROM %1 WHERE rowid = ?").arg(QuotedIdentifier(table_))
                           : QString("UPDATE %1 SET %2 WHERE rowid = ?").arg(QuotedIdentifier(table_), sets.join(", "));
        QSqlQuery &query = db_->Run(sql, values, table_);
        const bool stored = sets.isEmpty() ? db_->Next(query, table_) : query.numRowsAffected() > 0;
        query.finish();
        EndEdit();
        if (!stored) {
            if (place_ == Place::OnRow && current_ == editing_)
                Leave(Place::Hole);
            throw DbError("Il record è stato eliminato.");
        }
        db_->Touch();
        if (place_ == Place::OnRow && current_ == editing_)
            LoadCurrent();
        return;
    }
    QString sql = QString("INSERT INTO %1 DEFAULT VALUES").arg(QuotedIdentifier(table_));
    if (!columns.isEmpty()) {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << "?";
        sql = QString("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(QuotedIdentifier(table_), columns.join(", "), marks.join(", "));
    }
    QSqlQuery &query = db_->Run(sql, values, table_);
    lastInserted_ = query.lastInsertId().toLongLong();
    query.finish();
    EndEdit();
    db_->Touch();
    // A dynaset shows the rows added through it at its end; the current row
    // stays current either way.
    if (!tableCursor_)
        rows_.push_back(lastInserted_);
}

void Recordset::Delete()
{
    RequireCurrent();
    db_->CheckWritable();
    db_->Run(QString("DELETE FROM %1 WHERE rowid = ?").arg(QuotedIdentifier(table_)), {current_}, table_).finish();
    db_->Touch();
    // The rows this dynaset holds are still all there when it was the only
    // one removed since they were listed: it leaves the list.
    const bool intact = seen_ == db_->Removals(table_);
    db_->NoteRemoval(table_);
    EndEdit();
    // The cursor stays where the row was: MoveNext goes to the row after it.
    if (!tableCursor_ && position_ >= 0 && position_ < int(rows_.size())) {
        rows_.erase(rows_.begin() + position_);
        if (intact)
            seen_ = db_->Removals(table_);
    }
    Leave(Place::Hole);
}

void Recordset::Close()
{
    closed_ = true;
    EndEdit();
    Leave(Place::AfterLast);
}

QVariant Recordset::Typed(int position, const QVariant &raw) const
{
    if (raw.isNull() || !raw.isValid())
        return QVariant();
    switch (info_->columns[position].kind) {
    case ColumnInfo::Kind::Boolean:
        return QVariant(raw.toLongLong() != 0);
    case ColumnInfo::Kind::Integer:
        return QVariant(qint64(raw.toLongLong()));
    case ColumnInfo::Kind::Double:
        return QVariant(raw.toDouble());
    case ColumnInfo::Kind::Text:
        return QVariant(raw.toString());
    case ColumnInfo::Kind::DateTime: {
        const QDateTime when = QDateTime::fromString(raw.toString(), Qt::ISODate);
        return when.isValid() ? QVariant(when) : QVariant(raw.toString());
    }
    case ColumnInfo::Kind::Other:
        break;
    }
    return raw;
}

// Converts an assigned value to what the column stores, as the engine would:
// a value that cannot become the column's kind is a type mismatch.
QVariant Recordset::Stored(int position, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const ColumnInfo &column = info_->columns[position];
    const auto mismatch = [&] {
        return DbError(QString("Tipo di dati non corrispondente per il campo '%1'.").arg(column.name));
    };
    const int type = value.typeId();
    const bool isText = type == QMetaType::QString;
    switch (column.kind) {
    case ColumnInfo::Kind::Boolean:
        if (type == QMetaType::Bool)
            return value.toBool() ? 1 : 0;
        if (isText) {
            const QString t = value.toString().trimmed();
            if (t.compare("true", Qt::CaseInsensitive) == 0 || t.compare("vero", Qt::CaseInsensitive) == 0)
                return 1;
            if (t.compare("false", Qt::CaseInsensitive) == 0 || t.compare("falso", Qt::CaseInsensitive) == 0)
                return 0;
            bool ok = false;
            const double d = t.toDouble(&ok);
            if (!ok)
                throw mismatch();
            return d != 0 ? 1 : 0;
        }
        return value.toDouble() != 0 ? 1 : 0;
    case ColumnInfo::Kind::Integer: {
        if (type == QMetaType::Bool)
            return value.toBool() ? -1 : 0;
        if (type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::Short
            || type == QMetaType::Long)
            return value.toLongLong();
        bool ok = false;
        double d = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            throw mismatch();
        d = std::round(d);  // half away from zero
        if (d >= 9.2e18 || d <= -9.2e18)
            throw DbError(QString("Overflow: valore troppo grande per il campo '%1'.").arg(column.name));
        return qint64(d);
    }
    case ColumnInfo::Kind::Double: {
        if (type == QMetaType::Bool)
            return value.toBool() ? -1.0 : 0.0;
        bool ok = false;
        const double d = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            throw mismatch();
        return d;
    }
    case ColumnInfo::Kind::Text:
        if (type == QMetaType::Bool)
            return value.toBool() ? QString("True") : QString("False");
        if (type == QMetaType::Double) {
            const double d = value.toDouble();
            if (std::abs(d) < 1e15 && d == std::floor(d))
                return QString::number(qint64(d));
            return QString::number(d, 'g', 15);
        }
        return value.toString();
    case ColumnInfo::Kind::DateTime:
        if (type == QMetaType::QDateTime)
            return value.toDateTime().toString(Qt::ISODate);
        if (type == QMetaType::QDate)
            return value.toDate().startOfDay().toString(Qt::ISODate);
        if (isText) {
            const QDateTime when = QDateTime::fromString(value.toString(), Qt::ISODate);
            if (when.isValid())
                return when.toString(Qt::ISODate);
            const QString text = value.toString().trimmed();
            for (const QString &format : {QString("dd/MM/yyyy"), QString("d/M/yyyy"), QString("dd/MM/yy")}) {
                const QDate date = QDate::fromString(text, format);
                if (date.isValid())
                    return date.startOfDay().toString(Qt::ISODate);
            }
        }
        throw mismatch();
    case ColumnInfo::Kind::Other:
        break;
    }
    return value;
}
