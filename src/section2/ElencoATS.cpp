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
    TextBox *nome = Text1.Create(NuovoNome, Frame14);
    nome->SetLimit(120);
    nome->hide();
    elenco->addWidget(nome, 0, 1, Qt::AlignTop);
    elenco->setColumnStretch(1, 1);
    colonna->addLayout(elenco);

    const auto casella = [this](int index, int lunghezza) {
        TextBox *box = Text1.Create(index, Frame14);
        box->SetLimit(lunghezza);
        uscita_->Sorveglia(box);
        return box;
    };
    struct Voce
    {
        int index;
        const char *campo;
        QString etichetta;
        int lunghezza;
        int fattore;
        FieldBinding::Kind tipo;
    };
    const QList<QList<Voce>> righe = {
        {{135, "SedeLegale", "Sede Legale", 120, 5, FieldBinding::Text},
         {122, "Cap1", "C.A.P.", 5, 1, FieldBinding::Text},
         {121, "Citta1", "Città", 120, 3, FieldBinding::Text},
         {120, "Prov1", "Provincia", 4, 1, FieldBinding::Text},
         {119, "Telefono1", "Telefono", 20, 2, FieldBinding::Text},
         {118, "Fax1", "FAX", 20, 2, FieldBinding::Text}},
        {{134, "SedeRegione", Sezione2Form::EtichettaSedeRegione(), 120, 5, FieldBinding::Text},
         {133, "Cap2", "C.A.P.", 5, 1, FieldBinding::Text},
         {132, "Citta2", "Città", 120, 3, FieldBinding::Text},
         {131, "Prov2", "Provincia", 4, 1, FieldBinding::Text},
         {130, "Telefono2", "Telefono", 20, 2, FieldBinding::Text},
         {129, "Fax2", "FAX", 20, 2, FieldBinding::Text}},
        {{128, "LegaleRappresentante", "Legale Rappresentante", 120, 4, FieldBinding::Text},
         {127, "natoa", "Nato a...", 120, 3, FieldBinding::Text},
         {126, "DNascitaLR", "Data di Nascita", 0, 2, FieldBinding::Date},
         {125, "Residente", "Residente a...", 120, 3, FieldBinding::Text}},
        {{124, "CF1", "Codice Fiscale", 16, 2, FieldBinding::Text},
         {123, "Estremi", "Estremi Delibera di Nomina del Legale Rappresentante in carica", 120, 5,
          FieldBinding::Text}},
    };
    for (const QList<Voce> &riga : righe) {
        auto *fila = new RigaCampi;
        for (const Voce &voce : riga) {
            TextBox *box = casella(voce.index, voce.lunghezza);
            if (voce.tipo == FieldBinding::Date)
                box->setAlignment(Qt::AlignCenter);
            fila->Aggiungi(voce.etichetta, box, voce.fattore);
            dettagli_.Box(box, voce.campo, voce.tipo);
        }
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
    TextBox *nome = Text1[NuovoNome];
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
    const QString nome = Text1[NuovoNome]->text();
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
