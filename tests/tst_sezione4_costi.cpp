// Section 4's cost record of the current action: every box and fixed-grid
// cell stored and filled back, the fixed grids' row products and refused
// columns, and the cascade of totals up to the action's grand total, as
// typed by the user under Italian settings.
#include "ControlliProva.h"
#include "PilotaSezione4.h"

#include "Dialogs.h"

namespace {

// One item of the cost record: the page, the box ("Text1(4)") or the grid
// cell ("VSFlexGrid1" row, column), and its field.
struct Voce
{
    int pagina;
    QString controllo;
    int riga, colonna;
    QString campo;
};

QList<Voce> Voci()
{
    QList<Voce> voci;
    const auto casella = [&](int pagina, const QString &nome, const QString &campo) {
        voci.append({pagina, nome, -1, -1, campo});
    };
    const auto griglia = [&](int pagina, const QString &nome, int riga, const QStringList &campi, int prima) {
        for (int c = 0; c < campi.size(); ++c)
            voci.append({pagina, nome, riga, prima + c, campi[c]});
    };
    casella(1, "Text1(0)", "INAIL");
    casella(1, "Text1(1)", "AssItinere");
    griglia(1, "VSFlexGrid1", 1, {"DiscoccupatiN", "DisoccupatiImporto", "DisoccupatiOre"}, 1);
    griglia(1, "VSFlexGrid1", 2, {"OccupatiN", "OccupatiImporto", "OccupatiOre"}, 1);
    griglia(1, "VSFlexGrid1", 3, {"SostRedditoN", "SostRedditoImporto", "SostRedditoMesi"}, 1);
    griglia(1, "VSFlexGrid1", 4, {"IncOccupazioneN", "IncOccupazioneImporto", "IncOccupazioneOre"}, 1);
    casella(2, "Text31", "RimborsoStageOspitante");
    griglia(2, "VSFlexGrid8", 1, {"ProgettazioneN", "ProgettazioneOre", "ProgettazioneImporto"}, 2);
    griglia(2, "VSFlexGrid8", 2, {"DispenseN", "DispenseOre", "DispenseImporto"}, 2);
    griglia(2, "VSFlexGrid8", 3, {"FadN", "FadOre", "FadImporto"}, 2);
    casella(2, "Text1(4)", "SelezioneN");
    casella(2, "Text1(5)", "SelezioneOre");
    casella(2, "Text1(6)", "SelezioneImporto");
    casella(2, "Text32", "Pubblicita");
    const QStringList gestione = {"AffittoLocali", "Manutenzione", "Riscaldamento", "Energia", "Telefono",    "Posta",
                                  "Cancelleria",   "Perizie",      "Ausiliario",    "Oneri",   "Fidejussioni"};
    for (int i = 0; i < gestione.size(); ++i)
        casella(6, QString("Text1(%1)").arg(14 + i), gestione[i]);
    casella(8, "Text1(26)", "Gettone");
    casella(8, "Text1(25)", "Trasferta");
    return voci;
}

QString TestoDi(PilotaSezione4 &s, const Voce &v)
{
    if (v.riga < 0)
        return s.W<QLineEdit>(v.controllo)->text();
    return s.W<EditableGrid>(v.controllo)->TextMatrix(v.riga, v.colonna);
}

// Types a value into a box or a cell as the user does.
void Digita(PilotaSezione4 &s, const Voce &v, const QString &testo)
{
    if (v.riga < 0)
        TypeInto(s.W<QLineEdit>(v.controllo), testo);
    else
        PilotaSezione4::ScriviCella(s.W<EditableGrid>(v.controllo), v.riga, v.colonna, testo);
}

// The texts of a column's cells from row 1 to `righe`.
QStringList Colonna(EditableGrid *g, int colonna, int righe)
{
    QStringList celle;
    for (int r = 1; r <= righe; ++r)
        celle << g->TextMatrix(r, colonna);
    return celle;
}

}  // namespace

class TestSezione4Costi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Each value typed, stored at the next page change, and shown back as
    // plain digits by the next fill; fractions rounded, text as 0.
    void everyItemRoundTrips()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.Scegli(2);
        s.ApriSullAzione(0);
        const QList<Voce> voci = Voci();
        const auto valore = [](int i) { return qint64(i + 1) * 11; };
        for (int pagina : {1, 2, 6, 8}) {
            s.VaiA(pagina);
            for (int i = 0; i < voci.size(); ++i)
                if (voci[i].pagina == pagina)
                    Digita(s, voci[i], i == 0 ? "10,6" : QString::number(valore(i)));
            s.Avanti();
            for (int i = 0; i < voci.size(); ++i)
                if (voci[i].pagina == pagina)
                    QCOMPARE(s.Spesa(azione, voci[i].campo).toLongLong(), i == 0 ? 11 : valore(i));
        }
        QCOMPARE(s.Spesa(azione, "Id").toLongLong(), s.id);
        QCOMPARE(s.Spesa(azione, "DescrizioneAzione").toString(), QString("Formazione"));
        const qint64 totale = s.Spesa(azione, "VOCISPESA").toLongLong();
        QCOMPARE(QLocale().toString(totale), s.form->ui.Text26->text());

        // Another action, then this one again: every item as stored.
        s.RendiCorrente(1);
        s.RendiCorrente(0);
        for (int i = 0; i < voci.size(); ++i)
            QCOMPARE(TestoDi(s, voci[i]), QString::number(i == 0 ? 11 : valore(i)));
        QCOMPARE(s.form->ui.Text26->text(), QLocale().toString(totale));

        // Letters count as 0.
        s.VaiA(1);
        TypeInto(s.T1(1), "molti");
        s.Avanti();
        QCOMPARE(s.Spesa(azione, "AssItinere").toLongLong(), 0);
    }

    // A stored total that its items do not make: the fill recomputes it, and
    // what they make is shown, stored and listed.
    void theTotalFollowsItsItemsWhateverWasStored()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        env.ExecSql("update SpeseSez3 set INAIL = 1000, VOCISPESA = 999999 where IDSEZ3 = ?", {azione});
        s.ApriSullAzione(0);
        s.VaiA(9);
        QCOMPARE(Testi({s.form->ui.Text24[1], s.form->ui.Text25[0], s.form->ui.Text26}),
                 (QStringList{"1.000", "1.000", "1.000"}));
        s.Avanti();
        QCOMPARE(s.Spesa(azione, "VOCISPESA").toLongLong(), 1000);
        s.VaiA(0);
        QCOMPARE(s.Voci(1), QStringList({"Formazione ->Tot £. 1.000"}));
    }

    // Amounts beyond what a double holds are shown grouped and stored to the
    // last digit; a figure beyond 64 bits, typed or summed, is refused with
    // a message naming it, and nothing is stored.
    void amountsStayExactIn64Bits_data()
    {
        QTest::addColumn<QString>("inail");
        QTest::addColumn<QString>("itinere");
        QTest::addColumn<QString>("mostrato");   // INAIL's box once left
        QTest::addColumn<QString>("totale");     // Text26
        QTest::addColumn<QString>("rifiutato");  // what the message names; empty: stored
        const QString nulla, cifre = "12345678901234567", raggruppate = "12.345.678.901.234.567";
        const QString tutte = "9223372036854775807", massimo = "9.223.372.036.854.775.807";
        const QString oltre = "9.223.372.036.854.780.000", troppe = "99999999999999999999";
        QTest::newRow("beyond a double") << cifre << nulla << raggruppate << raggruppate << nulla;
        QTest::newRow("the largest") << tutte << nulla << massimo << massimo << nulla;
        QTest::newRow("a sum beyond") << tutte << QString("1") << massimo << oltre << oltre;
        QTest::newRow("typed beyond") << troppe << nulla << troppe << QString("100.000.000.000.000.000.000") << troppe;
    }

    void amountsStayExactIn64Bits()
    {
        QFETCH(QString, inail);
        QFETCH(QString, itinere);
        QFETCH(QString, mostrato);
        QFETCH(QString, totale);
        QFETCH(QString, rifiutato);
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.ApriSullAzione(0);
        TypeInto(s.T1(1), itinere);
        s.Scrivi(s.T1(0), inail);
        QCOMPARE(Testi({s.T1(0), s.form->ui.Text26}), (QStringList{mostrato, totale}));
        s.Avanti();
        const QString memorizzati = s.Righe("SpeseSez3", {"INAIL", "VOCISPESA"}, "IDSEZ3 = ?", {azione}).value(0);
        if (rifiutato.isEmpty()) {
            QCOMPARE(memorizzati, inail + "|" + inail);
            QVERIFY(Dialogs::Messages().isEmpty());
        } else {
            QCOMPARE(memorizzati, QString("|"));
            QCOMPARE(s.Pagina(), 1);
            QCOMPARE(Dialogs::Messages().size(), 1);
            QVERIFY(Dialogs::Messages()[0].startsWith("Il numero " + rifiutato + " è troppo grande"));
            Dialogs::Queue(true);  // closing the window loses what it shows
        }
    }

    // Int/Est is stored true exactly for "Interno", whatever else the cell
    // holds; it loads back as "Interno" or "Esterno".
    void internalOrExternal()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 azione = s.Scegli(1);
        s.Apri();
        EditableGrid *g = s.form->ui.VSFlexGrid8;
        QCOMPARE(Colonna(g, 1, 2), QStringList({"Nessuna", ""}));
        s.DoppioClic(1, 0);
        s.VaiA(2);
        QCOMPARE(g->TextMatrix(1, 1), QString("Esterno"));
        PilotaSezione4::ScriviCella(g, 1, 1, "I");
        PilotaSezione4::ScriviCella(g, 2, 1, "I");
        PilotaSezione4::ScriviCella(g, 2, 1, "E");
        QCOMPARE(Colonna(g, 1, 2), QStringList({"Interno", "Esterno"}));
        s.Avanti();
        const QStringList campi = {"ProgettazioneIE", "DispenseIE", "FadIE"};
        QCOMPARE(s.Righe("SpeseSez3", campi, "IDSEZ3 = ?", {azione}), QStringList{"1|0|0"});

        // Texts no user can choose: not "Interno", so external.
        s.Indietro();
        g->SetTextMatrix(1, 1, "interno");
        g->SetTextMatrix(2, 1, "Nessuna");
        g->SetTextMatrix(3, 1, "");
        s.Avanti();
        QCOMPARE(s.Righe("SpeseSez3", campi, "IDSEZ3 = ?", {azione}), QStringList{"0|0|0"});
        s.Lascia();
        env.ExecSql("update SpeseSez3 set DispenseIE = 1 where IDSEZ3 = ?", {azione});
        s.Torna();
        QCOMPARE(Colonna(g, 1, 3), QStringList({"Esterno", "Interno", "Esterno"}));
    }

    // Each row's product of its rounded figures, grouped; the grid totals;
    // the label, total and (in VSFlexGrid8) Int/Est edits change no figure
    // they should not; the total columns and labels refuse edits.
    void fixedGridProducts()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;
        EditableGrid *g1 = f.ui.VSFlexGrid1;
        PilotaSezione4::ScriviRiga(g1, 1, 1, {"12,6", "5000", "300"});
        QCOMPARE(g1->TextMatrix(1, 4), QString("19.500.000"));
        PilotaSezione4::ScriviRiga(g1, 3, 1, {"3", "450.000", "6"});
        QCOMPARE(Colonna(g1, 4, 3), QStringList({"19.500.000", "", "8.100.000"}));  // 0 × 0 × 0 shows nothing
        QCOMPARE(Testi({f.ui.Text2, f.ui.Text24[0]}), (QStringList{"27.600.000", "27.600.000"}));
        PilotaSezione4::ScriviCella(g1, 1, 4, "9");
        PilotaSezione4::ScriviCella(g1, 1, 0, "9");
        QCOMPARE((QStringList{g1->TextMatrix(1, 4), g1->TextMatrix(1, 0)}), (QStringList{"19.500.000", "Disoccupati"}));
        QVERIFY(!g1->Editing());

        s.Avanti();
        EditableGrid *g8 = f.ui.VSFlexGrid8;
        PilotaSezione4::ScriviRiga(g8, 2, 2, {"2", "10", "50000"});
        QCOMPARE(g8->TextMatrix(2, 5), QString("1.000.000"));
        QCOMPARE(Testi({f.ui.Text9, f.ui.Text24[4]}), (QStringList{"1.000.000", "1.000.000"}));
        g8->SetTextMatrix(2, 5, "5");  // a figure that no edit of Int/Est may recompute
        PilotaSezione4::ScriviCella(g8, 2, 1, "I");
        QCOMPARE(g8->TextMatrix(2, 5), QString("5"));
        PilotaSezione4::ScriviCella(g8, 2, 4, "50000");
        PilotaSezione4::ScriviCella(g8, 1, 5, "7");
        QCOMPARE(Colonna(g8, 5, 2), QStringList({"", "1.000.000"}));
        QCOMPARE(Testi({f.ui.Text25[1], f.ui.Text26}), (QStringList{"1.000.000", "28.600.000"}));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // The worked examples of the selection row and of typed cost items.
    void typedItemsAndTheirTotals()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;
        s.VaiA(2);
        TypeInto(s.T1(4), "0");
        TypeInto(s.T1(5), "0");
        TypeInto(s.T1(6), "1500");
        QCOMPARE(f.ui.Text23->text(), QString("1.500"));
        TypeInto(s.T1(4), "2");
        QCOMPARE(Testi({f.ui.Text23, f.ui.Text24[6]}), (QStringList{"", ""}));
        TypeInto(s.T1(5), "10");
        QCOMPARE(Testi({f.ui.Text23, f.ui.Text24[6]}), (QStringList{"30.000", "30.000"}));

        // Text31 and Text32 keep what is typed; their items are grouped.
        s.Scrivi(f.ui.Text31, "1234,4");
        s.Scrivi(f.ui.Text32, "2500000");
        QCOMPARE(Testi({f.ui.Text31, f.ui.Text24[3], f.ui.Text24[5]}), (QStringList{"1234,4", "1.234", "2.500.000"}));

        // A cost item is grouped and rounded when left; totals use the
        // rounded value meanwhile; letters count as 0 and leave it empty.
        s.VaiA(1);
        TypeInto(s.T1(0), "1234567");
        QCOMPARE(Testi({s.T1(0), f.ui.Text3}), (QStringList{"1234567", "1.234.567"}));
        QTest::mouseClick(s.T1(1), Qt::LeftButton);
        QCOMPARE(s.T1(0)->text(), QString("1.234.567"));
        TypeInto(s.T1(1), "12,6");
        QCOMPARE(f.ui.Text3->text(), QString("1.234.580"));
        QTest::mouseClick(s.T1(0), Qt::LeftButton);
        QCOMPARE(s.T1(1)->text(), QString("13"));
        TypeInto(s.T1(0), "mille");
        QCOMPARE(Testi({f.ui.Text3, f.ui.Text24[1]}), (QStringList{"13", "13"}));
        QTest::mouseClick(s.T1(1), Qt::LeftButton);
        QCOMPARE(s.T1(0)->text(), QString());

        // The running expenses: one keystroke down to the action's total.
        s.VaiA(6);
        TypeInto(s.T1(14), "5");
        QCOMPARE(Testi({s.T1(8), f.ui.Text24[12], f.ui.Text25[2]}), (QStringList{"5", "5", "5"}));
        TypeInto(s.T1(24), "1000");
        QCOMPARE(s.T1(8)->text(), QString("1.005"));
        s.VaiA(8);
        TypeInto(s.T1(26), "900000");
        TypeInto(s.T1(25), "240000");
        QCOMPARE(Testi({f.ui.Text7, f.ui.Text24[15], f.ui.Text25[3], f.ui.Text25[0], f.ui.Text25[1], f.ui.Text26}),
                 (QStringList{"1.140.000", "1.140.000", "1.140.000", "1.247", "2.530.000", "3.672.252"}));
        s.Avanti();
        QCOMPARE(s.Spesa(f.IdSez3Corrente, "VOCISPESA").toLongLong(), 3672252);
    }

    // The summary of page 9 from the total boxes of every page, as the
    // grids' handlers and fills write them: copies as they stand, sums and
    // formats grouped, each group and the action's total to the last figure.
    void theSummaryGathersEveryTotal()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        s.Scegli(1);
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;
        const QList<QPair<QLineEdit *, QString>> scritti = {
            {f.ui.Text2, "1.000"},  {f.ui.Text3, "200"},     {f.ui.Text4, "30"},       {f.ui.Text5, "4000"},
            {f.ui.Text6, "50.000"}, {f.ui.Text20, "600"},    {f.ui.Text21, "7.000"},   {f.ui.Text31, "80000"},
            {f.ui.Text9, "900000"}, {f.ui.Text32, "1,4"},    {f.ui.Text23, "20"},      {f.ui.Text12, "300"},
            {f.ui.Text13, "4.000"}, {f.ui.Text14, "50000"},  {f.ui.Text16, "600.000"}, {f.ui.Text17, "7000000"},
            {f.ui.Text19, "8"},     {f.ui.Text18, "90"},     {f.ui.Text1[8], "1.000"}, {f.ui.Text33, "2.000.000"},
            {f.ui.Text8, "300"},    {f.ui.Text10, "40.000"}, {f.ui.Text11, "500000"},  {f.ui.Text7, "6000"},
        };
        for (const auto &[casella, testo] : scritti)
            casella->setText(testo);
        const QStringList voci = {"1.000",   "200",     "54.030", "87.600", "900.000", "1",         "20",      "54.300",
                                  "600.000", "7000000", "8",      "90",     "1.000",   "2.000.000", "540.300", "6000"};
        for (int k = 0; k < 16; ++k)
            QCOMPARE(f.ui.Text24[k]->text(), voci[k]);
        QCOMPARE(Testi({f.ui.Text25[0], f.ui.Text25[1], f.ui.Text25[2], f.ui.Text25[3], f.ui.Text26}),
                 (QStringList{"142.830", "954.321", "7.601.098", "2.546.300", "11.244.549"}));

        // A copy shows whatever its source shows; a source emptied empties it.
        f.ui.Text17->setText("circa");
        QCOMPARE(Testi({f.ui.Text24[9], f.ui.Text25[2]}), (QStringList{"circa", "601.098"}));
        f.ui.Text5->setText(QString());
        QCOMPARE(f.ui.Text24[2]->text(), QString("50.030"));
    }

    // Choosing another action empties every item of the first before the
    // second's are filled in: nothing of the first stays on screen.
    void anotherActionKeepsNothingOfTheFirst()
    {
        TestEnvironment env;
        PilotaSezione4 s(env);
        const qint64 prima = s.Scegli(1);
        s.Scegli(2);
        QStringList assegnazioni;
        const QList<Voce> voci = Voci();
        for (int i = 0; i < voci.size(); ++i)
            assegnazioni << QString("%1 = %2").arg(voci[i].campo).arg(100 + i);
        env.ExecSql(QString("update SpeseSez3 set %1, ProgettazioneIE = 1, VOCISPESA = 999 where IDSEZ3 = ?")
                        .arg(assegnazioni.join(", ")),
                    {prima});
        s.ApriSullAzione(0);
        Sezione4Form &f = *s.form;
        QCOMPARE(Testi({s.T1(0), f.ui.Text24[15]}), (QStringList{"100", "279"}));
        QCOMPARE(f.ui.VSFlexGrid8->TextMatrix(1, 1), QString("Interno"));

        s.RendiCorrente(1);
        QCOMPARE(f.ui.Label2[0]->text(), QString("Supporto alla integrazione sistemi"));
        for (const Voce &v : voci)
            QCOMPARE(TestoDi(s, v), QString("0"));
        QCOMPARE(f.ui.VSFlexGrid8->TextMatrix(1, 1), QString("Esterno"));
        QCOMPARE(Colonna(f.ui.VSFlexGrid1, 4, 4).join(""), QString());
        QStringList totali = Testi({f.ui.Text2, f.ui.Text3, f.ui.Text9, f.ui.Text23, f.ui.Text7, s.T1(8), f.ui.Text26});
        for (int k = 0; k < 16; ++k)
            totali << f.ui.Text24[k]->text();
        QCOMPARE(totali.join(""), QString());
    }
};

QTEST_MAIN(TestSezione4Costi)
#include "tst_sezione4_costi.moc"
