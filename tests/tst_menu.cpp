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

// Answers every archive dialog shown while it lives: counts them and runs
// the given action on each (closing it without a choice by default).
class Archivista
{
public:
    explicit Archivista(std::function<void(QDialog *, int)> azione = {}) : azione_(std::move(azione))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialogo || !dialogo->isVisible())
                return;
            ++volte;
            if (azione_)
                azione_(dialogo, volte);
            if (dialogo->isVisible())
                dialogo->reject();
        });
        timer_.start();
    }
    int volte = 0;

private:
    std::function<void(QDialog *, int)> azione_;
    QTimer timer_;
};

// A child window that records its lifecycle hooks.
class FinestraDiProva : public MdiChild
{
public:
    FinestraDiProva() { setWindowTitle("Prova"); }
    void Form_Unload() override { ++scaricamenti; }
    static inline int scaricamenti = 0;
};

QStringList Titoli(QMdiArea *area)
{
    QStringList titoli;
    for (QMdiSubWindow *finestra : area->subWindowList())
        titoli << finestra->widget()->objectName();
    return titoli;
}

SezioneSegnaposto *Sezione4(Velkaro *principale)
{
    return qobject_cast<SezioneSegnaposto *>(principale->Finestra("Sezione4Form"));
}

void Scegli(QDialog *dialogo, qint64 id)
{
    auto *lista = Find<ListBox>(dialogo, "List1");
    for (int i = 0; i < lista->ListCount(); ++i)
        if (lista->ItemData(i) == id)
            lista->SetListIndex(i);
    Find<QPushButton>(dialogo, "Command2")->click();
}

} // namespace

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
        QVERIFY(!ModoStampa);
        QVERIFY(!principale->DaMenuSezione);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(!DB);

        QStringList nomi, titoli;
        for (QAction *azione : principale->menuBar()->actions()) {
            nomi << azione->objectName();
            titoli << azione->text();
        }
        QCOMPARE(nomi, (QStringList{"Introduzione", "Archiviazione", "Sezione1", "Sezione2", "Sezione3",
                                    "Sezione4", "Stampa", "Finestre", "Uscita"}));
        QCOMPARE(titoli, (QStringList{"&Introduzione", "&Seleziona Progetto", "Sezione &1", "Sezione &2",
                                      "Sezione &3", "Sezione &4", "&Stampa", "&Finestre", "&Uscita"}));

        principale->findChild<QAction *>("Introduzione")->trigger();
        Settle();
        QCOMPARE(principale->FinestraAttiva()->windowTitle(), QString("Introduzione al Formulario KVR"));
    }

    void selectingAProjectClosesTheSectionsAndOpensSection1()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        const qint64 id = env.OpenNewProject();
        principale->Introduzione_Click();
        for (const char *nome : {"Sezione2Form", "Sezione3Form", "Sezione4Form"})
            principale->ApriFinestra(nome);
        QStringList apertiDuranteLArchivio;
        Archivista archivista([&](QDialog *dialogo, int) {
            apertiDuranteLArchivio = Titoli(principale->Area());
            Scegli(dialogo, id);
        });
        principale->findChild<QAction *>("Archiviazione")->trigger();
        Settle();
        QCOMPARE(archivista.volte, 1);
        QCOMPARE(apertiDuranteLArchivio, QStringList{"IntroduzioneForm"});
        QCOMPARE(IdProgetto, id);
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #%1").arg(id));
        QCOMPARE(principale->FinestraAttiva()->objectName(), QString("Sezione1Form"));
        QVERIFY(!principale->DaMenuSezione);
    }

    void closingTheArchiveWithoutAChoiceShowsItAgain()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenDatabase();
        const qint64 id = CreaProgetto();
        IdProgetto = id;
        principale->ImpostaTitoloProgetto(id);
        Archivista archivista;
        principale->findChild<QAction *>("Archiviazione")->trigger();
        Settle();
        // The archive reopened the database (no project), so section 1's menu
        // showed it a second time; section 1 then opens without a project.
        QCOMPARE(archivista.volte, 2);
        QCOMPARE(IdProgetto, qint64(0));
        QVERIFY(principale->Finestra("Sezione1Form"));
        QCOMPARE(principale->windowTitle(), QString("Formulario Kavrano - Progetto #%1").arg(id));
        QVERIFY(!principale->DaMenuSezione);
    }

    void aSectionMenuWithoutAProjectShowsTheArchiveOnce()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        {
            Archivista archivista;
            principale->findChild<QAction *>("Sezione2")->trigger();
            Settle();
            QCOMPARE(archivista.volte, 1);
            QVERIFY(!principale->Finestra("Sezione1Form"));
            QCOMPARE(principale->FinestraAttiva()->objectName(), QString("Sezione2Form"));
            QVERIFY(!principale->DaMenuSezione);
        }

        // With a project chosen there, the section opens on it.
        const qint64 id = CreaProgetto();
        Archivista sceglie([&](QDialog *dialogo, int) { Scegli(dialogo, id); });
        IdProgetto = 0;
        principale->findChild<QAction *>("Sezione3")->trigger();
        Settle();
        QCOMPARE(sceglie.volte, 1);
        QCOMPARE(IdProgetto, id);
        QCOMPARE(principale->FinestraAttiva()->objectName(), QString("Sezione3Form"));
        QVERIFY(!principale->Finestra("Sezione1Form"));
    }

    void printWhileSection4IsActiveReopensItOnThePrintPage()
    {
        if (Velkaro::Registrata("Sezione4Form"))
            QSKIP("section 4's own window is tested with it");
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        principale->findChild<QAction *>("Sezione4")->trigger();
        Settle();
        QPointer<SezioneSegnaposto> primo = Sezione4(principale);
        QVERIFY(primo);
        QCOMPARE(primo->Pagina(), 0);
        QVERIFY(!ModoStampa);

        principale->findChild<QAction *>("Stampa")->trigger();
        Settle();
        QVERIFY(!primo);  // unloaded, then loaded again
        QVERIFY(ModoStampa);
        QCOMPARE(Sezione4(principale)->Pagina(), 1);
        QCOMPARE(principale->FinestraAttiva(), Sezione4(principale));

        // "Chiudi" on the print page ends print mode and closes it.
        Find<QPushButton>(Sezione4(principale), "Annulla")->click();
        Settle();
        QVERIFY(!ModoStampa);
        QVERIFY(!Sezione4(principale));
    }

    void printWhileSection4IsBehindOnlyBringsItToTheFront()
    {
        if (Velkaro::Registrata("Sezione4Form"))
            QSKIP("section 4's own window is tested with it");
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        principale->Sezione4_Click();
        QPointer<SezioneSegnaposto> sezione4 = Sezione4(principale);
        principale->Sezione1_Click();
        Settle();
        QCOMPARE(principale->FinestraAttiva()->objectName(), QString("Sezione1Form"));

        principale->findChild<QAction *>("Stampa")->trigger();
        Settle();
        QCOMPARE(Sezione4(principale), sezione4.data());
        QCOMPARE(sezione4->Pagina(), 0);
        QCOMPARE(principale->FinestraAttiva(), sezione4.data());
        QVERIFY(ModoStampa);
        QVERIFY(principale->Finestra("Sezione1Form"));
    }

    void section4MenusAfterEveryChildIsClosed()
    {
        if (Velkaro::Registrata("Sezione4Form"))
            QSKIP("section 4's own window is tested with it");
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        principale->Introduzione_Click();
        principale->Sezione1_Click();
        principale->Area()->closeAllSubWindows();
        Settle();
        QVERIFY(principale->Area()->subWindowList().isEmpty());
        QVERIFY(!principale->FinestraAttiva());

        principale->findChild<QAction *>("Stampa")->trigger();
        Settle();
        QCOMPARE(Sezione4(principale)->Pagina(), 1);

        principale->Area()->closeAllSubWindows();
        Settle();
        principale->findChild<QAction *>("Sezione4")->trigger();
        Settle();
        QCOMPARE(Sezione4(principale)->Pagina(), 0);
        QVERIFY(!ModoStampa);
        QCOMPARE(principale->Area()->subWindowList().size(), 1);
    }

    void theWindowListNamesTheOpenChildren()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        principale->Introduzione_Click();
        principale->Sezione2_Click();
        principale->Sezione3_Click();
        Settle();
        QMenu *finestre = principale->findChild<QAction *>("Finestre")->menu();
        QVERIFY(finestre);
        emit finestre->aboutToShow();
        QCOMPARE(finestre->actions().size(), 3);
        QVERIFY(finestre->actions()[0]->text().contains("Introduzione al Formulario KVR"));
        QVERIFY(!finestre->actions()[0]->isChecked());
        QVERIFY(finestre->actions()[2]->isChecked());  // the active one

        finestre->actions()[0]->trigger();
        Settle();
        QCOMPARE(principale->FinestraAttiva()->objectName(), QString("IntroduzioneForm"));

        principale->ScaricaFinestra("Sezione2Form");
        Settle();
        emit finestre->aboutToShow();
        QCOMPARE(finestre->actions().size(), 2);
    }

    void leavingStoresLikeClosingAndAsksNothing()
    {
        TestEnvironment env;
        Velkaro *principale = env.MainWindow();
        env.OpenNewProject();
        FinestraDiProva::scaricamenti = 0;
        principale->Introduzione_Click();
        principale->ApriFinestra("FinestraDiProva");
        principale->Sezione1_Click();
        Settle();
        QCOMPARE(principale->Area()->subWindowList().size(), 3);

        principale->findChild<QAction *>("Uscita")->trigger();
        Settle();
        QCOMPARE(FinestraDiProva::scaricamenti, 1);
        QVERIFY(principale->Area()->subWindowList().isEmpty());
        QVERIFY(!principale->isVisible());
        for (const Dialogs::Shown &mostrato : Dialogs::History())
            QVERIFY2(mostrato.kind == "message", qPrintable(mostrato.text));  // nothing is asked
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
