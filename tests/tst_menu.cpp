#include "TestSupport.h"

#include "Dialogs.h"
#include "Globali.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "SezioneSegnaposto.h"
#include "Velkaro.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
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

// A child window that counts its unloads.
class FinestraDiProva : public MdiChild
{
public:
    void Form_Unload() override { ++scaricamenti; }
    static inline int scaricamenti = 0;
};

void Menu(Velkaro *principale, const char *nome)
{
    principale->findChild<QAction *>(nome)->trigger();
    Settle();
}

QString Attiva(Velkaro *principale)
{
    return principale->FinestraAttiva() ? principale->FinestraAttiva()->objectName() : QString();
}

SezioneSegnaposto *Sezione4(Velkaro *principale)
{
    return qobject_cast<SezioneSegnaposto *>(principale->Finestra("Sezione4Form"));
}

}  // namespace

class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InitTestProcess();
        Velkaro::RegistraFinestra("FinestraDiProva", [] { return new FinestraDiProva; });
    }

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

    // Section 4 opens on the page print mode selects only when it is loaded.
    void printMenuFollowsWhereSection4Is()
    {
        if (Velkaro::Registrata("Sezione4Form"))
            QSKIP("section 4's own window is tested with it");
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        Menu(principale, "Sezione4");
        QPointer<SezioneSegnaposto> sezione4 = Sezione4(principale);
        QCOMPARE(sezione4->Pagina(), 0);

        // Behind section 1: only brought to the front, on its page.
        Menu(principale, "Sezione1");
        Menu(principale, "Stampa");
        QVERIFY(ModoStampa);
        QCOMPARE(Sezione4(principale), sezione4.data());
        QCOMPARE(sezione4->Pagina(), 0);
        QCOMPARE(Attiva(principale), QString("Sezione4Form"));

        // Active: stored, closed and opened again on the print page.
        Menu(principale, "Stampa");
        QVERIFY(!sezione4);
        QCOMPARE(Sezione4(principale)->Pagina(), 1);
        QCOMPARE(Attiva(principale), QString("Sezione4Form"));

        // With every child closed nothing is unloaded and section 4 opens.
        principale->Area()->closeAllSubWindows();
        Settle();
        Menu(principale, "Sezione4");
        QCOMPARE(Sezione4(principale)->Pagina(), 0);
        QVERIFY(!ModoStampa);
        QCOMPARE(principale->Area()->subWindowList().size(), 1);
        principale->Area()->closeAllSubWindows();
        Settle();
        Menu(principale, "Stampa");
        QCOMPARE(Sezione4(principale)->Pagina(), 1);

        // "Chiudi" on the print page ends print mode and closes it.
        Find<QPushButton>(Sezione4(principale), "Annulla")->click();
        Settle();
        QVERIFY(!ModoStampa);
        QVERIFY(!Sezione4(principale));
    }

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

    // Leaving closes every child, so each section stores as it closes.
    void leavingStoresLikeClosingAndAsksNothing()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        FinestraDiProva::scaricamenti = 0;
        principale->ApriFinestra("FinestraDiProva");
        Menu(principale, "Sezione1");
        Menu(principale, "Uscita");
        QCOMPARE(FinestraDiProva::scaricamenti, 1);
        QVERIFY(principale->Area()->subWindowList().isEmpty());
        QVERIFY(!principale->isVisible());
        for (const Dialogs::Shown &mostrato : Dialogs::History())
            QVERIFY2(mostrato.kind == "message", qPrintable(mostrato.text));  // nothing is asked
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
