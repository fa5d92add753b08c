#include "ElencoAzioni.h"

#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Importi.h"
#include "ListBox.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Sezione4Controlli.h"

#include <QLabel>

namespace {

// Where an item keeps the action's name.
constexpr int kRuoloDescrizione = Qt::UserRole + 1;

const char *const kTitoli[] = {"Azioni rivolte a sistemi", "Azioni rivolte a persone", "Azioni di diffusione"};

}  // namespace

QString ElencoAzioni::Titolo(int gruppo)
{
    return gruppo >= 1 && gruppo <= 3 ? QString(kTitoli[gruppo - 1]) : QString();
}

ElencoAzioni::ElencoAzioni(Sezione4Controlli &ui) : ui_(ui) {}

void ElencoAzioni::RiempeListAzioni()
{
    if (!DB)
        return;
    auto azioni = DB->OpenRecordset("Select * from Azioni where ID = ?", {IdProgetto});
    if (azioni->Eof())
        return;
    auto tipi = DB->OpenTable("TabAzioni");
    auto spese = DB->OpenTable("SpeseSez3");
    spese->SetIndex("PrimaryKey");
    for (int g = 1; g <= 3; ++g) {
        ui_.List1[g]->Clear();
        ui_.Label6[g]->setText(Titolo(g));
    }
    for (tipi->MoveFirst(); !tipi->Eof(); tipi->MoveNext()) {
        // A type outside the three groups, or without a column, has no list.
        const qint64 gruppo = InteroMemorizzabile(tipi->Field("Gruppo"));
        const qint64 tipo = InteroMemorizzabile(tipi->Field("Id"));
        if (gruppo < 1 || gruppo > 3 || tipo < 1 || tipo >= azioni->FieldCount())
            continue;
        const qint64 chiave = InteroMemorizzabile(azioni->Field(int(tipo)));
        if (chiave <= 0)
            continue;
        QString totale;
        spese->Seek("=", chiave);
        if (!spese->NoMatch()) {
            const Cifra voci = Importi::Valore(spese->Field("VOCISPESA"));
            if (voci.Circa() > 0)
                totale = " ->Tot £. " + Importi::Importo(voci);
        }
        const QString descrizione = ValoreValido(tipi->Field("Descrizione"), TipoTesto).toString().trimmed();
        ListBox *lista = ui_.List1[int(gruppo)];
        lista->AddItem(descrizione + totale, chiave);
        lista->item(lista->count() - 1)->setData(kRuoloDescrizione, descrizione);
    }
    tipi->Close();
    spese->Close();
    azioni->Close();
}

QString ElencoAzioni::Descrizione(const ListBox &lista, int indice)
{
    const QListWidgetItem *voce = lista.item(indice);
    return voce ? voce->data(kRuoloDescrizione).toString() : QString();
}

void ElencoAzioni::ContaAzioni()
{
    int n = 0;
    for (const auto &[g, lista] : ui_.List1)
        n += lista->ListCount();
    ui_.Label7->setText(QString("Altre %1 Azioni da definire").arg(n));
}

std::optional<Cifra> ElencoAzioni::TotaleGenerale()
{
    try {
        if (!DB)
            return Cifra();
        Cifra totale;
        auto spese = DB->OpenRecordset("Select * from SpeseSez3 Where Id = ?", {IdProgetto});
        for (; !spese->Eof(); spese->MoveNext())
            totale += Importi::Valore(spese->Field("VOCISPESA"));
        spese->Close();
        return totale;
    } catch (const DbError &errore) {
        Dialogs::MsgBox(errore.Description());
        return std::nullopt;
    }
}
