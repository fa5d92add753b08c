#include "Importi.h"

#include "FieldBinding.h"
#include "GridInterface.h"
#include "NumberFormat.h"
#include "Procedure.h"
#include "ValueRules.h"

#include <QLocale>

namespace Importi {

Cifra Valore(const QVariant &valore)
{
    if (const std::optional<qint64> intero = ValueRules::WholeNumber(valore))
        return Cifra(*intero);
    return Cifra::Oltre(ValoreValido(valore, TipoNumero).toDouble());
}

Cifra Colonna(const GridInterface &griglia, int colonna)
{
    Cifra somma;
    if (colonna < 0 || colonna >= griglia.Cols())
        return somma;
    for (int riga = 1; riga < griglia.Rows(); ++riga)
        somma += Valore(griglia.TextMatrix(riga, colonna));
    return somma;
}

QString Importo(const Cifra &valore)
{
    return valore.Esatta() ? FormatWhole(valore.Intero(), "#,###") : FormatNumber(valore.Circa(), "#,###");
}

QString Quoziente(double valore)
{
    return FormatNumber(valore, "#,###");
}

QString ConDecimali(double valore)
{
    return FormatNumber(valore, "#,###.###");
}

QString Semplice(double valore)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valore, 'g', 15);
}

QString Intero(const Cifra &valore)
{
    return valore.Esatta() ? QString::number(valore.Intero()) : FormatNumber(valore.Circa(), "#");
}

QVariant Memorizzabile(const Cifra &valore)
{
    return FieldBinding::StoredValue(Importo(valore), FieldBinding::ExactNumber);
}

}  // namespace Importi
