// A store that fails keeps what the window shows, says why and that nothing
// was stored, and nothing closes over it without asking.
#include "PilotaSezione2.h"
#include "PilotaSezione3.h"

#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "Sezione1Form.h"
#include "Velkaro.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QMdiSubWindow>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QString kNonRegistrati = "non sono stati registrati";

// The messages shown since the last look, and forgets them.
QStringList Mostrati()
{
    const QStringList messaggi = Dialogs::Messages();
    Dialogs::ClearHistory();
    return messaggi;
}

int Domande()
{
    int n = 0;
    for (const Dialogs::Shown &shown : Dialogs::History())
        if (shown.kind == "question")
            ++n;
    return n;
}

}  // namespace

class TestMemorizzazione : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitTestProcess();
        Database::SetBusyTimeout(100);
    }

    // Another program holding the file's lock: the store says so and that
    // nothing was stored, the window keeps what was typed, closing the
    // program asks; once the lock is gone the next store goes through.
    void aLockedFileKeepsTheWindowUntilTheLockGoes()
    {
        TestEnvironment env;
        PilotaSezione2 s(env);
        Velkaro *principale = env.MainWindow();
        Scrivi(s.W("Text1(0)"), "Centro Formazione Kavrano");
        QSqlDatabase altro = QSqlDatabase::addDatabase("QSQLITE", "altro-programma");
        altro.setDatabaseName(env.DatabasePath());
        QVERIFY(altro.open());
        QSqlQuery blocco(altro);
        QVERIFY(blocco.exec("BEGIN EXCLUSIVE"));

        s.Lascia();
        QStringList messaggi = Mostrati();
        QCOMPARE(messaggi.size(), 1);
        QVERIFY2(messaggi[0].contains("bloccato da un altro programma") && messaggi[0].contains(kNonRegistrati),
                 qPrintable(messaggi[0]));
        Dialogs::Queue(false);
        QVERIFY(!principale->close());
        QCOMPARE(Domande(), 1);
        Dialogs::ClearHistory();
        s.Torna();
        QCOMPARE(Testo(s.W("Text1(0)")), QString("Centro Formazione Kavrano"));

        QVERIFY(blocco.exec("COMMIT"));
        s.Lascia();
        QVERIFY(Mostrati().isEmpty());
        QVERIFY(!s.form->HoldsUnsaved());
        QCOMPARE(s.Campo("Principale", "Denominazione").toString(), QString("Centro Formazione Kavrano"));
        blocco = QSqlQuery();
        altro.close();
        altro = QSqlDatabase();
        QSqlDatabase::removeDatabase("altro-programma");
        QVERIFY(principale->close());
        QCOMPARE(Domande(), 0);
    }

    // Storing one part of a window does not clear another that could not be
    // stored: a module stored after the descriptive fields failed leaves
    // the window holding them, not refilled over them.
    void aPartStoredLeavesTheOthersUnsaved()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const QString testo = "Valutazione finale con prova pratica";
        s.VaiA(9);
        s.Aggiungi(Moduli(), "Sicurezza");
        Scrivi(s.Casella(61), testo);  // a descriptive box of page 8
        QSqlDatabase altro = QSqlDatabase::addDatabase("QSQLITE", "altro-programma");
        altro.setDatabaseName(env.DatabasePath());
        QVERIFY(altro.open());
        {
            QSqlQuery blocco(altro);
            QVERIFY(blocco.exec("BEGIN EXCLUSIVE"));
            s.Avanti();  // the descriptive fields cannot be stored: the page stays
            QCOMPARE(s.Pagina(), 9);
            QVERIFY(blocco.exec("COMMIT"));
        }
        altro.close();
        altro = QSqlDatabase();
        QSqlDatabase::removeDatabase("altro-programma");
        s.Registra(Moduli());  // the module goes through; the fields are still unsaved
        QVERIFY(s.form->HoldsUnsaved("campi"));
        s.Lascia();
        s.Torna();
        QCOMPARE(Testo(s.Casella(61)), testo);
        s.Avanti();
        QCOMPARE(s.Pagina(), 10);
        QVERIFY(!s.form->HoldsUnsaved());
        QCOMPARE(s.Sql("select VerificheFinali from Principale where Id = ?", {s.id}).toString(), testo);
    }

    // The database file removed under an open section 1: the window keeps
    // what was typed through every way of leaving, and only the user's
    // "Yes" lets it go.
    void aFailedStoreKeepsTheTypedTextUntilTheUserLetsItGo()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Velkaro *principale = env.MainWindow();
        auto *sezione1 = qobject_cast<Sezione1Form *>(principale->ApriFinestra("Sezione1Form"));
        Settle();
        TypeInto(sezione1->Text1[0], "Testo digitato");
        QVERIFY(QFile::remove(env.DatabasePath()));

        principale->ApriFinestra("IntroduzioneForm");
        Settle();
        QStringList messaggi = Mostrati();
        QCOMPARE(messaggi.size(), 1);
        QVERIFY2(messaggi[0].contains(kNonRegistrati) && messaggi[0].contains("Sezione 1"), qPrintable(messaggi[0]));
        QVERIFY(sezione1->HoldsUnsaved());

        // Back to the window: it is not refilled over what it shows.
        principale->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(sezione1->Text1[0]->text(), QString("Testo digitato"));

        // Closing the window, choosing another project, closing the program:
        // each asks, and "No" keeps everything open.
        Dialogs::Queue(false);
        QVERIFY(!sezione1->SubWindow()->close());
        Dialogs::Queue(false);
        bool archivioAperto = false;
        WhenModal([&](QDialog *dialogo) {
            archivioAperto = true;
            dialogo->reject();
        });
        principale->findChild<QAction *>("Archiviazione")->trigger();
        Settle();
        QVERIFY(!archivioAperto);
        Dialogs::Queue(false);
        QVERIFY(!principale->close());
        QVERIFY(principale->isVisible());
        QCOMPARE(Domande(), 3);
        QCOMPARE(principale->Finestra("Sezione1Form"), sezione1);
        QCOMPARE(sezione1->Text1[0]->text(), QString("Testo digitato"));
        for (const Dialogs::Shown &shown : Dialogs::History())
            if (shown.kind == "question")
                QVERIFY(shown.text.contains("Sezione 1") && shown.text.contains("perdere"));
        Dialogs::ClearHistory();

        // "Yes" lets the window go, with what it could not store.
        Dialogs::Queue(true);
        QVERIFY(sezione1->SubWindow()->close());
        Settle();
        QVERIFY(!principale->Finestra("Sezione1Form"));
        Dialogs::ClearQueue();
    }

    // Section 2's member lists: a member whose details could not be stored
    // stays chosen and shown when the user clicks another one.
    void aMemberWhoseDetailsCouldNotBeStoredStaysChosen()
    {
        TestEnvironment env;
        PilotaSezione2 s(env);
        s.W<QCheckBox>("Check4")->click();
        s.Aggiungi("Command4", "Text1(136)", "Alfa");
        s.Aggiungi("Command4", "Text1(136)", "Beta");
        auto *lista = s.W<ListBox>("List1");
        s.Scegli(lista, 0);
        TypeInto(s.W("Text1(121)"), "Kavrano");
        QVERIFY(QFile::remove(env.DatabasePath()));
        Dialogs::ClearHistory();
        ClickItem(lista, 1);  // leaving the box stores; the choice stores again
        const QStringList messaggi = Mostrati();
        QVERIFY(!messaggi.isEmpty());
        for (const QString &messaggio : messaggi)
            QVERIFY2(messaggio.contains(kNonRegistrati), qPrintable(messaggio));
        QCOMPARE(lista->ListIndex(), 0);
        QCOMPARE(Testo(s.W("Text1(121)")), QString("Kavrano"));
        Dialogs::Queue(true);
        s.form->SubWindow()->close();
        Settle();
        Dialogs::ClearQueue();
    }

    void aClientCompanyWhoseDetailsCouldNotBeStoredStaysChosen()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 1);
        s.VaiA(4);
        s.Aggiungi("Command8", "Text4(0)", "Prima");
        s.Aggiungi("Command8", "Text4(0)", "Seconda");
        auto *lista = s.W<ListBox>("List3");
        s.Scegli(lista, 0);
        TypeInto(s.W("Text4(1)"), "Metalmeccanico");
        QVERIFY(QFile::remove(env.DatabasePath()));
        Dialogs::ClearHistory();
        ClickItem(lista, 1);
        const QStringList messaggi = Mostrati();
        QCOMPARE(messaggi.size(), 1);
        QVERIFY2(messaggi[0].contains(kNonRegistrati), qPrintable(messaggi[0]));
        QCOMPARE(lista->ListIndex(), 0);
        QCOMPARE(Testo(s.W("Text4(1)")), QString("Metalmeccanico"));
        Dialogs::Queue(true);
        s.form->SubWindow()->close();
        Settle();
        Dialogs::ClearQueue();
    }
};

QTEST_MAIN(TestMemorizzazione)
#include "tst_memorizzazione.moc"
