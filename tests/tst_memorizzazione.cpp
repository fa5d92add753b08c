// A store that fails keeps what the window shows, says why and that nothing
// was stored, and nothing closes over it without asking.
#include "PilotaSezione2.h"
#include "PilotaSezione3.h"
#include "ProgettoEsempio.h"

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

namespace {

const QString kNonRegistrati = "non sono stati registrati";

// The messages shown since the last look, and forgets them.
QStringList Mostrati()
{
    const QStringList messaggi = Dialogs::Messages();
    Dialogs::ClearHistory();
    return messaggi;
}

// Every row of the tables, in the order stored.
QStringList Righe(const TestEnvironment &env, const QStringList &tabelle)
{
    OtherConnection altro(env.DatabasePath());
    QStringList righe;
    for (const QString &tabella : tabelle)
        for (const QVariantList &riga : altro.Rows(QString("select * from %1 order by rowid").arg(tabella)))
            righe << tabella + ": " + QVariant(riga).toStringList().join('|');
    return righe;
}

// What a box shows; of a grid, its first row's second cell.
QString Mostrato(QWidget *casella)
{
    if (auto *griglia = qobject_cast<EditableGrid *>(casella))
        return griglia->TextMatrix(1, 1);
    return Testo(casella);
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
    // nothing was stored, the window keeps what was typed; once the lock is
    // gone the next store goes through.
    void aLockedFileKeepsTheWindowUntilTheLockGoes()
    {
        TestEnvironment env;
        PilotaSezione2 s(env);
        Scrivi(s.W("Text1(0)"), "Centro Formazione Kavrano");
        OtherConnection altro(env.DatabasePath());
        altro.Value("BEGIN EXCLUSIVE");

        s.Lascia();
        QStringList messaggi = Mostrati();
        QCOMPARE(messaggi.size(), 1);
        QVERIFY2(messaggi[0].contains("bloccato da un altro programma") && messaggi[0].contains(kNonRegistrati),
                 qPrintable(messaggi[0]));
        s.Torna();
        QCOMPARE(Testo(s.W("Text1(0)")), QString("Centro Formazione Kavrano"));

        altro.Value("COMMIT");
        s.Lascia();
        QVERIFY(Mostrati().isEmpty());
        QVERIFY(!s.form->HoldsUnsaved());
        QCOMPARE(s.Campo("Principale", "Denominazione").toString(), QString("Centro Formazione Kavrano"));
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
        {
            OtherConnection altro(env.DatabasePath());
            altro.Value("BEGIN EXCLUSIVE");
            s.Avanti();  // the descriptive fields cannot be stored: the page stays
            QCOMPARE(s.Pagina(), 9);
        }
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

    // Another program holds the file's lock while a window opens, or while a
    // part of it fills on the user's choice (a list member, an editor's item,
    // an action): the fill says why it failed; once the lock is gone neither
    // leaving the window nor the part's own button writes what it shows over
    // the stored rows, closing asks nothing, and the next activation (and
    // choice) fills it.
    void aPartThatCouldNotBeFilledIsNeverStored_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("tipo");          // the activity type, which gives section 2's pages
        QTest::addColumn<int>("avanti");        // next arrows pressed before the lock
        QTest::addColumn<QString>("elenco");    // chosen under the lock; none: the window opens under it
        QTest::addColumn<int>("clic");          // 2: a double click, after which the activation fills it all
        QTest::addColumn<QString>("registra");  // the part's own store, pressed once the lock is gone
        QTest::addColumn<QStringList>("tabelle");
        QTest::addColumn<QString>("casella");  // a box of the part, and the stored value it shows
        QTest::addColumn<QString>("valore");
        const QStringList dettagli = {"AttrezzatureMateriale", "MaterialiServizi", "SpeseRaggiungimento",
                                      "SpeseRisorse",          "SpeseStages",      "SpeseViaggioDocenti"};
        QTest::newRow("section 1") << "Sezione1Form" << 1 << 0 << "" << 1 << ""
                                   << QStringList{"Principale", "Secondario"} << "Text1(0)"
                                   << "select Oggetto from Principale";
        QTest::newRow("section 2") << "Sezione2Form" << 1 << 0 << "" << 1 << ""
                                   << QStringList{"Principale", "Secondario", "ATS", "Committenti", "Consorzi"}
                                   << "Text1(0)"
                                   << "select Denominazione from Principale";
        QTest::newRow("section 2, association member")
            << "Sezione2Form" << 1 << 0 << "List1" << 1 << "" << QStringList{"ATS"} << "Text1(121)"
            << "select Citta1 from ATS order by rowid limit 1";
        QTest::newRow("section 2, client company")
            << "Sezione2Form" << 1 << 4 << "List3" << 1 << "" << QStringList{"Committenti"} << "Text4(1)"
            << "select SettoreAp from Committenti order by rowid limit 1";
        QTest::newRow("section 2, consortium member")
            << "Sezione2Form" << 2 << 4 << "List2" << 1 << "" << QStringList{"Consorzi"} << "Text4(46)"
            << "select SedeLegale from Consorzi order by rowid limit 1";
        QTest::newRow("section 3")
            << "Sezione3Form" << 1 << 0 << "" << 1 << ""
            << QStringList{"Principale", "Secondario", "Azioni", "SpeseSez3", "DestinatariIntervento", "TerziDelegati"}
            << "Text1(61)"
            << "select VerificheFinali from Principale";
        QTest::newRow("section 3, module and its equipment")
            << "Sezione3Form" << 1 << 9 << "List1" << 1 << "Command7"
            << QStringList{"ProgrammaDidattico", "AttrezzatureModuli"} << "Text1(56)"
            << "select Docenti from ProgrammaDidattico order by rowid limit 1";
        QTest::newRow("section 3, action")
            << "Sezione3Form" << 1 << 10 << "List2" << 1 << "Command8" << QStringList{"ProgrammaAzione"} << "Text1(3)"
            << "select Risorse from ProgrammaAzione order by rowid limit 1";
        QTest::newRow("section 4") << "Sezione4Form" << 1 << 0 << "" << 1 << ""
                                   << QStringList{"Secondario", "SpeseSez3", "ElencoAllegati"} + dettagli
                                   << "VSFlexGrid3"
                                   << "select Descrizione from ElencoAllegati order by rowid limit 1";
        QTest::newRow("section 4, action's costs")
            << "Sezione4Form" << 1 << 0 << "List1(1)" << 2 << "" << QStringList{"Secondario", "SpeseSez3"} + dettagli
            << "Text1(4)"
            << "select SelezioneN from SpeseSez3 where IDSEZ3 = (select Azione01 from Azioni)";
    }

    void aPartThatCouldNotBeFilledIsNeverStored()
    {
        QFETCH(QString, finestra);
        QFETCH(int, tipo);
        QFETCH(int, avanti);
        QFETCH(QString, elenco);
        QFETCH(int, clic);
        QFETCH(QString, registra);
        QFETCH(QStringList, tabelle);
        QFETCH(QString, casella);
        QFETCH(QString, valore);
        TestEnvironment env;
        env.OpenNewProject();
        ProgettoEsempio esempio;
        esempio.attivitaFormativa = tipo;
        esempio.Crea();
        const QStringList prima = Righe(env, tabelle);
        Velkaro *principale = env.MainWindow();
        const auto apri = [&] {
            MdiChild *aperta = principale->ApriFinestra(finestra);
            Settle();
            return aperta;
        };
        MdiChild *f = elenco.isEmpty() ? nullptr : apri();
        for (int i = 0; i < avanti; ++i)
            for (auto *freccia : f->findChildren<QAbstractButton *>())
                if (freccia->isVisible() && freccia->toolTip() == "Avanti") {
                    Clic(freccia);
                    break;
                }
        const auto scegli = [&] { ClickItem(Find<ListBox>(f, elenco), 0, clic == 2); };
        {
            OtherConnection altro(env.DatabasePath());
            altro.Value("BEGIN EXCLUSIVE");
            if (f)
                scegli();
            else
                f = apri();
        }
        const QStringList mostrati = Mostrati();
        QCOMPARE(mostrati.size(), 1);
        QVERIFY2(mostrati[0].contains("bloccato da un altro programma") && mostrati[0].contains("non sono stati letti"),
                 qPrintable(mostrati[0]));

        if (!registra.isEmpty()) {
            Clic(Find<QAbstractButton>(f, registra));
            QVERIFY2(Mostrati().value(0).contains("non sono stati registrati"), "the button stored nothing, silently");
        }
        principale->ApriFinestra("IntroduzioneForm");
        Settle();
        QCOMPARE(Righe(env, tabelle), prima);
        apri();
        if (clic == 1 && !elenco.isEmpty())
            scegli();
        QCOMPARE(Mostrato(Find<QWidget>(f, casella)), env.Sql(valore).toString());
        QVERIFY(f->SubWindow()->close());
        QCOMPARE(Domande(), 0);
    }

    // Section 2's member lists: a member whose details could not be stored
    // stays chosen and shown when the user clicks another one.
    void aMemberWhoseDetailsCouldNotBeStoredStaysChosen_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("aggiungi");  // the add button and the box for the new name
        QTest::addColumn<QString>("nuovo");
        QTest::addColumn<QString>("elenco");
        QTest::addColumn<QString>("dettaglio");
        QTest::addColumn<int>("messaggi");  // leaving the box stores, then the choice
        QTest::newRow("association member") << 0 << "Command4"
                                            << "Text1(136)"
                                            << "List1"
                                            << "Text1(121)" << 2;
        QTest::newRow("client company") << 4 << "Command8"
                                        << "Text4(0)"
                                        << "List3"
                                        << "Text4(1)" << 1;
    }

    void aMemberWhoseDetailsCouldNotBeStoredStaysChosen()
    {
        QFETCH(int, pagina);
        QFETCH(QString, aggiungi);
        QFETCH(QString, nuovo);
        QFETCH(QString, elenco);
        QFETCH(QString, dettaglio);
        QFETCH(int, messaggi);
        TestEnvironment env;
        PilotaSezione2 s(env, 1);
        if (pagina == 0)
            s.W<QCheckBox>("Check4")->click();  // a temporary association
        s.VaiA(pagina);
        s.Aggiungi(aggiungi, nuovo, "Alfa");
        s.Aggiungi(aggiungi, nuovo, "Beta");
        auto *lista = s.W<ListBox>(elenco);
        s.Scegli(lista, 0);
        TypeInto(s.W(dettaglio), "Kavrano");
        QVERIFY(QFile::remove(env.DatabasePath()));
        Dialogs::ClearHistory();
        ClickItem(lista, 1);
        const QStringList mostrati = Mostrati();
        QCOMPARE(mostrati.size(), messaggi);
        for (const QString &messaggio : mostrati)
            QVERIFY2(messaggio.contains(kNonRegistrati), qPrintable(messaggio));
        QCOMPARE(lista->ListIndex(), 0);
        QCOMPARE(Testo(s.W(dettaglio)), QString("Kavrano"));
        Dialogs::Queue(true);
        s.form->SubWindow()->close();
        Settle();
        Dialogs::ClearQueue();
    }
};

QTEST_MAIN(TestMemorizzazione)
#include "tst_memorizzazione.moc"
