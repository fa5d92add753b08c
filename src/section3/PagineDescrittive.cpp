#include "PagineDescrittive.h"

#include "FieldBinding.h"
#include "Impaginazione.h"
#include "Sezione3Form.h"
#include "TabOrder.h"
#include "Twips.h"
#include "WrappingCheckBox.h"

#include <QGroupBox>
#include <QLabel>

namespace {

// The rows the fields belong to, as Store and Fill take them.
enum Riga { P = 0, S = 1 };

constexpr auto T = FieldBinding::Text;
constexpr auto N = FieldBinding::Number;
constexpr Qt::Alignment kDestra = Qt::AlignRight | Qt::AlignVCenter;

// In store and fill order. Indexes 0, 26, 49, 120 and 122 are the target
// groups' texts; 1 to 6, 31, 50 to 58 and 78 to 101 are the editors'.
const FieldBinding::BoxDef kCaselle[] = {
    // Page 2.
    {7, "AnalisiContesto", T, 0, true, {}, P},
    {8, "DescrizioneSintetica", T, 0, true, {}, P},
    {9, "FoglioGrafico", T, 0, false, {}, P},
    // Page 3.
    {10, "ElementiPOP", T, 0, true, {}, P},
    {11, "CollegamentiPOP", T, 0, true, {}, P},
    {12, "PattiTerritoriali", T, 0, true, {}, P},
    {13, "Accordi", T, 0, true, {}, P},
    // Page 4.
    {14, "IndividuazioneUtenti", T, 0, true, {}, P},
    {23, "AutonomaFonti", T, 255, true, {}, P},
    {24, "RispostoEsigenze", T, 0, true, {}, P},
    {15, "MantenimentoN", N, 10, false, kDestra, P},
    {16, "MantenimentoPresso", T, 120, false, {}, P},
    {17, "CreazioneN", N, 10, false, kDestra, P},
    {18, "CreazionePresso", T, 120, false, {}, P},
    {19, "MiglioramentoN", N, 10, false, kDestra, P},
    {20, "MiglioramentoPresso", T, 120, false, {}, P},
    {21, "AutonomaN", N, 10, false, kDestra, P},
    {22, "AutonomaPresso", T, 120, false, {}, P},
    // Page 5.
    {25, "Seinterventoadeguare", T, 0, true, {}, P},
    {27, "SeinterventoSuppo", T, 0, true, {}, P},
    {28, "SeinterventoProcessi", T, 0, true, {}, P},
    // Page 6.
    {29, "VerificaCompetenze", T, 0, true, {}, P},
    {30, "Normative", T, 0, true, {}, P},
    {32, "Pubblicizzazione", T, 0, true, {}, P},
    {33, "Modalita", T, 0, true, {}, P},
    // Page 7.
    {34, "DescrModuliOrienta", T, 0, true, {}, P},
    {45, "DescrModuliFormax", T, 0, true, {}, P},
    {46, "LinguaStr2", T, 120, false, {}, P},
    {47, "Metodologie", T, 0, true, {}, P},
    {35, "OrePrevPratica", N, 10, false, kDestra, S},
    {36, "OrePrevTeoria", N, 10, false, kDestra, S},
    {37, "OrePrevEsercit", N, 10, false, kDestra, S},
    {38, "OrePrevVisite", N, 10, false, kDestra, S},
    {39, "OrePrevStage", N, 10, false, kDestra, S},
    {40, "OrePrevPw", N, 10, false, kDestra, S},
    {41, "Giorni", N, 0, false, kDestra, S},
    {42, "Mesi", N, 0, false, kDestra, S},
    {43, "AllieviPrevisti", N, 10, false, kDestra, S},
    {44, "AllievePreviste", N, 10, false, kDestra, S},
    // Page 8.
    {48, "VerificheAllievi", T, 0, true, {}, P},
    {59, "VerificheDocenti", T, 0, true, {}, P},
    {60, "VerificheRisultati", T, 0, true, {}, P},
    {61, "VerificheFinali", T, 0, true, {}, P},
    // Page 11: stages, then study visits.
    {62, "SedeStage", T, 120, true, {}, S},
    {63, "AziendaStruttura", T, 0, true, {}, S},
    {64, "TempiSvolgStage", T, 0, true, {}, S},
    {65, "DurataStage", T, 0, true, {}, S},
    {66, "FinalitaStage", T, 0, true, {}, S},
    {67, "SedeVisite", T, 120, true, {}, S},
    {68, "AziendaStrutturaVisite", T, 0, true, {}, S},
    {69, "TempiSvolgVisite", T, 0, true, {}, S},
    {70, "DurataVisite", T, 0, true, {}, S},
    {71, "FinalitaVisite", T, 0, true, {}, S},
    // Page 12.
    {72, "SedeSvolgimento", T, 120, true, {}, S},
    {73, "DocentiPrevisti", T, 0, true, {}, S},
    {74, "TempiSvolgimento", T, 0, true, {}, S},
    {75, "Durata", T, 0, true, {}, S},
    {76, "ObiettivieContenuti", T, 0, true, {}, S},
    {77, "LocaliProj", T, 0, true, {}, S},
    {102, "ModalitaOrganizz", T, 0, true, {}, S},
    {103, "Attrezzatureemateriali", T, 0, true, {}, S},
    {104, "Elementicoerenza", T, 0, true, {}, S},
    // Page 13.
    {105, "RicercaFabbisogno", T, 0, true, {}, S},
    {106, "RicercaAmbito", T, 0, true, {}, S},
    {107, "RicercaObiettivi", T, 0, true, {}, S},
    {108, "RicercaModello", T, 0, true, {}, S},
    // Pages 15 and 16: title, experience and activities of each profile.
    {109, "TitoloCoor", T, 120, false, {}, S},
    {110, "EsperienzeCoor", T, 0, true, {}, S},
    {111, "AttivitaCoor", T, 0, true, {}, S},
    {112, "TitoloTut", T, 120, false, {}, S},
    {113, "EsperienzeTut", T, 0, true, {}, S},
    {114, "AttivitaTut", T, 0, true, {}, S},
    {115, "TitoloTutimp", T, 120, false, {}, S},
    {116, "EsperienzeTutimp", T, 0, true, {}, S},
    {117, "AttivitaTutimp", T, 0, true, {}, S},
    {118, "TitoloAL", T, 120, false, {}, S},
    {119, "EsperienzeAL", T, 0, true, {}, S},
    {121, "AttivitaAL", T, 0, true, {}, S},
    {123, "TitoloSD", T, 120, false, {}, S},
    {124, "EsperienzeSD", T, 0, true, {}, S},
    {125, "AttivitaSD", T, 0, true, {}, S},
    {126, "AttivitaSA", T, 0, true, {}, S},
};

// The company needs of 3.14 and the self-employment box of 3.12, in Check1.
constexpr int kAdeguare = 19;
constexpr int kAutonoma = 22;
constexpr int kDelega = 28;

constexpr int kSinistra = 45;     // a page's frames: left edge
constexpr int kLarghezza = 9180;  // and width
constexpr int kInterno = 90;      // a frame's contents: left edge
constexpr int kLargo = 9000;      // and width
constexpr int kRiga = Impaginazione::kRiga;
constexpr int kCasella = Impaginazione::kCasella;
constexpr int kTitolo = Impaginazione::kTitolo;

}  // namespace

void PagineDescrittive::Crea()
{
    CreaPagina2(form_.Frame1[2]);
    CreaPagina3(form_.Frame1[3]);
    CreaPagina4(form_.Frame1[4]);
    CreaPagina5(form_.Frame1[5]);
    CreaPagina6(form_.Frame1[6]);
    CreaPagina7(form_.Frame1[7]);
    CreaPagina8(form_.Frame1[8]);
    CreaPagina11(form_.Frame1[11]);
    CreaPagina12(form_.Frame1[12]);
    CreaPagina13(form_.Frame1[13]);
    CreaProfili(form_.Frame1[15], 0);
    CreaProfili(form_.Frame1[16], 3);
    CreaPagineEditori();
}

void PagineDescrittive::Lega(FieldBinding &campi, FieldBinding &copie) const
{
    for (const FieldBinding::BoxDef &d : kCaselle) {
        campi.Box(form_.Text1[d.index], d);
        // Each 3.14 need follows its box's place in the order.
        if (d.index == 25)
            campi.Check(form_.Check1[kAdeguare], "Adeguare", P);
        else if (d.index == 27)
            campi.Check(form_.Check1[kAdeguare + 1], "Supportare", P);
        else if (d.index == 28)
            campi.Check(form_.Check1[kAdeguare + 2], "SupportareProcessi", P);
    }
    campi.Options(&form_.Option1, "lingua", P);
    campi.Check(form_.Check1[kDelega], "DelegaTerzi", S);

    // Section 1 shows the planned hours and trainees as its own.
    copie.Box(form_.Text1[36], "OreTeoria", N, S);
    copie.Box(form_.Text1[35], "OrePratica", N, S);
    copie.Box(form_.Text1[43], "Allievi", N, S);
    copie.Box(form_.Text1[44], "Allieve", N, S);
}

// --- Helpers -------------------------------------------------------------------

QWidget *PagineDescrittive::Casella(int indice, QWidget *padre, int left, int top, int width, int height)
{
    const FieldBinding::BoxDef &d = FieldBinding::Find(kCaselle, indice);
    return impagina_.Casella(indice, padre, d.limit, d.multiLine, left, top, width, height, d.alignment);
}

QWidget *PagineDescrittive::CasellaSotto(int indice, const QString &etichetta, QWidget *padre, int left, int top,
                                         int width, int height)
{
    impagina_.Etichetta(padre, etichetta, left, top, width);
    return Casella(indice, padre, left, top + kRiga, width, height);
}

void PagineDescrittive::Descrizione(QWidget *pagina, const QString &titolo, const QString &etichetta, int righe,
                                    int indice, int top, int height)
{
    QGroupBox *riquadro = impagina_.Riquadro(pagina, titolo, kSinistra, top, kLarghezza, height);
    int y = kTitolo;
    if (!etichetta.isEmpty()) {
        impagina_.Etichetta(riquadro, etichetta, kInterno, y, kLargo, righe * kRiga);
        y += righe * kRiga + 15;
    }
    Casella(indice, riquadro, kInterno, y, kLargo, height - y - 90);
}

void PagineDescrittive::Coppia(ControlArray<QRadioButton> &opzioni, QWidget *padre, int indice, const QString &prima,
                               const QString &seconda, int left, int top, bool affiancate)
{
    opzioni.Create(indice, padre, prima)->setGeometry(TwipsRect(left, top, affiancate ? 1500 : 3300, 255));
    const QRect secondo = affiancate ? TwipsRect(left + 1650, top, 1500, 255) : TwipsRect(left, top + 270, 3300, 255);
    opzioni.Create(indice + 1, padre, seconda)->setGeometry(secondo);
}

// --- Pages -----------------------------------------------------------------------

void PagineDescrittive::CreaPagina2(QFrame *pagina)
{
    Descrizione(pagina, "3.5 Analisi del Contesto.",
                "Descrivere il fabbisogno a cui il progetto intende rispondere, il bacino territoriale cui "
                "l'intervento si riferisce, il settore economico interessato (indicare le fonti delle informazioni - "
                "studi e ricerche specifiche). Specificare il tipo di analisi qualitativa e quantitativa svolta in "
                "relazione ai fabbisogni aziendali ed al mercato del lavoro. Indicare in che termini il progetto "
                "risponde ai fabbisogni emersi.",
                5, 7, 30, 2970);
    Descrizione(pagina, "3.6 Descrizione sintetica del Progetto.",
                "Descrivere in particolare, gli obiettivi, i destinatari, le modalità di realizzazione, i risultati "
                "che si intendono conseguire.",
                2, 8, 3060, 2010);
    form_.RiquadroGrafico =
        impagina_.Riquadro(pagina, "3.7 Rappresentazione grafica della struttura dell'intervento progettato.",
                           kSinistra, 5130, kLarghezza, 1755);
    impagina_.Etichetta(
        form_.RiquadroGrafico,
        "Descrivere l'articolazione in FASI dell'intervento nel suo complesso utilizzando una "
        "esemplificazione grafica (indicando nel periodo di riferimento - mese/trimestre - quali azioni "
        "si presume saranno svolte e quali costi si presume saranno sostenuti. Il prodotto da "
        "utilizzare per la realizzazione del grafico è una libera scelta dell'ente,è importante che il "
        "formato scelto per il 'file grafico' sia tra quelli elencati:",
        kInterno, kTitolo, kLargo, 5 * kRiga);
    impagina_.Etichetta(form_.RiquadroGrafico, "BMP - JPG - PCX - GIF - TIF", kInterno, 1365, 2250);
    // Room is left on the right for the buttons that choose and open the file.
    Casella(9, form_.RiquadroGrafico, 2400, 1305, 4500, kCasella);
}

void PagineDescrittive::CreaPagina3(QFrame *pagina)
{
    QGroupBox *coerenza = impagina_.Riquadro(pagina, "3.8  Elementi di coerenza con la programmazione regionale",
                                             kSinistra, 30, kLarghezza, 3450);
    CasellaSotto(10, "Indicare il collegamento con le priorità trasversali e di misura.", coerenza, kInterno, kTitolo,
                 kLargo, 1170);
    impagina_.Etichetta(coerenza,
                        "Interrelazioni maturate con il sistema sociale e produttivo presente sul territorio.",
                        kInterno, 1710, kLargo);
    impagina_.Etichetta(coerenza,
                        "Indicare le attività realizzate, non formative, che testimoniano il legame con il sistema "
                        "delle imprese e del mercato del lavoro sul territorio di riferimento.",
                        kInterno, 1905, kLargo, 2 * kRiga);
    Casella(11, coerenza, kInterno, 2310, kLargo, 1050);
    Descrizione(pagina, "3.9  Patti Territoriali",
                "Se il progetto proposto è stato sviluppato nell'ambito della programmazione negoziata descrivere le "
                "modalità del collegamento",
                2, 12, 3540, 1650);
    Descrizione(pagina, "3.10  Progetti integrati",
                "Indicare se si tratta di integrazione di azioni o di integrazione di soggetti, specificando le "
                "modalità e , nel secondo caso, indicare per ogni soggetto l'attività e la parte di finanziamento di "
                "riferimento.",
                2, 13, 5250, 1650);
}

void PagineDescrittive::CreaPagina4(QFrame *pagina)
{
    Descrizione(pagina, "3.11  Individuazione dei destinatari.",
                "Indicare in che modo sono individuati i destinatari dell'attività progettuale nel caso di azioni "
                "promosse dalle imprese indicare i legami esistenti fra il soggetto proponente e le aziende titolari "
                "del rapporto di lavoro.",
                3, 14, 30, 1710);

    QGroupBox *prospettive =
        impagina_.Riquadro(pagina, "3.12  Concrete prospettive occupazionali.", kSinistra, 1800, kLarghezza, 3030);
    impagina_.Etichetta(prospettive, "Per N° Unità", 3960, kTitolo, 1050)->setAlignment(Qt::AlignCenter);
    impagina_.Etichetta(prospettive, "Presso", 5100, kTitolo, 3990)->setAlignment(Qt::AlignCenter);
    const char *righe[] = {"Mantenimento di posti di lavoro esistenti", "Creazione di nuovi posti di lavoro*",
                           "Miglioramento delle professionalità esistenti "};
    for (int r = 0; r < 4; ++r) {
        const int top = 495 + r * 360;
        if (r < 3) {
            impagina_.Etichetta(prospettive, righe[r], kInterno, top + 60, 3800);
        } else {
            // Not stored: it only enables the funding-sources box below.
            QCheckBox *autonoma = form_.Check1.Create(kAutonoma, prospettive, "Creazione di attività autonoma");
            autonoma->setGeometry(TwipsRect(kInterno, top + 30, 3800, 255));
        }
        Casella(15 + 2 * r, prospettive, 3960, top, 1050, kCasella);
        Casella(16 + 2 * r, prospettive, 5100, top, 3990, kCasella);
    }
    impagina_.Etichetta(prospettive,
                        "*Allegare al formulario le lettere d'impegno all'assunzione da parte delle imprese", kInterno,
                        1965, kLargo);
    form_.EtichettaFonti =
        impagina_.Etichetta(prospettive, "Descrivere le fonti di finanziamento cui accedere per la creazione d'impresa",
                            kInterno, 2220, 3300, 3 * kRiga);
    Casella(23, prospettive, 3480, 2220, 5610, 720);
    form_.EtichettaFonti->setEnabled(false);
    form_.Text1[23]->setEnabled(false);

    Descrizione(pagina, "3.13  Risposte alle esigenze dei partecipanti per la formazione al lavoro.",
                "Indicare se si è in grado di garantire l'inserimento diretto dei formati nel mondo del lavoro, anche "
                "attraverso la creazione di attività autonoma specificando numero di soggetti coinvolti, tipo di "
                "rapporto lavorativo e le aziende interessate e quali misure di accompagnamento verranno attivate.",
                3, 24, 4920, 1980);
}

void PagineDescrittive::CreaPagina5(QFrame *pagina)
{
    QGroupBox *esigenze =
        impagina_.Riquadro(pagina, "3.14 Risposte alle esigenze delle imprese per la formazione sul lavoro.", kSinistra,
                           30, kLarghezza, 6840);
    const char *bisogni[] = {
        "Adeguare le professionalità aziendali ai processi di innovazione tecnologica ed organizzitivi realizzati o "
        "avviati.",
        "Supportare l'inserimento di nuovi assunti o la mobilità all'interno delle funzioni e strutture aziendali",
        "Supportare i processi di Ristrutturazione/Riconversione aziendale."};
    const char *domande[] = {
        "A- Quali innovazioni sono state introdotte o programmate e qual'è l'entità degli investimenti realizzati o "
        "programmati per l'innovazione",
        "B- Quali sono le funzioni aziendali o quali sono le funzioni ed i ruoli aziendali maggiormente interessati "
        "dai processi di mobilità interna",
        "C- Quali sono gli aspetti della crisi aziendale, quali sono gli obiettivi, qual'è l'entità degli "
        "investimenti realizzati o programmati per la ristrutturazione o riconversione dell'azienda"};
    const int caselle[] = {25, 27, 28};
    for (int i = 0; i < 3; ++i) {
        const int top = kTitolo + i * 2175;
        auto *bisogno = new WrappingCheckBox(QString::fromUtf8(bisogni[i]), esigenze);
        form_.Check1.Add(kAdeguare + i, bisogno);
        bisogno->setGeometry(TwipsRect(kInterno, top, kLargo, 420));
        impagina_.Etichetta(esigenze, domande[i], kInterno, top + 450, kLargo, 2 * kRiga);
        // Enabled only while its need is checked; a disabled box keeps its text.
        Casella(caselle[i], esigenze, kInterno, top + 855, kLargo, 1230)->setEnabled(false);
    }
}

void PagineDescrittive::CreaPagina6(QFrame *pagina)
{
    Descrizione(pagina, "3.15  Modalità di verifica e certificazione delle competenze acquisite",
                "Conoscenze, competenze e capacità operative e relazionali, da sviluppare: (Descrivere per ciascuna "
                "figura professionale in uscita, le conoscenze e competenze di base, tecnico/professionali e "
                "trasversali da sviluppare cfr. D.M. 12 Marzo 1996)",
                3, 29, 30, 1920);
    Descrizione(pagina, "3.16  Normativa di riferimento che regola l'attività per il conseguimento della qualifica.",
                QString(), 0, 30, 2010, 1530);
    Descrizione(pagina, "3.17  Modalità di informazione e pubblicizzazione dell'intervento, azioni di diffusione.",
                QString(), 0, 32, 3600, 1530);
    Descrizione(pagina, "3.18  Modalità e criteri di selezione dei destinatari.",
                "Ad esempio: prove attitudinali di base, prove oggettive di competenza, prove di abilità, elaborati "
                "scritti, prove pratiche, colloqui, questionari, etc....",
                2, 33, 5190, 1710);
}

void PagineDescrittive::CreaPagina7(QFrame *pagina)
{
    Descrizione(pagina, "3.19  Descrivere le azioni formative (indicare obiettivi e durata).", QString(), 0, 34, 30,
                1140);
    Descrizione(pagina, "3.20  Descrivere non formative (indicare obiettivi e durata).", QString(), 0, 45, 1200, 1140);

    QGroupBox *lingua = impagina_.Riquadro(pagina, "3.21 2°Lingua Straniera Prevista.", kSinistra, 2370, 3900, 1095);
    form_.Option1.Create(0, "Francese", lingua)->setGeometry(TwipsRect(135, kTitolo + 15, 1500, 255));
    form_.Option1.Create(1, "Tedesco.", lingua)->setGeometry(TwipsRect(1800, kTitolo + 15, 1500, 255));
    form_.Option1.Create(2, "Spagnolo.", lingua)->setGeometry(TwipsRect(135, 675, 1500, 255));
    // The fourth option names the language typed beside it.
    form_.Option1.Create(3, QString(), lingua)->setGeometry(TwipsRect(1800, 675, 285, 255));
    Casella(46, lingua, 2100, 645, 1710, kCasella);

    QGroupBox *metodologie = impagina_.Riquadro(pagina, "3.22  Metodologie utilizzate.", 4005, 2370, 5220, 1095);
    CasellaSotto(47, "Descrivere per ogni singola azione", metodologie, kInterno, kTitolo, 5040, 585);

    CreaOre(pagina);
}

// 3.23 and 3.24: the planned hours and trainees with their totals.
void PagineDescrittive::CreaOre(QWidget *pagina)
{
    QGroupBox *durata = impagina_.Riquadro(pagina, "3.23  Durata delle azioni formative.", kSinistra, 3525, 6030, 2820);
    // The hours and days, then the column of the parts of the practice hours.
    TabOrder::ReadColumnsFirst(durata);
    const auto riga = [&](const QString &etichetta, int left, int top, int width) {
        impagina_.Etichetta(durata, etichetta, left, top + 60, width);
    };
    const auto risultato = [&](int left, int top, int width) {
        auto *casella = new QLineEdit(durata);
        casella->setAlignment(kDestra);
        casella->setGeometry(TwipsRect(left, top, width, kCasella));
        return casella;
    };
    riga("Ore Pratica Previste", kInterno, 585, 1800);
    Casella(35, durata, 1950, 585, 900, kCasella);
    riga("Ore Teoria Previste", kInterno, 945, 1800);
    Casella(36, durata, 1950, 945, 900, kCasella);
    riga("Ore Totali Previste", kInterno, 1305, 1800);
    form_.Text2 = risultato(1950, 1305, 900);
    form_.Text2->setObjectName("Text2");
    form_.Text2->setEnabled(false);
    riga("Giorni Totali Previsti", kInterno, 1845, 1800);
    Casella(41, durata, 1950, 1845, 900, kCasella);
    riga("Mesi Totali Previsti", kInterno, 2205, 1800);
    Casella(42, durata, 1950, 2205, 900, kCasella);

    impagina_.Etichetta(durata, "Di cui...", 3060, kTitolo, 1500);
    const char *tipi[] = {"Esercitazioni didattiche", "Visite didattiche", "Stages", "Projects Work"};
    for (int i = 0; i < 4; ++i) {
        riga(tipi[i], 3060, 585 + i * 360, 2010);
        Casella(37 + i, durata, 5130, 585 + i * 360, 810, kCasella);
    }
    form_.Text3 = risultato(5130, 585 + 4 * 360, 810);
    form_.Text3->setObjectName("Text3");
    form_.Text3->setEnabled(false);
    form_.Label2 = new QLabel("ATTENZIONE! Totale 'ORE Pratica' non corretto!", durata);
    form_.Label2->setObjectName("Label2");
    form_.Label2->setStyleSheet("color: red");
    // Under the total box, clear of it.
    form_.Label2->setGeometry(TwipsRect(3060, 585 + 4 * 360 + kCasella + 45, 2900, 2 * kRiga));
    form_.Label2->setWordWrap(true);
    form_.Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    form_.Label2->hide();

    QGroupBox *indicatori = impagina_.Riquadro(pagina, "3.24  Indicatori fisici previsti.", 6165, 3525, 3060, 1590);
    const char *allievi[] = {"Uomini", "Donne"};
    for (int i = 0; i < 2; ++i) {
        impagina_.Etichetta(indicatori, allievi[i], kInterno, 405 + i * 360, 1200);
        Casella(43 + i, indicatori, 1380, 345 + i * 360, 1500, kCasella);
    }
    impagina_.Etichetta(indicatori, "Totale", kInterno, 405 + 2 * 360, 1200);
    // The next change of either figure overwrites what is typed here.
    form_.Text4 = new QLineEdit(indicatori);
    form_.Text4->setObjectName("Text4");
    form_.Text4->setAlignment(kDestra);
    form_.Text4->setGeometry(TwipsRect(1380, 345 + 2 * 360, 1500, kCasella));
}

void PagineDescrittive::CreaPagina8(QFrame *pagina)
{
    const char *titoli[] = {"3.25  Valutazione.", "3.26  Monitoraggio.", "3.27  Valutazione qualitativa.",
                            "3.28  Verifiche e valutazioni intermedie e finali."};
    const int caselle[] = {48, 59, 60, 61};
    for (int i = 0; i < 4; ++i)
        Descrizione(pagina, titoli[i],
                    i < 3 ? "Indicare la Tipologia e le Modalità di svolgimento"
                          : "Indicare le Modalità di svolgimento.",
                    1, caselle[i], 30 + i * 1305, 1260);
    // The certificates of 3.29 stand below them (the target groups' page builds them).
}

void PagineDescrittive::CreaPagina11(QFrame *pagina)
{
    CreaStagesVisite(impagina_.Riquadro(pagina, "3.31  Organizzazione Stages", kSinistra, 30, kLarghezza, 3390), 62,
                     false, 0);
    CreaStagesVisite(
        impagina_.Riquadro(pagina, "3.33  Organizzazione Visite Didattiche", kSinistra, 3480, kLarghezza, 3390), 67,
        true, 2);
}

void PagineDescrittive::CreaStagesVisite(QGroupBox *riquadro, int primo, bool visite, int coppia)
{
    constexpr int kDestraX = 4110;
    constexpr int kSinistraW = 3900, kDestraW = 4980;
    CasellaSotto(primo, "Sede di svolgimento", riquadro, kInterno, kTitolo, kSinistraW, 690);
    CasellaSotto(primo + 1, "Azienda e/o struttura utilizzata", riquadro, kDestraX, kTitolo, kDestraW, 690);
    CasellaSotto(primo + 2, "Tempi di Svolgimento", riquadro, kInterno, 1245, kSinistraW, 690);
    CasellaSotto(primo + 4, "Finalità ed Elementi di coerenza con il percorso formativo", riquadro, kDestraX, 1245,
                 kDestraW, 690);
    if (visite) {
        impagina_.Etichetta(riquadro,
                            "Durata (La durata dello Stage non potrà essere inferiore al 10% della durata complessiva "
                            "dell'intervento)",
                            kInterno, 2205, 5910, 2 * kRiga);
        Casella(primo + 3, riquadro, kInterno, 2610, 5910, 675);
    } else {
        CasellaSotto(primo + 3, "Durata", riquadro, kInterno, 2205, 5910, 885);
    }
    Coppia(form_.Option2, riquadro, coppia, "In Itinere", "Finale", 6300, 2520, false);
}

void PagineDescrittive::CreaPagina12(QFrame *pagina)
{
    QGroupBox *riquadro =
        impagina_.Riquadro(pagina, "3.32  Organizzazione Projects Work", kSinistra, 30, kLarghezza, 6840);
    const char *etichette[] = {"Sede di Svolgimento",
                               "Docenti Previsti",
                               "Tempi di Svolgimento",
                               "Durata",
                               "Obiettivi e Contenuti",
                               "Locali",
                               "Modalità Organizzative",
                               "Attrezzature e Materiali Didattici",
                               "Elementi di coerenza con il percorso formativo"};
    const int caselle[] = {72, 73, 74, 75, 76, 77, 102, 103, 104};
    for (int i = 0; i < 9; ++i) {
        const int left = kInterno + (i % 3) * 3030;
        const int top = kTitolo + (i / 3) * 2070;
        impagina_.Etichetta(riquadro, etichette[i], left, top, 2940, 2 * kRiga);
        Casella(caselle[i], riquadro, left, top + 2 * kRiga, 2940, 1620);
    }
    Coppia(form_.Option2, riquadro, 4, "In Itinere", "Finale", kInterno, 6510, true);
}

void PagineDescrittive::CreaPagina13(QFrame *pagina)
{
    QGroupBox *ricerca = impagina_.Riquadro(pagina, "3.33  Azione Ricerca", kSinistra, 30, kLarghezza, 6840);
    constexpr int kMezzo = 4440;
    constexpr int kDestraX = kInterno + kMezzo + 120;
    CasellaSotto(105, "Descrivere a quali fabbisogni risponde la ricerca", ricerca, kInterno, kTitolo, kMezzo, 2880);
    CasellaSotto(106, "Descrivere sinteticamente l'ambito dell'indagine", ricerca, kDestraX, kTitolo, kMezzo, 2880);
    CasellaSotto(107, "Descrivere gli obiettivi dell'indagine", ricerca, kInterno, 3450, kMezzo, 3000);
    impagina_.Etichetta(ricerca, "Tracciare il modello generale della ricerca", kDestraX, 3450, kMezzo);
    impagina_.Etichetta(ricerca,
                        "Individuando dettagliatamente fasi, obiettivi, metodologie, strumenti, risorse coinvolte e "
                        "tempi",
                        kDestraX, 3645, kMezzo, 2 * kRiga);
    Casella(108, ricerca, kDestraX, 4050, kMezzo, 2600);
}

// Three staff profiles of a page, from the profile numbered primoProfilo
// (0 coordination ... 5 administrative secretariat).
void PagineDescrittive::CreaProfili(QFrame *pagina, int primoProfilo)
{
    const char *titoli[] = {"3.35  Coordinamento", "3.36  Tutor",      "3.37  Tutor d'Impresa",
                            "3.38  Ricercatori",   "3.39  Segreteria", "3.40  Segreteria Amministrativa"};
    // Title, experience and activities boxes of each profile; 0: none.
    const int caselle[6][3] = {{109, 110, 111}, {112, 113, 114}, {115, 116, 117},
                               {118, 119, 121}, {123, 124, 125}, {0, 0, 126}};
    for (int i = 0; i < 3; ++i) {
        const int profilo = primoProfilo + i;
        QGroupBox *riquadro = impagina_.Riquadro(pagina, titoli[profilo], kSinistra, 30 + i * 2295, kLarghezza, 2235);
        Coppia(form_.Option3, riquadro, 2 * profilo, "Interno all'Organismo", "Esterno all'Organismo", 5790, 300,
               false);
        const int *c = caselle[profilo];
        if (c[0] == 0) {
            CasellaSotto(c[2], "Attività previste", riquadro, kInterno, 855, kLargo, 1095);
            continue;
        }
        CasellaSotto(c[0], "Titolo di Studio", riquadro, kInterno, kTitolo, 5460, kCasella);
        CasellaSotto(c[1], "Esperienze professionali", riquadro, kInterno, 855, 4440, 1095);
        CasellaSotto(c[2], "Attività previste", riquadro, 4650, 855, 4440, 1095);
    }
}

void PagineDescrittive::CreaPagineEditori()
{
    form_.RiquadroModuli = impagina_.Riquadro(form_.Frame1[9], "3.30  Programma Didattico (Elencare i moduli).",
                                              kSinistra, 30, kLarghezza, 6840);
    form_.RiquadroAzioni =
        impagina_.Riquadro(form_.Frame1[10], "3.30A Azione non formativa.", kSinistra, 30, kLarghezza, 6840);
    form_.RiquadroDelega =
        impagina_.Riquadro(form_.Frame1[14], "3.34  Delega a Terzi", kSinistra, 30, kLarghezza, 6840);
    form_.Check1
        .Create(kDelega, form_.RiquadroDelega,
                "E' stata presentata nell'istanza, richiesta di deroga del divieto di delega dell' attività formativa")
        ->setGeometry(TwipsRect(135, kTitolo + 15, 8900, 255));
}
