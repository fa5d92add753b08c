#include "Importi.h"

#include "FieldBinding.h"
#include "NumberFormat.h"
#include "Procedure.h"

#include <QLocale>

namespace Importi {

double Valore(const QString &testo)
{
    return ValoreValido(testo, TipoNumero).toDouble();
}

QString Importo(double valore)
{
    return FormatNumber(valore, "#,###");
}

QString ConDecimali(double valore)
{
    QString testo = FormatNumber(valore, "#,###.###");
    if (testo.endsWith(QLocale().decimalPoint()))
        testo.chop(QLocale().decimalPoint().size());
    return testo;
}

QString Semplice(double valore)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valore, 'g', 15);
}

QString Intero(double valore)
{
    return FieldBinding::ShownText(valore, FieldBinding::Number);
}

}  // namespace Importi
