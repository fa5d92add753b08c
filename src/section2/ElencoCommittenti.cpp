#include "ElencoCommittenti.h"

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
#include "TabbedPages.h"
#include "TabellaCaselle.h"
#include "TextBox.h"
#include "Twips.h"
#include "UscitaFuoco.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
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

const int NuovoNome = 0;
const int Relazione = 43;

}  // namespace

ElencoCommittenti::ElencoCommittenti(Sezione2Form &form, QFrame *pagina4)
    : QObject(nullptr), form_(form), pagina_(pagina4), uscita_(new UscitaFuoco(this))
{
    CreaControlli();
    CreaSchede();
    connect(List3, &ListBox::Click, this, [this] { Guarded([this] { List3_Click(); }); });
    connect(Command8, &QPushButton::clicked, this, [this] { Guarded([this] { Command8_Click(); }); });
    connect(Command3, &QPushButton::clicked, this, [this] { Guarded([this] { Command3_Click(); }); });
    connect(uscita_, &UscitaFuoco::Uscita, this, [this](QWidget *casella) {
        const int index = Text4.IndexOf(casella);
        Guarded([this, index] { Text4_Validate(index); });
    });
    AggiornaAnni(QString());
    AggiornaAbilitazione();
}

void ElencoCommittenti::CreaControlli()
{
    campi_.NewBoxes(Voci, pagina_, Text4);

    auto *cornice = new QGroupBox("2.6/A  Dati dell'azienda committente", pagina_);
    cornice->setGeometry(Twips(90), Twips(90), Twips(9115), Twips(2330));
    auto *griglia = new QGridLayout(cornice);
    griglia->setContentsMargins(6, 4, 6, 6);
    griglia->setSpacing(4);

    // The list, with the new company's name box in its place while adding.
    griglia->addWidget(Label1.Create(116, cornice, "Denominazioni"), 0, 0);
    List3 = new ListBox(cornice);
    List3->setObjectName("List3");
    griglia->addWidget(List3, 1, 0, 3, 1);
    auto *nome = new TextBox(cornice);
    nome->SetLimit(120);
    nome->hide();
    Text4.Add(NuovoNome, nome);
    uscita_->Sorveglia(nome);
    griglia->addWidget(nome, 1, 0, Qt::AlignTop);
    auto *bottoni = new QHBoxLayout;
    Command8 = new QPushButton("Aggiungi Azienda", cornice);
    Command8->setObjectName("Command8");
    Command3 = new QPushButton("Elimina Azienda", cornice);
    Command3->setObjectName("Command3");
    bottoni->addWidget(Command8);
    bottoni->addWidget(Command3);
    griglia->addLayout(bottoni, 4, 0);

    auto *intestazione = new RigaCampi;
    intestazione->Aggiungi("Settore appartenenza", Text4[1], 4);
    intestazione->Aggiungi("Anno costituzione", Text4[2], 1);
    intestazione->Aggiungi("Numero CCIAA", Text4[3], 3);
    griglia->addLayout(intestazione, 0, 1, 2, 1, Qt::AlignTop);
    auto *descrizione = new RigaCampi;
    descrizione->Aggiungi("Descrizione attività aziendale", Text4[4]);
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

void ElencoCommittenti::AggiornaAbilitazione()
{
    const bool scelta = List3->ListIndex() >= 0;
    for (int i = 1; i <= 4; ++i)
        Text4[i]->setEnabled(scelta);
    SSTab1->setEnabled(scelta);
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
    Text4[NuovoNome]->hide();
    List3->show();
    List3->Clear();
    mostrata_ = 0;
    ElencaMembri(List3, "Committenti", "IDAzienda");
    AggiornaAbilitazione();
}

Recordset *ElencoCommittenti::Azienda(qint64 chiave)
{
    return TrovaMembro(form_.DynCommittenti.get(), "IDAzienda = ?", chiave, NonEsiste);
}

void ElencoCommittenti::RegistraAzienda(qint64 chiave)
{
    Recordset *azienda = Azienda(chiave);
    if (!azienda)
        return;
    azienda->Edit();
    campi_.Store(*azienda);
    azienda->SetField("OccRealCoerente", Option2.Selected() == 0);
    azienda->Update();
}

void ElencoCommittenti::RegistraCommittenti()
{
    const int scelta = List3->ListIndex();
    AggiornaAbilitazione();
    if (scelta < 0)
        return;
    RegistraAzienda(List3->ItemData(scelta));
}

void ElencoCommittenti::RiempeCommittenti()
{
    const Recordset &aziende = *form_.DynCommittenti;
    campi_.Fill(aziende);
    Option2.Select(aziende.Field("OccRealCoerente").toBool() ? 0 : 1);
}

void ElencoCommittenti::Command8_Click()
{
    // The add ends by choosing the new company: what was typed for the one
    // shown goes to it first, as any other choice of company does; when
    // that fails, there is no add.
    if (mostrata_ != 0 && !Memorizza(form_, [this] { RegistraAzienda(mostrata_); }, {"committenti"}))
        return;
    List3->hide();
    QApplication::processEvents();
    Label1[116]->setText("Denominazione nuova Azienda Committente");
    auto *nome = qobject_cast<TextBox *>(Text4[NuovoNome]);
    nome->clear();
    nome->show();
    aggiungendo_ = true;
    nome->setFocus(Qt::OtherFocusReason);
}

void ElencoCommittenti::Command3_Click()
{
    const int scelta = List3->ListIndex();
    if (scelta < 0)
        return;
    Recordset *azienda = Azienda(List3->ItemData(scelta));
    if (!azienda)
        return;
    azienda->Delete();
    ElencaCommittenti();
}

void ElencoCommittenti::List3_Click()
{
    const int scelta = List3->ListIndex();
    if (scelta < 0 || !form_.DynCommittenti)
        return;
    const qint64 chiave = List3->ItemData(scelta);
    // What was typed for the company shown so far goes to that company
    // first; when it cannot be stored it stays on screen under that company.
    if (mostrata_ != 0 && !Memorizza(form_, [this] { RegistraAzienda(mostrata_); }, {"committenti"})) {
        List3->Reselect(List3->FindData(mostrata_));
        return;
    }
    mostrata_ = 0;
    Riempi(form_, {"committenti"}, [this, chiave] {
        if (!Azienda(chiave))
            return;
        RiempeCommittenti();
        mostrata_ = chiave;
    });
    AggiornaAbilitazione();
}

void ElencoCommittenti::Text4_Validate(int index)
{
    if (index != NuovoNome || !aggiungendo_ || validando_)
        return;
    validando_ = true;
    const auto fine = qScopeGuard([this] { validando_ = false; });
    aggiungendo_ = false;
    const QString nome = qobject_cast<TextBox *>(Text4[NuovoNome])->text();
    bool aggiunta = false;
    if (!Memorizza(form_, [&] { aggiunta = AggiungiMembro(form_.DynCommittenti.get(), nome); }, {})) {
        aggiungendo_ = true;  // the name stays, to be added at the next leave
        return;
    }
    ElencaCommittenti();
    if (!aggiunta)
        return;
    QApplication::processEvents();
    List3->SetListIndex(CercaListaEsatta(List3, nome));
}
