#include "CampoRiga.h"

#include "Database.h"
#include "Globali.h"
#include "Procedure.h"
#include "Recordset.h"

int PosizioneCampo(const Recordset *riga, const QString &campo)
{
    if (!riga || !DB)
        return -1;
    return DB->Table(riga->TableName()).Position(campo);
}

QVariant ValoreCampo(const Recordset *riga, const QString &campo)
{
    return ValoreCampo(riga, PosizioneCampo(riga, campo));
}

QVariant ValoreCampo(const Recordset *riga, int posizione)
{
    if (!riga || posizione < 0 || posizione >= riga->FieldCount() || !riga->HasCurrent())
        return QVariant();
    return riga->Field(posizione);
}

double NumeroCampo(const Recordset *riga, const QString &campo)
{
    return ValoreValido(ValoreCampo(riga, campo), TipoNumero).toDouble();
}
