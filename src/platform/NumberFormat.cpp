#include "NumberFormat.h"

#include <QLocale>

#include <cmath>

bool ParseLocaleNumber(const QString &text, double *value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    const QLocale locale;
    bool ok = false;
    double d = locale.toDouble(t, &ok);
    if (!ok) {
        // Grouping symbols may stand anywhere among the digits.
        QString bare = t;
        bare.remove(locale.groupSeparator());
        if (!bare.isEmpty() && bare != t)
            d = locale.toDouble(bare, &ok);
    }
    if (!ok || !std::isfinite(d))
        return false;
    if (value)
        *value = d;
    return true;
}

namespace {

struct Pattern
{
    bool grouping = false;
    bool point = false;
    int minInteger = 0;   // '0' digits before the point
    int minDecimals = 0;  // '0' digits after the point
    int maxDecimals = 0;  // all digits after the point
};

Pattern Parse(const QString &pattern)
{
    Pattern p;
    const qsizetype dot = pattern.indexOf('.');
    const QString integer = dot < 0 ? pattern : pattern.left(dot);
    const QString fraction = dot < 0 ? QString() : pattern.mid(dot + 1);
    p.point = dot >= 0;
    p.grouping = integer.contains(',');
    p.minInteger = int(integer.count('0'));
    p.minDecimals = int(fraction.count('0'));
    p.maxDecimals = int(fraction.count('0') + fraction.count('#'));
    return p;
}

QString Group(const QString &digits, const QLocale &locale)
{
    QString out;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += locale.groupSeparator();
        out += digits[i];
    }
    return out;
}

} // namespace

QString FormatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    const Pattern p = Parse(pattern);
    const QLocale locale;
    const double scale = std::pow(10.0, p.maxDecimals);
    // Half away from zero at the last shown decimal; a tiny nudge keeps
    // values such as 14.5 (stored as 14.4999...) from rounding down.
    const double magnitude = std::abs(value);
    const double rounded = std::round(magnitude * scale * (1 + 1e-15)) / scale;
    const bool negative = value < 0 && rounded != 0;

    QString text = QString::number(rounded, 'f', p.maxDecimals);
    QString integer = text;
    QString fraction;
    const qsizetype dot = text.indexOf('.');
    if (dot >= 0) {
        integer = text.left(dot);
        fraction = text.mid(dot + 1);
    }
    while (fraction.size() > p.minDecimals && fraction.endsWith('0'))
        fraction.chop(1);
    if (integer == "0")
        integer.clear();
    while (integer.size() < p.minInteger)
        integer.prepend('0');
    if (p.grouping)
        integer = Group(integer, locale);

    QString result = integer;
    if (p.point)
        result += locale.decimalPoint() + fraction;
    if (result == QString(locale.decimalPoint()) && rounded == 0)
        result = locale.decimalPoint();
    if (negative)
        result.prepend('-');
    return result;
}

QString FormatValue(const QVariant &value, const QString &pattern)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatNumber(value.toDouble(), pattern);
    case QMetaType::Bool:
        return FormatNumber(value.toBool() ? -1 : 0, pattern);
    default:
        break;
    }
    const QString text = value.toString();
    double number = 0;
    if (ParseLocaleNumber(text, &number))
        return FormatNumber(number, pattern);
    return text;
}
