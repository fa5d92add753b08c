#include "AggiungiMembro.h"

#include "Globali.h"
#include "Recordset.h"

bool AggiungiMembro(Recordset *righe, const QString &nome)
{
    if (!righe || nome.isEmpty() || IdProgetto == 0)
        return false;
    righe->AddNew();
    righe->SetField("Id", IdProgetto);
    righe->SetField("Denominazione", nome);
    righe->Update();
    return true;
}
