#include "PagineSezione4.h"

#include "EditableGrid.h"
#include "ElencoAzioni.h"
#include "Importi.h"
#include "ListBox.h"
#include "PageFrames.h"
#include "RichTextBox.h"
#include "Sezione4Controlli.h"
#include "TextBox.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr Qt::Alignment Dx = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Centro = Qt::AlignCenter;

// The fixed grids: the trainees' indemnities (page 1) and the resources for
// preparing the action (page 2), one line a column. For the indemnities the
// form gives the row captions 1590, too narrow for "Incentivi
// all'occupaz.", the count 705, too narrow for its caption, the amount 1455
// and the total 1740, narrower here so that the grid keeps clear of its
// total box.
const QList<GridColumn> kIndennita = {
    {"", 1830},
    {"N° Dest.", 750, {}, Dx},
    {"Indennità", Importi::kLarghezzaColonna, {}, Dx},
    {"N° Ore/Mesi", 1140, {}, Dx},
    {"Totale", 1650, {}, Dx},
};
const char *const kRigheIndennita[] = {"Disoccupati", "Retrib.Occupati", "Sostegno al Reddito",
                                       "Incentivi all'occupaz."};

// For the resources the form gives the row captions 4200 (the amounts take
// the room), the choice 705 (too narrow for "Esterno" and "Nessuna"), the
// counts 690 and 780 (too narrow for their captions) and the amounts 1050
// and 1245.
const QList<GridColumn> kRisorse = {
    {"RISORSE", 3120},
    {"Int/Est", 870, "Interno|Esterno"},
    {"N°Sogg.", 735, {}, Dx},
    {"N°ore/GG", 900, {}, Dx},
    {"Costo", Importi::kLarghezzaColonna, {}, Dx},
    {"Totale", Importi::kLarghezzaColonna, {}, Dx},
};
const char *const kRigheRisorse[] = {"Progettazione", "Elaborazione dispense", "Preparazione materiale per la F.A.D."};

// The label of a total box followed by a dotted leader.
const char *const kTotalePuntini = "Totale. . . . . . . . . ";

const char *const kIstruzioni =
    "Nella casella di selezione sottostante sono state riepilogate le azioni precedentemete selezionate nella "
    "Sezione 3. Per accedere alle voci di spesa previste per ogni singola azione, basterà selezionare l'azione "
    "richiesta con un doppio click per passare alla pagina successiva. Dopo la compilazione di ogni singola azione "
    "il totale generato verrà riportato accanto ad ogni singola voce.";

const char *const kSpiegazioneStampa =
    "Il progetto, prima di essere stampato, deve essere costruito secondo le scelte effettuate dall'utente in fase "
    "di compilazione. La durata di questa fase di preparazione risente della complessità del progetto caricato e "
    "potrebbe durare qualche minuto. L'utente può scegliere la stampa del progetto o la generazione di un testo "
    "successivamente disponibile per un editor come WordPad o WinWord. La stampa attraverso WinWord aggiunge dei "
    "riquadri e consente di personalizzare il progetto con intestazione e piè di pagina.";

// Page on which each foot label Label2(k) stands.
constexpr int kPaginaDelPiede[] = {1, 2, 3, 4, 5, 6, 9, 8, 7};

QFont Grassetto(QFont font, double punti = 0)
{
    font.setBold(true);
    if (punti > 0)
        font.setPointSizeF(punti);
    return font;
}

// A label's text followed by dots up to the label's width.
void ConPuntini(QLabel *etichetta)
{
    const QFontMetrics metrica(etichetta->font());
    QString testo = etichetta->text() + " ";
    while (metrica.horizontalAdvance(testo + ". ") < etichetta->width())
        testo += ". ";
    etichetta->setText(testo);
}

}  // namespace

int PagineSezione4::PaginaDelPiede(int k)
{
    return k >= 0 && k < int(std::size(kPaginaDelPiede)) ? kPaginaDelPiede[k] : -1;
}

PagineSezione4::PagineSezione4(Sezione4Controlli &ui, QWidget *finestra) : ui_(ui)
{
    for (int i = 0; i <= 11; ++i) {
        QFrame *pagina = PageFrames::CreatePage(ui_.Frame1, i, finestra);
        if (i <= 10) {
            PageFrames::CreateArrow(ui_.Command1, i, pagina, false);
            PageFrames::CreateArrow(ui_.Command2, i, pagina, true);
        }
    }
    using Costruisci = void (PagineSezione4::*)(QFrame *);
    const Costruisci pagine[] = {&PagineSezione4::Pagina0, &PagineSezione4::Pagina1,  &PagineSezione4::Pagina2,
                                 &PagineSezione4::Pagina3, &PagineSezione4::Pagina4,  &PagineSezione4::Pagina5,
                                 &PagineSezione4::Pagina6, &PagineSezione4::Pagina7,  &PagineSezione4::Pagina8,
                                 &PagineSezione4::Pagina9, &PagineSezione4::Pagina10, &PagineSezione4::Pagina11};
    for (int i = 0; i <= 11; ++i)
        (this->*pagine[i])(ui_.Frame1[i]);
    for (int k = 0; k <= 8; ++k)
        Piede(ui_.Frame1[PaginaDelPiede(k)], k);
    for (const auto &[i, pagina] : ui_.Frame1) {
        if (ui_.Command1[i]) {
            ui_.Command1[i]->raise();
            ui_.Command2[i]->raise();
        }
    }
}

// ---------------------------------------------------------------- helpers

QGroupBox *PagineSezione4::Riquadro(QWidget *padre, const QString &titolo, int left, int top, int width, int height,
                                    const QString &nome)
{
    auto *riquadro = new QGroupBox(titolo, padre);
    if (!nome.isEmpty())
        riquadro->setObjectName(nome);
    riquadro->setGeometry(TwipsRect(left, top, width, height));
    return riquadro;
}

QLabel *PagineSezione4::Etichetta(QWidget *padre, const QString &testo, int left, int top, int width, int height)
{
    auto *etichetta = new QLabel(testo, padre);
    etichetta->setGeometry(TwipsRect(left, top, width, height));
    return etichetta;
}

QLabel *PagineSezione4::Titolo(QWidget *padre, const QString &testo, int left, int top, int width, int height)
{
    QLabel *titolo = Etichetta(padre, testo, left, top, width, height);
    titolo->setFont(Grassetto(titolo->font(), 10));
    return titolo;
}

TextBox *PagineSezione4::Importo(QWidget *padre, int left, int top, int width, bool scritto)
{
    auto *casella = new TextBox(padre);
    casella->setAlignment(Dx);
    casella->setGeometry(TwipsRect(left, top, width, 300));
    casella->setEnabled(scritto);
    return casella;
}

TextBox *PagineSezione4::Casella(const QString &nome, QWidget *padre, int left, int top, int width, bool scritto)
{
    TextBox *casella = Importo(padre, left, top, width, scritto);
    casella->setObjectName(nome);
    return casella;
}

TextBox *PagineSezione4::CostoText1(int indice, QWidget *padre, int left, int top, int width)
{
    TextBox *casella = Importo(padre, left, top, width, true);
    ui_.Text1.Add(indice, casella);
    return casella;
}

TextBox *PagineSezione4::TotaleSopra(const QString &nome, QWidget *padre, int left, int top, int etichetta, int width)
{
    QLabel *totale = Etichetta(padre, "Totale", left, top - 225, 1000);
    if (etichetta >= 0)
        ui_.Label1.Add(etichetta, totale);
    return Casella(nome, padre, left, top, width, false);
}

TextBox *PagineSezione4::TotaleAccanto(const QString &nome, QWidget *padre, int left, int top, int width)
{
    Etichetta(padre, kTotalePuntini, left - 1650, top + 45, 1600)->setAlignment(Dx);
    return Casella(nome, padre, left, top, width, false);
}

void PagineSezione4::Posto(const QString &griglia, QWidget *riquadro, int left, int top, int width, int height)
{
    ui_.PostiGriglie[griglia] = {riquadro, QRect(left, top, width, height)};
}

EditableGrid *PagineSezione4::GrigliaFissa(const QString &nome, int righe, const QList<GridColumn> &colonne,
                                           QWidget *padre, int left, int top)
{
    auto *griglia = new EditableGrid(righe, colonne, padre);
    griglia->setObjectName(nome);
    griglia->SetFixedCols(1);
    griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int larghezza = 2 * griglia->frameWidth();
    for (int c = 0; c < int(colonne.size()); ++c)
        larghezza += griglia->columnWidth(c);
    const int altezza = griglia->horizontalHeader()->sizeHint().height() + (righe - 1) * griglia->rowHeight(0)
                        + 2 * griglia->frameWidth();
    griglia->setGeometry(Twips(left), Twips(top), larghezza, altezza);
    return griglia;
}

void PagineSezione4::Piede(QFrame *pagina, int k)
{
    QLabel *piede = ui_.Label2.Create(k, pagina, QString());
    piede->setGeometry(TwipsRect(120, 7000, 7750, 300));
    piede->setFont(Grassetto(piede->font()));
}

// ---------------------------------------------------------------- pages

void PagineSezione4::Pagina0(QFrame *pagina)
{
    Titolo(pagina, "SEZIONE 4", 120, 90, 1500);
    Etichetta(pagina, "Riepilogo delle azioni selezionate nella", 1700, 120, 3600);
    Titolo(pagina, "SEZIONE 3", 5300, 90, 1500);
    QLabel *istruzioni = Etichetta(pagina, kIstruzioni, 120, 480, 9000, 840);
    istruzioni->setWordWrap(true);

    QGroupBox *azioni = Riquadro(pagina, "Azioni", 60, 1380, 9150, 4830);
    for (int g = 1; g <= 3; ++g) {
        const int top = 300 + (g - 1) * 1500;
        ui_.Label6.Add(g, Etichetta(azioni, ElencoAzioni::Titolo(g), 240, top, 8640));
        ListBox *lista = ui_.List1.Create(g, azioni);
        lista->setGeometry(TwipsRect(240, top + 225, 8640, 1035));
    }
    ui_.ButTotaleGenerale = new QPushButton("Vai a Totale Generale", pagina);
    ui_.ButTotaleGenerale->setObjectName("ButTotaleGenerale");
    ui_.ButTotaleGenerale->setGeometry(TwipsRect(120, 6950, 2400, 435));
}

void PagineSezione4::Pagina1(QFrame *pagina)
{
    Titolo(pagina, "SEZIONE 4", 120, 60, 1500);
    Titolo(pagina, "A -  Spese per i Destinatari dell'azione", 1700, 60, 6000);

    QGroupBox *indennita = Riquadro(pagina, "Indennità", 60, 390, 9150, 1650);
    ui_.VSFlexGrid1 = GrigliaFissa("VSFlexGrid1", 5, kIndennita, indennita, 120, 240);
    for (int r = 1; r <= 4; ++r)
        ui_.VSFlexGrid1->SetTextMatrix(r, 0, kRigheIndennita[r - 1]);
    ui_.Text2 = TotaleSopra("Text2", indennita, 7140, 1200, -1, 1900);

    QGroupBox *assicurazione = Riquadro(pagina, "Assicurazione", 60, 2100, 9150, 1000);
    Etichetta(assicurazione, "Assicurazione INAIL", 120, 300, 2500);
    CostoText1(0, assicurazione, 2700, 255);
    Etichetta(assicurazione, "Assicurazione in itinere", 120, 630, 2500);
    CostoText1(1, assicurazione, 2700, 585);
    ui_.Text3 = TotaleSopra("Text3", assicurazione, 6870, 585);

    const char *const riquadri[] = {"Residenzialità - Viaggi", "Vitto", "Alloggio"};
    const char *const totali[] = {"Text4", "Text5", "Text6"};
    TextBox **caselle[] = {&ui_.Text4, &ui_.Text5, &ui_.Text6};
    for (int i = 0; i < 3; ++i) {
        QGroupBox *riquadro = Riquadro(pagina, riquadri[i], 60, 3160 + i * 1250, 9150, 1230);
        Posto(QString("VSFlexGrid2(%1)").arg(i), riquadro, 105, 240, 5900, 930);
        *caselle[i] = TotaleSopra(totali[i], riquadro, 6870, 780);
    }
}

void PagineSezione4::Pagina2(QFrame *pagina)
{
    QGroupBox *stages = Riquadro(pagina, "Sez. A Spese per gli stages", 60, 60, 9150, 2460);
    Etichetta(stages, "Viaggi ", 120, 240, 3000);
    Posto("VSFlexGrid14(0)", stages, 120, 450, 4440, 1140);
    ui_.Text20 = TotaleAccanto("Text20", stages, 2640, 1650, 1900);
    Etichetta(stages, " Soggiorni ", 4680, 240, 3000);
    Posto("VSFlexGrid14(1)", stages, 4680, 450, 4440, 1140);  // 4380 in the form: the amounts take the room
    ui_.Text21 = TotaleAccanto("Text21", stages, 7140, 1650, 1900);
    Etichetta(stages, "Rimborso all'Azienda o Struttura Ospitante", 120, 2085, 5000);
    ui_.Text31 = Casella("Text31", stages, 7140, 2040, 1900, true);

    QGroupBox *preparazione = Riquadro(pagina,
                                       "4B Preparazione delle Attività (Progettazione e Promozione, "
                                       "Sensibilizzazione, Informazione, Selezione)",
                                       60, 2580, 9150, 4320);
    QGroupBox *risorse = Riquadro(preparazione, "Spese per...", 60, 240, 9030, 1860);
    ui_.VSFlexGrid8 = GrigliaFissa("VSFlexGrid8", 4, kRisorse, risorse, 120, 240);
    for (int r = 1; r <= 3; ++r)
        ui_.VSFlexGrid8->SetTextMatrix(r, 0, kRigheRisorse[r - 1]);
    // Before any record is loaded the first resource reads "Nessuna".
    ui_.VSFlexGrid8->SetTextMatrix(1, 1, "Nessuna");
    ui_.Text9 = TotaleAccanto("Text9", risorse, 6720, 1440);

    QGroupBox *selezione = Riquadro(preparazione, "Spese per...", 60, 2160, 9030, 1980);
    const char *const intestazioni[] = {"N° Soggetti", "Ore", "Costo"};
    for (int i = 0; i < 3; ++i) {
        Etichetta(selezione, intestazioni[i], 2400 + i * 1400, 255, 1300)->setAlignment(Centro);
        CostoText1(4 + i, selezione, 2400 + i * 1400, 480, 1300);
    }
    Etichetta(selezione, "Selezione", 120, 525, 2200);
    ui_.Text23 = TotaleSopra("Text23", selezione, 6720, 480);
    Etichetta(selezione, "(Nel caso di delega indicare solo il Costo)", 120, 900, 8000);
    Etichetta(selezione, "Promozione, Sensibilizzazione, Informazione", 120, 1485, 5000);
    ui_.Text32 = Casella("Text32", selezione, 6720, 1440, 2190, true);
}

void PagineSezione4::Pagina3(QFrame *pagina)
{
    QGroupBox *viaggi = Riquadro(pagina, "Sez.4B  Spese di Viaggio / Missioni", 60, 90, 9105, 6660, "Frame11");
    struct Parte
    {
        const char *titolo, *nome, *totale;
        int top, etichetta;
        TextBox **casella;
    };
    const Parte parti[] = {
        {"Viaggi", "Frame14", "Text12", 195, 25, &ui_.Text12},
        {"Vitto", "Frame12", "Text13", 2400, 26, &ui_.Text13},
        {"Pensione Completa", "Frame13", "Text14", 4590, 27, &ui_.Text14},
    };
    for (int i = 0; i < 3; ++i) {
        const Parte &p = parti[i];
        QGroupBox *riquadro = Riquadro(viaggi, p.titolo, i == 0 ? 60 : 45, p.top, 8970, 1965, p.nome);
        Posto(QString("VSFlexGrid7(%1)").arg(i), riquadro, 105, 240, 6570, 1635);
        *p.casella = TotaleSopra(p.totale, riquadro, 6720, 1260, p.etichetta);
    }
}

void PagineSezione4::Pagina4(QFrame *pagina)
{
    QGroupBox *strumenti = Riquadro(
        pagina, "4C  Strumenti per la realizzazione dell'azione, Spese generali e di Gestione", 60, 60, 9150, 6840);
    QGroupBox *attrezzature = Riquadro(strumenti,
                                       "Attrezzature Didattiche e/o usate per la didattica (Software, Manutenzione, "
                                       "Collegamenti Telematici,...)",
                                       60, 240, 9030, 3180);
    Etichetta(attrezzature, "Elenco dettagliato", 120, 240, 3000);
    Posto("VSFlexGrid10(0)", attrezzature, 105, 450, 8805, 2310);
    ui_.Text16 = TotaleAccanto("Text16", attrezzature, 6690, 2820);
    QGroupBox *servizi =
        Riquadro(strumenti, "Servizi e Materiali in dotazione collettiva (Materiali e Documentazione a Disposizione)",
                 60, 3480, 9030, 3240);
    Posto("VSFlexGrid10(1)", servizi, 105, 240, 8805, 2535);
    ui_.Text17 = TotaleAccanto("Text17", servizi, 6690, 2850);
}

void PagineSezione4::Pagina5(QFrame *pagina)
{
    QGroupBox *materiali = Riquadro(pagina, QString(), 60, 60, 9150, 6840);
    QGroupBox *individuale =
        Riquadro(materiali, "Sez. 4C  Materiale in Dotazione individuale e indumenti da lavoro", 60, 120, 9030, 3240);
    Posto("VSFlexGrid10(2)", individuale, 105, 240, 8805, 2535);
    ui_.Text19 = TotaleAccanto("Text19", individuale, 6690, 2850);
    QGroupBox *consumo =
        Riquadro(materiali, "Materiale di consumo e materie prime per esercitazioni", 60, 3420, 9030, 3180);
    Posto("VSFlexGrid13(0)", consumo, 105, 240, 8805, 2430);
    ui_.Text18 = TotaleAccanto("Text18", consumo, 6690, 2760);
}

void PagineSezione4::Pagina6(QFrame *pagina)
{
    QGroupBox *gestione = Riquadro(pagina, "Sez. 4C  Spese Generali e di Gestione", 60, 60, 9150, 6840);
    const char *const voci[] = {"Affitto Locali",         "Manutenzione",      "Riscaldamento",
                                "Energia Elettrica",      "Spese Telefoniche", "Spese Postali",
                                "Cancelleria Segreteria", "Perizie Tecniche",  "Personale Ausiliario",
                                "Imposte, Tasse e Oneri", "Fidejussioni"};
    for (int i = 0; i < 11; ++i) {
        const int top = 270 + i * 330;
        ConPuntini(Etichetta(gestione, voci[i], 240, top + 45, 6300));
        CostoText1(14 + i, gestione, 6690, top, 2190);
    }
    Posto("VSFlexGrid13(1)", gestione, 195, 3960, 8760, 1890);
    ui_.Text1.Add(8, TotaleAccanto(QString(), gestione, 7010, 6150, 1900));
}

void PagineSezione4::Pagina7(QFrame *pagina)
{
    QGroupBox *umane = Riquadro(pagina, "4D Risorse Umane", 30, 165, 9105, 6495, "Frame37");
    QGroupBox *spese = Riquadro(umane, "Spese per...", 75, 240, 8955, 6105, "Frame39");
    Posto("VSFlexGrid6", spese, 90, 240, 8775, 5445);
    QLabel *totale = Etichetta(spese, kTotalePuntini, 5190, 5805, 1600);
    totale->setAlignment(Dx);
    ui_.Label1.Add(84, totale);
    ui_.Text33 = Casella("Text33", spese, 6855, 5745, 2010, false);
}

void PagineSezione4::Pagina8(QFrame *pagina)
{
    QGroupBox *viaggi = Riquadro(pagina, "Sez.4D   Spese di Viaggio / Missioni", 75, 75, 9105, 5520, "Frame31");
    struct Parte
    {
        const char *titolo, *nome, *totale;
        int indice, top, altezza, etichetta;
        TextBox **casella;
    };
    const Parte parti[] = {
        {"Viaggi", "Frame36", "Text11", 5, 195, 1770, 69, &ui_.Text11},
        {"Vitto", "Frame35", "Text10", 4, 1950, 1770, 67, &ui_.Text10},
        {"Pensione Completa", "Frame34", "Text8", 3, 3720, 1740, 66, &ui_.Text8},
    };
    for (const Parte &p : parti) {
        QGroupBox *riquadro = Riquadro(viaggi, p.titolo, 60, p.top, 8970, p.altezza, p.nome);
        Posto(QString("VSFlexGrid7(%1)").arg(p.indice), riquadro, 105, p.indice == 3 ? 195 : 240, 6570, 1440);
        *p.casella = TotaleSopra(p.totale, riquadro, 6720, 1110, p.etichetta);
    }

    QGroupBox *esami = Riquadro(pagina, "Spese per la Commissione Esami Finali", 75, 5640, 9105, 1260);
    Etichetta(esami, "Gettone di Presenza Componenti", 120, 300, 4900);
    CostoText1(26, esami, 5100, 255, 1700);
    QLabel *trasferta = Etichetta(
        esami, "Spese di Trasferta (Ad esclusione di quelle per il Presidente/Funzionario dell'Amministrazione)", 120,
        630, 4900, 420);
    trasferta->setWordWrap(true);
    CostoText1(25, esami, 5100, 690, 1700);
    ui_.Text7 = TotaleSopra("Text7", esami, 6870, 480);
}

void PagineSezione4::Pagina9(QFrame *pagina)
{
    Titolo(pagina, " PREVENTIVO GENERALE DELLE SPESE DELL'AZIONE", 120, 90, 9000);
    struct Gruppo
    {
        const char *titolo;
        int left, top, width, height, primo;
        QStringList voci;
    };
    const Gruppo gruppi[] = {
        {"4A  Spesa per i destinatari dell'azione",
         60,
         420,
         5040,
         2100,
         0,
         {"Indennità", "Assicurazioni", "Residenzialità", "Stages (str.Osp)"}},
        {"4B  Preparazione dell'attività",
         5160,
         420,
         4050,
         2100,
         4,
         {"Risorse coinvolte nell'azione", "Promozione,Sensibiliz", "Selezione", "Spese viaggio/missioni"}},
        {"4C  Strumenti per la realizzazione dell'azione",
         60,
         2580,
         5040,
         2400,
         8,
         {"Attrezzature", "Servizi e Materiali in Dotazione Collettiva", "Materiale in Dotazione Individuale",
          "Materiale di Consumo e Materie Prime", "Spese di gestione"}},
        {"4D  Risorse umane",
         5160,
         2580,
         4050,
         2400,
         13,
         {"Risorse umane", "Spese viaggio/missioni", "Commissione Esami finali"}},
    };
    for (int g = 0; g < 4; ++g) {
        const Gruppo &gruppo = gruppi[g];
        QGroupBox *riquadro = Riquadro(pagina, gruppo.titolo, gruppo.left, gruppo.top, gruppo.width, gruppo.height);
        const int casella = gruppo.width - 1380;
        int top = 270;
        for (int i = 0; i < gruppo.voci.size(); ++i, top += 330) {
            Etichetta(riquadro, gruppo.voci[i], 120, top + 45, casella - 180);
            ui_.Text24.Add(gruppo.primo + i, Importo(riquadro, casella, top, 1260, false));
        }
        Etichetta(riquadro, "Totale", 120, top + 135, casella - 180)->setAlignment(Dx);
        ui_.Text25.Add(g, Importo(riquadro, casella, top + 90, 1260, false));
    }
    QGroupBox *totale = Riquadro(pagina, "Totale Generale", 60, 5040, 9150, 660);
    ui_.Text26 = Casella("Text26", totale, 6690, 255, 2190, false);

    ui_.Label7 = Etichetta(pagina, QString(), 1500, 5820, 6300, 240);
    ui_.Label7->setObjectName("Label7");
    ui_.Label7->setAlignment(Centro);
    ui_.Command3 = new QPushButton("Seleziona altre Azioni", pagina);
    ui_.Command3->setObjectName("Command3");
    ui_.Command3->setGeometry(TwipsRect(3300, 6180, 2700, 435));
}

void PagineSezione4::Pagina10(QFrame *pagina)
{
    const char *const voci[] = {"TOTALE GENERALE", "N°Destinatari Previsti", "Durata dell'Intervento (Ore)",
                                "Costo Orario per destinatario"};
    TextBox **caselle[] = {&ui_.Text22, &ui_.Text27, &ui_.Text28, &ui_.Text29};
    const char *const nomi[] = {"Text22", "Text27", "Text28", "Text29"};
    for (int i = 0; i < 4; ++i) {
        const int top = 240 + i * 390;
        QLabel *etichetta = Etichetta(pagina, voci[i], 240, top + 45, 4500);
        etichetta->setFont(Grassetto(etichetta->font()));
        ConPuntini(etichetta);
        TextBox *casella = Casella(nomi[i], pagina, 4800, top, 2400, true);
        casella->setReadOnly(true);
        *caselle[i] = casella;
    }
    QGroupBox *allegati = Riquadro(pagina, "ELENCO DOCUMENTI ALLEGATI ALL'ISTANZA", 60, 1860, 9150, 5040);
    Posto("VSFlexGrid3", allegati, 225, 300, 8685, 4575);
}

void PagineSezione4::Pagina11(QFrame *pagina)
{
    const auto etichetta = [&](QLabel **dove, const char *nome, const QString &testo, int left, int top, int width,
                               int height) {
        *dove = Etichetta(pagina, testo, left, top, width, height);
        (*dove)->setObjectName(nome);
        return *dove;
    };
    QLabel *titolo = etichetta(&ui_.Label12, "Label12", "Stampa Progetto n.", 225, 285, 3000, 405);
    titolo->setFont(Grassetto(titolo->font(), 12));
    // The project's number follows the heading's text.
    QLabel *numero = etichetta(&ui_.Label13, "Label13", QString(), 225, 285, 1500, 405);
    numero->setFont(titolo->font());
    numero->move(titolo->x() + QFontMetrics(titolo->font()).horizontalAdvance(titolo->text() + " "), titolo->y());
    etichetta(&ui_.Label9, "Label9", QString(), 225, 735, 8835, 315)->setFont(Grassetto(titolo->font(), 9));
    QLabel *spiegazione = ui_.Label2.Create(9, pagina, kSpiegazioneStampa);
    spiegazione->setGeometry(TwipsRect(225, 1125, 8835, 1245));
    spiegazione->setWordWrap(true);
    QLabel *cautela = ui_.Label10.Create(0, pagina,
                                         "Questa possibilità deve essere usata con cautela per non generare "
                                         "differenze tra il supporto cartaceo e quello informatico.");
    cautela->setGeometry(TwipsRect(225, 2355, 8835, 405));
    cautela->setWordWrap(true);

    ui_.Frame40 =
        Riquadro(pagina, "Al termine della preparazione del progetto.......", 240, 2820, 8820, 780, "Frame40");
    ui_.Option1 = new QRadioButton("Stampa progetto.", ui_.Frame40);
    ui_.Option1->setObjectName("Option1");
    ui_.Option1->setGeometry(TwipsRect(75, 255, 5160, 240));
    ui_.Option2 = new QRadioButton("Prepara un testo RTF per utilizzare WordPad o WinWord per la stampa.", ui_.Frame40);
    ui_.Option2->setObjectName("Option2");
    ui_.Option2->setGeometry(TwipsRect(75, 495, 8500, 240));

    // Wide enough for the run's "... in corso" and "... ........"; the step label follows.
    etichetta(&ui_.Label11, "Label11", "Preparazione progetto per la stampa", 225, 3720, 4200, 225);
    etichetta(&ui_.Label8, "Label8", QString(), 4500, 3720, 3450, 225);
    ui_.ProgressBar1 = new QProgressBar(pagina);
    ui_.ProgressBar1->setObjectName("ProgressBar1");
    ui_.ProgressBar1->setGeometry(TwipsRect(195, 4050, 8850, 375));
    ui_.ProgressBar1->setRange(1, 40);
    ui_.ProgressBar1->setValue(1);
    ui_.ProgressBar1->setTextVisible(false);

    ui_.AvviaStampa = new QPushButton("Avvia Stampa", pagina);
    ui_.AvviaStampa->setObjectName("AvviaStampa");
    ui_.AvviaStampa->setGeometry(TwipsRect(375, 4635, 1680, 465));
    ui_.Annulla = new QPushButton("Chiudi", pagina);
    ui_.Annulla->setObjectName("Annulla");
    ui_.Annulla->setGeometry(TwipsRect(5100, 4635, 1680, 465));
    // The work buffer of the print run; afterwards it shows what it last held.
    ui_.RichTextBox1 = new RichTextBox(pagina);
    ui_.RichTextBox1->setObjectName("RichTextBox1");
    // As high as the page leaves room for.
    ui_.RichTextBox1->setGeometry(TwipsRect(135, 5805, 9000, 1560));
}
