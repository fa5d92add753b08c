#include "TotaliPrevisti.h"

#include <QtNumeric>

#include <initializer_list>

namespace TotaliPrevisti {

namespace {

Totale Somma(std::initializer_list<qint64> addendi)
{
    qint64 somma = 0;
    for (const qint64 addendo : addendi)
        if (qAddOverflow(somma, addendo, &somma))
            return std::nullopt;
    return somma;
}

}  // namespace

Totale OreTotali(qint64 pratica, qint64 teoria)
{
    return Somma({pratica, teoria});
}

Totale Allievi(qint64 uomini, qint64 donne)
{
    return Somma({uomini, donne});
}

Totale PraticaPerTipo(qint64 esercitazioni, qint64 visite, qint64 stage, qint64 projectWork)
{
    return Somma({esercitazioni, visite, stage, projectWork});
}

bool PraticaNonCorretta(Totale perTipo, qint64 pratica)
{
    return perTipo.value_or(0) != pratica;
}

Totale DurataModulo(qint64 teoria, qint64 stage, qint64 visite, qint64 esercitazioni, qint64 projectWork)
{
    return Somma({teoria, stage, visite, esercitazioni, projectWork});
}

Totale PraticaModulo(qint64 stage, qint64 visite, qint64 esercitazioni, qint64 projectWork)
{
    return Somma({stage, visite, esercitazioni, projectWork});
}

QString Testo(Totale totale)
{
    return totale ? QString::number(*totale) : QString();
}

}  // namespace TotaliPrevisti
