#include "TestSupport.h"

#include "ComboBox.h"
#include "Dialogs.h"
#include "DisplayGrid.h"
#include "Globali.h"
#include "ListBox.h"
#include "Recordset.h"
#include "Sezione1Form.h"
#include "Velkaro.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>

#include <limits>

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

// Every box: its length limit (0: none of its own), its caption, where it
// is stored, a text a user types and what the database then holds (and the
// box shows back). The box captioned "E-Mail" holds Fax, and the two small
// boxes are crossed: the one captioned "Asse" holds Misura.
struct Voce
{
    int box, lunghezza;
    const char *didascalia, *campo, *digitato, *memorizzato;
};
const Voce Caselle[] = {
    {0, 120, "Intervento Oggetto dell'iniziativa", "Principale.Oggetto", "Corso di saldatura", "Corso di saldatura"},
    {1, 20, "Codice ENTE", "Principale.CodiceEnte", "A-0012", "A-0012"},
    {2, 50, "Cofinanziamento terzi", "Principale.Cofinanziamento", "1.250.000", "1250000"},
    {3, 120, "Denominazione / Ragione Sociale", "Principale.RagioneSociale", "Officine Rossi", "Officine Rossi"},
    {4, 120, "Natura Giuridica", "Principale.Natura", "Srl", "Srl"},
    {5, 16, "Partita IVA", "Principale.PIVA", "01234567890", "01234567890"},
    {6, 16, "Codice Fiscale", "Principale.CF", "RSSMRA70A01H501U", "RSSMRA70A01H501U"},
    {7, 120, "Indirizzo", "Principale.Indirizzo", "Via Roma, 1", "Via Roma, 1"},
    {8, 10, "C.A.P.", "Principale.Cap", "00184", "00184"},  // a postal code is text
    {9, 120, "Comune", "Principale.Comune", "Roma", "Roma"},
    {10, 4, "Provincia", "Principale.Provincia", "RM", "RM"},
    {11, 20, "Telefono/Fax", "Principale.Telefono", "06 1234567", "06 1234567"},
    {12, 120, "E-Mail", "Principale.Fax", "info@rossi.it", "info@rossi.it"},
    {13, 20, "Misura", "Principale.Asse", "B2", "B2"},
    {14, 20, "Asse", "Principale.Misura", "IV", "IV"},
    {17, 50, "Costo Complessivo del Progetto", "Secondario.CostoProgetto", "3.000.000", "3000000"},
    {18, 0, "Teoria", "Secondario.OreTeoria", "12,4", "12"},
    {19, 0, "Pratica", "Secondario.OrePratica", "8", "8"},
    {20, 0, "Uomini", "Secondario.Allievi", "abc", "0"},
    {21, 0, "Donne", "Secondario.Allieve", "7", "7"},
};

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

QList<int> Piano()
{
    return QList<int>(PagineSezione2.begin(), PagineSezione2.begin() + 6);
}

}  // namespace

class TestSezione1 : public QObject
{
    Q_OBJECT

    // Opens section 1 on the current project, or on a new one.
    Sezione1Form *Apri(TestEnvironment &env, bool nuovo = true)
    {
        if (nuovo)
            env.OpenNewProject();
        auto *form = qobject_cast<Sezione1Form *>(env.MainWindow()->ApriFinestra("Sezione1Form"));
        Settle();
        return form;
    }
    // Leaves section 1 for another child window (it stores), running `intanto`
    // while away, then comes back (it refills).
    void EsciERientra(TestEnvironment &env, const std::function<void()> &intanto = {})
    {
        env.MainWindow()->ApriFinestra("IntroduzioneForm");
        Settle();
        if (intanto)
            intanto();
        env.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
    }
    // A stored value of the current project: "Tabella.Campo".
    QVariant Valore(TestEnvironment &env, const QString &campo)
    {
        const QStringList parti = campo.split('.');
        return env.Sql(QString("select %1 from %2 where Id = ?").arg(parti[1], parti[0]), {IdProgetto});
    }

private slots:
    void initTestCase()
    {
        InitTestProcess();
        Velkaro::RegistraFinestra("SondaForm", [] { return new Sonda; });
    }

    void aNewProjectShowsWhatTheArchiveStored()
    {
        TestEnvironment env;
        PagineSezione2.fill(9);
        Sezione1Form *form = Apri(env);
        QCOMPARE(form->windowTitle(), QString("Sezione 1"));
        QCOMPARE(form->Text1.Count(), std::size(Caselle));  // 0 to 21 without 15 and 16
        QVERIFY(form->Text4->isReadOnly());
        for (QLineEdit *box : std::initializer_list<QLineEdit *>{form->Text1[2], form->Text1[17], form->Text1[21],
                                                                 form->Text2, form->Text4})
            QVERIFY(box->alignment() & Qt::AlignRight);
        // Everything fits the page at its natural size: a squeezed row clips
        // its captions and option buttons.
        QWidget *pagina = form->Frame1[0];
        const QSize serve = pagina->layout()->minimumSize();
        QVERIFY2(serve.width() <= pagina->width() && serve.height() <= pagina->height(),
                 qPrintable(QString("%1x%2").arg(serve.width()).arg(serve.height())));

        QCOMPARE(form->Text1[0]->text(), QString("Nuovo Progetto"));
        for (int i : {1, 3, 8, 14})  // the postal code is text: empty, not 0
            QCOMPARE(form->Text1[i]->text(), QString(""));
        for (int i : {2, 17, 18, 19, 20, 21})
            QCOMPARE(form->Text1[i]->text(), QString("0"));
        QCOMPARE((QStringList{form->Text2->text(), form->Text3->text(), form->Text4->text()}),
                 (QStringList{"0", "0", ""}));
        QCOMPARE(form->Combo4->ListCount(), 10);
        QCOMPARE(form->Combo4->Text(), QString(""));  // no item chosen yet
        QCOMPARE((QList<int>{form->Option1.Selected(), form->Option4.Selected(), form->Option3.Selected()}),
                 (QList<int>{0, -1, 1}));
        QVERIFY(form->Frame7->isHidden());
        QCOMPARE(Piano(), QList<int>({0, 1, 2, 3, 6, 9}));
        QCOMPARE(form->List1->ListCount() + form->List2->ListCount(), 0);

        // Leaving stores priority 0, shown as the selected item from then on;
        // every store stamps the time, changes or not.
        env.ExecSql("update Principale set UltimaModifica = '01/01/99 00:00:00'");
        EsciERientra(env);
        QCOMPARE(Valore(env, "Principale.Priorita").toLongLong(), 0);
        QCOMPARE(form->Combo4->ListIndex(), 0);
        const QString timbro = Valore(env, "Principale.UltimaModifica").toString();
        QVERIFY2(timbro != "01/01/99 00:00:00" && QDateTime::fromString(timbro, "dd/MM/yy HH:mm:ss").isValid(),
                 qPrintable(timbro));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void everyFieldRoundTripsThroughTheDatabase()
    {
        TestEnvironment env;
        Sezione1Form *form = Apri(env);
        for (const Voce &c : Caselle)
            TypeInto(form->Text1[c.box], c.digitato);
        ChooseItem(form->Combo4, 7);
        for (QRadioButton *opzione : {form->Option1[2], form->Option4[1], form->Option5[1], form->Option3[0]})
            opzione->click();
        QVERIFY(!form->Frame7->isHidden());
        EsciERientra(env);

        for (const Voce &c : Caselle)
            QCOMPARE(Valore(env, c.campo).toString(), QString(c.memorizzato));
        const QList<int> attesi = {7, 2, 0, 1, 0, 1, 1};
        const char *campi[] = {"Priorita",  "AttivitaFormativa", "OperatoreDP", "OperatoreDPrivato",
                               "FiniLucro", "NofiniLucro",       "UsufruitoKVR"};
        for (int i = 0; i < attesi.size(); ++i)
            QCOMPARE(Valore(env, QString("Principale.") + campi[i]).toLongLong(), attesi[i]);

        // A fresh window shows it all back; numbers as plain digits.
        env.MainWindow()->ScaricaFinestra("Sezione1Form");
        form = Apri(env, false);
        for (const Voce &c : Caselle)
            QCOMPARE(form->Text1[c.box]->text(), QString(c.memorizzato));
        QCOMPARE(form->Combo4->ListIndex(), 7);
        QCOMPARE((QList<int>{form->Option1.Selected(), form->Option4.Selected(), form->Option5.Selected(),
                             form->Option3.Selected()}),
                 (QList<int>{2, 1, 1, 0}));
        QVERIFY(!form->Frame7->isHidden());

        // "Pubblico" hides the profit pair without clearing it: still stored.
        form->Option4[0]->click();
        QVERIFY(form->Frame7->isHidden());
        EsciERientra(env);
        QCOMPARE(Valore(env, "Principale.OperatoreDP").toLongLong(), 1);
        QCOMPARE(Valore(env, "Principale.NofiniLucro").toLongLong(), 1);
        QVERIFY(form->Option5[1]->isChecked());
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void aPriorityOutsideTheItemsSurvivesTheNextStore()
    {
        TestEnvironment env;
        Sezione1Form *form = Apri(env);
        TypeInto(form->Combo4->lineEdit(), "12");
        for (int volta = 0; volta < 2; ++volta) {
            EsciERientra(env);
            QCOMPARE(Valore(env, "Principale.Priorita").toLongLong(), 12);
            QCOMPARE(form->Combo4->ListIndex(), -1);
            QCOMPARE(form->Combo4->Text(), QString("12"));
        }
    }

    // What a user pastes: every box keeps its caption and its length, a word
    // in a number box is stored as 0, and a filled box shows its text from
    // the beginning.
    void pastedTextsKeepToTheBoxesLimits()
    {
        TestEnvironment env;
        Sezione1Form *form = Apri(env);
        QGuiApplication::clipboard()->setText(QString("Lorem ipsum ").repeated(5000));
        for (const Voce &c : Caselle) {
            QLineEdit *box = form->Text1[c.box];
            QCOMPARE(Didascalia(form, box), QString(c.didascalia));
            QCOMPARE(box->maxLength(), c.lunghezza ? c.lunghezza : QLineEdit().maxLength());
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text().size(), box->maxLength());
        }
        EsciERientra(env);
        QVERIFY(Dialogs::Messages().isEmpty());
        for (const Voce &c : Caselle) {
            const bool numero = form->Text1[c.box]->alignment() & Qt::AlignRight;
            QCOMPARE(Valore(env, c.campo).toString(),
                     numero ? "0" : QString("Lorem ipsum ").repeated(20).left(c.lunghezza));
            QCOMPARE(form->Text1[c.box]->cursorPosition(), 0);
        }

        // A number too large for any stored amount is stored as 0; the rest
        // of the window is stored all the same.
        TypeInto(form->Text1[0], "Costo enorme");
        TypeInto(form->Text1[17], QString(50, '9'));
        EsciERientra(env);
        QVERIFY(Dialogs::Messages().isEmpty());
        QCOMPARE(Valore(env, "Secondario.CostoProgetto").toLongLong(), 0);
        QCOMPARE(Valore(env, "Principale.Oggetto").toString(), QString("Costo enorme"));
    }

    // What another program stored is shown whole and stored back as it was:
    // texts longer than their boxes, whole numbers beyond what a double
    // holds; a character outside the basic plane is never cut in half.
    void storedValuesComeBackExactly()
    {
        TestEnvironment env;
        env.OpenNewProject();
        const QString lungo = QString("Oggetto lungo ").repeated(20).left(204);
        const qint64 massimo = std::numeric_limits<qint64>::max();
        env.ExecSql("update Principale set Oggetto = ?, Provincia = ?, Cofinanziamento = ? where Id = ?",
                    {lungo, "ROMA123", massimo, IdProgetto});
        env.ExecSql("update Secondario set CostoProgetto = ?, OreTeoria = ? where Id = ?",
                    {qint64(12345678901234567), qint64(-9223372036854775807), IdProgetto});
        Sezione1Form *form = Apri(env, false);
        QCOMPARE(form->Text1[0]->text(), lungo);
        QCOMPARE(form->Text1[10]->text(), QString("ROMA123"));
        QCOMPARE(form->Text1[2]->text(), QString("9223372036854775807"));
        QCOMPARE(form->Text1[17]->text(), QString("12345678901234567"));
        for (int volta = 0; volta < 2; ++volta) {
            EsciERientra(env);
            QCOMPARE(Valore(env, "Principale.Oggetto").toString(), lungo);
            QCOMPARE(Valore(env, "Principale.Provincia").toString(), QString("ROMA123"));
            QCOMPARE(Valore(env, "Principale.Cofinanziamento").toLongLong(), massimo);
            QCOMPARE(Valore(env, "Secondario.CostoProgetto").toLongLong(), qint64(12345678901234567));
            QCOMPARE(Valore(env, "Secondario.OreTeoria").toLongLong(), qint64(-9223372036854775807));
        }
        QVERIFY(Dialogs::Messages().isEmpty());

        // Typed at the limit of "Provincia" once it shows a value that fits.
        EsciERientra(env, [&] { env.ExecSql("update Principale set Provincia = 'RM' where Id = ?", {IdProgetto}); });
        QGuiApplication::clipboard()->setText(QString::fromUtf8("KVR\xF0\x9F\x98\x80"));
        form->Text1[10]->setFocus();
        form->Text1[10]->selectAll();
        QTest::keyClick(form->Text1[10], Qt::Key_V, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText("Via Roma\n1");
        form->Text1[7]->setFocus();
        form->Text1[7]->selectAll();
        QTest::keyClick(form->Text1[7], Qt::Key_V, Qt::ControlModifier);
        EsciERientra(env);
        QCOMPARE(Valore(env, "Principale.Provincia").toString(), QString("KVR"));
        QCOMPARE(Valore(env, "Principale.Indirizzo").toString(), QString("Via Roma 1"));
    }

    void theFinancingGridSplitsTheCost_data()
    {
        QTest::addColumn<QString>("costo");
        QTest::addColumn<bool>("occupati");
        QTest::addColumn<QStringList>("importi");
        QTest::newRow("100 employed") << "100" << true << QStringList{"30", "70", "49", "15", "6"};
        QTest::newRow("100 unemployed") << "100" << false << QStringList{"", "100", "70", "21", "9"};
        // Each share rounded by itself: 49 + 15 + 6 is not the public 71.
        QTest::newRow("101 employed") << "101" << true << QStringList{"30", "71", "49", "15", "6"};
        QTest::newRow("thousands grouped")
            << "1.000.000" << true << QStringList{"300.000", "700.000", "490.000", "147.000", "63.000"};
        QTest::newRow("zero") << "0" << false << QStringList{"", "", "", "", ""};
        QTest::newRow("not a number") << "500 lire" << true << QStringList{"", "", "", "", ""};
    }

    void theFinancingGridSplitsTheCost()
    {
        QFETCH(QString, costo);
        QFETCH(bool, occupati);
        QFETCH(QStringList, importi);
        const QStringList testata = {occupati ? "Quota Soggetto 30%" : "Quota Soggetto 0%",
                                     occupati ? "Fin.Pubblico 70%" : "Fin.Pubblico 100%", "Quota K.V.R. 70%",
                                     "Quota F.D.R. 21%", "Quota Regione 9%"};
        TestEnvironment env;
        Sezione1Form *form = Apri(env);
        DisplayGrid *griglia = form->MSFlexGrid1;
        form->Option3[occupati ? 0 : 1]->click();
        TypeInto(form->Text1[17], costo);
        QCOMPARE(QSize(griglia->Cols(), griglia->Rows()), QSize(5, 2));
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(griglia->TextMatrix(0, c), testata[c]);
            QCOMPARE(griglia->TextMatrix(1, c), importi[c]);
        }
        QVERIFY(griglia->item(0, 0)->font().bold());
        QCOMPARE(griglia->columnWidth(0), 122);  // 1825 twips
        QCOMPARE(griglia->columnWidth(4), 119);  // 1790 twips

        // Switching the pair redraws the header at once.
        form->Option3[occupati ? 1 : 0]->click();
        QCOMPARE(griglia->TextMatrix(0, 0), occupati ? QString("Quota Soggetto 0%") : QString("Quota Soggetto 30%"));
    }

    void totalsAndTheCostPerTraineeHour()
    {
        TestEnvironment env;
        env.OpenNewProject();
        const auto secondario = [&](const QString &valori) {
            env.ExecSql("update Secondario set " + valori + " where Id = ?", {IdProgetto});
        };
        secondario("CostoProgetto = 500, OreTeoria = 6, OrePratica = 4, Allievi = 3, Allieve = 2");
        Sezione1Form *form = Apri(env, false);
        QCOMPARE(form->Text2->text(), QString("10"));
        QCOMPARE(form->Text3->text(), QString("5"));
        QCOMPARE(form->Text4->text(), QString("10,"));  // "#,###.###" after a refill
        TypeInto(form->Text1[17], "900");
        QCOMPARE(form->Text4->text(), QString("18"));  // "#,###" while the cost is typed
        // The cost is read like every amount: grouped thousands count.
        TypeInto(form->Text1[17], "1.500.000");
        QCOMPARE(form->Text4->text(), QString("30.000"));

        // Without trainees there is no figure, not a stale one.
        EsciERientra(env, [&] { secondario("Allievi = 0, Allieve = 0"); });
        QCOMPARE(form->Text3->text(), QString("0"));
        QCOMPARE(form->Text4->text(), QString(""));
        TypeInto(form->Text1[17], "700");
        QCOMPARE(form->Text4->text(), QString(""));

        // Two hour counts that each fit a stored whole number but whose sum
        // does not: the total is still its plain digits.
        EsciERientra(env, [&] { secondario("OreTeoria = 5000000000000000000, OrePratica = 5000000000000000000"); });
        QCOMPARE(form->Text2->text(), QString("10000000000000000000"));
    }

    void theActivityTypeSetsSection2sPagePlan()
    {
        TestEnvironment env;
        Sezione1Form *form = Apri(env);
        // Back to type 0, the left-over 6 stays behind the end marker.
        const QList<QPair<int, QList<int>>> passi = {
            {1, {0, 1, 2, 3, 4, 6}}, {0, {0, 1, 2, 3, 6, 6}}, {2, {0, 1, 2, 3, 5, 6}}};
        for (const auto &[tipo, piano] : passi) {
            form->Option1[tipo]->click();
            QCOMPARE(Piano(), piano);
        }
        // Every refill puts the plan of the type shown, even when the option
        // was already selected.
        PagineSezione2.fill(0);
        EsciERientra(env);
        QCOMPARE(Valore(env, "Principale.AttivitaFormativa").toLongLong(), 2);
        QCOMPARE(Piano(), QList<int>({0, 1, 2, 3, 5, 6}));

        // A stored type that names no option: none is shown, the plan stays,
        // and leaving writes no type over it.
        EsciERientra(env, [&] { env.ExecSql("update Principale set AttivitaFormativa = 4294967296"); });
        QCOMPARE(form->Option1.Selected(), -1);
        QCOMPARE(Piano(), QList<int>({0, 1, 2, 3, 5, 6}));
        EsciERientra(env);
        QCOMPARE(Valore(env, "Principale.AttivitaFormativa").toLongLong(), 4294967296LL);
    }

    void theSummaryListsShowSection3sFlags()
    {
        TestEnvironment env;
        Sezione1Form *form = Apri(env);  // no row yet: empty lists, nothing said
        QCOMPARE(form->List1->ListCount() + form->List2->ListCount(), 0);
        // Section 1 reads the row by position: flags at positions 1, 14, 19,
        // 29 and 51, plus flags and texts elsewhere that must not show.
        QCOMPARE(env.Sql("select count(*) from pragma_table_info('DestinatariIntervento')").toInt(), 62);
        EsciERientra(env, [&] {
            env.ExecSql("insert into DestinatariIntervento (Id, Destinatario01, Destinatario14, Destinatario19, "
                        "Scolarita1, AltroPrecisare, Settore01, Settore23, Servizi, Certificato1) "
                        "values (?, 1, 1, 1, 1, 'x', 1, 1, 'y', 1)",
                        {IdProgetto});
        });
        QCOMPARE(Voci(form->List2),
                 QStringList({"Occupati Lavoratori Dipendenti", "Donne Occupate", "Migranti / Immigrati"}));
        QCOMPARE(Voci(form->List1), QStringList({"Agricoltura", "Turismo"}));
        // Each activation rebuilds the lists from what section 3 stored since.
        EsciERientra(env, [&] { env.ExecSql("update DestinatariIntervento set Destinatario01 = 0"); });
        QCOMPARE(Voci(form->List2), QStringList({"Donne Occupate", "Migranti / Immigrati"}));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void withoutAProjectEachStoreSaysWhyAndTheNextArrowStays()
    {
        TestEnvironment env;  // no database open: an empty window
        Sezione1Form *form = Apri(env, false);
        QCOMPARE(form->Text1[0]->text(), QString(""));
        TypeInto(form->Text1[17], "1000");
        env.MainWindow()->ApriFinestra("SondaForm");
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Progetto non esiste"}));

        // A database, but no project chosen.
        env.OpenDatabase();
        Apri(env, false);
        Dialogs::ClearHistory();
        form->Command2[0]->click();
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Progetto non esiste"}));
        QCOMPARE(env.MainWindow()->FinestraAttiva(), form);

        // A project whose Secondario row is missing: nothing stored at all.
        IdProgetto = CreaProgetto();
        env.ExecSql("delete from Secondario");
        Dialogs::ClearHistory();
        form->Command2[0]->click();
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"La tabella Secondaria del Progetto non esiste"}));
        QCOMPARE(Valore(env, "Principale.Oggetto").toString(), QString("Nuovo Progetto"));

        // A whole project: stored, then section 2.
        IdProgetto = CreaProgetto();
        Dialogs::ClearHistory();
        TypeInto(form->Text1[0], "Tecnico di rete");
        form->Option1[1]->click();
        form->Command2[0]->click();
        Settle();
        QCOMPARE(env.MainWindow()->FinestraAttiva()->objectName(), QString("Sezione2Form"));
        QCOMPARE(Valore(env, "Principale.Oggetto").toString(), QString("Tecnico di rete"));
        QCOMPARE(Valore(env, "Principale.AttivitaFormativa").toLongLong(), 1);
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void handingOverStoresBeforeTheOtherWindowRefills()
    {
        TestEnvironment env;
        Velkaro *main = env.MainWindow();
        Sezione1Form *form = Apri(env);
        TypeInto(form->Text1[0], "Passaggio di consegne");
        TypeInto(form->Text1[18], "5");
        main->ApriFinestra("SondaForm");
        Settle();
        QCOMPARE(Sonda::oggettoVisto, QString("Passaggio di consegne"));
        // Back: the other window stored first, section 1 shows it.
        main->ApriFinestra("Sezione1Form");
        Settle();
        QCOMPARE(form->Text1[18]->text(), QString("42"));
        QCOMPARE(form->Text2->text(), QString("42"));

        // The previous arrow leads to the introduction, storing on the way.
        TypeInto(form->Text1[1], "INDIETRO");
        form->Command1[0]->click();
        Settle();
        QCOMPARE(main->FinestraAttiva()->objectName(), QString("IntroduzioneForm"));
        QCOMPARE(Valore(env, "Principale.CodiceEnte").toString(), QString("INDIETRO"));

        // Closing stores too.
        Apri(env, false);
        TypeInto(form->Text1[1], "CHIUSO");
        main->ScaricaFinestra("Sezione1Form");
        Settle();
        QCOMPARE(Valore(env, "Principale.CodiceEnte").toString(), QString("CHIUSO"));

        // Loaded alone (as the printout does), the window shows itself filled.
        MdiChild *caricata = main->CaricaFinestra("Sezione1Form");
        Settle();
        QVERIFY(caricata && caricata->isVisible());
        QCOMPARE(Find<QLineEdit>(caricata, "Text1(0)")->text(), QString("Passaggio di consegne"));
    }
};

QTEST_MAIN(TestSezione1)
#include "tst_sezione1.moc"
