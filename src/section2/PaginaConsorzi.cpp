#include "PaginaConsorzi.h"

#include "ElencoMembri.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "PageFrames.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "Sezione2Form.h"
#include "TabOrder.h"
#include "TabbedPages.h"
#include "TabellaCaselle.h"
#include "TextBox.h"
#include "Twips.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Nessuno = QStringLiteral("Nessuno");
const QString NonEsiste = QStringLiteral("L'Azienda non esiste!");
const int NuovoNome = 137;
const int Denominazione = 44;
const int NomeConsorzio = 45;

constexpr auto T = FieldBinding::Text;
constexpr auto N = FieldBinding::Number;
constexpr auto D = FieldBinding::Date;
constexpr Qt::Alignment Dx = Qt::AlignRight;
constexpr Qt::Alignment Centro = Qt::AlignCenter;

// The record's boxes Text4(44) to Text4(114), in the order the page is
// stored; the figures stand to the right. The consortium's name is stored
// and shown apart, since emptying the page keeps it.
const FieldBinding::BoxDef Voci[] = {
    {44, "Denominazione", T, 120},
    {45, nullptr, T, 120},
    {46, "SedeLegale", T, 120},
    {47, "Cap1", T, 10},
    {48, "Citta1", T, 120},
    {49, "Prov1", T, 4},
    {50, "Telefono1", T, 20},
    {51, "Fax1", T, 20},
    {52, "SedeRegione", T, 120},
    {53, "Cap2", T, 10},
    {54, "Citta2", T, 120},
    {55, "Prov2", T, 4},
    {56, "Telefono2", T, 20},
    {57, "Fax2", T, 20},
    {58, "LegaleRappresentante", T, 120},
    {59, "natoa", T, 120},
    {60, "DNascitaLR", D, 0, false, Centro},
    {61, "Residente", T, 120},
    {62, "CF1", T, 16},
    {63, "Estremi", T, 120},
    {64, "Banca", T, 120},
    {65, "Sede", T, 120},
    // Bank codes keep their leading zeros, as on the proposer's page.
    {66, "ABI", T, 10},
    {67, "CAB", T, 10},
    {68, "ContoCorrente", T, 10},
    {69, "IndirizzoBanca", T, 120},
    {70, "AttoCostitutivo", T, 120},
    {71, "SettoreAppartenenza", T, 120},
    {72, "AnnoCostituzione", N, 10},
    {73, "IscrizioneCCIAA", T, 10},
    {74, "RegistroPrefettizio", T, 255, true},
    {75, "VFA1", N, 20, false, Dx},
    {76, "VFA2", N, 20, false, Dx},
    {77, "VFA3", N, 20, false, Dx},
    {78, "FPA1", N, 20, false, Dx},
    {79, "FPA2", N, 20, false, Dx},
    {80, "FPA3", N, 20, false, Dx},
    {81, "DirA1", N, 10, false, Dx},
    {82, "DirA2", N, 10, false, Dx},
    {83, "DirA3", N, 10, false, Dx},
    {84, "QuaA1", N, 10, false, Dx},
    {85, "QuaA2", N, 10, false, Dx},
    {86, "QuaA3", N, 10, false, Dx},
    {87, "ImpA1", N, 10, false, Dx},
    {88, "ImpA2", N, 10, false, Dx},
    {89, "ImpA3", N, 10, false, Dx},
    {90, "TecA1", N, 10, false, Dx},
    {91, "TecA2", N, 10, false, Dx},
    {92, "TecA3", N, 10, false, Dx},
    {93, "OpeA1", N, 10, false, Dx},
    {94, "OpeA2", N, 10, false, Dx},
    {95, "OpeA3", N, 10, false, Dx},
    {96, "FLScadNum", N, 10, false, Dx},
    {97, "FLScadQual", T, 120},
    {98, "FLTrasNum", N, 10, false, Dx},
    {99, "FLTrasQual", T, 120},
    {100, "FLAutoNum", N, 10, false, Dx},
    {101, "FLAutoQual", T, 120},
    {102, "Attrezzatureadispo", T, 0, true},
    {103, "LavMobilitaNum", N, 10, false, Dx},
    {104, "LavContrattoNum", N, 10, false, Dx},
    {105, "LavCIGNum", N, 10, false, Dx},
    {106, "IscrittiInizioA1", N, 10, false, Dx},
    {107, "IscrittiInizioA2", N, 10, false, Dx},
    {108, "IscrittiInizioA3", N, 10, false, Dx},
    {109, "IscrittiFineA1", N, 10, false, Dx},
    {110, "IscrittiFineA2", N, 10, false, Dx},
    {111, "IscrittiFineA3", N, 10, false, Dx},
    {112, "OccRealFormazione", N, 10, false, Dx},
    {113, "OccMantenuta", N, 10, false, Dx},
    {114, "RelazioneSintetica", T, 0, true},
};

}  // namespace

PaginaConsorzi::PaginaConsorzi(Sezione2Form &form, QFrame *pagina5) : QObject(nullptr), form_(form), pagina_(pagina5)
{
    campi_.NewBoxes(Voci, pagina_, Text4);
    CreaStriscia();
    CreaSchede();

    connect(Check5, &QCheckBox::toggled, this, [this](bool on) { Guarded([this, on] { Check5_Click(on); }); });

    Option1.Select(3);
    AggiornaAnni(QString());
    // The page starts as for a proposer that is not a consortium.
    Striscia->setEnabled(false);
    membri_->Lista()->hide();
    EtichettaConsorzio->hide();
    Casella(NomeConsorzio)->hide();
    membri_->BottoneAggiungi()->hide();
    membri_->BottoneElimina()->hide();
}

PaginaConsorzi::~PaginaConsorzi() = default;

ElencoMembri::Modo PaginaConsorzi::ModoElenco()
{
    ElencoMembri::Modo modo;
    modo.lista = "List2";
    modo.nome = ControlArray<QWidget>::ObjectName("Text1", NuovoNome);
    modo.aggiungi = "Command7";
    modo.testoAggiungi = "Aggiungi Consorziata";
    modo.elimina = "Command6";
    modo.testoElimina = "Elimina Consorziata";
    modo.didascalia = EtichettaNuova;
    modo.testoDidascalia = "Denominazione nuova Consorziata";
    modo.didascaliaInAggiunta = true;
    modo.tabella = "Consorzi";
    modo.chiave = "IDConsorzio";
    modo.parte = "consorzi";
    modo.righe = &form_.DynConsorzi;
    modo.nonEsiste = "Il Consorzio non esiste!";
    modo.eliminataNonEsiste = "La Consorziata non esiste!";
    modo.nessunaScelta = "Selezionare un azienda!";
    modo.titoloNessunaScelta = "Consorzio";
    modo.registra = [this](qint64 chiave) { RegistraNellaRiga(membri_->Trova(chiave, NonEsiste)); };
    modo.riempi = [this] { RiempeConsorzi(); };
    // The record can be typed into with the switch off, or on with a member chosen.
    modo.abilita = [this](bool scelto) { SSTab2->setEnabled(!Check5->isChecked() || scelto); };
    // Members are listed only while the switch is on.
    modo.inUso = [this] { return Check5->isChecked(); };
    modo.elencati = [this] {
        Recordset *consorzi = form_.DynConsorzi.get();
        if (!consorzi)
            return;
        if (Check5->isChecked()) {
            // With the switch on the page is shown only when a member is chosen.
            consorzi->MoveLast();
            if (consorzi->HasCurrent())
                consorzi->MoveNext();
        } else if (consorzi->HasCurrent()) {
            consorzi->MoveFirst();
        }
    };
    // The member shown is stored, then the new member's row is added at once,
    // carrying the consortium's name; its own name follows when it is typed.
    modo.primaDiAggiungere = [this] {
        if (!Memorizza(form_, [this] { RegistraConsorzi(); }, {"consorzi"}))
            return false;
        nuovaRiga_ = 0;
        // Without a current project there is nobody to add a member to.
        if (form_.DynConsorzi && IdProgetto != 0) {
            Recordset &consorzi = *form_.DynConsorzi;
            consorzi.AddNew();
            consorzi.SetField("Id", IdProgetto);
            consorzi.SetField("consorzio", FieldBinding::BoxText(Casella(NomeConsorzio)));
            consorzi.Update();
            nuovaRiga_ = consorzi.LastInsertedKey();
        }
        ElencaConsorzi();
        SvuotaConsorzi();
        return true;
    };
    modo.nomina = [this](const QString &nome) {
        if (nuovaRiga_ != 0 && form_.DynConsorzi) {
            Recordset &consorzi = *form_.DynConsorzi;
            consorzi.FindFirst("IdConsorzio = ?", {nuovaRiga_});
            if (!consorzi.NoMatch()) {
                consorzi.Edit();
                consorzi.SetField("Denominazione", nome);
                consorzi.Update();
            }
        }
        return std::optional<bool>(true);
    };
    modo.eliminato = [this] { SvuotaConsorzi(); };
    return modo;
}

void PaginaConsorzi::CreaStriscia()
{
    auto *sezione = new QLabel("SEZIONE 2/B", pagina_);
    QFont grassetto = sezione->font();
    grassetto.setBold(true);
    sezione->setFont(grassetto);
    sezione->move(Twips(120), Twips(60));
    auto *titolo =
        new QLabel("Informazioni del soggetto proponente attività formativa per personale dipendente.", pagina_);
    titolo->move(Twips(1500), Twips(60));

    Striscia = new QFrame(pagina_);
    Striscia->setFrameShape(QFrame::StyledPanel);
    Striscia->setGeometry(Twips(90), Twips(330), Twips(9115), Twips(1260));

    EtichettaConsorzio = new QLabel("Consorzio", Striscia);
    EtichettaConsorzio->setGeometry(Twips(120), Twips(390), Twips(3000), Twips(225));
    QWidget *nome = Casella(NomeConsorzio);
    nome->setParent(Striscia);
    nome->setGeometry(Twips(120), Twips(630), Twips(3000), Twips(330));

    EtichettaNuova = new QLabel(Striscia);
    EtichettaNuova->setGeometry(Twips(3300), Twips(60), Twips(3300), Twips(225));
    EtichettaNuova->hide();
    membri_ = std::make_unique<ElencoMembri>(form_, Striscia, ModoElenco());
    membri_->Lista()->setGeometry(Twips(3300), Twips(60), Twips(3300), Twips(1140));
    membri_->Nome()->setGeometry(Twips(3300), Twips(300), Twips(3300), Twips(330));
    membri_->BottoneAggiungi()->setGeometry(Twips(6800), Twips(150), Twips(2200), Twips(375));
    membri_->BottoneElimina()->setGeometry(Twips(6800), Twips(690), Twips(2200), Twips(375));

    // The switch sits over the strip, outside it, so that it stays usable
    // while the strip is switched off.
    Check5 = new QCheckBox("Il proponente è un consorzio", pagina_);
    Check5->setObjectName("Check5");
    Check5->setGeometry(Twips(210), Twips(375), Twips(3000), Twips(285));
    Check5->raise();
}

void PaginaConsorzi::CreaSchede()
{
    SSTab2 = new TabbedPages(pagina_);
    SSTab2->setObjectName("SSTab2");
    SSTab2->setGeometry(Twips(90), Twips(1650), Twips(9115), Twips(5160));
    const auto scheda = [this](const QString &titolo) {
        QWidget *pagina = SSTab2->AddPage(titolo);
        auto *colonna = new QVBoxLayout(pagina);
        colonna->setContentsMargins(6, 4, 6, 4);
        colonna->setSpacing(4);
        return colonna;
    };
    const auto cornice = [](QBoxLayout *layout, const QString &titolo) {
        auto *frame = new QGroupBox(titolo);
        layout->addWidget(frame);
        return frame;
    };
    const auto righe = [this](QGroupBox *frame, const QList<QList<std::pair<QString, int>>> &elenco) {
        auto *colonna = new QVBoxLayout(frame);
        colonna->setContentsMargins(6, 2, 6, 4);
        colonna->setSpacing(2);
        QList<QLabel *> etichette;
        for (const auto &riga : elenco) {
            QHBoxLayout *fila = TabellaCaselle::Fila();
            for (const auto &[etichetta, index] : riga) {
                // Short codes take a narrow share of the row, names and places a wide one.
                auto *linea = qobject_cast<TextBox *>(Casella(index));
                etichette << TabellaCaselle::Sotto(fila, etichetta, Casella(index),
                                                   linea && linea->maxLength() <= 20 ? 2 : 3);
            }
            colonna->addLayout(fila);
        }
        return etichette;
    };

    // Tab 1: the proposer's or member's identity and the territorial scope.
    QVBoxLayout *estremi = scheda("Estremi Sogg. Proponente");
    QGroupBox *soggetto = cornice(estremi, "2.1/B  Estremi del soggetto proponente il progetto.");
    const QList<QLabel *> etichette = righe(
        soggetto, {{{"Denominazione Soggetto Proponente", 44}, {"Sede Legale", 46}},
                   {{"C.A.P.", 47}, {"Città", 48}, {"Provincia", 49}, {"Telefono", 50}, {"FAX", 51}},
                   {{Sezione2Form::EtichettaSedeRegione(), 52}},
                   {{"C.A.P.", 53}, {"Città", 54}, {"Provincia", 55}, {"Telefono", 56}, {"FAX", 57}},
                   {{"Legale Rappresentante", 58}, {"Nato a...", 59}, {"Data di Nascita", 60}, {"Residente a...", 61}},
                   {{"Codice Fiscale", 62}, {"Estremi Delibera di Nomina del Legale Rappresentante in carica", 63}}});
    EtichettaDenominazione = etichette.first();
    rigaDenominazione_ = qobject_cast<QBoxLayout *>(soggetto->layout()->itemAt(0)->layout());
    quotaDenominazione_ = rigaDenominazione_->stretch(0);
    QGroupBox *ambito = cornice(estremi, "2.3/B  Ambito territoriale.");
    auto *opzioni = new QHBoxLayout(ambito);
    opzioni->setContentsMargins(6, 2, 6, 2);
    opzioni->addWidget(Option1.Create(3, "Provinciale", ambito));
    opzioni->addWidget(Option1.Create(4, "Regionale", ambito));
    opzioni->addWidget(Option1.Create(5, "Nazionale", ambito));
    opzioni->addStretch(1);
    estremi->addStretch(1);

    // Tab 2: bank details.
    QVBoxLayout *banca = scheda("Coordinate Bancarie");
    righe(cornice(banca, "2.2/B  Coordinate Bancarie per l'accreditamento del Contributo."),
          {{{"Banca", 64}, {"Sede", 65}},
           {{"ABI", 66}, {"CAB", 67}, {"Numero Conto Corrente", 68}},
           {{"Indirizzo Banca", 69}}});
    banca->addStretch(1);

    // Tab 3: institutional references.
    QVBoxLayout *riferimenti = scheda("Riferimenti Istituzionali");
    righe(cornice(riferimenti, "2.4/B  Caratteristiche Giuridico Organizzative - Riferimenti Istituzionali."),
          {{{"Atto costitutivo, Statuto, Leggi...", 70}, {"Settore di Appartenenza", 71}},
           {{"Anno costituzione", 72}, {"Numero iscrizione C.C.I.A.A.", 73}},
           {{"Estremi d' iscrizione al registro prefettizio (per le Cooperative)", 74}}});
    riferimenti->addStretch(1);

    // Tab 4: economic data by history year.
    QVBoxLayout *economici = scheda("Dati Economici");
    TabellaCaselle fatturato(cornice(economici, "Dati economici-finanziari"));
    fatturato.Intestazione(0, "Volume fatturato");
    fatturato.Intestazione(1, "Finanziamenti pubblici");
    for (int i = 0; i < 3; ++i)
        fatturato.Riga(Label1.Create(180 + i, nullptr, QString("Anno%1").arg(i + 1)),
                       {Casella(75 + i), Casella(78 + i)});
    economici->addStretch(1);

    // Tab 5: staff, premises and workers in special schemes.
    QVBoxLayout *organico = scheda("Organico");
    auto *sopra = new QHBoxLayout;
    organico->addLayout(sopra);
    auto *personale = new QGroupBox("Organico");
    sopra->addWidget(personale, 3);
    TabellaCaselle categorie(personale);
    for (int i = 0; i < 3; ++i)
        categorie.Intestazione(i, Label1.Create(177 + i, nullptr, QString("Anno%1").arg(i + 1)));
    const char *nomi[] = {"Dirigenti", "Quadri", "Impiegati", "Tecnici", "Operai"};
    for (int c = 0; c < 5; ++c)
        categorie.Riga(nomi[c], {Casella(81 + 3 * c), Casella(82 + 3 * c), Casella(83 + 3 * c)});
    auto *lavoratori = new QGroupBox("Lavoratori...");
    sopra->addWidget(lavoratori, 2);
    TabellaCaselle speciali(lavoratori);
    speciali.Riga("In liste di mobilità", {Casella(103)});
    speciali.Riga("Con contratto di solidarietà", {Casella(104)});
    speciali.Riga("In CIG o CIGS", {Casella(105)});
    speciali.Griglia()->setRowStretch(4, 1);
    QGroupBox *sedi = cornice(organico, "Sedi a disposizione.");
    // Two columns of the one list, read column by column.
    TabOrder::ReadColumnsFirst(sedi);
    auto *spunte = new QGridLayout(sedi);
    spunte->setContentsMargins(6, 2, 6, 2);
    const char *sede[] = {"di proprietà", "in affitto stabilmente", "in affitto in occasione dell'att.formativa",
                          "non ancora individuate"};
    for (int i = 0; i < 4; ++i)
        spunte->addWidget(Check1.Create(4 + i, sedi, QString(sede[i])), i % 2, i / 2);
    organico->addStretch(1);

    // Tab 6: work-training contracts of the previous year.
    QVBoxLayout *contratti = scheda("C.F.L. anno Precedente");
    TabellaCaselle cfl(cornice(contratti, "Contratti di formazione e lavoro (anno precedente)"));
    cfl.Intestazione(0, "N.Persone");
    cfl.Intestazione(1, "Qualifica");
    cfl.Riga("Risolti o scaduti", {Casella(96), Casella(97)});
    cfl.Riga("Trasformati a tempo indet.", {Casella(98), Casella(99)});
    cfl.Riga("Autorizzati", {Casella(100), Casella(101)});
    cfl.Griglia()->setColumnStretch(2, 1);
    contratti->addStretch(1);

    // Tab 7: equipment.
    QVBoxLayout *attrezzature = scheda("Attrezzature");
    auto *dotazione = new QVBoxLayout(cornice(attrezzature, "Attrezzature a Disposizione"));
    dotazione->addWidget(Casella(102));

    // Tab 8: results of the previous three years, the top row for the first year.
    QVBoxLayout *triennio = scheda("Risultati Triennio Precedente");
    QGroupBox *risultati =
        cornice(triennio, "2.5/B  Risultati conseguiti dalle attività effettuate nel triennio precedente.");
    TabellaCaselle iscritti(risultati);
    iscritti.Intestazione(0, "Anno");
    iscritti.Intestazione(1, "Iscritti all'inizio dell' attività");
    iscritti.Intestazione(2, "Iscritti al termine dell' attività");
    // Each column's boxes under their own "N°", as on the proposer's page.
    const auto segno = [risultati] {
        auto *n = new QLabel("N°", risultati);
        n->setAlignment(Qt::AlignCenter);
        return n;
    };
    iscritti.Riga(QString(), {new QWidget(risultati), segno(), segno()});
    for (int i = 0; i < 3; ++i) {
        QLineEdit *anno = Text3.Create(5 - i, risultati);
        anno->setEnabled(false);
        anno->setAlignment(Qt::AlignRight);
        iscritti.Riga(QString(), {anno, Casella(106 + i), Casella(109 + i)});
    }
    QGridLayout *griglia = iscritti.Griglia();
    griglia->setColumnStretch(1, 1);
    griglia->setColumnStretch(2, 2);
    griglia->setColumnStretch(3, 2);
    // Each employment figure is a number of people, its box marked "N°".
    const auto numero = [risultati](QWidget *casella) {
        auto *riga = new QHBoxLayout;
        riga->setContentsMargins(Twips(90), 0, 0, 0);
        riga->addWidget(new QLabel("N°", risultati));
        riga->addWidget(casella, 1);
        return riga;
    };
    auto *realizzata = new QLabel("Occupazione realizzata a seguito dell'attività (formazione al lavoro)");
    realizzata->setBuddy(Casella(112));
    griglia->addWidget(realizzata, 5, 0, 1, 3);
    griglia->addLayout(numero(Casella(112)), 5, 3);
    griglia->addWidget(Check3.Create(2, risultati, QString("Occupazione realizzata coerente con l'attività svolta")), 6,
                       0, 1, 4);
    auto *mantenuta = new QLabel("Occupazione mantenuta (formazione sul lavoro)");
    mantenuta->setBuddy(Casella(113));
    griglia->addWidget(mantenuta, 7, 0, 1, 3);
    griglia->addLayout(numero(Casella(113)), 7, 3);
    griglia->addWidget(
        Check3.Create(3, risultati, QString("Occupazione mantenuta coerente con l'attività formativa svolta")), 8, 0, 1,
        4);
    triennio->addStretch(1);

    // Tab 9: the short report.
    QVBoxLayout *relazione = scheda("Relazione sintetica");
    auto *sintesi = new QVBoxLayout(cornice(relazione, "Relazione sintetica sui risultati conseguiti"));
    sintesi->addWidget(Casella(114));
}

bool PaginaConsorzi::PaginaMostrata() const
{
    return PageFrames::VisibleIndex(form_.Frame2) == 5;
}

void PaginaConsorzi::AggiornaAnni(const QString &primoAnno)
{
    const QStringList anni = Sezione2Form::TreAnni(primoAnno);
    for (int i = 0; i < 3; ++i) {
        Text3[5 - i]->setText(anni[i]);
        Label1[180 + i]->setText(anni[i]);
        Label1[177 + i]->setText(anni[i]);
    }
}

void PaginaConsorzi::ElencaConsorzi()
{
    membri_->Elenca();
}

void PaginaConsorzi::ScriviCampi(Recordset &riga)
{
    campi_.Store(riga);
    riga.SetField("consorzio", FieldBinding::BoxText(Casella(NomeConsorzio)));
    // With no scope chosen (a stored code no option has) the stored code stays.
    if (Option1.Selected() >= 3)
        riga.SetField("AmbitoTerritoriale", qint64(Option1.Selected() - 3));
    qint64 sedi = 0;
    for (int i = 0; i < 4; ++i)
        if (Check1[4 + i]->isChecked())
            sedi += qint64(1) << i;
    riga.SetField("SedeoSedi", sedi);
    riga.SetField("OccRealCoerente", Check3[2]->isChecked());
    riga.SetField("OccMantCoerente", Check3[3]->isChecked());
}

void PaginaConsorzi::RegistraRiga(bool acceso)
{
    const ListBox *membri = membri_->Lista();
    if (acceso && membri->ListIndex() < 0)
        return;
    if (!form_.DynConsorzi)
        return;
    if (acceso) {
        RegistraNellaRiga(membri_->Trova(membri->ItemData(membri->ListIndex()), NonEsiste));
    } else {
        FieldBinding::ShowText(Casella(NomeConsorzio), Nessuno);
        RegistraNellaRiga(membri_->Trova(IdProgetto, NonEsiste, "ID"));
    }
}

void PaginaConsorzi::RegistraNellaRiga(Recordset *riga)
{
    if (!riga)
        return;
    riga->Edit();
    ScriviCampi(*riga);
    riga->Update();
}

void PaginaConsorzi::RegistraConsorzi()
{
    RegistraRiga(Check5->isChecked());
}

void PaginaConsorzi::PosizionaRigaPropria(bool crea)
{
    if (!DB)
        return;
    // The project's own row is its first one: the same row the store writes.
    form_.DynConsorzi = DB->OpenRecordset("Select * from Consorzi Where Id = ?", {IdProgetto});
    form_.DynConsorzi->MoveFirst();
    if (form_.DynConsorzi->HasCurrent() || !crea || IdProgetto == 0)
        return;
    form_.DynConsorzi->AddNew();
    form_.DynConsorzi->SetField("Id", IdProgetto);
    form_.DynConsorzi->Update();
    form_.DynConsorzi->MoveFirst();
}

void PaginaConsorzi::RiempeConsorzi()
{
    if (!Check5->isChecked())
        PosizionaRigaPropria(false);
    if (!form_.DynConsorzi || !form_.DynConsorzi->HasCurrent())
        return;
    const Recordset &riga = *form_.DynConsorzi;
    campi_.Fill(riga);
    FieldBinding::ShowText(Casella(NomeConsorzio), ValoreValido(riga.Field("consorzio"), TipoTesto).toString());
    const qint64 ambito = InteroMemorizzabile(riga.Field("AmbitoTerritoriale"));
    if (ambito >= 0 && ambito <= 2)
        Option1.Select(int(3 + ambito));
    else
        Option1.ClearAll();
    const qint64 sedi = InteroMemorizzabile(riga.Field("SedeoSedi"));
    for (int i = 0; i < 4; ++i)
        Check1[4 + i]->setChecked((sedi >> i) & 1);
    Check3[2]->setChecked(riga.Field("OccRealCoerente").toBool());
    Check3[3]->setChecked(riga.Field("OccMantCoerente").toBool());
}

void PaginaConsorzi::SvuotaConsorzi()
{
    campi_.Clear();
}

void PaginaConsorzi::Check5_Click(bool checked)
{
    // Flipped while the page is shown: what it shows belongs to the row of
    // the state before, and the row of the new state is shown instead.
    const bool mostrata = PaginaMostrata();
    if (mostrata && !Memorizza(form_, [this, checked] { RegistraRiga(!checked); }, {"consorzi"})) {
        // What could not be stored stays on screen under the state it belongs to.
        const QSignalBlocker fermo(Check5);
        Check5->setChecked(!checked);
        return;
    }

    QWidget *membri = membri_->Lista();
    QWidget *aggiungi = membri_->BottoneAggiungi();
    QWidget *elimina = membri_->BottoneElimina();
    Striscia->setEnabled(checked);
    membri->setEnabled(checked);
    EtichettaConsorzio->setEnabled(checked);
    Casella(NomeConsorzio)->setEnabled(checked);
    aggiungi->setEnabled(checked);
    elimina->setEnabled(checked);
    membri->setVisible(checked);
    EtichettaConsorzio->setVisible(checked);
    Casella(NomeConsorzio)->setVisible(checked);
    if (checked)
        FieldBinding::ShowText(Casella(NomeConsorzio), QString());
    else
        membri_->Annulla();
    aggiungi->setVisible(checked);
    elimina->setVisible(checked);
    EtichettaDenominazione->setVisible(!checked);
    Casella(Denominazione)->setVisible(!checked);
    // The hidden name leaves its width to the legal seat beside it.
    rigaDenominazione_->setStretch(0, checked ? 0 : quotaDenominazione_);

    ElencaConsorzi();
    Check5->raise();

    if (mostrata && !checked)
        Riempi(form_, {"consorzi"}, [this] {
            PosizionaRigaPropria(true);
            RiempeConsorzi();
        });
}
