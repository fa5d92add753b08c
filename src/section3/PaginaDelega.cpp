#include "PaginaDelega.h"

#include "Database.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "Impaginazione.h"
#include "Recordset.h"
#include "Sezione3Form.h"
#include "TabStrip.h"

#include <QGroupBox>
#include <QLabel>

namespace {

const char *const kSchede[PaginaDelega::kTipi] = {
    "Progettazione", "Selezione", "Orientamento", "Dispense", "Segreteria Amministrativa", "Docenza"};

// The waiver check box of Check1.
constexpr int kDeroga = 28;

// The first of kind t's four boxes in Text1: reason, third party,
// requirements, cost.
int PrimaCasella(int tipo)
{
    return 4 * tipo + 74;
}

}  // namespace

PaginaDelega::PaginaDelega(Sezione3Form &form, Impaginazione &impagina)
    : QObject(form.RiquadroDelega), form_(form),
      pagine_("TabStrip2", "Frame38", form.RiquadroDelega, QRect(840, 2295, 7860, 3550))
{
    constexpr int kRiga = Impaginazione::kRiga;
    for (int t = 1; t <= kTipi; ++t) {
        const QString scheda = kSchede[t - 1];
        QGroupBox *pagina = pagine_.Aggiungi(scheda, t == 4 ? "Elaborazioni Dispense" : scheda, scheda);
        int top = Impaginazione::kTitolo;
        if (t == kTipi) {
            impagina.Etichetta(pagina, "Indicare i Moduli", 120, top, 3000);
            top += kRiga + 30;
        }
        const int casella = PrimaCasella(t);
        QWidget *motivazione =
            impagina.CasellaSotto(casella, "Motivazione", pagina, 0, true, 120, top, 3720, 1365 - (top - 285));
        QWidget *terzi =
            impagina.CasellaSotto(casella + 1, "Terzi Delegati", pagina, 0, true, 3990, top, 3720, 1365 - (top - 285));
        QWidget *requisiti =
            impagina.CasellaSotto(casella + 2, "Requisiti e competenze", pagina, 0, true, 120, 1935, 7590, 870);
        impagina.Etichetta(pagina, "Costo", 4590, 3150, 1200)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QWidget *costo = impagina.Casella(casella + 3, pagina, 11, false, 5910, 3090, 1800, Impaginazione::kCasella,
                                          Qt::AlignRight | Qt::AlignVCenter);
        tipi_[t].Box(motivazione, "Motivazione");
        tipi_[t].Box(terzi, "TerziDelegati");
        tipi_[t].Box(requisiti, "Requisiti");
        tipi_[t].Box(costo, "Costo", FieldBinding::Number);
    }
    // Until the waiver is on, the first tab's boxes are not usable.
    tipi_[1].Enable(false);
    connect(pagine_.Striscia, &TabStrip::Click, this, [this] { TabStrip2_Click(); });
}

std::unique_ptr<Recordset> PaginaDelega::Righe()
{
    auto righe = DB->OpenRecordset("Select * from TerziDelegati where Id = ?", {IdProgetto});
    const qint64 presenti = righe->RecordCount();
    if (presenti >= kTipi)
        return righe;
    // The kinds missing at the end are added, all of them or none.
    Transaction completamento(*DB);
    for (qint64 t = presenti + 1; t <= kTipi; ++t) {
        righe->AddNew();
        righe->SetField("Id", IdProgetto);
        righe->SetField("tipo", t);
        righe->Update();
    }
    completamento.Commit();
    return righe;
}

void PaginaDelega::RiempeDelegati()
{
    if (!Sezione3Form::ProgettoCorrente())
        return;
    const auto righe = Righe();
    righe->MoveFirst();
    for (int t = 1; t <= kTipi && !righe->Eof(); ++t, righe->MoveNext())
        tipi_[t].Fill(*righe);
}

void PaginaDelega::RegistraTerziDelegati()
{
    if (!Sezione3Form::ProgettoCorrente())
        return;
    const auto righe = Righe();
    righe->MoveFirst();
    for (int t = 1; t <= kTipi && !righe->Eof(); ++t, righe->MoveNext()) {
        righe->Edit();
        righe->SetField("tipo", t);
        tipi_[t].Store(*righe);
        righe->Update();
    }
}

void PaginaDelega::TabStrip2_Click()
{
    pagine_.Mostra();
    if (QGroupBox *pagina = pagine_.Scelta())
        pagina->setTitle(pagine_.Striscia->SelectedCaption());
}

void PaginaDelega::Check1_Click()
{
    const bool acceso = form_.Check1[kDeroga]->isChecked();
    tipi_[1].Enable(acceso);
    pagine_.Striscia->setEnabled(acceso);
    if (acceso)
        TabStrip2_Click();
}
