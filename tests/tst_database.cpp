// The database layer on small files made by hand: table cursors and their
// indexes, dynasets, typed fields, additions and deletions, counters,
// transactions. Files that are refused, and failures of the file itself, are
// tested with the archive and the failure tests.
#include "TestSupport.h"

#include "Database.h"
#include "DatabaseDesign.h"
#include "DbError.h"
#include "Globali.h"
#include "Recordset.h"

#include <QDateTime>
#include <QTemporaryDir>

namespace {

// A table of every column kind, with a non-unique index and rows whose index
// values repeat and include NULL.
const QStringList kCampioni = {
    "CREATE TABLE Campioni (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nome TEXT, Gruppo INTEGER, "
    "Peso DOUBLE, Attivo BOOLEAN, Quando DATETIME, Note MEMO)",
    "CREATE INDEX \"Campioni.Gruppo\" ON Campioni (Gruppo)",
    "CREATE UNIQUE INDEX \"Campioni.PrimaryKey\" ON Campioni (Id)",
    "INSERT INTO Campioni (Nome, Gruppo, Peso, Attivo, Quando, Note) VALUES "
    "('a', 2, 1.5, 1, '2001-02-03T04:05:06', 'prima'), ('b', 1, NULL, 0, NULL, NULL), "
    "('c', 2, -3, 0, NULL, NULL), ('d', NULL, NULL, NULL, NULL, NULL), ('e', 3, NULL, NULL, NULL, NULL)",
};

QStringList Walk(Recordset &rs, bool forward = true)
{
    QStringList names;
    forward ? rs.MoveFirst() : rs.MoveLast();
    for (; forward ? !rs.Eof() : !rs.Bof(); forward ? rs.MoveNext() : rs.MovePrevious())
        names << rs.Field("Nome").toString();
    return names;
}

QString Nome(const Recordset &rs)
{
    return rs.Field("Nome").toString();
}

// A table cursor ordered by one of its named indexes.
std::unique_ptr<Recordset> Cursor(Database &db, const QString &table, const QString &index = "PrimaryKey")
{
    auto rs = db.OpenTable(table);
    rs->SetIndex(index);
    return rs;
}

void Add(Recordset &rs, const QString &nome)
{
    rs.AddNew();
    rs.SetField("Nome", nome);
    rs.Update();
}

}  // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    int files_ = 0;

    // A fresh file holding the sample table (and `more`).
    std::shared_ptr<Database> Campioni(const QStringList &more = {})
    {
        const QString path = dir_.filePath(QString("campioni-%1.db").arg(++files_));
        {
            OtherConnection maker(path);
            for (const QString &statement : kCampioni + more)
                maker.Value(statement);
        }
        return Database::Open(path, DatabaseDesign::FromDefinition(kCampioni.mid(0, 3).join(";\n")));
    }

private slots:
    void initTestCase() { InitTestProcess(); }

    // Index order: NULL first, then by value, equal values by insertion. A
    // failed Seek leaves no row to read, edit or delete.
    void tableCursorFollowsItsNamedIndexAndSeeks()
    {
        auto db = Campioni();
        auto rs = db->OpenTable("campioni");
        rs->SetIndex("GRUPPO");  // the index belongs to its table, any case
        QCOMPARE(Walk(*rs), QStringList({"d", "b", "a", "c", "e"}));
        QVERIFY(rs->Eof() && !rs->HasCurrent());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->MoveNext());
        QCOMPARE(Walk(*rs, false), QStringList({"e", "c", "a", "b", "d"}));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->MovePrevious());
        rs->MoveNext();  // from before the first row onto the first
        QCOMPARE(Nome(*rs), QString("d"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetIndex("Nome"));

        rs->Seek("=", 2);
        QCOMPARE(Nome(*rs), QString("a"));
        rs->MoveNext();
        QCOMPARE(Nome(*rs), QString("c"));
        for (const QVariant &key : {QVariant(7), QVariant(), QVariant("due")}) {
            rs->Seek("=", 3);
            rs->Seek("=", key);
            QVERIFY(rs->NoMatch() && !rs->HasCurrent());
            QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Nome"));
            QVERIFY_THROWS_EXCEPTION(DbError, rs->Edit());
            QVERIFY_THROWS_EXCEPTION(DbError, rs->Delete());
        }
        rs->Seek("=", "1");  // a numeric text finds the number, as the engine converts it
        QCOMPARE(Nome(*rs), QString("b"));
    }

    // Values are typed by the column's declared kind and Null stays null;
    // fields are found by name in any case or by position; assigned values
    // are converted to the column's kind or refused.
    void fieldsAreTypedAndFoundByNameOrPosition()
    {
        auto db = Campioni();
        auto rs = Cursor(*db, "Campioni");
        rs->Seek("=", 1);
        QCOMPARE(rs->Field("NOME"), rs->Field(1));
        QCOMPARE(rs->Field("Id").typeId(), int(QMetaType::LongLong));
        QCOMPARE(rs->Field("Gruppo"), QVariant(qint64(2)));
        QCOMPARE(rs->Field("Peso"), QVariant(1.5));
        QCOMPARE(rs->Field("Attivo"), QVariant(true));
        QCOMPARE(rs->Field("Quando").toDateTime(), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        QCOMPARE(rs->Field("Note"), QVariant(QString("prima")));
        rs->Seek("=", 2);
        QCOMPARE(rs->Field("Attivo"), QVariant(false));
        for (const char *empty : {"Peso", "Quando", "Note"})
            QVERIFY(rs->Field(empty).isNull());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Inesistente"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field(7));

        // Assigned values are converted to the column's kind, or refused.
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetField("Nome", QString("x")));  // not editing
        rs->Edit();
        rs->SetField("Quando", QString("25/12/1999"));
        rs->SetField("Peso", QString("2.25"));
        rs->SetField(2, 4.5);  // whole-number column: half away from zero
        rs->SetField("Note", QVariant());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetField("Gruppo", QString("molti")));
        QVERIFY_THROWS_EXCEPTION(DbError, rs->SetField("Quando", QString("31/02/2000")));
        rs->Update();
        QCOMPARE(rs->Field("Quando").toDateTime(), QDateTime(QDate(1999, 12, 25), QTime(0, 0)));
        QCOMPARE(rs->Field("Peso"), QVariant(2.25));
        QCOMPARE(rs->Field("Gruppo"), QVariant(qint64(5)));
        QVERIFY(rs->Field("Note").isNull());
    }

    // After an addition the row current before stays current and the new key
    // comes from the insertion; after a deletion the cursor stands between
    // the deleted row's neighbours.
    void addingAndDeletingKeepTheCursorInPlace()
    {
        auto db = Campioni();
        auto rs = Cursor(*db, "Campioni", "Gruppo");
        rs->Seek("=", 1);
        rs->AddNew();
        rs->SetField("Nome", QString("f"));
        QCOMPARE(Nome(*rs), QString("f"));  // the row being added
        rs->Update();
        QCOMPARE(rs->LastInsertedKey(), 6);
        QCOMPARE(Nome(*rs), QString("b"));
        rs->MoveFirst();  // a table cursor sees the row just added
        QCOMPARE(Nome(*rs), QString("d"));
        rs->MoveNext();
        QCOMPARE(Nome(*rs), QString("f"));

        // A dynaset shows rows added through it at its end, and keeps its row.
        auto dyn = db->OpenRecordset("Select * from Campioni Where Gruppo = ?", {9});
        QVERIFY(dyn->Eof() && dyn->Bof());
        dyn->AddNew();
        dyn->SetField("Gruppo", 9);
        dyn->Update();
        QVERIFY(!dyn->HasCurrent());
        dyn->MoveLast();
        QCOMPARE(dyn->LastInsertedKey(), dyn->CurrentRowid());

        rs->Seek("=", 2);  // "a", between "b" and "c"
        rs->Delete();
        QVERIFY(!rs->HasCurrent() && !rs->Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs->Field("Nome"));
        rs->MoveNext();
        QCOMPARE(Nome(*rs), QString("c"));
        rs->Delete();
        rs->MovePrevious();
        QCOMPARE(Nome(*rs), QString("b"));

        // Deleting every row of a dynaset one by one, as a grid rewrite does.
        int deleted = 0;
        for (auto all = db->OpenRecordset("Select * from Campioni"); !all->Eof(); all->MoveNext(), ++deleted)
            all->Delete();
        QCOMPARE(deleted, 5);
        QCOMPARE(db->OpenTable("Campioni")->RecordCount(), 0);
    }

    // A key is above every earlier one, even after deleting the newest or
    // every row, and keys go beyond 32 bits.
    void countersOnlyGrowAndGoBeyondThirtyTwoBits()
    {
        auto db = Campioni();
        auto rs = Cursor(*db, "Campioni");
        rs->Seek("=", 5);
        rs->Delete();
        Add(*rs, "f");
        QCOMPARE(rs->LastInsertedKey(), 6);
        db->Execute("DELETE FROM Campioni");
        Add(*rs, "g");
        QCOMPARE(rs->LastInsertedKey(), 7);

        const qint64 big = 5000000000LL;
        rs->AddNew();
        rs->SetField("Id", big);
        rs->Update();
        Add(*rs, "h");
        QCOMPARE(rs->LastInsertedKey(), big + 1);
        rs->Seek("=", int(big));  // the key cut to 32 bits is another key
        QVERIFY(rs->NoMatch());
    }

    // Update writes only the fields assigned since Edit, so one window's
    // store never overwrites what another stored meanwhile.
    void editStoresOnlyTheAssignedFields()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        auto db = Database::Open(env.DatabasePath(), DisegnoArchivio());
        auto first = Cursor(*db, "Principale"), second = Cursor(*db, "Principale");
        for (auto *rs : {first.get(), second.get()}) {
            rs->Seek("=", id);
            rs->Edit();
        }
        second->SetField("Oggetto", QString("scritto dalla seconda"));
        second->Update();
        first->SetField("CodiceEnte", QString("E-1"));
        QCOMPARE(first->Field("Oggetto").toString(), QString("Nuovo Progetto"));  // read at Edit
        first->Update();
        QCOMPARE(env.Sql("select Oggetto || CodiceEnte from Principale where Id = ?", {id}).toString(),
                 QString("scritto dalla secondaE-1"));
        QCOMPARE(first->Field("Oggetto").toString(), QString("scritto dalla seconda"));  // reread

        // Editing a row that someone else deleted stores nothing and says so.
        first->Edit();
        first->SetField("Oggetto", QString("perso"));
        second->Delete();
        QVERIFY_THROWS_EXCEPTION(DbError, first->Update());
        QVERIFY(!first->HasCurrent());
        QCOMPARE(env.Sql("select count(*) from Principale where Id = ?", {id}).toInt(), 0);
    }

    // A dynaset holds its query's rows in order; FindFirst binds its values
    // and looks only among them; a row deleted behind its back is skipped.
    void dynasetKeepsItsRowsAndFindsTheFirstMatch()
    {
        auto db = Campioni();
        auto dyn = db->OpenRecordset("Select * from Campioni Where Gruppo = ? Order By Nome Desc", {2});
        QCOMPARE(dyn->RecordCount(), 2);
        dyn->FindFirst("Peso < ?", {10});
        QCOMPARE(Nome(*dyn), QString("c"));  // first in the dynaset's order
        // Not in the dynaset (though in the table), and a value bound, never spliced.
        for (const char *nome : {"e", "a' OR '1'='1"}) {
            dyn->FindFirst("Nome = ?", {nome});
            QVERIFY(dyn->NoMatch() && !dyn->HasCurrent());
        }

        // A row deleted behind the dynaset's back is skipped.
        db->Execute("DELETE FROM Campioni WHERE Nome = ?", {"a"});
        dyn->MoveFirst();
        dyn->MoveNext();
        QVERIFY(dyn->Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, db->OpenRecordset("Select Nome from Campioni"));
    }

    // A long walk reads rows ahead in blocks, with the fields read so far:
    // what is written meanwhile, through any cursor, is what the walk shows,
    // and a field first read late, or only on some rows, is fetched then.
    void aLongDynasetWalkShowsRowsAsStoredNow()
    {
        auto db = Campioni();
        for (int i = 0; i < 150; ++i)
            db->Execute("INSERT INTO Campioni (Nome, Gruppo, Peso) VALUES (?, 9, ?)", {QString("r%1").arg(i), i});
        auto dyn = db->OpenRecordset("Select * from Campioni Where Gruppo = ?", {9});
        auto other = Cursor(*db, "Campioni");
        QStringList names;
        for (int i = 0; !dyn->Eof(); dyn->MoveNext(), ++i) {
            names << Nome(*dyn);
            if (i >= 100 || i == 30)
                QCOMPARE(dyn->Field("Peso"), QVariant(double(i < 100 ? i : i + 1)));
            if (names.last() == "r10") {
                other->Seek("=", dyn->Field("Id").toLongLong() + 1);
                other->Edit();
                other->SetField("Nome", QString("cambiato"));
                other->Update();
                db->Execute("DELETE FROM Campioni WHERE Nome = ?", {"r100"});
            }
        }
        QCOMPARE(names.size(), 149);
        QCOMPARE(names.at(11), QString("cambiato"));
        QVERIFY(!names.contains("r100"));
        dyn->MovePrevious();
        QCOMPARE(dyn->Field("Peso"), QVariant(149.0));
        dyn->MoveFirst();
        QCOMPARE(dyn->Field("Peso"), QVariant(0.0));
        QCOMPARE(dyn->Field("Gruppo"), QVariant(qint64(9)));

        // A field not fetched yet of a row deleted meanwhile is not invented.
        auto fresh = db->OpenRecordset("Select * from Campioni Where Gruppo = ?", {9});
        while (Nome(*fresh) != "r70")
            fresh->MoveNext();
        db->Execute("DELETE FROM Campioni WHERE Nome = ?", {"r70"});
        QCOMPARE(Nome(*fresh), QString("r70"));  // fetched when the walk came here
        QVERIFY_THROWS_EXCEPTION(DbError, fresh->Field("Quando"));
    }

    // A window's whole store in one transaction, a grid rewrite inside it in
    // its own: the inner one can be undone alone, nothing is stored for good
    // until the outermost commits, and one not committed leaves the old rows.
    void transactionsNestAndAnInnerOneIsUndoneAlone()
    {
        auto db = Campioni();
        auto rs = Cursor(*db, "Campioni");
        {
            Transaction finestra(*db);
            Add(*rs, "esterna");
            {
                Transaction griglia(*db);
                Add(*rs, "annullata");
            }
            {
                Transaction griglia(*db);
                Add(*rs, "interna");
                griglia.Commit();
            }
            QCOMPARE(Walk(*rs).mid(5), QStringList({"esterna", "interna"}));
            auto altro = Database::Open(db->Path(), DatabaseDesign::FromDefinition(kCampioni.first()));
            QCOMPARE(Walk(*Cursor(*altro, "Campioni")).size(), 5);  // another connection sees nothing yet
            finestra.Commit();
        }
        {
            Transaction finestra(*db);
            db->Execute("DELETE FROM Campioni WHERE Gruppo = ?", {2});
            Add(*rs, "persa");
            Transaction griglia(*db);
            Add(*rs, "persa anche lei");
            griglia.Commit();
        }
        QCOMPARE(Walk(*rs), QStringList({"a", "b", "c", "d", "e", "esterna", "interna"}));
    }

    // A cursor keeps working after many more tables are opened beside it.
    void cursorsSurviveOpeningManyTables()
    {
        QStringList more;
        for (int i = 0; i < 100; ++i)
            more << QString("CREATE TABLE Altra%1 (Id INTEGER, Testo TEXT)").arg(i);
        auto db = Campioni(more);
        auto rs = db->OpenTable("Campioni");
        std::vector<std::unique_ptr<Recordset>> others;
        for (int i = 0; i < 100; ++i)
            others.push_back(db->OpenTable(QString("Altra%1").arg(i)));
        rs->SetIndex("PrimaryKey");
        rs->Seek("=", 4);
        QCOMPARE(Nome(*rs), QString("d"));
    }
};

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
