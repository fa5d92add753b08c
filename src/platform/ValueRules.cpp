#include "ValueRules.h"

#include "NumberFormat.h"

#include <QLocale>
#include <QTime>
#include <QtNumeric>

#include <cmath>

namespace ValueRules {

namespace {

// A numeric text in plain or grouped digits, with or without decimals, read
// in whole-number arithmetic; false for the other forms of a number (an
// exponent), which a double reads. The text, once trimmed and without its
// grouping symbols, is a sign, digits and, after the decimal symbol, more
// digits or none; a line break may end it.
bool ExactText(const QString &text, std::optional<qint64> *whole)
{
    const QLocale locale;
    QString bare = text.trimmed();
    bare.remove(locale.groupSeparator());
    QStringView rest(bare);
    if (rest.endsWith(u'\n'))
        rest.chop(1);
    const auto digits = [&rest](qsizetype from) {
        while (from < rest.size() && rest[from] >= u'0' && rest[from] <= u'9')
            ++from;
        return from;
    };
    const qsizetype sign = !rest.isEmpty() && (rest[0] == u'+' || rest[0] == u'-') ? 1 : 0;
    const qsizetype integerEnd = digits(sign);
    if (integerEnd == sign)
        return false;
    const QStringView integer = rest.first(integerEnd);
    QStringView fraction;
    if (integerEnd < rest.size()) {
        const QString point = locale.decimalPoint();
        if (point.isEmpty() || !rest.sliced(integerEnd).startsWith(point))
            return false;
        const qsizetype fractionStart = integerEnd + point.size();
        if (digits(fractionStart) != rest.size())
            return false;
        fraction = rest.sliced(fractionStart);
    }
    bool ok = false;
    qint64 number = integer.toLongLong(&ok);
    // Half away from zero, as the number rule rounds.
    const bool up = !fraction.isEmpty() && fraction[0] >= u'5';
    const bool negative = integer.startsWith(u'-');
    if (ok && up)
        ok = !(negative ? qSubOverflow(number, qint64(1), &number) : qAddOverflow(number, qint64(1), &number));
    *whole = ok ? std::optional<qint64>(number) : std::nullopt;
    return true;
}

}  // namespace

std::optional<qint64> WholeNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::Short:
        return value.toLongLong();
    case QMetaType::QString: {
        const QString text = value.toString();
        std::optional<qint64> whole;
        if (ExactText(text, &whole))
            return whole;
        // An empty text reads as 0 under the number rule.
        if (text.trimmed().isEmpty())
            return 0;
        break;
    }
    default:
        break;
    }
    const QVariant number = Valid(value, Number);
    if (number.isNull())
        return std::nullopt;  // not a finite number
    const double d = number.toDouble();
    if (std::abs(d) >= 9223372036854775808.0)
        return std::nullopt;
    return qint64(d);
}

qint64 StorableWhole(const QVariant &value)
{
    return WholeNumber(value).value_or(0);
}

bool NumericText(const QString &text, double *value)
{
    return ParseLocaleNumber(text, value);
}

namespace {

// A year written with two digits falls in 1930..2029, as the regional
// settings' two-digit year window has it: "1/1/05" is 2005, "1/1/30" 1930.
QDate YearWindow(const QDate &date, const QString &format)
{
    const bool twoDigits = format.contains("yy") && !format.contains("yyyy");
    return twoDigits && date.isValid() && date.year() < 1930 ? date.addYears(100) : date;
}

QDate Storable(const QDate &date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999 ? date : QDate();
}

QDate DateOnly(const QString &t)
{
    static const char *formats[] = {"d/M/yyyy", "d/M/yy",   "d-M-yyyy",    "d-M-yy",
                                    "d.M.yyyy", "yyyy-M-d", "d MMMM yyyy", "d MMM yyyy"};
    const QLocale locale;
    for (const char *f : formats) {
        const QString format = QString::fromLatin1(f);
        const QDate date = QDate::fromString(t, format);
        if (date.isValid())
            return Storable(YearWindow(date, format));
        const QDate local = locale.toDate(t, format);
        if (local.isValid())
            return Storable(YearWindow(local, format));
    }
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDate date = locale.toDate(t, type);
        if (date.isValid())
            return Storable(YearWindow(date, locale.dateFormat(type)));
    }
    return QDate();
}

}  // namespace

QDate DateFromText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QDate();
    const QDate date = DateOnly(t);
    if (date.isValid())
        return date;
    // A time after the date ("25/12/1999 10:30:00") still makes it a date.
    const qsizetype blank = t.lastIndexOf(' ');
    if (blank <= 0)
        return QDate();
    const QString time = t.mid(blank + 1);
    if (!QTime::fromString(time, "H:mm").isValid() && !QTime::fromString(time, "H:mm:ss").isValid())
        return QDate();
    return DateOnly(t.left(blank).trimmed());
}

QVariant Valid(const QVariant &value, int kind)
{
    switch (kind) {
    case Text:
        if (value.isNull())
            return QString();
        return value;
    case Number: {
        double d = 0;
        if (!value.isValid())
            return 0.0;  // the never-assigned value counts as numeric
        if (value.isNull())
            return 0;
        switch (value.typeId()) {
        case QMetaType::Bool:
            d = value.toBool() ? -1 : 0;
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::Double:
        case QMetaType::Float:
            d = value.toDouble();
            break;
        case QMetaType::QString:
            if (!NumericText(value.toString(), &d))
                return 0;
            break;
        default:
            return 0;
        }
        if (!std::isfinite(d))
            return QVariant();
        return std::round(d);  // half away from zero
    }
    case Date:
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QString && DateFromText(value.toString()).isValid())
            return value;
        return QString("01/01/1900");
    default:
        return QVariant();
    }
}

}  // namespace ValueRules
