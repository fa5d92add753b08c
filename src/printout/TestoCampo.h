#pragma once

#include <QString>
#include <QVariant>

// A stored value as the printout shows it, under the user's regional
// settings (QLocale()): text unchanged; whole numbers as plain digits, never
// grouped nor in exponent form; other numbers in plain decimal form with the
// locale's decimal sign and no grouping; Booleans as "Sì" or "No"; dates in
// the locale's short form with a four-digit year (as the forms show them),
// with the time when it is not midnight. Null gives the empty text.
QString TestoCampo(const QVariant &valore);
