#include "TestSupport.h"

#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Recordset.h"

class TestProgetto : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // The new Id comes from the insertion, never from "the last row", and is
    // never reused; deleting leaves the project's other rows in the file.
    void createdProjectsGetRisingIdsAndBothRows()
    {
        TestEnvironment env;
        env.OpenDatabase();
        const qint64 primo = CreaProgetto();
        const qint64 secondo = CreaProgetto();
        QVERIFY(primo > 0 && secondo > primo);
        QCOMPARE(IdProgetto, qint64(0));  // a new project does not become current
        QCOMPARE(env.Sql("select Oggetto || '|' || CodiceEnte from Principale where Id = ?", {secondo}).toString(),
                 QString("Nuovo Progetto|"));
        const QString timbro = env.Sql("select UltimaModifica from Principale where Id = ?", {secondo}).toString();
        QVERIFY2(QDateTime::fromString(timbro, "dd/MM/yy HH:mm:ss").isValid(), qPrintable(timbro));

        QVERIFY(CancellaProgetto(secondo));
        QVERIFY(!CancellaProgetto(secondo));  // already gone
        const qint64 terzo = CreaProgetto();
        QVERIFY(terzo > secondo);
        for (qint64 id : {primo, secondo, terzo})
            QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {id}).toInt(), 1);
        QCOMPARE(env.Sql("select count(*) from Principale where Id = ?", {secondo}).toInt(), 0);
    }

    void findsTheProjectOnlyWithBothRows()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        QVERIFY(TrovaProgetto());
        QCOMPARE(TabSecondario->Field("Id").toLongLong(), id);
        QVERIFY(PosizionaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());

        // No Secondario row: silent for the finder, named for the positioner.
        env.ExecSql("delete from Secondario where Id = ?", {id});
        QVERIFY(!TrovaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"La tabella Secondaria del Progetto non esiste"});

        // No Principale row, or Id 0.
        env.ExecSql("delete from Principale where Id = ?", {id});
        CreaProgetto();
        for (qint64 cercato : {id, qint64(0)}) {
            IdProgetto = cercato;
            Dialogs::ClearHistory();
            QVERIFY(!TrovaProgetto());
            QVERIFY(!PosizionaProgetto());
            QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        }
    }

    void noDatabaseOpenIsAMissingProject()
    {
        TestEnvironment env;
        IdProgetto = 3;
        QVERIFY(!TrovaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        QVERIFY_THROWS_EXCEPTION(DbError, CreaProgetto());
        QVERIFY(!CancellaProgetto(3));
    }

    void aProjectWithALargeIdIsUsable()
    {
        TestEnvironment env;
        const qint64 grande = 5000000000LL;
        env.ExecSql("insert into Principale (Id, Oggetto) values (?, 'Grande')", {grande});
        env.ExecSql("insert into Secondario (Id) values (?)", {grande});
        env.OpenDatabase();
        IdProgetto = grande;
        QVERIFY(PosizionaProgetto());
        QCOMPARE(TabPrincipale->Field("Oggetto").toString(), QString("Grande"));
        TabPrincipale->SetField("Oggetto", QString("Ancora grande"));
        TabPrincipale->Update();
        TabSecondario->Update();
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {grande}).toString(), QString("Ancora grande"));
        QVERIFY(CreaProgetto() > grande);
    }
};

QTEST_MAIN(TestProgetto)
#include "tst_progetto.moc"
