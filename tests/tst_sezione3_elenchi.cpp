// Section 3's two titled-list editors, the modules of page 9 and the
// non-training actions of page 10, driven through the real window with the
// database checked after each step; the module totals; the lists across page
// walks; what is refused and what goes wrong.
#include "PilotaSezione3.h"

#include "Dialogs.h"
#include "MultiLineEdit.h"

#include <QLabel>

namespace {

// The editors, as rows of a data-driven test.
void Editori()
{
    QTest::addColumn<bool>("moduli");
    QTest::newRow("moduli") << true;
    QTest::newRow("azioni") << false;
}

const EditorProva &Editore()
{
    QFETCH(bool, moduli);
    return moduli ? Moduli() : AzioniNonFormative();
}

// Types into a detail box, on its tab page.
void ScriviDettaglio(PilotaSezione3 &s, const EditorProva &e, int casella, int pagina, const QString &testo)
{
    PilotaSezione3::Scheda(s.Striscia(e), pagina);
    TypeInto(s.Casella(casella), testo);
}

// The pages of an editor that show.
QList<int> PagineVisibili(PilotaSezione3 &s, const EditorProva &e)
{
    QList<int> visibili;
    for (int i = 1; i <= e.schede; ++i)
        if (!s.W(Nome(qPrintable(e.pagine), i))->isHidden())
            visibili.append(i);
    return visibili;
}

}  // namespace

class TestSezione3Elenchi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Adding, choosing, storing, choosing again and deleting, with the
    // database checked at each step.
    void addChooseStoreAndDelete_data() { Editori(); }
    void addChooseStoreAndDelete()
    {
        const EditorProva &e = Editore();
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(e.pagina);
        ListBox *lista = s.Lista(e);
        QLabel *etichetta = s.W<QLabel>(e.etichetta);
        QVERIFY(lista->ListCount() == 0 && !s.Bottone(e.elimina)->isEnabled() && !s.Striscia(e)->isEnabled());
        QCOMPARE(PagineVisibili(s, e), QList<int>{1});

        // A new row holds the project's Id and the title, trimmed; it is
        // chosen at once, its pages blank.
        s.Aggiungi(e, "Alfa");
        s.Aggiungi(e, "  Beta  ");
        QCOMPARE(s.Titoli(e), (QStringList{"Alfa", "Beta"}));
        QCOMPARE(PilotaSezione3::Voci(lista), (QStringList{"Alfa", "Beta"}));
        const qint64 beta = s.ChiaveDi(e, "Beta");
        QVERIFY(s.CampoDi(e, beta, e.campoNumero).isNull());
        QCOMPARE(lista->ListIndex(), 1);
        QVERIFY(s.Bottone(e.elimina)->isEnabled() && s.Striscia(e)->isEnabled());
        QCOMPARE(Testi({etichetta, s.Casella(e.numero), s.Casella(e.testo)}), (QStringList{"Beta", "0", ""}));

        // The details and a new title are stored by "Registra" only, the
        // title as typed; the list comes back with nothing chosen.
        ScriviDettaglio(s, e, e.numero, 1, "2,5");
        ScriviDettaglio(s, e, e.testo, e.paginaTesto, "Profili senior");
        QCOMPARE(PagineVisibili(s, e), QList<int>{e.paginaTesto});
        TypeInto(s.Titolo(e), "Beta nuova ");
        s.Altrove();
        QVERIFY(s.CampoDi(e, beta, e.campoTesto).isNull());
        s.Registra(e);
        QCOMPARE(s.CampoDi(e, beta, "Titolo").toString(), QString("Beta nuova "));
        QCOMPARE(s.CampoDi(e, beta, e.campoNumero).toLongLong(), 3);
        QCOMPARE(s.CampoDi(e, beta, e.campoTesto).toString(), QString("Profili senior"));
        QCOMPARE(PilotaSezione3::Voci(lista), (QStringList{"Alfa", "Beta nuova"}));
        QCOMPARE(lista->ListIndex(), -1);

        // Choosing loads the item's row.
        s.Scegli(e, 0);
        QCOMPARE(Testi({s.Casella(e.numero), s.Casella(e.testo), s.Titolo(e)}), (QStringList{"0", "", "Alfa"}));
        // The module's title box shows the stored title, the action's the
        // listed one.
        s.Scegli(e, 1);
        QCOMPARE(Testi({s.Casella(e.numero), s.Casella(e.testo), s.Titolo(e), etichetta}),
                 (QStringList{"3", "Profili senior", e.pagina == 9 ? "Beta nuova " : "Beta nuova", "Beta nuova"}));

        // Deleting asks first; the pages keep what they showed.
        s.Scegli(e, 0);
        ScriviDettaglio(s, e, e.numero, 1, "7");
        s.Elimina(e, false);
        QCOMPARE(s.Titoli(e), (QStringList{"Alfa", "Beta nuova "}));
        const Dialogs::Shown domanda = Dialogs::History().last();
        QCOMPARE(QStringList({domanda.kind, domanda.text, domanda.title}),
                 QStringList({"question", e.domanda.arg("Alfa"), "Cancellazione!"}));
        s.Elimina(e, true);
        QCOMPARE(s.Titoli(e), QStringList{"Beta nuova "});
        QCOMPARE(PilotaSezione3::Voci(lista), QStringList{"Beta nuova"});
        QCOMPARE(lista->ListIndex(), -1);
        QCOMPARE(Testi({s.Titolo(e), s.Casella(e.numero), etichetta}), (QStringList{"", "7", "Alfa"}));
        QVERIFY(s.Bottone(e.elimina)->isEnabled());

        // The newest key deleted is never given again.
        s.Aggiungi(e, "Gamma");
        const qint64 gamma = s.ChiaveDi(e, "Gamma");
        s.Elimina(e, true);
        s.Aggiungi(e, "Delta");
        QVERIFY(s.ChiaveDi(e, "Delta") > gamma);
        QCOMPARE(PilotaSezione3::Voci(lista), (QStringList{"Beta nuova", "Delta"}));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // "Aggiungi" refuses an empty title, one of blanks only and one listed
    // already whatever its capitals; a title differing only by blanks at its
    // ends is accepted. "Registra" with nothing chosen, or with the title
    // box blank, says so and stores nothing; the pages and the choice stay.
    void whatCannotBeStoredIsRefused_data() { Editori(); }
    void whatCannotBeStoredIsRefused()
    {
        const EditorProva &e = Editore();
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.Aggiungi(e, "Sicurezza");

        for (const QString titolo : {"", "   "}) {
            Dialogs::ClearHistory();
            s.Aggiungi(e, titolo);
            QCOMPARE(Dialogs::History().size(), 1);
            QVERIFY(Dialogs::History()[0].text.startsWith("Inserire il titolo d"));
            QVERIFY(Dialogs::History()[0].text.endsWith(e.pagina == 9 ? "AGGIUNGI MODULO." : "AGGIUNGI AZIONE."));
            QCOMPARE(Dialogs::History()[0].title, QString("Aiuto."));
            QCOMPARE(s.Titolo(e)->text(), titolo);
            QCOMPARE(QApplication::focusWidget(), s.Titolo(e));
            QVERIFY(!s.Striscia(e)->isEnabled());
            QCOMPARE(PagineVisibili(s, e), QList<int>());
        }
        Dialogs::ClearHistory();
        s.Aggiungi(e, "SICUREZZA");
        QCOMPARE(Dialogs::Messages(), QStringList{e.giaPresente});
        QCOMPARE(Dialogs::History()[0].title, QString());
        QCOMPARE(s.Titolo(e)->text(), QString());
        QCOMPARE(s.Titoli(e), QStringList{"Sicurezza"});

        Dialogs::ClearHistory();
        s.Aggiungi(e, " Sicurezza");
        QCOMPARE(Dialogs::Messages(), QStringList());
        QCOMPARE(s.Titoli(e), (QStringList{"Sicurezza", "Sicurezza"}));
        QCOMPARE(PagineVisibili(s, e), QList<int>{1});

        Dialogs::ClearHistory();
        s.Aggiungi(e, "Alfa");
        const qint64 alfa = s.ChiaveDi(e, "Alfa");
        ScriviDettaglio(s, e, e.numero, 1, "5");
        s.Registra(e);
        QCOMPARE(s.CampoDi(e, alfa, e.campoNumero).toLongLong(), 5);

        // Nothing chosen after the store: typing more and pressing again
        // is told, not silently dropped.
        ScriviDettaglio(s, e, e.numero, 1, "6");
        s.Registra(e);
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY(Dialogs::Messages()[0].endsWith(e.pagina == 9 ? "REGISTRA MODULO." : "REGISTRA AZIONE."));
        QCOMPARE(s.CampoDi(e, alfa, e.campoNumero).toLongLong(), 5);
        QCOMPARE(Testo(s.Casella(e.numero)), QString("6"));

        s.Scegli(e, 2);
        TypeInto(s.Titolo(e), "  ");
        ScriviDettaglio(s, e, e.numero, 1, "8");
        Dialogs::ClearHistory();
        s.Registra(e);
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY(Dialogs::Messages()[0].startsWith("Inserire il titolo d"));
        QCOMPARE(s.CampoDi(e, alfa, "Titolo").toString(), QString("Alfa"));
        QCOMPARE(s.CampoDi(e, alfa, e.campoNumero).toLongLong(), 5);
        QCOMPARE(s.Lista(e)->ListIndex(), 2);

        TypeInto(s.Titolo(e), "Alfa bis");
        s.Registra(e);
        QCOMPARE(s.CampoDi(e, alfa, "Titolo").toString(), QString("Alfa bis"));
        QCOMPARE(s.CampoDi(e, alfa, e.campoNumero).toLongLong(), 8);
    }

    // An item whose row has gone is "Archivio incongruente" for choosing,
    // storing and deleting; one stored with an empty title elsewhere can
    // still be deleted.
    void missingRowsAndEmptyTitles_data() { Editori(); }
    void missingRowsAndEmptyTitles()
    {
        const EditorProva &e = Editore();
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.Aggiungi(e, "Alfa");
        s.Aggiungi(e, "Beta");
        ScriviDettaglio(s, e, e.numero, 1, "4");
        env.ExecSql(QString("delete from %1 where Titolo = 'Alfa'").arg(e.tabella));
        s.Scegli(e, 0);
        QCOMPARE(Dialogs::Messages(), QStringList{"Archivio incongruente"});
        QCOMPARE(Testi({s.Casella(e.numero), s.W(e.etichetta)}), (QStringList{"4", "Alfa"}));
        Dialogs::ClearHistory();
        s.Elimina(e, true);
        QCOMPARE(Dialogs::Messages(), QStringList{"Archivio incongruente"});
        QCOMPARE(s.Lista(e)->ListCount(), 2);
        Dialogs::ClearHistory();
        s.Registra(e);
        QCOMPARE(Dialogs::Messages(), QStringList{"Archivio incongruente"});
        QCOMPARE(PilotaSezione3::Voci(s.Lista(e)), QStringList{"Beta"});

        env.ExecSql(QString("insert into %1 (ID, Titolo) values (?, '')").arg(e.tabella), {s.id});
        s.VaiA(e.pagina - 1);
        s.VaiA(e.pagina);
        QCOMPARE(PilotaSezione3::Voci(s.Lista(e)), (QStringList{"Beta", ""}));
        s.Scegli(e, 1);
        s.Elimina(e, true);
        QCOMPARE(Dialogs::History().last().text, e.domanda.arg(""));
        QCOMPARE(s.Titoli(e), QStringList{"Beta"});
    }

    // Adding an action blanks the action's pages only, and adding a module
    // the module's: what the other editor shows stays, and so does the
    // chosen module, whose next store keeps what was typed. The module list
    // is loaded on arriving at page 8: walking 9 to 10 and back keeps the
    // chosen module, walking 9 to 8 and back clears the choice while the
    // pages keep their values; the actions' list likewise from page 9. No
    // store of the window stores the details.
    void eachEditorKeepsItsOwnPagesAndChoice()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const EditorProva &m = Moduli(), &a = AzioniNonFormative();
        s.Aggiungi(a, "Analisi");
        ScriviDettaglio(s, a, 6, 1, "40");
        s.Aggiungi(m, "Reti");
        s.Aggiungi(m, "Sicurezza");
        s.VaiA(10);
        QCOMPARE(Testo(s.Casella(6)), QString("40"));

        s.VaiA(9);
        s.Scegli(m, 0);
        ScriviDettaglio(s, m, 51, 1, "12");
        ScriviDettaglio(s, m, 56, 3, "Docenti esterni");
        PilotaSezione3::Scheda(s.Striscia(m), 5);
        s.ScriviCella(1, 0, "Switch");
        s.Aggiungi(a, "Diffusione");
        s.VaiA(9);
        QCOMPARE(s.Lista(m)->ListIndex(), 0);
        QCOMPARE(Testi({s.Casella(51), s.Casella(56)}), (QStringList{"12", "Docenti esterni"}));
        QCOMPARE(s.Griglia()->TextMatrix(1, 0), QString("Switch"));
        s.Registra(m);
        const qint64 reti = s.ChiaveDi(m, "Reti");
        QCOMPARE(s.CampoDi(m, reti, "Stage").toLongLong(), 12);
        QCOMPARE(s.CampoDi(m, reti, "Docenti").toString(), QString("Docenti esterni"));
        QCOMPARE(s.Sql("select Attrezzature from AttrezzatureModuli where IDModulo = ?", {reti}).toString(),
                 QString("Switch"));

        s.Scegli(m, 0);
        ScriviDettaglio(s, m, 50, 1, "30");
        s.VaiA(8);
        s.VaiA(9);
        QCOMPARE(PilotaSezione3::Voci(s.Lista(m)), (QStringList{"Reti", "Sicurezza"}));
        QCOMPARE(s.Lista(m)->ListIndex(), -1);
        QCOMPARE(Testo(s.Casella(50)), QString("30"));
        QCOMPARE(s.CampoDi(m, reti, "Teoria").toLongLong(), 0);
        s.VaiA(10);
        QCOMPARE(s.Lista(a)->ListIndex(), -1);
        QCOMPARE(PilotaSezione3::Voci(s.Lista(a)), (QStringList{"Analisi", "Diffusione"}));
        s.Lascia();
        QCOMPARE(s.CampoDi(m, reti, "Teoria").toLongLong(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // The module's hour boxes feed "Pratica...." and "Durata Complessiva....",
    // which the user cannot type into; the total is stored with the module.
    void moduleHoursFeedTheModuleTotals()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.Aggiungi(Moduli(), "Reti");
        QLineEdit *durata = s.form->Text6, *pratica = s.form->Text10;
        QCOMPARE(Testi({durata, pratica}), (QStringList{"0", "0"}));
        QVERIFY(!durata->isEnabled() && !pratica->isEnabled());
        const char *ore[] = {"10", "20", "5", "5", "0"};
        for (int i = 0; i < 5; ++i)
            TypeInto(s.Casella(50 + i), ore[i]);
        QCOMPARE(Testi({durata, pratica}), (QStringList{"40", "30"}));
        TypeInto(s.Casella(52), "abc");
        QCOMPARE(durata->text(), QString("35"));
        s.Registra(Moduli());
        const qint64 reti = s.ChiaveDi(Moduli(), "Reti");
        QCOMPARE(s.CampoDi(Moduli(), reti, "DurataComplessiva").toLongLong(), 35);
        QCOMPARE(s.CampoDi(Moduli(), reti, "Visite").toLongLong(), 0);

        // Adding a module blanks the boxes: the totals follow.
        s.Aggiungi(Moduli(), "Sicurezza");
        QCOMPARE(Testi({durata, pratica}), (QStringList{"0", "0"}));
    }

    // Without a current project or database nothing is added.
    void withoutAProjectNothingIsAdded_data()
    {
        QTest::addColumn<bool>("moduli");
        QTest::addColumn<bool>("database");
        QTest::newRow("moduli, Id 0") << true << true;
        QTest::newRow("azioni, no database") << false << false;
    }
    void withoutAProjectNothingIsAdded()
    {
        const EditorProva &e = Editore();
        QFETCH(bool, database);
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(e.pagina);
        if (database)
            IdProgetto = 0;
        else
            ChiudiDatabase();
        Dialogs::ClearHistory();
        TypeInto(s.Titolo(e), "Alfa");
        Clic(s.Bottone(e.aggiungi));
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        QCOMPARE(s.Lista(e)->ListCount(), 0);
        QCOMPARE(s.Conta(e.tabella), 0);
    }

    // A database error is told with its description; a store that fails
    // (an equipment row refused, a detail field gone) is undone whole, says
    // so and keeps the pages, the grid and the choice.
    void databaseErrorsAreToldAndLoseNothing()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const EditorProva &m = Moduli();
        s.Aggiungi(m, "Reti");
        PilotaSezione3::Scheda(s.Striscia(m), 5);
        s.ScriviCella(1, 0, "Switch");
        s.Registra(m);
        const qint64 reti = s.ChiaveDi(m, "Reti");
        s.Scegli(m, 0);
        PilotaSezione3::Scheda(s.Striscia(m), 5);
        s.ScriviCella(2, 0, "Router");
        ScriviDettaglio(s, m, 56, 3, "Docenti interni");
        const QList<QStringList> guasti = {
            {"create trigger rifiuta before insert on AttrezzatureModuli when new.Attrezzature = 'Router' "
             "begin select raise(abort, 'rifiutato'); end"},
            {"drop trigger rifiuta", "alter table ProgrammaDidattico rename column Docenti to Altro"}};
        for (const QStringList &guasto : guasti) {
            for (const QString &istruzione : guasto)
                env.ExecSql(istruzione);
            Dialogs::ClearHistory();
            s.Registra(m);
            QCOMPARE(Dialogs::Messages().size(), 1);
            QVERIFY(Dialogs::Messages()[0].contains("non sono stati registrati"));
            QCOMPARE(s.Sql("select group_concat(Attrezzature) from AttrezzatureModuli where IDModulo = ?", {reti}),
                     QVariant("Switch"));
            QCOMPARE(s.Lista(m)->ListIndex(), 0);
            QCOMPARE(s.Griglia()->TextMatrix(2, 0), QString("Router"));
            QCOMPARE(Testo(s.Casella(56)), QString("Docenti interni"));
        }

        env.ExecSql("alter table ProgrammaDidattico rename to Rinominata");
        Dialogs::ClearHistory();
        s.Scegli(m, 0);
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY(!Dialogs::Messages()[0].isEmpty());
        QVERIFY(s.form->isVisible());
        Dialogs::Queue(true);  // closing at the end loses what was not stored
    }
};

QTEST_MAIN(TestSezione3Elenchi)
#include "tst_sezione3_elenchi.moc"
