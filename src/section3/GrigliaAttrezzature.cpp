#include "GrigliaAttrezzature.h"

#include "Database.h"
#include "Dialogs.h"
#include "EditableGrid.h"
#include "ErrorGuard.h"
#include "FieldBinding.h"
#include "Globali.h"
#include "Procedure.h"
#include "Recordset.h"
#include "TextRules.h"
#include "Twips.h"

namespace {

enum Colonna { kAttrezzature = 0, kQuantita = 1, kTempo = 2, kTitolo = 3 };

// The last column is wide enough for its caption; the first gives it room.
const QList<GridColumn> kColonne = {
    {"Attrezzature", 4830},
    {QString::fromUtf8("Quantità"), 840, {}, Qt::AlignCenter},
    {"Tempo", 660, {}, Qt::AlignCenter},
    {"Titolo di Acquisizione", 1800, {}, Qt::AlignCenter},
};

// The description's field holds at most this many characters.
constexpr int kLunghezzaAttrezzature = 255;

}  // namespace

GrigliaAttrezzature::GrigliaAttrezzature(QWidget *pagina, const QRect &posto) : QObject(pagina)
{
    VSFlexGrid1 = new EditableGrid(2, kColonne, pagina);
    VSFlexGrid1->setObjectName("VSFlexGrid1");
    VSFlexGrid1->setGeometry(TwipsRect(posto.left(), posto.top(), posto.width(), posto.height()));
    connect(VSFlexGrid1, &EditableGrid::RowColChange, this,
            [this] { Guarded([this] { VSFlexGrid1_RowColChange(); }); });
}

void GrigliaAttrezzature::Azzera()
{
    VSFlexGrid1->SetRows(1);
    VSFlexGrid1->SetRows(2);
    VSFlexGrid1->SetRow(1);
    VSFlexGrid1->SetCol(kAttrezzature);
}

void GrigliaAttrezzature::Carica(qint64 modulo)
{
    Azzera();
    if (!DB)
        return;
    // Read in one query: a module may have a thousand rows.
    const QList<QVariantList> righe =
        DB->Rows("Select Attrezzature, Quantita, Tempo, Titolo from AttrezzatureModuli where IDmodulo = ?", {modulo},
                 "AttrezzatureModuli");
    VSFlexGrid1->SetRows(int(righe.size()) + 2);
    for (int r = 0; r < righe.size(); ++r) {
        const QVariantList &riga = righe[r];
        VSFlexGrid1->SetTextMatrix(r + 1, kAttrezzature, ValoreValido(riga[0], TipoTesto).toString());
        VSFlexGrid1->SetTextMatrix(r + 1, kQuantita, FieldBinding::ShownText(riga[1], FieldBinding::Number));
        VSFlexGrid1->SetTextMatrix(r + 1, kTempo, ValoreValido(riga[2], TipoTesto).toString());
        VSFlexGrid1->SetTextMatrix(r + 1, kTitolo, ValoreValido(riga[3], TipoTesto).toString());
    }
}

void GrigliaAttrezzature::Registra(qint64 modulo)
{
    // Inside the store that called it: a failure undoes the deletion too.
    Transaction riscrittura(*DB);
    DB->Execute("Delete from AttrezzatureModuli where IDModulo = ?", {modulo});
    const auto tabella = DB->OpenTable("AttrezzatureModuli");
    for (int r = 1; r < VSFlexGrid1->Rows(); ++r) {
        // An empty row between filled ones is skipped: the rows below it
        // are the user's as much as those above. Blanks are text.
        const QString attrezzatura = VSFlexGrid1->TextMatrix(r, kAttrezzature);
        if (attrezzatura.isEmpty())
            continue;
        tabella->AddNew();
        tabella->SetField("IDModulo", modulo);
        tabella->SetField("Attrezzature",
                          attrezzatura.left(TextRules::WholeLength(attrezzatura, kLunghezzaAttrezzature)));
        tabella->SetField("Quantita", InteroMemorizzabile(VSFlexGrid1->TextMatrix(r, kQuantita)));
        tabella->SetField("Tempo", InteroMemorizzabile(VSFlexGrid1->TextMatrix(r, kTempo)));
        tabella->SetField("Titolo", VSFlexGrid1->TextMatrix(r, kTitolo));
        tabella->Update();
    }
    riscrittura.Commit();
}

void GrigliaAttrezzature::VSFlexGrid1_RowColChange()
{
    const int righe = VSFlexGrid1->Rows();
    if (VSFlexGrid1->Row() != righe - 1)
        return;
    if (righe > kMassimoRighe) {
        Dialogs::MsgBox("Troppe Righe");
        return;
    }
    VSFlexGrid1->SetRows(righe + 1);
}
