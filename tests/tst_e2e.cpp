// The built program started as a process of its own, in a program folder of
// its own (the program and a copy of the shipped database), driven as a user
// would drive it and ended by its own menu.
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TestE2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Archive, new project, section 1, a typed object, "&Uscita": the
    // program ends normally, the object is in the database and the database
    // taken by default is recorded in a new settings file.
    void nuovoProgettoScrittoEUscita()
    {
        QTemporaryDir dir;
        const QString cartella = dir.path(), archivio = cartella + "/Formulario.Mdb";
        QVERIFY(QFile::copy(VELKARO_PROGRAM, cartella + "/velkaro") && QFile::copy(VELKARO_SHIPPED_DB, archivio));
        QFile::setPermissions(cartella + "/velkaro", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(archivio, QFile::ReadOwner | QFile::WriteOwner);
        const QString oggetto = "Corso di saldatura (serale)";

        QProcess programma;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("QT_QPA_PLATFORM", "offscreen");
        ambiente.insert("LD_PRELOAD", VELKARO_PILOTA);
        // The driver is loaded before the sanitizer's runtime.
        ambiente.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
        ambiente.insert("PILOTA_SCENARIO", "nuovo-progetto");
        ambiente.insert("PILOTA_TESTO", oggetto);
        programma.setProcessEnvironment(ambiente);
        programma.setWorkingDirectory(cartella);
        programma.start(cartella + "/velkaro", {});
        if (!programma.waitForFinished(120000))
            programma.kill();
        QVERIFY2(programma.exitStatus() == QProcess::NormalExit, programma.readAllStandardError().constData());
        QCOMPARE(programma.exitCode(), 0);

        const auto righe = OtherConnection(archivio).Rows("SELECT Oggetto, UltimaModifica FROM Principale");
        QCOMPARE(righe.size(), 1);
        QCOMPARE(righe[0][0].toString(), oggetto);
        QVERIFY(!righe[0][1].toString().isEmpty());
        QVERIFY(ReadBytes(cartella + "/velkaro.ini").contains(("DataBase=" + archivio.leftJustified(150)).toUtf8()));
    }
};

QTEST_MAIN(TestE2e)
#include "tst_e2e.moc"
