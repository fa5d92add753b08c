#include "TestSupport.h"

#include "Database.h"
#include "DbError.h"
#include "Recordset.h"

#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

int fileCounter = 0;

// A small SQLite file made by hand, on a connection of its own.
void MakeDatabase(const QString &path, const QStringList &statements)
{
    const QString name = QString("handmade-%1").arg(++fileCounter);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(path));
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(name);
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A table of every column kind, with a non-unique index and rows whose
// index values repeat and include NULL.
const QStringList kCampioni = {
    "CREATE TABLE Campioni (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nome TEXT, Gruppo INTEGER, "
    "Peso DOUBLE, Attivo BOOLEAN, Quando DATETIME, Note MEMO)",
    "CREATE INDEX \"Campioni.Gruppo\" ON Campioni (Gruppo)",
    "CREATE UNIQUE INDEX \"Campioni.PrimaryKey\" ON Campioni (Id)",
    "INSERT INTO Campioni (Nome, Gruppo, Peso, Attivo, Quando, Note) VALUES "
    "('a', 2, 1.5, 1, '2001-02-03T04:05:06', 'prima'), "
    "('b', 1, NULL, 0, NULL, NULL), "
    "('c', 2, -3, 0, NULL, NULL), "
    "('d', NULL, NULL, NULL, NULL, NULL), "
    "('e', 3, NULL, NULL, NULL, NULL)",
};

QStringList Walk(Recordset &rs, bool forward)
{
    QStringList names;
    forward ? rs.MoveFirst() : rs.MoveLast();
    while (forward ? !rs.Eof() : !rs.Bof()) {
        names << rs.Field("Nome").toString();
        forward ? rs.MoveNext() : rs.MovePrevious();
    }
    return names;
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    std::shared_ptr<Database> Campioni()
    {
        const QString path = dir_.filePath(QString("campioni-%1.db").arg(++fileCounter));
        MakeDatabase(path, kCampioni);
        return Database::Open(path, {"Campioni"});
    }

private slots:
    void initTestCase() { InitTestProcess(); }

    void refusesFilesThatAreNotProjectDatabasesAndLeavesThemAlone()
    {
        const QString text = dir_.filePath("x.mdb");
        QFile t(text);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("Questo non è un archivio.\n");
        t.close();
        const QString empty = dir_.filePath("vuoto.mdb");
        QFile e(empty);
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.close();
        const QString other = dir_.filePath("altro.mdb");
        MakeDatabase(other, {"CREATE TABLE Secondario (Id INTEGER)", "INSERT INTO Secondario VALUES (1)"});
        const QString missing = dir_.filePath("manca.mdb");

        for (const QString &path : {text, empty, other, missing}) {
            const QByteArray before = Bytes(path);
            const QString name = QFileInfo(path).fileName();
            try {
                Database::Open(path);
                QFAIL(qPrintable("opened " + name));
            } catch (const DbError &error) {
                QVERIFY2(error.Description().contains(name), qPrintable(error.Description()));
                QVERIFY2(error.Description().contains("archivio") || error.Description().contains("file"),
                         qPrintable(error.Description()));
            }
            QCOMPARE(Bytes(path), before);
        }
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(QFileInfo(empty).size(), 0);
    }

    void tableCursorFollowsItsNamedIndex()
    {
        auto db = Campioni();
        auto rs = db->OpenTable("campioni");
        QCOMPARE(rs->TableName(), QString("Campioni"));
        rs->SetIndex("GRUPPO");  // the index belongs to its table, any case
        // Index order: NULL first, then by value, equal values by insertion.
        QCOMPARE(Walk(*rs, true), QStringList({"d", "b", "a", "c", "e"}));
        QVERIFY(rs->Eof());
        QVERIFY(!rs->HasCurrent());
        QCOMPARE(Walk(*rs, false), QStringList({"e", "c", "a", "b", "d"}));
        QVERIFY(rs->Bof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->MovePrevious());
        rs->MoveNext();  // from before the first row onto the first
        QCOMPARE(rs->Field("Nome").toString(), QString("d"));
        rs->MoveLast();
        rs->MoveNext();
        QVERIFY(rs->Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->MoveNext());
        rs->MovePrevious();
        QCOMPARE(rs->Field("Nome").toString(), QString("e"));
        QCOMPARE(rs->RecordCount(), 5);

        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetIndex("Nome"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetIndex("PrimaryKe"));
    }

    void seekFindsTheFirstEqualKeyAndAMissLeavesNoRow()
    {
        auto db = Campioni();
        auto rs = db->OpenTable("Campioni");
        rs->SetIndex("Gruppo");
        rs->Seek("=", 2);
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field("Nome").toString(), QString("a"));
        rs->MoveNext();
        QCOMPARE(rs->Field("Nome").toString(), QString("c"));
        rs->MoveNext();
        QCOMPARE(rs->Field("Nome").toString(), QString("e"));

        for (const QVariant &key : {QVariant(7), QVariant(), QVariant("due")}) {
            rs->Seek("=", 3);
            QVERIFY(rs->HasCurrent());
            rs->Seek("=", key);
            QVERIFY(rs->NoMatch());
            QVERIFY(!rs->HasCurrent());
            QCOMPARE(rs->CurrentRowid(), 0);
            QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Nome"));
            QVERIFY_THROWS_EXCEPTION(DbError, rs->Edit());
            QVERIFY_THROWS_EXCEPTION(DbError, rs->Delete());
        }
        rs->Seek("=", "1");  // a numeric text finds the number, as the engine converts it
        QCOMPARE(rs->Field("Nome").toString(), QString("b"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Seek(">", 1));

        auto senzaIndice = db->OpenTable("Campioni");
        QVERIFY_THROWS_EXCEPTION(DbError, senzaIndice->Seek("=", 1));
    }

    void fieldsAreTypedAndFoundByNameOrPosition()
    {
        auto db = Campioni();
        auto rs = db->OpenTable("Campioni");
        rs->SetIndex("PrimaryKey");
        rs->Seek("=", 1);
        QCOMPARE(rs->FieldCount(), 7);
        QCOMPARE(rs->FieldName(3), QString("Peso"));
        QCOMPARE(rs->Field("nome"), rs->Field(1));
        QCOMPARE(rs->Field("NOME").toString(), QString("a"));
        QCOMPARE(rs->Field("Id").typeId(), int(QMetaType::LongLong));
        QCOMPARE(rs->Field("Gruppo"), QVariant(qint64(2)));
        QCOMPARE(rs->Field("Peso"), QVariant(1.5));
        QCOMPARE(rs->Field("Attivo"), QVariant(true));
        QCOMPARE(rs->Field("Quando").toDateTime(), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        QCOMPARE(rs->Field("Note"), QVariant(QString("prima")));
        rs->Seek("=", 2);
        QCOMPARE(rs->Field("Attivo"), QVariant(false));
        QVERIFY(rs->Field("Peso").isNull());
        QVERIFY(rs->Field(5).isNull());
        QVERIFY(rs->Field("Note").isNull());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Inesistente"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field(7));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field(-1));

        // Assigned values are converted to the column's kind, or refused.
        rs->Edit();
        rs->SetField("Quando", QString("25/12/1999"));
        rs->SetField("Peso", QString("2.25"));
        rs->SetField("Attivo", true);
        rs->SetField(2, 4.5);  // whole-number column: half away from zero
        rs->SetField("Note", QVariant());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetField("Gruppo", QString("molti")));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetField("Quando", QString("31/02/2000")));
        rs->Update();
        QCOMPARE(rs->Field("Quando").toDateTime(), QDateTime(QDate(1999, 12, 25), QTime(0, 0)));
        QCOMPARE(rs->Field("Peso"), QVariant(2.25));
        QCOMPARE(rs->Field("Attivo"), QVariant(true));
        QCOMPARE(rs->Field("Gruppo"), QVariant(qint64(5)));
        QVERIFY(rs->Field("Note").isNull());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetField("Nome", QString("x")));  // not editing
    }

    void addingARowKeepsTheCurrentRowAndGivesItsKey()
    {
        TestEnvironment env;
        auto db = Database::Open(env.DatabasePath());
        auto rs = db->OpenTable("Principale");
        rs->SetIndex("PrimaryKey");
        for (const char *oggetto : {"uno", "due", "tre"}) {
            rs->AddNew();
            rs->SetField("Oggetto", QString(oggetto));
            rs->Update();
        }
        rs->Seek("=", 2);
        rs->AddNew();
        rs->SetField("Oggetto", QString("quattro"));
        QCOMPARE(rs->Field("Oggetto").toString(), QString("quattro"));  // the row being added
        QVERIFY(rs->Field("CodiceEnte").isNull());
        rs->Update();
        QCOMPARE(rs->LastInsertedKey(), 4);
        QVERIFY(rs->HasCurrent());
        QCOMPARE(rs->Field("Oggetto").toString(), QString("due"));
        rs->MoveNext();
        QCOMPARE(rs->Field("Oggetto").toString(), QString("tre"));
        rs->MoveNext();  // a table cursor sees the row just added
        QCOMPARE(rs->Field("Oggetto").toString(), QString("quattro"));

        // A dynaset shows rows added through it at its end, and keeps its row.
        auto dyn = db->OpenRecordset("Select * from Secondario Where Id = ?", {9});
        QVERIFY(dyn->Eof() && dyn->Bof());
        dyn->AddNew();
        dyn->SetField("Id", 9);
        dyn->Update();
        QVERIFY(!dyn->HasCurrent());
        dyn->MoveLast();
        QCOMPARE(dyn->Field("Id"), QVariant(qint64(9)));
        QCOMPARE(dyn->LastInsertedKey(), dyn->CurrentRowid());
    }

    void countersAreNeverReused()
    {
        TestEnvironment env;
        auto db = Database::Open(env.DatabasePath());
        auto rs = db->OpenTable("Principale");
        rs->SetIndex("PrimaryKey");
        for (int i = 0; i < 3; ++i) {
            rs->AddNew();
            rs->Update();
        }
        rs->Seek("=", 3);
        rs->Delete();
        rs->AddNew();
        rs->Update();
        QCOMPARE(rs->LastInsertedKey(), 4);
        db->Execute("DELETE FROM Principale");
        rs->AddNew();
        rs->Update();
        QCOMPARE(rs->LastInsertedKey(), 5);
        rs->MoveFirst();
        QCOMPARE(rs->Field("Id"), QVariant(qint64(5)));
    }

    void keysBeyondThirtyTwoBits()
    {
        TestEnvironment env;
        auto db = Database::Open(env.DatabasePath());
        auto rs = db->OpenTable("Principale");
        rs->SetIndex("PrimaryKey");
        const qint64 big = 5000000000LL;
        rs->AddNew();
        rs->SetField("Id", big);
        rs->SetField("Oggetto", QString("grande"));
        rs->Update();
        QCOMPARE(rs->LastInsertedKey(), big);
        rs->AddNew();
        rs->Update();
        QCOMPARE(rs->LastInsertedKey(), big + 1);
        rs->Seek("=", big);
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->Field("Id"), QVariant(big));
        QCOMPARE(rs->Field("Oggetto").toString(), QString("grande"));
        rs->Seek("=", int(big));  // the key cut to 32 bits is another key
        QVERIFY(rs->NoMatch());
        auto dyn = db->OpenRecordset("Select * from Principale Where Id > ?", {big});
        QCOMPARE(dyn->Field("Id"), QVariant(big + 1));
    }

    void editStoresOnlyTheAssignedFields()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        auto db = Database::Open(env.DatabasePath());
        auto first = db->OpenTable("Principale");
        auto second = db->OpenTable("Principale");
        for (auto *rs : {first.get(), second.get()}) {
            rs->SetIndex("PrimaryKey");
            rs->Seek("=", id);
            rs->Edit();
        }
        second->SetField("Oggetto", QString("scritto dalla seconda"));
        second->Update();
        first->SetField("CodiceEnte", QString("E-1"));
        QCOMPARE(first->Field("Oggetto").toString(), QString("Nuovo Progetto"));  // read at Edit
        first->Update();
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {id}).toString(),
                 QString("scritto dalla seconda"));
        QCOMPARE(env.Sql("select CodiceEnte from Principale where Id = ?", {id}).toString(), QString("E-1"));
        QCOMPARE(first->Field("Oggetto").toString(), QString("scritto dalla seconda"));  // reread

        // Editing a row that someone else deleted stores nothing and says so.
        first->Edit();
        first->SetField("Oggetto", QString("perso"));
        second->Delete();
        QVERIFY_THROWS_EXCEPTION(DbError, first->Update());
        QVERIFY(!first->HasCurrent());
        QCOMPARE(env.Sql("select count(*) from Principale where Id = ?", {id}).toInt(), 0);
    }

    void deletingLeavesTheCursorBetweenItsNeighbours()
    {
        auto db = Campioni();
        auto rs = db->OpenTable("Campioni");
        rs->SetIndex("Gruppo");
        rs->Seek("=", 2);  // "a", between "b" and "c"
        rs->Delete();
        QVERIFY(!rs->HasCurrent());
        QVERIFY(!rs->Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Nome"));
        rs->MoveNext();
        QCOMPARE(rs->Field("Nome").toString(), QString("c"));
        rs->Delete();
        rs->MovePrevious();
        QCOMPARE(rs->Field("Nome").toString(), QString("b"));
        rs->MoveLast();
        rs->Delete();
        rs->MoveNext();
        QVERIFY(rs->Eof());
        QCOMPARE(Walk(*rs, true), QStringList({"d", "b"}));

        // Deleting every row of a dynaset one by one, as a grid rewrite does.
        auto dyn = db->OpenRecordset("Select * from Campioni");
        int deleted = 0;
        while (!dyn->Eof()) {
            dyn->Delete();
            ++deleted;
            dyn->MoveNext();
        }
        QCOMPARE(deleted, 2);
        QCOMPARE(db->OpenTable("Campioni")->RecordCount(), 0);
    }

    void dynasetKeepsItsRowsAndFindsTheFirstMatch()
    {
        auto db = Campioni();
        auto dyn = db->OpenRecordset("Select * from Campioni Where Gruppo = ? Order By Nome Desc", {2});
        QCOMPARE(dyn->RecordCount(), 2);
        QCOMPARE(dyn->Field("Nome").toString(), QString("c"));
        dyn->FindFirst("Peso < ?", {10});
        QCOMPARE(dyn->Field("Nome").toString(), QString("c"));  // first in the dynaset's order
        dyn->FindFirst("Nome = ?", {"a"});
        QVERIFY(!dyn->NoMatch());
        QCOMPARE(dyn->Field("Id"), QVariant(qint64(1)));
        dyn->FindFirst("Nome = ?", {"e"});  // in the table, not in the dynaset
        QVERIFY(dyn->NoMatch());
        QVERIFY(!dyn->HasCurrent());
        QVERIFY_THROWS_EXCEPTION(DbError, dyn->Field("Nome"));
        // A value is bound, never spliced into the query.
        dyn->FindFirst("Nome = ?", {"a' OR '1'='1"});
        QVERIFY(dyn->NoMatch());
        QCOMPARE(db->OpenTable("Campioni")->RecordCount(), 5);

        // A row deleted behind the dynaset's back is skipped.
        db->Execute("DELETE FROM Campioni WHERE Nome = ?", {"a"});
        dyn->MoveFirst();
        dyn->MoveNext();
        QVERIFY(dyn->Eof());

        QVERIFY_THROWS_EXCEPTION(DbError, db->OpenRecordset("Select Nome from Campioni"));
        QVERIFY_THROWS_EXCEPTION(DbError, db->OpenRecordset("Select * from Nessuna"));
    }

    // A long walk reads rows ahead in blocks; what is written meanwhile,
    // through any cursor of the program, is what the walk shows.
    void aLongDynasetWalkShowsRowsAsStoredNow()
    {
        auto db = Campioni();
        for (int i = 0; i < 150; ++i)
            db->Execute("INSERT INTO Campioni (Nome, Gruppo) VALUES (?, 9)", {QString("r%1").arg(i)});
        auto dyn = db->OpenRecordset("Select * from Campioni Where Gruppo = ?", {9});
        auto other = db->OpenTable("Campioni");
        other->SetIndex("PrimaryKey");
        QStringList names;
        while (!dyn->Eof()) {
            const QString name = dyn->Field("Nome").toString();
            names << name;
            if (name == "r10") {
                other->Seek("=", dyn->Field("Id").toLongLong() + 1);
                other->Edit();
                other->SetField("Nome", QString("cambiato"));
                other->Update();
                db->Execute("DELETE FROM Campioni WHERE Nome = ?", {"r100"});
            }
            dyn->MoveNext();
        }
        QCOMPARE(names.size(), 149);
        QCOMPARE(names.at(11), QString("cambiato"));
        QVERIFY(!names.contains("r100"));
        QCOMPARE(names.last(), QString("r149"));
    }

    void aTransactionNotCommittedLeavesTheOldRows()
    {
        auto db = Campioni();
        {
            Transaction transaction(*db);
            db->Execute("DELETE FROM Campioni WHERE Gruppo = ?", {2});
            auto rs = db->OpenTable("Campioni");
            rs->AddNew();
            rs->SetField("Nome", QString("nuovo"));
            rs->Update();
            // no Commit: an error on the way out
        }
        auto rs = db->OpenTable("Campioni");
        rs->SetIndex("PrimaryKey");
        QCOMPARE(Walk(*rs, true), QStringList({"a", "b", "c", "d", "e"}));
        {
            Transaction transaction(*db);
            db->Execute("DELETE FROM Campioni WHERE Gruppo = ?", {2});
            transaction.Commit();
        }
        QCOMPARE(Walk(*rs, true), QStringList({"b", "d", "e"}));
    }

    void aVanishedFileIsNeverWrittenSilently()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        auto db = Database::Open(env.DatabasePath());
        auto rs = db->OpenTable("Principale");
        rs->SetIndex("PrimaryKey");
        rs->Seek("=", id);
        rs->Edit();
        rs->SetField("Oggetto", QString("mai registrato"));
        QVERIFY(QFile::remove(env.DatabasePath()));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Update());
        rs->AddNew();
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Update());
        rs->Seek("=", id);
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Delete());
        QVERIFY_THROWS_EXCEPTION(DbError, db->Execute("DELETE FROM Principale"));
        bool refused = false;
        try {
            rs->Edit();
            rs->Update();
        } catch (const DbError &error) {
            refused = error.Description().contains("Formulario.Mdb");
        }
        QVERIFY(refused);
        QVERIFY(!QFile::exists(env.DatabasePath()));
    }

    void cursorsSurviveOpeningManyTables()
    {
        QStringList statements = kCampioni;
        for (int i = 0; i < 100; ++i)
            statements << QString("CREATE TABLE Altra%1 (Id INTEGER, Testo TEXT)").arg(i);
        const QString path = dir_.filePath("molte.db");
        MakeDatabase(path, statements);
        auto db = Database::Open(path, {"Campioni"});
        auto rs = db->OpenTable("Campioni");
        std::vector<std::unique_ptr<Recordset>> others;
        for (int i = 0; i < 100; ++i)
            others.push_back(db->OpenTable(QString("Altra%1").arg(i)));
        rs->SetIndex("PrimaryKey");
        rs->Seek("=", 4);
        QCOMPARE(rs->Field("Nome").toString(), QString("d"));
        QCOMPARE(rs->FieldName(6), QString("Note"));
    }

    void aClosedRecordsetRefusesWork()
    {
        auto db = Campioni();
        auto rs = db->OpenRecordset("Select * from Campioni");
        rs->Close();
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Nome"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->MoveFirst());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->AddNew());
    }
};

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
