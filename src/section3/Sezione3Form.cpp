#include "Sezione3Form.h"

#include "Database.h"
#include "EditorElenco.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "GraficoProgetto.h"
#include "Impaginazione.h"
#include "Memorizza.h"
#include "MultiLineEdit.h"
#include "PageFrames.h"
#include "PaginaAzioni.h"
#include "PaginaAzioniNonFormative.h"
#include "PaginaDelega.h"
#include "PaginaDestinatari.h"
#include "PaginaModuli.h"
#include "PagineDescrittive.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "ScorriPagine.h"
#include "TotaliPrevisti.h"
#include "WaitCursor.h"

namespace {

// The last page; the next arrow there opens section 4.
constexpr int kUltimaPagina = 16;

// Check1: the company needs of 3.14 and the self-employment box of 3.12,
// with the boxes they enable.
constexpr int kAdeguare = 19;
constexpr int kSupportare = 20;
constexpr int kProcessi = 21;
constexpr int kAutonoma = 22;
// The waiver of the delegation page.
constexpr int kDelega = 28;
// The fourth language option and its language-name box.
constexpr int kAltraLingua = 3;
constexpr int kNomeLingua = 46;

}  // namespace

Sezione3Form::Sezione3Form()
{
    setObjectName("Sezione3Form");
    setWindowTitle("Sezione 3");
    setFixedSize(PageFrames::FormSize());
    for (int i = 0; i <= NumeroFrame; ++i) {
        QFrame *pagina = PageFrames::CreatePage(Frame1, i, this);
        QToolButton *indietro = PageFrames::CreateArrow(Command1, i, pagina, false);
        QToolButton *avanti = PageFrames::CreateArrow(Command2, i, pagina, true);
        connect(indietro, &QToolButton::clicked, this, [this, i] { Command1_Click(i); });
        connect(avanti, &QToolButton::clicked, this, [this, i] { Command2_Click(i); });
    }

    Impaginazione impagina(*this);
    azioni_ = std::make_unique<PaginaAzioni>(*this, impagina, Frame1[0]);
    destinatari_ = std::make_unique<PaginaDestinatari>(*this, impagina, Frame1[1], Frame1[8]);
    PagineDescrittive descrittive(*this, impagina);
    descrittive.Crea();
    descrittive.Lega(campi_, copie_);
    new GraficoProgetto(*this);
    moduli_ = CreaPaginaModuli(*this, impagina);
    azioniNonFormative_ = CreaPaginaAzioniNonFormative(*this, impagina);
    delega_ = new PaginaDelega(*this, impagina);
    for (const auto &[i, pagina] : Frame1) {
        Command1[i]->raise();
        Command2[i]->raise();
    }

    for (const auto &[i, casella] : Check1)
        connect(casella, &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
    // The focus rule follows the user's click only, never a fill.
    for (const auto &[i, opzione] : Option1.Buttons())
        connect(opzione, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    PageFrames::ShowOnly(Frame1, 0);
}

Sezione3Form::~Sezione3Form() = default;

QWidget *Sezione3Form::AggiungiCasella(int Index, QWidget *casella)
{
    Text1.Add(Index, casella);
    if (auto *riga = qobject_cast<QLineEdit *>(casella))
        connect(riga, &QLineEdit::textChanged, this, [this, Index] { Text1_Change(Index); });
    else if (auto *righe = qobject_cast<MultiLineEdit *>(casella))
        connect(righe, &MultiLineEdit::textChanged, this, [this, Index] { Text1_Change(Index); });
    return casella;
}

bool Sezione3Form::ProgettoCorrente()
{
    return DB && TrovaProgetto();
}

// --- Lifecycle -----------------------------------------------------------------

void Sezione3Form::Form_Load()
{
    WaitCursor attesa;
    NumeroFrame = 16;
    PiazzaForm();
    Riempi(*this, PassiRiempeTutto());
    PaginaCorrente = 0;
    PaginaVisibile();
    TabStrip1_Click();
    TabStrip2_Click();
    TabStrip3_Click();
}

void Sezione3Form::Form_Activate()
{
    WaitCursor attesa;
    QList<Passo> passi = PassiRiempeTutto();
    // The editors load their lists on their own pages, and again here when
    // that could not be done.
    for (EditorElenco *editor : {moduli_, azioniNonFormative_})
        if (HoldsUnfilled(editor->Parte()))
            passi.append({{}, [editor] { editor->Carica(); }});
    Riempi(*this, passi);
}

void Sezione3Form::Form_Deactivate()
{
    WaitCursor attesa;
    Memorizza(*this, PassiRegistraTutto());
}

void Sezione3Form::Form_Unload()
{
    Memorizza(*this, PassiRegistraTutto());
}

void Sezione3Form::PiazzaForm()
{
    PageFrames::PiazzaForm(Frame1, NumeroFrame);
}

// Every store but the module and action editors', which only their own
// buttons store.
QList<Passo> Sezione3Form::PassiRegistraTutto()
{
    return {{{"campi"}, [this] { RegistraCampi(); }},
            {{"destinatari"}, [this] { RegistraDestinatariIntervento(); }},
            {{"azioni"}, [this] { RegistraCheckAzioni(); }},
            {{"delegati"}, [this] { RegistraTerziDelegati(); }}};
}

QList<Passo> Sezione3Form::PassiRiempeTutto()
{
    return {{{"campi"}, [this] { RiempeCampi(); }},
            {{"azioni"}, [this] { RiempeCheckAzioni(); }},
            {{"delegati"}, [this] { RiempeDelegati(); }},
            {{"destinatari"}, [this] { RiempeDestinatariIntervento(); }}};
}

// --- Pages ---------------------------------------------------------------------

// Shows the current page and runs what arriving there stores and loads. A
// store that fails keeps what the window shows: its reload is skipped.
void Sezione3Form::PaginaVisibile()
{
    WaitCursor attesa;
    PageFrames::ShowOnly(Frame1, PaginaCorrente);
    switch (PaginaCorrente) {
    case 0:
        Riempi(*this, {"azioni"}, [this] { RiempeCheckAzioni(); });
        if (Memorizza(*this, [this] { RegistraDestinatariIntervento(); }, {"destinatari"}))
            Riempi(*this, {"destinatari"}, [this] { RiempeDestinatariIntervento(); });
        break;
    case 2:
        Memorizza(*this, [this] { RegistraDestinatariIntervento(); }, {"destinatari"});
        break;
    case 8:
        CaricaModuli();
        break;
    case 9:
        CaricaAzioni();
        break;
    case 13:
        if (Memorizza(*this, [this] { RegistraTerziDelegati(); }, {"delegati"}))
            Riempi(*this, {"delegati"}, [this] { RiempeDelegati(); });
        break;
    case 14:
        Riempi(*this, {"delegati"}, [this] { RiempeDelegati(); });
        break;
    case 15:
        Memorizza(*this, [this] { RegistraTerziDelegati(); }, {"delegati"});
        break;
    default:
        break;
    }
}

// Page 0 stores the action types; every other page the descriptive fields.
void Sezione3Form::RegistraPaginaLasciata()
{
    if (PaginaCorrente == 0)
        RegistraCheckAzioni();
    else
        RegistraCampi();
}

void Sezione3Form::Command1_Click([[maybe_unused]] int Index)
{
    const Passo pagina{{PaginaCorrente == 0 ? "azioni" : "campi"}, [this] { RegistraPaginaLasciata(); }};
    ScorriPagine{*this, PaginaCorrente, {pagina}, [this] { PaginaVisibile(); }}.Indietro({"Sezione2Form"});
}

void Sezione3Form::Command2_Click([[maybe_unused]] int Index)
{
    const Passo pagina{{PaginaCorrente == 0 ? "azioni" : "campi"}, [this] { RegistraPaginaLasciata(); }};
    ScorriPagine{*this, PaginaCorrente, {pagina}, [this] { PaginaVisibile(); }}.Avanti(
        [](int posizione) { return posizione <= kUltimaPagina; }, {"Sezione4Form"});
}

// --- Descriptive fields ----------------------------------------------------------

void Sezione3Form::RegistraCampi()
{
    if (!PosizionaProgetto())
        return;
    campi_.Store({TabPrincipale.get(), TabSecondario.get()});
    // Section 1 edits these four too: a figure the user left as this
    // window's fill showed it must not overwrite what section 1 stored.
    copie_.StoreChanged({TabPrincipale.get(), TabSecondario.get()});
    TabPrincipale->Update();
    TabSecondario->Update();
}

void Sezione3Form::RiempeCampi()
{
    if (!TrovaProgetto())
        return;
    campi_.Fill({TabPrincipale.get(), TabSecondario.get()});
    copie_.Remember();
}

void Sezione3Form::Check1_Click(int Index)
{
    const bool acceso = Check1[Index]->isChecked();
    switch (Index) {
    case kAdeguare:
        Text1[25]->setEnabled(acceso);
        break;
    case kSupportare:
        Text1[27]->setEnabled(acceso);
        break;
    case kProcessi:
        Text1[28]->setEnabled(acceso);
        break;
    case kAutonoma:
        Text1[23]->setEnabled(acceso);
        EtichettaFonti->setEnabled(acceso);
        break;
    case kDelega:
        delega_->Check1_Click();
        break;
    default:
        // The target groups do nothing here.
        break;
    }
}

void Sezione3Form::Option1_Click(int Index)
{
    if (Index != kAltraLingua || !Option1[kAltraLingua]->isChecked())
        return;
    QWidget *nome = Text1[kNomeLingua];
    if (nome->isVisible() && nome->isEnabled())
        nome->setFocus(Qt::OtherFocusReason);
}

// --- Action types and target groups ----------------------------------------------

void Sezione3Form::RiempeCheckAzioni()
{
    azioni_->RiempeCheckAzioni();
}

void Sezione3Form::RegistraCheckAzioni()
{
    azioni_->RegistraCheckAzioni();
}

void Sezione3Form::RiempeDestinatariIntervento()
{
    destinatari_->RiempeDestinatariIntervento();
}

void Sezione3Form::RegistraDestinatariIntervento()
{
    destinatari_->RegistraDestinatariIntervento();
}

// --- The editors' procedures ---------------------------------------------------------

void Sezione3Form::RiempeDelegati()
{
    delega_->RiempeDelegati();
}

void Sezione3Form::RegistraTerziDelegati()
{
    delega_->RegistraTerziDelegati();
}

void Sezione3Form::CaricaModuli()
{
    moduli_->Carica();
}

void Sezione3Form::CaricaAzioni()
{
    azioniNonFormative_->Carica();
}

void Sezione3Form::TabStrip1_Click()
{
    moduli_->TabStrip_Click();
}

void Sezione3Form::TabStrip2_Click()
{
    delega_->TabStrip2_Click();
}

void Sezione3Form::TabStrip3_Click()
{
    azioniNonFormative_->TabStrip_Click();
}

// --- Totals ------------------------------------------------------------------------

void Sezione3Form::Text1_Change(int Index)
{
    switch (Index) {
    case 35:
    case 36:
        FaiTotaleOre();
        FaiTotalePratica();
        break;
    case 37:
    case 38:
    case 39:
    case 40:
        FaiTotalePratica();
        break;
    case 43:
    case 44:
        FaiTotaleAllievi();
        break;
    case 50:
    case 51:
    case 52:
    case 53:
    case 54:
        FaiTotaleOreComplessivo();
        break;
    default:
        break;
    }
}

qint64 Sezione3Form::Operando(int Index) const
{
    QWidget *casella = Text1[Index];
    return casella ? InteroMemorizzabile(FieldBinding::BoxText(casella)) : 0;
}

void Sezione3Form::FaiTotaleOre()
{
    Text2->setText(TotaliPrevisti::Testo(TotaliPrevisti::OreTotali(Operando(35), Operando(36))));
}

void Sezione3Form::FaiTotaleAllievi()
{
    Text4->setText(TotaliPrevisti::Testo(TotaliPrevisti::Allievi(Operando(43), Operando(44))));
}

void Sezione3Form::FaiTotalePratica()
{
    const TotaliPrevisti::Totale perTipo =
        TotaliPrevisti::PraticaPerTipo(Operando(37), Operando(38), Operando(39), Operando(40));
    Text3->setText(TotaliPrevisti::Testo(perTipo));
    Label2->setVisible(TotaliPrevisti::PraticaNonCorretta(perTipo, Operando(35)));
}

void Sezione3Form::FaiTotaleOreComplessivo()
{
    // Not yet while the module page is being built.
    if (!Text6 || !Text10)
        return;
    Text6->setText(TotaliPrevisti::Testo(
        TotaliPrevisti::DurataModulo(Operando(50), Operando(51), Operando(52), Operando(53), Operando(54))));
    Text10->setText(
        TotaliPrevisti::Testo(TotaliPrevisti::PraticaModulo(Operando(51), Operando(52), Operando(53), Operando(54))));
}
