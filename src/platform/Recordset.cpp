#include "Recordset.h"

#include <QDateTime>
#include <QSqlQuery>

#include <cmath>
#include <limits>

namespace {

QString Quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace('"', "\"\"");
    return '"' + s + '"';
}

const QString kNoCurrent = "Nessun record corrente.";

} // namespace

Recordset::Recordset(std::shared_ptr<Database> db, const QString &table, bool tableCursor)
    : db_(std::move(db)), table_(table), info_(&db_->Table(table)), tableCursor_(tableCursor)
{
    MoveFirst();
}

Recordset::Recordset(std::shared_ptr<Database> db, const QString &table, std::vector<qint64> rowids)
    : db_(std::move(db)), table_(table), info_(&db_->Table(table)), rows_(std::move(rowids))
{
    generation_ = db_->Generation();
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
    if (current_ == 0)
        throw DbError(kNoCurrent);
}

QString Recordset::OrderBy() const
{
    QStringList parts;
    for (const QString &column : indexColumns_)
        parts << Quoted(column);
    parts << "rowid";
    return " ORDER BY " + parts.join(", ");
}

void Recordset::RefreshRows()
{
    if (!tableCursor_ || generation_ == db_->Generation())
        return;
    QSqlQuery query(db_->Connection());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT rowid FROM %1%2").arg(Quoted(table_), OrderBy()));
    db_->Exec(query, table_);
    rows_.clear();
    while (query.next())
        rows_.push_back(query.value(0).toLongLong());
    generation_ = db_->Generation();
    if (current_ != 0)
        Locate(current_);
}

bool Recordset::Locate(qint64 rowid)
{
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] == rowid) {
            position_ = int(i);
            return true;
        }
    return false;
}

void Recordset::SetCurrent(qint64 rowid)
{
    current_ = rowid;
    hole_ = false;
    eof_ = bof_ = false;
    noMatch_ = false;
    LoadCurrent();
}

void Recordset::LoadCurrent()
{
    values_.clear();
    if (current_ == 0)
        return;
    QSqlQuery query(db_->Connection());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT * FROM %1 WHERE rowid = ?").arg(Quoted(table_)));
    query.addBindValue(current_);
    db_->Exec(query, table_);
    if (!query.next()) {
        current_ = 0;
        throw DbError("Il record è stato eliminato.");
    }
    for (int i = 0; i < info_->columns.size(); ++i)
        values_ << Typed(i, query.value(i));
}

void Recordset::SetIndex(const QString &indexName)
{
    RequireOpen();
    indexColumns_ = db_->IndexColumns(table_, indexName);
    generation_ = ~0ull;
    MoveFirst();
}

void Recordset::Seek(const QString &comparison, const QVariant &key)
{
    RequireOpen();
    if (!tableCursor_ || indexColumns_.isEmpty())
        throw DbError("Seek richiede un recordset di tabella con un indice.");
    if (comparison.trimmed() != "=")
        throw DbError(QString("Confronto non supportato: %1").arg(comparison));
    mode_ = Mode::None;
    assigned_.clear();
    const int position = info_->Position(indexColumns_.first());
    QSqlQuery query(db_->Connection());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT rowid FROM %1 WHERE %2 = ?%3 LIMIT 1")
                      .arg(Quoted(table_), Quoted(indexColumns_.first()), OrderBy()));
    QVariant bound;
    try {
        bound = Stored(position, key);
    } catch (const DbError &) {
        bound = QVariant();  // a key of the wrong kind matches nothing
    }
    query.addBindValue(bound);
    db_->Exec(query, table_);
    if (bound.isValid() && !bound.isNull() && query.next()) {
        SetCurrent(query.value(0).toLongLong());
        generation_ = ~0ull;
        return;
    }
    // After a failed look-up there is no usable current row.
    current_ = 0;
    values_.clear();
    noMatch_ = true;
    eof_ = true;
    bof_ = false;
}

void Recordset::FindFirst(const QString &condition, const QVariantList &values)
{
    RequireOpen();
    mode_ = Mode::None;
    assigned_.clear();
    QSqlQuery query(db_->Connection());
    query.setForwardOnly(true);
    query.prepare(QString("SELECT rowid FROM %1 WHERE %2").arg(Quoted(table_), condition));
    for (const QVariant &value : values)
        query.addBindValue(value);
    db_->Exec(query, condition);
    QSet<qint64> matching;
    while (query.next())
        matching.insert(query.value(0).toLongLong());
    RefreshRows();
    for (size_t i = 0; i < rows_.size(); ++i)
        if (matching.contains(rows_[i])) {
            position_ = int(i);
            SetCurrent(rows_[i]);
            return;
        }
    noMatch_ = true;
    current_ = 0;
    values_.clear();
    hole_ = false;
}

void Recordset::MoveFirst()
{
    RequireOpen();
    mode_ = Mode::None;
    assigned_.clear();
    RefreshRows();
    for (size_t i = 0; i < rows_.size(); ++i) {
        position_ = int(i);
        try {
            SetCurrent(rows_[i]);
            return;
        } catch (const DbError &) {
            // deleted by another cursor: skip it
        }
    }
    current_ = 0;
    values_.clear();
    position_ = -1;
    eof_ = bof_ = true;
}

void Recordset::MoveLast()
{
    RequireOpen();
    mode_ = Mode::None;
    assigned_.clear();
    RefreshRows();
    for (int i = int(rows_.size()) - 1; i >= 0; --i) {
        position_ = i;
        try {
            SetCurrent(rows_[size_t(i)]);
            return;
        } catch (const DbError &) {
        }
    }
    current_ = 0;
    values_.clear();
    position_ = -1;
    eof_ = bof_ = true;
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
    if (current_ == 0 && !hole_) {
        if ((forward && eof_) || (!forward && bof_))
            throw DbError(kNoCurrent);
    }
    mode_ = Mode::None;
    assigned_.clear();
    const bool wasHole = hole_;
    RefreshRows();
    int next = position_;
    if (forward)
        next = wasHole ? position_ : position_ + 1;
    else
        next = position_ - 1;
    while (next >= 0 && next < int(rows_.size())) {
        position_ = next;
        try {
            SetCurrent(rows_[size_t(next)]);
            return;
        } catch (const DbError &) {
            next += forward ? 1 : -1;
        }
    }
    current_ = 0;
    values_.clear();
    hole_ = false;
    if (forward) {
        position_ = int(rows_.size());
        eof_ = true;
    } else {
        position_ = -1;
        bof_ = true;
    }
}

qint64 Recordset::RecordCount()
{
    RequireOpen();
    RefreshRows();
    return qint64(rows_.size());
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
    if (current_ == 0)
        throw DbError(kNoCurrent);
    return values_.value(position);
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
    LoadCurrent();
    if (current_ == 0)
        throw DbError(kNoCurrent);
    mode_ = Mode::Edit;
    editing_ = current_;
    assigned_.clear();
}

void Recordset::CancelUpdate()
{
    mode_ = Mode::None;
    assigned_.clear();
}

void Recordset::Update()
{
    RequireOpen();
    if (mode_ == Mode::None)
        throw DbError("Update senza AddNew o Edit.");
    db_->CheckWritable();
    QSqlQuery query(db_->Connection());
    QStringList columns;
    QVariantList values;
    for (auto it = assigned_.constBegin(); it != assigned_.constEnd(); ++it) {
        columns << Quoted(info_->columns[it.key()].name);
        values << Stored(it.key(), it.value());
    }
    if (mode_ == Mode::Edit) {
        if (!columns.isEmpty()) {
            QStringList sets;
            for (const QString &column : columns)
                sets << column + " = ?";
            query.prepare(QString("UPDATE %1 SET %2 WHERE rowid = ?").arg(Quoted(table_), sets.join(", ")));
            for (const QVariant &value : values)
                query.addBindValue(value);
            query.addBindValue(editing_);
            db_->Exec(query, table_);
            db_->Touch();
        }
        mode_ = Mode::None;
        assigned_.clear();
        if (current_ == editing_)
            LoadCurrent();
        return;
    }
    if (columns.isEmpty()) {
        query.prepare(QString("INSERT INTO %1 DEFAULT VALUES").arg(Quoted(table_)));
    } else {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << "?";
        query.prepare(QString("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(Quoted(table_), columns.join(", "), marks.join(", ")));
        for (const QVariant &value : values)
            query.addBindValue(value);
    }
    db_->Exec(query, table_);
    lastInserted_ = query.lastInsertId().toLongLong();
    if (!tableCursor_)
        rows_.push_back(lastInserted_);
    else if (generation_ == db_->Generation())
        generation_ = ~0ull;
    db_->Touch();
    if (!tableCursor_)
        generation_ = db_->Generation();
    mode_ = Mode::None;
    assigned_.clear();
}

void Recordset::Delete()
{
    RequireCurrent();
    db_->CheckWritable();
    QSqlQuery query(db_->Connection());
    query.prepare(QString("DELETE FROM %1 WHERE rowid = ?").arg(Quoted(table_)));
    query.addBindValue(current_);
    db_->Exec(query, table_);
    db_->Touch();
    if (!tableCursor_) {
        if (position_ >= 0 && position_ < int(rows_.size()))
            rows_.erase(rows_.begin() + position_);
        generation_ = db_->Generation();
    } else {
        RefreshRows();
        position_ = std::min(position_, int(rows_.size()));
    }
    current_ = 0;
    values_.clear();
    hole_ = true;
    mode_ = Mode::None;
    assigned_.clear();
}

void Recordset::Close()
{
    closed_ = true;
    current_ = 0;
    values_.clear();
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
        double d = 0;
        if (type == QMetaType::Bool)
            return value.toBool() ? -1 : 0;
        if (type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::UInt
            || type == QMetaType::Short || type == QMetaType::Long)
            return value.toLongLong();
        bool ok = false;
        d = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
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
