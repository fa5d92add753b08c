#include "Globali.h"

#include "Database.h"
#include "DatabaseDesign.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"

#include <QDateTime>
#include <QFile>

std::shared_ptr<Database> DB;
std::unique_ptr<Recordset> TabPrincipale;
std::unique_ptr<Recordset> TabSecondario;
qint64 IdProgetto = 0;
QString PercorsoDB;
std::array<int, 10> PagineSezione2 = {};
bool ModoStampa = false;

void ChiudiDatabase()
{
    TabPrincipale.reset();
    TabSecondario.reset();
    DB.reset();
}

const DatabaseDesign &DisegnoArchivio()
{
    static const DatabaseDesign disegno = [] {
        QFile definizione(":/data/schema.sql");
        if (!definizione.open(QIODevice::ReadOnly))
            throw DbError("Definizione dell'archivio mancante nel programma.");
        return DatabaseDesign::FromDefinition(QString::fromUtf8(definizione.readAll()));
    }();
    return disegno;
}

void ApriDatabase()
{
    // Open everything first, then swap it in: the database and the two
    // cursors always refer to one and the same file. Every failure names the
    // file and its cause.
    ChiudiDatabase();
    IdProgetto = 0;
    std::shared_ptr<Database> db = Database::Open(PercorsoDB, DisegnoArchivio());
    std::unique_ptr<Recordset> principale = db->OpenTable("Principale");
    principale->SetIndex("PrimaryKey");
    std::unique_ptr<Recordset> secondario = db->OpenTable("Secondario");
    secondario->SetIndex("ID");
    DB = std::move(db);
    TabPrincipale = std::move(principale);
    TabSecondario = std::move(secondario);
}

namespace {

bool CercaCoppia(bool avvisa, bool modifica)
{
    try {
        if (!DB || !TabPrincipale || !TabSecondario) {
            // No database open: as for a missing project.
            if (avvisa)
                Dialogs::MsgBox("Il Progetto non esiste");
            return false;
        }
        TabPrincipale->Seek("=", IdProgetto);
        if (TabPrincipale->NoMatch()) {
            if (avvisa)
                Dialogs::MsgBox("Il Progetto non esiste");
            return false;
        }
        TabSecondario->Seek("=", IdProgetto);
        if (TabSecondario->NoMatch()) {
            if (avvisa)
                Dialogs::MsgBox("La tabella Secondaria del Progetto non esiste");
            return false;
        }
        if (modifica) {
            TabPrincipale->Edit();
            TabSecondario->Edit();
        }
        return true;
    } catch (const DbError &error) {
        // A store must learn that it failed, so that what it was to store
        // is kept, and a fill, so that what it could not fill is never
        // stored: their callers tell the user.
        if (modifica || RiempimentoInCorso())
            throw;
        Dialogs::MsgBox(error.Description());
        return false;
    }
}

}  // namespace

bool TrovaProgetto()
{
    return CercaCoppia(false, false);
}

bool PosizionaProgetto()
{
    return CercaCoppia(true, true);
}

std::unique_ptr<Recordset> CercaRigaProgetto(const QString &tabella, const QString &indice)
{
    auto riga = DB->OpenTable(tabella);
    riga->SetIndex(indice);
    riga->Seek("=", IdProgetto);
    return riga;
}

qint64 CreaProgetto()
{
    if (!DB)
        throw DbError("Nessun archivio aperto: selezionare un Archivio Valido.");
    // Both rows or neither.
    Transaction transaction(*DB);
    TabPrincipale->AddNew();
    TabPrincipale->SetField("CodiceEnte", QString(""));
    TabPrincipale->SetField("Oggetto", QString("Nuovo Progetto"));
    TabPrincipale->SetField("UltimaModifica", TimbroModifica(QDateTime::currentDateTime()));
    TabPrincipale->Update();
    // The new key comes from the insertion itself, not from "the last row".
    const qint64 id = TabPrincipale->LastInsertedKey();
    TabSecondario->AddNew();
    TabSecondario->SetField("Id", id);
    TabSecondario->Update();
    transaction.Commit();
    return id;
}

bool CancellaProgetto(qint64 id)
{
    if (!DB)
        return false;
    TabPrincipale->Seek("=", id);
    if (TabPrincipale->NoMatch())
        return false;
    TabPrincipale->Delete();
    return true;
}
