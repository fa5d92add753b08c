#include "TestSupport.h"

#include "ComboBox.h"
#include "Dialogs.h"
#include "DisplayGrid.h"
#include "Globali.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "Recordset.h"
#include "Sezione1Form.h"
#include "Velkaro.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

namespace {

// Another child window, standing for any section: on activation it notes
// the object stored in Principale, on deactivation it stores 42 theory hours.
class Sonda : public MdiChild
{
public:
    static inline QString oggettoVisto;
    void Form_Activate() override
    {
        oggettoVisto = TrovaProgetto() ? TabPrincipale->Field("Oggetto").toString() : QString();
    }
    void Form_Deactivate() override
    {
        if (!PosizionaProgetto())
            return;
        TabSecondario->SetField("OreTeoria", 42);
        TabPrincipale->Update();
        TabSecondario->Update();
    }
};

QLineEdit *Casella(QWidget *form, int index)
{
    return Find<QLineEdit>(form, QString("Text1(%1)").arg(index));
}

QRadioButton *Opzione(QWidget *form, const QString &nome)
{
    return Find<QRadioButton>(form, nome);
}

// The caption shown for a box: the label whose buddy it is.
QString Didascalia(QWidget *form, QWidget *box)
{
    for (QLabel *label : form->findChildren<QLabel *>())
        if (label->buddy() == box)
            return label->text();
    return QString();
}

QStringList Voci(const ListBox *lista)
{
    QStringList voci;
    for (int i = 0; i < lista->ListCount(); ++i)
        voci << lista->List(i);
    return voci;
}

QStringList Riga(const DisplayGrid *griglia, int riga)
{
    QStringList celle;
    for (int c = 0; c < griglia->Cols(); ++c)
        celle << griglia->TextMatrix(riga, c);
    return celle;
}

QList<int> Piano()
{
    return QList<int>(PagineSezione2.begin(), PagineSezione2.end());
}

} // namespace

class TestSezione1 : public QObject
{
    Q_OBJECT

    Sezione1Form *Apri(TestEnvironment &env)
    {
        auto *form = qobject_cast<Sezione1Form *>(env.MainWindow()->ApriFinestra("Sezione1Form"));
        Settle();
        return form;
    }
    // Leaves section 1 for another child window (it stores), then comes back (it refills).
    void EsciERientra(TestEnvironment &env)
    {
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        Settle();
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
    }
    QVariant Principale(TestEnvironment &env, const QString &campo)
    {
        return env.Sql(QString("select %1 from Principale where Id = ?").arg(campo), {IdProgetto});
    }
    QVariant Secondario(TestEnvironment &env, const QString &campo)
    {
        return env.Sql(QString("select %1 from Secondario where Id = ?").arg(campo), {IdProgetto});
    }

private slots:
    void initTestCase()
    {
        InitTestProcess();
        Velkaro::RegistraFinestra("SondaForm", [] { return new Sonda; });
    }

    void aNewWindowStartsInItsDesignState()
    {
        Sezione1Form form;
        QCOMPARE(form.windowTitle(), QString("Sezione 1"));
        QCOMPARE(form.objectName(), QString("Sezione1Form"));
        QVERIFY(Opzione(&form, "Option1(0)")->isChecked());
        QVERIFY(Opzione(&form, "Option4(0)")->isChecked());
        QVERIFY(Opzione(&form, "Option3(0)")->isChecked());
        QVERIFY(!Opzione(&form, "Option5(0)")->isChecked());
        QVERIFY(!Opzione(&form, "Option5(1)")->isChecked());
        QVERIFY(Find<QFrame>(&form, "Frame7")->isHidden());
        QVERIFY(Find<QLineEdit>(&form, "Text4")->isReadOnly());
        QCOMPARE(form.Text1.Count(), size_t(20));  // 0 to 21 without 15 and 16
        QVERIFY(!form.Text1.Contains(15) && !form.Text1.Contains(16));
        for (const char *nome : {"Text1(2)", "Text1(17)", "Text1(18)", "Text1(21)", "Text2", "Text3", "Text4"})
            QVERIFY(Find<QLineEdit>(&form, nome)->alignment() & Qt::AlignRight);
        QVERIFY(Casella(&form, 0)->text().isEmpty());

        // Everything fits the page at its natural size: a squeezed row clips
        // its captions and option buttons.
        QWidget *pagina = form.Frame1[0];
        const QSize serve = pagina->layout()->minimumSize();
        QVERIFY2(serve.width() <= pagina->width() && serve.height() <= pagina->height(),
                 qPrintable(QString("%1x%2").arg(serve.width()).arg(serve.height())));
    }

    void aNewProjectShowsWhatTheArchiveStored()
    {
        TestEnvironment env;
        env.OpenNewProject();
        PagineSezione2.fill(9);
        Sezione1Form *form = Apri(env);
        QVERIFY(form);
        QCOMPARE(Casella(form, 0)->text(), QString("Nuovo Progetto"));
        QCOMPARE(Casella(form, 1)->text(), QString(""));
        auto *priorita = Find<ComboBox>(form, "Combo4");
        QCOMPARE(priorita->ListCount(), 10);
        QCOMPARE(priorita->List(9), QString("9"));
        QCOMPARE(priorita->ListIndex(), -1);
        QCOMPARE(priorita->Text(), QString(""));
        QVERIFY(Opzione(form, "Option1(0)")->isChecked());
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 6, 9}));
        QVERIFY(!Opzione(form, "Option4(0)")->isChecked());
        QVERIFY(!Opzione(form, "Option4(1)")->isChecked());
        QVERIFY(form->Frame7->isHidden());
        QVERIFY(Opzione(form, "Option3(1)")->isChecked());
        for (int i : {2, 17, 18, 19, 20, 21})
            QCOMPARE(Casella(form, i)->text(), QString("0"));
        QCOMPARE(Casella(form, 8)->text(), QString(""));  // the postal code is text
        QCOMPARE(form->Text2->text(), QString("0"));
        QCOMPARE(form->Text3->text(), QString("0"));
        QCOMPARE(form->Text4->text(), QString(""));
        QCOMPARE(form->List1->ListCount(), 0);
        QCOMPARE(form->List2->ListCount(), 0);

        // Leaving stores priority 0, shown as the selected item from then on;
        // every store stamps the time, changes or not.
        env.ExecSql("update Principale set UltimaModifica = '01/01/99 00:00:00'");
        EsciERientra(env);
        QCOMPARE(Principale(env, "Priorita").toLongLong(), 0);
        QCOMPARE(priorita->ListIndex(), 0);
        const QString timbro = Principale(env, "UltimaModifica").toString();
        QVERIFY2(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(timbro).hasMatch(),
                 qPrintable(timbro));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void everyFieldRoundTripsThroughTheDatabase()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Sezione1Form *form = Apri(env);
        // Captions the user reads, including the two crossed small boxes.
        QCOMPARE(Didascalia(form, Casella(form, 14)), QString("Asse"));
        QCOMPARE(Didascalia(form, Casella(form, 13)), QString("Misura"));
        QCOMPARE(Didascalia(form, Casella(form, 12)), QString("E-Mail"));

        // Box, field, text: the box captioned "E-Mail" holds Fax, and the two
        // small boxes are crossed (the one captioned "Asse" holds Misura).
        struct Campo
        {
            int box;
            const char *campo;
            const char *testo;
        };
        const Campo testi[] = {{0, "Oggetto", "Corso di saldatura"}, {1, "CodiceEnte", "A-0012"},
                               {3, "RagioneSociale", "Officine Rossi S.r.l."}, {4, "Natura", "Srl"},
                               {5, "PIVA", "01234567890"}, {6, "CF", "RSSMRA70A01H501U"},
                               {7, "Indirizzo", "Via Roma, 1"}, {8, "Cap", "00184"},
                               {9, "Comune", "Roma"}, {10, "Provincia", "RM"},
                               {11, "Telefono", "06 1234567"}, {12, "Fax", "info@rossi.it"},
                               {13, "Asse", "B2"}, {14, "Misura", "IV"}};
        for (const Campo &t : testi)
            TypeInto(Casella(form, t.box), t.testo);
        TypeInto(Casella(form, 2), "1.250.000");
        TypeInto(Casella(form, 17), "3.000.000");
        TypeInto(Casella(form, 18), "12,4");
        TypeInto(Casella(form, 19), "8");
        TypeInto(Casella(form, 20), "abc");
        TypeInto(Casella(form, 21), "7");
        auto *priorita = Find<ComboBox>(form, "Combo4");
        priorita->setCurrentIndex(7);
        Opzione(form, "Option1(2)")->click();
        Opzione(form, "Option4(1)")->click();
        QVERIFY(!form->Frame7->isHidden());
        Opzione(form, "Option5(1)")->click();
        Opzione(form, "Option3(0)")->click();
        EsciERientra(env);

        for (const Campo &t : testi)
            QCOMPARE(Principale(env, t.campo).toString(), QString(t.testo));
        QCOMPARE(Principale(env, "Priorita").toLongLong(), 7);
        QCOMPARE(Principale(env, "Cofinanziamento").toLongLong(), 1250000);
        QCOMPARE(Principale(env, "AttivitaFormativa").toLongLong(), 2);
        QCOMPARE(Principale(env, "OperatoreDP").toLongLong(), 0);
        QCOMPARE(Principale(env, "OperatoreDPrivato").toLongLong(), 1);
        QCOMPARE(Principale(env, "FiniLucro").toLongLong(), 0);
        QCOMPARE(Principale(env, "NofiniLucro").toLongLong(), 1);
        QCOMPARE(Principale(env, "UsufruitoKVR").toLongLong(), 1);
        QCOMPARE(Secondario(env, "CostoProgetto").toLongLong(), 3000000);
        QCOMPARE(Secondario(env, "OreTeoria").toLongLong(), 12);
        QCOMPARE(Secondario(env, "OrePratica").toLongLong(), 8);
        QCOMPARE(Secondario(env, "Allievi").toLongLong(), 0);
        QCOMPARE(Secondario(env, "Allieve").toLongLong(), 7);

        // A fresh window shows it all back; numbers as plain digits.
        env.MainWindow()->ScaricaFinestra("Sezione1Form");
        Settle();
        form = Apri(env);
        for (const Campo &t : testi)
            QCOMPARE(Casella(form, t.box)->text(), QString(t.testo));
        QCOMPARE(Casella(form, 2)->text(), QString("1250000"));
        QCOMPARE(Casella(form, 17)->text(), QString("3000000"));
        QCOMPARE(Casella(form, 18)->text(), QString("12"));
        QCOMPARE(Casella(form, 20)->text(), QString("0"));
        QCOMPARE(Find<ComboBox>(form, "Combo4")->ListIndex(), 7);
        QVERIFY(Opzione(form, "Option1(2)")->isChecked());
        QVERIFY(Opzione(form, "Option4(1)")->isChecked() && !Opzione(form, "Option4(0)")->isChecked());
        QVERIFY(!form->Frame7->isHidden());
        QVERIFY(Opzione(form, "Option5(1)")->isChecked() && !Opzione(form, "Option5(0)")->isChecked());
        QVERIFY(Opzione(form, "Option3(0)")->isChecked() && !Opzione(form, "Option3(1)")->isChecked());

        // "Pubblico" hides the profit pair without clearing it: still stored.
        Opzione(form, "Option4(0)")->click();
        QVERIFY(form->Frame7->isHidden());
        EsciERientra(env);
        QCOMPARE(Principale(env, "OperatoreDP").toLongLong(), 1);
        QCOMPARE(Principale(env, "NofiniLucro").toLongLong(), 1);
        QVERIFY(Opzione(form, "Option5(1)")->isChecked());
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void aPriorityOutsideTheItemsSurvivesTheNextStore()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Sezione1Form *form = Apri(env);
        auto *priorita = Find<ComboBox>(form, "Combo4");
        TypeInto(priorita->lineEdit(), "12");
        EsciERientra(env);
        QCOMPARE(Principale(env, "Priorita").toLongLong(), 12);
        QCOMPARE(priorita->ListIndex(), -1);
        QCOMPARE(priorita->Text(), QString("12"));
        EsciERientra(env);
        QCOMPARE(Principale(env, "Priorita").toLongLong(), 12);
    }

    // What a user pastes: every box keeps its caption and its length, a word
    // in a number box is stored as 0, and a filled box shows its text from
    // the beginning.
    void pastedTextsKeepToTheBoxesLimits()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Sezione1Form *form = Apri(env);
        struct Limite
        {
            int box;
            const char *didascalia;
            int lunghezza;  // 0: no limit of its own
            const char *tabella;
            const char *campo;
        };
        const Limite caselle[] = {
            {0, "Intervento Oggetto dell'iniziativa", 120, "Principale", "Oggetto"},
            {1, "Codice ENTE", 20, "Principale", "CodiceEnte"},
            {2, "Cofinanziamento terzi", 50, "Principale", "Cofinanziamento"},
            {3, "Denominazione / Ragione Sociale", 120, "Principale", "RagioneSociale"},
            {4, "Natura Giuridica", 120, "Principale", "Natura"},
            {5, "Partita IVA", 16, "Principale", "PIVA"},
            {6, "Codice Fiscale", 16, "Principale", "CF"},
            {7, "Indirizzo", 120, "Principale", "Indirizzo"},
            {8, "C.A.P.", 10, "Principale", "Cap"},
            {9, "Comune", 120, "Principale", "Comune"},
            {10, "Provincia", 4, "Principale", "Provincia"},
            {11, "Telefono/Fax", 20, "Principale", "Telefono"},
            {12, "E-Mail", 120, "Principale", "Fax"},
            {13, "Misura", 20, "Principale", "Asse"},
            {14, "Asse", 20, "Principale", "Misura"},
            {17, "Costo Complessivo del Progetto", 50, "Secondario", "CostoProgetto"},
            {18, "Teoria", 0, "Secondario", "OreTeoria"},
            {19, "Pratica", 0, "Secondario", "OrePratica"},
            {20, "Uomini", 0, "Secondario", "Allievi"},
            {21, "Donne", 0, "Secondario", "Allieve"},
        };
        QCOMPARE(form->Text1.Count(), std::size(caselle));
        QGuiApplication::clipboard()->setText(QString("Lorem ipsum ").repeated(5000));
        for (const Limite &c : caselle) {
            QLineEdit *box = Casella(form, c.box);
            QCOMPARE(Didascalia(form, box), QString(c.didascalia));
            QCOMPARE(box->maxLength(), c.lunghezza ? c.lunghezza : QLineEdit().maxLength());
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text().size(), box->maxLength());
        }
        EsciERientra(env);
        QVERIFY(Dialogs::Messages().isEmpty());
        for (const Limite &c : caselle) {
            const QVariant stored =
                env.Sql(QString("select %1 from %2 where Id = ?").arg(c.campo, c.tabella), {IdProgetto});
            QLineEdit *box = Casella(form, c.box);
            if (box->alignment() & Qt::AlignRight) {
                QCOMPARE(stored.toLongLong(), 0);
                QCOMPARE(box->text(), QString("0"));
            } else {
                QCOMPARE(stored.toString(), QString("Lorem ipsum ").repeated(20).left(c.lunghezza));
                QCOMPARE(box->cursorPosition(), 0);
            }
        }

        // A number too large for any stored amount is stored as 0; the rest
        // of the window is stored all the same.
        TypeInto(Casella(form, 0), "Costo enorme");
        TypeInto(Casella(form, 17), QString(50, '9'));
        Dialogs::ClearHistory();
        EsciERientra(env);
        QCOMPARE(Dialogs::Messages().size(), 0);
        QCOMPARE(Secondario(env, "CostoProgetto").toLongLong(), 0);
        QCOMPARE(Principale(env, "Oggetto").toString(), QString("Costo enorme"));
    }

    void theFinancingGridSplitsTheCost_data()
    {
        QTest::addColumn<QString>("costo");
        QTest::addColumn<bool>("occupati");
        QTest::addColumn<QStringList>("testata");
        QTest::addColumn<QStringList>("importi");
        const QStringList occupati = {"Quota Soggetto 30%", "Fin.Pubblico 70%", "Quota K.V.R. 70%",
                                      "Quota F.D.R. 21%", "Quota Regione 9%"};
        const QStringList disoccupati = {"Quota Soggetto 0%", "Fin.Pubblico 100%", "Quota K.V.R. 70%",
                                         "Quota F.D.R. 21%", "Quota Regione 9%"};
        QTest::newRow("100 employed") << "100" << true << occupati << QStringList{"30", "70", "49", "15", "6"};
        QTest::newRow("100 unemployed") << "100" << false << disoccupati << QStringList{"", "100", "70", "21", "9"};
        // Each share rounded by itself: 49 + 15 + 6 is not the public 71.
        QTest::newRow("101 employed") << "101" << true << occupati << QStringList{"30", "71", "49", "15", "6"};
        QTest::newRow("thousands grouped") << "1.000.000" << true << occupati
                                           << QStringList{"300.000", "700.000", "490.000", "147.000", "63.000"};
        QTest::newRow("zero") << "0" << true << occupati << QStringList{"", "", "", "", ""};
        QTest::newRow("empty") << "" << false << disoccupati << QStringList{"", "", "", "", ""};
        QTest::newRow("not a number") << "500 lire" << true << occupati << QStringList{"", "", "", "", ""};
    }

    void theFinancingGridSplitsTheCost()
    {
        QFETCH(QString, costo);
        QFETCH(bool, occupati);
        QFETCH(QStringList, testata);
        QFETCH(QStringList, importi);
        TestEnvironment env;
        env.OpenNewProject();
        Sezione1Form *form = Apri(env);
        auto *griglia = Find<DisplayGrid>(form, "MSFlexGrid1");
        Opzione(form, occupati ? "Option3(0)" : "Option3(1)")->click();
        TypeInto(Casella(form, 17), costo);
        QCOMPARE(griglia->Rows(), 2);
        QCOMPARE(griglia->Cols(), 5);
        QCOMPARE(Riga(griglia, 0), testata);
        QCOMPARE(Riga(griglia, 1), importi);
        QVERIFY(griglia->item(0, 0)->font().bold());
        QCOMPARE(griglia->columnWidth(0), 122);  // 1825 twips
        QCOMPARE(griglia->columnWidth(4), 119);  // 1790 twips

        // Switching the pair redraws header and amounts at once.
        Opzione(form, occupati ? "Option3(1)" : "Option3(0)")->click();
        QCOMPARE(griglia->TextMatrix(0, 0), occupati ? QString("Quota Soggetto 0%") : QString("Quota Soggetto 30%"));
    }

    void totalsAndTheCostPerTraineeHour()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        env.ExecSql("update Secondario set CostoProgetto = 500, OreTeoria = 6, OrePratica = 4, Allievi = 3, "
                    "Allieve = 2 where Id = ?",
                    {id});
        Sezione1Form *form = Apri(env);
        QCOMPARE(form->Text2->text(), QString("10"));
        QCOMPARE(form->Text3->text(), QString("5"));
        QCOMPARE(form->Text4->text(), QString("10,"));  // "#,###.###" after a refill
        TypeInto(Casella(form, 17), "900");
        QCOMPARE(form->Text4->text(), QString("18"));  // "#,###" while the cost is typed
        // The cost is read like every amount: grouped thousands count.
        TypeInto(Casella(form, 17), "1.500.000");
        QCOMPARE(form->Text4->text(), QString("30.000"));
        // Not a number: no cost, so no cost per trainee-hour either.
        TypeInto(Casella(form, 17), "500 lire");
        QCOMPARE(form->Text4->text(), QString(""));
        // Hours typed wait for the next activation.
        TypeInto(Casella(form, 17), "500");
        TypeInto(Casella(form, 18), "16");
        QCOMPARE(form->Text2->text(), QString("10"));
        EsciERientra(env);
        QCOMPARE(form->Text2->text(), QString("20"));
        QCOMPARE(form->Text4->text(), QString("5,"));

        // Without trainees there is no figure, not a stale one.
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        env.ExecSql("update Secondario set Allievi = 0, Allieve = 0, OreTeoria = 40 where Id = ?", {id});
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(form->Text3->text(), QString("0"));
        QCOMPARE(form->Text4->text(), QString(""));
        TypeInto(Casella(form, 17), "700");
        QCOMPARE(form->Text4->text(), QString(""));
        QCOMPARE(form->MSFlexGrid1->TextMatrix(1, 1), QString("700"));

        // Two hour counts that each fit a stored whole number but whose sum
        // does not: the total is still its plain digits.
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        env.ExecSql("update Secondario set OreTeoria = 5000000000000000000, OrePratica = 5000000000000000000 "
                    "where Id = ?",
                    {id});
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(form->Text2->text(), QString("10000000000000000000"));
    }

    void theActivityTypeSetsSection2sPagePlan()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        Sezione1Form *form = Apri(env);
        QCOMPARE(Piano().mid(0, 5), QList<int>({0, 1, 2, 3, 6}));
        Opzione(form, "Option1(1)")->click();
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 4, 6}));
        // Back to "Disoccupati": the left-over 6 stays behind the end marker.
        Opzione(form, "Option1(0)")->click();
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 6, 6}));
        Opzione(form, "Option1(2)")->click();
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 5, 6}));
        EsciERientra(env);
        QCOMPARE(Principale(env, "AttivitaFormativa").toLongLong(), 2);

        // Every refill puts the plan of the type shown, even when the option
        // was already selected.
        PagineSezione2.fill(0);
        EsciERientra(env);
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 5, 6}));

        // A fresh window starts from type 0, then follows the stored type.
        env.MainWindow()->ScaricaFinestra("Sezione1Form");
        env.ExecSql("update Principale set AttivitaFormativa = 1 where Id = ?", {id});
        form = Apri(env);
        QVERIFY(Opzione(form, "Option1(1)")->isChecked());
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 4, 6}));

        // A stored type that names no option: none is shown, the plan stays,
        // and leaving writes no type over it.
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        env.ExecSql("update Principale set AttivitaFormativa = 4294967296 where Id = ?", {id});
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(form->Option1.Selected(), -1);
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 4, 6}));
        EsciERientra(env);
        QCOMPARE(Principale(env, "AttivitaFormativa").toLongLong(), 4294967296LL);
    }

    void theSummaryListsShowSection3sFlags()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        // Section 1 reads the row by position: make sure the positions hold.
        QCOMPARE(env.Sql("select count(*) from pragma_table_info('DestinatariIntervento')").toInt(), 62);
        const auto nome = [&](int posizione) {
            return env.Sql("select name from pragma_table_info('DestinatariIntervento') where cid = ?", {posizione})
                .toString();
        };
        QCOMPARE(nome(0), QString("Id"));
        QCOMPARE(nome(1), QString("Destinatario01"));
        QCOMPARE(nome(19), QString("Destinatario19"));
        QCOMPARE(nome(29), QString("Settore01"));
        QCOMPARE(nome(51), QString("Settore23"));
        QCOMPARE(nome(61), QString("Certificato8"));

        // No row yet: empty lists, nothing said.
        Sezione1Form *form = Apri(env);
        QCOMPARE(form->List1->ListCount(), 0);
        QCOMPARE(form->List2->ListCount(), 0);

        // Flags at positions 1, 14, 19, 29 and 51, plus flags and texts
        // elsewhere that must not show.
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        env.ExecSql("insert into DestinatariIntervento (Id, Destinatario01, Destinatario14, Destinatario19, "
                    "Scolarita1, AltroPrecisare, Settore01, Settore23, Servizi, Certificato1) "
                    "values (?, 1, 1, 1, 1, 'x', 1, 1, 'y', 1)",
                    {id});
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(Voci(form->List2), QStringList({"Occupati Lavoratori Dipendenti", "Donne Occupate",
                                                 "Migranti / Immigrati"}));
        QCOMPARE(Voci(form->List1), QStringList({"Agricoltura", "Turismo"}));

        // Changed in section 3: shown at the next activation, section 1's own texts.
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        env.ExecSql("update DestinatariIntervento set Destinatario01 = 0, Settore06 = 1, Settore18 = 1 where Id = ?",
                    {id});
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(Voci(form->List2), QStringList({"Donne Occupate", "Migranti / Immigrati"}));
        QCOMPARE(Voci(form->List1), QStringList({"Agricoltura", "Attività promozionale / Pubblicità",
                                                 "Grafica , Fotografia, Cartotecnica, Poligrafia", "Turismo"}));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void thePreviousArrowLeadsToTheIntroduction()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Sezione1Form *form = Apri(env);
        TypeInto(Casella(form, 0), "Indietro");
        Find<QToolButton>(form, "Command1(0)")->click();
        Settle();
        QCOMPARE(env.MainWindow()->FinestraAttiva()->objectName(), QString("IntroduzioneForm"));
        QCOMPARE(Principale(env, "Oggetto").toString(), QString("Indietro"));
    }

    void withoutAProjectNothingIsStoredAndTheMessageSaysWhy()
    {
        TestEnvironment env;
        env.OpenDatabase();  // open, but no project chosen
        Velkaro *main = env.MainWindow();
        Sezione1Form *form = Apri(env);
        QCOMPARE(Casella(form, 0)->text(), QString(""));
        QCOMPARE(form->List2->ListCount(), 0);
        Dialogs::ClearHistory();
        Find<QToolButton>(form, "Command2(0)")->click();
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Progetto non esiste"}));
        QCOMPARE(main->FinestraAttiva(), form);

        // A project whose Secondario row is missing.
        const qint64 id = CreaProgetto();
        env.ExecSql("delete from Secondario where Id = ?", {id});
        IdProgetto = id;
        Dialogs::ClearHistory();
        Find<QToolButton>(form, "Command2(0)")->click();
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"La tabella Secondaria del Progetto non esiste"}));
        QCOMPARE(Principale(env, "Oggetto").toString(), QString("Nuovo Progetto"));
    }

    void withNoDatabaseTheWindowOpensEmptyAndSaysSoWhenLeft()
    {
        TestEnvironment env;
        Velkaro *main = env.MainWindow();
        Sezione1Form *form = Apri(env);
        QVERIFY(form);
        QCOMPARE(Casella(form, 0)->text(), QString(""));
        QCOMPARE(form->List1->ListCount(), 0);
        TypeInto(Casella(form, 17), "1000");
        Dialogs::ClearHistory();
        main->ApriFinestra("SondaForm");
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Progetto non esiste"}));
        Dialogs::ClearHistory();
        main->ScaricaFinestra("Sezione1Form");
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Progetto non esiste"}));
    }

    void handingOverStoresBeforeTheOtherWindowRefills()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Velkaro *main = env.MainWindow();
        Sezione1Form *form = Apri(env);
        TypeInto(Casella(form, 0), "Passaggio di consegne");
        TypeInto(Casella(form, 18), "5");
        main->ApriFinestra("SondaForm");
        Settle();
        QCOMPARE(Sonda::oggettoVisto, QString("Passaggio di consegne"));
        // Back: the other window stored first, section 1 shows it.
        main->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(Casella(form, 18)->text(), QString("42"));
        QCOMPARE(form->Text2->text(), QString("42"));

        // Closing stores too.
        TypeInto(Casella(form, 1), "CHIUSO");
        main->ScaricaFinestra("Sezione1Form");
        Settle();
        QCOMPARE(Principale(env, "CodiceEnte").toString(), QString("CHIUSO"));
    }

    void loadingAloneShowsTheWindow()
    {
        TestEnvironment env;
        env.OpenNewProject();
        Velkaro *main = env.MainWindow();
        main->ApriFinestra("IntroduzioneForm");
        Settle();
        MdiChild *form = main->CaricaFinestra("Sezione1Form");
        Settle();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(Find<QLineEdit>(form, "Text1(0)")->text(), QString("Nuovo Progetto"));
    }

    void theMainRoadFromTheArchiveToSection2()
    {
        TestEnvironment env;
        Velkaro *main = env.MainWindow();
        WhenModal([](QDialog *archivio) {
            Find<QPushButton>(archivio, "Command1")->click();  // a new project
            Find<ListBox>(archivio, "List1")->SetListIndex(0);
            Find<QPushButton>(archivio, "Command2")->click();
        });
        main->Archiviazione_Click();
        Settle();
        QVERIFY(IdProgetto != 0);
        auto *form = qobject_cast<Sezione1Form *>(main->FinestraAttiva());
        QVERIFY(form);
        QCOMPARE(Casella(form, 0)->text(), QString("Nuovo Progetto"));
        TypeInto(Casella(form, 0), "Tecnico di rete");
        Opzione(form, "Option1(1)")->click();
        Find<QToolButton>(form, "Command2(0)")->click();
        Settle();
        QCOMPARE(main->FinestraAttiva()->objectName(), QString("Sezione2Form"));
        QCOMPARE(Principale(env, "Oggetto").toString(), QString("Tecnico di rete"));
        QCOMPARE(Principale(env, "AttivitaFormativa").toLongLong(), 1);
        QCOMPARE(Piano().mid(0, 6), QList<int>({0, 1, 2, 3, 4, 6}));
        QVERIFY(Dialogs::Messages().isEmpty());
    }
};

QTEST_MAIN(TestSezione1)
#include "tst_sezione1.moc"
