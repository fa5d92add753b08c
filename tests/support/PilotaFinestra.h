#pragma once

// Drives one child window of the program as a user does: opened from the
// main window's menu, its pages walked with their arrows, its controls typed
// and left, and what it stored read back with plain SQL on the database file.
#include "ControlliProva.h"
#include "TestSupport.h"

#include "Dialogs.h"
#include "Globali.h"
#include "MdiChild.h"
#include "PageTabOrder.h"
#include "Velkaro.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QRegularExpression>
#include <QToolButton>

#include <algorithm>
#include <functional>

class PilotaFinestra
{
public:
    // One control of a round trip and the field of the window's row it is
    // stored into.
    struct Voce
    {
        QString controllo;      // object name: "Text1(3)", "Combo4", "Option1(2)"
        QString campo;          // "Tabella.Campo"
        QString digitato;       // a null text: nothing typed; a check box or an option: "1" on, "0" off
        QVariant memorizzato;   // a text is compared as text, anything else as a value; none: Null
        QString mostrato = {};  // shown back; a null text: memorizzato's text
        int limite = -1;        // the length the control holds right after the typing (-1: not checked)
        QVariant prima = {};    // stored by plain SQL before the typing, as another program would
        bool incolla = false;   // pasted with Ctrl+V, as a long text or one with a line break is
    };

    // The window of this name, on the project current now (`id`).
    PilotaFinestra(TestEnvironment &env, QString nome) : id(IdProgetto), env_(env), nome_(std::move(nome)) {}
    virtual ~PilotaFinestra() = default;

    // Opens the window with its menu command ("Sezione1" for "Sezione1Form")
    // and brings it to the front. Without a current project that command
    // would show the archive first: the window is opened as another opens it.
    virtual void Apri()
    {
        if (IdProgetto != 0)
            Menu(QString(nome_).remove(QRegularExpression("Form$")));
        else
            Torna();
        const MdiChild *aperta = env_.MainWindow()->Finestra(nome_);
        QVERIFY2(aperta && env_.MainWindow()->FinestraAttiva() == aperta, qPrintable(nome_ + " is not in front"));
    }
    // Closes the window (it stores itself) and opens it again, loaded anew.
    virtual void Riapri()
    {
        QVERIFY2(env_.MainWindow()->ScaricaFinestra(nome_), qPrintable(nome_ + " stays open"));
        Settle();
        Apri();
    }
    void Menu(const QString &comando)
    {
        auto *azione = env_.MainWindow()->findChild<QAction *>(comando);
        if (!azione)
            qFatal("no menu command %s", qPrintable(comando));
        azione->trigger();
        Settle();
    }
    // The window open under its name now; the test stops when none is.
    MdiChild *Finestra() const
    {
        MdiChild *finestra = env_.MainWindow()->Finestra(nome_);
        if (!finestra)
            qFatal("%s is not open", qPrintable(nome_));
        return finestra;
    }
    template <typename T = QWidget>
    T *W(const QString &nome) const
    {
        return Find<T>(Finestra(), nome);
    }

    // The page frame shown (its index), -1 without pages; the arrows, told
    // apart as the user tells them: by their tooltips.
    int Pagina() const { return Numero(Cornice(nullptr)); }
    void Avanti() { Clic(Freccia("Avanti")); }
    void Indietro() { Clic(Freccia("Indietro")); }
    // Clicks the arrows towards the page until it shows or the walk stops.
    void VaiA(int pagina)
    {
        for (int passo = 0, prima = -2; passo < 20 && Pagina() != pagina && Pagina() != prima; ++passo) {
            prima = Pagina();
            pagina > prima ? Avanti() : Indietro();
            if (FinestraAttiva() != nome_)
                break;
        }
        QCOMPARE(Pagina(), pagina);
    }

    // Types into a box with the keys (a line break with Enter) and leaves it
    // with Tab, as the user does; or pastes the text with Ctrl+V. A combo
    // box's text is chosen from its list when an item has it; a check box or
    // an option is clicked to "1" (on) or "0" (off).
    void Scrivi(QWidget *controllo, const QString &testo, bool incolla = false)
    {
        QVERIFY2(controllo->isVisible(), qPrintable(controllo->objectName() + " is not shown"));
        if (auto *bottone = qobject_cast<QAbstractButton *>(controllo)) {
            if (bottone->isChecked() != (testo == "1"))
                Clic(bottone);
            return;
        }
        if (auto *combo = qobject_cast<QComboBox *>(controllo)) {
            const int voce = combo->findText(testo, Qt::MatchExactly);
            QVERIFY2(voce >= 0 || combo->isEditable(), qPrintable(combo->objectName() + " has no item " + testo));
            if (voce >= 0)
                return ChooseItem(combo, voce);
            controllo = combo->lineEdit();
        }
        if (incolla) {
            QApplication::clipboard()->setText(testo);
            controllo->setFocus();
            QTest::keyClick(controllo, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(controllo, Qt::Key_V, Qt::ControlModifier);
        } else {
            const QStringList righe = testo.split('\n');
            TypeInto(controllo, righe.first());
            for (const QString &riga : righe.mid(1)) {
                QTest::keyClick(controllo, Qt::Key_Return);
                QTest::keyClicks(controllo, riga);
            }
        }
        QWidget *fuoco = QApplication::focusWidget();
        QTest::keyClick(fuoco ? fuoco : controllo, Qt::Key_Tab);
        Settle();
    }
    void Scrivi(const QString &controllo, const QString &testo) { Scrivi(W(controllo), testo); }
    // What a control shows: its text, a check box's or an option's "1"/"0".
    QString Leggi(const QString &controllo) const
    {
        QWidget *w = W(controllo);
        if (auto *bottone = qobject_cast<QAbstractButton *>(w))
            return bottone->isChecked() ? "1" : "0";
        if (auto *combo = qobject_cast<QComboBox *>(w))
            return combo->currentText();
        return Testo(w);
    }

    // Another window becomes active (this one stores itself); Torna makes
    // this one active again (it refills itself).
    void Lascia(const QString &altra = "IntroduzioneForm")
    {
        env_.MainWindow()->ApriFinestra(altra);
        Settle();
    }
    void Torna() { Lascia(nome_); }
    void Altrove(const QString &altra = "IntroduzioneForm")
    {
        Lascia(altra);
        Torna();
    }
    QString FinestraAttiva() const
    {
        const MdiChild *attiva = env_.MainWindow()->FinestraAttiva();
        return attiva ? attiva->objectName() : QString();
    }

    QVariant Sql(const QString &query, const QVariantList &values = {}) const { return env_.Sql(query, values); }
    // A field of the window's row of a table (the project's), and the
    // project's field written.
    virtual QVariant Campo(const QString &tabella, const QString &campo) const
    {
        return Sql(QString("select %1 from %2 where Id = ?").arg(campo, tabella), {id});
    }
    void Imposta(const QString &tabella, const QString &campo, const QVariant &valore) const
    {
        env_.ExecSql(QString("update %1 set %2 = ? where Id = ?").arg(tabella, campo), {valore, id});
    }

    // Any stored values first, written while the window is left; each
    // control typed on its page; the window left, so it stores; every field
    // compared with what it holds; the window reopened, every control with
    // what it shows. Nothing is said on the way and no answer is left over.
    void RoundTrip(const QList<Voce> &voci)
    {
        Dialogs::ClearHistory();
        if (std::any_of(voci.begin(), voci.end(), [](const Voce &v) { return v.prima.isValid(); })) {
            Lascia();
            for (const Voce &v : voci)
                if (v.prima.isValid())
                    Imposta(v.campo.section('.', 0, 0), v.campo.section('.', 1), v.prima);
            Torna();
        }
        for (const Voce &v : voci) {
            if (v.digitato.isNull())
                continue;
            if (const int pagina = Numero(Cornice(W(v.controllo))); pagina != Pagina())
                VaiA(pagina);
            Scrivi(W(v.controllo), v.digitato, v.incolla);
            if (v.limite >= 0)
                QCOMPARE(v.controllo + ": " + QString::number(Leggi(v.controllo).size()),
                         v.controllo + ": " + QString::number(v.limite));
            if (QTest::currentTestFailed())
                return;
        }
        Lascia();
        for (const Voce &v : voci) {
            const QVariant valore = Campo(v.campo.section('.', 0, 0), v.campo.section('.', 1));
            QVERIFY2(Uguali(valore, v.memorizzato),
                     qPrintable(QString("%1 stored into %2: %3, expected %4")
                                    .arg(v.controllo, v.campo, valore.toString(), v.memorizzato.toString())));
        }
        Riapri();
        for (const Voce &v : voci)
            QCOMPARE(v.controllo + ": " + Leggi(v.controllo),
                     v.controllo + ": " + (v.mostrato.isNull() ? v.memorizzato.toString() : v.mostrato));
        QCOMPARE(Dialogs::Messages(), QStringList());
        QCOMPARE(Dialogs::Pending(), 0);
    }

    // From the page shown, next clicked through `pagine` and once more, which
    // opens `dopo`; back to this window, previous clicked through them in
    // reverse and once more, which opens `prima`. Nothing is said on the way.
    void PageWalk(const QList<int> &pagine, const QString &prima, const QString &dopo)
    {
        Dialogs::ClearHistory();
        QCOMPARE(Pagina(), pagine.first());
        for (int i = 1; i < pagine.size(); ++i) {
            Avanti();
            QCOMPARE(Pagina(), pagine[i]);
        }
        Avanti();
        QCOMPARE(FinestraAttiva(), dopo);
        Apri();
        for (int i = int(pagine.size()) - 1; i >= 0; --i) {
            QCOMPARE(Pagina(), pagine[i]);
            Indietro();
        }
        QCOMPARE(FinestraAttiva(), prima);
        QCOMPARE(Dialogs::Messages(), QStringList());
        QCOMPARE(Dialogs::Pending(), 0);
    }

    // The three ways no project is current: none chosen (Id 0), the current
    // one deleted, no database open (the archive could not open one).
    static QStringList CasiSenzaProgetto() { return {"Id 0", "progetto cancellato", "nessun database"}; }
    // The current project (a new one if none) made missing in one of those
    // ways; the window opened; what the user does in it (`azione`); the
    // window left. Every message said that the project does not exist, at
    // least one was said, the database holds what it held, and no answer is
    // left over.
    void NoProject(const QString &caso, const std::function<void()> &azione)
    {
        if (IdProgetto == 0)
            id = env_.OpenNewProject();
        if (caso == "progetto cancellato")
            QVERIFY(CancellaProgetto(IdProgetto));
        else if (caso == "nessun database")
            ChiudiDatabase();
        else
            QCOMPARE(caso, QString("Id 0"));
        if (caso != "progetto cancellato")
            IdProgetto = 0;
        const QStringList contenuto = Contenuto();
        Dialogs::ClearHistory();
        Apri();
        azione();
        Lascia();
        const QStringList detti = Dialogs::Messages();
        QVERIFY(!detti.isEmpty());
        QCOMPARE(detti, QStringList(detti.size(), "Il Progetto non esiste"));
        QCOMPARE(Contenuto(), contenuto);
        QCOMPARE(Dialogs::Pending(), 0);
    }

    qint64 id = 0;  // the project whose rows Campo and Imposta read and write

protected:
    TestEnvironment &env_;

private:
    // The page frame that holds a control, or the one shown (no control);
    // none without pages. A page's index is its frame's in its array.
    QWidget *Cornice(const QWidget *controllo) const
    {
        for (const PageTabOrder *ordine : Finestra()->findChildren<PageTabOrder *>()) {
            QWidget *pagina = ordine->Page();
            if (pagina->parentWidget() == Finestra()
                && (controllo ? pagina->isAncestorOf(controllo) : !pagina->isHidden()))
                return pagina;
        }
        return nullptr;
    }
    static int Numero(const QWidget *pagina)
    {
        static const QRegularExpression indice(R"(\((\d+)\)$)");
        return pagina ? indice.match(pagina->objectName()).captured(1).toInt() : -1;
    }
    QToolButton *Freccia(const QString &verso) const
    {
        if (QWidget *pagina = Cornice(nullptr))
            for (QToolButton *freccia : pagina->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
                if (freccia->toolTip() == verso)
                    return freccia;
        qFatal("page %d of %s has no arrow %s", Pagina(), qPrintable(nome_), qPrintable(verso));
    }
    // A stored value against the expected one: a text as text, anything
    // else as a value, no value as Null.
    static bool Uguali(const QVariant &valore, const QVariant &atteso)
    {
        if (!atteso.isValid() || valore.isNull())
            return !atteso.isValid() && valore.isNull();
        return atteso.typeId() == QMetaType::QString ? valore.toString() == atteso.toString() : valore == atteso;
    }
    // Every row of every table, so that any change shows.
    QStringList Contenuto() const
    {
        const OtherConnection db(env_.DatabasePath());
        QStringList righe;
        for (const QVariantList &tabella : db.Rows("select name from sqlite_master where type = 'table' order by name"))
            for (const QVariantList &riga : db.Rows(QString("select * from \"%1\"").arg(tabella[0].toString()))) {
                QStringList valori{tabella[0].toString()};
                for (const QVariant &valore : riga)
                    valori << (valore.isNull() ? "Null" : valore.toString());
                righe << valori.join('|');
            }
        return righe;
    }

    QString nome_;
};
