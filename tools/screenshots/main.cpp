// Opens every page of every window on a sample project, offscreen, and saves
// each as a PNG, so the forms can be looked at without a display.
//
//   screenshots [output folder]      (default: ./screenshots)
//
// Works on a temporary copy of the shipped database and a temporary settings
// file: nothing of the program's own folder is changed.

#include "ArchiviazioneForm.h"
#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "ProfileFile.h"
#include "Recordset.h"
#include "TabStrip.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <map>

void RegistraSezioni();

namespace {

// The section windows and the control array that holds their pages. A new
// section window adds its line here, with the list whose first item is
// double-clicked before the pages are taken (none: nullptr), the page that
// shows only in print mode (none: -1), the option and button that run the
// print page's work, taken once more after it (none: nullptr), how many times
// its next arrows (`avanti`, the array's name) are pressed first, so that the
// lists that pages load on arrival are filled, and the lists whose first item
// is then chosen (names separated by blanks).
struct FinestraConPagine
{
    const char *finestra;
    const char *pagine;
    const char *sceltaIniziale;
    int paginaStampa;
    const char *opzioneStampa = nullptr;
    const char *avvioStampa = nullptr;
    const char *avanti = nullptr;
    int passi = 0;
    const char *scelte = "";
};
const FinestraConPagine kFinestre[] = {
    {"Sezione1Form", "Frame1", nullptr, -1},
    {"Sezione2Form", "Frame2", nullptr, -1},
    {"Sezione3Form", "Frame1", nullptr, -1, nullptr, nullptr, "Command2", 10, "List1 List2"},
    // The RTF text only: no printer dialog to answer.
    {"Sezione4Form", "Frame1", "List1(1)", 11, "Option2", "AvviaStampa"},
};

// A few values of the sample project, written where the database has the field.
struct ValoreDiEsempio
{
    const char *tabella;
    const char *campo;
    const char *valore;
};
const ValoreDiEsempio kEsempio[] = {
    {"Principale", "CodiceEnte", "KVR-0427"},
    {"Principale", "Oggetto", "Tecnico di reti informatiche per piccole imprese"},
    {"Principale", "RagioneSociale", "Centro Studi Formazione Lavoro s.c.r.l."},
    {"Principale", "Natura", "Societa' cooperativa"},
    {"Principale", "Indirizzo", "Via dei Mestieri, 14"},
    {"Principale", "Cap", "00142"},
    {"Principale", "Comune", "Kavrano"},
    {"Principale", "Provincia", "KV"},
    {"Principale", "Telefono", "0612 345678"},
    {"Principale", "PIVA", "01234567890"},
    {"Principale", "Denominazione", "Centro Studi Formazione Lavoro"},
    {"Principale", "LegaleRappresentante", "Maria Rossi"},
    {"Principale", "PrincipaliAttivita", "Corsi di qualificazione e aggiornamento nel settore informatico."},
    // Section 3: one-line boxes and figures.
    {"Principale", "FoglioGrafico", "/home/ente/progetti/fasi-intervento.bmp"},
    {"Principale", "MantenimentoN", "4"},
    {"Principale", "MantenimentoPresso", "Imprese del consorzio"},
    {"Principale", "CreazioneN", "6"},
    {"Principale", "CreazionePresso", "Rete Servizi s.r.l."},
    {"Principale", "MiglioramentoN", "10"},
    {"Principale", "MiglioramentoPresso", "Aziende committenti"},
    {"Principale", "AutonomaN", "2"},
    {"Principale", "AutonomaPresso", "Incubatore di impresa"},
    {"Principale", "Adeguare", "1"},
    {"Principale", "Supportare", "1"},
    {"Principale", "lingua", "3"},
    {"Principale", "LinguaStr2", "Portoghese"},
    {"Secondario", "OrePrevPratica", "300"},
    {"Secondario", "OrePrevTeoria", "500"},
    {"Secondario", "OrePrevEsercit", "120"},
    {"Secondario", "OrePrevVisite", "30"},
    {"Secondario", "OrePrevStage", "150"},
    {"Secondario", "OrePrevPw", "0"},
    {"Secondario", "Giorni", "160"},
    {"Secondario", "Mesi", "8"},
    {"Secondario", "AllieviPrevisti", "9"},
    {"Secondario", "AllievePreviste", "11"},
    {"Secondario", "DelegaTerzi", "1"},
    {"Secondario", "TitoloCoor", "Laurea in Scienze della Formazione"},
    {"Secondario", "TitoloTut", "Diploma di perito informatico"},
    {"Secondario", "TitoloTutimp", "Laurea in Ingegneria"},
    {"Secondario", "TitoloAL", "Laurea in Economia"},
    {"Secondario", "TitoloSD", "Diploma di ragioneria"},
    {"Secondario", "Allievi", "9"},
    {"Secondario", "Allieve", "6"},
    {"Secondario", "OreTeoria", "80"},
    {"Secondario", "OrePratica", "40"},
    {"Secondario", "TotaleGenerale", "48140000"},
};

// Chosen actions of the sample project (action type, its fixed costs),
// where the database has the tables of section 3 and 4.
struct AzioneDiEsempio
{
    int tipo;
    const char *costi;  // "Field=value ..."
};
const AzioneDiEsempio kAzioni[] = {
    {1, "INAIL=350000 AssItinere=120000 DiscoccupatiN=12 DisoccupatiImporto=5000 DisoccupatiOre=300 "
        "SostRedditoN=3 SostRedditoImporto=450000 SostRedditoMesi=6 RimborsoStageOspitante=800000 "
        "ProgettazioneIE=1 ProgettazioneN=2 ProgettazioneOre=40 ProgettazioneImporto=60000 DispenseIE=0 DispenseN=1 "
        "DispenseOre=20 DispenseImporto=45000 SelezioneN=2 SelezioneOre=16 SelezioneImporto=50000 "
        "Pubblicita=1500000 AffittoLocali=6000000 Manutenzione=400000 Riscaldamento=650000 Energia=720000 "
        "Telefono=380000 Posta=90000 Cancelleria=250000 Perizie=0 Ausiliario=1800000 Oneri=150000 "
        "Fidejussioni=300000 Gettone=900000 Trasferta=240000 VOCISPESA=48050000"},
    {3, "VOCISPESA=0"},
    {10, "INAIL=90000 VOCISPESA=90000"},
    {18, ""},
};

// Section 3's modules with their equipment, and non-training actions.
struct ElementoDiEsempio
{
    const char *titolo;
    const char *campi;         // "Field=value|..."
    const char *attrezzature;  // rows "Attrezzature;Quantita;Tempo;Titolo|..."
};
const ElementoDiEsempio kModuli[] = {
    {"Reti locali e cablaggio strutturato", "Teoria=60|Stage=40|Visite=8|Esercitazioni=20|Project=12",
     "Personal computer con scheda di rete;12;60;Proprieta'|Switch gestito 24 porte;2;60;Noleggio|"
     "Kit di cablaggio e certificatore;1;20;Leasing|Videoproiettore;1;60;Proprieta'"},
    {"Sicurezza dei sistemi informativi", "Teoria=40|Stage=30|Visite=4|Esercitazioni=16|Project=10",
     "Firewall hardware;1;40;Noleggio|Server di laboratorio;2;40;Proprieta'"},
    {"Orientamento al lavoro", "Teoria=16|Stage=0|Visite=4|Esercitazioni=0|Project=0", ""},
};
const ElementoDiEsempio kAzioniNonFormative[] = {
    {"Analisi dei fabbisogni delle imprese", "DurataOre=120|DurataGG=30|DurataMesi=2", ""},
    {"Diffusione dei risultati", "DurataOre=40|DurataGG=10|DurataMesi=1", ""},
};
// The six kinds of delegated activity: reason, third party, requirements, cost.
const char *const kDelegati[6][4] = {
    {"Competenze specialistiche non presenti nell'ente", "Studio Progetti Formativi s.r.l.",
     "Esperienza decennale nella progettazione di percorsi finanziati", "4500000"},
    {"", "", "", "0"},
    {"Rete territoriale dei servizi per l'impiego", "Consorzio Orientamento Lavoro",
     "Accreditamento regionale per l'orientamento", "2800000"},
    {"", "", "", "0"},
    {"", "", "", "0"},
    {"Docenza del modulo di sicurezza dei sistemi", "Rete Servizi s.r.l.",
     "Certificazioni di sicurezza informatica dei docenti", "6000000"},
};

// Section 3's long texts: each gets a few sentences, so every box shows text.
const char *const kTestiSezione3[] = {
    "AnalisiContesto",
    "DescrizioneSintetica",
    "ElementiPOP",
    "CollegamentiPOP",
    "PattiTerritoriali",
    "Accordi",
    "IndividuazioneUtenti",
    "AutonomaFonti",
    "RispostoEsigenze",
    "Seinterventoadeguare",
    "SeinterventoSuppo",
    "SeinterventoProcessi",
    "VerificaCompetenze",
    "Normative",
    "Pubblicizzazione",
    "Modalita",
    "DescrModuliOrienta",
    "DescrModuliFormax",
    "Metodologie",
    "VerificheAllievi",
    "VerificheDocenti",
    "VerificheRisultati",
    "VerificheFinali",
    "SedeStage",
    "SedeVisite",
    "AziendaStruttura",
    "AziendaStrutturaVisite",
    "TempiSvolgStage",
    "TempiSvolgVisite",
    "DurataStage",
    "DurataVisite",
    "FinalitaStage",
    "FinalitaVisite",
    "SedeSvolgimento",
    "DocentiPrevisti",
    "TempiSvolgimento",
    "Durata",
    "ObiettivieContenuti",
    "LocaliProj",
    "ModalitaOrganizz",
    "Attrezzatureemateriali",
    "Elementicoerenza",
    "RicercaFabbisogno",
    "RicercaAmbito",
    "RicercaObiettivi",
    "RicercaModello",
    "EsperienzeCoor",
    "AttivitaCoor",
    "EsperienzeTut",
    "AttivitaTut",
    "EsperienzeTutimp",
    "AttivitaTutimp",
    "EsperienzeAL",
    "AttivitaAL",
    "EsperienzeSD",
    "AttivitaSD",
    "AttivitaSA",
};
const char kTestoDiEsempio[] =
    "Il progetto forma tecnici di reti informatiche per le piccole imprese del territorio, che chiedono "
    "figure capaci di installare e mantenere reti e servizi. Le attivita' alternano aula, laboratorio e "
    "stage presso le aziende partner; i risultati sono verificati a meta' e alla fine del percorso.";

// Lines of the first sample action's cost grids and of the project's
// attachments, where the database has their tables: "Field=value|...".
struct RigaDiEsempio
{
    const char *tabella;
    const char *campi;
};
const RigaDiEsempio kRighe[] = {
    {"SpeseRaggiungimento", "Tipo=0|Importo=12000|NAllievi=15|NViaggi=20|Totale=3600000"},
    {"SpeseRaggiungimento", "Tipo=0|Importo=18000|NAllievi=5|NViaggi=20|Totale=1800000"},
    {"SpeseRaggiungimento", "Tipo=1|Importo=9000|NAllievi=15|NViaggi=40|Totale=5400000"},
    {"SpeseRaggiungimento", "Tipo=2|Importo=45000|NAllievi=4|NViaggi=10|Totale=1800000"},
    {"SpeseStages", "Tipo=0|Importo=50000|NPersone=3|NViaggi=2|Totale=300000"},
    {"SpeseStages", "Tipo=1|Importo=80000|NPersone=3|NViaggi=5|Totale=1200000"},
    {"SpeseViaggioDocenti", "Tipo=0|Importo=150000|NPersone=2|NViaggi=4|Totale=1200000"},
    {"SpeseViaggioDocenti", "Tipo=1|Importo=25000|NPersone=2|NViaggi=8|Totale=400000"},
    {"SpeseViaggioDocenti", "Tipo=2|Importo=140000|NPersone=1|NViaggi=3|Totale=420000"},
    {"SpeseViaggioDocenti", "Tipo=3|Importo=140000|NPersone=2|NViaggi=6|Totale=1680000"},
    {"SpeseViaggioDocenti", "Tipo=4|Importo=25000|NPersone=3|NViaggi=30|Totale=2250000"},
    {"SpeseViaggioDocenti", "Tipo=5|Importo=120000|NPersone=3|NViaggi=10|Totale=3600000"},
    {"AttrezzatureMateriale",
     "Tipo=0|Descrizione=Personal computer per le esercitazioni|NumeroUnita=8|Titolo=Affitto|Costo=250000|"
     "Totale=2000000"},
    {"AttrezzatureMateriale",
     "Tipo=0|Descrizione=Videoproiettore|NumeroUnita=1|Titolo=Acquisto|Costo=1800000|Totale=1800000"},
    {"AttrezzatureMateriale",
     "Tipo=1|Descrizione=Manuali e dispense sulle reti|NumeroUnita=15|Titolo=Acquisto|Costo=60000|Totale=900000"},
    {"AttrezzatureMateriale",
     "Tipo=2|Descrizione=Camici da laboratorio|NumeroUnita=15|Titolo=Acquisto|Costo=30000|Totale=450000"},
    {"MaterialiServizi", "Tipo=0|Descrizione=Cavi, connettori e schede di rete|Costo=1200000"},
    {"MaterialiServizi", "Tipo=1|Descrizione=Pulizia dei locali|Costo=700000"},
    {"SpeseRisorse", "Risorsa=Docenti|IntEst=1|NSogg=3|OreGG=120|Costo=60000|Totale=21600000"},
    {"SpeseRisorse", "Risorsa=Tutors|IntEst=0|NSogg=1|OreGG=200|Costo=35000|Totale=7000000"},
    {"SpeseRisorse", "Risorsa=Direttori |IntEst=1|NSogg=1|OreGG=40|Costo=80000|Totale=3200000"},
    {"ElencoAllegati", "NumeroAllegato=1|Descrizione=Atto costitutivo e statuto"},
    {"ElencoAllegati", "NumeroAllegato=2|Descrizione=Certificato di iscrizione alla C.C.I.A.A."},
    {"ElencoAllegati", "NumeroAllegato=3|Descrizione=Curricula dei docenti e dei tutors"},
};

int salvate = 0;

void Attendi()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void Salva(QWidget *finestra, const QDir &cartella, const QString &nome)
{
    Attendi();
    const QString file = cartella.filePath(nome + ".png");
    if (finestra->grab().save(file)) {
        ++salvate;
        std::printf("%s\n", qPrintable(file));
    } else {
        std::fprintf(stderr, "impossibile salvare %s\n", qPrintable(file));
    }
}

// The window as the user sees it: the child inside its frame, caption included.
QWidget *Cornice(MdiChild *finestra)
{
    if (QMdiSubWindow *cornice = finestra->SubWindow())
        return cornice;
    return finestra;
}

// The sample lines: of the action `azione`, or of the project `id` in a
// table without actions.
void CreaRigheDiEsempio(qint64 id, qint64 azione)
{
    for (const RigaDiEsempio &riga : kRighe) {
        if (!DB->HasTable(riga.tabella))
            continue;
        auto righe = DB->OpenTable(riga.tabella);
        righe->AddNew();
        if (DB->Table(riga.tabella).Position("IdSez3") >= 0)
            righe->SetField("IdSez3", azione);
        else
            righe->SetField("Id", id);
        for (const QString &campo : QString::fromUtf8(riga.campi).split('|')) {
            const QString valore = campo.section('=', 1);
            bool numero = false;
            const qint64 intero = valore.toLongLong(&numero);
            righe->SetField(campo.section('=', 0, 0), numero ? QVariant(intero) : QVariant(valore));
        }
        righe->Update();
    }
}

// The sample project's chosen actions with their cost records.
void CreaAzioniDiEsempio(qint64 id)
{
    if (!DB->HasTable("Azioni") || !DB->HasTable("SpeseSez3"))
        return;
    DB->Execute("insert into Azioni (ID) values (?)", {id});
    qint64 prima = 0;
    for (const AzioneDiEsempio &azione : kAzioni) {
        auto spese = DB->OpenTable("SpeseSez3");
        spese->AddNew();
        spese->SetField("Id", id);
        for (const QString &costo : QString(azione.costi).split(' ', Qt::SkipEmptyParts))
            spese->SetField(costo.section('=', 0, 0), costo.section('=', 1).toLongLong());
        spese->Update();
        DB->Execute(QString("update Azioni set %1 = ? where ID = ?").arg(DB->Table("Azioni").columns[azione.tipo].name),
                    {spese->LastInsertedKey(), id});
        if (prima == 0)
            prima = spese->LastInsertedKey();
    }
    CreaRigheDiEsempio(id, prima);
}

void Imposta(const QString &tabella, const QString &campo, const QVariant &valore, qint64 id)
{
    if (DB->Table(tabella).Position(campo) < 0)
        return;
    DB->Execute(QString("update %1 set %2 = ? where Id = ?").arg(tabella, campo), {valore, id});
}

// Section 3's rows of the sample project: a few target groups, sectors and
// certificates.
void CreaRigheSezione3(qint64 id)
{
    if (!DB->HasTable("DestinatariIntervento"))
        return;
    DB->Execute("insert into DestinatariIntervento (Id, Destinatario02, Destinatario09, Destinatario15, "
                "Scolarita4, AltroPrecisare, TitoloStudio, Esperienze, Settore14, Settore22, Servizi, "
                "AltroSettore, Certificato1, Certificato5) values (?, 1, 1, 1, 1, 'Qualifica regionale', "
                "'Diploma tecnico', 'Uso del personal computer', 1, 1, 'Assistenza informatica', "
                "'Telecomunicazioni', 1, 1)",
                {id});
}

// Adds one titled row (a module or an action) with its fields; returns its key.
qint64 AggiungiElemento(const QString &tabella, qint64 id, const ElementoDiEsempio &elemento)
{
    auto righe = DB->OpenTable(tabella);
    righe->AddNew();
    righe->SetField("ID", id);
    righe->SetField("Titolo", QString::fromUtf8(elemento.titolo));
    for (const QString &campo : QString(elemento.campi).split('|', Qt::SkipEmptyParts))
        righe->SetField(campo.section('=', 0, 0), campo.section('=', 1));
    for (const char *testo : {"Obiettivi", "Docenti", "Locali", "Materiali", "Risorse", "Localita", "Attrezzature"})
        if (DB->Table(tabella).Position(testo) >= 0)
            righe->SetField(testo, QString::fromUtf8(kTestoDiEsempio));
    righe->Update();
    return righe->LastInsertedKey();
}

// Section 3's modules with their equipment, its actions and its delegated
// activities.
void CreaProgrammaDiEsempio(qint64 id)
{
    if (!DB->HasTable("ProgrammaDidattico") || !DB->HasTable("ProgrammaAzione") || !DB->HasTable("TerziDelegati"))
        return;
    for (const ElementoDiEsempio &modulo : kModuli) {
        const qint64 chiave = AggiungiElemento("ProgrammaDidattico", id, modulo);
        for (const QString &riga : QString::fromUtf8(modulo.attrezzature).split('|', Qt::SkipEmptyParts)) {
            const QStringList celle = riga.split(';');
            DB->Execute("insert into AttrezzatureModuli (IDModulo, Attrezzature, Quantita, Tempo, Titolo) "
                        "values (?, ?, ?, ?, ?)",
                        {chiave, celle[0], celle[1].toLongLong(), celle[2].toLongLong(), celle[3]});
        }
    }
    for (const ElementoDiEsempio &azione : kAzioniNonFormative)
        AggiungiElemento("ProgrammaAzione", id, azione);
    for (int tipo = 1; tipo <= 6; ++tipo) {
        const auto &d = kDelegati[tipo - 1];
        DB->Execute("insert into TerziDelegati (Id, tipo, Motivazione, TerziDelegati, Requisiti, Costo) "
                    "values (?, ?, ?, ?, ?, ?)",
                    {id, tipo, QString::fromUtf8(d[0]), QString::fromUtf8(d[1]), QString::fromUtf8(d[2]),
                     QString(d[3]).toLongLong()});
    }
}

qint64 CreaProgettoDiEsempio()
{
    ApriDatabase();
    const qint64 id = CreaProgetto();
    for (const ValoreDiEsempio &esempio : kEsempio)
        Imposta(esempio.tabella, esempio.campo, QString::fromUtf8(esempio.valore), id);
    for (const char *campo : kTestiSezione3) {
        Imposta("Principale", campo, QString::fromUtf8(kTestoDiEsempio), id);
        Imposta("Secondario", campo, QString::fromUtf8(kTestoDiEsempio), id);
    }
    CreaRigheSezione3(id);
    CreaAzioniDiEsempio(id);
    CreaProgrammaDiEsempio(id);
    return id;
}

void FotografaArchivio(Velkaro *principale, qint64 id, const QDir &cartella)
{
    // Shown without modality, so the picture can be taken; the dialog's own
    // opening reopens the database, and choosing the sample project in it
    // makes that project current again, as a user would.
    ArchiviazioneForm archivio(principale);
    archivio.setWindowModality(Qt::NonModal);
    archivio.show();
    auto *lista = archivio.findChild<ListBox *>("List1");
    for (int i = 0; lista && i < lista->ListCount(); ++i)
        if (lista->ItemData(i) == id)
            lista->SetListIndex(i);
    Salva(&archivio, cartella, "ArchiviazioneForm-0");
    if (auto *definisci = archivio.findChild<QPushButton *>("Command2"))
        definisci->click();
    if (IdProgetto != id) {
        IdProgetto = id;
        principale->ImpostaTitoloProgetto(id);
    }
}

// Every further tab of the tabbed controls a page shows, one picture each.
void FotografaSchede(MdiChild *finestra, QFrame *pagina, const QDir &cartella, const QString &nome)
{
    int controllo = 0;
    for (QTabWidget *schede : pagina->findChildren<QTabWidget *>()) {
        if (!schede->isVisibleTo(pagina))
            continue;
        const int prima = schede->currentIndex();
        for (int scheda = 0; scheda < schede->count(); ++scheda) {
            if (scheda == prima)
                continue;
            schede->setCurrentIndex(scheda);
            Salva(Cornice(finestra), cartella, QString("%1-schede%2-%3").arg(nome).arg(controllo).arg(scheda));
        }
        schede->setCurrentIndex(prima);
        ++controllo;
    }
    // Tab strips show their pages through the form's own click handler.
    for (TabStrip *striscia : pagina->findChildren<TabStrip *>()) {
        if (!striscia->isVisibleTo(pagina))
            continue;
        const int prima = striscia->SelectedIndex();
        for (int scheda = 1; scheda <= striscia->count(); ++scheda) {
            if (scheda == prima)
                continue;
            striscia->SetSelectedIndex(scheda);
            Salva(Cornice(finestra), cartella, QString("%1-schede%2-%3").arg(nome).arg(controllo).arg(scheda));
        }
        striscia->SetSelectedIndex(prima);
        ++controllo;
    }
}

// Walks the window's pages with its next arrows, as the user does, so the
// lists that pages load on arrival are filled, then chooses the first item
// of each list named.
void PreparaPagine(MdiChild *finestra, const FinestraConPagine &voce)
{
    const QRegularExpression freccia(QString("^%1\\((\\d+)\\)$").arg(voce.avanti));
    for (int passo = 0; voce.avanti && passo < voce.passi; ++passo)
        for (QToolButton *bottone : finestra->findChildren<QToolButton *>(freccia))
            if (bottone->isVisible()) {
                bottone->click();
                Attendi();
                break;
            }
    for (const QString &nome : QString(voce.scelte).split(' ', Qt::SkipEmptyParts))
        if (auto *lista = finestra->findChild<ListBox *>(nome); lista && lista->ListCount() > 0) {
            lista->SetListIndex(0);
            Attendi();
        }
}

void FotografaSezione(Velkaro *principale, const FinestraConPagine &voce, const QDir &cartella)
{
    MdiChild *finestra = principale->ApriFinestra(voce.finestra);
    if (!finestra)
        return;
    Attendi();
    if (voce.sceltaIniziale)
        if (auto *lista = finestra->findChild<ListBox *>(voce.sceltaIniziale); lista && lista->ListCount() > 0) {
            lista->SetListIndex(0);
            emit lista->DblClick();
            Attendi();
        }
    PreparaPagine(finestra, voce);
    const QRegularExpression nome(QString("^%1\\((\\d+)\\)$").arg(voce.pagine));
    std::map<int, QFrame *> pagine;
    for (QFrame *frame : finestra->findChildren<QFrame *>()) {
        const auto corrisponde = nome.match(frame->objectName());
        if (corrisponde.hasMatch())
            pagine[corrisponde.captured(1).toInt()] = frame;
    }
    if (pagine.empty())
        Salva(Cornice(finestra), cartella, QString("%1-0").arg(voce.finestra));
    for (const auto &[indice, pagina] : pagine) {
        for (const auto &[altro, frame] : pagine)
            if (altro != indice)
                frame->setVisible(false);
        pagina->setVisible(true);
        pagina->raise();
        if (indice == voce.paginaStampa)
            continue;
        Salva(Cornice(finestra), cartella, QString("%1-%2").arg(voce.finestra).arg(indice));
        FotografaSchede(finestra, pagina, cartella, QString("%1-%2").arg(voce.finestra).arg(indice));
    }
    principale->ScaricaFinestra(voce.finestra);
    Attendi();
    if (voce.paginaStampa < 0)
        return;
    // The print page as the print menu opens it.
    ModoStampa = true;
    if (MdiChild *stampa = principale->ApriFinestra(voce.finestra)) {
        Salva(Cornice(stampa), cartella, QString("%1-%2").arg(voce.finestra).arg(voce.paginaStampa));
        auto *opzione = voce.opzioneStampa ? stampa->findChild<QAbstractButton *>(voce.opzioneStampa) : nullptr;
        auto *avvio = voce.avvioStampa ? stampa->findChild<QAbstractButton *>(voce.avvioStampa) : nullptr;
        if (opzione && avvio && avvio->isEnabled()) {
            opzione->click();
            avvio->click();
            Attendi();
            Salva(Cornice(stampa), cartella, QString("%1-%2-dopo").arg(voce.finestra).arg(voce.paginaStampa));
        }
        principale->ScaricaFinestra(voce.finestra);
        Attendi();
    }
    ModoStampa = false;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont("DejaVu Sans", 8));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // No one is there to answer: messages are recorded, never shown.
    Dialogs::SetQueueMode(true);

    const QStringList argomenti = QCoreApplication::arguments();
    QDir cartella(argomenti.size() > 1 ? argomenti[1] : QString("screenshots"));
    if (!cartella.mkpath(".")) {
        std::fprintf(stderr, "impossibile creare la cartella %s\n", qPrintable(cartella.path()));
        return 1;
    }

    QTemporaryDir temporanea;
    const QString archivio = temporanea.filePath("Formulario.Mdb");
    if (!temporanea.isValid() || !QFile::copy(CartellaProgramma() + "/Formulario.Mdb", archivio)) {
        std::fprintf(stderr, "manca il database %s/Formulario.Mdb\n", qPrintable(CartellaProgramma()));
        return 1;
    }
    QFile::setPermissions(archivio, QFile::ReadOwner | QFile::WriteOwner);
    // The print page's run reads its templates from the program's folder and
    // writes its document there: the temporary folder stands in for it.
    const QDir programma(CartellaProgramma());
    for (const QString &modello : programma.entryList({"*.rtf"}))
        QFile::copy(programma.filePath(modello), temporanea.filePath(modello));
    ImpostaCartellaProgramma(temporanea.path());
    ImpostaFileImpostazioni(temporanea.filePath("screenshots.ini"));
    ProfileFile(FileImpostazioni()).Write("Percorsi", "DataBase", archivio);

    RegistraSezioni();
    PercorsoDB = archivio;
    qint64 id = 0;
    try {
        id = CreaProgettoDiEsempio();
    } catch (const DbError &errore) {
        std::fprintf(stderr, "%s\n", qPrintable(errore.Description()));
        ChiudiDatabase();  // before the application goes
        return 1;
    }

    {
        Velkaro principale;
        principale.show();
        principale.Introduzione_Click();
        if (MdiChild *introduzione = principale.Finestra("IntroduzioneForm"))
            Salva(Cornice(introduzione), cartella, "IntroduzioneForm-0");
        Salva(&principale, cartella, "Velkaro-0");

        FotografaArchivio(&principale, id, cartella);
        for (const FinestraConPagine &voce : kFinestre)
            FotografaSezione(&principale, voce, cartella);
        principale.close();
        Attendi();
    }
    ChiudiDatabase();

    for (const QString &messaggio : Dialogs::Messages())
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(messaggio));
    std::printf("%d immagini in %s\n", salvate, qPrintable(QDir::toNativeSeparators(cartella.absolutePath())));
    return salvate > 0 ? 0 : 1;
}
