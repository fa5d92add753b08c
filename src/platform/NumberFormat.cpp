#include "NumberFormat.h"

#include <QLocale>
#include <QRegularExpression>

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

// The digits of a non-negative value rounded to `decimals` places, half away
// from zero, in decimal on the value's 15 significant digits (as the runtime
// shows a double), so that 14.5 or 1.0005 never round down through their
// binary approximation and large whole numbers stay exact.
struct Rounded
{
    QString integer;   // no leading zeros; empty for 0
    QString fraction;  // exactly `decimals` digits
    bool zero = true;
};

Rounded RoundDecimal(double magnitude, int decimals)
{
    const QString scientific = QString::number(magnitude, 'e', 14);
    const qsizetype e = scientific.indexOf('e');
    QString digits = scientific.left(e);
    digits.remove('.');
    int exponent = scientific.mid(e + 1).toInt();  // weight of digits[0] is 10^exponent
    const int keep = exponent + 1 + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < digits.size()) {
        const bool up = digits[keep] >= '5';
        digits.truncate(keep);
        if (up) {
            int i = int(digits.size()) - 1;
            for (; i >= 0 && digits[i] == '9'; --i)
                digits[i] = '0';
            if (i >= 0) {
                digits[i] = QChar(digits[i].unicode() + 1);
            } else {
                digits.prepend('1');
                ++exponent;
            }
        }
    }
    Rounded r;
    r.zero = !digits.contains(QRegularExpression("[1-9]"));
    if (exponent >= 0) {
        r.integer = digits.left(exponent + 1).leftJustified(exponent + 1, '0');
        r.fraction = digits.mid(exponent + 1);
    } else {
        r.fraction = QString(-exponent - 1, '0') + digits;
    }
    r.fraction = r.fraction.left(decimals).leftJustified(decimals, '0');
    while (r.integer.startsWith('0'))
        r.integer.remove(0, 1);
    return r;
}

// The digits of a rounded value laid out by the pattern.
QString Lay(const Pattern &p, QString integer, QString fraction, bool negative)
{
    const QLocale locale;
    while (fraction.size() > p.minDecimals && fraction.endsWith('0'))
        fraction.chop(1);
    while (integer.size() < p.minInteger)
        integer.prepend('0');
    // Optional digits never leave the decimal symbol standing alone or
    // dangling after the digits: 0 shows "0", 10 shows "10".
    if (p.point && integer.isEmpty() && fraction.isEmpty())
        return "0";
    if (p.grouping)
        integer = Group(integer, locale);

    QString result = integer;
    if (p.point && !fraction.isEmpty())
        result += locale.decimalPoint() + fraction;
    if (negative)
        result.prepend('-');
    return result;
}

}  // namespace

QString FormatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    const Pattern p = Parse(pattern);
    const Rounded rounded = RoundDecimal(std::abs(value), p.maxDecimals);
    return Lay(p, rounded.integer, rounded.fraction, value < 0 && !rounded.zero);
}

QString FormatWhole(qint64 value, const QString &pattern)
{
    // The magnitude in unsigned arithmetic, so that the lowest value has one.
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    return Lay(Parse(pattern), magnitude == 0 ? QString() : QString::number(magnitude), QString(), value < 0);
}

QString FormatValue(const QVariant &value, const QString &pattern)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return FormatWhole(value.toLongLong(), pattern);
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
