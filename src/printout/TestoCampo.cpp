#include "TestoCampo.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace {

QLocale Locale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Numero(double numero)
{
    if (!std::isfinite(numero))
        return QString();
    // Whole numbers a double holds exactly print as their digits.
    if (numero == std::trunc(numero) && std::abs(numero) < 9.007199254740992e15)
        return Locale().toString(qint64(numero));
    return Locale().toString(numero, 'f', QLocale::FloatingPointShortest);
}

QString Data(const QDate &data)
{
    QString formato = QLocale().dateFormat(QLocale::ShortFormat);
    if (!formato.contains("yyyy"))
        formato.replace("yy", "yyyy");
    return QLocale().toString(data, formato);
}

}  // namespace

QString TestoCampo(const QVariant &valore)
{
    if (valore.isNull() || !valore.isValid())
        return QString();
    switch (valore.typeId()) {
    case QMetaType::Bool:
        return valore.toBool() ? QString::fromUtf8("Sì") : QString("No");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return Locale().toString(valore.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return Numero(valore.toDouble());
    case QMetaType::QDate:
        return Data(valore.toDate());
    case QMetaType::QDateTime: {
        const QDateTime quando = valore.toDateTime();
        if (quando.time() == QTime(0, 0))
            return Data(quando.date());
        return Data(quando.date()) + ' ' + QLocale().toString(quando.time(), QLocale::ShortFormat);
    }
    default:
        return valore.toString();
    }
}
