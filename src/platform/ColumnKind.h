#pragma once

#include <QString>

// The kind of value a column holds, from its declared type: BOOLEAN gives
// bool, INTEGER/COUNTER a 64-bit integer, DOUBLE/CURRENCY double, TEXT/MEMO
// text, DATETIME a date-time.
enum class ColumnKind { Boolean, Integer, Double, Text, DateTime, Other };

ColumnKind KindOfDeclaredType(const QString &declared);
