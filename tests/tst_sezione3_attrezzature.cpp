// The equipment grid of a module on page 9: loaded when the module is
// chosen, grown as the user moves onto its last row, rewritten whole by
// "Registra Modulo"; driven with real clicks and keys. A rewrite that fails
// is with the editors' database errors.
#include "PilotaSezione3.h"

#include "Dialogs.h"

namespace {

// A module added through its page, with its equipment tab shown.
qint64 NuovoModulo(PilotaSezione3 &s, const QString &titolo)
{
    s.Aggiungi(Moduli(), titolo);
    PilotaSezione3::Scheda(s.Striscia(Moduli()), 5);
    return s.ChiaveDi(Moduli(), titolo);
}

// Rows of equipment stored for a module, "Attrezzature", numbered.
void Righe(TestEnvironment &env, qint64 modulo, int quante)
{
    env.ExecSql("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                "insert into AttrezzatureModuli (IDModulo, Attrezzature, Quantita, Tempo, Titolo) "
                "select ?, 'Attrezzo ' || i, i, i, 'Noleggio' from n",
                {quante, modulo});
}

// The module's stored rows, one "Attrezzature;Quantita;Tempo;Titolo" each.
QStringList Memorizzate(PilotaSezione3 &s, qint64 modulo)
{
    const QVariant righe = s.Sql("select group_concat(riga, '|') from (select Attrezzature || ';' || "
                                 "ifnull(Quantita, 'null') || ';' || ifnull(Tempo, 'null') || ';' || Titolo as riga "
                                 "from AttrezzatureModuli where IDModulo = ? order by rowid)",
                                 {modulo});
    return righe.isNull() ? QStringList() : righe.toString().split('|');
}

// The grid's rows below the header, one "cell;cell;cell;cell" each.
QStringList Mostrate(EditableGrid *griglia)
{
    QStringList righe;
    for (int r = 1; r < griglia->Rows(); ++r)
        righe << PilotaSezione4::Celle(griglia, r).join(';');
    return righe;
}

}  // namespace

class TestSezione3Attrezzature : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // The columns as declared; a new module's grid is the header and one
    // empty row; stored rows show in query order, a missing quantity as 0 and
    // a missing time as nothing, followed by an empty row; moving onto the
    // last row adds one, moves by code do not.
    void loadsAndGrows()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const qint64 reti = NuovoModulo(s, "Reti");
        EditableGrid *griglia = s.Griglia();
        QCOMPARE(PilotaSezione4::Celle(griglia, 0),
                 (QStringList{"Attrezzature", QString::fromUtf8("Quantità"), "Tempo", "Titolo di Acquisizione"}));
        QCOMPARE(Mostrate(griglia), QStringList{";;;"});

        env.ExecSql("insert into AttrezzatureModuli (IDModulo, Attrezzature, Quantita, Tempo, Titolo) values "
                    "(?, 'Switch', 2, 30, 'Noleggio'), (?, 'Router', null, null, null), (?, 'Cavi', 40, 5, '')",
                    {reti, reti, reti});
        s.Scegli(Moduli(), 0);
        QCOMPARE(Mostrate(griglia), (QStringList{"Switch;2;30;Noleggio", "Router;0;;", "Cavi;40;5;", ";;;"}));

        s.Cella(2, 1);
        QCOMPARE(griglia->Rows(), 5);
        s.Cella(4, 0);
        QCOMPARE(griglia->Rows(), 6);
        griglia->SetRow(5);
        QCOMPARE(griglia->Rows(), 6);
        s.Cella(5, 2);
        QCOMPARE(griglia->Rows(), 7);

        // Another module's grid is its own; adding a module empties it.
        s.Aggiungi(Moduli(), "Sicurezza");
        QCOMPARE(Mostrate(griglia), QStringList{";;;"});
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // "Registra Modulo" replaces the module's rows by every grid row whose
    // first cell holds something (blanks count), a gap included: rows below
    // it are kept. Quantities and times are whole numbers, the description
    // keeps its first 255 characters; the grid shows what was typed until
    // the module is loaded again. Other modules keep their rows.
    void storesEveryFilledRow()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const qint64 altro = NuovoModulo(s, "Altro");
        Righe(env, altro, 2);
        const qint64 reti = NuovoModulo(s, "Reti");
        Righe(env, reti, 3);
        s.Scegli(Moduli(), 1);

        const QString lunga = QString("Banco di lavoro attrezzato ").repeated(12).left(300);
        PilotaSezione4::ScriviRiga(s.Griglia(), 1, 0, {"Switch", "2,5", "abc", "Acquisto"});
        s.ScriviCella(2, 0, lunga);
        s.Cella(4, 0);
        QTest::keyClicks(s.Griglia(), "   ");
        QTest::keyClick(s.Griglia(), Qt::Key_Tab);
        s.Cella(5, 0);
        s.ScriviCella(6, 0, "Dopo il vuoto");
        QTest::keyClicks(s.Griglia(), "7");  // the editor is still open when "Registra" is pressed
        QVERIFY(s.Griglia()->Editing());
        s.Registra(Moduli());

        QCOMPARE(Memorizzate(s, reti),
                 (QStringList{"Switch;3;0;Acquisto", lunga.left(255) + ";2;2;Noleggio", "Attrezzo 3;3;3;Noleggio",
                              "   ;0;0;", "Dopo il vuoto;0;0;", "7;0;0;"}));
        QCOMPARE(Memorizzate(s, altro).size(), 2);
        QCOMPARE(s.Griglia()->TextMatrix(2, 0), lunga);
        QCOMPARE(s.Griglia()->TextMatrix(1, 1), QString("2,5"));

        s.Scegli(Moduli(), 1);
        QCOMPARE(s.Griglia()->Rows(), 8);
        QCOMPARE(PilotaSezione4::Celle(s.Griglia(), 1), (QStringList{"Switch", "3", "0", "Acquisto"}));
        QCOMPARE(s.Griglia()->TextMatrix(5, 0), QString("Dopo il vuoto"));
        QCOMPARE(Dialogs::Messages(), QStringList());

        // An emptied grid stores no row: the module's rows are all deleted.
        // A cell emptied as the user does it: F2, select all, Delete, Enter.
        s.Scegli(Moduli(), 0);
        s.Cella(1, 0);
        for (const auto &[tasto, modificatore] : {std::pair{Qt::Key_F2, Qt::NoModifier},
                                                  {Qt::Key_A, Qt::ControlModifier},
                                                  {Qt::Key_Delete, Qt::NoModifier},
                                                  {Qt::Key_Return, Qt::NoModifier}})
            QTest::keyClick(s.Griglia(), tasto, modificatore);
        QCOMPARE(s.Griglia()->TextMatrix(1, 0), QString());
        s.Griglia()->SetTextMatrix(2, 0, QString());
        s.Registra(Moduli());
        QCOMPARE(Memorizzate(s, altro), QStringList());
    }

    // At 1001 rows, moving onto or along the last row says "Troppe Righe"
    // each time and adds nothing.
    void tooManyRows()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const qint64 reti = NuovoModulo(s, "Reti");
        Righe(env, reti, 998);
        s.Scegli(Moduli(), 0);
        EditableGrid *griglia = s.Griglia();
        QCOMPARE(griglia->Rows(), 1000);
        // Onto the last row, along it twice, then off it.
        for (const auto &[riga, colonna, avvisi] : {std::tuple{999, 0, 0}, {1000, 1, 1}, {1000, 2, 2}, {998, 2, 2}}) {
            s.Cella(riga, colonna);
            QCOMPARE(griglia->Rows(), 1001);
            QCOMPARE(Dialogs::Messages(), QStringList(avvisi, "Troppe Righe"));
        }
        // The grid keeps working at its limit.
        s.ScriviCella(1000, 0, "Ultima");
        s.Registra(Moduli());
        QCOMPARE(s.Sql("select count(*) from AttrezzatureModuli where IDModulo = ?", {reti}).toInt(), 999);
    }
};

QTEST_MAIN(TestSezione3Attrezzature)
#include "tst_sezione3_attrezzature.moc"
