// Filling the print templates: markers read as written, values and list
// texts put in as escaped text, the computed values and list texts of the
// two catalogues, the document's fragments.
#include "StampaProva.h"

#include "CaselleFinestra.h"
#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Marcatore.h"
#include "Recordset.h"
#include "RtfDocument.h"
#include "RtfLexer.h"
#include "Sezione1Form.h"
#include "TestoCampo.h"
#include "UserError.h"
#include "Velkaro.h"

#include <QLineEdit>

namespace {

std::unique_ptr<Recordset> Righe(const QString &tabella)
{
    return DB->OpenRecordset(QString("Select * from %1 where Id = ?").arg(tabella), {IdProgetto});
}

}  // namespace

class TestStampaRiempimento : public QObject
{
    Q_OBJECT
    // Each test's own current project, and a template box with its filler.
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<StampaProva> stampa;

private slots:
    void initTestCase() { InitTestProcess(); }
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->OpenNewProject();
        stampa = std::make_unique<StampaProva>();
    }
    void cleanup()
    {
        stampa.reset();
        env.reset();
    }

    // Markers read as written: value and list markers, 50 characters at
    // most, the one-digit count and one-character type of a list; what is
    // not a marker reads as none.
    void marcatoriLettiComeScritti_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("letto");
        const QString x37(37, 'x');
        const QList<std::pair<QString, QString>> casi = {
            {"[Principale!Oggetto] e poi", "valore Principale|Oggetto 0 0 20"},
            {"[Principale!" + x37 + "]x", "valore Principale|" + x37 + " 0 0 50"},
            {"[Principale!" + x37 + "x]", ""},
            {"[ATS@Id31]", "lista ATS|Id 3 1 10"},
            {"[ATS@Id39]", "lista ATS|Id 3 0 10"},
            {"[Tab!x@Id31]", "lista Tab!x|Id 3 1 12"},
            {"[ATS@Idx9]", "lista ATS|Id 0 0 10"},
            {"[ATS@Id3x]", "lista ATS|Id 3 1 10"},
            {"[ATS@I9]", ""},
            {"[Oggetto]", ""},
            {"[!Oggetto]", ""},
            {"[Principale!]", ""},
            {"[Principale!Oggetto", ""},
        };
        for (const auto &[testo, letto] : casi)
            QTest::newRow(qPrintable(testo.left(30))) << testo << letto;
    }
    void marcatoriLettiComeScritti()
    {
        QFETCH(QString, testo);
        const std::optional<Marcatore> m = Marcatore::Leggi(testo);
        const QString letto = !m ? QString()
                                 : QString("%1 %2|%3 %4 %5 %6")
                                       .arg(m->genere == Marcatore::Lista ? "lista" : "valore", m->parola, m->campo)
                                       .arg(m->ncampi)
                                       .arg(int(m->FiltraTipo()))
                                       .arg(m->lunghezza);
        QTEST(letto, "letto");
    }

    // A template without markers comes out byte for byte; values of the
    // project and of the printed row go in as text, escaped for RTF, under
    // the user's regional settings.
    void valoriDelProgettoEDellaRiga()
    {
        env->ExecSql("update Principale set Oggetto = ?, ATS = 1, DNascitaLR = '1961-03-05T00:00:00', Cap = '00184' "
                     "where Id = ?",
                     {QString::fromUtf8("Città {nuova} \\ corso\tbase\r\nseconda riga"), IdProgetto});
        env->ExecSql("update Secondario set Banca = 'Banca Agricola', CostoProgetto = 123456789012345, "
                     "Allievi = NULL where Id = ?",
                     {IdProgetto});
        env->ExecSql("insert into ATS (Id, Denominazione) values (?, 'Alfa')", {IdProgetto});
        QVERIFY(TrovaProgetto());
        const std::unique_ptr<Recordset> ats = Righe("ATS");

        // Without markers nothing changes, byte for byte.
        const QByteArray senza = ModelloProva(R"(\pard\plain\b Titolo\b0\tab fine\par)");
        stampa->Carica(senza);
        stampa->riempitore.RiempeRText(nullptr);
        QCOMPARE(stampa->box.TextRTF(), senza);

        const QString testo = stampa->Riempi(
            R"(\pard\plain [Principale!Oggetto]|[Secondario!Banca]|[Secondario!CostoProgetto]|[Secondario!Allievi]|)"
            R"([Principale!ATS]|[Principale!OperatoreDP]|[Principale!DNascitaLR]|[Principale!Cap]|[ATS!Denominazione]\par)",
            ats.get());
        QCOMPARE(testo, QString::fromUtf8("Città {nuova} \\ corso\tbase\rseconda riga|Banca Agricola|123456789012345||"
                                          "Sì||05/03/1961|00184|Alfa\r"));
        // The value went in as text: braces and backslashes escaped, the tab a
        // \tab, the line break one paragraph, the accented letter in cp1252.
        const QByteArray rtf = stampa->box.TextRTF();
        QVERIFY(rtf.contains(R"(Citt\'e0 \{nuova\} \\ corso\tab base\par seconda riga)"));
        QVERIFY(Bilanciato(rtf));

        // Values under the user's regional settings, never grouped or in exponent form.
        QCOMPARE(TestoCampo(QVariant(1234.5)), QString("1234,5"));
        QCOMPARE(TestoCampo(QVariant(1e15)), QString("1000000000000000"));
        QCOMPARE(TestoCampo(QVariant(false)), QString("No"));
        QCOMPARE(TestoCampo(QVariant(QDateTime(QDate(2001, 2, 3), QTime(14, 5)))), QString("03/02/2001 14:05"));
    }

    // A malformed marker (no "!" or "@", a word or field missing, unclosed,
    // too long) or one naming no table or field stays in place and the fill
    // goes on. A value is never read as a marker: it prints as typed and
    // the filling ends; a "[" first in the text is a marker like any other.
    void marcatoriMalformatiEValoriConParentesi()
    {
        QVERIFY(TrovaProgetto());
        const QString lungo = "[Principale!" + QString(38, 'x') + "]";
        const QString testo = stampa->Riempi(
            QByteArray(R"(\pard [Oggetto] [Principale!] [Nessuna!Campo] [Principale!Inesistente] [ATS@I9] )")
            + R"([Inesistente@Id39] [ATS@Id31] [Calcolo@Id39] [Principale@Nome39] )" + lungo.toLatin1()
            + R"( [Principale!Oggetto] [aperto\par)");
        QCOMPARE(testo, "[Oggetto] [Principale!] [Nessuna!Campo] [Principale!Inesistente] [ATS@I9] "
                        "[Inesistente@Id39] [ATS@Id31] [Calcolo@Id39] [Principale@Nome39] "
                            + lungo + " Nuovo Progetto [aperto\r");
        QVERIFY(Bilanciato(stampa->box.TextRTF()));

        env->ExecSql("update Principale set Oggetto = 'Corso [Principale!Oggetto] [Secondario!Banca' where Id = ?",
                     {IdProgetto});
        QVERIFY(TrovaProgetto());
        // A "[" first in the text is a marker like any other; the value
        // prints as typed and the filling ends.
        QCOMPARE(stampa->Riempi(R"([Principale!Oggetto] e [Principale!Oggetto]\par)"),
                 QString("Corso [Principale!Oggetto] [Secondario!Banca e Corso [Principale!Oggetto] "
                         "[Secondario!Banca\r"));
        QCOMPARE(stampa->Riempi(R"(\pard [Principale!Oggetto])"),
                 QString("Corso [Principale!Oggetto] [Secondario!Banca"));
    }

    // The list text of a table's rows ("@" for none), its key bound as a
    // parameter and its names checked against the schema; in a template the
    // key comes from the printed row.
    void elenchiDelleRigheDiUnaTabella()
    {
        env->ExecSql("insert into ATS (Id, Denominazione, SedeLegale) values (?, 'A', 'B')", {IdProgetto});
        env->ExecSql("insert into ATS (Id, Denominazione, SedeLegale) values (?, 'C', 'D')", {IdProgetto});
        env->ExecSql("insert into ATS (Id, Denominazione, SedeLegale) values (?, 'altro progetto', '')",
                     {IdProgetto + 1});
        env->ExecSql("insert into MaterialiServizi values (12, 1, 'A', 5)");
        env->ExecSql("insert into MaterialiServizi values (12, 0, 'Z', 9)");
        env->ExecSql("insert into MaterialiServizi values (12, 1, 'C', NULL)");
        env->ExecSql("insert into SpeseSez3 (IDSEZ3, Id) values (12, ?)", {IdProgetto});
        QVERIFY(TrovaProgetto());
        const QVariant progressivo = env->Sql("select min(Progressivo) from ATS");

        // A tab before each field from the start position to the count, a
        // carriage return after each row and one more at the end.
        QCOMPARE(Riempitore::StringaTabella("ATS", "Id", IdProgetto, "9", 3),
                 QString("\t%1\tA\tB\r\t%2\tC\tD\r\r").arg(progressivo.toInt()).arg(progressivo.toInt() + 1));
        // A type below 9 restricts the rows by Tipo and starts at field 2.
        QCOMPARE(Riempitore::StringaTabella("MaterialiServizi", "IdSez3", 12, "1", 3), QString("\tA\t5\r\tC\t\r\r"));
        QCOMPARE(Riempitore::StringaTabella("MaterialiServizi", "IdSez3", 12, "9", 3),
                 QString("\t1\tA\t5\r\t0\tZ\t9\r\t1\tC\t\r\r"));
        // A count below the start gives only the carriage returns.
        QCOMPARE(Riempitore::StringaTabella("MaterialiServizi", "IdSez3", 12, "0", 1), QString("\r\r"));
        // No row, or a Null key, gives "@"; names not of the schema are refused.
        QCOMPARE(Riempitore::StringaTabella("MaterialiServizi", "IdSez3", 13, "1", 3), QString("@"));
        QCOMPARE(Riempitore::StringaTabella("MaterialiServizi", "IdSez3", QVariant(), "9", 3), QString("@"));
        QVERIFY_THROWS_EXCEPTION(UserError, Riempitore::StringaTabella("ATS; drop table ATS", "Id", 1, "9", 1));
        QVERIFY_THROWS_EXCEPTION(UserError, Riempitore::StringaTabella("ATS", "Id = 1 or 1", 1, "9", 1));
        QVERIFY_THROWS_EXCEPTION(UserError, Riempitore::StringaTabella("ATS", "Id", 1, "1", 1));  // no Tipo

        // In a template: the key comes from the printed row; no row prints nothing.
        const std::unique_ptr<Recordset> spese = DB->OpenRecordset("Select * from SpeseSez3 where IDSEZ3 = 12");
        QCOMPARE(stampa->Riempi(R"(\pard\tx2000 [MaterialiServizi@IdSez331]|[ATS@Id39]|[ElencoAllegati@Id29]|\par)",
                                spese.get()),
                 QString("\tA\t5\r\tC\t\r\r|\t%1\tA\tB\r\t%2\tC\tD\r\r||\r")
                     .arg(progressivo.toInt())
                     .arg(progressivo.toInt() + 1));
        env->ExecSql("update SpeseSez3 set Id = NULL");
        const std::unique_ptr<Recordset> senzaProgetto = DB->OpenRecordset("Select * from SpeseSez3");
        QCOMPARE(stampa->Riempi(R"(\pard [ElencoAllegati@Id29]|[ATS@Id39]\par)", senzaProgetto.get()), QString("|\r"));
    }

    // The first fragment keeps the header, the others only their body.
    void frammentiDelDocumento()
    {
        stampa->Carica(ModelloProva(R"(\pard\plain Corpo\par)"));
        const QByteArray intero = stampa->box.TextRTF();
        QByteArray stringa;
        QCOMPARE(stampa->riempitore.AggiungiTesto(stringa, true), intero.chopped(3));
        QCOMPARE(stringa, intero.chopped(3));
        QCOMPARE(stampa->riempitore.AggiungiTesto(stringa, false), QByteArray("\r\n\\pard\\plain Corpo\\par\r\n"));
        QCOMPARE(stringa, QByteArray("\r\n\\pard\\plain Corpo\\par\r\n"));
        // Without "}}" only the first character goes, and the last three.
        stampa->Carica(R"({\rtf1 senza graffe doppie})");
        QCOMPARE(stampa->riempitore.AggiungiTesto(stringa, false), QByteArray(R"(\rtf1 senza graffe doppie)"));
    }

    // The computed values read from the project's rows: the operator, the
    // financing split, names of codes, the cost per trainee-hour.
    void calcoliDalProgetto()
    {
        const auto calcolo = [&](const QString &chiave, const Recordset *apri = nullptr) {
            TrovaProgetto();
            return stampa->Riempi(("\\pard [Calcolo!" + chiave + "]").toUtf8(), apri);
        };
        // Each row: an assignment to the project's row of a table, a key and
        // what it then gives. The operator's kind; the financing split
        // following the trainees' status that section 1 shows; codes by their
        // names, codes outside the tables giving nothing; the cost per
        // trainee-hour; keys compared exactly.
        const QList<std::tuple<QString, QString, QString, QString>> casi = {
            {"Principale", "Id = Id", "OperatoreDP", ""},
            {"Principale", "OperatoreDP = 1", "OperatoreDP", "Operatore di diritto pubblico"},
            {"Principale", "OperatoreDPrivato = 1, FiniLucro = 1", "OperatoreDP",
             "Operatore di diritto privato Con fini di lucro"},
            {"Principale", "FiniLucro = NULL", "OperatoreDP", "Operatore di diritto privato Senza fini di lucro"},
            {"Secondario", "CostoProgetto = 100000000", "Kvr",
             "Finanziamento K.V.R.richiesto\t70.000.000\t70%\rQuota Finanziamento FDR\t21.000.000\t21%\r"
             "Quota Finanziamento Regionale\t9.000.000\t9%\rFinanziamento Pubblico\t100.000.000\t100%\r"
             "Quota di partecipazione del proponente\t\t0%\r"},
            {"Principale", "UsufruitoKVR = 1", "Kvr",
             "Finanziamento K.V.R.richiesto\t49.000.000\t70%\rQuota Finanziamento FDR\t14.700.000\t21%\r"
             "Quota Finanziamento Regionale\t6.300.000\t9%\rFinanziamento Pubblico\t70.000.000\t70%\r"
             "Quota di partecipazione del proponente\t30.000.000\t30%\r"},
            {"Principale", "AmbitoTerritoriale = 1", "AT23A", "Regionale"},
            {"Principale", "AmbitoTerritoriale = NULL", "AT23A", "Nazionale"},
            {"Principale", "AmbitoTerritoriale = 3", "AT23A", ""},
            {"Principale", "lingua = 2", "Lingua", "Spagnolo"},
            {"Principale", "lingua = NULL", "Lingua", "Francese"},
            {"Principale", "lingua = 3", "Lingua", ""},
            {"Principale", "ComboAnno = '2001'", "Anno", "2001"},
            {"Principale", "ComboAnno = '2001'", "Anno1", "2002"},
            {"Principale", "ComboAnno = '2001'", "Anno2", "2003"},
            {"Principale", "ComboAnno = NULL", "Anno", ""},
            {"Principale", "ComboAnno = NULL", "Anno1", ""},
            {"Principale", "ComboAnno = 'anno'", "Anno2", ""},
            {"Secondario", "TotaleGenerale = 12000000, Allievi = 10, Allieve = 5, OreTeoria = 60, OrePratica = 40",
             "TTDestin", "8.000"},
            {"Secondario", "Allievi = NULL, Allieve = 0", "TTDestin", "0"},
            {"Principale", "Id = Id", "Sconosciuto", "Calcolo da effettuare"},
            {"Principale", "Id = Id", "kvr", "Calcolo da effettuare"},
        };
        for (const auto &[tabella, assegna, chiave, atteso] : casi) {
            env->ExecSql(QString("update %1 set %2 where Id = ?").arg(tabella, assegna), {IdProgetto});
            QCOMPARE(assegna + ": " + calcolo(chiave), assegna + ": " + atteso);
        }

        // A consortium member's scope in its own coding.
        env->ExecSql("insert into Consorzi (Id, AmbitoTerritoriale, SedeoSedi) values (?, 0, 12)", {IdProgetto});
        const QStringList ambiti = {"Provinciale", "Regionale", "Nazionale", ""};
        for (int codice = 0; codice < 4; ++codice) {
            env->ExecSql("update Consorzi set AmbitoTerritoriale = ?", {codice});
            QCOMPARE(calcolo("AT23B", Righe("Consorzi").get()), ambiti[codice]);
        }
        QCOMPARE(calcolo("AT23B"), QString("Provinciale"));
    }

    // The computed values read from the printed row.
    void calcoliDallaRigaStampata()
    {
        env->ExecSql("insert into SpeseSez3 (Id, OccupatiN, OccupatiOre, OccupatiImporto, DiscoccupatiN, "
                     "DisoccupatiOre) values (?, 10, 100, 15000, 3, 0)",
                     {IdProgetto});
        env->ExecSql("insert into ProgrammaDidattico (ID, Stage, Visite, Esercitazioni, Project) "
                     "values (?, 20, 5, 5, NULL)",
                     {IdProgetto});
        env->ExecSql("insert into TerziDelegati (Id, tipo) values (?, 6)", {IdProgetto});
        QVERIFY(TrovaProgetto());
        const std::unique_ptr<Recordset> spese = Righe("SpeseSez3");
        const std::unique_ptr<Recordset> moduli = Righe("ProgrammaDidattico");
        const std::unique_ptr<Recordset> delegati = Righe("TerziDelegati");

        QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TOccupati]|[Calcolo!Tdisoccupati]|[Calcolo!TFAD]\par)", spese.get()),
                 QString("15.000.000||\r"));
        QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TOccupati]|[Calcolo!TotaleOrePratica]\par)"), QString("|\r"));
        QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TotaleOrePratica]\par)", moduli.get()), QString("30\r"));
        // The heading of the delegated activities once per filled template.
        const QByteArray delega = R"(\pard [Calcolo!IntestaTDelegati]|[Calcolo!TitoloTDelegati]|)"
                                  R"([Calcolo!IntestaTDelegati]\par)";
        QCOMPARE(stampa->Riempi(delega, delegati.get()), QString("Terzi Delegati|Docenza|\r"));
        QCOMPARE(stampa->Riempi(delega, delegati.get()), QString("Terzi Delegati|Docenza|\r"));
        for (const int tipo : {0, 7, -1}) {
            env->ExecSql("update TerziDelegati set tipo = ?", {tipo});
            QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TitoloTDelegati])", Righe("TerziDelegati").get()), QString());
        }
    }

    // The computed values read from section 1's and section 4's boxes.
    void calcoliDalleCaselleDelleSezioni()
    {
        stampa->sezione4.testi = {{"Text4", "1.500.000"}, {"Text5", "200.000"}, {"Text6", ""},
                                  {"Text1(8)", "7.000"},  {"Text25(3)", "9"},   {"Text31", "dieci"}};
        stampa->sezione1.testi = {{"Text2", "100"}, {"Text3", "15"}, {"Text4", "8.000,000"}};
        QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TResidenz]|[Calcolo!TStages]|[Calcolo!TGestione]|[Calcolo!TR]|)"
                                R"([Calcolo!TTotali]|[Calcolo!TotaleOre]|[Calcolo!TotaleAllievi]|)"
                                R"([Calcolo!CostoOraAllievo]\par)"),
                 QString("1.700.000||7.000|9||100|15|8.000,000\r"));
        // Without the windows the boxes read as empty.
        stampa->riempitore.Fonti() = {};
        QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TResidenz]|[Calcolo!TotaleOre]|[Lista!SettoriIntervento]\par)"),
                 QString("||\r"));
    }

    // The chosen actions by group, their descriptions untrimmed; without the
    // Azioni row "Azioni incongruente" once per marker.
    void azioniScelteDelProgetto()
    {
        QVERIFY(TrovaProgetto());
        const QByteArray azioni = R"(\pard [Calcolo!AzioniSistemi]|[Calcolo!AzioniPersone]|[Calcolo!AzioniDiffusione])";
        Dialogs::ClearHistory();
        QCOMPARE(stampa->Riempi(azioni), QString("||"));
        QCOMPARE(Dialogs::Messages(), QStringList(3, "Azioni incongruente"));

        env->ExecSql("insert into Azioni (Id, Azione03, Azione01, Azione10, Azione11, Azione19) "
                     "values (?, 5, 7, 0, 8, NULL)",
                     {IdProgetto});
        env->ExecSql("insert into Azioni (Id, Azione18) values (?, 4)", {IdProgetto + 1});
        env->ExecSql("update TabAzioni set Descrizione = ' Formazione ' where Id = 1");
        Dialogs::ClearHistory();
        QCOMPARE(stampa->Riempi(azioni), QString(" Formazione \rOrientamento / Consulenza\r\r|Formazione\r\r|\r"));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // The list texts: target groups and sectors from section 1 and their
    // kept copies, the premises, the certificates ticked in section 3.
    void listeDelProgetto()
    {
        env->ExecSql("update Principale set SedeoSedi = 5 where Id = ?", {IdProgetto});
        env->ExecSql("insert into Consorzi (Id, SedeoSedi) values (?, 10)", {IdProgetto});
        QVERIFY(TrovaProgetto());
        const std::unique_ptr<Recordset> consorzi = Righe("Consorzi");

        stampa->sezione1.liste = {{"List2", {"Occupati Lavoratori Dipendenti", "Migranti / Immigrati"}},
                                  {"List1", {"Agricoltura"}}};
        // The kept copies are empty until their list is printed.
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!DestinatariInterventoA]|[Lista!SettoriInterventoA]\par)"),
                 QString("|\r"));
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!DestinatariIntervento]|[Lista!SettoriIntervento]\par)"),
                 QString("Occupati Lavoratori Dipendenti\rMigranti / Immigrati\r|Agricoltura\r\r"));
        stampa->sezione1.liste.clear();
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!DestinatariInterventoA]|[Lista!SettoriInterventoA]\par)"),
                 QString("Occupati Lavoratori Dipendenti\rMigranti / Immigrati\r|Agricoltura\r\r"));
        stampa->riempitore.Liste().SvuotaTesti();
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!DestinatariInterventoA]\par)"), QString("\r"));

        QCOMPARE(stampa->Riempi(R"(\pard [Lista!SedeoSedi]|[Lista!SedeoSedi2B])", consorzi.get()),
                 QString::fromUtf8("Sedi di proprietà\rSedi in affitto in occasione dell'attività formativa\r|"
                                   "Sedi in affitto stabilmente\rSedi non ancora individuate\r"));

        // The certificates ticked in section 3.
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!Certificazioni])"), QString());
        env->ExecSql("insert into DestinatariIntervento (Id, Certificato1, Certificato7, Certificato8) "
                     "values (?, 1, 1, 0)",
                     {IdProgetto});
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!Certificazioni])"),
                 QString("Certificato di Qualifica Professionale\rAttestato di Frequenza\r"));
        QCOMPARE(stampa->Riempi(R"(\pard [Lista!Altro])"), QString("lista 1\rlista 2\retc. etc."));
    }

    // The totals read from section 1's real window, as the user left it.
    void totaliLettiDallaFinestraDellaSezione1()
    {
        env->ExecSql("update Secondario set OreTeoria = 60, OrePratica = 40, Allievi = 3, Allieve = 2 where Id = ?",
                     {IdProgetto});
        auto *sezione1 = qobject_cast<Sezione1Form *>(env->MainWindow()->ApriFinestra("Sezione1Form"));
        QVERIFY(sezione1);
        Settle();
        // The cost per trainee-hour follows the cost as the user types it.
        TypeInto(Find<QLineEdit>(sezione1, "Text1(17)"), "1000000");

        CaselleFinestra caselle(sezione1);
        stampa->riempitore.Fonti().sezione1 = &caselle;
        QVERIFY(TrovaProgetto());
        QCOMPARE(stampa->Riempi(R"(\pard [Calcolo!TotaleOre]|[Calcolo!TotaleAllievi]|[Calcolo!CostoOraAllievo]\par)"),
                 QString("100|5|2.000\r"));
    }
};

QTEST_MAIN(TestStampaRiempimento)
#include "tst_stampa_riempimento.moc"
