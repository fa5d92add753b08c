#include "TestSupport.h"

#include "DbError.h"
#include "Dialogs.h"
#include "MdiChild.h"
#include "MdiLifecycle.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// What the test windows did, in order, and how deeply their activation
// hooks were nested.
struct Diario
{
    QStringList eventi;
    int aperti = 0;
    int massimo = 0;
};

Diario diario;

class Prova : public MdiChild
{
public:
    std::function<void()> alCaricamento, allAttivazione, allaDisattivazione, alloScaricamento;

    void Form_Load() override { Annota("Load", alCaricamento); }
    void Form_Activate() override { Annidato("Activate", allAttivazione); }
    void Form_Deactivate() override { Annidato("Deactivate", allaDisattivazione); }
    void Form_Unload() override { Annota("Unload", alloScaricamento); }

private:
    void Annota(const char *hook, const std::function<void()> &azione)
    {
        diario.eventi << objectName() + "." + hook;
        if (azione)
            azione();
    }
    // The activation hooks also record how deeply they are nested.
    void Annidato(const char *hook, const std::function<void()> &azione)
    {
        diario.massimo = std::max(diario.massimo, ++diario.aperti);
        struct Chiudi
        {
            ~Chiudi() { --diario.aperti; }
        } chiudi;
        Annota(hook, azione);
    }
};

// A shown main window holding an MDI area with its lifecycle.
struct Cornice
{
    QMainWindow finestra;
    QMdiArea *area = new QMdiArea;
    MdiLifecycle *ciclo = new MdiLifecycle(area);

    Cornice()
    {
        finestra.setCentralWidget(area);
        finestra.resize(800, 600);
        finestra.show();
        QApplication::setActiveWindow(&finestra);
        Settle();
        diario = {};
    }
    // Opens a window as a menu would, or (from inside a hook) as a hook would.
    Prova *Apri(const QString &nome, const std::function<void(Prova *)> &prepara = {}, bool attendi = true)
    {
        auto *child = ciclo->Open(nome, [prepara] {
            auto *prova = new Prova;
            if (prepara)
                prepara(prova);
            return prova;
        });
        if (attendi)
            Settle();
        return static_cast<Prova *>(child);
    }
};

QStringList Eventi()
{
    return std::exchange(diario.eventi, {});
}

}  // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }
    void init()
    {
        Dialogs::ClearQueue();
        Dialogs::ClearHistory();
        diario = {};
    }

    // When B becomes active after A, A's deactivation runs before B's
    // activation, by a menu or by the user's click; showing or loading the
    // active window again runs nothing.
    void theWindowLeftStoresBeforeTheWindowEnteredRefills()
    {
        Cornice c;
        Prova *a = c.Apri("A");
        QCOMPARE(Eventi(), QStringList({"A.Load", "A.Activate"}));
        // Showing the active window again, even from minimized, or loading it runs nothing.
        a->SubWindow()->showMinimized();
        Settle();
        Eventi();
        QCOMPARE(c.Apri("A"), a);
        QVERIFY(!a->SubWindow()->isMinimized());
        QCOMPARE(c.ciclo->Load("A", [] { return new Prova; }), a);
        QCOMPARE(Eventi(), QStringList());

        Prova *b = c.Apri("B");
        QCOMPARE(Eventi(), QStringList({"B.Load", "A.Deactivate", "B.Activate"}));
        c.Apri("A");
        QCOMPARE(Eventi(), QStringList({"B.Deactivate", "A.Activate"}));
        // The user clicking the other window runs the same hooks.
        QTest::mouseClick(b->SubWindow(), Qt::LeftButton, {}, QPoint(b->SubWindow()->width() / 2, 8));
        Settle();
        QCOMPARE(Eventi(), QStringList({"A.Deactivate", "B.Activate"}));

        // Loading without showing runs Form_Load only.
        Prova *d = static_cast<Prova *>(c.ciclo->Load("D", [] { return new Prova; }));
        Settle();
        QCOMPARE(Eventi(), QStringList({"D.Load"}));
        QCOMPARE(c.ciclo->ActiveChild(), b);
        c.Apri("D");
        QCOMPARE(Eventi(), QStringList({"B.Deactivate", "D.Activate"}));
        QCOMPARE(c.ciclo->ActiveChild(), d);
    }

    // Message boxes, questions and other top-level windows trigger no hook.
    void messagesAndOtherWindowsTriggerNothing()
    {
        Cornice c;
        c.Apri("A");
        c.Apri("B", [](Prova *p) { p->allAttivazione = [] { Dialogs::MsgBox("Attivata"); }; });
        QCOMPARE(Eventi(), QStringList({"A.Load", "A.Activate", "B.Load", "A.Deactivate", "B.Activate"}));
        Dialogs::MsgBox("Un messaggio");
        Dialogs::Queue(true);
        QVERIFY(Dialogs::YesNo("Una domanda?"));
        // Another top-level window taking the focus, and giving it back.
        QDialog altra;
        altra.show();
        QApplication::setActiveWindow(&altra);
        Settle();
        altra.close();
        QApplication::setActiveWindow(&c.finestra);
        Settle();
        QCOMPARE(Eventi(), QStringList());
        QCOMPARE(Dialogs::Messages(), QStringList({"Attivata", "Un messaggio"}));
    }

    // Closing runs the unload once, however the window closes, and activates
    // the next window.
    void closingRunsUnloadOnceAndActivatesTheNextWindow()
    {
        Cornice c;
        Prova *a = c.Apri("A");
        Prova *b = c.Apri("B");
        c.Apri("A");
        Eventi();
        QPointer<QMdiSubWindow> frame = a->SubWindow();
        a->Unload();
        Settle();
        // The window that closes is not deactivated: its unload stores.
        QCOMPARE(Eventi(), QStringList({"A.Unload", "B.Activate"}));
        QVERIFY(!frame && !c.ciclo->Find("A"));

        // Closing a window by its frame, then again by name and by itself, unloads it once.
        b->SubWindow()->close();
        b->Unload();
        c.ciclo->Unload("B");
        Settle();
        QCOMPARE(Eventi(), QStringList({"B.Unload"}));
        QVERIFY(!c.ciclo->ActiveChild());

        // Opened again under the same name it is a new window.
        c.Apri("A");
        QCOMPARE(Eventi(), QStringList({"A.Load", "A.Activate"}));
    }

    // A's activation opens B and A's deactivation opens C: each hook runs to
    // its end before the next starts, and the windows become active in the
    // order they were shown. Y's activation may bring X, just left, back.
    void hooksAreNeverReentered()
    {
        {
            Cornice c;
            c.Apri("A", [&c](Prova *a) {
                a->allAttivazione = [&c] {
                    if (!c.ciclo->Find("B"))
                        c.Apri("B", {}, false);
                };
                a->allaDisattivazione = [&c] {
                    if (!c.ciclo->Find("C"))
                        c.Apri("C", {}, false);
                };
            });
            QCOMPARE(Eventi(), QStringList({"A.Load", "A.Activate", "B.Load", "A.Deactivate", "C.Load", "B.Activate",
                                            "B.Deactivate", "C.Activate"}));
            QCOMPARE(c.area->activeSubWindow(), c.ciclo->Find("C")->SubWindow());
            QCOMPARE(diario.massimo, 1);
        }
        Cornice c;
        Prova *x = c.Apri("X");
        c.Apri("Y", [&c](Prova *y) {
            y->allAttivazione = [&c] {
                if (diario.eventi.count("Y.Activate") == 1)
                    c.Apri("X", {}, false);
            };
        });
        QCOMPARE(Eventi(), QStringList({"X.Load", "X.Activate", "Y.Load", "X.Deactivate", "Y.Activate", "Y.Deactivate",
                                        "X.Activate"}));
        QCOMPARE(c.area->activeSubWindow(), x->SubWindow());
        QCOMPARE(diario.massimo, 1);
    }

    // A database error in any hook is shown, and the windows go on.
    void anErrorInAHookIsShownAndTheProgramGoesOn()
    {
        Cornice c;
        c.Apri("A", [](Prova *p) {
            p->alCaricamento = [] { throw DbError("Errore in apertura"); };
            p->allaDisattivazione = [] { throw DbError("Errore nel registrare"); };
            p->alloScaricamento = [] { throw DbError("Errore in chiusura"); };
        });
        QCOMPARE(Dialogs::Messages(), QStringList({"Errore in apertura"}));
        c.Apri("B", [](Prova *p) { p->allAttivazione = [] { throw DbError("Errore nel rileggere"); }; });
        QCOMPARE(Eventi(), QStringList({"A.Load", "A.Activate", "B.Load", "A.Deactivate", "B.Activate"}));
        QCOMPARE(Dialogs::Messages(),
                 QStringList({"Errore in apertura", "Errore nel registrare", "Errore nel rileggere"}));
        QCOMPARE(c.ciclo->ActiveChild()->objectName(), QString("B"));
        c.ciclo->Unload("A");
        Settle();
        QVERIFY(!c.ciclo->Find("A"));
        QCOMPARE(Dialogs::Messages().last(), QString("Errore in chiusura"));
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
