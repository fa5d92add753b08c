#include "GriglieDettaglio.h"

#include "CascataTotali.h"
#include "Database.h"
#include "EditableGrid.h"
#include "ErrorGuard.h"
#include "FieldBinding.h"
#include "Globali.h"
#include "Importi.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Sezione4Form.h"
#include "TextBox.h"
#include "TotaliSpese.h"
#include "Twips.h"

#include <QHeaderView>
#include <QRegularExpression>

#include <map>

namespace {

const char *const kInterno = "Interno";
const char *const kEsterno = "Esterno";

// An empty row always follows the one the user is on.
void RigaVuotaInFondo(EditableGrid &griglia)
{
    const int righe = griglia.Rows();
    if (griglia.Row() == righe - 1)
        griglia.SetRows(righe + 1);
}

}  // namespace

GriglieDettaglio::GriglieDettaglio(Sezione4Form &form, const QList<const TabellaDettaglio *> &tabelle) : form_(form)
{
    for (const TabellaDettaglio *tabella : tabelle) {
        for (const TabellaDettaglio::Griglia &dichiarata : tabella->griglie) {
            Posata posata{tabella, &dichiarata, nullptr, -1, nullptr, -1};
            Costruisci(posata);
            if (!dichiarata.casellaTotale.isEmpty())
                posata.totale = form_.findChild<TextBox *>(dichiarata.casellaTotale);
            for (int c = 0; c < dichiarata.colonne.size(); ++c)
                if (dichiarata.colonne[c].campo == tabella->decisivo)
                    posata.decisiva = c;
            posate_.push_back(posata);
        }
    }
    for (const Posata &posata : posate_)
        Collega(posata);
}

// The grid at the place its page keeps for it, in its control array (whose
// index is the Tipo of its lines) or as the form's single grid of that name.
void GriglieDettaglio::Costruisci(Posata &posata)
{
    const TabellaDettaglio::Griglia &dichiarata = *posata.dichiarata;
    const PostoGriglia &posto = form_.ui.PostiGriglie.at(dichiarata.nome);
    QList<GridColumn> colonne;
    for (const TabellaDettaglio::Colonna &colonna : dichiarata.colonne)
        colonne.append(colonna.griglia);
    auto *griglia = new EditableGrid(2, colonne, posto.riquadro);
    const QRect &r = posto.twips;
    griglia->setGeometry(TwipsRect(r.x(), r.y(), r.width(), r.height()));
    if (dichiarata.testo.isValid()) {
        QPalette colori = griglia->palette();
        colori.setColor(QPalette::Text, dichiarata.testo);
        griglia->setPalette(colori);
    }
    griglia->horizontalHeader()->setStretchLastSection(dichiarata.ultimaAllarga);

    static const QRegularExpression membro(R"(^(\w+)\((\d+)\)$)");
    if (const QRegularExpressionMatch m = membro.match(dichiarata.nome); m.hasMatch()) {
        for (ControlArray<EditableGrid> *insieme :
             {&form_.ui.VSFlexGrid2, &form_.ui.VSFlexGrid14, &form_.ui.VSFlexGrid7, &form_.ui.VSFlexGrid10,
              &form_.ui.VSFlexGrid13})
            if (insieme->Name() == m.captured(1))
                insieme->Add(m.captured(2).toInt(), griglia);
        if (posata.tabella->tipo)
            posata.tipo = m.captured(2).toInt();
    } else {
        griglia->setObjectName(dichiarata.nome);
        const std::pair<const char *, EditableGrid **> singole[] = {{"VSFlexGrid6", &form_.ui.VSFlexGrid6},
                                                                    {"VSFlexGrid3", &form_.ui.VSFlexGrid3}};
        for (const auto &[nome, dove] : singole)
            if (dichiarata.nome == nome)
                *dove = griglia;
    }
    posata.griglia = griglia;
}

void GriglieDettaglio::Collega(const Posata &posata)
{
    const size_t i = size_t(&posata - posate_.data());
    EditableGrid *griglia = posata.griglia;
    if (posata.tabella->rigaNuova == TabellaDettaglio::Entrando) {
        connect(griglia, &EditableGrid::RowColChange, this, [this, i] { EnterCell(posate_[i]); });
        return;
    }
    connect(griglia, &EditableGrid::AfterEdit, this, [this, i](int Row, int Col) { AfterEdit(posate_[i], Row, Col); });
    connect(griglia, &EditableGrid::BeforeEdit, this,
            [this, i](int, int Col, bool *Cancel) { BeforeEdit(posate_[i], Col, Cancel); });
}

// ---------------------------------------------------------------- store and fill

QVariantList GriglieDettaglio::Riga(const Posata &posata, int riga)
{
    QVariantList valori;
    const QList<TabellaDettaglio::Colonna> &colonne = posata.dichiarata->colonne;
    for (int c = 0; c < colonne.size(); ++c) {
        const QString testo = posata.griglia->TextMatrix(riga, c);
        switch (colonne[c].valore) {
        case TabellaDettaglio::Testo:
            valori.append(testo);
            break;
        case TabellaDettaglio::Numero:
            valori.append(FieldBinding::StoredValue(testo, FieldBinding::ExactNumber));
            break;
        case TabellaDettaglio::Interno:
            // Internal exactly when the cell reads "Interno".
            valori.append(testo == kInterno);
            break;
        }
    }
    return valori;
}

void GriglieDettaglio::Registra(const TabellaDettaglio &tabella, qint64 chiave) const
{
    // The old lines go only when the new ones are all stored.
    Transaction riscrittura(*DB);
    DB->Execute(
        QString("delete from %1 where %2 = ?").arg(QuotedIdentifier(tabella.tabella), QuotedIdentifier(tabella.chiave)),
        {chiave});
    // The table is opened for the first line to store.
    std::unique_ptr<Recordset> righe;
    for (const Posata &posata : posate_) {
        if (posata.tabella != &tabella)
            continue;
        const int fino = posata.griglia->Rows();  // what the user was typing counts
        for (int r = 1; r < fino; ++r) {
            const QVariantList riga = Riga(posata, r);
            // A row not filled in is left out; the rows below it still count.
            if (riga[posata.decisiva].toLongLong() <= 0)
                continue;
            if (!righe)
                righe = DB->OpenTable(tabella.tabella);
            righe->AddNew();
            righe->SetField(tabella.chiave, chiave);
            if (posata.tipo >= 0)
                righe->SetField("Tipo", posata.tipo);
            for (int c = 0; c < riga.size(); ++c)
                righe->SetField(posata.dichiarata->colonne[c].campo, riga[c]);
            righe->Update();
        }
    }
    if (righe)
        righe->Close();
    riscrittura.Commit();
}

QString GriglieDettaglio::Mostrato(const TabellaDettaglio &tabella, const TabellaDettaglio::Colonna &colonna,
                                   const QVariant &valore)
{
    switch (colonna.valore) {
    case TabellaDettaglio::Interno:
        return ValoreValido(valore, TipoNumero).toDouble() != 0 ? kInterno : kEsterno;
    case TabellaDettaglio::Numero:
        if (!tabella.riempieComeTesto)
            return FieldBinding::ShownText(valore, FieldBinding::ExactNumber);
        break;
    case TabellaDettaglio::Testo:
        break;
    }
    return ValoreValido(valore, TipoTesto).toString();
}

void GriglieDettaglio::Riempie(const TabellaDettaglio &tabella, qint64 chiave) const
{
    // The table's lines of the parent, in the order they were stored, read
    // together and then shown grid by grid; a table with a Tipo gives each
    // grid the lines of its own.
    QList<const Posata *> posate;
    QString query = QString("Select * from %1 where %2 = ?")
                        .arg(QuotedIdentifier(tabella.tabella), QuotedIdentifier(tabella.chiave));
    QVariantList valori{chiave};
    QStringList tipi;
    for (const Posata &posata : posate_) {
        if (posata.tabella != &tabella)
            continue;
        posate.append(&posata);
        if (posata.tipo >= 0) {
            tipi << "?";
            valori.append(posata.tipo);
        }
    }
    if (posate.isEmpty())
        return;
    if (!tipi.isEmpty())
        query += QString(" and Tipo in (%1)").arg(tipi.join(", "));
    std::map<const Posata *, QList<QStringList>> linee;
    const auto righe = DB->OpenRecordset(query + " order by rowid", valori);
    for (; !righe->Eof(); righe->MoveNext()) {
        const Posata *posata = posate.first();
        if (!tipi.isEmpty()) {
            const qint64 tipo = righe->Field("Tipo").toLongLong();
            for (const Posata *altra : posate)
                if (altra->tipo == tipo)
                    posata = altra;
        }
        QStringList celle;
        for (const TabellaDettaglio::Colonna &colonna : posata->dichiarata->colonne)
            celle << Mostrato(tabella, colonna, righe->Field(colonna.campo));
        linee[posata].append(celle);
    }
    righe->Close();

    for (const Posata *posata : posate) {
        EditableGrid &griglia = *posata->griglia;
        const QList<QStringList> &righeGriglia = linee[posata];
        // Row 1 keeps its cells until a line is written over them.
        griglia.SetRows(2);
        griglia.SetRows(int(righeGriglia.size()) + 2);
        for (int r = 0; r < righeGriglia.size(); ++r)
            for (int c = 0; c < righeGriglia[r].size(); ++c)
                griglia.SetTextMatrix(r + 1, c, righeGriglia[r][c]);
        AggiornaTotale(*posata);
        // No cell is current, so that the user's first step into the last
        // row counts as entering it.
        if (tabella.rigaNuova == TabellaDettaglio::Entrando)
            griglia.SetRow(0);
    }
}

// ---------------------------------------------------------------- totals and edits

void GriglieDettaglio::AggiornaTotale(const Posata &posata) const
{
    if (!posata.totale)
        return;
    // Text1(8) adds the eleven running expenses to this grid's amounts.
    if (posata.totale == form_.ui.Text1[8]) {
        form_.Totali().TotaleSpeseGestione();
        return;
    }
    posata.totale->setText(Importi::Importo(Importi::Colonna(*posata.griglia, posata.tabella->colonnaTotale)));
}

void GriglieDettaglio::RicalcolaTotali() const
{
    for (const Posata &posata : posate_)
        AggiornaTotale(posata);
}

void GriglieDettaglio::AfterEdit(const Posata &posata, int Row, int Col) const
{
    const TabellaDettaglio &tabella = *posata.tabella;
    EditableGrid &griglia = *posata.griglia;
    const bool calcolato = Guarded([&] {
        if (tabella.TotaleCalcolato()) {
            if (!tabella.fattori.contains(Col))
                return;
            QList<Cifra> fattori;
            for (int fattore : tabella.fattori)
                fattori.append(Importi::Valore(griglia.TextMatrix(Row, fattore)));
            griglia.SetTextMatrix(Row, tabella.colonnaTotale, Importi::Importo(TotaliSpese::Prodotto(fattori)));
        }
        AggiornaTotale(posata);
    });
    if (calcolato || tabella.prosegueDopoErrore)
        RigaVuotaInFondo(griglia);
}

void GriglieDettaglio::BeforeEdit(const Posata &posata, int Col, bool *Cancel) const
{
    if (posata.tabella->TotaleCalcolato() && Col == posata.tabella->colonnaTotale)
        *Cancel = true;
}

void GriglieDettaglio::EnterCell(const Posata &posata) const
{
    Guarded([&] { RigaVuotaInFondo(*posata.griglia); });
}
