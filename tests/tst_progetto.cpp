#include "TestSupport.h"

#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Recordset.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

class TestProgetto : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    void openingResetsTheCurrentProject()
    {
        TestEnvironment env;
        IdProgetto = 5;
        env.OpenDatabase();
        QVERIFY(DB);
        QVERIFY(TabPrincipale);
        QVERIFY(TabSecondario);
        QCOMPARE(IdProgetto, qint64(0));
        QCOMPARE(DB->Path(), QFileInfo(env.DatabasePath()).absoluteFilePath());
    }

    void createdProjectsGetRisingIdsAndBothRows()
    {
        TestEnvironment env;
        env.OpenDatabase();
        const qint64 primo = CreaProgetto();
        const qint64 secondo = CreaProgetto();
        QVERIFY(primo > 0);
        QVERIFY(secondo > primo);
        QCOMPARE(IdProgetto, qint64(0));  // a new project does not become current
        for (qint64 id : {primo, secondo}) {
            QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {id}).toString(),
                     QString("Nuovo Progetto"));
            QCOMPARE(env.Sql("select CodiceEnte from Principale where Id = ?", {id}).toString(), QString(""));
            QVERIFY(!env.Sql("select CodiceEnte from Principale where Id = ?", {id}).isNull());
            QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {id}).toInt(), 1);
        }
        const QString timbro = env.Sql("select UltimaModifica from Principale where Id = ?", {secondo}).toString();
        QVERIFY2(QDateTime::fromString(timbro, "dd/MM/yy HH:mm:ss").isValid(), qPrintable(timbro));
    }

    void anIdIsNeverReusedAfterADeletion()
    {
        TestEnvironment env;
        env.OpenDatabase();
        const qint64 primo = CreaProgetto();
        QVERIFY(CancellaProgetto(primo));
        const qint64 nuovo = CreaProgetto();
        QVERIFY(nuovo > primo);
        // The new Secondario row carries the new Id; the old one stays orphaned.
        QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {nuovo}).toInt(), 1);
        QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {primo}).toInt(), 1);
    }

    void findsTheProjectOnlyWithBothRows()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        Dialogs::ClearHistory();
        QVERIFY(TrovaProgetto());
        QCOMPARE(TabPrincipale->Field("Id").toLongLong(), id);
        QCOMPARE(TabSecondario->Field("Id").toLongLong(), id);
        QVERIFY(PosizionaProgetto());
        TabPrincipale->SetField("Oggetto", QString("Corso di saldatura"));
        TabPrincipale->Update();
        TabSecondario->Update();
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {id}).toString(),
                 QString("Corso di saldatura"));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void missingRowsAreReported()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();

        // No Secondario row: silent for the finder, named for the positioner.
        env.ExecSql("delete from Secondario where Id = ?", {id});
        Dialogs::ClearHistory();
        QVERIFY(!TrovaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"La tabella Secondaria del Progetto non esiste"});

        // No Principale row.
        env.ExecSql("delete from Principale where Id = ?", {id});
        Dialogs::ClearHistory();
        QVERIFY(!TrovaProgetto());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});

        // Id 0: no row has it.
        CreaProgetto();
        IdProgetto = 0;
        Dialogs::ClearHistory();
        QVERIFY(!TrovaProgetto());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
    }

    void noDatabaseOpenIsAMissingProject()
    {
        TestEnvironment env;
        ChiudiDatabase();
        IdProgetto = 3;
        QVERIFY(!TrovaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        QVERIFY_THROWS_EXCEPTION(DbError, CreaProgetto());
        QVERIFY(!CancellaProgetto(3));
    }

    void deletingLeavesTheOtherRows()
    {
        TestEnvironment env;
        env.OpenDatabase();
        const qint64 tenuto = CreaProgetto();
        const qint64 cancellato = CreaProgetto();
        QVERIFY(CancellaProgetto(cancellato));
        QCOMPARE(env.Sql("select count(*) from Principale where Id = ?", {cancellato}).toInt(), 0);
        QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {cancellato}).toInt(), 1);
        QCOMPARE(env.Sql("select count(*) from Principale where Id = ?", {tenuto}).toInt(), 1);
        QVERIFY(!CancellaProgetto(cancellato));  // already gone
        IdProgetto = cancellato;
        QVERIFY(!TrovaProgetto());
    }

    void aProjectWithALargeIdIsUsable()
    {
        TestEnvironment env;
        const qint64 grande = 5000000000LL;
        env.ExecSql("insert into Principale (Id, Oggetto) values (?, 'Grande')", {grande});
        env.ExecSql("insert into Secondario (Id) values (?)", {grande});
        env.OpenDatabase();
        IdProgetto = grande;
        QVERIFY(TrovaProgetto());
        QCOMPARE(TabPrincipale->Field("Oggetto").toString(), QString("Grande"));
        QVERIFY(PosizionaProgetto());
        TabPrincipale->SetField("Oggetto", QString("Ancora grande"));
        TabPrincipale->Update();
        TabSecondario->Update();
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {grande}).toString(),
                 QString("Ancora grande"));
        // The next project comes after it.
        QVERIFY(CreaProgetto() > grande);
    }

    void aFileThatIsNotAProjectDatabaseLeavesNothingOpen_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("sqlite");
        QTest::newRow("text") << QByteArray("non sono un archivio\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("another design") << QByteArray() << true;
    }

    void aFileThatIsNotAProjectDatabaseLeavesNothingOpen()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, sqlite);
        TestEnvironment env;
        env.OpenNewProject();
        const QString percorso = env.Folder() + "/x.mdb";
        if (sqlite) {
            QVERIFY(QFile::copy(env.DatabasePath(), percorso));
            QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner);
            QSqlDatabase altro = QSqlDatabase::addDatabase("QSQLITE", "altro");
            altro.setDatabaseName(percorso);
            QVERIFY(altro.open());
            QSqlQuery(altro).exec("drop index \"Principale.PrimaryKey\"");
            altro.close();
        } else {
            QFile file(percorso);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contenuto);
        }
        if (sqlite)
            QSqlDatabase::removeDatabase("altro");
        QFile prima(percorso);
        QVERIFY(prima.open(QIODevice::ReadOnly));
        const QByteArray bytes = prima.readAll();
        prima.close();

        PercorsoDB = percorso;
        try {
            ApriDatabase();
            QFAIL("the file was taken for a project database");
        } catch (const DbError &errore) {
            QVERIFY2(errore.Description().contains(percorso), qPrintable(errore.Description()));
        }
        QVERIFY(!DB);
        QVERIFY(!TabPrincipale);
        QVERIFY(!TabSecondario);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(!TrovaProgetto());

        QFile dopo(percorso);
        QVERIFY(dopo.open(QIODevice::ReadOnly));
        QCOMPARE(dopo.readAll(), bytes);
        QVERIFY(!QFile::exists(percorso + "-journal"));
    }
};

QTEST_MAIN(TestProgetto)
#include "tst_progetto.moc"
