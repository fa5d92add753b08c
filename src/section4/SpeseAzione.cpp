#include "SpeseAzione.h"

#include "EditableGrid.h"
#include "Importi.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Sezione4Controlli.h"
#include "TextBox.h"
#include "TotaliSpese.h"

namespace {

// The fields of VSFlexGrid1's rows 1 to 4, columns 1 to 3: trainees,
// amount, hours (months in row 3).
const char *const kIndennita[4][3] = {
    {"DiscoccupatiN", "DisoccupatiImporto", "DisoccupatiOre"},
    {"OccupatiN", "OccupatiImporto", "OccupatiOre"},
    {"SostRedditoN", "SostRedditoImporto", "SostRedditoMesi"},
    {"IncOccupazioneN", "IncOccupazioneImporto", "IncOccupazioneOre"},
};
// The fields of VSFlexGrid8's rows 1 to 3, columns 1 to 4: internal or
// external, persons, hours or days, cost.
const char *const kRisorse[3][4] = {
    {"ProgettazioneIE", "ProgettazioneN", "ProgettazioneOre", "ProgettazioneImporto"},
    {"DispenseIE", "DispenseN", "DispenseOre", "DispenseImporto"},
    {"FadIE", "FadN", "FadOre", "FadImporto"},
};
const char *const kInterno = "Interno";
const char *const kEsterno = "Esterno";

constexpr int kTotaleIndennita = 4;
constexpr int kTotaleRisorse = 5;

QVariant Numero(const QString &testo)
{
    return FieldBinding::StoredValue(testo, FieldBinding::ExactNumber);
}

QString Cifre(const QVariant &valore)
{
    return FieldBinding::ShownText(valore, FieldBinding::ExactNumber);
}

// Writes into a row's total column the product of its figure columns.
void ProdottoRiga(EditableGrid &griglia, int riga, int primaColonna, int totale)
{
    QList<Cifra> fattori;
    for (int c = primaColonna; c < totale; ++c)
        fattori.append(Importi::Valore(griglia.TextMatrix(riga, c)));
    griglia.SetTextMatrix(riga, totale, Importi::Importo(TotaliSpese::Prodotto(fattori)));
}

}  // namespace

SpeseAzione::SpeseAzione(Sezione4Controlli &ui) : ui_(ui)
{
    LegaCaselle();
    connect(ui_.VSFlexGrid1, &EditableGrid::AfterEdit, this, &SpeseAzione::VSFlexGrid1_AfterEdit);
    connect(ui_.VSFlexGrid1, &EditableGrid::BeforeEdit, this, &SpeseAzione::VSFlexGrid1_BeforeEdit);
    connect(ui_.VSFlexGrid8, &EditableGrid::AfterEdit, this, &SpeseAzione::VSFlexGrid8_AfterEdit);
    connect(ui_.VSFlexGrid8, &EditableGrid::BeforeEdit, this, &SpeseAzione::VSFlexGrid8_BeforeEdit);
}

void SpeseAzione::LegaCaselle()
{
    const auto numero = [this](FieldBinding &legame, QWidget *casella, const char *campo) {
        legame.Box(casella, campo, FieldBinding::ExactNumber);
    };
    const ControlArray<TextBox> &t = ui_.Text1;
    numero(assicurazioni_, t[0], "INAIL");
    numero(assicurazioni_, t[1], "AssItinere");
    numero(rimborso_, ui_.Text31, "RimborsoStageOspitante");
    numero(altre_, t[4], "SelezioneN");
    numero(altre_, t[5], "SelezioneOre");
    numero(altre_, t[6], "SelezioneImporto");
    numero(altre_, ui_.Text32, "Pubblicita");
    const char *const gestione[] = {"AffittoLocali", "Manutenzione", "Riscaldamento", "Energia", "Telefono",    "Posta",
                                    "Cancelleria",   "Perizie",      "Ausiliario",    "Oneri",   "Fidejussioni"};
    for (int i = 0; i < 11; ++i)
        numero(altre_, t[14 + i], gestione[i]);
    numero(altre_, t[26], "Gettone");
    numero(altre_, t[25], "Trasferta");
    numero(altre_, ui_.Text26, "VOCISPESA");
}

void SpeseAzione::Registra(Recordset &riga) const
{
    assicurazioni_.Store(riga);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            riga.SetField(kIndennita[r - 1][c - 1], Numero(ui_.VSFlexGrid1->TextMatrix(r, c)));
    rimborso_.Store(riga);
    for (int r = 1; r <= 3; ++r) {
        // Internal exactly when the cell reads "Interno".
        riga.SetField(kRisorse[r - 1][0], ui_.VSFlexGrid8->TextMatrix(r, 1) == kInterno);
        for (int c = 2; c <= 4; ++c)
            riga.SetField(kRisorse[r - 1][c - 1], Numero(ui_.VSFlexGrid8->TextMatrix(r, c)));
    }
    altre_.Store(riga);
}

void SpeseAzione::Riempi(const Recordset &riga) const
{
    assicurazioni_.Fill(riga);
    RiempiIndennita(riga);
    rimborso_.Fill(riga);
    RiempiRisorse(riga);
    altre_.Fill(riga);
}

void SpeseAzione::RiempiIndennita(const Recordset &riga) const
{
    EditableGrid &griglia = *ui_.VSFlexGrid1;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 3; ++c)
            griglia.SetTextMatrix(r, c, Cifre(riga.Field(kIndennita[r - 1][c - 1])));
        ProdottoRiga(griglia, r, 1, kTotaleIndennita);
    }
    TotaleIndennita();
}

void SpeseAzione::RiempiRisorse(const Recordset &riga) const
{
    EditableGrid &griglia = *ui_.VSFlexGrid8;
    for (int r = 1; r <= 3; ++r) {
        const bool interno = ValoreValido(riga.Field(kRisorse[r - 1][0]), TipoNumero).toDouble() != 0;
        griglia.SetTextMatrix(r, 1, interno ? kInterno : kEsterno);
        for (int c = 2; c <= 4; ++c)
            griglia.SetTextMatrix(r, c, Cifre(riga.Field(kRisorse[r - 1][c - 1])));
        ProdottoRiga(griglia, r, 2, kTotaleRisorse);
    }
    TotaleRisorse();
}

void SpeseAzione::RicalcolaGriglie() const
{
    for (int r = 1; r <= 4; ++r)
        ProdottoRiga(*ui_.VSFlexGrid1, r, 1, kTotaleIndennita);
    TotaleIndennita();
    for (int r = 1; r <= 3; ++r)
        ProdottoRiga(*ui_.VSFlexGrid8, r, 2, kTotaleRisorse);
    TotaleRisorse();
}

void SpeseAzione::TotaleIndennita() const
{
    ui_.Text2->setText(Importi::Importo(Importi::Colonna(*ui_.VSFlexGrid1, kTotaleIndennita)));
}

void SpeseAzione::TotaleRisorse() const
{
    ui_.Text9->setText(Importi::Importo(Importi::Colonna(*ui_.VSFlexGrid8, kTotaleRisorse)));
}

// Trainees, amount and hours (or months) give the row's total.
void SpeseAzione::VSFlexGrid1_AfterEdit(int Row, int Col) const
{
    if (Col < 1 || Col >= kTotaleIndennita)
        return;
    ProdottoRiga(*ui_.VSFlexGrid1, Row, 1, kTotaleIndennita);
    TotaleIndennita();
}

void SpeseAzione::VSFlexGrid1_BeforeEdit(int, int Col, bool *Cancel) const
{
    if (Col == kTotaleIndennita)
        *Cancel = true;
}

// Persons, hours or days and cost give the row's total; whether the
// resource is internal changes no figure.
void SpeseAzione::VSFlexGrid8_AfterEdit(int Row, int Col) const
{
    if (Col < 2 || Col >= kTotaleRisorse)
        return;
    ProdottoRiga(*ui_.VSFlexGrid8, Row, 2, kTotaleRisorse);
    TotaleRisorse();
}

void SpeseAzione::VSFlexGrid8_BeforeEdit(int, int Col, bool *Cancel) const
{
    if (Col == kTotaleRisorse)
        *Cancel = true;
}
