#include "TestSupport.h"

#include "ArchiviazioneForm.h"
#include "Database.h"
#include "Dialogs.h"
#include "DirListBox.h"
#include "FileListBox.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "ProfileFile.h"
#include "Velkaro.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kArchivioValido = "Selezionare un Archivio Valido (Es. Formulario.Mdb)";

QString PercorsoRegistrato(const TestEnvironment &env)
{
    return ProfileFile(env.SettingsPath()).Read("Percorsi", "DataBase", "<nessuno>").trimmed();
}

void AggiungiProgetto(const TestEnvironment &env, qint64 id, const QVariant &oggetto,
                      const QVariant &modifica = QString("01/01/01 00:00:00"), bool secondario = true)
{
    env.ExecSql("insert into Principale (Id, CodiceEnte, Oggetto, UltimaModifica) values (?, '', ?, ?)",
                {id, oggetto, modifica});
    if (secondario)
        env.ExecSql("insert into Secondario (Id) values (?)", {id});
}

// The archive of the main window, as the main window loads it.
struct Archivio
{
    // Shown without modality, so that its controls take real clicks.
    explicit Archivio(Velkaro *principale) : form(principale)
    {
        form.setWindowModality(Qt::NonModal);
        form.show();
        Settle();
    }
    ArchiviazioneForm form;
    ListBox *List1() { return Find<ListBox>(&form, "List1"); }
    FileListBox *File1() { return Find<FileListBox>(&form, "File1"); }
    DirListBox *Dir1() { return Find<DirListBox>(&form, "Dir1"); }
    void Click(const QString &pulsante)
    {
        QTest::mouseClick(Find<QPushButton>(&form, pulsante), Qt::LeftButton);
        Settle();
    }
    QStringList Voci()
    {
        QStringList voci;
        for (int i = 0; i < List1()->ListCount(); ++i)
            voci << List1()->List(i);
        return voci;
    }
};

}  // namespace

class TestArchivio : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // The archive opens on the remembered file, or the default one; with
    // neither it says so and makes nothing.
    void opensOnTheRememberedFileOrSaysSo_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("first start, default file there") << "default";
        QTest::newRow("first start, no default file") << "no file";
        QTest::newRow("remembered folder gone") << "folder gone";
    }

    void opensOnTheRememberedFileOrSaysSo()
    {
        QFETCH(QString, caso);
        TestEnvironment env;
        const QString sparito = env.Folder() + "/sparita/Formulario.Mdb";
        if (caso == "no file")
            QVERIFY(QFile::remove(env.DatabasePath()));
        if (caso == "folder gone")
            ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", sparito);
        Archivio archivio(env.MainWindow());
        QCOMPARE(IdProgetto, qint64(0));
        if (caso == "default") {
            QCOMPARE(archivio.Dir1()->Path(), QDir(env.Folder()).absolutePath());
            QCOMPARE(archivio.File1()->FileName(), QString("Formulario.Mdb"));
            QVERIFY(DB);
            QVERIFY(Dialogs::Messages().isEmpty());
            QVERIFY(!Find<QLabel>(&archivio.form, "Label")->isHidden());
            QCOMPARE(PercorsoRegistrato(env), PercorsoPredefinito());  // taking the file stored its path
            return;
        }
        QCOMPARE(Dialogs::Messages(), QStringList{kArchivioValido});
        QVERIFY(!DB);
        QCOMPARE(archivio.List1()->ListCount(), 0);
        QCOMPARE(archivio.File1()->Path(), archivio.Dir1()->Path());
        QCOMPARE(archivio.File1()->ListIndex(), -1);
        // Nothing taken, nothing made, nothing written.
        QVERIFY(!QDir(env.Folder() + "/sparita").exists());
        QCOMPARE(QFile::exists(env.DatabasePath()), caso == "folder gone");
        QCOMPARE(PercorsoRegistrato(env), caso == "folder gone" ? sparito : QString("<nessuno>"));
    }

    // The remembered path is found whatever its case and trailing blanks, its
    // projects listed in key order; picking another file records it at once.
    void theRememberedFileIsFoundWhateverTheCaseAndItsProjectsListed()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 12, "Nuovo Progetto", "05/03/01 10:22:41");
        AggiungiProgetto(env, 13, QVariant(QMetaType(QMetaType::QString)), QVariant(QMetaType(QMetaType::QString)));
        AggiungiProgetto(env, 9, "Corso serale", "01/02/01 08:00:00");
        QVERIFY(QDir(env.Folder()).mkdir("dati"));
        const QString percorso = env.Folder() + "/dati/Progetti.mdb";
        QVERIFY(QFile::copy(env.DatabasePath(), percorso));
        ProfileFile(env.SettingsPath()).Write("Percorsi", "DataBase", env.Folder() + "/dati/progetti.MDB   ");
        Archivio archivio(env.MainWindow());
        QCOMPARE(PercorsoDB, percorso);
        QCOMPARE(archivio.File1()->FileName(), QString("Progetti.mdb"));
        QCOMPARE(archivio.Voci(), (QStringList{"9 - Corso serale - 01/02/01 08:00:00",
                                               "12 - Nuovo Progetto - 05/03/01 10:22:41", "13 -  - "}));
        QCOMPARE(archivio.List1()->ItemData(1), qint64(12));
        QVERIFY(Dialogs::Messages().isEmpty());

        // Another folder, entered with a double click, lists its files; the
        // project list stays on the open database.
        QListWidget *cartelle = archivio.Dir1();
        int superiore = -1;
        for (int i = 0; i < cartelle->count(); ++i)
            if (cartelle->item(i)->data(Qt::UserRole).toString() == QDir(env.Folder()).absolutePath())
                superiore = i;
        ClickItem(cartelle, superiore, true);
        QCOMPARE(archivio.File1()->Path(), env.Folder());
        QCOMPARE(archivio.List1()->ListCount(), 3);
        QCOMPARE(DB->Path(), percorso);

        // Picking a file stores its path at once, before any project is chosen.
        ClickItem(archivio.File1(), archivio.File1()->FindExact("Formulario.Mdb"));
        QCOMPARE(PercorsoRegistrato(env), env.DatabasePath());
        QCOMPARE(DB->Path(), env.DatabasePath());

        // Choosing a drive shows its root in the folder and file boxes.
        ChooseItem(Find<QComboBox>(&archivio.form, "Drive1"), 0);
        QCOMPARE(archivio.Dir1()->Path(), QDir::rootPath());
        QCOMPARE(archivio.File1()->Path(), QDir::rootPath());
    }

    // Two clicks on "Inserisci" add two projects, rising Ids and a time
    // stamp each, and choose neither.
    void insertingTwiceAddsTwoProjects()
    {
        TestEnvironment env;
        Archivio archivio(env.MainWindow());
        archivio.Click("Command1");
        archivio.Click("Command1");
        const QStringList voci = archivio.Voci();
        QCOMPARE(voci.size(), 2);
        QVERIFY(archivio.List1()->ItemData(1) > archivio.List1()->ItemData(0));
        for (int i = 0; i < 2; ++i) {
            const QString inizio = QString("%1 - Nuovo Progetto - ").arg(archivio.List1()->ItemData(i));
            const QDateTime quando = QDateTime::fromString(voci[i].mid(inizio.size()), "dd/MM/yy HH:mm:ss");
            QVERIFY2(voci[i].startsWith(inizio) && quando.isValid(), qPrintable(voci[i]));
        }
        QCOMPARE(archivio.List1()->ListIndex(), -1);
        QCOMPARE(IdProgetto, qint64(0));
    }

    // Selecting is not choosing: the button or a double click makes the
    // project current, whatever its Id, and names it in the main window.
    void choosingAProjectMakesItCurrentAndCloses()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 7, "Sette");
        const qint64 grande = 5000000000LL;  // beyond 32 bits
        AggiungiProgetto(env, grande, "Senza seconda riga", QString("01/01/01 00:00:00"), false);
        Velkaro *principale = env.MainWindow();
        Archivio archivio(principale);
        archivio.Click("Command2");  // nothing selected: nothing happens
        ClickItem(archivio.List1(), 1);
        QCOMPARE(IdProgetto, qint64(0));  // selecting is not choosing
        QVERIFY(archivio.form.isVisible());

        // A project without its Secondario row is taken, but the dialog stays.
        archivio.Click("Command2");
        QCOMPARE(IdProgetto, grande);
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #5000000000"));
        QVERIFY(archivio.form.isVisible());

        // A double click chooses too.
        ClickItem(archivio.List1(), 0, true);
        QCOMPARE(IdProgetto, qint64(7));
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #7"));
        QCOMPARE(archivio.form.result(), int(QDialog::Accepted));
        QVERIFY(!archivio.form.isVisible());
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // Deleting asks nothing and leaves the project's other rows; a project
    // deleted meanwhile is reported.
    void deletingAsksNothingAndLeavesTheOtherRows()
    {
        TestEnvironment env;
        for (qint64 id : {5, 6, 7})
            AggiungiProgetto(env, id, QString("Progetto %1").arg(id));
        Archivio archivio(env.MainWindow());
        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages(), QStringList{"Selezionare o inserire un Progetto"});
        Dialogs::ClearHistory();

        ClickItem(archivio.List1(), 1);
        archivio.Click("Command4");
        QVERIFY(Dialogs::History().isEmpty());
        QCOMPARE(archivio.Voci(),
                 (QStringList{"5 - Progetto 5 - 01/01/01 00:00:00", "7 - Progetto 7 - 01/01/01 00:00:00"}));
        QCOMPARE(env.Sql("select count(*) from Principale where Id = 6").toInt(), 0);
        QCOMPARE(env.Sql("select count(*) from Secondario where Id = 6").toInt(), 1);

        // A project deleted meanwhile is reported on selection and on deletion.
        env.ExecSql("delete from Principale where Id = 7");
        ClickItem(archivio.List1(), 1);
        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages(), (QStringList{"Il Progetto non esiste", "Il Progetto non esiste"}));
        QCOMPARE(archivio.List1()->ListCount(), 2);  // the list is not rebuilt
    }

    // No button of the archive is a default one: Enter in its lists presses
    // none (the folder list opens its folder).
    void enterInTheListsPressesNoButton()
    {
        TestEnvironment env;
        AggiungiProgetto(env, 7, "Sette");
        Archivio archivio(env.MainWindow());
        QApplication::setActiveWindow(&archivio.form);
        Dialogs::Queue(QString());  // for "Nuova Cartella", were it asked
        for (QListWidget *lista :
             std::initializer_list<QListWidget *>{archivio.File1(), archivio.List1(), archivio.Dir1()}) {
            ClickItem(lista, 0);
            QTest::keyClick(lista, Qt::Key_Return);
            Settle();
        }
        QCOMPARE(Dialogs::Pending(), 1);
        Dialogs::ClearQueue();
        QVERIFY(archivio.form.isVisible());
        QCOMPARE(IdProgetto, qint64(0));
        QCOMPARE(env.Sql("select count(*) from Principale").toInt(), 1);
        QCOMPARE(archivio.Dir1()->Path(), QDir::rootPath());
    }

    // Each failure gives its own reason, and the pointer is back to the arrow.
    void newFolder()
    {
        TestEnvironment env;
        Archivio archivio(env.MainWindow());
        const QString cartella = archivio.Dir1()->Path();
        const auto cartelle = [&] { return QDir(cartella).entryList(QDir::Dirs | QDir::NoDotAndDotDot); };
        const QStringList prima = cartelle();
        const auto crea = [&](const QString &nome) {
            Dialogs::Queue(nome);
            archivio.Click("Command3");
            QVERIFY(!QApplication::overrideCursor());
        };

        crea(QString());  // the empty answer, also given by Cancel
        QCOMPARE(cartelle(), prima);
        QCOMPARE(Dialogs::History().last().text, QString("Nuova Cartella"));
        crea("Archivi 2001");
        QVERIFY(QDir(cartella + "/Archivi 2001").exists());
        QCOMPARE(archivio.Dir1()->Path(), cartella);  // listed, not entered
        QVERIFY(!archivio.Dir1()->findItems("Archivi 2001", Qt::MatchEndsWith).isEmpty());
        QVERIFY(Dialogs::Messages().isEmpty());

        crea("Archivi 2001");
        crea("a/b");
        crea(QString(100000, 'x'));
        QCOMPARE(Dialogs::Messages().size(), 3);
        QCOMPARE(Dialogs::Messages().last(), QString("Nome di cartella non valido: troppo lungo."));
        QCOMPARE(cartelle(), prima + QStringList{"Archivi 2001"});
    }

    // A database deleted or made read-only while open refuses every store
    // with a message instead of writing into a lost file.
    void aDatabaseLostWhileOpenKeepsTheListAndSaysSo_data()
    {
        QTest::addColumn<bool>("cancellato");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("deleted") << true << "è stato rimosso";
        QTest::newRow("read-only") << false << "sola lettura";
    }

    void aDatabaseLostWhileOpenKeepsTheListAndSaysSo()
    {
        QFETCH(bool, cancellato);
        QFETCH(QString, motivo);
        TestEnvironment env;
        AggiungiProgetto(env, 5, "Tenuto");
        Archivio archivio(env.MainWindow());
        if (cancellato)
            QVERIFY(QFile::remove(env.DatabasePath()));
        else if (!QFile::setPermissions(env.DatabasePath(), QFile::ReadOwner)
                 || QFileInfo(env.DatabasePath()).isWritable())
            QSKIP("this user can write any file");
        archivio.Click("Command1");
        ClickItem(archivio.List1(), 0);
        archivio.Click("Command4");
        QCOMPARE(Dialogs::Messages().size(), 2);
        for (const QString &messaggio : Dialogs::Messages())
            QVERIFY2(messaggio.contains(motivo), qPrintable(messaggio));
        QCOMPARE(archivio.Voci(), QStringList{"5 - Tenuto - 01/01/01 00:00:00"});
        if (cancellato) {
            QVERIFY(!QFile::exists(env.DatabasePath()));
            return;
        }
        QFile::setPermissions(env.DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(env.Sql("select (select count(*) from Principale) + (select count(*) from Secondario)").toInt(), 2);
    }

    // A file chosen that is not a project database (the other ways a design
    // can fall short are in the failure tests): one message naming it, no
    // database open, the file untouched, its path still recorded.
    void aFileThatIsNotAProjectDatabase_data()
    {
        QTest::addColumn<QString>("genere");
        for (const char *genere : {"text", "empty", "another design", "unreadable"})
            QTest::newRow(genere) << genere;
    }

    void aFileThatIsNotAProjectDatabase()
    {
        QFETCH(QString, genere);
        TestEnvironment env;
        AggiungiProgetto(env, 3, "Buono");
        const QString percorso = env.Folder() + "/x.mdb";
        if (genere == "another design") {
            QVERIFY(QFile::copy(env.DatabasePath(), percorso));
            OtherConnection(percorso).Value("drop table Secondario");
        } else {
            WriteBytes(percorso, genere == "empty" ? QByteArray() : QByteArray("Questo non e' un archivio.\n"));
        }
        if (genere == "unreadable"
            && (!QFile::setPermissions(percorso, QFileDevice::Permissions()) || QFileInfo(percorso).isReadable()))
            QSKIP("this user can read any file");
        const QByteArray prima = ReadBytes(percorso);

        Archivio archivio(env.MainWindow());
        ClickItem(archivio.List1(), 0);
        IdProgetto = 3;
        ClickItem(archivio.File1(), archivio.File1()->FindExact("x.mdb"));
        QCOMPARE(Dialogs::Messages().size(), 1);
        QVERIFY2(Dialogs::Messages().first().contains(percorso), qPrintable(Dialogs::Messages().first()));
        QCOMPARE(archivio.List1()->ListCount(), 0);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(!DB && !TabPrincipale && !TabSecondario);
        QVERIFY(!TrovaProgetto());
        QCOMPARE(PercorsoRegistrato(env), percorso);

        // With no database open the dialog's buttons stay harmless.
        archivio.Click("Command2");
        archivio.Click("Command1");
        QCOMPARE(Dialogs::Messages().last(), kArchivioValido);
        QCOMPARE(ReadBytes(percorso), prima);
        QVERIFY(!QFile::exists(percorso + "-journal"));

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
