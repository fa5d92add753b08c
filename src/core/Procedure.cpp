#include "Procedure.h"

#include "GridInterface.h"
#include "NumberFormat.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

qint64 InteroMemorizzabile(const QVariant &valore)
{
    switch (valore.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::Short:
        return valore.toLongLong();
    case QMetaType::QString: {
        static const QRegularExpression cifre("^\\s*[+-]?\\d+\\s*$");
        const QString testo = valore.toString();
        if (cifre.match(testo).hasMatch()) {
            bool ok = false;
            const qint64 numero = testo.trimmed().toLongLong(&ok);
            return ok ? numero : 0;
        }
        break;
    }
    default:
        break;
    }
    const double numero = ValoreValido(valore, TipoNumero).toDouble();
    if (!std::isfinite(numero) || std::abs(numero) >= 9.2e18)
        return 0;
    return qint64(numero);
}

bool TestoNumerico(const QString &testo, double *valore)
{
    return ParseLocaleNumber(testo, valore);
}

namespace {

// A year written with two digits falls in 1930..2029, as the regional
// settings' two-digit year window has it: "1/1/05" is 2005, "1/1/30" 1930.
QDate FinestraAnni(const QDate &data, const QString &formato)
{
    const bool dueCifre = formato.contains("yy") && !formato.contains("yyyy");
    return dueCifre && data.isValid() && data.year() < 1930 ? data.addYears(100) : data;
}

QDate SoloData(const QString &t)
{
    static const char *formats[] = {"d/M/yyyy", "d/M/yy",   "d-M-yyyy",    "d-M-yy",
                                    "d.M.yyyy", "yyyy-M-d", "d MMMM yyyy", "d MMM yyyy"};
    const QLocale locale;
    for (const char *format : formats) {
        const QString formato = QString::fromLatin1(format);
        const QDate date = QDate::fromString(t, formato);
        if (date.isValid())
            return FinestraAnni(date, formato);
        const QDate local = locale.toDate(t, formato);
        if (local.isValid())
            return FinestraAnni(local, formato);
    }
    for (const QLocale::FormatType tipo : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDate date = locale.toDate(t, tipo);
        if (date.isValid())
            return FinestraAnni(date, locale.dateFormat(tipo));
    }
    return QDate();
}

}  // namespace

QDate DataDaTesto(const QString &testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return QDate();
    const QDate data = SoloData(t);
    if (data.isValid())
        return data;
    // A time after the date ("25/12/1999 10:30:00") still makes it a date.
    const qsizetype spazio = t.lastIndexOf(' ');
    if (spazio <= 0)
        return QDate();
    const QString ora = t.mid(spazio + 1);
    if (!QTime::fromString(ora, "H:mm").isValid() && !QTime::fromString(ora, "H:mm:ss").isValid())
        return QDate();
    return SoloData(t.left(spazio).trimmed());
}

QVariant ValoreValido(const QVariant &valore, int tipo)
{
    switch (tipo) {
    case TipoTesto:
        if (valore.isNull())
            return QString();
        return valore;
    case TipoNumero: {
        double d = 0;
        if (!valore.isValid())
            return 0.0;  // the never-assigned value counts as numeric
        if (valore.isNull())
            return 0;
        switch (valore.typeId()) {
        case QMetaType::Bool:
            d = valore.toBool() ? -1 : 0;
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::Double:
        case QMetaType::Float:
            d = valore.toDouble();
            break;
        case QMetaType::QString:
            if (!TestoNumerico(valore.toString(), &d))
                return 0;
            break;
        default:
            return 0;
        }
        if (!std::isfinite(d))
            return QVariant();
        return std::round(d);  // half away from zero
    }
    case TipoData:
        if (valore.typeId() == QMetaType::QDate || valore.typeId() == QMetaType::QDateTime)
            return valore;
        if (valore.typeId() == QMetaType::QString && DataDaTesto(valore.toString()).isValid())
            return valore;
        return QString("01/01/1900");
    default:
        return QVariant();
    }
}

double SommaColonna(const GridInterface &griglia, int colonna)
{
    if (colonna < 0 || colonna >= griglia.Cols())
        return 0;
    double somma = 0;
    for (int riga = 1; riga < griglia.Rows(); ++riga)
        somma += ValoreValido(griglia.TextMatrix(riga, colonna), TipoNumero).toDouble();
    return somma;
}

int CercaCombo(const QComboBox *combo, const QString &testo)
{
    if (!combo)
        return -1;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).compare(testo, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int CercaLista(const QListWidget *lista, const QString &testo)
{
    if (!lista)
        return -1;
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->text().compare(testo, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int CercaListaEsatta(const QListWidget *lista, const QString &testo)
{
    return CercaLista(lista, testo);
}

QString EstraiNomeFile(const QString &percorso)
{
    const QChar separatore = QDir::separator();
    if (!percorso.contains('.') || !percorso.contains(separatore))
        return QString();
    return percorso.mid(percorso.lastIndexOf(separatore) + 1);
}

QString TimbroModifica(const QDateTime &quando)
{
    return quando.toString("dd/MM/yy HH:mm:ss");
}
