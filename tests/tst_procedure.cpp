// The shared procedures under Italian settings, the settings file, and the
// project's creation, finding and deletion.
#include "TestSupport.h"

#include "Database.h"
#include "DbError.h"
#include "Dialogs.h"
#include "DisplayGrid.h"
#include "FieldBinding.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "Procedure.h"
#include "Recordset.h"

#include <QComboBox>
#include <QListWidget>

class TestProcedure : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // ValoreValido's three kinds under Italian settings.
    void valueRuleUnderItalianSettings_data()
    {
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QVariant>("atteso");  // compared with its type: not a number gives the integer 0
        const QVariant nullo(QMetaType(QMetaType::QString));
        const QVariant nessunaData(QString("01/01/1900"));
        const QDateTime stored(QDate(2001, 3, 5), QTime(10, 22, 41));
        QTest::newRow("null, text") << nullo << 0 << QVariant(QString(""));
        QTest::newRow("null, number") << nullo << 1 << QVariant(0);
        QTest::newRow("null, date") << nullo << 2 << nessunaData;
        QTest::newRow("text unchanged") << QVariant(QString("  Ente  ")) << 0 << QVariant(QString("  Ente  "));
        QTest::newRow("number kept as text kind") << QVariant(qint64(42)) << 0 << QVariant(qint64(42));
        QTest::newRow("empty text") << QVariant(QString("")) << 1 << QVariant(0);
        QTest::newRow("blanks around") << QVariant(QString(" 7 ")) << 1 << QVariant(7.0);
        QTest::newRow("half up") << QVariant(2.5) << 1 << QVariant(3.0);
        QTest::newRow("half away from zero") << QVariant(-2.5) << 1 << QVariant(-3.0);
        QTest::newRow("grouped digits") << QVariant(QString("1.234.567")) << 1 << QVariant(1234567.0);
        QTest::newRow("decimal comma") << QVariant(QString("12,5")) << 1 << QVariant(13.0);
        QTest::newRow("negative decimal comma") << QVariant(QString("-12,5")) << 1 << QVariant(-13.0);
        QTest::newRow("rounds to nothing") << QVariant(QString("0,4")) << 1 << QVariant(0.0);
        QTest::newRow("letters") << QVariant(QString("abc")) << 1 << QVariant(0);
        QTest::newRow("a date is not a number") << QVariant(QDate(2000, 1, 1)) << 1 << QVariant(0);
        QTest::newRow("beyond 32 bits") << QVariant(qint64(9000000000LL)) << 1 << QVariant(9000000000.0);
        QTest::newRow("date text stays text")
            << QVariant(QString("25/12/1999")) << 2 << QVariant(QString("25/12/1999"));
        QTest::newRow("stored date") << QVariant(stored) << 2 << QVariant(stored);
        QTest::newRow("empty date") << QVariant(QString("")) << 2 << nessunaData;
        QTest::newRow("kind 3") << QVariant(QString("testo")) << 3 << QVariant();
    }

    void valueRuleUnderItalianSettings()
    {
        QFETCH(QVariant, valore);
        QFETCH(int, tipo);
        QFETCH(QVariant, atteso);
        const QVariant risultato = ValoreValido(valore, tipo);
        QCOMPARE(risultato.typeId(), atteso.typeId());
        QCOMPARE(risultato, atteso);
    }

    // Two-digit years fall in 1930-2029; a date with a time counts as a date.
    void typedDatesReadAsTheRegionalSettingsDo_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QDate>("data");
        QTest::newRow("two-digit year, this century") << "1/1/05" << QDate(2005, 1, 1);
        QTest::newRow("two-digit year, last of the window") << "31/12/29" << QDate(2029, 12, 31);
        QTest::newRow("two-digit year, first of the window") << "01/01/30" << QDate(1930, 1, 1);
        QTest::newRow("two-digit year with dashes") << "5-3-01" << QDate(2001, 3, 5);
        QTest::newRow("four-digit year") << "1/1/1905" << QDate(1905, 1, 1);
        QTest::newRow("with a time") << "25/12/1999 10:30" << QDate(1999, 12, 25);
        QTest::newRow("a time stamp of the archive") << "05/03/01 10:22:41" << QDate(2001, 3, 5);
        QTest::newRow("month name") << "25 dicembre 1999" << QDate(1999, 12, 25);
        QTest::newRow("not a day") << "31/02/2000" << QDate();
        QTest::newRow("a time alone") << "10:30" << QDate();
        QTest::newRow("not a time after it") << "25/12/1999 ore" << QDate();
        // Years a stored date cannot hold make no date.
        QTest::newRow("negative year") << "25/12/-1000" << QDate();
        QTest::newRow("year zero") << "1/1/0000" << QDate();
        QTest::newRow("five-digit year") << "1/1/10000" << QDate();
        QTest::newRow("first year") << "01/01/0001" << QDate(1, 1, 1);
        QTest::newRow("last year") << "31/12/9999" << QDate(9999, 12, 31);
    }

    void typedDatesReadAsTheRegionalSettingsDo()
    {
        QFETCH(QString, testo);
        QFETCH(QDate, data);
        QCOMPARE(DataDaTesto(testo), data);
        // Kind 2 keeps a date text as it was typed, and marks anything else.
        QCOMPARE(ValoreValido(testo, TipoData).toString(), data.isValid() ? testo : QString("01/01/1900"));
        // A date box stores what it reads, or 1 January 1900 at once; what it
        // then shows stores the same date again.
        const QVariant memorizzato = FieldBinding::StoredValue(testo, FieldBinding::Date);
        QCOMPARE(memorizzato.toDate(), data.isValid() ? data : QDate(1900, 1, 1));
        const QString mostrato = FieldBinding::ShownText(memorizzato, FieldBinding::Date);
        QCOMPARE(FieldBinding::StoredValue(mostrato, FieldBinding::Date), memorizzato);
    }

    // Texts far too long for a number or a date are neither.
    void hugeTextsAreNeitherNumbersNorDates()
    {
        const QString cifre(1000000, '9');
        QCOMPARE(ValoreValido(cifre, TipoNumero).toDouble(), 0.0);
        QCOMPARE(ValoreValido(cifre, TipoData).toString(), QString("01/01/1900"));
        QVERIFY(!DataDaTesto(QString("1:00 ").repeated(100000)).isValid());
    }

    // SommaColonna sums the rows below the header and keeps the current cell.
    void columnSumCountsOnlyNumbersAndKeepsTheCurrentCell()
    {
        DisplayGrid griglia(6, 3);
        // Row 0, the header, is never summed; each cell counts as its whole
        // number (halves away from zero), text as 0.
        const QStringList celle{"1.000.000", "1.000", "", "abc", "2,6", "-1,5"};
        for (int riga = 0; riga < celle.size(); ++riga)
            griglia.SetTextMatrix(riga, 1, celle[riga]);
        griglia.SetRow(2);
        griglia.SetCol(2);
        QCOMPARE(SommaColonna(griglia, 1), 1001.0);
        QCOMPARE(SommaColonna(griglia, 3), 0.0);
        QCOMPARE(SommaColonna(griglia, -1), 0.0);
        QCOMPARE(griglia.Row(), 2);
        QCOMPARE(griglia.Col(), 2);
        griglia.SetRows(1);
        QCOMPARE(SommaColonna(griglia, 1), 0.0);
    }

    // The list and combo searches match the whole text, ignoring case.
    void searchesMatchTheWholeTextIgnoringCase()
    {
        QListWidget lista, vuota;
        lista.addItems({"Archivio.mdb", "Formulario.Mdb", "formulario.mdb"});
        QCOMPARE(CercaLista(&lista, "formulario.mdb"), 1);
        QCOMPARE(CercaLista(&lista, "Formulario"), -1);
        QCOMPARE(CercaListaEsatta(&lista, "ARCHIVIO.MDB"), 0);
        QCOMPARE(CercaLista(&vuota, "x"), -1);
        QComboBox combo;
        combo.addItems({"Roma", "Milano"});
        QCOMPARE(CercaCombo(&combo, "milano"), 1);
        QCOMPARE(CercaCombo(&combo, "Mila"), -1);
    }

    // EstraiNomeFile with the platform's separator, its odd cases included.
    void fileNameIsThePartAfterTheLastSeparator()
    {
        const QList<std::pair<QString, QString>> casi{{"/home/velkaro/Formulario.Mdb", "Formulario.Mdb"},
                                                      {"/Formulario.Mdb", "Formulario.Mdb"},
                                                      {"Formulario.Mdb", ""},  // no separator
                                                      {"/dati/archivio", ""},  // no dot
                                                      {"/dati.vecchi/archivio", "archivio"},
                                                      {"/dati.vecchi/", ""},
                                                      {"", ""}};
        for (const auto &[percorso, nome] : casi)
            QCOMPARE(EstraiNomeFile(percorso), nome);
    }

    void settingsFileKeepsThePathInA150CharacterField()
    {
        TestEnvironment env;
        const auto contenuto = [&] { return QString::fromUtf8(ReadBytes(env.SettingsPath())); };
        // No settings file: the default path in the program's folder.
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, PercorsoPredefinito());

        // Written trimmed and blank-padded to 150 characters, read back trimmed.
        PercorsoDB = "  /dati/Progetti.mdb ";
        ScriviPercorsoDB();
        QVERIFY2(contenuto().contains("[Percorsi]\r\nDataBase=/dati/Progetti.mdb" + QString(150 - 18, ' ') + "\r\n"),
                 qPrintable(contenuto()));
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, QString("/dati/Progetti.mdb"));

        // Longer paths are stored cut to 150 characters and read back cut to 149.
        const QString lungo = "/" + QString(180, 'a') + ".mdb";
        PercorsoDB = lungo;
        ScriviPercorsoDB();
        QVERIFY(contenuto().contains("DataBase=" + lungo.left(150) + "\r\n"));
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, lungo.left(149));

        // An empty value, whatever the case of the names, is the empty path, not the default.
        WriteBytes(env.SettingsPath(), "[percorsi]\r\ndatabase=\r\n");
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, QString(""));
    }
    // The new Id comes from the insertion, never from "the last row", and is
    // never reused; deleting leaves the project's other rows in the file. A
    // project beyond 32 bits is found and stored.
    void createdProjectsGetRisingIdsAndBothRows()
    {
        TestEnvironment env;
        env.OpenDatabase();
        const qint64 primo = CreaProgetto();
        const qint64 secondo = CreaProgetto();
        QVERIFY(primo > 0 && secondo > primo);
        QCOMPARE(IdProgetto, qint64(0));  // a new project does not become current
        QCOMPARE(env.Sql("select Oggetto || '|' || CodiceEnte from Principale where Id = ?", {secondo}).toString(),
                 QString("Nuovo Progetto|"));
        const QString timbro = env.Sql("select UltimaModifica from Principale where Id = ?", {secondo}).toString();
        QVERIFY2(QDateTime::fromString(timbro, "dd/MM/yy HH:mm:ss").isValid(), qPrintable(timbro));

        QVERIFY(CancellaProgetto(secondo));
        QVERIFY(!CancellaProgetto(secondo));  // already gone
        const qint64 terzo = CreaProgetto();
        QVERIFY(terzo > secondo);
        for (qint64 id : {primo, secondo, terzo})
            QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {id}).toInt(), 1);
        QCOMPARE(env.Sql("select count(*) from Principale where Id = ?", {secondo}).toInt(), 0);

        const qint64 grande = 5000000000LL;
        env.ExecSql("insert into Principale (Id, Oggetto) values (?, 'Grande')", {grande});
        env.ExecSql("insert into Secondario (Id) values (?)", {grande});
        IdProgetto = grande;
        QVERIFY(PosizionaProgetto());
        QCOMPARE(TabPrincipale->Field("Oggetto").toString(), QString("Grande"));
        TabPrincipale->SetField("Oggetto", QString("Ancora grande"));
        TabPrincipale->Update();
        QCOMPARE(env.Sql("select Oggetto from Principale where Id = ?", {grande}).toString(), QString("Ancora grande"));
        QVERIFY(CreaProgetto() > grande);
    }

    // No database open is a missing project: silent for the finder, named
    // for the positioner. Then a project without one of its two rows.
    void findsTheProjectOnlyWithBothRows()
    {
        TestEnvironment env;
        IdProgetto = 3;
        QVERIFY(!TrovaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        QVERIFY_THROWS_EXCEPTION(DbError, CreaProgetto());
        QVERIFY(!CancellaProgetto(3));

        Dialogs::ClearHistory();
        const qint64 id = env.OpenNewProject();
        QVERIFY(TrovaProgetto());
        QCOMPARE(TabSecondario->Field("Id").toLongLong(), id);
        QVERIFY(PosizionaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());

        env.ExecSql("delete from Secondario where Id = ?", {id});
        QVERIFY(!TrovaProgetto());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!PosizionaProgetto());
        QCOMPARE(Dialogs::Messages(), QStringList{"La tabella Secondaria del Progetto non esiste"});

        // No Principale row, or Id 0.
        env.ExecSql("delete from Principale where Id = ?", {id});
        CreaProgetto();
        for (qint64 cercato : {id, qint64(0)}) {
            IdProgetto = cercato;
            Dialogs::ClearHistory();
            QVERIFY(!TrovaProgetto());
            QVERIFY(!PosizionaProgetto());
            QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        }
    }
};

QTEST_MAIN(TestProcedure)
#include "tst_procedure.moc"
