#include "Sezione4Form.h"

#include "CascataTotali.h"
#include "Database.h"
#include "Dettagli.h"
#include "Dialogs.h"
#include "EditableGrid.h"
#include "ElencoAzioni.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "GriglieDettaglio.h"
#include "Importi.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "PageFrames.h"
#include "PagineSezione4.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "ScorriPagine.h"
#include "SpeseAzione.h"
#include "StampaProgetto.h"
#include "TextBox.h"
#include "TotaliSpese.h"
#include "WaitCursor.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using Importi::Valore;

namespace {

// The pages of the cost plan that show something when they are shown.
constexpr int kPaginaAzioni = 0;
constexpr int kPaginaRisorseUmane = 7;
constexpr int kPaginaTotale = 10;
constexpr int kPaginaStampa = 11;

// Empties the cells of some columns of a grid, below its header.
void Svuota(EditableGrid *griglia, int primaColonna, int ultimaColonna, int ultimaRiga = -1)
{
    if (!griglia)
        return;
    for (int c = primaColonna; c <= ultimaColonna; ++c) {
        const int fino = ultimaRiga >= 0 ? ultimaRiga : griglia->Rows() - 1;
        for (int r = 1; r <= fino; ++r)
            griglia->SetTextMatrix(r, c, QString());
    }
}

void Svuota(const ControlArray<EditableGrid> &griglie, int primaColonna, int ultimaColonna)
{
    for (const auto &[i, griglia] : griglie)
        Svuota(griglia, primaColonna, ultimaColonna);
}

}  // namespace

Sezione4Form::Sezione4Form()
{
    setObjectName("Sezione4Form");
    setWindowTitle("Sezione 4");
    setFixedSize(PageFrames::FormSize());
    PagineSezione4 pagine(ui, this);
    cascata_ = std::make_unique<CascataTotali>(ui);
    azioni_ = std::make_unique<ElencoAzioni>(ui);
    spese_ = std::make_unique<SpeseAzione>(ui);
    QList<const TabellaDettaglio *> dettagli = Dettagli::Spese();
    dettagli.append(&Dettagli::ElencoAllegati());
    griglie_ = std::make_unique<GriglieDettaglio>(*this, dettagli);
    stampa_ = std::make_unique<StampaProgetto>(*this);
    Collega();
    PageFrames::ShowOnly(ui.Frame1, kPaginaAzioni);
    AbilitaCosti();
}

Sezione4Form::~Sezione4Form() = default;

void Sezione4Form::Collega()
{
    for (const auto &[i, bottone] : ui.Command1)
        connect(bottone, &QToolButton::clicked, this, [this, i = i] { Command1_Click(i); });
    for (const auto &[i, bottone] : ui.Command2)
        connect(bottone, &QToolButton::clicked, this, [this, i = i] { Command2_Click(i); });
    for (const auto &[g, lista] : ui.List1)
        connect(lista, &ListBox::DblClick, this, [this, g = g] { Guarded([this, g] { List1_DblClick(g); }); });
    connect(ui.Command3, &QPushButton::clicked, this, [this] { Guarded([this] { Command3_Click(); }); });
    connect(ui.ButTotaleGenerale, &QPushButton::clicked, this,
            [this] { Guarded([this] { ButTotaleGenerale_Click(); }); });
    connect(ui.Annulla, &QPushButton::clicked, this, &Sezione4Form::Annulla_Click);
    connect(ui.AvviaStampa, &QPushButton::clicked, this, &Sezione4Form::AvviaStampa_Click);
}

// ---------------------------------------------------------------- lifecycle

void Sezione4Form::Form_Load()
{
    WaitCursor attesa;
    NumeroFrame = 10;
    PiazzaForm();
    RiempeTutto();
    PaginaCorrente = ModoStampa ? kPaginaStampa : kPaginaAzioni;
    PaginaVisibile();
}

void Sezione4Form::Form_Activate()
{
    WaitCursor attesa;
    Riempi(*this, QList<Passo>{{{"azione"}, [this] { ControllaAzioneCorrente(); }}} + PassiRiempeTutto());
    AbilitaCosti();
}

void Sezione4Form::Form_Deactivate()
{
    WaitCursor attesa;
    Registra();
}

void Sezione4Form::Form_Unload()
{
    Registra();
}

bool Sezione4Form::Registra()
{
    return Memorizza(*this, PassiRegistraTutto());
}

void Sezione4Form::PiazzaForm()
{
    PageFrames::PiazzaForm(ui.Frame1, NumeroFrame);
    if (QFrame *stampa = ui.Frame1[kPaginaStampa])
        stampa->setGeometry(ui.Frame1[0]->geometry());
}

// ---------------------------------------------------------------- whole store and fill

QList<Passo> Sezione4Form::PassiRegistraTutto()
{
    return {{{"azione"},
             [this] {
                 RegistraCampi();
                 // Lines stored without a current action would belong to no action.
                 if (IdSez3Corrente != 0)
                     RegistraSpese();
             }},
            {{"allegati"}, [this] { RegistraAllegati(); }}};
}

QList<Passo> Sezione4Form::PassiRiempeTutto()
{
    return {{{"azione"},
             [this] {
                 // The print run makes each action current in turn: nothing of
                 // the one shown before may stay in a grid row or a box the
                 // next does not fill.
                 if (IdSez3Corrente != svuotataPer_)
                     SvuotaSez4();
                 RiempeCampi();
                 azioni_->RiempeListAzioni();
                 DescriviAzione();
                 if (IdSez3Corrente != 0)
                     RiempeSpese();
             }},
            {{"allegati"}, [this] { RiempeAllegati(); }}};
}

bool Sezione4Form::RiempeTutto()
{
    const bool riempita = Riempi(*this, PassiRiempeTutto());
    AbilitaCosti();
    return riempita;
}

// The current action's name follows its key, also when the key was set
// from outside (the print run makes each printed action current), so that
// a store never writes one action's name into another's record.
void Sezione4Form::DescriviAzione()
{
    if (IdSez3Corrente == 0)
        return;
    for (const auto &[g, lista] : ui.List1) {
        const int voce = lista->FindData(IdSez3Corrente);
        if (voce >= 0) {
            DescrizioneAzioneCorrente = ElencoAzioni::Descrizione(*lista, voce);
            MostraAzione();
            return;
        }
    }
}

void Sezione4Form::RegistraSpese()
{
    for (const TabellaDettaglio *tabella : Dettagli::Spese())
        griglie_->Registra(*tabella, IdSez3Corrente);
}

void Sezione4Form::RiempeSpese()
{
    for (const TabellaDettaglio *tabella : Dettagli::Spese())
        griglie_->Riempie(*tabella, IdSez3Corrente);
}

void Sezione4Form::SvuotaSez4()
{
    Svuota(ui.VSFlexGrid1, 1, 4, 4);
    Svuota(ui.VSFlexGrid2, 0, 3);
    Svuota(ui.VSFlexGrid14, 0, 3);
    Svuota(ui.VSFlexGrid8, 1, 5, 3);
    Svuota(ui.VSFlexGrid7, 0, 3);
    Svuota(ui.VSFlexGrid10, 0, 4);
    Svuota(ui.VSFlexGrid13, 0, 1);
    Svuota(ui.VSFlexGrid6, 0, 5);
    Svuota(ui.VSFlexGrid3, 0, 1);
    for (TextBox *casella : {ui.Text22, ui.Text27, ui.Text28, ui.Text29, ui.Text31, ui.Text1[0], ui.Text1[1],
                             ui.Text1[4], ui.Text1[5], ui.Text1[6], ui.Text32})
        casella->setText(QString());
    for (int i = 14; i <= 26; ++i)
        ui.Text1[i]->setText(QString());
    svuotataPer_ = IdSez3Corrente;
}

// The project's attachments.
// Without a project there is nothing to read, and nothing typed may be
// stored under a project that does not exist.
void Sezione4Form::RegistraAllegati()
{
    if (TrovaProgetto())
        griglie_->Registra(Dettagli::ElencoAllegati(), IdProgetto);
}

void Sezione4Form::RiempeAllegati()
{
    if (DB)
        griglie_->Riempie(Dettagli::ElencoAllegati(), IdProgetto);
}

// ---------------------------------------------------------------- the cost record

std::unique_ptr<Recordset> Sezione4Form::RecordSpese() const
{
    return DB->OpenRecordset("Select * from SpeseSez3 where IdSez3 = ?", {IdSez3Corrente});
}

void Sezione4Form::RegistraCampi()
{
    if (!PosizionaProgetto())
        return;
    if (IdSez3Corrente != 0) {
        const auto spese = RecordSpese();
        // A record deleted meanwhile is not made again.
        if (!spese->Eof()) {
            spese->Edit();
            spese->SetField("Id", IdProgetto);
            spese->SetField("DescrizioneAzione", DescrizioneAzioneCorrente);
            spese_->Registra(*spese);
            spese->Update();
        }
        spese->Close();
    }
    RegistraTotaleProgetto();
}

// The project's total follows every store of an action, so it never
// disagrees with the totals of its actions.
void Sezione4Form::RegistraTotaleProgetto()
{
    TabPrincipale->CancelUpdate();
    const std::optional<Cifra> totale = azioni_->TotaleGenerale();
    if (!totale) {
        TabSecondario->CancelUpdate();
        return;
    }
    TabSecondario->SetField("TotaleGenerale", Importi::Memorizzabile(*totale));
    TabSecondario->Update();
    ui.Text22->setText(Importi::Importo(*totale));
}

void Sezione4Form::RiempeCampi()
{
    if (!TrovaProgetto())
        return;
    const Recordset &secondario = *TabSecondario;
    const auto numero = [&](const char *campo) { return Valore(secondario.Field(campo)); };
    ui.Text22->setText(Importi::Importo(numero("TotaleGenerale")));
    ui.Text27->setText(Importi::Intero(numero("Allievi") + numero("Allieve")));
    ui.Text28->setText(Importi::Intero(numero("OreTeoria") + numero("OrePratica")));
    const std::optional<double> costo = CostoOrario();
    ui.Text29->setText(costo ? Importi::Semplice(*costo) : QString("0"));
    if (IdSez3Corrente == 0)
        return;
    const auto spese = RecordSpese();
    if (!spese->Eof())
        spese_->Riempi(*spese);
    spese->Close();
}

std::optional<double> Sezione4Form::CostoOrario() const
{
    return TotaliSpese::CostoOrario(Valore(ui.Text22->text()), Valore(ui.Text27->text()), Valore(ui.Text28->text()));
}

// ---------------------------------------------------------------- the current action

void Sezione4Form::List1_DblClick(int Index)
{
    ListBox *lista = ui.List1[Index];
    if (!lista || lista->ListIndex() < 0)
        return;
    IdSez3Corrente = lista->ItemData(lista->ListIndex());
    DescrizioneAzioneCorrente = ElencoAzioni::Descrizione(*lista, lista->ListIndex());
    MostraAzione();
    SvuotaSez4();
    Riempi(*this, {{{"azione"},
                    [this] {
                        RiempeCampi();
                        RiempeSpese();
                    }},
                   {{"allegati"}, [this] { RiempeAllegati(); }}});
    AbilitaCosti();
    PaginaCorrente = 1;
    PaginaVisibile();
}

void Sezione4Form::MostraAzione()
{
    for (int k = 0; k <= 8; ++k)
        ui.Label2[k]->setText(DescrizioneAzioneCorrente);
}

// An action whose cost record section 3 has deleted meanwhile is current no
// more: its pages are emptied and the list of actions is shown again.
void Sezione4Form::ControllaAzioneCorrente()
{
    if (IdSez3Corrente == 0 || !DB)
        return;
    const auto spese = RecordSpese();
    const bool esiste = !spese->Eof();
    spese->Close();
    if (esiste)
        return;
    const QString descrizione = DescrizioneAzioneCorrente;
    LasciaAzione();
    Dialogs::MsgBox(QString("L'azione \"%1\" non è più tra quelle scelte nella Sezione 3.").arg(descrizione));
    if (PaginaCorrente != kPaginaStampa) {
        PaginaCorrente = kPaginaAzioni;
        PaginaVisibile();
    }
}

void Sezione4Form::LasciaAzione()
{
    IdSez3Corrente = 0;
    DescrizioneAzioneCorrente.clear();
    MostraAzione();
    SvuotaSez4();
    spese_->RicalcolaGriglie();
    griglie_->RicalcolaTotali();
    AbilitaCosti();
}

std::vector<EditableGrid *> Sezione4Form::GriglieCosti() const
{
    std::vector<EditableGrid *> griglie{ui.VSFlexGrid1, ui.VSFlexGrid8};
    for (const ControlArray<EditableGrid> *insieme :
         {&ui.VSFlexGrid2, &ui.VSFlexGrid14, &ui.VSFlexGrid7, &ui.VSFlexGrid10, &ui.VSFlexGrid13})
        for (const auto &[i, griglia] : *insieme)
            griglie.push_back(griglia);
    if (ui.VSFlexGrid6)
        griglie.push_back(ui.VSFlexGrid6);
    return griglie;
}

void Sezione4Form::AbilitaCosti()
{
    const bool azione = IdSez3Corrente != 0;
    for (const auto &[i, casella] : ui.Text1)
        if (i != 8)
            casella->setEnabled(azione);
    ui.Text31->setEnabled(azione);
    ui.Text32->setEnabled(azione);
    for (EditableGrid *griglia : GriglieCosti())
        griglia->setEnabled(azione);
}

// ---------------------------------------------------------------- pages

void Sezione4Form::PaginaVisibile()
{
    PageFrames::ShowOnly(ui.Frame1, PaginaCorrente);
    switch (PaginaCorrente) {
    case kPaginaAzioni:
        Riempi(*this, {"azione"}, [this] { azioni_->RiempeListAzioni(); });
        break;
    case kPaginaRisorseUmane:
        azioni_->ContaAzioni();
        break;
    case kPaginaTotale: {
        // A total that could not be computed leaves the one shown.
        if (const std::optional<Cifra> totale = azioni_->TotaleGenerale())
            ui.Text22->setText(Importi::Importo(*totale));
        const std::optional<double> costo = CostoOrario();
        ui.Text29->setText(costo ? Importi::ConDecimali(*costo) : QString("0"));
        break;
    }
    case kPaginaStampa:
        ui.Label13->setText(QString::number(IdProgetto));
        ui.Label9->setText(TrovaProgetto() ? ValoreValido(TabPrincipale->Field("Oggetto"), TipoTesto).toString()
                                           : QString());
        ui.Option1->setChecked(true);
        break;
    default:
        break;
    }
}

ScorriPagine Sezione4Form::Pagine()
{
    return {*this, PaginaCorrente, PassiRegistraTutto(), [this] { PaginaVisibile(); }};
}

void Sezione4Form::Command1_Click(int)
{
    Pagine().Indietro({"Sezione3Form"});
}

// Past the last page section 1 opens without looking the project up.
void Sezione4Form::Command2_Click(int)
{
    Pagine().Avanti([this](int pagina) { return pagina <= NumeroFrame; },
                    {.finestra = "Sezione1Form", .conProgetto = false});
}

void Sezione4Form::Command3_Click()
{
    PaginaCorrente = kPaginaAzioni;
    PaginaVisibile();
}

void Sezione4Form::ButTotaleGenerale_Click()
{
    for (const auto &[g, lista] : ui.List1) {
        if (lista->ListIndex() < 0)
            continue;
        List1_DblClick(g);
        PaginaCorrente = kPaginaTotale;
        PaginaVisibile();
        return;
    }
    Dialogs::MsgBox("Selezionare un azione", "Totale Generale delle Azioni");
}

void Sezione4Form::Annulla_Click()
{
    if (IsBusy())
        return;
    ModoStampa = false;
    Unload();
}

void Sezione4Form::AvviaStampa_Click()
{
    stampa_->AvviaStampa_Click();
}

bool Sezione4Form::IsBusy() const
{
    return stampa_ && stampa_->InCorso();
}

// Nothing of the action printed before may show in this one's totals, nor
// be stored under it afterwards.
void Sezione4Form::RendiCorrente(qint64 IdSez3)
{
    IdSez3Corrente = IdSez3;
    SvuotaSez4();
    spese_->RicalcolaGriglie();
    // The run cannot go on without the action's figures: it stops and says why.
    Riempi(*this, PassiRiempeTutto(), true);
    AbilitaCosti();
}
