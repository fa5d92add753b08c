// Section 4's window: the lists of the actions chosen in section 3, the
// current action, the pages and their buttons, the project's figures of
// page 10, the print page, and what happens when section 3 changes the
// actions under it. Driven through the real window under Italian settings.
#include "ControlliProva.h"
#include "PilotaSezione4.h"

#include "Dialogs.h"
#include "Globali.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>

namespace {

void Menu(const char *nome)
{
    Velkaro::Istanza()->findChild<QAction *>(nome)->trigger();
    Settle();
}

QString Attiva()
{
    return Velkaro::Istanza()->FinestraAttiva()->objectName();
}

}  // namespace

class TestSezione4 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Types in the order of the catalogue whatever their keys; a total only
    // when positive; a key without its record listed by name; keys far
    // beyond 16 and 32 bits; a type outside the three groups skipped. The
    // key beyond 32 bits is made current and takes its stores.
    void listsTheChosenActionsByGroup()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 formazione = s.Scegli(11, 40005);
        const qint64 orientamento = s.Scegli(9, 40009);
        const qint64 sistemi = s.Scegli(1, 5000000000LL);
        const qint64 senzaRecord = s.Scegli(3, 700);
        s.Memorizzata(s.Scegli(18, 41000), -5);
        s.Scegli(5, 42000);  // its group made 4 below
        s.Memorizzata(formazione, 1234567);
        s.Memorizzata(orientamento, 0);
        env.ExecSql("delete from SpeseSez3 where IDSEZ3 = ?", {senzaRecord});
        env.ExecSql("update TabAzioni set Gruppo = 4 where Id = 5");
        env.ExecSql("update Azioni set Azione12 = 0, Azione13 = null where ID = ?", {s.id});
        s.Apri();
        QCOMPARE(s.form->windowTitle(), QString("Sezione 4"));
        QCOMPARE(s.Pagina(), 0);
        QCOMPARE(s.Voci(1), QStringList({"Formazione", "Orientamento / Consulenza"}));
        QCOMPARE(s.Voci(2), QStringList({"Orientamento / Consulenza", "Formazione ->Tot £. 1.234.567"}));
        QCOMPARE(s.Voci(3), QStringList({"Sensibilizzazione, informazione e pubblicità"}));
        QCOMPARE(s.Chiavi(1), (QList<qint64>{sistemi, senzaRecord}));
        QCOMPARE(s.Chiavi(2), (QList<qint64>{orientamento, formazione}));

        s.DoppioClic(1, 0);
        QCOMPARE(s.form->IdSez3Corrente, sistemi);
        TypeInto(s.T1(0), "250");
        s.Avanti();
        QCOMPARE(s.Spesa(sistemi, "INAIL").toLongLong(), 250);
        QCOMPARE(s.Spesa(sistemi, "Id").toLongLong(), s.id);
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void withoutTheProjectsActionsTheListsStayEmpty()
    {
        TestEnvironment env;
        PilotaSezione4 s(env, false);
        s.Apri();
        QCOMPARE(s.Voci(1) + s.Voci(2) + s.Voci(3), QStringList());
        s.VaiA(7);
        QCOMPARE(s.form->ui.Label7->text(), QString("Altre 0 Azioni da definire"));
    }

    // The name shown at the foot of the pages and stored with the costs is
    // the catalogue's, whatever it holds, never cut out of the list's text.
    void doubleClickMakesAnActionCurrent()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        env.ExecSql("update TabAzioni set Descrizione = '  Corso -> avanzato ' where Id = 2");
        env.ExecSql("update TabAzioni set Descrizione = '->Inizio' where Id = 10");
        const qint64 corso = s.Scegli(2);
        const qint64 inizio = s.Scegli(10);
        s.Memorizzata(corso, 1500);
        s.Apri();
        QCOMPARE(s.Voci(1), QStringList({"Corso -> avanzato ->Tot £. 1.500"}));
        QCOMPARE(s.Voci(2), QStringList({"->Inizio"}));

        s.DoppioClic(1, 0);
        QCOMPARE(s.Pagina(), 1);
        QCOMPARE(s.form->IdSez3Corrente, corso);
        QCOMPARE(s.form->DescrizioneAzioneCorrente, QString("Corso -> avanzato"));
        for (int k = 0; k <= 8; ++k)
            QCOMPARE(s.form->ui.Label2[k]->text(), QString("Corso -> avanzato"));
        s.Avanti();
        QCOMPARE(s.Spesa(corso, "DescrizioneAzione").toString(), QString("Corso -> avanzato"));

        s.RendiCorrente(0, 2);
        QCOMPARE(s.form->IdSez3Corrente, inizio);
        QCOMPARE(s.form->ui.Label2[6]->text(), QString("->Inizio"));
        s.Indietro();
        QCOMPARE(s.Spesa(inizio, "DescrizioneAzione").toString(), QString("->Inizio"));
    }

    // The arrows walk pages 0 to 10, the print page never shown. Next on
    // page 10 opens section 1, section 4 staying on page 10, also without a
    // project; previous on page 0 opens section 3 only when the project is
    // found.
    void walksThePagesAndOpensTheNeighbouringSections()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.Apri();
        QList<int> pagine{s.Pagina()};
        for (int i = 0; i < 10; ++i) {
            s.Avanti();
            pagine << s.Pagina();
            QCOMPARE(s.form->PaginaCorrente, s.Pagina());
        }
        QCOMPARE(pagine, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QVERIFY(!s.form->ui.Frame1[11]->isVisible());
        s.Avanti();
        QCOMPARE(Attiva(), QString("Sezione1Form"));
        s.Torna();
        QCOMPARE(s.Pagina(), 10);
        IdProgetto = s.id + 100;
        s.Avanti();
        QCOMPARE(Attiva(), QString("Sezione1Form"));
        QVERIFY(Dialogs::Messages().contains("Il Progetto non esiste"));
        IdProgetto = s.id;
        s.Torna();

        s.VaiA(0);
        env.ExecSql("delete from Secondario where Id = ?", {s.id});
        Dialogs::ClearHistory();
        s.Indietro();
        QVERIFY(!Velkaro::Istanza()->Finestra("Sezione3Form"));
        QCOMPARE(s.Pagina(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList({"La tabella Secondaria del Progetto non esiste"}));
        env.ExecSql("insert into Secondario (Id) values (?)", {s.id});
        s.Indietro();
        QCOMPARE(Attiva(), QString("Sezione3Form"));
        QVERIFY(Velkaro::Istanza()->Finestra("Sezione4Form"));
    }

    // "Vai a Totale Generale" without a selection says so; with one, its
    // action is current on page 10. The count of actions is written when
    // page 7 shows: reached from page 10, page 9 shows none. "Seleziona
    // altre Azioni" stores nothing.
    void goToTheGrandTotalAndTheCountOfActions()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        const qint64 persone = s.Scegli(12);
        s.Scegli(18);
        s.Apri();
        s.Premi(s.form->ui.ButTotaleGenerale);
        QCOMPARE(Dialogs::History().size(), 1);
        QCOMPARE(Dialogs::History().first().text, QString("Selezionare un azione"));
        QCOMPARE(Dialogs::History().first().title, QString("Totale Generale delle Azioni"));
        QCOMPARE(s.Pagina(), 0);
        QCOMPARE(s.form->IdSez3Corrente, 0);

        ClickItem(s.Lista(3), 0);
        ClickItem(s.Lista(2), 0);
        s.Premi(s.form->ui.ButTotaleGenerale);
        QCOMPARE(s.form->IdSez3Corrente, persone);
        QCOMPARE(s.form->ui.Label2[0]->text(), QString("Percorsi integrati di inserimento lavorativo"));
        QCOMPARE(s.Pagina(), 10);
        QCOMPARE(s.form->PaginaCorrente, 10);
        s.Indietro();
        QCOMPARE(s.Pagina(), 9);
        QCOMPARE(s.form->ui.Label7->text(), QString());
        s.VaiA(7);
        s.VaiA(9);
        QCOMPARE(s.form->ui.Label7->text(), QString("Altre 3 Azioni da definire"));

        // "Seleziona altre Azioni": the list page again, refilled with the
        // totals as stored, and nothing stored on the way.
        env.ExecSql("update SpeseSez3 set VOCISPESA = 2500000, INAIL = 77 where IDSEZ3 = ?", {persone});
        s.Premi(s.form->ui.Command3);
        QCOMPARE(s.Pagina(), 0);
        QCOMPARE(s.Voci(2), QStringList({"Percorsi integrati di inserimento lavorativo ->Tot £. 2.500.000"}));
        QCOMPARE(s.Spesa(persone, "INAIL").toLongLong(), 77);
    }

    // The project's total over the actions stored for it, the trainees and
    // the hours, and the cost per trainee-hour in its three forms, after a
    // fill and as its boxes change.
    void page10ShowsTheProjectsFigures()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Memorizzata(s.Scegli(1), 600000);
        s.Memorizzata(s.Scegli(2), 400000);
        s.Scegli(3);                         // never stored from section 4: not counted
        s.Memorizzata(s.Scegli(4), 900, 0);  // another project's
        const auto secondario = [&](const QString &valori) { env.ExecSql("update Secondario set " + valori); };
        secondario("Allievi = 10, Allieve = 5, OreTeoria = 100, OrePratica = 20, TotaleGenerale = 7");
        s.Apri();
        Sezione4Form &f = *s.form;
        QCOMPARE(Testi({f.ui.Text22, f.ui.Text29}), (QStringList{"7", "0,00388888888888889"}));
        s.VaiA(10);
        QCOMPARE(Testi({f.ui.Text22, f.ui.Text27, f.ui.Text28, f.ui.Text29}),
                 (QStringList{"1.000.000", "15", "120", "555,556"}));
        QVERIFY(f.ui.Text22->isReadOnly() && f.ui.Text29->isReadOnly());
        QCOMPARE(s.Secondario("TotaleGenerale").toLongLong(), 1000000);  // stored on the way

        // A whole fill while the page shows: the quotient as it comes.
        s.Lascia();
        s.Torna();
        QCOMPARE(Testi({f.ui.Text22, f.ui.Text29}), (QStringList{"1.000.000", "555,555555555556"}));

        // Below 1; no decimals to show; no trainees.
        env.ExecSql("update SpeseSez3 set VOCISPESA = 0 where Id = ?", {s.id});
        env.ExecSql("update SpeseSez3 set VOCISPESA = 1000 where IDSEZ3 = (select min(IDSEZ3) from SpeseSez3)");
        s.Indietro();
        s.Avanti();
        QCOMPARE(Testi({f.ui.Text22, f.ui.Text29}), (QStringList{"1.000", ",556"}));
        secondario("Allievi = 3, Allieve = 2, OreTeoria = 2, OrePratica = 0");
        s.Lascia();
        s.Torna();
        s.Indietro();
        s.Avanti();
        QCOMPARE(f.ui.Text29->text(), QString("100"));
        env.ExecSql("update SpeseSez3 set VOCISPESA = 0");
        s.Indietro();
        s.Avanti();
        QCOMPARE(Testi({f.ui.Text22, f.ui.Text29}), (QStringList{"", "0"}));
        secondario("Allievi = 0, Allieve = 0");
        s.Lascia();
        s.Torna();
        QCOMPARE(f.ui.Text29->text(), QString("0"));
        s.Indietro();
        s.Avanti();
        QCOMPARE(Testi({f.ui.Text27, f.ui.Text29}), (QStringList{"0", "0"}));
        QVERIFY(Dialogs::Messages().isEmpty());

        // As its boxes change: a whole number, "0" without trainees or hours.
        f.ui.Text27->setText("15");
        f.ui.Text28->setText("120");
        f.ui.Text22->setText("1.000.000");
        QCOMPARE(f.ui.Text29->text(), QString("556"));
        f.ui.Text22->setText("100");
        QCOMPARE(f.ui.Text29->text(), QString());
        f.ui.Text27->setText("0");
        QCOMPARE(f.ui.Text29->text(), QString("0"));
    }

    // The print menu opens the print page; the section menu the list of
    // actions; a window already open is only brought to the front.
    void printModeShowsOnlyThePrintPage()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        env.ExecSql("update Principale set Oggetto = 'Corso di saldatura' where Id = ?", {s.id});
        Velkaro *principale = env.MainWindow();
        const auto finestra = [&] {
            return s.form = qobject_cast<Sezione4Form *>(principale->Finestra("Sezione4Form"));
        };
        Menu("Sezione4");
        QPointer<Sezione4Form> sezione4 = finestra();
        QCOMPARE(s.Pagina(), 0);

        Menu("Sezione1");
        Menu("Stampa");
        QVERIFY(ModoStampa);
        QCOMPARE(finestra(), sezione4.data());
        QCOMPARE(s.Pagina(), 0);

        Menu("Stampa");
        QVERIFY(!sezione4);
        finestra();
        QCOMPARE(s.Pagina(), 11);
        QCOMPARE(s.form->PaginaCorrente, 11);
        for (int i = 0; i <= 10; ++i)
            QVERIFY(!s.form->ui.Frame1[i]->isVisible());
        QCOMPARE(Testi({s.form->ui.Label13, s.form->ui.Label9}),
                 (QStringList{QString::number(s.id), "Corso di saldatura"}));
        QVERIFY(s.form->ui.Option1->isChecked() && !s.form->ui.Option2->isChecked());
        QVERIFY(!s.form->ui.Command1[11] && !s.form->ui.Command2[11]);

        // It stays there through a deactivation and an activation.
        s.Lascia();
        s.Torna();
        QCOMPARE(s.Pagina(), 11);

        s.Premi(s.form->ui.Annulla);
        QVERIFY(!ModoStampa);
        QVERIFY(!finestra());
        Menu("Sezione4");
        finestra();
        QCOMPARE(s.Pagina(), 0);
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // No project, or a project without a title: an empty title.
    void printPageWithoutATitle()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        env.ExecSql("update Principale set Oggetto = null where Id = ?", {s.id});
        env.MainWindow();  // its start clears print mode
        for (qint64 progetto : {s.id, qint64(0)}) {
            IdProgetto = progetto;
            ModoStampa = true;
            s.Apri();
            QCOMPARE(s.Pagina(), 11);
            QCOMPARE(Testi({s.form->ui.Label13, s.form->ui.Label9}), (QStringList{QString::number(progetto), ""}));
            s.Premi(s.form->ui.Annulla);
        }
        QVERIFY(!ModoStampa);
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Progetto non esiste"}));  // the closing store
    }

    // Section 3 stores its ticks when it is left; section 4 lists them when
    // it becomes active.
    void anActionTickedInSection3ShowsAtOnce()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.Apri();
        s.Lascia("Sezione3Form");
        auto *sostegno = Find<QCheckBox>(Velkaro::Istanza()->Finestra("Sezione3Form"), "Check3(15)");
        QVERIFY(sostegno->isVisible());
        Clic(sostegno);
        QVERIFY(sostegno->isChecked());
        Menu("Sezione4");
        const qint64 nuova = s.Sql("select Azione16 from Azioni where ID = ?", {s.id}).toLongLong();
        QVERIFY(nuova > 0);
        QCOMPARE(s.Voci(2), QStringList({"Sostegno al reddito (borse lavoro)"}));
        QCOMPARE(s.Chiavi(2), QList<qint64>{nuova});
    }

    // While no action is current the cost pages take no input, walking them
    // stores nothing for key 0, and a double click enables them. An action
    // unticked in section 3 while section 4 was elsewhere is current no
    // more: the window goes back to the list, empty, and stores nothing.
    void withoutACurrentActionNothingIsStored()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 tenuta = s.Scegli(1);
        const qint64 tolta = s.Scegli(2);
        env.ExecSql("insert into SpeseSez3 (IDSEZ3, Id, INAIL) values (0, ?, 5)", {s.id});
        s.Apri();
        Sezione4Form &f = *s.form;
        for (QWidget *w : std::initializer_list<QWidget *>{s.T1(0), f.ui.VSFlexGrid1, f.ui.Text31, f.ui.VSFlexGrid8,
                                                           s.T1(4), f.ui.Text32, s.T1(14)})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        s.VaiA(10);
        s.Lascia();
        QCOMPARE(s.Spesa(0, "INAIL").toLongLong(), 5);
        QVERIFY(s.Spesa(0, "DescrizioneAzione").isNull());
        QVERIFY(s.Spesa(tenuta, "Id").isNull() && s.Spesa(tolta, "Id").isNull());

        s.Torna();
        s.RendiCorrente(1);
        QVERIFY(s.T1(0)->isEnabled() && f.ui.VSFlexGrid1->isEnabled());
        TypeInto(s.T1(0), "800");
        s.Avanti();
        QCOMPARE(s.Spesa(tolta, "INAIL").toLongLong(), 800);
        s.Lascia();  // section 3's store, done here by hand
        env.ExecSql("delete from SpeseSez3 where IDSEZ3 = ?", {tolta});
        env.ExecSql("update Azioni set Azione02 = 0 where ID = ?", {s.id});
        Dialogs::ClearHistory();
        Menu("Sezione4");
        QCOMPARE(Dialogs::Messages(),
                 QStringList({"L'azione \"Supporto alla integrazione sistemi\" non è più tra quelle "
                              "scelte nella Sezione 3."}));
        QCOMPARE(s.Pagina(), 0);
        QCOMPARE(f.IdSez3Corrente, 0);
        QCOMPARE(s.Voci(1), QStringList({"Formazione"}));
        QCOMPARE(Testi({f.ui.Label2[0], s.T1(0), f.ui.Text26}), (QStringList{"", "", ""}));
        QVERIFY(!s.T1(0)->isEnabled());
        s.Lascia();
        QCOMPARE(s.Sql("select count(*) from SpeseSez3 where IDSEZ3 <> 0").toInt(), 1);
        QVERIFY(s.Spesa(tenuta, "Id").isNull());
    }

    // The stored project total follows every store of an action; a total
    // that cannot be computed leaves the one shown and the one stored.
    void theStoredProjectTotalFollowsEveryStore()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Memorizzata(s.Scegli(1), 2000);
        s.Scegli(2);
        s.ApriSullAzione(1);
        TypeInto(s.T1(0), "1000");
        s.Avanti();
        QCOMPARE(s.Secondario("TotaleGenerale").toLongLong(), 3000);
        s.VaiA(10);
        QCOMPARE(s.form->ui.Text22->text(), QString("3.000"));

        env.ExecSql("alter table SpeseSez3 rename to SpeseVecchie");
        Dialogs::ClearHistory();
        s.Indietro();  // the store fails as a whole: the page stays
        QCOMPARE(s.Pagina(), 10);
        QCOMPARE(Dialogs::Messages().size(), 1);
        s.form->PaginaVisibile();  // the page's own figures, shown again
        QCOMPARE(Dialogs::Messages().size(), 2);
        QCOMPARE(s.form->ui.Text22->text(), QString("3.000"));
        QCOMPARE(s.Secondario("TotaleGenerale").toLongLong(), 3000);
        env.ExecSql("alter table SpeseVecchie rename to SpeseSez3");
    }
};

QTEST_MAIN(TestSezione4)
#include "tst_sezione4.moc"
