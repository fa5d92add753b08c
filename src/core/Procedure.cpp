#include "Procedure.h"

#include "GridInterface.h"
#include "NumberFormat.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QLocale>

#include <cmath>

bool TestoNumerico(const QString &testo, double *valore)
{
    return ParseLocaleNumber(testo, valore);
}

QDate DataDaTesto(const QString &testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return QDate();
    static const char *formats[] = {"d/M/yyyy", "d/M/yy", "d-M-yyyy", "d-M-yy", "d.M.yyyy",
                                    "yyyy-M-d", "d/M/yyyy H:mm", "d/M/yyyy H:mm:ss", "d MMMM yyyy",
                                    "d MMM yyyy"};
    const QLocale locale;
    for (const char *format : formats) {
        const QDate date = QDate::fromString(t, QString::fromLatin1(format));
        if (date.isValid())
            return date;
        const QDate local = locale.toDate(t, QString::fromLatin1(format));
        if (local.isValid())
            return local;
    }
    const QDate corta = locale.toDate(t, QLocale::ShortFormat);
    return corta.isValid() ? corta : locale.toDate(t, QLocale::LongFormat);
}

namespace {

bool TestoData(const QString &testo)
{
    return DataDaTesto(testo).isValid();
}

} // namespace

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
        if (valore.typeId() == QMetaType::QString && TestoData(valore.toString()))
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
