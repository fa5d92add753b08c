#include "ElencaMembri.h"

#include "Database.h"
#include "Globali.h"
#include "ListBox.h"
#include "Procedure.h"
#include "Recordset.h"

void ElencaMembri(ListBox *lista, const QString &tabella, const QString &chiave)
{
    if (!DB)
        return;
    auto righe = DB->OpenRecordset(QString("Select * from %1 Where Id = ?").arg(tabella), {IdProgetto});
    for (righe->MoveFirst(); !righe->Eof(); righe->MoveNext())
        lista->AddItem(ValoreValido(righe->Field("Denominazione"), TipoTesto).toString(),
                       righe->Field(chiave).toLongLong());
    righe->Close();
}
