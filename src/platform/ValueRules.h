#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

// The rules by which a stored or typed value is read, by kind:
//  0 text:   Null gives the empty text, anything else is returned unchanged;
//  1 number: a number (or a text that reads as one under the user's regional
//            settings) rounded half away from zero, as a double; otherwise 0;
//  2 date:   a date or a text that reads as a date is returned unchanged,
//            anything else gives the text "01/01/1900";
//  any other kind gives the empty value. Never throws.
namespace ValueRules {

enum Kind { Text = 0, Number = 1, Date = 2 };

QVariant Valid(const QVariant &value, int kind);

// The date a text reads as under the date rule; an invalid date when it is
// not one. Only years 1 to 9999 make a date: a year outside them could not
// be stored and read back as the same date.
QDate DateFromText(const QString &text);

// The whole number a value reads as under the number rule, exact in 64 bits:
// digits, grouped or not, are read as digits, never through a double; 0 for
// what is not a number; nothing for a figure beyond 64 bits.
std::optional<qint64> WholeNumber(const QVariant &value);

// The whole number to store for a value read as a number, as WholeNumber
// reads it; a figure too large for a stored whole number gives 0, so one
// absurd figure never stops the rest of a window from being stored.
qint64 StorableWhole(const QVariant &value);

// True when the text reads as a number under the user's regional settings.
bool NumericText(const QString &text, double *value = nullptr);

}  // namespace ValueRules
