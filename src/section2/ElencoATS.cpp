#include "ElencoATS.h"

#include "AggiungiMembro.h"
#include "ElencaMembri.h"
#include "TrovaMembro.h"

#include "ErrorGuard.h"
#include "Globali.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "RigaCampi.h"
#include "Sezione2Form.h"
#include "TextBox.h"
#include "Twips.h"
#include "UscitaFuoco.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

const QString NonEsiste = QStringLiteral("L'Azienda non esiste!");
const int NuovoNome = 136;

// The eighteen detail boxes, in the order they are stored: the legal seat,
// the seat in the region, the legal representative.
const FieldBinding::BoxDef Dettagli[] = {
    {135, "SedeLegale", FieldBinding::Text, 120},
    {122, "Cap1", FieldBinding::Text, 5},
    {121, "Citta1", FieldBinding::Text, 120},
    {120, "Prov1", FieldBinding::Text, 4},
    {119, "Telefono1", FieldBinding::Text, 20},
    {118, "Fax1", FieldBinding::Text, 20},
    {134, "SedeRegione", FieldBinding::Text, 120},
    {133, "Cap2", FieldBinding::Text, 5},
    {132, "Citta2", FieldBinding::Text, 120},
    {131, "Prov2", FieldBinding::Text, 4},
    {130, "Telefono2", FieldBinding::Text, 20},
    {129, "Fax2", FieldBinding::Text, 20},
    {128, "LegaleRappresentante", FieldBinding::Text, 120},
    {127, "natoa", FieldBinding::Text, 120},
    {126, "DNascitaLR", FieldBinding::Date, 0, false, Qt::AlignCenter},
    {125, "Residente", FieldBinding::Text, 120},
    {124, "CF1", FieldBinding::Text, 16},
    {123, "Estremi", FieldBinding::Text, 120},
};

}  // namespace

ElencoATS::ElencoATS(Sezione2Form &form, QFrame *pagina0)
    : QObject(nullptr), form_(form), pagina_(pagina0), uscita_(new UscitaFuoco(this))
{
    CreaControlli();
    connect(List1, &ListBox::Click, this, [this] { Guarded([this] { List1_Click(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { Guarded([this] { Command4_Click(); }); });
    connect(Command5, &QPushButton::clicked, this, [this] { Guarded([this] { Command5_Click(); }); });
    connect(uscita_, &UscitaFuoco::Uscita, this, [this](QWidget *casella) {
        const int index = Text1.IndexOf(casella);
        Guarded([this, index] { Text1_Validate(index); });
    });
    Frame14->hide();
    AggiornaAbilitazione();
}

void ElencoATS::CreaControlli()
{
    Frame14 = new QGroupBox("2.1/A  Estremi degli Organismi appartenenti all'ATS.", pagina_);
    Frame14->setObjectName("Frame14");
    Frame14->setGeometry(Sezione2Form::RettangoloFrame14());

    auto *colonna = new QVBoxLayout(Frame14);
    colonna->setContentsMargins(6, 4, 6, 4);
    colonna->setSpacing(3);

    // The member list between its label and the two buttons, with the new
    // name's box in its place while adding. The frame is only as tall as the
    // proposer's address frame it replaces, so the list is as tall as the two
    // buttons and its label stands beside it, wrapping its longer caption.
    auto *elenco = new QGridLayout;
    elenco->setSpacing(3);
    QLabel *titolo = Label1.Create(211, Frame14, "Denominazioni");
    titolo->setWordWrap(true);
    titolo->setFixedWidth(Twips(1500));
    titolo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    elenco->addWidget(titolo, 0, 0, 2, 1);
    Command4 = new QPushButton("Aggiungi Organismo", Frame14);
    Command4->setObjectName("Command4");
    Command5 = new QPushButton("Elimina Organismo", Frame14);
    Command5->setObjectName("Command5");
    elenco->addWidget(Command4, 0, 2);
    elenco->addWidget(Command5, 1, 2);
    List1 = new ListBox(Frame14);
    List1->setObjectName("List1");
    List1->setFixedHeight(2 * Command4->sizeHint().height() + elenco->verticalSpacing());
    elenco->addWidget(List1, 0, 1, 2, 1);
    auto *nome = new TextBox(Frame14);
    Text1.Add(NuovoNome, nome);
    nome->SetLimit(120);
    nome->hide();
    elenco->addWidget(nome, 0, 1, Qt::AlignTop);
    elenco->setColumnStretch(1, 1);
    colonna->addLayout(elenco);

    dettagli_.NewBoxes(Dettagli, Frame14, Text1);
    for (const FieldBinding::BoxDef &dettaglio : Dettagli)
        uscita_->Sorveglia(Text1[dettaglio.index]);
    struct Voce
    {
        int index;
        QString etichetta;
        int fattore;
    };
    const QList<QList<Voce>> righe = {
        {{135, "Sede Legale", 5},
         {122, "C.A.P.", 1},
         {121, "Città", 3},
         {120, "Provincia", 1},
         {119, "Telefono", 2},
         {118, "FAX", 2}},
        {{134, Sezione2Form::EtichettaSedeRegione(), 5},
         {133, "C.A.P.", 1},
         {132, "Città", 3},
         {131, "Provincia", 1},
         {130, "Telefono", 2},
         {129, "FAX", 2}},
        {{128, "Legale Rappresentante", 4},
         {127, "Nato a...", 3},
         {126, "Data di Nascita", 2},
         {125, "Residente a...", 3}},
        {{124, "Codice Fiscale", 2}, {123, "Estremi Delibera di Nomina del Legale Rappresentante in carica", 5}},
    };
    for (const QList<Voce> &riga : righe) {
        auto *fila = new RigaCampi;
        for (const Voce &voce : riga)
            fila->Aggiungi(voce.etichetta, Text1[voce.index], voce.fattore);
        colonna->addLayout(fila);
    }
    colonna->addStretch(1);
    uscita_->Sorveglia(nome);
}

void ElencoATS::AggiornaAbilitazione()
{
    dettagli_.Enable(List1->ListIndex() >= 0);
}

void ElencoATS::ElencaATS()
{
    Text1[NuovoNome]->hide();
    List1->show();
    List1->Clear();
    mostrato_ = 0;
    ElencaMembri(List1, "ATS", "Progressivo");
    AggiornaAbilitazione();
}

Recordset *ElencoATS::MembroScelto()
{
    const int scelto = List1->ListIndex();
    if (scelto < 0)
        return nullptr;
    return TrovaMembro(form_.DynATS.get(), "Progressivo = ?", List1->ItemData(scelto), NonEsiste);
}

void ElencoATS::RegistraATs()
{
    const int scelto = List1->ListIndex();
    if (scelto >= 0)
        RegistraMembro(List1->ItemData(scelto));
}

void ElencoATS::RegistraMembro(qint64 chiave)
{
    Recordset *ats = TrovaMembro(form_.DynATS.get(), "Progressivo = ?", chiave, NonEsiste);
    if (!ats)
        return;
    ats->Edit();
    dettagli_.Store(*ats);
    ats->Update();
}

void ElencoATS::RiempeATS()
{
    dettagli_.Fill(*form_.DynATS);
}

void ElencoATS::SvuotaAts()
{
    dettagli_.Clear();
}

void ElencoATS::Check4_Click(bool checked)
{
    QWidget *indirizzo = form_.Frame3[0];
    if (checked) {
        indirizzo->hide();
        Frame14->show();
        dettagli_.Enable(false);
        Guarded([this] { ElencaATS(); });
    } else {
        Frame14->hide();
        indirizzo->show();
    }
    form_.Check4->raise();
}

void ElencoATS::Command4_Click()
{
    List1->hide();
    QApplication::processEvents();
    Label1[211]->setText("Denominazione nuova Azienda ATS");
    auto *nome = static_cast<TextBox *>(Text1[NuovoNome]);
    nome->clear();
    nome->show();
    aggiungendo_ = true;
    nome->setFocus(Qt::OtherFocusReason);
}

void ElencoATS::Command5_Click()
{
    SvuotaAts();
    Recordset *ats = MembroScelto();
    if (!ats)
        return;
    ats->Delete();
    ElencaATS();
}

void ElencoATS::List1_Click()
{
    // Details that could not be stored stay on screen, under their member.
    if (form_.HoldsUnsaved("ats") && mostrato_ != 0
        && !Memorizza(form_, [this] { RegistraMembro(mostrato_); }, {"ats"})) {
        List1->Reselect(List1->FindData(mostrato_));
        return;
    }
    AggiornaAbilitazione();
    mostrato_ = 0;
    Riempi(form_, {"ats"}, [this] {
        if (MembroScelto()) {
            RiempeATS();
            mostrato_ = List1->ItemData(List1->ListIndex());
        }
    });
}

void ElencoATS::Text1_Validate(int index)
{
    if (validando_)
        return;  // hiding the focused box while handling a leave moves the focus again
    validando_ = true;
    const auto fine = qScopeGuard([this] { validando_ = false; });
    if (index != NuovoNome) {
        if (index >= 118 && index <= 135)
            Memorizza(form_, [this] { RegistraATs(); }, {"ats"});
        return;
    }
    if (!aggiungendo_)
        return;
    aggiungendo_ = false;
    const QString nome = static_cast<TextBox *>(Text1[NuovoNome])->text();
    bool aggiunto = false;
    if (!Memorizza(form_, [&] { aggiunto = AggiungiMembro(form_.DynATS.get(), nome); }, {})) {
        aggiungendo_ = true;  // the name stays, to be added at the next leave
        return;
    }
    ElencaATS();
    if (!aggiunto)
        return;
    QApplication::processEvents();
    List1->SetListIndex(CercaListaEsatta(List1, nome));
}
