// The built program started as a process of its own, in a program folder of
// its own (the program, a copy of the shipped database, its settings file),
// driven as a user would drive it and ended by its own menu.
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

struct Esito
{
    int stato = -1;
    QProcess::ExitStatus uscita = QProcess::CrashExit;
    QByteArray errori;
};

// Runs the program in `cartella` with the driver playing `scenario`.
Esito Esegui(const QString &cartella, const QByteArray &scenario, const QMap<QString, QString> &extra = {})
{
    QProcess programma;
    programma.setWorkingDirectory(cartella);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    ambiente.insert("LD_PRELOAD", VELKARO_PILOTA);
    // The driver is loaded before the sanitizer's runtime.
    ambiente.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
    ambiente.insert("PILOTA_SCENARIO", QString::fromLatin1(scenario));
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        ambiente.insert(it.key(), it.value());
    programma.setProcessEnvironment(ambiente);
    programma.start(cartella + "/velkaro", {});
    Esito esito;
    if (!programma.waitForStarted(20000) || !programma.waitForFinished(120000)) {
        programma.kill();
        programma.waitForFinished();
        esito.errori = "il programma non si è avviato o non è terminato";
        return esito;
    }
    esito.stato = programma.exitCode();
    esito.uscita = programma.exitStatus();
    esito.errori = programma.readAllStandardError();
    return esito;
}

QString Prepara(const QTemporaryDir &dir)
{
    const QString cartella = dir.path();
    if (!QFile::copy(VELKARO_PROGRAM, cartella + "/velkaro")
        || !QFile::copy(VELKARO_SHIPPED_DB, cartella + "/Formulario.Mdb"))
        qFatal("cannot prepare the program folder");
    QFile::setPermissions(cartella + "/velkaro", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(cartella + "/Formulario.Mdb", QFile::ReadOwner | QFile::WriteOwner);
    WriteBytes(cartella + "/velkaro.ini", "[Percorsi]\r\nDataBase=" + (cartella + "/Formulario.Mdb").toUtf8() + "\r\n");
    return cartella;
}

}  // namespace

class TestE2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Archive, new project, section 1, a typed object, "&Uscita": the
    // program ends normally and the object is in the database.
    void nuovoProgettoScrittoEUscita()
    {
        QTemporaryDir dir;
        const QString cartella = Prepara(dir);
        const QString oggetto = "Corso di saldatura (serale)";
        const Esito esito = Esegui(cartella, "nuovo-progetto", {{"PILOTA_TESTO", oggetto}});
        QVERIFY2(esito.uscita == QProcess::NormalExit, esito.errori.constData());
        QCOMPARE(esito.stato, 0);

        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "e2e");
        db.setDatabaseName(cartella + "/Formulario.Mdb");
        QVERIFY(db.open());
        {
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT Oggetto, UltimaModifica FROM Principale"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), oggetto);
            QVERIFY(!query.value(1).toString().isEmpty());
            QVERIFY(!query.next());
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("e2e");
        // The chosen database was recorded in the program's settings file.
        QVERIFY(ReadBytes(cartella + "/velkaro.ini").contains("Formulario.Mdb"));
    }
};

QTEST_MAIN(TestE2e)
#include "tst_e2e.moc"
