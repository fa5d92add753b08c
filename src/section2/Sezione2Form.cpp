#include "Sezione2Form.h"

#include "ComboBox.h"
#include "Database.h"
#include "ElencoATS.h"
#include "ElencoCommittenti.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "Memorizza.h"
#include "PageFrames.h"
#include "PaginaConsorzi.h"
#include "PianoSezione2.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "ScorriPagine.h"
#include "Twips.h"
#include "WaitCursor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The rows of the proposer's record, as Store and Fill take them.
enum Tabella { P = 0, S = 1 };

// The text boxes of pages 0 to 3 with their fields and rows, in index
// order, which is the order in which they are stored.
constexpr auto T = FieldBinding::Text;
constexpr auto N = FieldBinding::Number;
constexpr auto D = FieldBinding::Date;

constexpr Qt::Alignment Sx = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Dx = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Centro = Qt::AlignHCenter | Qt::AlignVCenter;

const FieldBinding::BoxDef kCaselle[] = {
    // Page frame 0: the proposer's identity and addresses.
    {0, "Denominazione", T, 0, false, Sx, P},
    {1, "SedeLegale", T, 0, false, Sx, P},
    {2, "Cap1", T, 0, false, Dx, P},
    {3, "Citta1", T, 0, false, Sx, P},
    {4, "Prov1", T, 0, false, Sx, P},
    {5, "Telefono1", T, 0, false, Sx, P},
    {6, "Fax1", T, 0, false, Sx, P},
    {7, "SedeRegione", T, 0, false, Sx, P},
    {8, "Cap2", T, 0, false, Dx, P},
    {9, "Citta2", T, 0, false, Sx, P},
    {10, "Prov2", T, 0, false, Sx, P},
    {11, "Telefono2", T, 0, false, Sx, P},
    {12, "Fax2", T, 0, false, Sx, P},
    {13, "LegaleRappresentante", T, 0, false, Sx, P},
    {14, "natoa", T, 0, false, Sx, P},
    {15, "DNascitaLR", D, 0, false, Centro, P},
    {16, "Residente", T, 0, false, Sx, P},
    {17, "CF1", T, 0, false, Sx, P},
    {18, "Estremi", T, 0, false, Sx, P},
    // Bank details.
    {19, "Banca", T, 120, false, Sx, S},
    {20, "Sede", T, 120, false, Sx, S},
    {21, "ABI", T, 10, false, Sx, S},
    {22, "CAB", T, 10, false, Sx, S},
    {23, "ContoCorrente", T, 10, false, Sx, S},
    {24, "IndirizzoBanca", T, 120, false, Sx, S},
    // Legal references.
    {25, "AttoCostitutivo", T, 120, false, Sx, P},
    {26, "SettoreAppartenenza", T, 120, false, Sx, P},
    {27, "AnnoCostituzione", N, 10, false, Sx, P},
    {28, "IscrizioneCCIAA", T, 20, false, Sx, P},
    {29, "RegistroPrefettizio", T, 255, true, Sx, P},
    // Page frame 1: staff by category.
    {30, "nUnita1", N, 5, false, Dx, S},
    {31, "rapporto1", T, 120, false, Sx, S},
    {32, "nUnita2", N, 5, false, Dx, S},
    {33, "rapporto2", T, 120, false, Sx, S},
    {34, "nUnita3", N, 5, false, Dx, S},
    {35, "rapporto3", T, 120, false, Sx, S},
    {36, "nUnita4", N, 5, false, Dx, S},
    {37, "rapporto4", T, 120, false, Sx, S},
    {38, "nUnita5", N, 5, false, Dx, S},
    {39, "rapporto5", T, 120, false, Sx, S},
    {40, "Altro5", T, 0, false, Sx, S},
    // Equipment and principal activities.
    {41, "Attrezzatureadispo", T, 0, true, Sx, P},
    {42, "PrincipaliAttivita", T, 0, true, Sx, P},
    // Page frame 2: training history, twelve boxes a year.
    {43, "CorsiALNumA1", N, 10, false, Dx, P},
    {44, "CorsiALOreA1", N, 10, false, Dx, P},
    {45, "CorsiPubbliciNumA1", N, 10, false, Dx, P},
    {46, "CorsiPubbliciOreA1", N, 10, false, Dx, P},
    {47, "CorsiPubbliciFinA1", N, 20, false, Dx, P},
    {48, "CorsiPrivatiNumA1", N, 10, false, Dx, P},
    {49, "CorsiPrivatiOreA1", N, 10, false, Dx, P},
    {50, "CorsiPrivatiFinA1", N, 20, false, Dx, P},
    {51, "CorsiKVRProg1A1", T, 20, false, Dx, P},
    {52, "CorsiKVRProg2A1", T, 20, false, Dx, P},
    {53, "CorsiKVRProg3A1", T, 20, false, Dx, P},
    {54, "CorsiKVRProg4A1", T, 20, false, Dx, P},
    {55, "CorsiALNumA2", N, 10, false, Dx, P},
    {56, "CorsiALOreA2", N, 10, false, Dx, P},
    {57, "CorsiPubbliciNumA2", N, 10, false, Dx, P},
    {58, "CorsiPubbliciOreA2", N, 10, false, Dx, P},
    {59, "CorsiPubbliciFinA2", N, 0, false, Dx, P},
    {60, "CorsiPrivatiNumA2", N, 10, false, Dx, P},
    {61, "CorsiPrivatiOreA2", N, 10, false, Dx, P},
    {62, "CorsiPrivatiFinA2", N, 0, false, Dx, P},
    {63, "CorsiKVRProg1A2", T, 20, false, Dx, P},
    {64, "CorsiKVRProg2A2", T, 20, false, Dx, P},
    {65, "CorsiKVRProg3A2", T, 20, false, Dx, P},
    {66, "CorsiKVRProg4A2", T, 20, false, Dx, P},
    {67, "CorsiALNumA3", N, 10, false, Dx, P},
    {68, "CorsiALOreA3", N, 0, false, Dx, P},
    {69, "CorsiPubbliciNumA3", N, 10, false, Dx, P},
    {70, "CorsiPubbliciOreA3", N, 0, false, Dx, P},
    {71, "CorsiPubbliciFinA3", N, 0, false, Dx, P},
    {72, "CorsiPrivatiNumA3", N, 10, false, Dx, P},
    {73, "CorsiPrivatiOreA3", N, 0, false, Dx, P},
    {74, "CorsiPrivatiFinA3", N, 0, false, Dx, P},
    {75, "CorsiKVRProg1A3", T, 20, false, Dx, P},
    {76, "CorsiKVRProg2A3", T, 20, false, Dx, P},
    {77, "CorsiKVRProg3A3", T, 20, false, Dx, P},
    {78, "CorsiKVRProg4A3", T, 0, false, Dx, P},
    // Page frame 3: results of the three years.
    {79, "IscrittiInizioA1", N, 10, false, Sx, P},
    {80, "IscrittiFineA1", N, 20, false, Sx, P},
    {81, "IscrittiInizioA2", N, 10, false, Sx, P},
    {82, "IscrittiFineA2", N, 20, false, Sx, P},
    {83, "IscrittiInizioA3", N, 10, false, Sx, P},
    {84, "IscrittiFineA3", N, 20, false, Sx, P},
    {85, "OccRealFormazione", N, 20, false, Sx, P},
    {86, "OccMantenuta", N, 20, false, Sx, P},
    {87, "RelazioneSintetica", T, 0, true, Sx, P},
};
constexpr int kNumeroCaselle = int(std::size(kCaselle));

// Box indexes where each group of the store order begins.
constexpr int kPrimaStorico = 43;
constexpr int kOccReal = 85;
constexpr int kOccMant = 86;

constexpr int kEtichetta = 195;  // height of a label, twips
constexpr int kRiga = 540;       // a label with its box under it

// The first index of Label1 that the partner pages use.
constexpr int kEtichetteLibere = 116;

// The years of the training history.
constexpr int kPrimoAnno = 1998;
constexpr int kUltimoAnno = 2006;

}  // namespace

Sezione2Form::Sezione2Form()
{
    setObjectName("Sezione2Form");
    setWindowTitle("Sezione 2");
    setFixedSize(PageFrames::FormSize());
    for (int i = 0; i <= NumeroFrame; ++i) {
        QFrame *pagina = PageFrames::CreatePage(Frame2, i, this);
        QToolButton *indietro = PageFrames::CreateArrow(Command2, i, pagina, false);
        QToolButton *avanti = PageFrames::CreateArrow(Command1, i, pagina, true);
        connect(indietro, &QToolButton::clicked, this, [this, i] { Command2_Click(i); });
        connect(avanti, &QToolButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    CreaPagina0(Frame2[0]);
    CreaPagina1(Frame2[1]);
    CreaPagina2(Frame2[2]);
    CreaPagina3(Frame2[3]);
    Q_ASSERT(etichette_ <= kEtichetteLibere);

    ats_ = std::make_unique<ElencoATS>(*this, Frame2[0]);
    committenti_ = std::make_unique<ElencoCommittenti>(*this, Frame2[4]);
    consorzi_ = std::make_unique<PaginaConsorzi>(*this, Frame2[5]);
    Check4->raise();
    for (const auto &[i, pagina] : Frame2) {
        Command1[i]->raise();
        Command2[i]->raise();
    }

    connect(Check4, &QCheckBox::toggled, this,
            [this](bool acceso) { Guarded([this, acceso] { ats_->Check4_Click(acceso); }); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(combo1_, &ComboBox::Click, this, [this] { Combo1_Click(); });
    LegaCampi();
    PageFrames::ShowOnly(Frame2, 0);
}

Sezione2Form::~Sezione2Form() = default;

QRect Sezione2Form::RettangoloFrame14()
{
    return TwipsRect(45, 300, 9180, 3585);
}

QString Sezione2Form::EtichettaSedeRegione()
{
    return "Sede nella Regione Kavrano";
}

QStringList Sezione2Form::TreAnni(const QString &primoAnno)
{
    const qint64 primo = InteroMemorizzabile(primoAnno);
    // Numbers become text with the position of the sign kept: a blank when positive.
    const auto conSegno = [](qint64 n) { return n < 0 ? QString::number(n) : " " + QString::number(n); };
    return {primoAnno, conSegno(primo + 1), conSegno(primo + 2)};
}

// --- Building the pages ------------------------------------------------------

QGroupBox *Sezione2Form::Riquadro(QWidget *pagina, const QString &titolo, int left, int top, int width, int height)
{
    auto *riquadro = new QGroupBox(titolo, pagina);
    riquadro->setGeometry(TwipsRect(left, top, width, height));
    return riquadro;
}

QLabel *Sezione2Form::Etichetta(QWidget *padre, const QString &testo, int left, int top, int width, int height)
{
    QLabel *etichetta = Label1.Create(etichette_++, padre, testo);
    etichetta->setGeometry(TwipsRect(left, top, width, height));
    return etichetta;
}

QWidget *Sezione2Form::Casella(int indice, QWidget *padre, int left, int top, int width, int height)
{
    QWidget *casella = FieldBinding::NewBox(padre, FieldBinding::Find(kCaselle, indice));
    Text1.Add(indice, casella);
    casella->setGeometry(TwipsRect(left, top, width, height));
    return casella;
}

QWidget *Sezione2Form::CasellaSotto(int indice, const QString &etichetta, QWidget *padre, int left, int top, int width,
                                    int height)
{
    QLabel *didascalia = Etichetta(padre, etichetta, left, top, width);
    QWidget *casella = Casella(indice, padre, left, top + kEtichetta, width, height);
    didascalia->setBuddy(casella);
    return casella;
}

QLineEdit *Sezione2Form::Anno(ControlArray<QLineEdit> &array, int indice, QWidget *padre, int left, int top)
{
    QLineEdit *anno = array.Create(indice, padre);
    anno->setAlignment(Dx);
    anno->setEnabled(false);
    anno->setGeometry(TwipsRect(left, top, 990, 330));
    return anno;
}

void Sezione2Form::CreaPagina0(QFrame *pagina)
{
    QLabel *sezione = Etichetta(pagina, "SEZIONE 2/A", 90, 45, 1200, 225);
    QFont grassetto = sezione->font();
    grassetto.setBold(true);
    sezione->setFont(grassetto);
    Etichetta(pagina, "Soggetto proponente attività formativa per disoccupati o per conto di soggetti terzi.", 1380, 45,
              7800, 225);

    auto *estremi = new QGroupBox("2.1/A  Estremi del soggetto proponente il progetto.", pagina);
    estremi->setGeometry(RettangoloFrame14());
    Frame3.Add(0, estremi);
    Check4 = new QCheckBox("Il soggetto proponente costituisce una ATS", pagina);
    Check4->setObjectName("Check4");
    Check4->setGeometry(TwipsRect(5145, 300, 4050, 285));

    // Six rows, each label above its box.
    const int sedi[2] = {825, 1905};
    CasellaSotto(0, "Denominazione", estremi, 90, 285, 4440);
    CasellaSotto(1, "Sede Legale", estremi, 4620, 285, 4470);
    for (int s = 0; s < 2; ++s) {
        const int primo = s == 0 ? 2 : 8;
        const int top = sedi[s];
        CasellaSotto(primo, "C.A.P.", estremi, 90, top, 900);
        CasellaSotto(primo + 1, "Città", estremi, 1080, top, 3000);
        CasellaSotto(primo + 2, "Provincia", estremi, 4170, top, 900);
        CasellaSotto(primo + 3, "Telefono", estremi, 5160, top, 1900);
        CasellaSotto(primo + 4, "FAX", estremi, 7150, top, 1940);
    }
    CasellaSotto(7, EtichettaSedeRegione(), estremi, 90, 1365, 9000);
    CasellaSotto(13, "Legale Rappresentante", estremi, 90, 2445, 2900);
    CasellaSotto(14, "Nato a...", estremi, 3080, 2445, 2300);
    CasellaSotto(15, "Data di Nascita", estremi, 5470, 2445, 1300);
    CasellaSotto(16, "Residente a...", estremi, 6860, 2445, 2230);
    CasellaSotto(17, "Codice Fiscale", estremi, 90, 2985, 2900);
    CasellaSotto(18, "Estremi Delibera di Nomina del Legale Rappresentante in carica", estremi, 3080, 2985, 6010);

    QGroupBox *banca =
        Riquadro(pagina, "2.2/A  Coordinate Bancarie per l'accreditamento del Contributo.", 45, 3915, 6300, 1425);
    CasellaSotto(19, "Banca", banca, 90, 285, 2300);
    CasellaSotto(20, "Sede", banca, 2480, 285, 1900);
    CasellaSotto(21, "ABI", banca, 4470, 285, 800);
    CasellaSotto(22, "CAB", banca, 5360, 285, 850);
    CasellaSotto(23, "Numero Conto Corrente", banca, 90, 285 + kRiga, 2100);
    CasellaSotto(24, "Indirizzo Banca", banca, 2280, 285 + kRiga, 3930);

    QGroupBox *ambito = Riquadro(pagina, "2.3/A  Ambito territoriale.", 6390, 3915, 2835, 1425);
    const char *ambiti[] = {"Nazionale", "Regionale", "Provinciale"};
    for (int i = 0; i < 3; ++i)
        Option1.Create(i, ambiti[i], ambito)->setGeometry(TwipsRect(240, 330 + i * 330, 2400, 285));

    QGroupBox *riferimenti = Riquadro(
        pagina, "2.4/A  Caratteristiche Giuridico Organizzative - Riferimenti Istituzionali.", 45, 5370, 9180, 1560);
    CasellaSotto(25, "Atto costitutivo, Statuto, Leggi...", riferimenti, 90, 285, 2700);
    CasellaSotto(26, "Settore di Appartenenza", riferimenti, 2880, 285, 2100);
    CasellaSotto(27, "Anno costituzione", riferimenti, 5070, 285, 1500);
    CasellaSotto(28, "Numero iscrizione C.C.I.A.A.", riferimenti, 6660, 285, 2400);
    CasellaSotto(29, "Estremi d' iscrizione al registro prefettizio (per le Cooperative)", riferimenti, 90, 285 + kRiga,
                 9000, 480);
}

void Sezione2Form::CreaPagina1(QFrame *pagina)
{
    QGroupBox *organico =
        Riquadro(pagina, "2.4/A  Caratteristiche Giuridico Organizzative del Soggetto Proponente - Organico.", 45, 60,
                 9180, 2340);
    Etichetta(organico, "N° Unità", 2700, 285, 1000);
    Etichetta(organico, "Rapporto Contrattuale", 3800, 285, 5290);
    const char *categorie[] = {"Personale Amministrativo", "Coordinatori", "Docenti", "Consulenti Esterni"};
    for (int r = 0; r < 5; ++r) {
        const int top = 480 + r * 360;
        if (r < 4)
            Etichetta(organico, categorie[r], 90, top + 68, 2500);
        else
            Casella(40, organico, 90, top, 2500);
        Casella(30 + 2 * r, organico, 2700, top, 1000);
        Casella(31 + 2 * r, organico, 3800, top, 5290);
    }

    QGroupBox *sedi = Riquadro(pagina, "Sede o Sedi a Disposizione.", 45, 2460, 9180, 960);
    const char *tipiSede[] = {"di proprietà", "in affitto stabilmente", "in affitto in occasione dell'att.formativa",
                              "non ancora individuate"};
    for (int i = 0; i < 4; ++i)
        Check1.Create(i, sedi, tipiSede[i])
            ->setGeometry(TwipsRect(i % 2 == 0 ? 240 : 4680, 285 + (i / 2) * 315, 4300, 285));

    QGroupBox *attrezzature =
        Riquadro(pagina, "Attrezzature utilizzate per la realizzazione dell'intervento", 45, 3480, 9180, 1560);
    CasellaSotto(41, "per le quali non viene chiesto il finanziamento.", attrezzature, 90, 285, 9000, 1020);

    QGroupBox *storici = Riquadro(pagina, "2.5/A  Dati storici del Soggetto Proponente.", 45, 5100, 9180, 1800);
    Check2 = new QCheckBox("L'Organismo svolge prevalentemente attività di Formazione", storici);
    Check2->setObjectName("Check2");
    Check2->setGeometry(TwipsRect(90, 285, 6000, 285));
    Check2->setChecked(true);
    etichettaAttivita_ = Etichetta(storici, "Principali Attività dell'Organismo", 90, 600, 9000);
    Casella(42, storici, 90, 600 + kEtichetta, 9000, 945);
    etichettaAttivita_->hide();
    Text1[42]->hide();
}

void Sezione2Form::CreaPagina2(QFrame *pagina)
{
    for (int anno = 1; anno <= 3; ++anno)
        CreaStorico(pagina, anno, 30 + (anno - 1) * 2295);
}

// One year of the training history: its year at the top right, four rows of
// courses under three column captions.
void Sezione2Form::CreaStorico(QFrame *pagina, int anno, int top)
{
    QGroupBox *riquadro = Riquadro(
        pagina, "2.5/A  Dati Storici del Soggetto Proponente - Esperienze possedute nel campo della Formazione", 45,
        top, 9180, 2280);
    if (anno == 1) {
        combo1_ = new ComboBox(false, riquadro);
        combo1_->setObjectName("Combo1");
        combo1_->setGeometry(TwipsRect(8070, 15, 990, 330));
    } else {
        Anno(Text2, anno - 2, riquadro, 8070, 15);
    }

    const int colonne[3][2] = {{4230, 1200}, {5520, 1650}, {7260, 1800}};
    const char *intestazioni[] = {"N° Interventi", "Durata complessiva in ore", "Ammontare del Finanziamento"};
    for (int c = 0; c < 3; ++c) {
        QLabel *intestazione = Etichetta(riquadro, intestazioni[c], colonne[c][0], 345, colonne[c][1], 390);
        intestazione->setWordWrap(true);
        intestazione->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    }

    const int primo = kPrimaStorico + (anno - 1) * 12;
    const char *righe[] = {"- Corsi liberi autorizzati dall'Assessorato Regionale al Lavoro",
                           "- Corsi realizzati con finanziamento o CoFinanziamento Pubblico",
                           "- Corsi realizzati su Commissione di Soggetti Privati",
                           "- Corsi realizzati con Finanziamento K.V.R."};
    // Boxes of each row: courses and hours, then the amount of the funded rows.
    const int prima[3] = {primo, primo + 2, primo + 5};
    const int quante[3] = {2, 3, 3};
    for (int r = 0; r < 3; ++r) {
        const int riga = 735 + r * 390;
        Etichetta(riquadro, righe[r], 90, riga, 4050, 390)->setWordWrap(true);
        for (int c = 0; c < quante[r]; ++c)
            Casella(prima[r] + c, riquadro, colonne[c][0], riga + 30, colonne[c][1]);
    }
    const int kvr = 735 + 3 * 390;
    Etichetta(riquadro, righe[3], 90, kvr + 68, 4050);
    Etichetta(riquadro, "N° Progetto", 4230, kvr + 68, 1000);
    for (int k = 0; k < 4; ++k)
        Casella(primo + 8 + k, riquadro, 5260 + k * 930, kvr, 870);
}

void Sezione2Form::CreaPagina3(QFrame *pagina)
{
    QGroupBox *risultati = Riquadro(
        pagina, "2.5/A  Risultati conseguiti dalle attività effettuate nel triennio precedente.", 45, 60, 9180, 3540);
    Etichetta(risultati, "Iscritti ", 90, 285, 1500);
    Etichetta(risultati, "N°", 3400, 480, 1500)->setAlignment(Qt::AlignCenter);
    Etichetta(risultati, "N°", 7000, 480, 1500)->setAlignment(Qt::AlignCenter);
    for (int r = 0; r < 3; ++r) {
        const int top = 675 + r * 390;
        Anno(Text3, r, risultati, 90, top);
        Etichetta(risultati, "Inizio attività", 1200, top + 68, 2100);
        Casella(79 + 2 * r, risultati, 3400, top, 1500);
        Etichetta(risultati, "Fine attività", 5000, top + 68, 1900);
        Casella(80 + 2 * r, risultati, 7000, top, 1500);
    }
    Etichetta(risultati, "N°", 7000, 1860, 1500)->setAlignment(Qt::AlignCenter);
    Etichetta(risultati, "Occupazione realizzata a seguito dell'attività (formazione al lavoro)", 90, 2055 + 68, 6800);
    Casella(kOccReal, risultati, 7000, 2055, 1500);
    Check3.Create(0, risultati, "Occupazione realizzata coerente con l'attività svolta")
        ->setGeometry(TwipsRect(90, 2430, 6800, 285));
    Etichetta(risultati, "N°", 7000, 2595, 1500)->setAlignment(Qt::AlignCenter);
    Etichetta(risultati, "Occupazione mantenuta (formazione sul lavoro)", 90, 2790 + 68, 6800);
    Casella(kOccMant, risultati, 7000, 2790, 1500);
    Check3.Create(1, risultati, "Occupazione mantenuta coerente con l'attività formativa svolta")
        ->setGeometry(TwipsRect(90, 3165, 6800, 285));

    QGroupBox *relazione =
        Riquadro(pagina, "2.5/A  Relazione sintetica sui risultati conseguiti", 45, 3660, 9180, 3240);
    CasellaSotto(87, "Valutazione d'efficacia e d'efficenza, occupazione realizzata.", relazione, 90, 285, 9000, 2700);
}

// The proposer's record, in the order in which it is stored and filled.
void Sezione2Form::LegaCampi()
{
    const auto caselle = [this](int da, int a) {
        campi_.Boxes(FieldBinding::BoxTable(kCaselle).subspan(da, a - da + 1), Text1);
    };
    campi_.Check(Check4, "ATS", P);
    campi_.Check(consorzi_->Check5, "finilucro1", P);
    campi_.Item(combo1_, "ComboAnno", P);
    caselle(0, 29);
    campi_.Options(&Option1, "AmbitoTerritoriale", P);
    caselle(30, 40);
    campi_.Mask({Check1[0], Check1[1], Check1[2], Check1[3]}, "SedeoSedi", P);
    caselle(41, kOccReal);
    campi_.Check(Check3[0], "OccRealCoerente", P);
    caselle(kOccMant, kOccMant);
    campi_.Check(Check3[1], "OccMantCoerente", P);
    caselle(kOccMant + 1, kNumeroCaselle - 1);
}

// --- Lifecycle -----------------------------------------------------------------

void Sezione2Form::Form_Load()
{
    WaitCursor attesa;
    NumeroFrame = 5;
    PiazzaForm();
    RiempiCombo();
    // The plan follows the current project's stored activity type; without
    // a project it stays as it is.
    const Passo piano{{"campi"}, [] {
                          if (TrovaProgetto())
                              CalcolaPagineSezione2(InteroMemorizzabile(TabPrincipale->Field("AttivitaFormativa")));
                      }};
    Riempi(*this, QList<Passo>{piano} + PassiRiempeTutto());
    PaginaCorrente = 0;
    PaginaVisibile();
}

// Opened when the window loads, or at a later fill when that failed.
void Sezione2Form::ApriElenchi()
{
    if (!DB)
        return;
    if (!DynATS)
        DynATS = DB->OpenRecordset("Select * from ATS where ID = ?", {IdProgetto});
    if (!DynConsorzi)
        DynConsorzi = DB->OpenRecordset("Select * from Consorzi where ID = ?", {IdProgetto});
    if (!DynCommittenti)
        DynCommittenti = DB->OpenRecordset("Select * from Committenti where ID = ?", {IdProgetto});
}

void Sezione2Form::Form_Activate()
{
    WaitCursor attesa;
    QList<Passo> passi = PassiRiempeTutto();
    // The consortium page is read again only on its own changes, and when
    // it could not be read.
    if (HoldsUnfilled("consorzi") && PageFrames::VisibleIndex(Frame2) == 5)
        passi.append({{"consorzi"}, [this] { RiempePaginaConsorzi(); }});
    Riempi(*this, passi);
}

void Sezione2Form::Form_Deactivate()
{
    WaitCursor attesa;
    Memorizza(*this, PassiRegistraTutto());
}

void Sezione2Form::Form_Unload()
{
    Memorizza(*this, PassiRegistraTutto());
}

void Sezione2Form::PiazzaForm()
{
    PageFrames::PiazzaForm(Frame2, NumeroFrame);
}

QList<Passo> Sezione2Form::PassiRegistraTutto()
{
    QList<Passo> passi{{{"campi"}, [this] { RegistraCampi(); }},
                       {{"ats"}, [this] { ats_->RegistraATs(); }},
                       {{"committenti"}, [this] { committenti_->RegistraCommittenti(); }}};
    // What was typed on the consortium page is not lost by leaving the window.
    if (PageFrames::VisibleIndex(Frame2) == 5)
        passi.append({{"consorzi"}, [this] { consorzi_->RegistraConsorzi(); }});
    return passi;
}

QList<Passo> Sezione2Form::PassiRiempeTutto()
{
    return {{{}, [this] { ApriElenchi(); }},
            {{"campi"}, [this] { RiempeCampi(); }},
            {{"ats"}, [this] { ats_->ElencaATS(); }},
            {{"committenti"}, [this] { committenti_->ElencaCommittenti(); }}};
}

void Sezione2Form::RegistraCampi()
{
    // A store that fails half-way leaves nothing behind for the next one:
    // every store and fill seeks the rows again, which drops what was assigned.
    if (!PosizionaProgetto())
        return;
    campi_.Store({TabPrincipale.get(), TabSecondario.get()});
    TabPrincipale->Update();
    TabSecondario->Update();
}

void Sezione2Form::RiempeCampi()
{
    if (!TrovaProgetto())
        return;
    campi_.Fill({TabPrincipale.get(), TabSecondario.get()});
}

// --- Pages ---------------------------------------------------------------------

int Sezione2Form::PaginaAllaPosizione(int posizione) const
{
    if (posizione < 0 || posizione >= int(PagineSezione2.size()))
        return NumeroFrame + 1;
    return PagineSezione2[posizione];
}

void Sezione2Form::PaginaVisibile()
{
    const int pagina = PaginaAllaPosizione(PaginaCorrente);
    if (pagina == 5)
        Riempi(*this, {"consorzi"}, [this] { RiempePaginaConsorzi(); });
    if (EPagina(pagina))
        PageFrames::ShowOnly(Frame2, pagina);
    if (Memorizza(*this, [this] { RegistraCampi(); }, {"campi"}))
        Riempi(*this, {"campi"}, [this] { RiempeCampi(); });
}

void Sezione2Form::RiempePaginaConsorzi()
{
    if (!DynConsorzi)
        return;
    // A proposer that is not a consortium has one row of its own, made
    // the first time its page is shown.
    if (!consorzi_->Check5->isChecked() && !DynConsorzi->HasCurrent() && TrovaProgetto()) {
        DynConsorzi->AddNew();
        DynConsorzi->SetField("Id", IdProgetto);
        DynConsorzi->Update();
    }
    consorzi_->ElencaConsorzi();
    if (DynConsorzi->HasCurrent())
        consorzi_->RiempeConsorzi();
}

// The part of the window that the page on screen stores when it is left:
// its list's member, none for a page without a list.
QStringList Sezione2Form::ElencoDellaPagina() const
{
    switch (PageFrames::VisibleIndex(Frame2)) {
    case 0:
        return {"ats"};
    case 4:
        return {"committenti"};
    case 5:
        return {"consorzi"};
    default:
        return {};
    }
}

// The list record of the page being left: the page on screen, whatever the
// plan says now.
void Sezione2Form::RegistraPaginaLasciata()
{
    switch (PageFrames::VisibleIndex(Frame2)) {
    case 0:
        ats_->RegistraATs();
        break;
    case 4:
        committenti_->RegistraCommittenti();
        break;
    case 5:
        consorzi_->RegistraConsorzi();
        break;
    default:
        break;
    }
}

// Before the first page section 1 opens without looking the project up.
void Sezione2Form::Command2_Click([[maybe_unused]] int Index)
{
    const Passo pagina{ElencoDellaPagina(), [this] { RegistraPaginaLasciata(); }};
    ScorriPagine{*this, PaginaCorrente, {pagina}, [this] { PaginaVisibile(); }}.Indietro(
        {.finestra = "Sezione1Form", .conProgetto = false});
}

// After the last page the whole record is stored once more (the consortium
// page, when it is the one shown, was stored as the page left), then
// section 3 opens when the project is found.
void Sezione2Form::Command1_Click([[maybe_unused]] int Index)
{
    const Passo pagina{ElencoDellaPagina(), [this] { RegistraPaginaLasciata(); }};
    ScorriPagine{*this, PaginaCorrente, {pagina}, [this] { PaginaVisibile(); }}.Avanti(
        [this](int posizione) { return EPagina(PaginaAllaPosizione(posizione)); },
        {.finestra = "Sezione3Form", .registra = {{{"campi"}, [this] { RegistraCampi(); }}}});
}

// --- Year list and switches ------------------------------------------------------

void Sezione2Form::RiempiCombo()
{
    combo1_->Clear();
    for (int anno = kPrimoAnno; anno <= kUltimoAnno; ++anno)
        combo1_->AddItem(QString::number(anno));
    combo1_->SetListIndex(0);
}

void Sezione2Form::Combo1_Click()
{
    const QStringList anni = TreAnni(combo1_->Text());
    Text3[0]->setText(anni[0]);
    Text2[0]->setText(anni[1]);
    Text2[1]->setText(anni[2]);
    Text3[1]->setText(anni[1]);
    Text3[2]->setText(anni[2]);
    committenti_->AggiornaAnni(anni[0]);
    consorzi_->AggiornaAnni(anni[0]);
}

void Sezione2Form::Check2_Click()
{
    const bool mostra = !Check2->isChecked();
    etichettaAttivita_->setVisible(mostra);
    Text1[42]->setVisible(mostra);
}
