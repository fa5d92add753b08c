#include "TestSupport.h"

#include "ArchiviazioneForm.h"
#include "Database.h"
#include "Dialogs.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "Globali.h"
#include "Procedure.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "ProfileFile.h"
#include "Velkaro.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QString kArchivioValido = "Selezionare un Archivio Valido (Es. Formulario.Mdb)";

QString PercorsoRegistrato(const TestEnvironment &env)
{
    return ProfileFile(env.SettingsPath()).Read("Percorsi", "DataBase", "<nessuno>").trimmed();
}

QStringList Voci(ListBox *lista)
{
    QStringList voci;
    for (int i = 0; i < lista->ListCount(); ++i)
        voci << lista->List(i);
    return voci;
}

QByteArray Contenuto(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<illeggibile>");
}

void AggiungiProgetto(const TestEnvironment &env, qint64 id, const QVariant &oggetto, const QVariant &modifica,
                      bool secondario = true)
{
    env.ExecSql("insert into Principale (Id, CodiceEnte, Oggetto, UltimaModifica) values (?, '', ?, ?)",
                {id, oggetto, modifica});
    if (secondario)
        env.ExecSql("insert into Secondario (Id) values (?)", {id});
}

// The archive of the main window, as the main window loads it.
struct Archivio
{
    explicit Archivio(Velkaro *principale) : form(principale) {}
    ArchiviazioneForm form;
    ListBox *List1() { return Find<ListBox>(&form, "List1"); }
    FileListBox *File1() { return Find<FileListBox>(&form, "File1"); }
    DirListBox *Dir1() { return Find<DirListBox>(&form, "Dir1"); }
    QLabel *Label() { return Find<QLabel>(&form, "Label"); }
    void Click(const QString &pulsante) { Find<QPushButton>(&form, pulsante)->click(); }
    void Seleziona(int indice) { List1()->SetListIndex(indice); }
};

} // namespace

class TestArchivio : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    void firstStartOpensTheDefaultFile()
    {
        TestEnvironment env;
        QVERIFY(!QFile::exists(env.SettingsPath()));
        Velkaro *principale = env.MainWindow();
        QCOMPARE(PercorsoDB, PercorsoPredefinito());
        Archivio archivio(principale);
        QCOMPARE(archivio.Dir1()->Path(), QDir(env.Folder()).absolutePath());
        QCOMPARE(archivio.File1()->FileName(), QString("Formulario.Mdb"));
        QVERIFY(DB);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!archivio.Label()->isHidden());
        // Taking the file stored its path at once.
        QCOMPARE(PercorsoRegistrato(env), PercorsoPredefinito());
    }

    void firstStartWithoutTheDefaultFile()
    {
        TestEnvironment env;
        QVERIFY(QFile::remove(env.DatabasePath()));
        Archivio archivio(env.MainWindow());
        QCOMPARE(Dialogs::Messages(), QStringList{kArchivioValido});
        QVERIFY(!DB);
        QCOMPARE(archivio.List1()->ListCount(), 0);
        QCOMPARE(archivio.File1()->ListIndex(), -1);
        QCOMPARE(PercorsoRegistrato(env), QString("<nessuno>"));
    }

    void theRememberedFileIsOpenedAndItsProjectsListed()
    {
        TestEnvironment env;
        QDir(env.Folder()).mkdir("dati");
        const QString percorso = env.Folder() + "/dati/Progetti.mdb";
        AggiungiProgetto(env, 12, "Nuovo Progetto", "05/03/01 10:22:41");
        AggiungiProgetto(env, 13, QVariant(QMetaType(QMetaType::QString)), QVariant(QMetaType(QMetaType::QString)));
        AggiungiProgetto(env, 9, "Corso serale", "01/02/01 08:00:00");
        QVERIFY(QFile::copy(env.DatabasePath(), percorso));
        ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", percorso + "   ");
        Archivio archivio(env.MainWindow());
        QCOMPARE(PercorsoDB, percorso);
        QCOMPARE(archivio.File1()->FileName(), QString("Progetti.mdb"));
        QCOMPARE(archivio.Dir1()->Path(), env.Folder() + "/dati");
        QCOMPARE(Voci(archivio.List1()), (QStringList{"9 - Corso serale - 01/02/01 08:00:00",
                                                       "12 - Nuovo Progetto - 05/03/01 10:22:41", "13 -  - "}));
        QCOMPARE(archivio.List1()->ItemData(1), qint64(12));
        QCOMPARE(archivio.List1()->ListIndex(), -1);
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void theRememberedFileIsFoundWhateverTheCase()
    {
        TestEnvironment env;
        ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", env.Folder() + "/formulario.mdb");
        Archivio archivio(env.MainWindow());
        QCOMPARE(archivio.File1()->FileName(), QString("Formulario.Mdb"));
        QVERIFY(DB);
        QCOMPARE(PercorsoDB, env.DatabasePath());
    }

    void pickingAFileStoresItsPathAtOnce()
    {
        TestEnvironment env;
        const QString altro = env.Folder() + "/Altro.mdb";
        QVERIFY(QFile::copy(env.DatabasePath(), altro));
        AggiungiProgetto(env, 4, "Nel primo", "01/01/01 00:00:00");
        Velkaro *principale = env.MainWindow();
        WhenModal([&](QDialog *dialogo) {
            auto *file = Find<FileListBox>(dialogo, "File1");
            file->SetListIndex(file->FindExact("Altro.mdb"));
            QCOMPARE(PercorsoRegistrato(env), altro);
            QCOMPARE(Find<ListBox>(dialogo, "List1")->ListCount(), 0);
            // Closed without a project: section 1's menu shows the archive again.
            WhenModal([](QDialog *ancora) { ancora->reject(); });
            dialogo->reject();
        });
        principale->Archiviazione_Click();
        QCOMPARE(PercorsoRegistrato(env), altro);
        QCOMPARE(DB->Path(), altro);
        QCOMPARE(IdProgetto, qint64(0));
    }

    void insertingTwiceAddsTwoProjects()
    {
        TestEnvironment env;
        Archivio archivio(env.MainWindow());
        archivio.Click("Command1");
        archivio.Click("Command1");
        const QStringList voci = Voci(archivio.List1());
        QCOMPARE(voci.size(), 2);
        const qint64 primo = archivio.List1()->ItemData(0);
        const qint64 secondo = archivio.List1()->ItemData(1);
        QVERIFY(secondo > primo);
        for (int i = 0; i < 2; ++i) {
            const qint64 id = archivio.List1()->ItemData(i);
            QVERIFY2(voci[i].startsWith(QString("%1 - Nuovo Progetto - ").arg(id)), qPrintable(voci[i]));
            const QString timbro = voci[i].section(" - ", 2);
            QVERIFY2(QDateTime::fromString(timbro, "dd/MM/yy HH:mm:ss").isValid(), qPrintable(timbro));
            QCOMPARE(env.Sql("select count(*) from Secondario where Id = ?", {id}).toInt(), 1);
        }
        QCOMPARE(archivio.List1()->ListIndex(), -1);
        QCOMPARE(IdProgetto, qint64(0));
        QCOMPARE(env.MainWindow()->windowTitle(), QString("Formulario Kavrano"));
    }

    void choosingAProjectMakesItCurrentAndCloses()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 3, "Altro", "01/01/01 00:00:00");
        AggiungiProgetto(env, 7, "Sette", "07/07/01 07:07:07");
        Velkaro *principale = env.MainWindow();
        bool chiuso = false;
        WhenModal([&](QDialog *dialogo) {
            auto *lista = Find<ListBox>(dialogo, "List1");
            Find<QPushButton>(dialogo, "Command2")->click();  // nothing selected: nothing happens
            QVERIFY(dialogo->isVisible());
            QCOMPARE(IdProgetto, qint64(0));
            lista->SetListIndex(1);
            QCOMPARE(IdProgetto, qint64(0));  // selecting is not choosing
            Find<QPushButton>(dialogo, "Command2")->click();
            chiuso = !dialogo->isVisible();
        });
        principale->Archiviazione_Click();
        QVERIFY(chiuso);
        QCOMPARE(IdProgetto, qint64(7));
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #7"));
        Settle();
        QVERIFY(principale->Finestra("Sezione1Form"));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void doubleClickChoosesToo()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 21, "Ventuno", "01/01/01 00:00:00");
        Archivio archivio(env.MainWindow());
        archivio.form.show();
        QListWidget *lista = archivio.List1();
        const QPoint dove = lista->visualItemRect(lista->item(0)).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, dove);
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, dove);
        QCOMPARE(IdProgetto, qint64(21));
        QCOMPARE(archivio.form.result(), int(QDialog::Accepted));
        QVERIFY(!archivio.form.isVisible());
    }

    void aProjectWithoutItsSecondRowKeepsTheDialogOpen()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 8, "Monco", "01/01/01 00:00:00", false);
        Archivio archivio(env.MainWindow());
        archivio.form.show();
        archivio.Seleziona(0);
        archivio.Click("Command2");
        QCOMPARE(IdProgetto, qint64(8));
        QCOMPARE(env.MainWindow()->windowTitle(), QString("Formulario Kavrano - Progetto #8"));
        QVERIFY(archivio.form.isVisible());
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void deletingAsksNothingAndLeavesTheOtherRows()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 5, "Da tenere", "01/01/01 00:00:00");
        AggiungiProgetto(env, 6, "Da cancellare", "01/01/01 00:00:00");
        Archivio archivio(env.MainWindow());

        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages(), QStringList{"Selezionare o inserire un Progetto"});
        Dialogs::ClearHistory();

        archivio.Seleziona(1);
        archivio.Click("Command4");
        QVERIFY(Dialogs::History().isEmpty());
        QCOMPARE(Voci(archivio.List1()), QStringList{"5 - Da tenere - 01/01/01 00:00:00"});
        QCOMPARE(env.Sql("select count(*) from Principale where Id = 6").toInt(), 0);
        QCOMPARE(env.Sql("select count(*) from Secondario where Id = 6").toInt(), 1);
    }

    void aProjectDeletedMeanwhileIsReported()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 5, "Sparito", "01/01/01 00:00:00");
        Archivio archivio(env.MainWindow());
        env.ExecSql("delete from Principale where Id = 5");
        archivio.Seleziona(0);
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages(), (QStringList{"Il Progetto non esiste", "Il Progetto non esiste"}));
        QCOMPARE(archivio.List1()->ListCount(), 1);  // the list is not rebuilt
    }

    void newFolder()
    {
        TestEnvironment env;
        Archivio archivio(env.MainWindow());
        const QString cartella = archivio.Dir1()->Path();
        const QStringList prima = QDir(cartella).entryList(QDir::Dirs | QDir::NoDotAndDotDot);

        Dialogs::Queue(QString());  // empty answer, or Cancel
        archivio.Click("Command3");
        QCOMPARE(QDir(cartella).entryList(QDir::Dirs | QDir::NoDotAndDotDot), prima);
        QVERIFY(Dialogs::Messages().isEmpty());

        Dialogs::Queue(QString("Archivi 2001"));
        archivio.Click("Command3");
        QVERIFY(QDir(cartella + "/Archivi 2001").exists());
        QCOMPARE(archivio.Dir1()->Path(), cartella);  // listed, not entered
        QVERIFY(!archivio.Dir1()->findItems("Archivi 2001", Qt::MatchEndsWith).isEmpty());
        QVERIFY(Dialogs::Messages().isEmpty());
        QVERIFY(!QApplication::overrideCursor());

        Dialogs::Queue(QString("Archivi 2001"));
        archivio.Click("Command3");
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY(!QApplication::overrideCursor());

        Dialogs::Queue(QString("a/b"));
        archivio.Click("Command3");
        QCOMPARE(Dialogs::Messages().size(), 2);
        QVERIFY(!QDir(cartella + "/a").exists());
        QCOMPARE(Dialogs::History().last().kind, QString("message"));
        QCOMPARE(Dialogs::History()[Dialogs::History().size() - 2].text, QString("Nuova Cartella"));
    }

    void aDriveThatIsNotReadyIsReported()
    {
        TestEnvironment env;
        Archivio archivio(env.MainWindow());
        const QString prima = archivio.Dir1()->Path();
        auto *unita = Find<DriveListBox>(&archivio.form, "Drive1");
        unita->addItem("Z:", env.Folder() + "/non-esiste");
        unita->setCurrentIndex(unita->count() - 1);
        emit unita->activated(unita->count() - 1);
        QCOMPARE(Dialogs::Messages().size(), 1);
        QCOMPARE(archivio.Dir1()->Path(), prima);
        QVERIFY(!QApplication::overrideCursor());
    }

    void changingFolderKeepsTheProjectList()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 2, "Due", "01/01/01 00:00:00");
        QDir(env.Folder()).mkdir("vuota");
        Archivio archivio(env.MainWindow());
        archivio.Dir1()->SetPath(env.Folder() + "/vuota");
        QCOMPARE(archivio.File1()->Path(), env.Folder() + "/vuota");
        QCOMPARE(archivio.File1()->ListCount(), 0);
        QCOMPARE(archivio.List1()->ListCount(), 1);
        QVERIFY(DB);
    }

    void aRememberedFolderThatIsGoneOpensNothing()
    {
        TestEnvironment env;
        const QString sparita = env.Folder() + "/sparita";
        QVERIFY(QDir(env.Folder()).mkdir("sparita"));
        QVERIFY(QFile::copy(env.DatabasePath(), sparita + "/Formulario.Mdb"));
        ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", sparita + "/Formulario.Mdb");
        QVERIFY(QDir(sparita).removeRecursively());

        Archivio archivio(env.MainWindow());
        QCOMPARE(Dialogs::Messages(), QStringList{kArchivioValido});
        QVERIFY(!DB);
        QCOMPARE(archivio.List1()->ListCount(), 0);
        // The file box lists the folder the folder box shows, nothing selected.
        QCOMPARE(archivio.File1()->Path(), archivio.Dir1()->Path());
        QCOMPARE(archivio.File1()->ListIndex(), -1);
        QVERIFY(!QDir(sparita).exists());
        QCOMPARE(PercorsoRegistrato(env), sparita + "/Formulario.Mdb");  // nothing taken, nothing written
    }

    void aDatabaseThatVanishesKeepsTheListAndSaysSo()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 5, "Tenuto", "01/01/01 00:00:00");
        Archivio archivio(env.MainWindow());
        const QStringList prima = Voci(archivio.List1());
        QVERIFY(QFile::remove(env.DatabasePath()));

        archivio.Click("Command1");
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY2(Dialogs::Messages().last().contains("non è più disponibile"), qPrintable(Dialogs::Messages().last()));
        QCOMPARE(Voci(archivio.List1()), prima);

        archivio.Seleziona(0);
        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages().size(), 2);
        QCOMPARE(Voci(archivio.List1()), prima);
        QVERIFY(!QFile::exists(env.DatabasePath()));
    }

    void aDatabaseMadeReadOnlyKeepsItsProjects()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 5, "Tenuto", "01/01/01 00:00:00");
        Archivio archivio(env.MainWindow());
        QFile::setPermissions(env.DatabasePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (QFileInfo(env.DatabasePath()).isWritable())
            QSKIP("this user can write any file");
        archivio.Click("Command1");
        archivio.Seleziona(0);
        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages().size(), 2);
        for (const QString &messaggio : Dialogs::Messages())
            QVERIFY2(messaggio.contains("sola lettura"), qPrintable(messaggio));
        QCOMPARE(Voci(archivio.List1()), QStringList{"5 - Tenuto - 01/01/01 00:00:00"});
        QFile::setPermissions(env.DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(env.Sql("select count(*) from Principale").toInt(), 1);
        QCOMPARE(env.Sql("select count(*) from Secondario").toInt(), 1);
    }

    void aFolderNameTooLongIsRefusedAsSuch()
    {
        TestEnvironment env;
        Archivio archivio(env.MainWindow());
        const QString cartella = archivio.Dir1()->Path();
        const QStringList prima = QDir(cartella).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        Dialogs::Queue(QString(100000, 'x'));
        archivio.Click("Command3");
        QCOMPARE(Dialogs::Messages(), QStringList{"Nome di cartella non valido: troppo lungo."});
        QCOMPARE(QDir(cartella).entryList(QDir::Dirs | QDir::NoDotAndDotDot), prima);
        QVERIFY(!QApplication::overrideCursor());
    }

    void aFileThatIsNotAProjectDatabase_data()
    {
        QTest::addColumn<QString>("genere");
        QTest::newRow("text") << "text";
        QTest::newRow("empty") << "empty";
        QTest::newRow("another design") << "design";
        QTest::newRow("no index") << "index";
        QTest::newRow("unreadable") << "unreadable";
    }

    void aFileThatIsNotAProjectDatabase()
    {
        QFETCH(QString, genere);
        TestEnvironment env;
        AggiungiProgetto(env, 3, "Buono", "01/01/01 00:00:00");
        const QString percorso = env.Folder() + "/x.mdb";
        {
            QFile file(percorso);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (genere == "text" || genere == "unreadable")
                file.write("Questo non e' un archivio.\n");
        }
        if (genere == "design" || genere == "index") {
            QFile::remove(percorso);
            QVERIFY(QFile::copy(env.DatabasePath(), percorso));
            QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner);
            {
                QSqlDatabase altro = QSqlDatabase::addDatabase("QSQLITE", "altro");
                altro.setDatabaseName(percorso);
                QVERIFY(altro.open());
                QSqlQuery(altro).exec(genere == "design" ? "drop table Secondario"
                                                         : "drop index \"Secondario.ID\"");
            }
            QSqlDatabase::removeDatabase("altro");
        }
        if (genere == "unreadable") {
            QFile::setPermissions(percorso, QFileDevice::Permissions());
            if (QFileInfo(percorso).isReadable())
                QSKIP("this user can read any file");
        }
        const QByteArray prima = Contenuto(percorso);

        Archivio archivio(env.MainWindow());
        QCOMPARE(archivio.List1()->ListCount(), 1);
        archivio.Seleziona(0);
        IdProgetto = 3;
        archivio.File1()->SetListIndex(CercaLista(archivio.File1(), "x.mdb"));

        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY2(Dialogs::Messages().first().contains(percorso), qPrintable(Dialogs::Messages().first()));
        QCOMPARE(archivio.List1()->ListCount(), 0);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(!DB);
        QVERIFY(!archivio.Label()->isHidden());
        QCOMPARE(PercorsoRegistrato(env), percorso);
        QCOMPARE(Contenuto(percorso), prima);
        QVERIFY(!QFile::exists(percorso + "-journal"));

        // With no database open the dialog's buttons stay harmless.
        archivio.Click("Command2");
        archivio.Click("Command1");
        QCOMPARE(Dialogs::Messages().last(), kArchivioValido);
        QCOMPARE(Contenuto(percorso), prima);

        // The next start passes the same file over silently.
        Dialogs::ClearHistory();
        LeggiPercorsoDB();
        Archivio dopo(env.MainWindow());
        QVERIFY(Dialogs::Messages().isEmpty());
        QCOMPARE(dopo.List1()->ListCount(), 0);
        QCOMPARE(dopo.File1()->FileName(), QString("x.mdb"));
    }

};

QTEST_MAIN(TestArchivio)
#include "tst_archivio.moc"
