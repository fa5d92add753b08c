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
    // The chosen actions in the catalogue's order, then the totals stored
    // for them, read together.
    struct Scelta
    {
        int gruppo;
        qint64 chiave;
        QString descrizione;
    };
    QList<Scelta> scelte;
    auto tipi = DB->OpenRecordset("Select * from TabAzioni order by rowid");
    for (; !tipi->Eof(); tipi->MoveNext()) {
        // A type outside the three groups, or without a column, has no list.
        const qint64 gruppo = InteroMemorizzabile(tipi->Field("Gruppo"));
        const qint64 tipo = InteroMemorizzabile(tipi->Field("Id"));
        if (gruppo < 1 || gruppo > 3 || tipo < 1 || tipo >= azioni->FieldCount())
            continue;
        const qint64 chiave = InteroMemorizzabile(azioni->Field(int(tipo)));
        if (chiave <= 0)
            continue;
        scelte.append({int(gruppo), chiave, ValoreValido(tipi->Field("Descrizione"), TipoTesto).toString().trimmed()});
    }
    tipi->Close();
    azioni->Close();
    QStringList segnaposti;
    QVariantList chiavi;
    for (const Scelta &scelta : scelte) {
        segnaposti << "?";
        chiavi << scelta.chiave;
    }
    QHash<qint64, Cifra> totali;
    if (!chiavi.isEmpty()) {
        auto spese = DB->OpenRecordset(
            QString("Select * from SpeseSez3 where IdSez3 in (%1)").arg(segnaposti.join(", ")), chiavi);
        for (; !spese->Eof(); spese->MoveNext())
            totali.insert(InteroMemorizzabile(spese->Field("IdSez3")), Importi::Valore(spese->Field("VOCISPESA")));
        spese->Close();
    }

    for (int g = 1; g <= 3; ++g) {
        ui_.List1[g]->Clear();
        ui_.Label6[g]->setText(Titolo(g));
    }
    for (const Scelta &scelta : scelte) {
        QString totale;
        if (const auto voci = totali.constFind(scelta.chiave); voci != totali.constEnd() && voci->Circa() > 0)
            totale = " ->Tot £. " + Importi::Importo(*voci);
        ListBox *lista = ui_.List1[scelta.gruppo];
        lista->AddItem(scelta.descrizione + totale, scelta.chiave);
        lista->item(lista->count() - 1)->setData(kRuoloDescrizione, scelta.descrizione);
    }
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
