// Section 3's delegated activities (page 14: six tabs, six rows per project,
// the waiver) and the picture of the project's structure (page 2: the file
// chooser and "VEDI"), driven through the real window.
#include "PilotaSezione3.h"

#include "Dialogs.h"

#include <QFile>
#include <QGroupBox>

namespace {

const QString kPercorsi = qEnvironmentVariable("PATH");

const QStringList kSchede = {"Progettazione", "Selezione", "Orientamento", "Dispense", "Segreteria Amministrativa",
                             "Docenza"};

// The first of kind t's boxes: reason, third party, requirements, cost.
int Casella(int tipo)
{
    return 4 * tipo + 74;
}

// A field of the project's row of kind t.
QVariant Delegato(PilotaSezione3 &s, int tipo, const QString &campo)
{
    return s.Sql(QString("select %1 from TerziDelegati where Id = ? and tipo = ?").arg(campo), {s.id, tipo});
}

// The kinds of the project's rows, in the order they were added.
QString Tipi(PilotaSezione3 &s)
{
    return s.Sql("select group_concat(tipo) from (select tipo from TerziDelegati where Id = ? order by rowid)", {s.id})
        .toString();
}

QGroupBox *Pagina(PilotaSezione3 &s, int tipo)
{
    return s.W<QGroupBox>(Nome("Frame38", tipo));
}

// The tab's boxes on its page: a click on the tab, then the text typed.
void Scrivi(PilotaSezione3 &s, int tipo, int casella, const QString &testo)
{
    PilotaSezione3::Scheda(s.W<TabStrip>("TabStrip2"), tipo);
    QVERIFY(Pagina(s, tipo)->isVisible());
    TypeInto(s.Casella(casella), testo);
}

// A desktop's xdg-open, first on the path, that writes each argument it is
// given on a line of its own into `<itself>.argomenti`, all at once, then
// ends with `uscita` (3: no program can open the file). It lives beside the
// test program, where programs may run even when the temporary folder
// forbids it.
QString Visore(const QTemporaryDir &cartella, int uscita = 0)
{
    const QString visore = cartella.filePath("xdg-open");
    WriteBytes(visore, QString("#!/bin/sh\n"
                               "uscita=\"$0.argomenti\"\n"
                               ": > \"$uscita.tmp\"\n"
                               "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$uscita.tmp\"; done\n"
                               "mv \"$uscita.tmp\" \"$uscita\"\n"
                               "exit %1\n")
                           .arg(uscita)
                           .toUtf8());
    QFile::setPermissions(visore, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (cartella.path() + ":" + kPercorsi).toLocal8Bit());
    return visore;
}

// What the viewer was given, once it has run.
QString Argomenti(const QString &visore)
{
    const QString file = visore + ".argomenti";
    if (!QTest::qWaitFor([&] { return QFile::exists(file); }, 5000))
        return "(il visore non e' partito)";
    const QString argomenti = QString::fromUtf8(ReadBytes(file));
    QFile::remove(file);
    return argomenti;
}

}  // namespace

class TestSezione3Delega : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }
    void cleanup() { qputenv("PATH", kPercorsi.toLocal8Bit()); }

    // A new project gets its six rows at the first load; the tabs with their
    // captions and tool tips; the waiver enables the first tab's boxes and
    // the strip, and shows the selected tab's page titled with its caption.
    void sixRowsAndTheWaiver()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        QCOMPARE(Tipi(s), QString("1,2,3,4,5,6"));
        s.VaiA(14);
        auto *striscia = s.W<TabStrip>("TabStrip2");
        QCOMPARE(striscia->count(), 6);
        for (int t = 1; t <= 6; ++t) {
            QCOMPARE(striscia->tabText(t - 1), kSchede[t - 1]);
            QCOMPARE(striscia->tabToolTip(t - 1), t == 4 ? QString("Elaborazioni Dispense") : kSchede[t - 1]);
            QCOMPARE(Testi({s.Casella(Casella(t)), s.Casella(Casella(t) + 3)}), (QStringList{"", "0"}));
            for (int c = 0; c < 4; ++c)
                QCOMPARE(s.Casella(Casella(t) + c)->isEnabledTo(Pagina(s, t)), t > 1);
        }
        QVERIFY(Pagina(s, 1)->isVisible());

        s.Spunta("Check1", 28);
        for (int c = 0; c < 4; ++c)
            QVERIFY(s.Casella(Casella(1) + c)->isEnabled());
        QVERIFY(striscia->isEnabled());
        PilotaSezione3::Scheda(striscia, 6);
        QVERIFY(Pagina(s, 6)->isVisible() && Pagina(s, 6)->isEnabled() && Pagina(s, 1)->isHidden());
        QCOMPARE(Pagina(s, 6)->title(), QString("Docenza"));

        // Off again: the first tab's boxes and the strip only.
        s.Spunta("Check1", 28);
        QVERIFY(!s.Casella(Casella(1))->isEnabled() && !striscia->isEnabled());
        QVERIFY(Pagina(s, 6)->isVisible() && Pagina(s, 6)->isEnabled());
        s.Lascia();
        QCOMPARE(s.Campo("Secondario", "DelegaTerzi").toBool(), false);
        QCOMPARE(Tipi(s), QString("1,2,3,4,5,6"));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // The tabs are stored on arriving at page 13 or 15 and on leaving the
    // window, and reloaded on arriving at page 14; the cost is a whole
    // number. Rows missing at the end are added before the tabs are filled
    // or stored, so what a tab shows is never lost; rows beyond six are
    // left alone and nothing is read past the last row.
    void storedWhenPage14IsLeftWithItsSixRows()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(14);
        Scrivi(s, 2, Casella(2) + 1, "Agenzia Selezione s.r.l.");
        TypeInto(s.Casella(Casella(2) + 3), "1.234,6");
        s.Avanti();
        QCOMPARE(Delegato(s, 2, "TerziDelegati").toString(), QString("Agenzia Selezione s.r.l."));
        QCOMPARE(Delegato(s, 2, "Costo").toLongLong(), 1235);
        QCOMPARE(Delegato(s, 1, "Motivazione").toString(), QString());

        // Arriving at page 14 completes the rows and fills the tabs only.
        env.ExecSql("update TerziDelegati set Requisiti = 'dal database' where Id = ? and tipo = 3", {s.id});
        env.ExecSql("delete from TerziDelegati where Id = ? and tipo >= 4", {s.id});
        s.Indietro();
        QCOMPARE(Tipi(s), QString("1,2,3,4,5,6"));
        QCOMPARE(Testi({s.Casella(Casella(2) + 1), s.Casella(Casella(2) + 3), s.Casella(Casella(3) + 2),
                        s.Casella(Casella(5))}),
                 (QStringList{"Agenzia Selezione s.r.l.", "1235", "dal database", ""}));

        // Typed on tab "Docenza", then the previous arrow: the rows are
        // completed and the tabs stored before page 13 reloads them.
        Scrivi(s, 6, Casella(6), "Docenti del modulo di sicurezza");
        TypeInto(s.Casella(Casella(6) + 3), "abc");
        env.ExecSql("delete from TerziDelegati where Id = ? and tipo >= 5", {s.id});
        s.Indietro();
        QCOMPARE(Tipi(s), QString("1,2,3,4,5,6"));
        QCOMPARE(Delegato(s, 6, "Motivazione").toString(), QString("Docenti del modulo di sicurezza"));
        QCOMPARE(Delegato(s, 6, "Costo").toLongLong(), 0);
        QCOMPARE(Testo(s.Casella(Casella(6))), QString("Docenti del modulo di sicurezza"));

        env.ExecSql("insert into TerziDelegati (Id, tipo, Motivazione) values (?, 7, 'settima')", {s.id});
        s.Avanti();
        Scrivi(s, 4, Casella(4) + 2, "Tipografia");
        s.Lascia();
        QCOMPARE(Delegato(s, 4, "Requisiti").toString(), QString("Tipografia"));
        QCOMPARE(Tipi(s), QString("1,2,3,4,5,6,7"));
        QCOMPARE(Delegato(s, 7, "Motivazione").toString(), QString("settima"));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // "..." opens the chooser with its title and filter in the program's
    // folder, or where the box's path points; a bmp, jpg, pcx, gif or tif
    // file whatever its capitals goes into the box (the chooser's filter
    // shows them all), anything else is refused; cancelling changes
    // nothing. The path is stored with the page.
    void choosingThePicture()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(2);
        QWidget *percorso = s.Casella(9);
        QAbstractButton *scegli = s.W<QAbstractButton>("Command3");
        QCOMPARE(scegli->text(), QString("..."));

        Dialogs::Queue(QString());
        Clic(scegli);
        const Dialogs::Shown scelta = Dialogs::History().last();
        QCOMPARE(scelta.kind, QString("open"));
        QCOMPARE(scelta.text, QString("Selezione 'File Grafico'"));
        QCOMPARE(scelta.folder, env.Folder());
        QCOMPARE(scelta.filter, QString("File Grafici (*.bmp *.jpg *.pcx *.gif *.tif)"));
        QCOMPARE(Testo(percorso), QString());
        QCOMPARE(Dialogs::Messages(), QStringList());
        const QString filtro = Dialogs::AnyCaseFilter(scelta.filter);
        QVERIFY(filtro.startsWith("File Grafici ("));
        const auto mostrato = [&](const QString &nome) {
            for (const QString &modello : filtro.section('(', 1).chopped(1).split(' '))
                if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(modello)).match(nome).hasMatch())
                    return true;
            return false;
        };
        for (const char *nome : {"fasi.bmp", "Fasi.GIF", "fasi.Jpg", "F.PCX", "f.tIf"})
            QVERIFY2(mostrato(nome), nome);
        for (const char *nome : {"fasi.jpeg", "fasi.tiff", "fasi.doc", "bmp"})
            QVERIFY2(!mostrato(nome), nome);

        const QString gif = "/home/ente/Progetto Uno/Fasi.GIF";
        Dialogs::Queue(gif);
        Clic(scegli);
        QCOMPARE(Testo(percorso), gif);
        for (const char *altro : {"/home/ente/fasi.jpeg", "/home/ente/relazione.doc"}) {
            Dialogs::ClearHistory();
            Dialogs::Queue(QString(altro));
            Clic(scegli);
            QCOMPARE(Dialogs::Messages(), QStringList{"Selezionare un File Immagine Valido !"});
            QCOMPARE(Dialogs::History().first().folder, gif);
            QCOMPARE(Testo(percorso), gif);
        }

        s.Altrove();
        QCOMPARE(s.Campo("Principale", "FoglioGrafico").toString(), gif);
        QCOMPARE(Testo(percorso), gif);

        // A bare name is proposed in the program's folder.
        TypeInto(percorso, "fasi.bmp");
        Dialogs::Queue(QString());
        Clic(scegli);
        QCOMPARE(Dialogs::History().last().folder, env.Folder() + "/fasi.bmp");
        QCOMPARE(Testo(percorso), QString("fasi.bmp"));
    }

    // "VEDI" hands the path to the viewer as one argument, blanks and
    // semicolons included, never to a shell; a path starting with "-" is
    // not an option; an empty box starts nothing; a viewer that cannot
    // open the file, or cannot start, is told when it fails.
    void vediOpensThePicture()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(2);
        const QTemporaryDir cartella(QCoreApplication::applicationDirPath() + "/visore-XXXXXX");
        const QString visore = Visore(cartella);
        QAbstractButton *vedi = s.W<QAbstractButton>("Command4");
        QCOMPARE(vedi->text(), QString("VEDI"));

        const QString percorso = env.Folder() + "/Progetto Uno/fasi; touch violato \"x\" $(id).bmp";
        TypeInto(s.Casella(9), percorso);
        Clic(vedi);
        QCOMPARE(Argomenti(visore), percorso + "\n");

        TypeInto(s.Casella(9), "-fasi.bmp");
        Clic(vedi);
        QCOMPARE(Argomenti(visore), QString("./-fasi.bmp\n"));

        TypeInto(s.Casella(9), "");
        Clic(vedi);
        QTest::qWait(200);
        QVERIFY(!QFile::exists(visore + ".argomenti"));
        QCOMPARE(Dialogs::Messages(), QStringList());

        Visore(cartella, 3);
        TypeInto(s.Casella(9), percorso);
        Clic(vedi);
        QCOMPARE(Argomenti(visore), percorso + "\n");
        QTRY_COMPARE(Dialogs::Messages(), QStringList{"Errore nell'apertura di '" + percorso
                                                      + "': nessun programma disponibile per aprirlo."});

        qputenv("PATH", env.Folder().toLocal8Bit());
        Clic(vedi);
        QTRY_COMPARE(Dialogs::Messages().size(), 2);
        QVERIFY2(Dialogs::Messages()[1].startsWith("Errore nell'avvio del programma xdg-open: "),
                 qPrintable(Dialogs::Messages()[1]));
    }
};

QTEST_MAIN(TestSezione3Delega)
#include "tst_sezione3_delega.moc"
