#include "ElencoATS.h"

#include "ElencoMembri.h"
#include "ErrorGuard.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "Recordset.h"
#include "Sezione2Form.h"
#include "TabellaCaselle.h"
#include "TextBox.h"
#include "Twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString NonEsiste = QStringLiteral("L'Azienda non esiste!");

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

ElencoATS::ElencoATS(Sezione2Form &form, QFrame *pagina0) : QObject(nullptr), form_(form), pagina_(pagina0)
{
    CreaControlli();
    Frame14->hide();
    membri_->AggiornaAbilitazione();
}

ElencoATS::~ElencoATS() = default;

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
    ElencoMembri::Modo modo;
    modo.lista = "List1";
    modo.nome = ControlArray<QWidget>::ObjectName(Text1.Name(), 136);
    modo.limiteNome = 120;
    modo.aggiungi = "Command4";
    modo.testoAggiungi = "Aggiungi Organismo";
    modo.elimina = "Command5";
    modo.testoElimina = "Elimina Organismo";
    modo.didascalia = titolo;
    modo.testoDidascalia = "Denominazione nuova Azienda ATS";
    modo.tabella = "ATS";
    modo.chiave = "Progressivo";
    modo.parte = "ats";
    modo.righe = &form_.DynATS;
    modo.nonEsiste = NonEsiste;
    modo.registraOgniCasella = true;
    modo.registra = [this](qint64 chiave) { RegistraMembro(chiave); };
    modo.riempi = [this] { RiempeATS(); };
    // The detail boxes can be typed into exactly while a member is selected.
    modo.abilita = [this](bool scelto) { dettagli_.Enable(scelto); };
    // Delete empties the detail boxes, also when nothing is selected.
    modo.primaDiEliminare = [this] { SvuotaAts(); };
    modo.lasciata = [this](QWidget *) { Memorizza(form_, [this] { RegistraATs(); }, {"ats"}); };
    membri_ = std::make_unique<ElencoMembri>(form_, Frame14, modo);
    elenco->addWidget(membri_->BottoneAggiungi(), 0, 2);
    elenco->addWidget(membri_->BottoneElimina(), 1, 2);
    ListBox *lista = membri_->Lista();
    lista->setFixedHeight(2 * membri_->BottoneAggiungi()->sizeHint().height() + elenco->verticalSpacing());
    elenco->addWidget(lista, 0, 1, 2, 1);
    elenco->addWidget(membri_->Nome(), 0, 1, Qt::AlignTop);
    elenco->setColumnStretch(1, 1);
    colonna->addLayout(elenco);

    dettagli_.NewBoxes(Dettagli, Frame14, Text1);
    for (const FieldBinding::BoxDef &dettaglio : Dettagli)
        membri_->Sorveglia(Text1[dettaglio.index]);
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
        QHBoxLayout *fila = TabellaCaselle::Fila();
        for (const Voce &voce : riga)
            TabellaCaselle::Sotto(fila, voce.etichetta, Text1[voce.index], voce.fattore);
        colonna->addLayout(fila);
    }
    colonna->addStretch(1);
}

void ElencoATS::ElencaATS()
{
    membri_->Elenca();
}

void ElencoATS::RegistraATs()
{
    const int scelto = membri_->Lista()->ListIndex();
    if (scelto >= 0)
        RegistraMembro(membri_->Lista()->ItemData(scelto));
}

void ElencoATS::RegistraMembro(qint64 chiave)
{
    Recordset *ats = membri_->Trova(chiave, NonEsiste);
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
