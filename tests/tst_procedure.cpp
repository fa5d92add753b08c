#include "TestSupport.h"

#include "DisplayGrid.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "Procedure.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>

namespace {

QString LeggiFile(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void ScriviFile(const QString &percorso, const QString &testo)
{
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testo.toUtf8());
}

} // namespace

class TestProcedure : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    void nullGivesTheNeutralValueOfEachKind()
    {
        const QVariant nullo(QMetaType(QMetaType::QString));
        QVERIFY(nullo.isNull());
        QCOMPARE(ValoreValido(nullo, TipoTesto).toString(), QString(""));
        QCOMPARE(ValoreValido(nullo, TipoNumero).toDouble(), 0.0);
        QCOMPARE(ValoreValido(nullo, TipoData).toString(), QString("01/01/1900"));
    }

    void textComesBackUnchangedWithItsType()
    {
        QCOMPARE(ValoreValido(QString("  Ente  "), TipoTesto).toString(), QString("  Ente  "));
        const QVariant numero = ValoreValido(qint64(42), TipoTesto);
        QCOMPARE(numero.typeId(), int(QMetaType::LongLong));
        QCOMPARE(numero.toLongLong(), qint64(42));
    }

    void numbersReadUnderItalianSettings_data()
    {
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<double>("atteso");
        QTest::newRow("empty text") << QVariant(QString("")) << 0.0;
        QTest::newRow("blanks only") << QVariant(QString("   ")) << 0.0;
        QTest::newRow("blanks around") << QVariant(QString(" 7 ")) << 7.0;
        QTest::newRow("half up") << QVariant(2.5) << 3.0;
        QTest::newRow("half down, away from zero") << QVariant(-2.5) << -3.0;
        QTest::newRow("grouped digits") << QVariant(QString("1.234.567")) << 1234567.0;
        QTest::newRow("decimal comma") << QVariant(QString("12,5")) << 13.0;
        QTest::newRow("negative decimal comma") << QVariant(QString("-12,5")) << -13.0;
        QTest::newRow("rounds to nothing") << QVariant(QString("0,4")) << 0.0;
        QTest::newRow("letters") << QVariant(QString("abc")) << 0.0;
        QTest::newRow("digits then letters") << QVariant(QString("12abc")) << 0.0;
        QTest::newRow("a formatted amount") << QVariant(QString("12.345.678")) << 12345678.0;
        QTest::newRow("a date is not a number") << QVariant(QDate(2000, 1, 1)) << 0.0;
        QTest::newRow("stored integer") << QVariant(qint64(9000000000LL)) << 9000000000.0;
    }

    void numbersReadUnderItalianSettings()
    {
        QFETCH(QVariant, valore);
        QFETCH(double, atteso);
        const QVariant risultato = ValoreValido(valore, TipoNumero);
        QCOMPARE(risultato.toDouble(), atteso);
    }

    void datesAreCheckedNotConverted()
    {
        QCOMPARE(ValoreValido(QString("31/02/2000"), TipoData).toString(), QString("01/01/1900"));
        const QVariant natale = ValoreValido(QString("25/12/1999"), TipoData);
        QCOMPARE(natale.typeId(), int(QMetaType::QString));
        QCOMPARE(natale.toString(), QString("25/12/1999"));
        const QDateTime stored(QDate(2001, 3, 5), QTime(10, 22, 41));
        QCOMPARE(ValoreValido(stored, TipoData).toDateTime(), stored);
        QCOMPARE(ValoreValido(QString("domani"), TipoData).toString(), QString("01/01/1900"));
        QCOMPARE(ValoreValido(QString(""), TipoData).toString(), QString("01/01/1900"));
        QCOMPARE(ValoreValido(12.0, TipoData).toString(), QString("01/01/1900"));
    }

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
    }

    void typedDatesReadAsTheRegionalSettingsDo()
    {
        QFETCH(QString, testo);
        QFETCH(QDate, data);
        QCOMPARE(DataDaTesto(testo), data);
        // Kind 2 keeps a date text as it was typed, and marks anything else.
        QCOMPARE(ValoreValido(testo, TipoData).toString(), data.isValid() ? testo : QString("01/01/1900"));
    }

    void hugeTextsAreNeitherNumbersNorDates()
    {
        const QString cifre(1000000, '9');
        QCOMPARE(ValoreValido(cifre, TipoNumero).toDouble(), 0.0);
        QCOMPARE(ValoreValido(cifre, TipoData).toString(), QString("01/01/1900"));
        const QString ore = QString("1:00 ").repeated(100000);
        QVERIFY(!DataDaTesto(ore).isValid());
        QCOMPARE(ValoreValido(ore, TipoTesto).toString(), ore);
    }

    void anyOtherKindGivesTheEmptyValue()
    {
        QVERIFY(!ValoreValido(QString("testo"), 3).isValid());
        QVERIFY(!ValoreValido(5.0, 3).isValid());
        QVERIFY(!ValoreValido(QVariant(), -1).isValid());
    }

    void columnSumCountsOnlyNumbersAndKeepsTheCurrentCell()
    {
        DisplayGrid griglia(5, 3);
        griglia.SetTextMatrix(0, 1, "1.000.000");  // a header is never summed
        griglia.SetTextMatrix(1, 1, "1.000");
        griglia.SetTextMatrix(2, 1, "");
        griglia.SetTextMatrix(3, 1, "abc");
        griglia.SetTextMatrix(4, 1, "2,6");
        griglia.SetRow(2);
        griglia.SetCol(2);

        QCOMPARE(SommaColonna(griglia, 1), 1003.0);
        QCOMPARE(griglia.Row(), 2);
        QCOMPARE(griglia.Col(), 2);

        QCOMPARE(SommaColonna(griglia, 3), 0.0);
        QCOMPARE(SommaColonna(griglia, -1), 0.0);
        QCOMPARE(griglia.Row(), 2);
        QCOMPARE(griglia.Col(), 2);

        DisplayGrid soloIntestazione(1, 2);
        soloIntestazione.SetTextMatrix(0, 0, "5");
        QCOMPARE(SommaColonna(soloIntestazione, 0), 0.0);
    }

    void searchesMatchTheWholeTextIgnoringCase()
    {
        QListWidget lista;
        lista.addItems({"Archivio.mdb", "Formulario.Mdb", "formulario.mdb"});
        QCOMPARE(CercaLista(&lista, "formulario.mdb"), 1);
        QCOMPARE(CercaLista(&lista, "Formulario"), -1);
        QCOMPARE(CercaListaEsatta(&lista, "ARCHIVIO.MDB"), 0);
        QListWidget vuota;
        QCOMPARE(CercaLista(&vuota, "x"), -1);

        QComboBox combo;
        combo.addItems({"Roma", "Milano"});
        QCOMPARE(CercaCombo(&combo, "milano"), 1);
        QCOMPARE(CercaCombo(&combo, "Mila"), -1);
    }

    void fileNameIsThePartAfterTheLastSeparator_data()
    {
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<QString>("nome");
        QTest::newRow("full path") << "/home/velkaro/Formulario.Mdb" << "Formulario.Mdb";
        QTest::newRow("root") << "/Formulario.Mdb" << "Formulario.Mdb";
        QTest::newRow("no separator") << "Formulario.Mdb" << "";
        QTest::newRow("no dot") << "/dati/archivio" << "";
        QTest::newRow("dot in a folder") << "/dati.vecchi/archivio" << "archivio";
        QTest::newRow("ends with separator") << "/dati.vecchi/" << "";
        QTest::newRow("empty") << "" << "";
    }

    void fileNameIsThePartAfterTheLastSeparator()
    {
        QFETCH(QString, percorso);
        QFETCH(QString, nome);
        QCOMPARE(EstraiNomeFile(percorso), nome);
    }

    void settingsFileKeepsThePath()
    {
        TestEnvironment env;
        // No settings file: the default path in the program's folder.
        QVERIFY(!QFile::exists(env.SettingsPath()));
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, PercorsoPredefinito());
        QCOMPARE(EstraiNomeFile(PercorsoDB), QString("Formulario.Mdb"));

        // Written left-aligned in a field of 150 characters, read back trimmed.
        PercorsoDB = "  /dati/Progetti.mdb ";
        ScriviPercorsoDB();
        const QString contenuto = LeggiFile(env.SettingsPath());
        QVERIFY2(contenuto.contains("[Percorsi]"), qPrintable(contenuto));
        QVERIFY2(contenuto.contains("DataBase=/dati/Progetti.mdb" + QString(150 - 18, ' ') + "\r\n"),
                 qPrintable(contenuto));
        PercorsoDB.clear();
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, QString("/dati/Progetti.mdb"));

        // An empty value is a value: the empty path, not the default.
        ScriviFile(env.SettingsPath(), "[percorsi]\r\ndatabase=\r\n");
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, QString(""));

        // A key in another section does not count.
        ScriviFile(env.SettingsPath(), "[Altro]\r\nDataBase=/x/y.mdb\r\n");
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, PercorsoPredefinito());
    }

    void longPathsAreCut()
    {
        TestEnvironment env;
        const QString lungo = "/" + QString(180, 'a') + ".mdb";
        PercorsoDB = lungo;
        ScriviPercorsoDB();
        QVERIFY(LeggiFile(env.SettingsPath()).contains("DataBase=" + lungo.left(150) + "\r\n"));
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, lungo.left(149));

        PercorsoDB = "/" + QString(148, 'b');  // 149 characters fit
        ScriviPercorsoDB();
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB.size(), 149);
    }

    void settingsWriteKeepsTheRestOfTheFile()
    {
        TestEnvironment env;
        ScriviFile(env.SettingsPath(), "[Finestre]\r\nPosizione=10\r\n[Percorsi]\r\nDataBase=/vecchio.mdb\r\n");
        PercorsoDB = "/nuovo.mdb";
        ScriviPercorsoDB();
        const QString contenuto = LeggiFile(env.SettingsPath());
        QVERIFY(contenuto.contains("Posizione=10"));
        QVERIFY(!contenuto.contains("vecchio"));
        QCOMPARE(contenuto.count("DataBase="), 1);
        LeggiPercorsoDB();
        QCOMPARE(PercorsoDB, QString("/nuovo.mdb"));
    }

    void timeStampHasTwoDigitFields()
    {
        QCOMPARE(TimbroModifica(QDateTime(QDate(2001, 3, 5), QTime(9, 2, 41))), QString("05/03/01 09:02:41"));
    }
};

QTEST_MAIN(TestProcedure)
#include "tst_procedure.moc"
