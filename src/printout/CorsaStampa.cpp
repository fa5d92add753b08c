#include "CorsaStampa.h"

#include "Database.h"
#include "Dialogs.h"
#include "FinestreStampa.h"
#include "Globali.h"
#include "Recordset.h"
#include "RichTextBox.h"
#include "RtfOutputFile.h"
#include "UserError.h"

#include <QDir>

namespace {

constexpr int kColonneAzioni = 19;

// The cursors stand on the current project's rows, whose fields decide the
// steps and fill the templates. A failed read stops the run with its own
// error: it is never taken for a project that is not there.
void PosizionaCursori()
{
    for (Recordset *riga : {TabPrincipale.get(), TabSecondario.get()}) {
        riga->Seek("=", IdProgetto);
        if (riga->NoMatch())
            throw UserError("Il Progetto non esiste");
    }
}

bool Vero(const Recordset &riga, const char *campo)
{
    return riga.Field(campo).toBool();
}

}  // namespace

CorsaStampa::CorsaStampa(RichTextBox &box, FinestreStampa &finestre) : box_(box), finestre_(finestre), riempitore_(box)
{}

CorsaStampa::~CorsaStampa() = default;

QString CorsaStampa::NomeDocumento()
{
    return QDir::toNativeSeparators(QString("/Progetto%1.rtf").arg(IdProgetto));
}

void CorsaStampa::Esegui(const QString &modelli, const QString &documento)
{
    if (!DB)
        throw UserError("Il Progetto non esiste");
    PosizionaCursori();
    modelli_ = modelli;
    primo_ = true;
    riempitore_.Liste().SvuotaTesti();
    RtfOutputFile file(documento);
    file.Open();
    documento_ = &file;
    try {
        Fase1();
        if (Vero(*TabPrincipale, "ATS"))
            PerRiga("Fase 1 ATS", "Fase 1 ATS n.", true, "fase1ats.rtf", "ATS");
        Passo("Fase 1 Chiusura", "fase1fine.rtf", nullptr);
        const qint64 attivita = TabPrincipale->Field("AttivitaFormativa").toLongLong();
        if (attivita == 1)
            PerRiga("Fase 2", "Fase 2 n.", true, "fase2.rtf", "Committenti");
        if (attivita == 2)
            PerRiga("Fase 3", "Fase 3 n.", true, "fase3.rtf", "Consorzi");
        Fase4();
        PerRiga("Fase 5", "Fase 5", false, "fase5.rtf", "ProgrammaDidattico");
        PerRiga("Fase 6", "Fase 6 n.", true, "fase6.rtf", "ProgrammaAzione");
        Passo("Fase 7", "fase7.rtf", nullptr);
        if (Vero(*TabSecondario, "DelegaTerzi"))
            PerRiga("Fase 7 Delega a Terzi", "Fase 7 Delega a Terzi n.", true, "fase7delega.rtf", "TerziDelegati");
        Passo("Fase 7 Chiusura", "fase7fine.rtf", nullptr);
        Fase8();
        // Refilling section 4 may have moved the cursors.
        PosizionaCursori();
        Passo("Fase 8 Chiusura", "totale.rtf", TabPrincipale.get());
        file.Write("}\r\n");
        file.Close();
    } catch (...) {
        documento_ = nullptr;
        throw;
    }
    documento_ = nullptr;
}

// Section 1's window lends its totals and lists to the first template, then
// closes, storing itself and leaving the cursors on the project's rows.
void CorsaStampa::Fase1()
{
    finestre_.Avanza("Fase 1");
    Carica("fase1.rtf");
    riempitore_.Fonti().sezione1 = finestre_.CaricaSezione1();
    Aggiungi(nullptr);
    riempitore_.Fonti().sezione1 = nullptr;
    finestre_.ScaricaSezione1();
    PosizionaCursori();
}

void CorsaStampa::Passo(const QString &etichetta, const QString &modello, const Recordset *apri)
{
    finestre_.Avanza(etichetta);
    Carica(modello);
    Aggiungi(apri);
}

// One fragment per row of the project in `tabella`, each from a fresh copy
// of the template.
void CorsaStampa::PerRiga(const QString &etichetta, const QString &etichettaRiga, bool contatore,
                          const QString &modello, const QString &tabella)
{
    finestre_.Avanza(etichetta);
    Carica(modello);
    const std::unique_ptr<Recordset> righe = Righe(tabella);
    for (int n = 1; !righe->Eof(); ++n) {
        finestre_.Avanza(contatore ? etichettaRiga + QString::number(n) : etichettaRiga);
        Aggiungi(righe.get());
        righe->MoveNext();
        Carica(modello);
    }
}

// The project's target groups and sectors; a project without its row fills
// the template from an empty one.
void CorsaStampa::Fase4()
{
    finestre_.Avanza("Fase 4");
    Carica("fase4.rtf");
    Aggiungi(Righe("DestinatariIntervento").get());
}

// One fragment per chosen action, in the order of the action types; each
// action is made current in section 4 first, so that its totals are read.
void CorsaStampa::Fase8()
{
    finestre_.Avanza("Fase 8");
    const std::unique_ptr<Recordset> azioni = DB->OpenTable("Azioni");
    azioni->SetIndex("ID");
    azioni->Seek("=", IdProgetto);
    if (azioni->NoMatch()) {
        Dialogs::MsgBox("Tabella Azioni incongruente!");
        return;
    }
    const std::unique_ptr<Recordset> spese = DB->OpenTable("SpeseSez3");
    spese->SetIndex("IDSez3");
    Carica("fase8.rtf");
    for (int k = 1; k <= kColonneAzioni; ++k) {
        const qint64 chiave = azioni->Field(k).toLongLong();
        if (chiave <= 0)
            continue;
        finestre_.Avanza("Fase 8 n." + QString::number(k));
        riempitore_.Fonti().sezione4 = finestre_.RendiCorrente(chiave);
        // An action without its cost record prints from an empty row.
        spese->Seek("=", chiave);
        Aggiungi(spese.get());
        riempitore_.Fonti().sezione4 = nullptr;
        Carica("fase8.rtf");
    }
}

void CorsaStampa::Carica(const QString &modello)
{
    box_.LoadFile(QDir(modelli_).filePath(modello));
}

// Fills the loaded template and appends it to the document.
void CorsaStampa::Aggiungi(const Recordset *apri)
{
    riempitore_.RiempeRText(apri);
    QByteArray frammento;
    documento_->Write(riempitore_.AggiungiTesto(frammento, primo_));
    primo_ = false;
}

std::unique_ptr<Recordset> CorsaStampa::Righe(const QString &tabella) const
{
    return DB->OpenRecordset(QString("Select * from %1 where ID = ?").arg(tabella), {IdProgetto});
}
