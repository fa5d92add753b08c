#include "Procedure.h"

#include "GridInterface.h"
#include "ValueRules.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>

qint64 InteroMemorizzabile(const QVariant &valore)
{
    return ValueRules::StorableWhole(valore);
}

bool TestoNumerico(const QString &testo, double *valore)
{
    return ValueRules::NumericText(testo, valore);
}

QDate DataDaTesto(const QString &testo)
{
    return ValueRules::DateFromText(testo);
}

QVariant ValoreValido(const QVariant &valore, int tipo)
{
    return ValueRules::Valid(valore, tipo);
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
