// Failures of the database file, each under the condition that produces it:
// another program's lock, a damaged page, a file of another design, a file
// removed or replaced while open, a full disk, and the permission cases run
// as an unprivileged user in a child process.

#include "TestSupport.h"

#include "ArchiviazioneForm.h"
#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "ListBox.h"
#include "ProfileFile.h"
#include "Recordset.h"
#include "Velkaro.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

using Cause = DbError::Cause;

namespace {

constexpr int kProgetti = 2000;
constexpr uid_t kNessuno = 65534;

// Overwrites a leaf page of Principale's b-tree with garbage, or only its
// cells when `intestazioneIntegra` (SQLite then answers a look-up of its
// rows with no row and no error), and returns the first Id stored on it, or
// 0 when the pages cannot be listed. The page is one well inside the table
// whose rows lie within one block of a walk's reads ahead (64 rows), so the
// failure comes after rows read well, not on a block's first row. The
// projects' Ids run from 1 in key order.
qint64 DanneggiaPagina(const QString &percorso, bool intestazioneIntegra)
{
    constexpr int kBlocco = 64;
    qint64 pagina = 0, primoId = 1, dimensione = 0;
    {
        OtherConnection altro(percorso);
        if (!altro.Value("SELECT count(*) FROM pragma_module_list WHERE name = 'dbstat'").toBool())
            return 0;
        dimensione = altro.Value("PRAGMA page_size").toLongLong();
        const auto foglie = altro.Rows("SELECT pageno, ncell FROM dbstat "
                                       "WHERE name = 'Principale' AND pagetype = 'leaf' ORDER BY path");
        for (int i = 0; i < foglie.size() && pagina == 0; ++i) {
            const qint64 righe = foglie[i].value(1).toLongLong();
            const qint64 inizioBlocco = (primoId - 1) / kBlocco * kBlocco + 1;
            if (i >= 5 && primoId > inizioBlocco && primoId + righe <= inizioBlocco + kBlocco)
                pagina = foglie[i].value(0).toLongLong();
            else
                primoId += righe;
        }
    }
    QFile file(percorso);
    if (pagina == 0 || !file.open(QIODevice::ReadWrite) || !file.seek((pagina - 1) * dimensione))
        return 0;
    // A leaf's header is 8 bytes; the 2-byte offset of its cells' start is at 5.
    const QByteArray intestazione = file.read(8);
    const qint64 celle = intestazioneIntegra ? quint8(intestazione[5]) * 256 + quint8(intestazione[6]) : 0;
    file.seek((pagina - 1) * dimensione + celle);
    file.write(QByteArray(int(dimensione - celle), intestazioneIntegra ? char(0) : char(0xA5)));
    return primoId;
}

// The Ids of a walk over "Select * from Principale", reading three fields of
// each row as the archive's list does.
QList<qint64> ScorriComeArchivio(Database &db)
{
    QList<qint64> ids;
    for (auto progetti = db.OpenRecordset("Select * from Principale"); !progetti->Eof(); progetti->MoveNext()) {
        ids << progetti->Field("Id").toLongLong();
        progetti->Field("Oggetto");
        progetti->Field("UltimaModifica");
    }
    return ids;
}

// Runs `azione`, which must fail with this cause; returns the description.
QString Errore(const std::function<void()> &azione, Cause atteso)
{
    try {
        azione();
    } catch (const DbError &errore) {
        return (errore.Reason() == atteso ? "" : QString("<causa %1> ").arg(int(errore.Reason())))
               + errore.Description();
    }
    return QString("<nessun errore>");
}

// A message naming the file, as the user reads it.
QString Testo(QString frase, const QString &percorso)
{
    return frase.replace("%1", QDir::toNativeSeparators(percorso));
}

// The reads of a table cursor that meet a page of garbage.
void CursoriSuUnaPaginaDanneggiata(Database &db, qint64 danneggiato, const QString &messaggio)
{
    auto principale = db.OpenTable("Principale");
    principale->SetIndex("PrimaryKey");
    principale->Seek("=", danneggiato - 1);  // the page before is whole
    QCOMPARE(principale->Field("Id"), QVariant(danneggiato - 1));
    QCOMPARE(Errore([&] { principale->MoveNext(); }, Cause::Damaged), messaggio);
    QCOMPARE(Errore([&] { principale->Seek("=", danneggiato); }, Cause::Damaged), messaggio);
    QCOMPARE(Errore([&] { db.OpenRecordset("Select * from Principale Where Oggetto Like ?", {"Progetto%"}); },
                    Cause::Damaged),
             messaggio);
    QCOMPARE(Errore([&] { principale->FindFirst("Oggetto = ?", {"x"}); }, Cause::Damaged), messaggio);
}

void ScriviOggetto(qint64 id, const QString &oggetto)
{
    TabPrincipale->Seek("=", id);
    TabPrincipale->Edit();
    TabPrincipale->SetField("Oggetto", oggetto);
    TabPrincipale->Update();
}

// The archive opens the file again and a store succeeds.
bool RegistraDopoLaRiapertura(TestEnvironment &env, qint64 id)
{
    env.OpenDatabase();
    ScriviOggetto(id, "registrato");
    return env.Sql("select Oggetto from Principale where Id = ?", {id}).toString() == "registrato";
}

// --- The permission cases, run as an unprivileged user in a child process
// that prints what it met, a line each.

constexpr QFile::Permissions kCartellaScrivibile = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                   | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                   | QFile::ExeOther;
constexpr QFile::Permissions kCartellaSolaLettura = QFile::ReadOwner | QFile::ExeOwner;

void Dice(const DbError &errore)
{
    std::printf("MESSAGGIO %d %s\n", int(errore.Reason()), errore.Description().toUtf8().constData());
}

// "apertura": opening must be refused. "aperto": the folder becomes
// read-only while the file is open, then writable again. "impostazioni": the
// folder takes no new file, its settings file is still written. Exit status
// 77: this user is not bound by permissions.
int CasoNonPrivilegiato(const QString &caso, const QString &cartella)
{
    const QString percorso = cartella + "/Formulario.Mdb";
    const auto libero = [&] { return QFileInfo(cartella).isWritable() && QFileInfo(percorso).isWritable(); };
    if (caso == "impostazioni") {
        QFile::setPermissions(cartella, kCartellaSolaLettura);
        if (libero())
            return 77;
        const ProfileFile impostazioni(cartella + "/velkaro.ini");
        const bool scritto = impostazioni.Write("Percorsi", "DataBase", percorso);
        std::printf("SCRITTO %d %s\n", int(scritto),
                    impostazioni.Read("Percorsi", "DataBase", "").toUtf8().constData());
        return 0;
    }
    if (caso == "apertura" && libero())
        return 77;
    try {
        auto db = Database::Open(percorso, DisegnoArchivio());
        if (caso == "apertura") {
            std::printf("ERRORE aperto\n");
            return 0;
        }
        auto principale = db->OpenTable("Principale");
        const auto scrivi = [&](const QString &oggetto) {
            principale->AddNew();
            principale->SetField("Oggetto", oggetto);
            principale->Update();
        };
        scrivi("prima");
        QFile::setPermissions(cartella, kCartellaSolaLettura);
        if (libero())
            return 77;
        try {
            scrivi("mai");
            std::printf("ERRORE registrato in una cartella di sola lettura\n");
        } catch (const DbError &errore) {
            Dice(errore);
        }
        // SQLite's own refusal, past the check before each store, says the same.
        QSqlQuery query(db->Connection());
        if (query.exec("INSERT INTO Principale (Oggetto) VALUES ('mai')"))
            std::printf("ERRORE SQLite ha scritto in una cartella di sola lettura\n");
        else
            Dice(db->Failure(query.lastError(), "prova"));
        QFile::setPermissions(cartella, kCartellaScrivibile);
        scrivi("dopo");
        const auto righe = db->Rows("SELECT group_concat(Oggetto, ',') FROM Principale", {}, "prova");
        std::printf("RIGHE %s\n", righe.value(0).value(0).toString().toUtf8().constData());
    } catch (const DbError &errore) {
        Dice(errore);
    }
    return 0;
}

// Runs a permission case as an unprivileged user on `cartella`; returns what
// the child printed, or a line "SALTA why" where that cannot be done.
QStringList ComeUtenteSenzaPrivilegi(const QString &caso, const QString &cartella)
{
    QString programma = QCoreApplication::applicationFilePath();
    QStringList argomenti{"--caso", caso, cartella};
    if (::geteuid() == 0) {
        programma = QStandardPaths::findExecutable("setpriv");
        if (programma.isEmpty())
            return {"SALTA setpriv is missing: cannot run as an unprivileged user"};
        argomenti =
            QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", QCoreApplication::applicationFilePath()}
            + argomenti;
        // The unprivileged user owns the folder and its files, so only their
        // permission bits stand in its way.
        const QStringList voci = QDir(cartella).entryList(QDir::Files) << ".";
        for (const QString &voce : voci)
            if (::chown(QFile::encodeName(cartella + "/" + voce).constData(), kNessuno, kNessuno) != 0)
                return {"SALTA cannot give the folder to the unprivileged user"};
    }
    QProcess figlio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("ASAN_OPTIONS", "detect_leaks=0");
    figlio.setProcessEnvironment(ambiente);
    figlio.start(programma, argomenti);
    if (!figlio.waitForFinished(60000))
        return {"ERRORE il processo figlio non termina"};
    const QStringList righe = QString::fromUtf8(figlio.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (figlio.exitCode() == 77 || (figlio.exitCode() != 0 && righe.isEmpty()))
        return {"SALTA the test program cannot run as an unprivileged user here: "
                + QString::fromLocal8Bit(figlio.readAllStandardError()).left(300)};
    return righe;
}

}  // namespace

class TestGuasti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitTestProcess();
        Database::SetBusyTimeout(100);  // ms a statement waits for another program's lock
    }

    void cleanupTestCase() { Database::SetBusyTimeout(5000); }

    // An exclusive lock stops reading and writing, a reserved one writing;
    // once the other program lets go, the same store succeeds.
    void aLockHeldByAnotherProgramIsToldAsSuch_data()
    {
        QTest::addColumn<QString>("blocco");
        QTest::newRow("exclusive") << "BEGIN EXCLUSIVE";
        QTest::newRow("reserved") << "BEGIN IMMEDIATE";
    }

    void aLockHeldByAnotherProgramIsToldAsSuch()
    {
        QFETCH(QString, blocco);
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        const QString bloccato = Testo("L'archivio '%1' è bloccato da un altro programma.", env.DatabasePath());
        OtherConnection altro(env.DatabasePath());
        altro.Value(blocco);
        const bool esclusivo = blocco == "BEGIN EXCLUSIVE";
        if (esclusivo) {
            QCOMPARE(Errore([&] { TabPrincipale->Seek("=", id); }, Cause::Locked), bloccato);
        } else {
            TabPrincipale->Seek("=", id);  // reading goes on
            QVERIFY(!TabPrincipale->NoMatch());
        }
        QCOMPARE(Errore([&] { ScriviOggetto(id, "mai registrato"); }, Cause::Locked), bloccato);
        if (esclusivo) {
            QCOMPARE(Errore([] { ApriDatabase(); }, Cause::Locked), bloccato);
            QVERIFY(!DB);
        }
        altro.Value("ROLLBACK");
        QVERIFY(RegistraDopoLaRiapertura(env, id));
    }

    // A reader of the other program keeps the file from being committed to:
    // the commit says so and the whole transaction is undone.
    void aCommitThatCannotTakeTheLockStoresNothing()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        OtherConnection altro(env.DatabasePath());
        altro.Value("BEGIN");
        altro.Value("SELECT count(*) FROM Principale");
        {
            Transaction registrazione(*DB);
            ScriviOggetto(id, "mai registrato");
            QCOMPARE(Errore([&] { registrazione.Commit(); }, Cause::Locked),
                     Testo("L'archivio '%1' è bloccato da un altro programma.", env.DatabasePath()));
        }
        altro.Value("ROLLBACK");
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {id}).toString(), QString("Nuovo Progetto"));
    }

    // One page of Principale overwritten with garbage: every read that meets
    // it fails as damage, never as rows or projects that are not there. With
    // the page's header intact SQLite finds none of its rows, without an
    // error, while the index still lists them: rows listed and not deleted
    // since are damage too.
    void aDamagedPageIsAnErrorNeverAShorterList_data()
    {
        QTest::addColumn<bool>("intestazioneIntegra");
        QTest::newRow("whole page") << false;
        QTest::newRow("cells, header intact") << true;
    }

    void aDamagedPageIsAnErrorNeverAShorterList()
    {
        QFETCH(bool, intestazioneIntegra);
        TestEnvironment env;
        env.ExecSql(QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                            "INSERT INTO Principale (CodiceEnte, Oggetto, UltimaModifica) "
                            "SELECT '', 'Progetto ' || i, '05/03/01 10:22:41' FROM n")
                        .arg(kProgetti));
        env.ExecSql("INSERT INTO Secondario (Id) SELECT Id FROM Principale");
        const QString copia = env.Folder() + "/Copia.Mdb";
        QVERIFY(QFile::copy(env.DatabasePath(), copia));
        const qint64 danneggiato = DanneggiaPagina(copia, intestazioneIntegra);
        if (danneggiato == 0)
            QSKIP("SQLite gives no page list (dbstat) here");
        const QString messaggio = Testo("L'archivio '%1' è danneggiato.", copia);

        QCOMPARE(ScorriComeArchivio(*Database::Open(env.DatabasePath(), DisegnoArchivio())).size(), kProgetti);
        auto db = Database::Open(copia, DisegnoArchivio());
        QCOMPARE(Errore([&] { ScorriComeArchivio(*db); }, Cause::Damaged), messaggio);
        if (!intestazioneIntegra)
            CursoriSuUnaPaginaDanneggiata(*db, danneggiato, messaggio);

        // The archive opened on the damaged file says so.
        ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", copia);
        ArchiviazioneForm archivio(env.MainWindow());
        QCOMPARE(Dialogs::Messages(), QStringList{messaggio});
        QVERIFY(Find<ListBox>(&archivio, "List1")->ListCount() < kProgetti);
    }

    // A file lacking a table, field, index or action type of the shipped
    // design, or holding one of another kind, is refused naming what is
    // missing and left untouched, also when chosen in the archive. More than
    // the design is allowed.
    void aFileLackingPartOfTheDesignIsRefusedNamingIt_data()
    {
        QTest::addColumn<QStringList>("modifiche");
        QTest::addColumn<QString>("manca");
        QTest::newRow("field of Principale") << QStringList{"ALTER TABLE Principale DROP COLUMN Priorita"}
                                             << "manca il campo Priorita della tabella Principale";
        QTest::newRow("field of Secondario") << QStringList{"ALTER TABLE Secondario DROP COLUMN OreTeoria"}
                                             << "manca il campo OreTeoria della tabella Secondario";
        QTest::newRow("table") << QStringList{"DROP TABLE Committenti"} << "manca la tabella Committenti";
        QTest::newRow("index") << QStringList{"DROP INDEX \"Secondario.ID\""}
                               << "manca l'indice ID della tabella Secondario";
        QTest::newRow("index on other fields")
            << QStringList{"DROP INDEX \"ATS.ID\"", "CREATE INDEX \"ATS.ID\" ON ATS (Denominazione)"}
            << "l'indice ID della tabella ATS è diverso da quello previsto";
        QTest::newRow("action type") << QStringList{"DELETE FROM TabAzioni WHERE Id = 7"}
                                     << "manca la riga con Id 7 della tabella TabAzioni";
        QTest::newRow("field of another kind")
            << QStringList{"ALTER TABLE Principale RENAME COLUMN Priorita TO Vecchia",
                           "ALTER TABLE Principale ADD COLUMN Priorita TEXT"}
            << "il campo Priorita della tabella Principale è di un altro tipo";
        QTest::newRow("more than the design") << QStringList{"ALTER TABLE Principale ADD COLUMN Nota TEXT",
                                                             "CREATE TABLE Appunti (Id INTEGER, Testo TEXT)",
                                                             "CREATE INDEX \"Principale.Nota\" ON Principale (Nota)",
                                                             "INSERT INTO TabAzioni VALUES (20, 'Altro', 3)"}
                                              << "";
    }

    void aFileLackingPartOfTheDesignIsRefusedNamingIt()
    {
        QFETCH(QStringList, modifiche);
        QFETCH(QString, manca);
        TestEnvironment env;
        for (const QString &modifica : modifiche)
            env.ExecSql(modifica);
        const QByteArray prima = ReadBytes(env.DatabasePath());
        if (manca.isEmpty()) {
            env.OpenDatabase();
            QVERIFY(DB);
            return;
        }
        const QString atteso =
            Testo("Il file '%1' non è un archivio del Formulario: ", env.DatabasePath()) + manca + ".";
        QCOMPARE(Errore([] { ApriDatabase(); }, Cause::NotProjectDatabase), atteso);
        QVERIFY(!DB);
        QCOMPARE(ReadBytes(env.DatabasePath()), prima);
        QVERIFY(!QFile::exists(env.DatabasePath() + "-journal"));

        // Chosen in the archive with the keyboard, the file is refused with the same words.
        ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", env.Folder() + "/nessuno.Mdb");
        ArchiviazioneForm archivio(env.MainWindow());
        archivio.show();
        QListWidget *file = Find<QListWidget>(&archivio, "File1");
        file->setFocus();
        QTest::keyClick(file, Qt::Key_Down);
        QCOMPARE(Dialogs::Messages().value(1), atteso);  // after the one for the missing remembered file
        QVERIFY(!DB);
    }

    // Deleted or renamed over while open: each store says which (SQLite's own
    // refusal is read the same way) and what to do, and never makes the file
    // again. The opened file put back (as from the bin: the same file) takes
    // stores again; another file there takes them once the archive opens it.
    void aFileRemovedOrReplacedWhileOpen_data()
    {
        QTest::addColumn<bool>("sostituito");
        QTest::newRow("removed") << false;
        QTest::newRow("replaced") << true;
    }

    void aFileRemovedOrReplacedWhileOpen()
    {
        QFETCH(bool, sostituito);
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        const QString altro = env.Folder() + "/altro.Mdb", cestino = env.Folder() + "/cestino.Mdb";
        const auto alPosto = [&](const QString &file) {
            return ::rename(QFile::encodeName(file).constData(), QFile::encodeName(env.DatabasePath()).constData())
                   == 0;
        };
        // Another file with the same projects, as a copy or a sync tool puts it there.
        const auto unAltroFile = [&] { return QFile::copy(env.DatabasePath(), altro) && alPosto(altro); };
        QCOMPARE(::link(QFile::encodeName(env.DatabasePath()).constData(), QFile::encodeName(cestino).constData()), 0);
        const Cause causa = sostituito ? Cause::Replaced : Cause::Removed;
        const QString messaggio =
            Testo(sostituito ? "L'archivio '%1' è stato sostituito da un altro file. Rimettere al suo posto il file "
                               "che era aperto, oppure riaprire l'archivio da \"Seleziona Progetto\"."
                             : "L'archivio '%1' è stato rimosso. Rimettere il file al suo posto, oppure riaprire "
                               "l'archivio da \"Seleziona Progetto\".",
                  env.DatabasePath());
        QVERIFY(sostituito ? unAltroFile() : QFile::remove(env.DatabasePath()));

        QCOMPARE(Errore([&] { ScriviOggetto(id, "mai registrato"); }, causa), messaggio);
        QCOMPARE(Errore([] { CreaProgetto(); }, causa), messaggio);
        QCOMPARE(Errore([] { DB->Execute("DELETE FROM Principale"); }, causa), messaggio);
        QSqlQuery query(DB->Connection());
        QVERIFY(!query.exec("UPDATE Principale SET Oggetto = 'mai registrato'"));
        QCOMPARE(DB->Failure(query.lastError(), "prova").Reason(), causa);
        QCOMPARE(DB->Failure(query.lastError(), "prova").Description(), messaggio);
        QCOMPARE(QFile::exists(env.DatabasePath()), sostituito);

        QVERIFY(alPosto(cestino));
        ScriviOggetto(id, "rimesso");
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {id}).toString(), QString("rimesso"));
        QVERIFY(unAltroFile());
        QVERIFY(RegistraDopoLaRiapertura(env, id));
    }

    // The file may grow no further (as on a full disk): the store says so,
    // and succeeds once there is room again.
    void aFullDiskIsToldAsSuch()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        DB->Rows(
            QString("PRAGMA max_page_count = %1").arg(DB->Rows("PRAGMA page_count", {}, "").value(0).value(0).toInt()),
            {}, "");
        const QString lungo(200000, 'x');
        QCOMPARE(Errore([&] { ScriviOggetto(id, lungo); }, Cause::DiskFull),
                 Testo("Spazio su disco esaurito per l'archivio '%1'.", env.DatabasePath()));
        DB->Rows("PRAGMA max_page_count = 1000000", {}, "");
        ScriviOggetto(id, lungo);
        QCOMPARE(env.Sql("select length(Oggetto) from Principale where Id = ?", {id}).toInt(), lungo.size());
    }

    // As an unprivileged user: a read-only file or folder is refused on
    // opening and left as it was; a folder made read-only while the file is
    // open stops every store until it is writable again; a read-only program
    // folder still records the chosen database in its settings file.
    void permissionCases_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("fileScrivibile");
        QTest::addColumn<bool>("cartellaScrivibile");
        QTest::addColumn<QStringList>("attese");
        const QString sola = QString("MESSAGGIO %1 ").arg(int(Cause::ReadOnly));
        const QString cartella = sola + "La cartella dell'archivio '%1' è di sola lettura.";
        QTest::newRow("read-only folder, opening")
            << "apertura" << true << false
            << QStringList{sola
                           + "La cartella dell'archivio '%1' è di sola lettura: i dati non potrebbero essere "
                             "registrati."};
        QTest::newRow("read-only file, opening")
            << "apertura" << false << true
            << QStringList{sola + "L'archivio '%1' è di sola lettura: i dati non potrebbero essere registrati."};
        QTest::newRow("folder made read-only while open")
            << "aperto" << true << true << QStringList{cartella, cartella, "RIGHE prima,dopo"};
        QTest::newRow("read-only program folder, settings")
            << "impostazioni" << true << true << QStringList{"SCRITTO 1 %1"};
    }

    void permissionCases()
    {
        QFETCH(QString, caso);
        QFETCH(bool, fileScrivibile);
        QFETCH(bool, cartellaScrivibile);
        QFETCH(QStringList, attese);
        QTemporaryDir base;
        QFile::setPermissions(base.path(), kCartellaScrivibile);
        const QString cartella = base.filePath("archivio"), percorso = cartella + "/Formulario.Mdb";
        QVERIFY(QDir().mkdir(cartella));
        QVERIFY(QFile::copy(VELKARO_SHIPPED_DB, percorso));
        WriteBytes(cartella + "/velkaro.ini", "[Percorsi]\r\nDataBase=vecchio\r\n");
        QFile::setPermissions(percorso, QFile::ReadOwner | (fileScrivibile ? QFile::WriteOwner : QFile::Permissions()));
        QFile::setPermissions(cartella, cartellaScrivibile ? kCartellaScrivibile : kCartellaSolaLettura);
        const QByteArray prima = ReadBytes(percorso);
        const QStringList righe = ComeUtenteSenzaPrivilegi(caso, cartella);
        QFile::setPermissions(cartella, kCartellaScrivibile);
        if (righe.value(0).startsWith("SALTA"))
            QSKIP(qPrintable(righe.value(0).mid(6)));
        for (QString &attesa : attese)
            attesa = Testo(attesa, percorso);
        QCOMPARE(righe, attese);
        if (caso == "apertura")
            QCOMPARE(ReadBytes(percorso), prima);
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--caso") {
        QCoreApplication app(argc, argv);
        return CasoNonPrivilegiato(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    TestGuasti test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guasti.moc"
