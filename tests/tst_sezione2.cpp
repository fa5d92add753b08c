// Section 2's window, its page wizard and the proposer's pages (page frames
// 0 to 3), driven through the real window under Italian settings.
#include "PilotaSezione2.h"

#include "ComboBox.h"
#include "Dialogs.h"
#include "Globali.h"
#include "PianoSezione2.h"
#include "TextBox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextCursor>

#include <algorithm>

namespace {

// One text box of pages 0 to 3 and the field it belongs to.
struct Casella
{
    int indice;
    QString tabella, campo;
    int tipo;       // 0 text, 1 whole number, 2 date
    int lunghezza;  // 0: none
    int pagina;
};

// The boxes Text1(0), Text1(1), ... in order. Each entry reads
// "[S.]Field[:kind][/length]": S. for Secondario, kind 1 whole number, 2 date.
QList<Casella> Caselle()
{
    QList<Casella> caselle;
    const auto aggiungi = [&](int pagina, const QString &voci) {
        static const QRegularExpression forma(R"((S\.)?(\w+)(?::(\d))?(?:/(\d+))?)");
        for (const QString &voce : voci.split(' ', Qt::SkipEmptyParts)) {
            const auto m = forma.match(voce);
            caselle.append({int(caselle.size()), m.captured(1).isEmpty() ? "Principale" : "Secondario", m.captured(2),
                            m.captured(3).toInt(), m.captured(4).toInt(), pagina});
        }
    };
    aggiungi(0, "Denominazione SedeLegale Cap1 Citta1 Prov1 Telefono1 Fax1 SedeRegione Cap2 Citta2 Prov2 Telefono2 "
                "Fax2 LegaleRappresentante natoa DNascitaLR:2 Residente CF1 Estremi S.Banca/120 S.Sede/120 S.ABI/10 "
                "S.CAB/10 S.ContoCorrente/10 S.IndirizzoBanca/120 AttoCostitutivo/120 SettoreAppartenenza/120 "
                "AnnoCostituzione:1/10 IscrizioneCCIAA/20 RegistroPrefettizio/255");
    for (int r = 1; r <= 5; ++r)
        aggiungi(1, QString("S.nUnita%1:1/5 S.rapporto%1/120").arg(r));
    aggiungi(1, "S.Altro5 Attrezzatureadispo PrincipaliAttivita");
    for (int a = 1; a <= 3; ++a)
        aggiungi(2, QString("CorsiALNumA%1:1/10 CorsiALOreA%1:1%2 CorsiPubbliciNumA%1:1/10 CorsiPubbliciOreA%1:1%2 "
                            "CorsiPubbliciFinA%1:1%3 CorsiPrivatiNumA%1:1/10 CorsiPrivatiOreA%1:1%2 "
                            "CorsiPrivatiFinA%1:1%3 CorsiKVRProg1A%1/20 CorsiKVRProg2A%1/20 CorsiKVRProg3A%1/20 "
                            "CorsiKVRProg4A%1%4")
                        .arg(a)
                        .arg(a == 3 ? "" : "/10", a == 1 ? "/20" : "", a == 3 ? "" : "/20"));
    for (int a = 1; a <= 3; ++a)
        aggiungi(3, QString("IscrittiInizioA%1:1/10 IscrittiFineA%1:1/20").arg(a));
    aggiungi(3, "OccRealFormazione:1/20 OccMantenuta:1/20 RelazioneSintetica");
    return caselle;
}

// What is typed into a box, what is then stored, and what the box shows.
struct Valori
{
    QString digitato;
    QVariant registrato;
    QString mostrato;
};
Valori ValoriDi(const Casella &c)
{
    const int n = c.indice * 10;
    if (c.tipo == 1)
        return {QString("%1,5").arg(n + 1), qint64(n + 2), QString::number(n + 2)};  // rounded up
    if (c.tipo == 2)
        return {"25/12/1970", QString("1970-12-25T00:00:00"), "25/12/1970"};
    const QString testo = QString("0%1 Ab").arg(c.indice);  // a leading zero kept
    return {testo, testo, testo};
}

int Lunghezza(QWidget *box)
{
    if (auto *riga = qobject_cast<TextBox *>(box))
        return riga->Limit();
    return qobject_cast<MultiLineEdit *>(box)->Limit();
}

}  // namespace

class TestSezione2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // The walk of each activity type with mouse clicks on the arrows, and
    // back to section 1. A consortium row left from an earlier type 2 keeps
    // its name: a walk that never shows its page leaves it alone, one that
    // does stores it as shown; no walk reports a missing company.
    void walksTheActivityTypesPlans_data()
    {
        QTest::addColumn<QVariant>("tipo");
        QTest::addColumn<QList<int>>("pagine");
        QTest::newRow("never stored") << QVariant() << QList<int>{0, 1, 2, 3};
        QTest::newRow("Disoccupati") << QVariant(0) << QList<int>{0, 1, 2, 3};
        QTest::newRow("Conto di Soggetti Terzi") << QVariant(1) << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("Personale Dipendente") << QVariant(2) << QList<int>{0, 1, 2, 3, 5};
    }
    void walksTheActivityTypesPlans()
    {
        QFETCH(QVariant, tipo);
        QFETCH(QList<int>, pagine);
        TestEnvironment env;
        PagineSezione2.fill(6);
        PilotaSezione2 s(env, tipo, false);
        env.ExecSql("insert into Consorzi (Id, consorzio, Denominazione) values (?, 'Nessuno', 'Prima')", {s.id});
        s.Apri();
        QCOMPARE(s.form->windowTitle(), QString("Sezione 2"));
        QCOMPARE(s.Cammino(), pagine);
        QVERIFY(s.Sezione3Aperta());
        QCOMPARE(s.form->PaginaCorrente, int(pagine.size()) - 1);
        QCOMPARE(s.Campo("Consorzi", "Denominazione").toString(), QString("Prima"));
        QCOMPARE(Dialogs::Messages(), QStringList());

        s.Apri();
        for (int i = int(pagine.size()) - 2; i >= -1; --i) {
            Clic(s.form->Command2[s.Pagina()]);
            QCOMPARE(s.Pagina(), pagine[std::max(i, 0)]);
        }
        QCOMPARE(env.MainWindow()->FinestraAttiva()->objectName(), QString("Sezione1Form"));
    }

    // Section 1 rewrites the plan under an open section 2: the page shown
    // stays, the next arrow walks the new plan from the current position.
    void followsAPlanChangedUnderTheOpenWindow()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        s.VaiA(3);
        CalcolaPagineSezione2(2);
        QCOMPARE(s.Pagina(), 3);
        s.Avanti();
        QCOMPARE(s.Pagina(), 5);

        // Back to type 0 (position 5 keeps its old end marker): the walk ends
        // here, and the consortium page on screen is stored.
        CalcolaPagineSezione2(0);
        s.Avanti();
        QVERIFY(s.Sezione3Aperta());
        QCOMPARE(s.Pagina(), 5);
        QCOMPARE(s.Campo("Consorzi", "consorzio").toString(), QString("Nessuno"));
        QVERIFY(!Dialogs::Messages().contains("L'Azienda non esiste!"));

        // Type 1 under page 5: previous leaves the consortium page, which is
        // the one stored, not the client companies' page the plan now names.
        s.Apri();
        CalcolaPagineSezione2(1);
        s.Imposta("Consorzi", "consorzio", "altro");
        s.Indietro();
        QCOMPARE(s.Pagina(), 3);
        QCOMPARE(s.Campo("Consorzi", "consorzio").toString(), QString("Nessuno"));
        s.Avanti();
        QCOMPARE(s.Pagina(), 4);

        // A plan without an end marker ends at its last position.
        s.form->Unload();
        Settle();
        s.Apri();
        PagineSezione2 = {0, 1, 2, 3, 0, 1, 2, 3, 0, 1};
        QCOMPARE(s.Cammino(), (QList<int>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
        QCOMPARE(s.form->PaginaCorrente, 9);
        QVERIFY(s.Sezione3Aperta());
    }

    // Every box typed page by page (the page change stores and rereads it),
    // with its typing limit; Nulls show as empty, 0 or the 1900 date; stored
    // values come back into their own boxes.
    void everyBoxRoundTripsThroughTheDatabase()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        const QList<Casella> caselle = Caselle();
        QCOMPARE(s.form->Text1.Count(), size_t(caselle.size()));
        s.form->Check2->setChecked(false);  // shows the principal activities
        for (const Casella &c : caselle) {
            if (s.Pagina() != c.pagina)
                s.Avanti();
            QWidget *box = s.W("Text1", c.indice);
            QVERIFY2(box->isVisible(), qPrintable(c.campo));
            QCOMPARE(Lunghezza(box), c.lunghezza);
            TypeInto(box, ValoriDi(c).digitato);
        }
        s.Avanti();
        QVERIFY(s.Sezione3Aperta());
        for (const Casella &c : caselle)
            QVERIFY2(s.Campo(c.tabella, c.campo) == ValoriDi(c).registrato,
                     qPrintable(c.campo + ": " + s.Campo(c.tabella, c.campo).toString()));
        for (bool nulli : {true, false}) {
            s.Lascia();
            for (const Casella &c : caselle)
                s.Imposta(c.tabella, c.campo, nulli ? QVariant() : ValoriDi(c).registrato);
            s.Torna();
            for (const Casella &c : caselle) {
                const QString vuoto = c.tipo == 1 ? "0" : c.tipo == 2 ? "01/01/1900" : "";
                QVERIFY2(Testo(s.W("Text1", c.indice)) == (nulli ? vuoto : ValoriDi(c).mostrato), qPrintable(c.campo));
            }
        }
    }

    // Dates, numbers and the register's multi-line box as they are read.
    void readingKindsOfTheBoxes()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        auto *nascita = s.W<QLineEdit>("Text1(15)");
        // An empty date of birth becomes 01/01/1900 at the first page change,
        // and so does one that is no date; letters in a number box become 0.
        QCOMPARE(nascita->text(), QString("01/01/1900"));
        QCOMPARE(s.Campo("Principale", "DNascitaLR").toString(), QString("1900-01-01T00:00:00"));
        TypeInto(nascita, "31/02/1970");
        TypeInto(s.W("Text1(27)"), "millenovecento");  // year of incorporation
        s.Avanti();
        s.Indietro();
        QCOMPARE(Testi({nascita, s.W("Text1(27)")}), (QStringList{"01/01/1900", "0"}));
        QCOMPARE(s.Campo("Principale", "AnnoCostituzione").toLongLong(), 0);

        // The register's multi-line box takes 255 characters; what is typed
        // beyond them, at the end or in the middle, is dropped.
        auto *registro = s.W<MultiLineEdit>("Text1(29)");
        TypeInto(registro, QString(250, 'a') + "bcdefgh");
        QCOMPARE(registro->text(), QString(250, 'a') + "bcdef");
        registro->moveCursor(QTextCursor::Start);
        QTest::keyClicks(registro, "Z");
        QCOMPARE(registro->text(), QString(250, 'a') + "bcdef");

        // A box without a limit takes a paste of any length.
        QGuiApplication::clipboard()->setText(QString("Roma ").repeated(12000));
        s.W("Text1(9)")->setFocus();
        QTest::keyClick(s.W("Text1(9)"), Qt::Key_V, Qt::ControlModifier);

        // A date in another accepted form is stored as that date.
        TypeInto(nascita, "5-3-1970");
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "DNascitaLR").toString(), QString("1970-03-05T00:00:00"));
        QCOMPARE(s.Campo("Principale", "Citta2").toString(), QString("Roma ").repeated(12000));
        s.Indietro();
        QCOMPARE(nascita->text(), QString("05/03/1970"));

        // Whole numbers: 64 bits kept exactly, a figure beyond them stores 0.
        s.VaiA(2);
        TypeInto(s.W("Text1(59)"), "12345678901234567");     // CorsiPubbliciFinA2
        TypeInto(s.W("Text1(62)"), "99999999999999999999");  // CorsiPrivatiFinA2
        TypeInto(s.W("Text1(47)"), "2.500.000,49");          // CorsiPubbliciFinA1
        s.Avanti();
        QCOMPARE(s.Campi("Principale", {"CorsiPubbliciFinA2", "CorsiPrivatiFinA2", "CorsiPubbliciFinA1"}),
                 QString("12345678901234567|0|2500000"));
        s.Indietro();
        QCOMPARE(Testo(s.W("Text1(62)")), QString("0"));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // The year list chosen with the mouse titles the history columns; a
    // stored year selects its item, a stored text that is no year of the
    // list selects nothing and is stored back unchanged.
    void yearListAndTheCaptionsItDrives()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        ComboBox *anni = s.form->Combo1();
        QCOMPARE(anni->List(0) + "-" + anni->List(anni->count() - 1), QString("1998-2006"));
        QCOMPARE(anni->ListIndex(), -1);  // never stored: none selected
        s.VaiA(2);
        ChooseItem(anni, anni->FindExact("2001"));
        QCOMPARE(Testi({s.W("Text2(0)"), s.W("Text2(1)"), s.W("Text3(0)"), s.W("Text3(1)"), s.W("Text3(2)")}),
                 (QStringList{" 2002", " 2003", "2001", " 2002", " 2003"}));
        QVERIFY(!s.W("Text2(0)")->isEnabled());
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "ComboAnno").toString(), QString("2001"));

        s.ImpostaAltrove("Principale", "ComboAnno", "2003");
        QCOMPARE(anni->Text(), QString("2003"));
        QCOMPARE(s.W<QLineEdit>("Text3(2)")->text(), QString(" 2005"));
        s.ImpostaAltrove("Principale", "ComboAnno", "1990");
        QCOMPARE(anni->ListIndex(), -1);
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "ComboAnno").toString(), QString("1990"));
    }

    // Option groups and check boxes of pages 0 to 3 clicked with the mouse,
    // the premises as a bit mask: never stored, "Nazionale" is shown and the
    // first store writes 0; check boxes store True exactly when checked, and
    // Null shows unchecked.
    void switchesScopeAndPremises()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        QVERIFY(s.W<QRadioButton>("Option1(0)")->isChecked());
        QCOMPARE(s.Campo("Principale", "AmbitoTerritoriale").toLongLong(), 0);
        // Premises "di proprietà" and "non ancora individuate" store 9.
        for (const char *nome : {"Option1(2)", "Check1(0)", "Check1(3)", "Check4"})
            Clic(s.W<QAbstractButton>(nome));
        s.VaiA(3);
        Clic(s.W<QAbstractButton>("Check3(1)"));
        s.Avanti();
        s.Lascia();
        QCOMPARE(
            s.Campi("Principale", {"AmbitoTerritoriale", "SedeoSedi", "ATS", "OccRealCoerente", "OccMantCoerente"}),
            QString("2|9|1|0|1"));
        env.ExecSql("update Principale set SedeoSedi = 6, AmbitoTerritoriale = 1, ATS = null, OccRealCoerente = 1, "
                    "OccMantCoerente = null, finilucro1 = 1");
        s.Torna();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s.W<QCheckBox>("Check1", i)->isChecked(), i == 1 || i == 2);
        QVERIFY(s.W<QRadioButton>("Option1(1)")->isChecked());
        QCOMPARE((QList<bool>{s.W<QCheckBox>("Check4")->isChecked(), s.W<QCheckBox>("Check3(0)")->isChecked(),
                              s.W<QCheckBox>("Check3(1)")->isChecked(), s.W<QCheckBox>("Check5")->isChecked()}),
                 (QList<bool>{false, true, false, true}));
    }

    // The principal activities show exactly while the switch is off; the
    // text is stored either way, and reopening checks the switch again.
    void thePrincipalActivitiesSwitch()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        s.VaiA(1);
        QWidget *attivita = s.W("Text1(42)");
        QVERIFY(s.form->Check2->isChecked() && !attivita->isVisible());
        Clic(s.form->Check2);
        QVERIFY(attivita->isVisible());
        TypeInto(attivita, "Formazione e consulenza");
        Clic(s.form->Check2);
        QVERIFY(!attivita->isVisible());
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "PrincipaliAttivita").toString(), QString("Formazione e consulenza"));
        s.form->Unload();
        Settle();
        s.Apri();
        s.Avanti();
        QVERIFY(s.form->Check2->isChecked() && !s.W("Text1(42)")->isVisible());
        QCOMPARE(Testo(s.W("Text1(42)")), QString("Formazione e consulenza"));
    }

    // Activation refills without changing the page; next on the last page
    // with the project gone says so and stays there.
    void activationRefillsAndAMissingProjectStopsTheWalk()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 1);
        s.VaiA(4);
        s.ImpostaAltrove("Principale", "RelazioneSintetica", "scritto altrove");
        QCOMPARE(s.Pagina(), 4);
        QCOMPARE(s.form->PaginaCorrente, 4);
        QCOMPARE(Testo(s.W("Text1(87)")), QString("scritto altrove"));
        env.ExecSql("delete from Principale where Id = ?", {s.id});
        Dialogs::ClearHistory();
        s.Avanti();
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        QVERIFY(!s.Sezione3Aperta());
        QCOMPARE(s.Pagina(), 4);
        QCOMPARE(s.form->PaginaCorrente, 4);
    }

    // Without a current project, or without a database, the window opens
    // empty and leaves the plan alone; stores say the project is missing;
    // the arrows walk the plan and stop at its end, storing nothing.
    void opensWithoutAProjectOrADatabase()
    {
        for (bool database : {true, false}) {
            TestEnvironment env;
            if (database)
                env.OpenDatabase();
            IdProgetto = 0;
            PagineSezione2 = {0, 1, 2, 3, 4, 6, 6, 6, 6, 6};
            auto *form = qobject_cast<Sezione2Form *>(env.MainWindow()->CaricaFinestra("Sezione2Form"));
            QVERIFY(form);
            QCOMPARE(PagineSezione2[4], 4);
            QCOMPARE(PageFrames::VisibleIndex(form->Frame2), 0);
            QCOMPARE(Testo(Find<QWidget>(form, "Text1(0)")), QString());
            QVERIFY(Dialogs::Messages().contains("Il Progetto non esiste"));
            QCOMPARE(form->DynATS != nullptr, database);
            for (int i = 0; i < 5; ++i)
                form->Command1[PageFrames::VisibleIndex(form->Frame2)]->click();
            QCOMPARE(PageFrames::VisibleIndex(form->Frame2), 4);
            QVERIFY(!env.MainWindow()->Finestra("Sezione3Form"));
            form->Command2[4]->click();
            QCOMPARE(PageFrames::VisibleIndex(form->Frame2), 3);
            QCOMPARE(form->PaginaCorrente, 3);
            form->Unload();
            Settle();
        }
    }

    // A stored value longer than its box may take (a number typed in
    // exponent form, a text written by another program) is shown whole and
    // stored again unchanged; the box's limit comes back with a shorter one.
    void aValueLongerThanItsBoxIsShownWhole()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        const QList<std::tuple<QString, QString, int, QString>> lunghi = {
            {"Secondario", "ABI", 21, "0123456789ABCDEF"},
            {"Principale", "RegistroPrefettizio", 29, QString(300, 'r')},
            {"Principale", "Denominazione", 0, QString(40000, 'd')}};  // beyond any line box's own limit
        s.Lascia();
        for (const auto &[tabella, campo, indice, valore] : lunghi)
            s.Imposta(tabella, campo, valore);
        s.Torna();
        for (const auto &[tabella, campo, indice, valore] : lunghi)
            QCOMPARE(Testo(s.W("Text1", indice)), valore);
        s.Avanti();
        TypeInto(s.W("Text1(30)"), "9e9");  // five characters at most
        s.Avanti();
        QCOMPARE(Testo(s.W("Text1(30)")), QString("9000000000"));
        s.Indietro();
        s.Indietro();
        for (const auto &[tabella, campo, indice, valore] : lunghi)
            QCOMPARE(s.Campo(tabella, campo).toString(), valore);
        QCOMPARE(s.Campo("Secondario", "nUnita1").toLongLong(), 9000000000LL);
        s.ImpostaAltrove("Secondario", "ABI", "01");
        TypeInto(s.W("Text1(21)"), "0123456789ABCDEF");
        QCOMPARE(Testo(s.W("Text1(21)")), QString("0123456789"));
    }

    // The enrolment columns stand under a caption "N°", and so does each of
    // the two employment boxes, right under its own.
    void theResultsStandUnderTheirCaptions()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 0);
        s.VaiA(3);
        const QList<QLabel *> etichette = s.form->Frame2[3]->findChildren<QLabel *>();
        for (int indice = 79; indice <= 86; ++indice) {
            QWidget *box = s.W("Text1", indice);
            const QRect casella(box->mapTo(s.form, QPoint(0, 0)), box->size());
            const int distanza = indice >= 85 ? 2 : 4;  // heights of a box between caption and box
            const bool sotto = std::any_of(etichette.begin(), etichette.end(), [&](QLabel *etichetta) {
                const QRect dove(etichetta->mapTo(s.form, QPoint(0, 0)), etichetta->size());
                return etichetta->text() == QString("N°") && dove.left() == casella.left()
                       && dove.bottom() < casella.top() && casella.top() - dove.bottom() < distanza * casella.height();
            });
            QVERIFY2(sotto, qPrintable(Nome("Text1", indice)));
        }
    }
};

QTEST_MAIN(TestSezione2)
#include "tst_sezione2.moc"
