#pragma once

#include <QString>

#include <optional>

// The totals of the planned hours and trainees and of a module's hours,
// from whole figures. A total beyond 64 bits cannot be held: it is none,
// and its box shows nothing.
namespace TotaliPrevisti {

using Totale = std::optional<qint64>;

Totale OreTotali(qint64 pratica, qint64 teoria);
Totale Allievi(qint64 uomini, qint64 donne);
// The practice hours by kind, which should make up the practice hours.
Totale PraticaPerTipo(qint64 esercitazioni, qint64 visite, qint64 stage, qint64 projectWork);
// True when the practice hours by kind, as their box shows them (nothing
// reads as 0), differ from the practice hours.
bool PraticaNonCorretta(Totale perTipo, qint64 pratica);
Totale DurataModulo(qint64 teoria, qint64 stage, qint64 visite, qint64 esercitazioni, qint64 projectWork);
Totale PraticaModulo(qint64 stage, qint64 visite, qint64 esercitazioni, qint64 projectWork);

// A total as its box shows it: plain digits, nothing when there is none.
QString Testo(Totale totale);

}  // namespace TotaliPrevisti
