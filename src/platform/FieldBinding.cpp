#include "FieldBinding.h"

#include "ComboBox.h"
#include "DbError.h"
#include "MultiLineEdit.h"
#include "NumberFormat.h"
#include "OptionGroup.h"
#include "Recordset.h"
#include "TextBox.h"
#include "ValueRules.h"

#include <QAbstractButton>
#include <QDateTime>

#include <limits>

namespace {

template <typename Rows>
auto RowOf(const Rows &rows, int row)
{
    if (row < 0 || row >= int(rows.size()))
        throw DbError(QString("Riga %1 non disponibile per il legame dei campi.").arg(row));
    return *(rows.begin() + row);
}

}  // namespace

void FieldBinding::Box(QWidget *box, const QString &field, Kind kind, int row)
{
    entries_.push_back({Entry::Box, field, kind, row, {box}});
}

void FieldBinding::Check(QAbstractButton *button, const QString &field, int row)
{
    entries_.push_back({Entry::Check, field, Text, row, {button}});
}

void FieldBinding::Options(OptionGroup *group, const QString &field, int row)
{
    entries_.push_back({Entry::Index, field, Number, row, {}, group});
}

void FieldBinding::Mask(std::vector<QAbstractButton *> buttons, const QString &field, int row)
{
    entries_.push_back({Entry::Bits, field, Number, row, {buttons.begin(), buttons.end()}});
}

void FieldBinding::Item(ComboBox *list, const QString &field, int row)
{
    entries_.push_back({Entry::Item, field, Text, row, {list}});
}

void FieldBinding::Box(QWidget *box, const BoxDef &def)
{
    if (def.field)
        Box(box, def.field, def.kind, def.row);
}

void FieldBinding::NewBoxes(BoxTable defs, QWidget *parent, ControlArray<QWidget> &boxes)
{
    for (const BoxDef &def : defs) {
        QWidget *box = NewBox(parent, def);
        boxes.Add(def.index, box);
        Box(box, def);
    }
}

void FieldBinding::Store(std::initializer_list<Recordset *> rows) const
{
    for (const Entry &entry : entries_) {
        Recordset &row = *RowOf(rows, entry.row);
        switch (entry.shape) {
        case Entry::Box:
            row.SetField(entry.field, StoredValue(BoxText(entry.controls[0]), entry.kind));
            break;
        case Entry::Check:
            row.SetField(entry.field, static_cast<QAbstractButton *>(entry.controls[0])->isChecked());
            break;
        case Entry::Index:
            // With no option selected the stored value stays.
            if (entry.group->Selected() >= 0)
                row.SetField(entry.field, qint64(entry.group->Selected()));
            break;
        case Entry::Bits: {
            qint64 mask = 0;
            for (size_t i = 0; i < entry.controls.size(); ++i)
                if (static_cast<QAbstractButton *>(entry.controls[i])->isChecked())
                    mask += qint64(1) << i;
            row.SetField(entry.field, mask);
            break;
        }
        case Entry::Item: {
            // With nothing selected the stored text stays.
            auto *list = static_cast<ComboBox *>(entry.controls[0]);
            if (list->ListIndex() >= 0)
                row.SetField(entry.field, list->List(list->ListIndex()));
            break;
        }
        }
    }
}

void FieldBinding::Remember()
{
    for (Entry &entry : entries_)
        if (entry.shape == Entry::Box)
            entry.remembered = BoxText(entry.controls[0]);
}

void FieldBinding::StoreChanged(std::initializer_list<Recordset *> rows) const
{
    for (const Entry &entry : entries_) {
        if (entry.shape != Entry::Box)
            continue;
        const QString text = BoxText(entry.controls[0]);
        if (text != entry.remembered)
            RowOf(rows, entry.row)->SetField(entry.field, StoredValue(text, entry.kind));
    }
}

void FieldBinding::Fill(std::initializer_list<const Recordset *> rows) const
{
    for (const Entry &entry : entries_) {
        const QVariant value = RowOf(rows, entry.row)->Field(entry.field);
        switch (entry.shape) {
        case Entry::Box:
            ShowText(entry.controls[0], ShownText(value, entry.kind));
            break;
        case Entry::Check:
            static_cast<QAbstractButton *>(entry.controls[0])->setChecked(!value.isNull() && value.toBool());
            break;
        case Entry::Index: {
            const qint64 index = ValueRules::StorableWhole(value);
            if (index >= 0 && index <= entry.group->Buttons().UBound() && entry.group->Buttons().Contains(int(index)))
                entry.group->Select(int(index));
            else
                entry.group->ClearAll();
            break;
        }
        case Entry::Bits: {
            const qint64 mask = ValueRules::StorableWhole(value);
            for (size_t i = 0; i < entry.controls.size(); ++i)
                static_cast<QAbstractButton *>(entry.controls[i])->setChecked((mask >> i) & 1);
            break;
        }
        case Entry::Item: {
            auto *list = static_cast<ComboBox *>(entry.controls[0]);
            list->SetListIndex(list->FindExact(ValueRules::Valid(value, Text).toString()));
            break;
        }
        }
    }
}

void FieldBinding::Clear() const
{
    for (const Entry &entry : entries_) {
        switch (entry.shape) {
        case Entry::Box:
            ShowText(entry.controls[0], QString());
            break;
        case Entry::Check:
        case Entry::Bits:
            for (QWidget *control : entry.controls)
                static_cast<QAbstractButton *>(control)->setChecked(false);
            break;
        case Entry::Index:
            entry.group->ClearAll();
            break;
        case Entry::Item:
            static_cast<ComboBox *>(entry.controls[0])->SetListIndex(-1);
            break;
        }
    }
}

void FieldBinding::Enable(bool enabled) const
{
    for (const Entry &entry : entries_) {
        for (QWidget *control : entry.controls)
            control->setEnabled(enabled);
        if (entry.group)
            for (const auto &[index, button] : entry.group->Buttons())
                button->setEnabled(enabled);
    }
}

QVariant FieldBinding::StoredValue(const QString &text, Kind kind)
{
    switch (kind) {
    case Number:
        return ValueRules::StorableWhole(text);
    case ExactNumber:
        if (const std::optional<qint64> number = ValueRules::WholeNumber(text))
            return *number;
        throw DbError(QString("Il numero %1 è troppo grande per essere registrato: il massimo è %2.")
                          .arg(text.trimmed(), FormatWhole(std::numeric_limits<qint64>::max(), "#,###")));
    case Date: {
        const QDate date = ValueRules::DateFromText(text);
        return date.isValid() ? date : QDate(1900, 1, 1);
    }
    default:
        return ValueRules::Valid(text, ValueRules::Text);
    }
}

QString FieldBinding::ShownText(const QVariant &value, Kind kind)
{
    switch (kind) {
    case Number:
        return QString::number(ValueRules::StorableWhole(value));
    case ExactNumber:
        // A figure stored beyond 64 bits (by another program) shows as it
        // is, so that storing it back is refused rather than making it 0.
        if (const std::optional<qint64> number = ValueRules::WholeNumber(value))
            return QString::number(*number);
        return FormatValue(ValueRules::Valid(value, ValueRules::Number), "#");
    case Date: {
        const QVariant date = ValueRules::Valid(value, ValueRules::Date);
        if (date.typeId() == QMetaType::QDateTime)
            return date.toDateTime().date().toString("dd/MM/yyyy");
        if (date.typeId() == QMetaType::QDate)
            return date.toDate().toString("dd/MM/yyyy");
        return date.toString();
    }
    default:
        return ValueRules::Valid(value, ValueRules::Text).toString();
    }
}

QString FieldBinding::BoxText(const QWidget *box)
{
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    if (auto *lines = qobject_cast<const MultiLineEdit *>(box))
        return lines->text();
    return QString();
}

void FieldBinding::ShowText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<TextBox *>(box))
        line->ShowWhole(text);
    else if (auto *lines = qobject_cast<MultiLineEdit *>(box))
        lines->ShowWhole(text);
    else if (auto *plain = qobject_cast<QLineEdit *>(box); plain && plain->text() == text)
        emit plain->textChanged(text);  // a write announces itself, changed or not, as a TextBox's does
    else if (plain)
        plain->setText(text);
}

QWidget *FieldBinding::NewBox(QWidget *parent, int limit, bool multiLine, Qt::Alignment alignment)
{
    if (multiLine) {
        auto *lines = new MultiLineEdit(parent);
        lines->SetLimit(limit);
        return lines;
    }
    auto *line = new TextBox(parent);
    line->SetLimit(limit);
    if (alignment)
        line->setAlignment(alignment);
    return line;
}

QWidget *FieldBinding::NewBox(QWidget *parent, const BoxDef &def)
{
    return NewBox(parent, def.limit, def.multiLine, def.alignment);
}

const FieldBinding::BoxDef &FieldBinding::Find(BoxTable defs, int index)
{
    for (const BoxDef &def : defs)
        if (def.index == index)
            return def;
    qFatal("No box %d in the table", index);
}
