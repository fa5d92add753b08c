#include "ElencoCommittenti.h"

#include "ElencoMembri.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "Recordset.h"
#include "Sezione2Form.h"
#include "TabbedPages.h"
#include "TabellaCaselle.h"
#include "TextBox.h"
#include "Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString NonEsiste = QStringLiteral("L'Azienda Committente non esiste!");

constexpr auto T = FieldBinding::Text;
constexpr auto N = FieldBinding::Number;
constexpr Qt::Alignment Dx = Qt::AlignRight;

// The company's boxes Text4(1) to Text4(43), in the order the page is stored;
// the figures stand to the right.
const FieldBinding::BoxDef Voci[] = {
    {1, "SettoreAp", T, 120},
    {2, "AnnoCostituzione", N, 10},
    {3, "IscCCIAA", T, 120},
    {4, "DescrizioneAttivitasvolte", T, 0},
    {5, "VFA1", N, 0, false, Dx},
    {6, "VFA2", N, 0, false, Dx},
    {7, "VFA3", N, 0, false, Dx},
    {8, "FPA1", N, 0, false, Dx},
    {9, "FPA2", N, 0, false, Dx},
    {10, "FPA3", N, 0, false, Dx},
    {11, "DirA1", N, 10, false, Dx},
    {12, "DirA2", N, 10, false, Dx},
    {13, "DirA3", N, 10, false, Dx},
    {14, "QuaA1", N, 10, false, Dx},
    {15, "QuaA2", N, 10, false, Dx},
    {16, "QuaA3", N, 10, false, Dx},
    {17, "ImpA1", N, 10, false, Dx},
    {18, "ImpA2", N, 10, false, Dx},
    {19, "ImpA3", N, 10, false, Dx},
    {20, "TecA1", N, 10, false, Dx},
    {21, "TecA2", N, 10, false, Dx},
    {22, "TecA3", N, 10, false, Dx},
    {23, "OpeA1", N, 10, false, Dx},
    {24, "OpeA2", N, 10, false, Dx},
    {25, "OpeA3", N, 10, false, Dx},
    {26, "FLScadNum", N, 10, false, Dx},
    {27, "FLScadQual", T, 120},
    {28, "FLTrasNum", N, 10, false, Dx},
    {29, "FLTrasQual", T, 120},
    {30, "FLAutoNum", N, 10, false, Dx},
    {31, "FLAutoQual", T, 120},
    {32, "LavMobilitaNum", N, 10, false, Dx},
    {33, "LavContrattoNum", N, 10, false, Dx},
    {34, "LavCIGNum", N, 10, false, Dx},
    {35, "IscrittiInizioA1", N, 20, false, Dx},
    {36, "IscrittiInizioA2", N, 20, false, Dx},
    {37, "IscrittiInizioA3", N, 20, false, Dx},
    {38, "IscrittiFineA1", N, 20, false, Dx},
    {39, "IscrittiFineA2", N, 20, false, Dx},
    {40, "IscrittiFineA3", N, 20, false, Dx},
    {41, "OccRealFormazione", N, 20, false, Dx},
    {42, "OccMantenuta", N, 20, false, Dx},
    {43, "RelazioneSintetica", T, 0, true},
};

const int Relazione = 43;

}  // namespace

ElencoCommittenti::ElencoCommittenti(Sezione2Form &form, QFrame *pagina4)
    : QObject(nullptr), form_(form), pagina_(pagina4)
{
    CreaControlli();
    CreaSchede();
    AggiornaAnni(QString());
    membri_->AggiornaAbilitazione();
}

ElencoCommittenti::~ElencoCommittenti() = default;

void ElencoCommittenti::CreaControlli()
{
    campi_.NewBoxes(Voci, pagina_, Text4);

    auto *cornice = new QGroupBox("2.6/A  Dati dell'azienda committente", pagina_);
    cornice->setGeometry(Twips(90), Twips(90), Twips(9115), Twips(2330));
    auto *griglia = new QGridLayout(cornice);
    griglia->setContentsMargins(6, 4, 6, 6);
    griglia->setSpacing(4);

    // The list, with the new company's name box in its place while adding.
    QLabel *titolo = Label1.Create(116, cornice, "Denominazioni");
    griglia->addWidget(titolo, 0, 0);
    ElencoMembri::Modo modo;
    modo.lista = "List3";
    modo.nome = ControlArray<QWidget>::ObjectName(Text4.Name(), 0);
    modo.limiteNome = 120;
    modo.aggiungi = "Command8";
    modo.testoAggiungi = "Aggiungi Azienda";
    modo.elimina = "Command3";
    modo.testoElimina = "Elimina Azienda";
    modo.didascalia = titolo;
    modo.testoDidascalia = "Denominazione nuova Azienda Committente";
    modo.tabella = "Committenti";
    modo.chiave = "IDAzienda";
    modo.parte = "committenti";
    modo.righe = &form_.DynCommittenti;
    modo.nonEsiste = NonEsiste;
    modo.registra = [this](qint64 chiave) { RegistraAzienda(chiave); };
    modo.riempi = [this] { RiempeCommittenti(); };
    // The company's boxes and tabs can be used exactly while one is selected.
    modo.abilita = [this](bool scelta) {
        for (int i = 1; i <= 4; ++i)
            Text4[i]->setEnabled(scelta);
        SSTab1->setEnabled(scelta);
    };
    // The add ends by choosing the new company: what was typed for the one
    // shown goes to it first, as any other choice of company does; when
    // that fails, there is no add.
    modo.primaDiAggiungere = [this] { return membri_->RegistraMostrato(); };
    membri_ = std::make_unique<ElencoMembri>(form_, cornice, modo);
    griglia->addWidget(membri_->Lista(), 1, 0, 3, 1);
    griglia->addWidget(membri_->Nome(), 1, 0, Qt::AlignTop);
    auto *bottoni = new QHBoxLayout;
    bottoni->addWidget(membri_->BottoneAggiungi());
    bottoni->addWidget(membri_->BottoneElimina());
    griglia->addLayout(bottoni, 4, 0);

    QHBoxLayout *intestazione = TabellaCaselle::Fila();
    TabellaCaselle::Sotto(intestazione, "Settore appartenenza", Text4[1], 4);
    TabellaCaselle::Sotto(intestazione, "Anno costituzione", Text4[2], 1);
    TabellaCaselle::Sotto(intestazione, "Numero CCIAA", Text4[3], 3);
    griglia->addLayout(intestazione, 0, 1, 2, 1, Qt::AlignTop);
    QHBoxLayout *descrizione = TabellaCaselle::Fila();
    TabellaCaselle::Sotto(descrizione, "Descrizione attività aziendale", Text4[4]);
    griglia->addLayout(descrizione, 2, 1, 2, 1, Qt::AlignTop);
    griglia->setColumnStretch(0, 2);
    griglia->setColumnStretch(1, 3);
}

void ElencoCommittenti::CreaSchede()
{
    SSTab1 = new TabbedPages(pagina_);
    SSTab1->setObjectName("SSTab1");
    SSTab1->setGeometry(Twips(90), Twips(2510), Twips(9115), Twips(4320));
    const auto cornice = [](QWidget *scheda, const QString &titolo) {
        auto *frame = new QGroupBox(titolo, scheda);
        auto *colonna = qobject_cast<QBoxLayout *>(scheda->layout());
        colonna->addWidget(frame);
        return frame;
    };
    const auto scheda = [this](const QString &titolo, QBoxLayout *layout) {
        QWidget *pagina = SSTab1->AddPage(titolo);
        pagina->setLayout(layout);
        layout->setContentsMargins(6, 6, 6, 6);
        return pagina;
    };
    const auto anno = [this](int index) { return Label1.Create(index, nullptr, QString()); };

    // Economic data by history year.
    QWidget *economici = scheda("Dati Economici Finanziari", new QVBoxLayout);
    TabellaCaselle fatturato(cornice(economici, "Dati economici-finanziari"));
    fatturato.Intestazione(0, "Volume fatturato");
    fatturato.Intestazione(1, "Finanziamenti pubblici");
    for (int i = 0; i < 3; ++i)
        fatturato.Riga(anno(126 + i), {Text4[5 + i], Text4[8 + i]});
    qobject_cast<QBoxLayout *>(economici->layout())->addStretch(1);

    // Staff by category and year, and the workers in special schemes.
    QWidget *organico = scheda("Organico", new QHBoxLayout);
    TabellaCaselle categorie(cornice(organico, "Organico"));
    for (int i = 0; i < 3; ++i)
        categorie.Intestazione(i, anno(123 + i));
    const char *nomi[] = {"Dirigenti", "Quadri", "Impiegati", "Tecnici", "Operai"};
    for (int c = 0; c < 5; ++c)
        categorie.Riga(nomi[c], {Text4[11 + 3 * c], Text4[12 + 3 * c], Text4[13 + 3 * c]});
    TabellaCaselle lavoratori(cornice(organico, QString()));
    lavoratori.Intestazione(0, "N.Persone");
    lavoratori.Riga("Lavoratori in liste di mobilità", {Text4[32]});
    lavoratori.Riga("Lavoratori con contratto di solidarietà", {Text4[33]});
    lavoratori.Riga("Lavoratori in CIG o CIGS", {Text4[34]});
    lavoratori.Griglia()->setRowStretch(4, 1);
    categorie.Griglia()->setRowStretch(6, 1);

    // Work-training contracts of the previous year.
    QWidget *contratti = scheda("C.F.L. anno Precedente", new QVBoxLayout);
    TabellaCaselle cfl(cornice(contratti, "Contratti di formazione e lavoro (anno precedente)"));
    cfl.Intestazione(0, "N.Persone");
    cfl.Intestazione(1, "Qualifica");
    cfl.Riga("Risolti o scaduti", {Text4[26], Text4[27]});
    cfl.Riga("Trasformati a tempo indeterminato", {Text4[28], Text4[29]});
    cfl.Riga("Autorizzati", {Text4[30], Text4[31]});
    cfl.Griglia()->setColumnStretch(2, 1);
    qobject_cast<QBoxLayout *>(contratti->layout())->addStretch(1);

    // Results of the previous three years.
    QWidget *triennio = scheda("Triennio Precedente", new QVBoxLayout);
    QGroupBox *risultati = cornice(triennio, "Risultati conseguiti nel triennio precedente");
    TabellaCaselle iscritti(risultati);
    iscritti.Intestazione(0, "Iscritti inizio attività");
    iscritti.Intestazione(1, "Idonei al termine attività");
    for (int i = 0; i < 3; ++i)
        iscritti.Riga(anno(129 + i), {Text4[35 + i], Text4[38 + i]});
    // Each employment figure beside the label that names it.
    iscritti.Riga("Occupazione realizzata a seguito dell'att.formativa", {Text4[41]});
    iscritti.Riga("Occupazione mantenuta (formazione sul lavoro)", {Text4[42]});
    auto *domanda = new QHBoxLayout;
    domanda->setSpacing(12);
    domanda->addWidget(new QLabel("L'occupazione realizzata è stata coerente con l'att.formativa svolta ?", risultati));
    domanda->addWidget(Option2.Create(0, "SI", risultati));
    domanda->addWidget(Option2.Create(1, "NO", risultati));
    domanda->addStretch(1);
    iscritti.Griglia()->addLayout(domanda, 6, 0, 1, 3);
    iscritti.Griglia()->setRowStretch(7, 1);

    // The short report.
    QWidget *relazione = scheda("Relazione Sintetica", new QVBoxLayout);
    auto *sintetica = new QVBoxLayout(cornice(relazione, "Relazione sintetica"));
    sintetica->setContentsMargins(6, 4, 6, 6);
    sintetica->addWidget(Text4[Relazione]);
}

void ElencoCommittenti::AggiornaAnni(const QString &primoAnno)
{
    const QStringList anni = Sezione2Form::TreAnni(primoAnno);
    for (int i = 0; i < 3; ++i) {
        Label1[126 + i]->setText(anni[i]);
        Label1[123 + i]->setText(anni[i]);
        Label1[129 + i]->setText(anni[i]);
    }
}

void ElencoCommittenti::ElencaCommittenti()
{
    membri_->Elenca();
}

void ElencoCommittenti::RegistraAzienda(qint64 chiave)
{
    Recordset *azienda = membri_->Trova(chiave, NonEsiste);
    if (!azienda)
        return;
    azienda->Edit();
    campi_.Store(*azienda);
    azienda->SetField("OccRealCoerente", Option2.Selected() == 0);
    azienda->Update();
}

void ElencoCommittenti::RegistraCommittenti()
{
    const int scelta = membri_->Lista()->ListIndex();
    membri_->AggiornaAbilitazione();
    if (scelta < 0)
        return;
    RegistraAzienda(membri_->Lista()->ItemData(scelta));
}

void ElencoCommittenti::RiempeCommittenti()
{
    const Recordset &aziende = *form_.DynCommittenti;
    campi_.Fill(aziende);
    Option2.Select(aziende.Field("OccRealCoerente").toBool() ? 0 : 1);
}
