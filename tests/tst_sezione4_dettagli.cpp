// Section 4's cost detail grids and the project's attachments, as typed by
// the user under Italian settings: every grid stored into its table and
// shown back, line totals, grid totals and the summary they feed, which
// lines are stored, the rows the grids add, actions kept apart, and a store
// that fails halfway.
#include "ControlliProva.h"
#include "PilotaSezione4.h"

#include "Dialogs.h"
#include "GridListEditor.h"

#include <QListWidget>

namespace {

// A detail grid: its page, the table of its lines and their Tipo, the
// fields of its columns and its total box.
struct Griglia
{
    int pagina;
    QString nome;
    QString tabella;
    int tipo;  // -1: the table has none
    QStringList campi;
    QString casella;
};

const QStringList kViaggi = {"Importo", "NAllievi", "NViaggi", "Totale"};
const QStringList kPersone = {"Importo", "NPersone", "NViaggi", "Totale"};
const QStringList kAttrezzature = {"Descrizione", "NumeroUnita", "Titolo", "Costo", "Totale"};
const QStringList kMateriali = {"Descrizione", "Costo"};
const QStringList kRisorse = {"Risorsa", "IntEst", "NSogg", "OreGG", "Costo", "Totale"};

const QList<Griglia> kGriglie = {
    {1, "VSFlexGrid2(0)", "SpeseRaggiungimento", 0, kViaggi, "Text4"},
    {1, "VSFlexGrid2(1)", "SpeseRaggiungimento", 1, kViaggi, "Text5"},
    {1, "VSFlexGrid2(2)", "SpeseRaggiungimento", 2, kViaggi, "Text6"},
    {2, "VSFlexGrid14(0)", "SpeseStages", 0, kPersone, "Text20"},
    {2, "VSFlexGrid14(1)", "SpeseStages", 1, kPersone, "Text21"},
    {3, "VSFlexGrid7(0)", "SpeseViaggioDocenti", 0, kPersone, "Text12"},
    {3, "VSFlexGrid7(1)", "SpeseViaggioDocenti", 1, kPersone, "Text13"},
    {3, "VSFlexGrid7(2)", "SpeseViaggioDocenti", 2, kPersone, "Text14"},
    {4, "VSFlexGrid10(0)", "AttrezzatureMateriale", 0, kAttrezzature, "Text16"},
    {4, "VSFlexGrid10(1)", "AttrezzatureMateriale", 1, kAttrezzature, "Text17"},
    {5, "VSFlexGrid10(2)", "AttrezzatureMateriale", 2, kAttrezzature, "Text19"},
    {5, "VSFlexGrid13(0)", "MaterialiServizi", 0, kMateriali, "Text18"},
    {6, "VSFlexGrid13(1)", "MaterialiServizi", 1, kMateriali, "Text1(8)"},
    {7, "VSFlexGrid6", "SpeseRisorse", -1, kRisorse, "Text33"},
    {8, "VSFlexGrid7(3)", "SpeseViaggioDocenti", 3, kPersone, "Text8"},
    {8, "VSFlexGrid7(4)", "SpeseViaggioDocenti", 4, kPersone, "Text10"},
    {8, "VSFlexGrid7(5)", "SpeseViaggioDocenti", 5, kPersone, "Text11"},
};

QString Raggruppato(qint64 valore)
{
    return QLocale().toString(valore);
}

// A line of a grid: what the user types (the computed total left out), what
// is stored, and the line's amount (its total, or the amount typed).
struct Linea
{
    QStringList celle;
    QString memorizzata;
    qint64 importo;
};

Linea Esempio(const Griglia &g, int k)
{
    const int n = 10 * (g.tipo + 2) + k;  // tells the grids and their lines apart
    if (g.tabella == "AttrezzatureMateriale")
        return {{QString("Banco %1").arg(n), "2", k == 0 ? "Af" : "Ac", QString::number(n * 100)},
                QString("Banco %1|2|%2|%3|%4").arg(n).arg(k == 0 ? "Affitto" : "Acquisto").arg(n * 100).arg(n * 200),
                n * 200};
    if (g.tabella == "MaterialiServizi")
        return {{QString("Voce %1").arg(n), QString::number(n * 1000)},
                QString("Voce %1|%2").arg(n).arg(n * 1000),
                n * 1000};
    if (g.tabella == "SpeseRisorse")
        return {{k == 0 ? "Tu" : "Coo", k == 0 ? "I" : "E", "2", "10", QString::number(n * 1000)},
                QString("%1|%2|2|10|%3|%4")
                    .arg(k == 0 ? "Tutors" : "Coordinatori")
                    .arg(k == 0 ? 1 : 0)
                    .arg(n * 1000)
                    .arg(n * 20000),
                n * 20000};
    return {{QString::number(n * 1000), "3", "2"}, QString("%1|3|2|%2").arg(n * 1000).arg(n * 6000), n * 6000};
}

// The texts a line shows after a fill: plain digits, the list items chosen.
QStringList Mostrata(const Linea &linea, const Griglia &g)
{
    QStringList celle = linea.memorizzata.split('|');
    if (g.tabella == "SpeseRisorse")
        celle[1] = celle[1] == "1" ? "Interno" : "Esterno";
    return celle;
}

// The items a list column offers when the user opens it with F2.
QStringList VociDellaLista(EditableGrid *g, int riga, int colonna)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(riga, colonna).center());
    QTest::keyClick(g, Qt::Key_F2);
    QStringList voci;
    if (auto *lista = qobject_cast<GridListEditor *>(g->indexWidget(g->currentIndex())))
        for (int i = 0; i < lista->List()->count(); ++i)
            voci << lista->List()->item(i)->text();
    QTest::keyClick(g->indexWidget(g->currentIndex()), Qt::Key_Escape);
    return voci;
}

}  // namespace

class TestSezione4Dettagli : public QObject
{
    Q_OBJECT

    static QStringList Memorizzate(PilotaSezione4 &s, const Griglia &g, qint64 azione)
    {
        if (g.tipo < 0)
            return s.Righe(g.tabella, g.campi, "IdSez3 = ?", {azione});
        return s.Righe(g.tabella, g.campi, "IdSez3 = ? and Tipo = ?", {azione, g.tipo});
    }

private slots:
    void initTestCase() { InitTestProcess(); }

    // Two lines typed into each of the seventeen grids: each line's total
    // and the grid's box as they are typed; every line stored in its table
    // with its Tipo, in grid order, at the next page change; another action
    // and this one again: the lines as stored, plain digits, one empty row
    // below them; the boxes, the summary and the action's total agree.
    void everyGridRoundTripsThroughItsTable()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.Scegli(2);
        s.ApriSullAzione(0);
        qint64 totaleAzione = 0;
        for (const Griglia &g : kGriglie) {
            s.VaiA(g.pagina);
            EditableGrid *griglia = s.W<EditableGrid>(g.nome);
            QCOMPARE(griglia->Rows(), 2);
            qint64 somma = 0;
            for (int k = 0; k < 2; ++k) {
                const Linea linea = Esempio(g, k);
                s.ScriviRiga(griglia, k + 1, 0, linea.celle);
                somma += linea.importo;
                if (g.tabella != "MaterialiServizi")
                    QCOMPARE(griglia->TextMatrix(k + 1, griglia->Cols() - 1), Raggruppato(linea.importo));
            }
            QCOMPARE(griglia->Rows(), 4);  // an edit of the last row adds one
            QCOMPARE(s.W<QLineEdit>(g.casella)->text(), Raggruppato(somma));
            totaleAzione += somma;
        }
        QCOMPARE(s.form->ui.Text26->text(), Raggruppato(totaleAzione));
        s.Avanti();
        for (const Griglia &g : kGriglie)
            QCOMPARE(Memorizzate(s, g, azione), QStringList({Esempio(g, 0).memorizzata, Esempio(g, 1).memorizzata}));
        QCOMPARE(s.Spesa(azione, "VOCISPESA").toLongLong(), totaleAzione);

        s.RendiCorrente(1);
        s.RendiCorrente(0);
        for (const Griglia &g : kGriglie) {
            EditableGrid *griglia = s.W<EditableGrid>(g.nome);
            QCOMPARE(griglia->Rows(), 4);
            QCOMPARE(s.Celle(griglia, 1), Mostrata(Esempio(g, 0), g));
            QCOMPARE(s.Celle(griglia, 2), Mostrata(Esempio(g, 1), g));
            QCOMPARE(s.Celle(griglia, 3).join(""), QString());
            QCOMPARE(s.W<QLineEdit>(g.casella)->text(), Raggruppato(Esempio(g, 0).importo + Esempio(g, 1).importo));
        }
        QCOMPARE(s.form->ui.Text26->text(), Raggruppato(totaleAzione));
        QCOMPARE(s.form->ui.Text24[14]->text(), Raggruppato(6000 * (50 + 51 + 60 + 61 + 70 + 71)));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // The worked examples: each line's product grouped by thousands, the
    // grid's box, the summary item and the group it feeds.
    void lineTotalsAndTheBoxesTheyFeed()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;

        // A residential line without trainees has no total.
        s.ScriviRiga(f.ui.VSFlexGrid2[1], 1, 0, {"9000", "", "40"});
        QCOMPARE((QStringList{f.ui.Text5->text(), f.ui.VSFlexGrid2[1]->TextMatrix(1, 3)}), (QStringList{"", ""}));

        // Stages: 3 persons, 2 trips at 50000.
        s.VaiA(2);
        s.ScriviRiga(f.ui.VSFlexGrid14[0], 1, 1, {"3", "2"});
        s.ScriviCella(f.ui.VSFlexGrid14[0], 1, 0, "50000");
        QCOMPARE(Testi({f.ui.Text20, f.ui.Text24[3], f.ui.Text25[0]}) << f.ui.VSFlexGrid14[0]->TextMatrix(1, 3),
                 (QStringList{"300.000", "300.000", "300.000", "300.000"}));

        // Equipment: units by unit amount; the description and the title
        // recompute nothing.
        s.VaiA(4);
        EditableGrid *attrezzature = f.ui.VSFlexGrid10[0];
        s.ScriviRiga(attrezzature, 1, 1, {"2", "", "1500,4"});
        QCOMPARE(attrezzature->TextMatrix(1, 4), QString("3.000"));
        attrezzature->SetTextMatrix(1, 4, "5");
        s.ScriviRiga(attrezzature, 1, 0, {"Banco", "", "Al"});
        QCOMPARE((QStringList{f.ui.Text16->text(), attrezzature->TextMatrix(1, 2), attrezzature->TextMatrix(1, 4)}),
                 (QStringList{"3.000", "Altro", "5"}));

        // Running expenses: the eleven items and the other-expenses amounts.
        s.VaiA(6);
        QCOMPARE(f.ui.Text1[8]->text(), QString());
        s.ScriviCella(f.ui.VSFlexGrid13[1], 1, 1, "700000");
        QCOMPARE(f.ui.Text1[8]->text(), QString("700.000"));
        TypeInto(f.ui.Text1[14], "6000000");
        QCOMPARE(f.ui.Text1[8]->text(), QString("6.700.000"));
        s.ScriviCella(f.ui.VSFlexGrid13[1], 2, 1, "300000");
        QCOMPARE(Testi({f.ui.Text1[8], f.ui.Text24[12]}), (QStringList{"7.000.000", "7.000.000"}));

        // Human resources: 2 persons, 10 hours at 50000 lire.
        s.VaiA(7);
        s.ScriviRiga(f.ui.VSFlexGrid6, 1, 2, {"2", "10", "50000"});
        QCOMPARE(Testi({f.ui.Text33, f.ui.Text24[13]}) << f.ui.VSFlexGrid6->TextMatrix(1, 5),
                 (QStringList{"1.000.000", "1.000.000", "1.000.000"}));

        // Board of section 4D: of the seven travel and resource boxes only
        // Text10 changes.
        s.VaiA(8);
        const std::initializer_list<QWidget *> caselle = {f.ui.Text8,  f.ui.Text10, f.ui.Text11, f.ui.Text12,
                                                          f.ui.Text13, f.ui.Text14, f.ui.Text33};
        QStringList attese = Testi(caselle);
        s.ScriviRiga(f.ui.VSFlexGrid7[4], 1, 0, {"25000", "3", "30"});
        QCOMPARE(f.ui.VSFlexGrid7[4]->TextMatrix(1, 3), QString("2.250.000"));
        attese[1] = "2.250.000";
        QCOMPARE(Testi(caselle), attese);
        QCOMPARE(Testi({f.ui.Text24[14], f.ui.Text25[3], f.ui.Text26}),
                 (QStringList{"2.250.000", "3.250.000", "10.553.000"}));

        s.Avanti();
        QCOMPARE(s.Righe("SpeseRisorse", kRisorse, "IdSez3 = ?", {azione}), QStringList({"|0|2|10|50000|1000000"}));
        QCOMPARE(s.Righe("AttrezzatureMateriale", kAttrezzature, "IdSez3 = ?", {azione}),
                 QStringList({"Banco|2|Altro|1500|5"}));
        QCOMPARE(s.Spesa(azione, "VOCISPESA").toLongLong(), 10553000);
    }

    // A line is stored when its deciding amount is above 0, whatever else it
    // holds; a line that is not is skipped and the lines below it still
    // count; each grid of a table on its own.
    void theDecidingAmountOfEachLine()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.Scegli(2);
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;

        // Board: a middle line without a count keeps the line under it.
        EditableGrid *vitto = f.ui.VSFlexGrid2[1];
        s.ScriviRiga(vitto, 1, 0, {"9000", "15", "40"});
        s.ScriviRiga(vitto, 2, 0, {"8000", "10", ""});
        s.ScriviRiga(vitto, 3, 0, {"7000", "5", "20"});
        // Lodging: letters in a factor.
        s.ScriviRiga(f.ui.VSFlexGrid2[2], 1, 0, {"45000", "quattro", "10"});
        QCOMPARE(f.ui.VSFlexGrid2[2]->TextMatrix(1, 3), QString());

        // Equipment: no description but a total; a description and no
        // units; no title but a total.
        s.VaiA(4);
        EditableGrid *attrezzature = f.ui.VSFlexGrid10[0];
        s.ScriviRiga(attrezzature, 1, 1, {"2", "", "500"});
        s.ScriviRiga(attrezzature, 2, 0, {"Solo descrizione", "", "", "100"});
        s.ScriviRiga(attrezzature, 3, 0, {"Senza titolo", "1", "", "300"});

        // Consumables: an amount of 0; an amount without a description.
        s.VaiA(5);
        s.ScriviRiga(f.ui.VSFlexGrid13[0], 1, 0, {"Gratuito", "0"});
        s.ScriviCella(f.ui.VSFlexGrid13[0], 2, 1, "400");

        // Resources: chosen, internal, no figures; no Int./Est. but figures.
        s.VaiA(7);
        EditableGrid *risorse = f.ui.VSFlexGrid6;
        s.ScriviRiga(risorse, 1, 0, {"Do", "I"});
        s.ScriviRiga(risorse, 2, 0, {"Tu", "", "10", "10", "10"});
        s.Avanti();

        QCOMPARE(s.Righe("SpeseRaggiungimento", kViaggi, "IdSez3 = ?", {azione}),
                 QStringList({"9000|15|40|5400000", "7000|5|20|700000"}));
        QCOMPARE(s.Righe("AttrezzatureMateriale", kAttrezzature, "IdSez3 = ?", {azione}),
                 QStringList({"|2||500|1000", "Senza titolo|1||300|300"}));
        QCOMPARE(s.Righe("MaterialiServizi", kMateriali, "IdSez3 = ?", {azione}), QStringList({"|400"}));
        QCOMPARE(s.Righe("SpeseRisorse", kRisorse, "IdSez3 = ?", {azione}), QStringList({"Tutors|0|10|10|10|1000"}));

        // Back again: the stored lines, each grid closed by one empty row.
        s.RendiCorrente(1);
        s.RendiCorrente(0);
        QCOMPARE(vitto->Rows(), 4);
        QCOMPARE(s.Celle(vitto, 2), QStringList({"7000", "5", "20", "700000"}));
        QCOMPARE(f.ui.Text5->text(), QString("6.100.000"));
        QCOMPARE(f.ui.VSFlexGrid2[2]->Rows(), 2);
        QCOMPARE(s.Celle(f.ui.VSFlexGrid2[2], 1).join(""), QString());
        QCOMPARE(s.Celle(attrezzature, 2), QStringList({"Senza titolo", "1", "", "300", "300"}));
        QCOMPARE(s.Celle(risorse, 1), QStringList({"Tutors", "Esterno", "10", "10", "10", "1000"}));
        QCOMPARE(risorse->Rows(), 3);
    }

    // The lists offer exactly their items and nothing else can be typed;
    // the computed totals refuse edits; an edit of the last row adds one
    // row, of another row none.
    void listsVetoesAndTheRowBelow()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;

        s.VaiA(3);
        EditableGrid *viaggi = f.ui.VSFlexGrid7[0];
        s.ScriviCella(viaggi, 1, 0, "100");
        QCOMPARE(viaggi->Rows(), 3);
        s.ScriviRiga(viaggi, 1, 1, {"2", "", "99"});
        QCOMPARE(viaggi->TextMatrix(1, 3), QString());
        QVERIFY(!viaggi->Editing());
        QCOMPARE(viaggi->Rows(), 3);
        s.ScriviCella(viaggi, 2, 0, "1");
        QCOMPARE(viaggi->Rows(), 4);

        s.VaiA(4);
        QCOMPARE(VociDellaLista(f.ui.VSFlexGrid10[1], 1, 2), QStringList({"Affitto", "Acquisto", "Altro"}));
        s.ScriviCella(f.ui.VSFlexGrid10[1], 1, 2, "xyz");
        QCOMPARE(f.ui.VSFlexGrid10[1]->TextMatrix(1, 2), QString());

        s.VaiA(7);
        EditableGrid *risorse = f.ui.VSFlexGrid6;
        QCOMPARE(VociDellaLista(risorse, 1, 0),
                 QStringList({"Segreteria e Amministrazione", "Docenti", "Codocenti", "Tutors", "Direttori ",
                              "Coordinatori", "Docenti impegnati nell'area dell'emarg.soc. e sost.disabili", "",
                              "Orientatori", "Consulenti", "Direttori di ricerca", "Esperti", "Ricercatori senior",
                              "Ricercatori junior", "Rilevatori di dati"}));
        QCOMPARE(VociDellaLista(risorse, 1, 1), QStringList({"Interno", "Esterno"}));
        // Choosing a resource on the last row adds a row, and no total.
        s.ScriviCella(risorse, 1, 0, "Docenti");
        QCOMPARE(risorse->Rows(), 3);
        QCOMPARE(f.ui.Text33->text(), QString());
        // Neither a text outside the list nor a computed total is taken.
        s.ScriviRiga(risorse, 1, 1, {"Nessuna", "", "", "", "5"});
        QCOMPARE(s.Celle(risorse, 1), QStringList({"Docenti", "", "", "", "", ""}));

        // The other expenses have no computed column: both take input.
        s.VaiA(6);
        s.ScriviRiga(f.ui.VSFlexGrid13[1], 1, 0, {"Pulizie", "5"});
        QCOMPARE(s.Celle(f.ui.VSFlexGrid13[1], 1), QStringList({"Pulizie", "5"}));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // A resource's "Int/Est" cell, double-clicked, goes on showing its value
    // while its items drop down below it; a click on another cell keeps the
    // value, a click on "Interno" in the list chooses it, and that is stored.
    void theIntEstCellKeepsWhatItShows()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.ApriSullAzione(0);
        s.VaiA(7);
        EditableGrid *risorse = s.form->ui.VSFlexGrid6;
        s.ScriviRiga(risorse, 1, 0, {"Docenti", "Esterno", "1", "2", "300"});
        const QRect cella = risorse->CellRect(1, 1);
        const auto apri = [&] {
            QTest::mouseClick(risorse->viewport(), Qt::LeftButton, {}, cella.center());
            QTest::mouseDClick(risorse->viewport(), Qt::LeftButton, {}, cella.center());
            return qobject_cast<GridListEditor *>(risorse->indexWidget(risorse->currentIndex()));
        };

        GridListEditor *lista = apri();
        QVERIFY(lista && lista->List()->isVisible());
        QCOMPARE(lista->Value(), QString("Esterno"));
        QCOMPARE(lista->geometry(), cella);
        QCOMPARE(lista->List()->geometry().top(), risorse->viewport()->mapToGlobal(cella.bottomLeft()).y() + 1);
        QCOMPARE(lista->List()->currentItem()->text(), QString("Esterno"));
        QTest::mouseClick(risorse->viewport(), Qt::LeftButton, {}, risorse->CellRect(1, 3).center());
        QCOMPARE(risorse->TextMatrix(1, 1), QString("Esterno"));

        lista = apri();
        QVERIFY(lista);
        const QListWidgetItem *interno = lista->List()->findItems("Interno", Qt::MatchExactly).value(0);
        QTest::mouseClick(lista->List()->viewport(), Qt::LeftButton, {}, lista->List()->visualItemRect(interno).center());
        QCOMPARE(risorse->TextMatrix(1, 1), QString("Interno"));
        s.Avanti();
        QCOMPARE(s.Righe("SpeseRisorse", kRisorse, "IdSez3 = ?", {azione}), QStringList({"Docenti|1|1|2|300|600"}));
    }

    // Each action shows its own lines only, whichever way it becomes
    // current: chosen on page 0, or made current by the print run.
    void actionsKeepTheirLinesApart()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 prima = s.Scegli(1);
        const qint64 seconda = s.Scegli(2);
        env.ExecSql("insert into SpeseRaggiungimento values (?, 0, 100, 2, 3, 600), (?, 0, 200, 1, 1, 200)",
                    {prima, seconda});
        env.ExecSql("insert into SpeseRisorse values (?, 'Docenti', 1, 1, 2, 300, 600)", {prima});
        env.ExecSql("insert into MaterialiServizi values (?, 1, 'Pulizie', 900)", {prima});
        s.Apri();
        Sezione4Form &f = *s.form;
        const auto mostraLaPrima = [&] {
            QCOMPARE(s.Celle(f.ui.VSFlexGrid2[0], 1), QStringList({"100", "2", "3", "600"}));
            QCOMPARE(s.Celle(f.ui.VSFlexGrid6, 1), QStringList({"Docenti", "Interno", "1", "2", "300", "600"}));
            QCOMPARE(Testi({f.ui.Text33, f.ui.Text1[8], f.ui.Text26}), (QStringList{"600", "900", "2.100"}));
        };
        const auto mostraLaSeconda = [&] {
            QCOMPARE((QList<int>{f.ui.VSFlexGrid2[0]->Rows(), f.ui.VSFlexGrid6->Rows()}), (QList<int>{3, 2}));
            QCOMPARE(s.Celle(f.ui.VSFlexGrid2[0], 1), QStringList({"200", "1", "1", "200"}));
            QCOMPARE(s.Celle(f.ui.VSFlexGrid6, 1).join("") + s.Celle(f.ui.VSFlexGrid13[1], 1).join(""), QString());
            QCOMPARE(Testi({f.ui.Text33, f.ui.Text1[8], f.ui.Text26}), (QStringList{"", "", "200"}));
        };
        s.DoppioClic(1, 0);
        mostraLaPrima();
        s.RendiCorrente(1);
        mostraLaSeconda();
        s.RendiCorrente(0);
        mostraLaPrima();

        // The print run sets the key and fills: nothing of the first stays.
        f.IdSez3Corrente = seconda;
        f.RiempeTutto();
        mostraLaSeconda();
        QCOMPARE(f.DescrizioneAzioneCorrente, QString("Supporto alla integrazione sistemi"));
        f.IdSez3Corrente = prima;
        f.RiempeTutto();
        mostraLaPrima();
        s.Lascia();
        QCOMPARE(s.Sql("select count(*) from SpeseRaggiungimento").toInt(), 2);
        QCOMPARE(s.Sql("select count(*) from SpeseRisorse where IdSez3 = ?", {seconda}).toInt(), 0);

        // Unticked in section 3 meanwhile: its lines and totals go from the pages.
        env.ExecSql("delete from SpeseSez3 where IDSEZ3 = ?", {prima});
        env.ExecSql("update Azioni set Azione01 = 0 where ID = ?", {s.id});
        s.Torna();
        QCOMPARE(s.Celle(f.ui.VSFlexGrid6, 1).join("")
                     + Testi({f.ui.Text4, f.ui.Text33, f.ui.Text1[8], f.ui.Text26}).join(""),
                 QString());
    }

    // After a fill the travel grids of the staff show a missing value as an
    // empty cell, the other grids as "0"; totals are plain after a fill,
    // grouped after an edit, and read back alike. A long description is
    // stored whole.
    void whatAFillShows()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        const QString lunga = QString("Materiale didattico vario; ").repeated(200);
        env.ExecSql("insert into SpeseViaggioDocenti (IdSez3, Tipo, Importo, NViaggi, Totale) "
                    "values (?, 1, 500, 2, 1000)",
                    {azione});
        env.ExecSql("insert into SpeseRisorse (IdSez3, Risorsa, NSogg, OreGG, Totale) values (?, 'Tutors', 1, 2, 3)",
                    {azione});
        env.ExecSql("insert into MaterialiServizi values (?, 0, ?, 1234567)", {azione, lunga});
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;
        QCOMPARE(s.Celle(f.ui.VSFlexGrid7[1], 1), QStringList({"500", "", "2", "1000"}));
        QCOMPARE(s.Celle(f.ui.VSFlexGrid6, 1), QStringList({"Tutors", "Esterno", "1", "2", "0", "3"}));
        QCOMPARE(s.Celle(f.ui.VSFlexGrid13[0], 1) << f.ui.Text18->text(), QStringList({lunga, "1234567", "1.234.567"}));

        s.VaiA(3);
        s.ScriviCella(f.ui.VSFlexGrid7[1], 1, 1, "3");
        s.ScriviRiga(f.ui.VSFlexGrid7[1], 2, 0, {"700", "2", "1000"});
        QCOMPARE((QStringList{f.ui.VSFlexGrid7[1]->TextMatrix(1, 3), f.ui.VSFlexGrid7[1]->TextMatrix(2, 3),
                              f.ui.Text13->text()}),
                 (QStringList{"3.000", "1.400.000", "1.403.000"}));
        s.Avanti();
        QCOMPARE(s.Righe("SpeseViaggioDocenti", kPersone, "IdSez3 = ?", {azione}),
                 QStringList({"500|3|2|3000", "700|2|1000|1400000"}));
        QCOMPARE(s.Righe("MaterialiServizi", {"Descrizione"}, "IdSez3 = ?", {azione}), QStringList({lunga}));
        QCOMPARE(s.Righe("SpeseRisorse", kRisorse, "IdSez3 = ?", {azione}), QStringList({"Tutors|0|1|2|0|3"}));
        s.Lascia();
        s.Torna();
        QCOMPARE((QStringList{f.ui.VSFlexGrid7[1]->TextMatrix(2, 3), f.ui.Text13->text()}),
                 (QStringList{"1400000", "1.403.000"}));
    }

    // The project's attachments: numbered rows stored in grid order,
    // duplicates and decimals as typed (rounded), a row without a number
    // skipped and the rows below it kept; the grid offers an empty row as
    // soon as the user enters the last one; the list is the project's,
    // whichever action is chosen.
    void theAttachments()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.Scegli(2);
        s.Apri();
        s.VaiA(10);
        EditableGrid *g = s.form->ui.VSFlexGrid3;
        QVERIFY(g->isEnabled());
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(s.Celle(g, 0), QStringList({"Numero Allegato", "Descrizione Allegato"}));
        const QList<QStringList> righe = {{"3", "Statuto"}, {"", "Senza numero"}, {"5", "Bilancio"},
                                          {"2,6", ""},      {"3", "Statuto"},     {"zero", "x"}};
        for (int r = 0; r < righe.size(); ++r) {
            for (int c = 0; c < 2; ++c) {
                if (righe[r][c].isEmpty())
                    continue;
                s.ScriviCella(g, r + 1, c, righe[r][c]);
                QVERIFY(g->Row() < g->Rows() - 1);  // an empty row below the one the user is on
            }
        }
        // Entering a row that is not the last adds none.
        const int tutte = g->Rows();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 1).center());
        QCOMPARE(g->Rows(), tutte);
        s.Indietro();
        const QStringList attesi = {"3|Statuto", "5|Bilancio", "3|", "3|Statuto"};
        QCOMPARE(s.Righe("ElencoAllegati", {"NumeroAllegato", "Descrizione"}, "Id = ?", {s.id}), attesi);

        // Another action: the same list; after a fill, one empty row below it.
        s.RendiCorrente(1);
        s.VaiA(10);
        QCOMPARE(g->Rows(), 6);
        QCOMPARE(s.Celle(g, 2), QStringList({"5", "Bilancio"}));
        QCOMPARE(s.Celle(g, 5).join(""), QString());
        // The first step into the last row offers a new one.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(5, 1).center());
        QCOMPARE(g->Rows(), 7);
        s.Lascia();
        QCOMPARE(s.Righe("ElencoAllegati", {"NumeroAllegato", "Descrizione"}, "Id = ?", {s.id}), attesi);
        QCOMPARE(s.Sql("select count(*) from ElencoAllegati where Id <> ?", {s.id}).toInt(), 0);
    }

    // A store that fails halfway (the last table refuses a line) undoes all
    // it had written: the cost record and the stored lines stay as they
    // were, the message names the cause, and the window keeps what the user
    // typed until a store succeeds.
    void aFailedStoreLeavesTheStoredLines()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        env.ExecSql("update SpeseSez3 set Gettone = 5 where IDSEZ3 = ?", {azione});
        env.ExecSql("insert into SpeseViaggioDocenti values (?, 5, 10, 1, 1, 10)", {azione});
        env.ExecSql("create trigger rifiuta before insert on SpeseViaggioDocenti when new.Importo = 13 "
                    "begin select raise(abort, 'riga rifiutata'); end");
        s.ApriSullAzione(0);
        s.VaiA(8);
        Sezione4Form &f = *s.form;
        TypeInto(s.T1(26), "900000");
        s.ScriviRiga(f.ui.VSFlexGrid7[3], 1, 0, {"20", "21", "22"});
        s.ScriviRiga(f.ui.VSFlexGrid7[5], 2, 0, {"13", "13", "13"});
        Dialogs::ClearHistory();
        s.Lascia();
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY(Dialogs::Messages().first().contains("riga rifiutata")
                && Dialogs::Messages().first().contains("non sono stati registrati"));
        const QStringList campi = QStringList({"Tipo"}) + kPersone;
        QCOMPARE(s.Righe("SpeseViaggioDocenti", campi, "IdSez3 = ?", {azione}), QStringList({"5|10|1|1|10"}));
        QCOMPARE(s.Spesa(azione, "Gettone").toLongLong(), 5);

        s.Torna();
        QCOMPARE((QStringList{f.ui.VSFlexGrid7[3]->TextMatrix(1, 3), f.ui.VSFlexGrid7[5]->TextMatrix(2, 3),
                              s.T1(26)->text()}),
                 (QStringList{"9.240", "2.197", "900.000"}));
        env.ExecSql("drop trigger rifiuta");
        s.Indietro();
        QCOMPARE(s.Righe("SpeseViaggioDocenti", campi, "IdSez3 = ?", {azione}),
                 QStringList({"3|20|21|22|9240", "5|10|1|1|10", "5|13|13|13|2197"}));
        QCOMPARE(s.Spesa(azione, "Gettone").toLongLong(), 900000);
    }
};

QTEST_MAIN(TestSezione4Dettagli)
#include "tst_sezione4_dettagli.moc"
