#include "TestSupport.h"

#include "Dialogs.h"
#include "Globali.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "Velkaro.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

// Answers every archive dialog shown while it lives: counts them, runs the
// given action on each, and closes any still open without a choice.
class Archivista
{
public:
    explicit Archivista(std::function<void(QDialog *)> azione = {})
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, azione] {
            auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialogo || !dialogo->isVisible())
                return;
            ++volte;
            if (azione)
                azione(dialogo);
            if (dialogo->isVisible())
                dialogo->reject();
        });
        timer_.start();
    }
    int volte = 0;

private:
    QTimer timer_;
};

// A child window that notes when it is activated and unloaded.
class FinestraDiProva : public MdiChild
{
public:
    void Form_Activate() override { eventi << objectName() + ".Activate"; }
    void Form_Unload() override { eventi << objectName() + ".Unload"; }
    static inline QStringList eventi;
};

const QStringList kProve = {"ProvaA", "ProvaB", "ProvaC"};

void Menu(Velkaro *principale, const char *nome)
{
    principale->findChild<QAction *>(nome)->trigger();
    Settle();
}

QString Attiva(Velkaro *principale)
{
    return principale->FinestraAttiva() ? principale->FinestraAttiva()->objectName() : QString();
}

}  // namespace

class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InitTestProcess();
        for (const QString &nome : kProve)
            Velkaro::RegistraFinestra(nome, [] { return new FinestraDiProva; });
    }

    // The main window starts sized and titled, with no project, no print
    // mode and every menu.
    void theMainWindowStartsEmptyAndSized()
    {
        TestEnvironment env;
        ModoStampa = true;
        Velkaro *principale = env.MainWindow();
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano"));
        QCOMPARE(principale->size(), QSize(640, 544));
        QVERIFY(!ModoStampa && !principale->DaMenuSezione && !DB);
        QStringList menu;
        for (QAction *azione : principale->menuBar()->actions())
            menu << azione->objectName() + " " + azione->text();
        QCOMPARE(menu, (QStringList{"Introduzione &Introduzione", "Archiviazione &Seleziona Progetto",
                                    "Sezione1 Sezione &1", "Sezione2 Sezione &2", "Sezione3 Sezione &3",
                                    "Sezione4 Sezione &4", "Stampa &Stampa", "Finestre &Finestre", "Uscita &Uscita"}));
        Menu(principale, "Introduzione");
        QCOMPARE(principale->FinestraAttiva()->windowTitle(), QString("Introduzione al Formulario KVR"));
    }

    // Choosing a project closes the sections before the archive shows, then
    // opens section 1 on it.
    void selectingAProjectClosesTheSectionsAndOpensSection1()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        const qint64 id = env.OpenNewProject();
        Menu(principale, "Introduzione");
        for (const char *nome : {"Sezione2Form", "Sezione3Form", "Sezione4Form"})
            principale->ApriFinestra(nome);
        QStringList apertiDuranteLArchivio;
        Archivista archivista([&](QDialog *dialogo) {
            for (QMdiSubWindow *finestra : principale->Area()->subWindowList())
                apertiDuranteLArchivio << finestra->widget()->objectName();
            ClickItem(Find<ListBox>(dialogo, "List1"), 0);
            QTest::mouseClick(Find<QPushButton>(dialogo, "Command2"), Qt::LeftButton);
        });
        Menu(principale, "Archiviazione");
        QCOMPARE(archivista.volte, 1);
        QCOMPARE(apertiDuranteLArchivio, QStringList{"IntroduzioneForm"});
        QCOMPARE(IdProgetto, id);
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #%1").arg(id));
        QCOMPARE(Attiva(principale), QString("Sezione1Form"));
    }

    // The archive closed without a choice is shown a second time, as written.
    void closingTheArchiveWithoutAChoiceShowsItAgain()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        const qint64 id = env.OpenNewProject();
        principale->ImpostaTitoloProgetto(id);
        Archivista archivista;
        Menu(principale, "Archiviazione");
        // The archive reopened the database (no project), so section 1's menu
        // showed it a second time; section 1 then opens without a project.
        QCOMPARE(archivista.volte, 2);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(principale->Finestra("Sezione1Form"));
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #%1").arg(id));
    }

    // "Sezione &2" without a project shows the archive once, then the section.
    void aSectionMenuWithoutAProjectShowsTheArchiveOnce()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        Archivista archivista;
        Menu(principale, "Sezione2");
        QCOMPARE(archivista.volte, 1);
        QVERIFY(!principale->Finestra("Sezione1Form"));
        QCOMPARE(Attiva(principale), QString("Sezione2Form"));
        QVERIFY(!principale->DaMenuSezione);
    }

    // "&Finestre" lists the open children, the active one checked, and brings
    // the one chosen to the front.
    void theWindowListNamesTheOpenChildren()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        for (const char *nome : {"Introduzione", "Sezione2", "Sezione3"})
            Menu(principale, nome);
        QMenu *finestre = principale->findChild<QAction *>("Finestre")->menu();
        emit finestre->aboutToShow();
        QCOMPARE(finestre->actions().size(), 3);
        QVERIFY(finestre->actions()[0]->text().contains("Introduzione al Formulario KVR"));
        QVERIFY(finestre->actions()[2]->isChecked());  // the active one
        finestre->actions()[0]->trigger();
        Settle();
        QCOMPARE(Attiva(principale), QString("IntroduzioneForm"));
    }

    // "&Uscita" closes every child, so each stores as it closes, once; the
    // front one closes last, so none is refilled on the way; nothing is asked.
    void leavingStoresLikeClosingAndAsksNothing()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        Menu(principale, "Sezione1");
        for (const QString &nome : kProve + QStringList{"ProvaB"})
            principale->ApriFinestra(nome);
        Settle();
        FinestraDiProva::eventi.clear();
        Menu(principale, "Uscita");
        QCOMPARE(FinestraDiProva::eventi.filter(".Activate"), QStringList());
        for (const QString &nome : kProve)
            QCOMPARE(FinestraDiProva::eventi.count(nome + ".Unload"), 1);
        QVERIFY(principale->Area()->subWindowList().isEmpty());
        QVERIFY(!principale->isVisible());
        for (const Dialogs::Shown &mostrato : Dialogs::History())
            QVERIFY2(mostrato.kind == "message", qPrintable(mostrato.text));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
