// Section 3's action types and their cost records, its target groups,
// education level, sectors and certificates, and what it does without a
// current project or database, driven through the real window.
#include "PilotaSezione3.h"

#include "Database.h"
#include "Dialogs.h"
#include "Sezione1Form.h"

namespace {

// Ticks or unticks action type k (1 to 19) with a click on its box.
void Tipo(PilotaSezione3 &s, int tipo)
{
    s.Spunta("Check3", tipo - 1);
}

}  // namespace

class TestSezione3Azioni : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Each ticked type gets a blank cost record of its own, its key in the
    // type's column; leaving again adds nothing; unticking deletes the
    // record and a type ticked later gets a key above every earlier one.
    // Two projects never touch each other's rows.
    void tickedTypesOwnTheirCostRecords()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        QCOMPARE(s.Sql("select count(*) from Azioni where Id = ?", {s.id}).toInt(), 1);
        for (int k = 1; k <= 19; ++k)
            QVERIFY(!s.Spuntato("Check3", k - 1));

        for (int tipo : {1, 10, 19})
            Tipo(s, tipo);
        s.Avanti();
        const QVariant uno = s.Chiave(1), dieci = s.Chiave(10), diciannove = s.Chiave(19);
        QSet<qint64> chiavi;
        for (const QVariant &chiave : {uno, dieci, diciannove}) {
            QVERIFY(s.EsisteSpesa(chiave));
            chiavi.insert(chiave.toLongLong());
        }
        QCOMPARE(chiavi.size(), 3);
        QCOMPARE(s.Conta("SpeseSez3"), 3);
        // A blank record: section 4 writes its project and amounts.
        QVERIFY(s.Sql("select Id from SpeseSez3 where IDSEZ3 = ?", {dieci}).isNull());
        QCOMPARE(s.Chiave(2).toLongLong(), 0);

        s.Indietro();
        s.Avanti();
        QCOMPARE(s.Conta("SpeseSez3"), 3);
        QCOMPARE(s.Chiave(10), dieci);

        // Untick the newest, tick another: the new key is above them all.
        s.Indietro();
        Tipo(s, 19);
        Tipo(s, 5);
        s.Lascia();
        QVERIFY(!s.EsisteSpesa(diciannove));
        QCOMPARE(s.Chiave(19).toLongLong(), 0);
        QVERIFY(s.Chiave(5).toLongLong() > diciannove.toLongLong());
        QVERIFY(s.EsisteSpesa(s.Chiave(5)));
        QCOMPARE(s.Conta("SpeseSez3"), 3);

        // Ticked and unticked again before leaving: nothing changes.
        s.Torna();
        Tipo(s, 7);
        Tipo(s, 7);
        s.Avanti();
        QCOMPARE(s.Chiave(7).toLongLong(), 0);
        QCOMPARE(s.Conta("SpeseSez3"), 3);

        // A key whose record is gone: unticking still clears the column.
        env.ExecSql("delete from SpeseSez3 where IDSEZ3 = ?", {uno});
        s.Indietro();
        QVERIFY(s.Spuntato("Check3", 0));
        Tipo(s, 1);
        s.Avanti();
        QCOMPARE(s.Chiave(1).toLongLong(), 0);
        const qint64 primo = s.id;
        const QVariant cinque = s.Chiave(5);

        // Another project, opened with the window loaded anew: its stores
        // follow its own row, never the other's.
        env.MainWindow()->ScaricaFinestra("Sezione3Form");
        Settle();
        s.id = IdProgetto = CreaProgetto();
        s.Apri();
        QCOMPARE(s.Sql("select count(*) from Azioni where Id = ?", {s.id}).toInt(), 1);
        for (int k = 1; k <= 19; ++k)
            QVERIFY(!s.Spuntato("Check3", k - 1));
        Tipo(s, 5);
        s.Avanti();
        s.Indietro();
        Tipo(s, 5);
        Tipo(s, 10);
        s.Avanti();
        QCOMPARE(s.Chiave(5).toLongLong(), 0);
        QVERIFY(s.Chiave(10) != dieci && s.EsisteSpesa(s.Chiave(10)));
        QCOMPARE(env.Sql("select Azione05 from Azioni where Id = ?", {primo}), cinque);
        QCOMPARE(env.Sql("select Azione10 from Azioni where Id = ?", {primo}), dieci);
        QVERIFY(s.EsisteSpesa(cinque) && s.EsisteSpesa(dieci));
        QCOMPARE(s.Conta("SpeseSez3"), 3);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // The project's Azioni row gone at store time: the message as written,
    // nothing created or deleted. (A store of the page's fields that fails
    // is with the failed stores of every window.)
    void aMissingActionRowIsReported()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        Tipo(s, 2);
        env.ExecSql("delete from Azioni where Id = ?", {s.id});
        s.Avanti();
        QCOMPARE(Dialogs::Messages(), QStringList{"TabAzioni incongruente"});
        QCOMPARE(s.Conta("SpeseSez3"), 0);
        QCOMPARE(s.Pagina(), 1);
    }

    // Target groups, education level, sectors and certificates: stored on
    // arriving at page 0 or 2 and on leaving the window, by position, and
    // listed by section 1 after a window switch.
    void targetGroupsSectorsAndCertificates()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        // Loading the window stores the row at once.
        QCOMPARE(s.Sql("select count(*) from DestinatariIntervento where Id = ?", {s.id}).toInt(), 1);
        s.Avanti();
        s.Spunta("Check1", 18);
        s.Spunta("Check1", 2);
        s.Spunta("Check4", 17);
        s.Spunta("Option4", 5);
        TypeInto(s.Casella(120), "Servizi sociali");
        TypeInto(s.Casella(0), "Qualifica regionale");
        s.Avanti();
        for (const char *campo : {"Destinatario19", "Destinatario03", "Settore18", "Scolarita6"})
            QVERIFY2(s.Campo("DestinatariIntervento", campo).toBool(), campo);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(s.Campo("DestinatariIntervento", QString("Scolarita%1").arg(i)).isNull(), false);
        QCOMPARE(s.Campo("DestinatariIntervento", "Servizi").toString(), QString("Servizi sociali"));
        QCOMPARE(s.Campo("DestinatariIntervento", "AltroPrecisare").toString(), QString("Qualifica regionale"));
        QCOMPARE(s.Sql("select count(*) from DestinatariIntervento where Id = ?", {s.id}).toInt(), 1);

        s.Menu("Sezione1");
        auto *sezione1 = qobject_cast<Sezione1Form *>(env.MainWindow()->Finestra("Sezione1Form"));
        QCOMPARE(PilotaSezione3::Voci(sezione1->List2),
                 (QStringList{"Disoccupati senza Titoli di Studio o Qualifica Professionale", "Migranti / Immigrati"}));
        // Section 1 has its own captions for the sectors.
        QCOMPARE(PilotaSezione3::Voci(sezione1->List1), QStringList{"Grafica , Fotografia, Cartotecnica, Poligrafia"});

        // Levels all false in the row: none selected, though one was.
        s.Lascia("Sezione1Form");
        s.Imposta("DestinatariIntervento", "Scolarita6", false);
        s.Torna();
        for (int i = 0; i < 6; ++i)
            QVERIFY(!s.Spuntato("Option4", i));

        // An emptied text stores the empty text and comes back empty.
        s.VaiA(1);
        TypeInto(s.Casella(120), "");
        s.Indietro();
        QCOMPARE(s.Sql("select Servizi = '' from DestinatariIntervento where Id = ?", {s.id}).toInt(), 1);
        QCOMPARE(Testo(s.Casella(120)), QString());

        // Certificates: changed on page 8, stored by the deactivation.
        s.VaiA(8);
        s.Spunta("Check2", 0);
        s.Lascia();
        QCOMPARE(s.Campo("DestinatariIntervento", "Certificato1").toBool(), true);
        s.Imposta("DestinatariIntervento", "Certificato1", false);
        s.Torna();
        QVERIFY(!s.Spuntato("Check2", 0));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // No current project (Id 0, a deleted project's Id) or no database at
    // all: no rows under either Id (action types, cost records, target
    // groups, delegated activities), the repeated message of the stores, no
    // section opened, no crash.
    void withoutAProjectNothingIsAdded_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("Id 0") << "zero";
        QTest::newRow("deleted project") << "cancellato";
        QTest::newRow("no database") << "nessuno";
    }
    void withoutAProjectNothingIsAdded()
    {
        QFETCH(QString, caso);
        TestEnvironment env;
        PilotaSezione3 s(env, false);
        const qint64 cancellato = s.id;
        if (caso == "zero")
            IdProgetto = 0;
        else if (caso == "cancellato")
            QVERIFY(CancellaProgetto(cancellato));
        else
            ChiudiDatabase();
        s.Apri();
        // The page-0 store of the load says it.
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        Dialogs::ClearHistory();

        Tipo(s, 4);
        s.Avanti();
        QCOMPARE(s.Pagina(), 1);
        QCOMPARE(Dialogs::Messages(), QStringList());
        s.Avanti();  // leaves page 1, arrives at page 2: two stores, two messages
        QCOMPARE(Dialogs::Messages(), (QStringList{"Il Progetto non esiste", "Il Progetto non esiste"}));
        s.VaiA(15);  // the delegated activities are filled and stored on the way
        s.VaiA(0);
        Dialogs::ClearHistory();
        s.Indietro();
        QCOMPARE(s.FinestraAttiva(), QString("Sezione3Form"));
        s.Lascia();
        QCOMPARE(Dialogs::Messages(), (QStringList{"Il Progetto non esiste", "Il Progetto non esiste"}));

        for (const char *tabella : {"Azioni", "SpeseSez3", "DestinatariIntervento", "TerziDelegati"})
            QCOMPARE(s.Conta(tabella), 0);
        QCOMPARE(s.Sql("select count(*) from Secondario where Id = ?", {cancellato}).toInt(), 1);
    }
};

QTEST_MAIN(TestSezione3Azioni)
#include "tst_sezione3_azioni.moc"
