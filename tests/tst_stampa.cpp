// The print run behind "Avvia Stampa" and the printing after it, driven
// through section 4's print page under Italian settings: the steps in order
// with their labels and bar, each template filled from its rows, the chosen
// actions with their own totals, the document written or left as it was,
// the run's failures, and printing through the printer dialog to a PDF.
#include "PilotaStampa.h"
#include "ProgettoEsempio.h"

#include "RichTextBox.h"
#include "RtfLexer.h"
#include "Sezione1Form.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#include <sched.h>
#include <sys/mount.h>

namespace {

// The document that the small templates give: the first fragment with the
// header, the others as bodies, then the closing brace.
QByteArray Atteso(const QList<QByteArray> &corpi)
{
    QByteArray documento = IntestazioneProva;
    for (const QByteArray &corpo : corpi)
        documento += "\r\n" + corpo + "\r\n";
    return documento + "}\r\n";
}

QByteArray C(const char *modello, const QByteArray &valori = {})
{
    return PilotaStampa::Corpo(modello, valori);
}

int Pagine(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

// A folder made read-only for as long as this lives: immutable where the
// file system allows it (which binds the superuser too), else without write
// permission.
class SolaLettura
{
public:
    explicit SolaLettura(const QString &cartella) : cartella_(cartella)
    {
        immutabile_ = QProcess::execute("chattr", {"+i", cartella_}) == 0;
        if (!immutabile_)
            QFile::setPermissions(cartella_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~SolaLettura()
    {
        if (immutabile_)
            QProcess::execute("chattr", {"-i", cartella_});
        else
            QFile::setPermissions(cartella_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // True when no file can be made in the folder.
    bool Vale() const
    {
        QFile prova(cartella_ + "/prova");
        if (!prova.open(QIODevice::WriteOnly))
            return true;
        prova.remove();
        return false;
    }

private:
    QString cartella_;
    bool immutabile_ = false;
};

// A folder made a file system of its own with no room left, for as long as
// this lives, in a mount namespace of this process alone; Vale() is false
// where this user may not mount one.
class DiscoPieno
{
public:
    explicit DiscoPieno(const QString &cartella) : cartella_(cartella.toLocal8Bit())
    {
        montato_ = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                   && mount("velkaro", cartella_.constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~DiscoPieno()
    {
        if (montato_)
            umount2(cartella_.constData(), MNT_DETACH);
    }
    bool Vale() const { return montato_; }
    // Fills what room is left.
    void Riempi() const
    {
        QFile pieno(QString::fromLocal8Bit(cartella_) + "/pieno");
        pieno.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (pieno.write(QByteArray(4096, 'x')) > 0) {
        }
    }

private:
    QByteArray cartella_;
    bool montato_ = false;
};

}  // namespace

class TestStampa : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InitTestProcess();
        Database::SetBusyTimeout(100);  // ms a statement waits for another program's lock
    }

    // The steps that always run, with section 1 open before the run: it
    // lends its figures, then closes and stores itself all the same. A
    // second run replaces the document.
    void theMinimalProjectRunsTheFixedSteps()
    {
        TestEnvironment env;
        PilotaStampa s(env);
        env.ExecSql("update Secondario set OreTeoria = 120, OrePratica = 80 where Id = ?", {s.id});
        env.MainWindow()->findChild<QAction *>("Sezione1")->trigger();
        Settle();
        const QString oreSezione1 =
            qobject_cast<Sezione1Form *>(env.MainWindow()->Finestra("Sezione1Form"))->Text2->text();
        QVERIFY(!oreSezione1.isEmpty());
        s.StampaTesto({{"fase1.rtf", " [Principale!Id] [Calcolo!TotaleOre] [Principale!Oggetto]"}});

        QCOMPARE(s.passi, (QStringList{"Fase 1", "Fase 1 Chiusura", "Fase 4", "Fase 5", "Fase 6", "Fase 7",
                                       "Fase 7 Chiusura", "Fase 8", "Fase 8 Chiusura"}));
        QCOMPARE(s.barra, QList<int>({2, 3, 4, 5, 6, 7, 8, 9, 10}));
        s.Completata();
        const QByteArray primo =
            C("fase1.rtf", " " + QByteArray::number(s.id) + " " + oreSezione1.toLatin1() + " Nuovo Progetto");
        QCOMPARE(s.Testo(), Atteso({primo, C("fase1fine.rtf"), C("fase4.rtf"), C("fase7.rtf"), C("fase7fine.rtf"),
                                    C("totale.rtf")}));
        QCOMPARE(QFileInfo(s.Documento()).fileName(), QString("Progetto%1.rtf").arg(s.id));
        QCOMPARE(Dialogs::History().size(), 1);
        QCOMPARE(Dialogs::History()[0].text, s.Messaggio());
        QCOMPARE(Dialogs::History()[0].title, QString("Generazione Testo"));
        // The path the message names is the file the run wrote.
        const QString nominato = Dialogs::History()[0].text.section("si chiama ", 1);
        QVERIFY2(QFileInfo(nominato).isAbsolute() && ReadBytes(nominato) == s.Testo(), qPrintable(nominato));
        QVERIFY(!env.MainWindow()->Finestra("Sezione1Form"));
        QVERIFY(!env.Sql("select UltimaModifica from Principale where Id = ?", {s.id}).toString().isEmpty());
        // The page stays, ready for another run; the box shows the last template.
        QCOMPARE(s.Pagina(), 11);
        QVERIFY(ModoStampa);
        QVERIFY(s.form->ui.RichTextBox1->isVisible());
        QVERIFY(s.form->ui.RichTextBox1->TextRTF().contains("<totale>"));

        env.ExecSql("update Principale set Oggetto = 'dopo' where Id = ?", {s.id});
        s.Avvia();
        QVERIFY(s.Testo().contains(" dopo>"));
        QVERIFY(!s.Testo().contains("Nuovo Progetto"));
        QCOMPARE(s.barra.size(), 9);
        QCOMPARE(Dialogs::Messages(), QStringList({s.Messaggio(), s.Messaggio()}));
    }

    void everyRowFillsAFragmentOfItsOwn_data()
    {
        QTest::addColumn<int>("attivita");
        QTest::newRow("client companies") << 1;
        QTest::newRow("consortium members") << 2;
    }

    // One fragment per row, each filled from its own row, with the row
    // labels counting from 1; the partners of the other activity type and
    // the unflagged lists are not printed.
    void everyRowFillsAFragmentOfItsOwn()
    {
        QFETCH(int, attivita);
        TestEnvironment env;
        PilotaStampa s(env);
        env.ExecSql("update Principale set ATS = 1, AttivitaFormativa = ? where Id = ?", {attivita, s.id});
        env.ExecSql("update Secondario set DelegaTerzi = 1 where Id = ?", {s.id});
        for (const char *nome : {"A1", "A2"})
            env.ExecSql("insert into ATS (Id, Denominazione) values (?, ?)", {s.id, nome});
        for (const char *nome : {"C1", "C2", "C3"}) {
            env.ExecSql("insert into Committenti (Id, Denominazione) values (?, ?)", {s.id, nome});
            env.ExecSql("insert into Consorzi (Id, Denominazione) values (?, ?)", {s.id, nome + QString("c")});
        }
        env.ExecSql("insert into Committenti (Id, Denominazione) values (?, 'altro progetto')", {s.id + 1});
        for (const char *titolo : {"M1", "M2"})
            env.ExecSql("insert into ProgrammaDidattico (ID, Titolo) values (?, ?)", {s.id, titolo});
        env.ExecSql("insert into ProgrammaAzione (ID, Titolo) values (?, 'P1')", {s.id});
        for (const char *motivo : {"D1", "D2"})
            env.ExecSql("insert into TerziDelegati (Id, tipo, Motivazione) values (?, 1, ?)", {s.id, motivo});
        s.StampaTesto({{"fase1ats.rtf", " [ATS!Denominazione]"},
                       {"fase2.rtf", " [Committenti!Denominazione]"},
                       {"fase3.rtf", " [Consorzi!Denominazione]"},
                       {"fase5.rtf", " [ProgrammaDidattico!Titolo]"},
                       {"fase6.rtf", " [ProgrammaAzione!Titolo]"},
                       {"fase7delega.rtf", " [TerziDelegati!Motivazione]"}});

        const bool committenti = attivita == 1;
        const QString fase = QString("Fase %1, Fase %1 n.1, Fase %1 n.2, Fase %1 n.3").arg(committenti ? 2 : 3);
        QCOMPARE(s.passi.join(", "), "Fase 1, Fase 1 ATS, Fase 1 ATS n.1, Fase 1 ATS n.2, Fase 1 Chiusura, " + fase
                                         + ", Fase 4, Fase 5, Fase 5, Fase 5, Fase 6, Fase 6 n.1, Fase 7, "
                                           "Fase 7 Delega a Terzi, Fase 7 Delega a Terzi n.1, Fase 7 Delega a Terzi "
                                           "n.2, Fase 7 Chiusura, Fase 8, Fase 8 Chiusura");
        QList<QByteArray> corpi = {C("fase1.rtf"), C("fase1ats.rtf", " A1"), C("fase1ats.rtf", " A2"),
                                   C("fase1fine.rtf")};
        for (const char *nome : {"C1", "C2", "C3"})
            corpi << (committenti ? C("fase2.rtf", QByteArray(" ") + nome)
                                  : C("fase3.rtf", QByteArray(" ") + nome + "c"));
        corpi << C("fase4.rtf") << C("fase5.rtf", " M1") << C("fase5.rtf", " M2") << C("fase6.rtf", " P1")
              << C("fase7.rtf") << C("fase7delega.rtf", " D1") << C("fase7delega.rtf", " D2") << C("fase7fine.rtf")
              << C("totale.rtf");
        QCOMPARE(s.Testo(), Atteso(corpi));
    }

    // Actions in columns 3 and 11 print in that order, whatever their keys,
    // each with the totals section 4 shows for it; the last one stays current.
    void theChosenActionsPrintWithTheirOwnTotals()
    {
        TestEnvironment env;
        PilotaStampa s(env);
        const qint64 undici = s.Scegli(11);
        const qint64 tre = s.Scegli(3);
        // Each with its total, as section 4 stores it.
        env.ExecSql("update SpeseSez3 set INAIL = 1500000, AssItinere = 200000, VOCISPESA = 1700000 "
                    "where IDSEZ3 = ?",
                    {tre});
        env.ExecSql("update SpeseSez3 set INAIL = 70000, DiscoccupatiN = 2, DisoccupatiOre = 10, "
                    "DisoccupatiImporto = 5000, VOCISPESA = 170000 where IDSEZ3 = ?",
                    {undici});

        // What section 4 shows for each action.
        env.MainWindow()->findChild<QAction *>("Sezione4")->trigger();
        Settle();
        s.form = qobject_cast<Sezione4Form *>(env.MainWindow()->Finestra("Sezione4Form"));
        QMap<qint64, QByteArray> mostrati;
        for (const auto &[gruppo, chiave] : {std::pair{1, tre}, {2, undici}}) {
            s.RendiCorrente(0, gruppo);
            QCOMPARE(s.form->IdSez3Corrente, chiave);
            mostrati[chiave] = (" " + QString::number(chiave) + " " + s.form->ui.Text3->text() + " "
                                + s.form->ui.Text2->text() + " " + s.form->ui.Text26->text())
                                   .toLatin1();
        }
        // The action's total as its items compute it.
        QCOMPARE(mostrati[tre], " " + QByteArray::number(tre) + " 1.700.000  1.700.000");
        QCOMPARE(mostrati[undici], " " + QByteArray::number(undici) + " 70.000 100.000 170.000");

        s.StampaTesto({{"fase8.rtf", " [SpeseSez3!IDSEZ3] [Calcolo!TAssic] [Calcolo!TIndennita] [Calcolo!TTotali]"}});
        QCOMPARE(s.passi.mid(7), (QStringList{"Fase 8", "Fase 8 n.3", "Fase 8 n.11", "Fase 8 Chiusura"}));
        QCOMPARE(s.Testo(),
                 Atteso({C("fase1.rtf"), C("fase1fine.rtf"), C("fase4.rtf"), C("fase7.rtf"), C("fase7fine.rtf"),
                         C("fase8.rtf", mostrati[tre]), C("fase8.rtf", mostrati[undici]), C("totale.rtf")}));
        QCOMPARE(s.form->IdSez3Corrente, undici);
        QCOMPARE(s.form->DescrizioneAzioneCorrente, QString("Formazione"));
        QCOMPARE(s.form->ui.Label2[0]->text(), QString("Formazione"));
    }

    // Nothing of one action's costs shows in the next one's fragment, nor is
    // stored under it when "Chiudi" stores the last one; its name stays.
    // Steps whose row is missing (no target groups' row, an action without
    // its cost record) fill their templates from an empty row.
    void nothingOfOneActionLeaksIntoTheNext()
    {
        TestEnvironment env;
        PilotaStampa s(env);
        const qint64 prima = s.Scegli(2);
        const qint64 senzaRecord = s.Scegli(4);
        env.ExecSql("delete from SpeseSez3 where IDSEZ3 = ?", {senzaRecord});
        const qint64 seconda = s.Scegli(5);
        env.ExecSql("update SpeseSez3 set DescrizioneAzione = 'Supporto alla integrazione sistemi', INAIL = 900, "
                    "DiscoccupatiN = 3, DisoccupatiOre = 4, DisoccupatiImporto = 5, VOCISPESA = 960 where IDSEZ3 = ?",
                    {prima});
        env.ExecSql("update SpeseSez3 set DescrizioneAzione = 'Accompagnamento alle politiche occupazionali' "
                    "where IDSEZ3 = ?",
                    {seconda});
        s.StampaTesto({{"fase4.rtf", " ([DestinatariIntervento!Destinatario01])"},
                       {"fase8.rtf", " [SpeseSez3!IDSEZ3] [Calcolo!Tdisoccupati] [Calcolo!TIndennita] "
                                     "[Calcolo!TAssic] [Calcolo!TTotali]"}});
        const QByteArray testo = s.Testo();
        QVERIFY(testo.contains(C("fase4.rtf", " ()")));
        QVERIFY(testo.contains(C("fase8.rtf", " " + QByteArray::number(prima) + " 60 60 900 960")));
        QVERIFY(testo.contains(C("fase8.rtf", "     ")));  // the action without its record
        QVERIFY(testo.contains(C("fase8.rtf", " " + QByteArray::number(seconda) + "    ")));
        QCOMPARE(s.form->ui.Label2[6]->text(), QString("Accompagnamento alle politiche occupazionali"));
        s.Completata();

        s.Premi(s.form->ui.Annulla);
        QVERIFY(!ModoStampa);
        QVERIFY(!env.MainWindow()->Finestra("Sezione4Form"));
        QCOMPARE(s.Spesa(seconda, "DescrizioneAzione").toString(),
                 QString("Accompagnamento alle politiche occupazionali"));
        for (const char *campo : {"INAIL", "DiscoccupatiN", "DisoccupatiOre", "DisoccupatiImporto", "VOCISPESA"})
            QVERIFY2(s.Spesa(seconda, campo).toLongLong() == 0, campo);
        QCOMPARE(s.Spesa(prima, "DescrizioneAzione").toString(), QString("Supporto alla integrazione sistemi"));
        QCOMPARE(s.Spesa(prima, "INAIL").toLongLong(), 900);
        QVERIFY(Dialogs::Messages() == QStringList({s.Messaggio()}));
    }

    // A project without its Azioni row: told once, the document completed.
    void withoutTheActionsRowTheDocumentIsStillCompleted()
    {
        TestEnvironment env;
        PilotaStampa s(env, false);
        s.StampaTesto();
        QCOMPARE(Dialogs::Messages(), QStringList({"Tabella Azioni incongruente!", s.Messaggio()}));
        QVERIFY(s.Testo().endsWith(C("totale.rtf") + "\r\n}\r\n"));
        QVERIFY(!s.Testo().contains("<fase8"));
        s.Completata();
    }

    void aRunThatFailsSaysWhyAndLeavesThePageAndTheDocument_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::newRow("missing template") << "modello";
        QTest::newRow("document that cannot be written") << "documento";
        QTest::newRow("database error") << "archivio";
        QTest::newRow("no current project") << "progetto";
        QTest::newRow("program folder that takes no new file") << "cartella";
        QTest::newRow("program folder on a full disk") << "disco";
        QTest::newRow("archive locked by another program") << "blocco";
    }

    // The error's own description, OK only and no title; the cursor,
    // buttons and bar as before the run; the previous document unchanged;
    // nothing printed (no printer dialog) and no "Completata".
    void aRunThatFailsSaysWhyAndLeavesThePageAndTheDocument()
    {
        QFETCH(QString, guasto);
        TestEnvironment env;
        PilotaStampa s(env);
        QTemporaryDir programma;
        std::optional<SolaLettura> cartella;
        std::optional<DiscoPieno> disco;
        std::optional<OtherConnection> altro;
        env.ExecSql("update Secondario set DelegaTerzi = 1 where Id = ?", {s.id});
        s.StampaTesto();
        const QString documento = s.Documento();
        const QByteArray prima = ReadBytes(documento);
        QVERIFY(prima.endsWith("}\r\n"));
        s.Stampa();
        Dialogs::ClearHistory();

        QString atteso;
        if (guasto == "modello") {
            QVERIFY(QFile::remove(s.Modello("fase5.rtf")));
            atteso = QString("Impossibile trovare il file '%1'.").arg(QDir::toNativeSeparators(s.Modello("fase5.rtf")));
        } else if (guasto == "documento") {
            // A folder stands where the document goes.
            QVERIFY(QFile::remove(s.Documento()));
            QVERIFY(QDir().mkdir(s.Documento()));
            atteso = QString("Impossibile creare il file '%1': al suo posto c'è una cartella.")
                         .arg(QDir::toNativeSeparators(s.Documento()));
        } else if (guasto == "archivio") {
            env.ExecSql("drop table TerziDelegati");
        } else if (guasto == "cartella") {
            ImpostaCartellaProgramma(programma.path());
            s.ModelliBrevi();
            cartella.emplace(programma.path());
            if (!cartella->Vale())
                QSKIP("this user can write into a read-only folder here");
            atteso = QString("Impossibile creare il file '%1': la cartella è di sola lettura.")
                         .arg(QDir::toNativeSeparators(s.Documento()));
        } else if (guasto == "disco") {
            disco.emplace(programma.path());
            if (!disco->Vale())
                QSKIP("this user may not mount a file system here");
            ImpostaCartellaProgramma(programma.path());
            s.ModelliBrevi();
            disco->Riempi();
            atteso = QString("Impossibile scrivere il file '%1': spazio su disco esaurito.")
                         .arg(QDir::toNativeSeparators(s.Documento()));
        } else if (guasto == "blocco") {
            // Held across the whole run: the read fails, the project is there.
            altro.emplace(env.DatabasePath());
            altro->Value("BEGIN EXCLUSIVE");
            atteso = QString("L'archivio '%1' è bloccato da un altro programma.")
                         .arg(QDir::toNativeSeparators(env.DatabasePath()));
        } else {
            IdProgetto = 0;
            atteso = "Il Progetto non esiste";
        }
        s.Avvia();
        QCOMPARE(Dialogs::History().size(), 1);
        QCOMPARE(Dialogs::History()[0].kind, QString("message"));
        QCOMPARE(Dialogs::History()[0].title, QString());
        if (!atteso.isEmpty())
            QCOMPARE(Dialogs::History()[0].text, atteso);
        else
            QVERIFY(Dialogs::History()[0].text.contains("TerziDelegati"));
        s.PaginaAPosto();
        if (guasto != "documento")
            QCOMPARE(ReadBytes(documento), prima);
        QVERIFY(QDir(programma.path()).entryList({"Progetto*"}).isEmpty());
        QVERIFY(!QFileInfo::exists(env.Folder() + "/stampa.pdf"));
    }

    // However many rows, the bar stops at its maximum.
    void manyModulesKeepTheBarAtItsMaximum()
    {
        TestEnvironment env;
        PilotaStampa s(env);
        for (int n = 1; n <= 25; ++n)
            env.ExecSql("insert into ProgrammaDidattico (ID, Titolo) values (?, ?)", {s.id, QString("M%1").arg(n)});
        for (int tipo = 1; tipo <= 10; ++tipo)
            s.Scegli(tipo);
        s.StampaTesto();
        // Every value from 2 to 40 once, then no more advances.
        QCOMPARE(s.barra.size(), 39);
        QVERIFY(std::is_sorted(s.barra.begin(), s.barra.end()));
        QCOMPARE(s.barra.last(), 40);
        QCOMPARE(s.form->ui.ProgressBar1->maximum(), 40);
        QCOMPARE(s.Testo().count("<fase5>"), 25);
        QCOMPARE(s.Testo().count("<fase8>"), 10);
        s.Completata();
    }

    // During a run the page's buttons do nothing and the window, like the
    // program, cannot be closed.
    void nothingInterruptsARun()
    {
        TestEnvironment env;
        PilotaStampa s(env);
        s.Scegli(1);
        s.ModelliBrevi();
        s.ApriStampa();
        s.SoloTesto();
        QPointer<Sezione4Form> finestra = s.form;
        bool provato = false;
        QTimer::singleShot(0, s.form, [&] {
            provato = true;
            QVERIFY(s.form->IsBusy());
            QVERIFY(!s.form->ui.AvviaStampa->isEnabled() && !s.form->ui.Annulla->isEnabled());
            QTest::mouseClick(s.form->ui.AvviaStampa, Qt::LeftButton);
            QTest::mouseClick(s.form->ui.Annulla, Qt::LeftButton);
            QVERIFY(!s.form->SubWindow()->close());
            QVERIFY(!env.MainWindow()->close());
        });
        s.Avvia();
        QVERIFY(provato);
        QVERIFY(finestra);
        QVERIFY(ModoStampa);
        QCOMPARE(s.passi.count("Fase 1"), 1);
        QCOMPARE(Dialogs::Messages(), QStringList({s.Messaggio()}));
        s.Completata();
    }

    // The program's printer dialog offers no page range; the copies the user
    // chooses stay with the printer.
    void thePrinterDialogOffersNoPageRange()
    {
        Dialogs::SetQueueMode(false);
        bool intervallo = true;
        bool mostrata = false;
        WhenModal([&](QDialog *finestra) {
            auto *dialogo = qobject_cast<QPrintDialog *>(finestra);
            mostrata = dialogo;
            if (dialogo)
                intervallo = dialogo->testOption(QAbstractPrintDialog::PrintPageRange);
            if (auto *copie = finestra->findChild<QSpinBox *>("copies"))
                copie->setValue(3);
            finestra->accept();
        });
        QPrinter stampante;
        const bool scelta = Dialogs::Printer(stampante);
        Dialogs::SetQueueMode(true);
        QVERIFY(mostrata);
        QVERIFY(scelta);
        QVERIFY(!intervallo);
        QCOMPARE(stampante.copyCount(), 3);
    }

    void printingThatDoesNotHappen_data()
    {
        QTest::addColumn<int>("copie");
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<QStringList>("messaggi");
        QTest::newRow("cancelled") << 0 << "stampa.pdf" << QStringList();
        QTest::newRow("cannot print") << 1 << "manca/stampa.pdf"
                                      << QStringList{"Impossibile avviare la stampa sulla stampante scelta."};
    }

    // Cancelling the printer dialog prints nothing and says nothing; a
    // printer that cannot be printed on, once the dialog is accepted, says so.
    void printingThatDoesNotHappen()
    {
        QFETCH(int, copie);
        QFETCH(QString, pdf);
        TestEnvironment env;
        PilotaStampa s(env);
        s.ModelliBrevi();
        s.ApriStampa();
        QVERIFY(s.form->ui.Option1->isChecked());
        Dialogs::Queue(Dialogs::PrinterAnswer(copie, env.Folder() + "/" + pdf));
        s.Avvia();
        QCOMPARE(Dialogs::Pending(), 0);
        QCOMPARE(Dialogs::History()[0].kind, QString("print"));
        QTEST(Dialogs::Messages(), "messaggi");
        QVERIFY(!QFileInfo::exists(env.Folder() + "/" + pdf));
        s.Completata();
    }

    // The whole document printed once in one job of three copies; its text
    // holds the project's title and figures.
    void threeCopiesAreOneJobOfTheWholeDocument()
    {
        TestEnvironment env;
        PilotaStampa s(env);
        s.ModelliVeri();
        s.Scegli(11);
        env.ExecSql("update Principale set Oggetto = 'Corso per saldatori TIG' where Id = ?", {s.id});
        env.ExecSql("update Secondario set CostoProgetto = 250000000 where Id = ?", {s.id});
        s.ApriStampa();
        const QString pdf = env.Folder() + "/stampa.pdf";
        Dialogs::Queue(Dialogs::PrinterAnswer(3, pdf));
        s.Avvia();
        QCOMPARE(Dialogs::Pending(), 0);
        QVERIFY(Dialogs::Messages().isEmpty());
        QCOMPARE(s.form->ui.RichTextBox1->TextRTF(), s.Testo());

        // The same document printed once, as one copy.
        QPrinter una(QPrinter::HighResolution);
        una.setOutputFormat(QPrinter::PdfFormat);
        una.setOutputFileName(env.Folder() + "/una.pdf");
        RichTextBox box;
        box.LoadFile(s.Documento());
        box.SelPrint(&una);
        const int pagine = Pagine(ReadBytes(env.Folder() + "/una.pdf"));
        QVERIFY(pagine >= 8);
        QCOMPARE(Pagine(ReadBytes(pdf)), pagine);

        const QString testo = TestoPdf(pdf);
        QVERIFY(testo.contains("Corso per saldatori TIG"));
        QVERIFY(testo.contains("Progetto n. " + QString::number(s.id)));
        QVERIFY(testo.contains("175.000.000"));  // the public share of the cost
        QVERIFY(testo.contains("Formazione"));
    }
};

QTEST_MAIN(TestStampa)
#include "tst_stampa.moc"
