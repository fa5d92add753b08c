#pragma once

#include <QString>
#include <QVariant>

// Number formatting as the forms' patterns expect it, under the user's
// regional settings (QLocale()): "#,###" groups thousands, "#,###.###" adds up
// to three decimals, "####" and "#" give plain whole numbers. Rounding is
// half away from zero. Optional digits ("#") print nothing for a zero part,
// so 0 gives the empty text under "#,###"; a pattern with a decimal point
// shows the decimal symbol only before decimals, never alone or dangling:
// 10 shows "10" and 0 shows "0" under "#,###.###".
QString FormatNumber(double value, const QString &pattern);
// The same for a whole number, exact in all its 64 bits.
QString FormatWhole(qint64 value, const QString &pattern);

// Formats a number or a numeric text, whole numbers exactly; any other text
// comes back unchanged, Null as the empty text.
QString FormatValue(const QVariant &value, const QString &pattern);

// Reads a text as a number under the user's regional settings: blanks
// around it, a sign, grouping symbols among the digits, a fraction after the
// decimal symbol, an exponent. False for the empty text and other texts.
bool ParseLocaleNumber(const QString &text, double *value = nullptr);
