// Section 2's partner lists driven through the real window: association
// members on page frame 0, client companies on page frame 4, the consortium
// page 2/B on page frame 5.
#include "PilotaSezione2.h"

#include "Dialogs.h"
#include "Globali.h"
#include "ListBox.h"
#include "TabbedPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// The 18 detail boxes of an association member and their fields.
// clang-format off
const std::pair<int, const char *> DettagliATS[] = {
    {135, "SedeLegale"}, {122, "Cap1"}, {121, "Citta1"}, {120, "Prov1"}, {119, "Telefono1"}, {118, "Fax1"},
    {134, "SedeRegione"}, {133, "Cap2"}, {132, "Citta2"}, {131, "Prov2"}, {130, "Telefono2"}, {129, "Fax2"},
    {128, "LegaleRappresentante"}, {127, "natoa"}, {126, "DNascitaLR"}, {125, "Residente"}, {124, "CF1"},
    {123, "Estremi"}};
// clang-format on

}  // namespace

class TestSezione2Partner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitTestProcess(); }

    // The association members (page frame 0, shown by Check4) and the client
    // companies (page frame 4) alike: add, edit, choose another, delete and
    // list again, the database checked after each step. A member's boxes and
    // pages are enabled exactly while one is selected.
    void partnerListsAddEditSwitchDelete_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("tabella");
        // The list, add button, new-name box, delete button, a detail box and
        // its field, and a further control enabled only with a selection.
        QTest::addColumn<QStringList>("nomi");
        QTest::newRow("ATS") << 0 << "ATS" << QStringList{"List1",      "Command4", "Text1(136)", "Command5",
                                                          "Text1(121)", "Citta1",   "Text1(135)"};
        QTest::newRow("Committenti") << 1 << "Committenti"
                                     << QStringList{"List3",    "Command8",  "Text4(0)", "Command3",
                                                    "Text4(1)", "SettoreAp", "SSTab1"};
    }
    void partnerListsAddEditSwitchDelete()
    {
        QFETCH(int, tipo);
        QFETCH(QString, tabella);
        QFETCH(QStringList, nomi);
        TestEnvironment env;
        PilotaSezione2 s(env, tipo);
        if (tipo == 0)
            s.W<QCheckBox>("Check4")->click();
        s.VaiA(tipo == 0 ? 0 : 4);
        auto *lista = s.W<ListBox>(nomi[0]);
        auto *dettaglio = s.W<QLineEdit>(nomi[4]);
        const auto aggiungi = [&](const QString &nome) { s.Aggiungi(nomi[1], nomi[2], nome); };
        const auto campo = [&](const QString &nome) { return s.DiNome(tabella, nome, nomi[5]).toString(); };
        const auto abilitati = [&](bool si) { return dettaglio->isEnabled() == si && s.W(nomi[6])->isEnabled() == si; };
        QCOMPARE(lista->count(), 0);
        QVERIFY(abilitati(false));

        aggiungi("Uno Spa");
        QCOMPARE(s.Conta(tabella), 1);
        QCOMPARE(lista->Text(), QString("Uno Spa"));
        QVERIFY(abilitati(true));

        // Adding, or choosing another, first stores the one shown.
        TypeInto(dettaglio, "Meccanica");
        aggiungi("Due Srl");
        QCOMPARE(campo("Uno Spa"), QString("Meccanica"));
        QCOMPARE(dettaglio->text(), QString());
        TypeInto(dettaglio, "Tessile");
        SpostaFuoco(dettaglio, lista);
        s.Scegli(lista, 0);
        QCOMPARE(campo("Due Srl"), QString("Tessile"));
        QCOMPARE(dettaglio->text(), QString("Meccanica"));

        // The arrow keys choose as the mouse does: the details follow and
        // what was typed for the one left is stored first.
        TypeInto(dettaglio, "Meccanica fine");
        lista->setFocus();
        QTest::keyClick(lista, Qt::Key_Down);
        Settle();
        QCOMPARE(lista->Text(), QString("Due Srl"));
        QCOMPARE(dettaglio->text(), QString("Tessile"));
        QVERIFY(abilitati(true));
        QCOMPARE(campo("Uno Spa"), QString("Meccanica fine"));
        QTest::keyClick(lista, Qt::Key_Up);
        Settle();

        // A name equal to an earlier one, ignoring case, selects the earlier one.
        aggiungi("UNO SPA");
        QCOMPARE(s.Conta(tabella), 3);
        QCOMPARE(lista->ListIndex(), 0);

        // Delete the selected one: gone, the list rebuilt with nothing
        // selected; delete with nothing selected deletes nothing.
        s.Clicca(nomi[3]);
        QCOMPARE(s.Conta(tabella), 2);
        QCOMPARE(s.DiNome(tabella, "Uno Spa", "count(*)").toInt(), 0);
        QCOMPARE((QList<int>{lista->count(), lista->ListIndex()}), (QList<int>{2, -1}));
        QVERIFY(abilitati(false));
        s.Clicca(nomi[3]);
        QCOMPARE(s.Conta(tabella), 2);

        // Activation lists with nothing selected; what is typed then is
        // stored nowhere.
        s.Scegli(lista, 0);
        s.Altrove();
        QCOMPARE((QList<int>{lista->count(), lista->ListIndex()}), (QList<int>{2, -1}));
        QVERIFY(abilitati(false));
        dettaglio->setText("cambiato");
        SpostaFuoco(dettaglio, lista);
        s.Altrove();
        QCOMPARE(s.Sql(QString("select count(*) from %1 where %2 = 'cambiato'").arg(tabella, nomi[5])).toInt(), 0);

        // Without a current project nothing is added.
        IdProgetto = 0;
        aggiungi("Orfano");
        QCOMPARE(s.Sql(QString("select count(*) from %1 where Id = 0").arg(tabella)).toInt(), 0);
        IdProgetto = s.id;
    }

    // What only the association list does: its block takes the place of the
    // proposer's address (the proposer's name still stored and shown); every
    // detail box round-trips; each is stored when the focus leaves it; the
    // hand-over to section 1 keeps what was typed.
    void associationMembers()
    {
        TestEnvironment env;
        PilotaSezione2 s(env);
        auto *lista = s.W<ListBox>("List1");
        QVERIFY(!s.W("Frame14")->isVisible());
        TypeInto(s.W("Text1(0)"), "Ente di Formazione");
        Clic(s.W<QCheckBox>("Check4"));
        QVERIFY(s.W("Frame14")->isVisible() && !s.W("Frame3(0)")->isVisible());
        s.Aggiungi("Command4", "Text1(136)", "Alfa Srl");
        QCOMPARE(Testo(s.W("Text1(126)")), QString("01/01/1900"));

        const auto valore = [](int i) { return i == 126 ? QString("25/12/1961") : QString("0%1").arg(i); };
        for (const auto &[indice, campo] : DettagliATS)
            s.W<QLineEdit>("Text1", indice)->setText(valore(indice));
        s.Avanti();  // leaving page frame 0 stores the member
        for (const auto &[indice, campo] : DettagliATS) {
            const QVariant v = s.DiNome("ATS", "Alfa Srl", campo);
            QCOMPARE(indice == 126 ? v.toDateTime().toString("dd/MM/yyyy") : v.toString(), valore(indice));
        }
        QCOMPARE(s.Campo("Principale", "Denominazione").toString(), QString("Ente di Formazione"));
        s.Indietro();
        for (const auto &[indice, campo] : DettagliATS)
            s.W<QLineEdit>("Text1", indice)->clear();
        s.Scegli(lista, 0);
        for (const auto &[indice, campo] : DettagliATS)
            QCOMPARE(Testo(s.W("Text1", indice)), valore(indice));

        // Stored when the focus leaves a box, also when the text did not
        // change; not when a message box or another window takes the focus.
        TypeInto(s.W("Text1(122)"), "00123");
        SpostaFuoco(s.W("Text1(122)"), s.W("Text1(121)"));
        QCOMPARE(s.Sql("select Cap1 from ATS").toString(), QString("00123"));
        s.Sql("update ATS set Cap1 = 'x'");
        SpostaFuoco(s.W("Text1(122)"), s.W("Text1(121)"));
        QCOMPARE(s.Sql("select Cap1 from ATS").toString(), QString("00123"));
        s.Sql("update ATS set Cap1 = 'x'");
        for (Qt::FocusReason motivo : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent uscita(QEvent::FocusOut, motivo);
            QApplication::sendEvent(s.W("Text1(122)"), &uscita);
        }
        QCOMPARE(s.Sql("select Cap1 from ATS").toString(), QString("x"));

        // The previous arrow on the first page hands over to section 1; back
        // again, the member keeps what was typed.
        TypeInto(s.W("Text1(118)"), "06 999");
        s.Indietro();
        QCOMPARE(env.MainWindow()->FinestraAttiva()->objectName(), QString("Sezione1Form"));
        s.Torna();
        QCOMPARE(s.Pagina(), 0);
        s.Scegli(lista, 0);
        QCOMPARE(Testi({s.W("Text1(118)"), s.W("Text1(0)")}), (QStringList{"06 999", "Ente di Formazione"}));
        QCOMPARE(s.Campo("Principale", "ATS").toInt(), 1);

        // Delete with nothing selected empties the boxes; an empty new name
        // adds nothing and brings the list back.
        s.Altrove();
        s.Clicca("Command5");
        QCOMPARE(Testo(s.W("Text1(118)")), QString());
        s.Aggiungi("Command4", "Text1(136)", "");
        QCOMPARE(s.Conta("ATS"), 1);
        QVERIFY(lista->isVisible() && !s.W("Text1(136)")->isVisible());

        // Unchecking shows the proposer's frame again and deletes nothing.
        Clic(s.W<QCheckBox>("Check4"));
        QVERIFY(s.W("Frame3(0)")->isVisible());
        s.Avanti();
        QCOMPARE(s.Conta("ATS"), 1);
        QCOMPARE(s.Campo("Principale", "ATS").toInt(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList());

        // A member whose row went away is reported when stored.
        s.Indietro();
        Clic(s.W<QCheckBox>("Check4"));
        s.Scegli(lista, 0);
        s.Sql("delete from ATS");
        s.Avanti();
        QCOMPARE(Dialogs::Messages(), QStringList({"L'Azienda non esiste!"}));
    }

    // Every field of a client company stored by the page change and shown
    // again when chosen; the employment labels named by meaning; the yearly
    // captions following the first history year; an add abandoned with an
    // empty name storing the company shown too; a company whose row went
    // away reported when chosen.
    void clientCompanies()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 1);
        s.VaiA(4);
        auto *lista = s.W<ListBox>("List3");
        s.Aggiungi("Command8", "Text4(0)", "Tre Snc");
        QCOMPARE(Testo(s.W("Text4(5)")), QString("0"));
        QVERIFY(s.W<QRadioButton>("Option2(1)")->isChecked());
        const QList<int> testi = {1, 3, 4, 27, 29, 31, 43};
        const auto valore = [&](int i) { return testi.contains(i) ? QString("t%1").arg(i) : QString::number(i * 10); };
        for (int i = 1; i <= 43; ++i)
            Scrivi(s.W("Text4", i), valore(i));
        Scrivi(s.W("Text4(43)"), "riga uno\nriga due");
        Scrivi(s.W("Text4(5)"), "1.234.567,5");
        s.W<QRadioButton>("Option2(0)")->click();
        s.Indietro();  // leaving page frame 4 stores the company
        QCOMPARE(s.Sql("select OccRealCoerente || '|' || OccMantenuta || '|' || LavCIGNum || '|' || RelazioneSintetica "
                       "from Committenti")
                     .toString(),
                 QString("1|420|340|riga uno\nriga due"));
        s.Avanti();
        s.Altrove();
        for (int i = 1; i <= 43; ++i)
            Scrivi(s.W("Text4", i), QString());
        s.W<QRadioButton>("Option2(1)")->click();
        s.Scegli(lista, 0);
        for (int i = 1; i <= 42; ++i)
            QCOMPARE(Testo(s.W("Text4", i)), i == 5 ? QString("1234568") : valore(i));
        QCOMPARE(Testo(s.W("Text4(43)")), QString("riga uno\nriga due"));
        QVERIFY(s.W<QRadioButton>("Option2(0)")->isChecked());
        QCOMPARE(Dialogs::Messages(), QStringList());

        QMap<QString, QWidget *> accanto;
        for (auto *label : s.W("SSTab1")->findChildren<QLabel *>())
            accanto[label->text()] = label->buddy();
        QCOMPARE(accanto.value("Occupazione realizzata a seguito dell'att.formativa"), s.W("Text4(41)"));
        QCOMPARE(accanto.value("Occupazione mantenuta (formazione sul lavoro)"), s.W("Text4(42)"));

        s.form->Combo1()->setCurrentIndex(s.form->Combo1()->findText("2001"));
        Settle();
        const QStringList anni = {"2001", " 2002", " 2003"};
        for (int i = 0; i < 3; ++i) {
            for (int base : {123, 126, 129, 177, 180})
                QCOMPARE(s.W<QLabel>("Label1", base + i)->text(), anni[i]);
            QCOMPARE(s.W<QLineEdit>("Text3", 5 - i)->text(), anni[i]);
        }

        TypeInto(s.W("Text4(1)"), "Meccanica");
        s.Aggiungi("Command8", "Text4(0)", "");
        QCOMPARE(s.Conta("Committenti"), 1);
        QCOMPARE(s.Sql("select SettoreAp from Committenti").toString(), QString("Meccanica"));
        s.Altrove();
        s.Sql("delete from Committenti");
        s.Scegli(lista, 0);
        QCOMPARE(Dialogs::Messages(), QStringList({"L'Azienda Committente non esiste!"}));
        s.Altrove();
        QCOMPARE(lista->count(), 0);
    }

    // A proposer that is no consortium: the page shows and stores the
    // proposer's own row, one row only, whichever way it is stored.
    void consortiumPageForAProposerThatIsNoConsortium()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 2, false);
        env.ExecSql("insert into Consorzi (Id) values (?)", {s.id});
        s.Apri();
        // What the page's controls held before is replaced by the row's fill.
        s.W<QRadioButton>("Option1(5)")->click();
        s.W<QCheckBox>("Check1(4)")->setChecked(true);
        s.W<QCheckBox>("Check3(2)")->setChecked(true);
        Scrivi(s.W("Text4(46)"), "resto");
        s.VaiA(5);
        // The row holding only its Id, shown as it stands: empty texts, 0 in
        // every number box, the 1900 birth date, "Provinciale", nothing checked.
        QCOMPARE(s.Conta("Consorzi"), 1);
        QVERIFY(s.W<TabbedPages>("SSTab2")->isEnabled());
        QVERIFY(!s.W("List2")->isVisible());
        const auto numero = [](int i) {
            return i == 72 || (i >= 75 && i <= 113 && i != 97 && i != 99 && i != 101 && i != 102);
        };
        for (int i = 44; i <= 114; ++i)
            QCOMPARE(Testo(s.W("Text4", i)), numero(i) ? "0" : i == 60 ? "01/01/1900" : "");
        const auto spunte = [&] {
            QList<bool> stati{s.W<QRadioButton>("Option1(3)")->isChecked(),
                              s.W<QRadioButton>("Option1(4)")->isChecked(),
                              s.W<QRadioButton>("Option1(5)")->isChecked()};
            for (const char *nome : {"Check1(4)", "Check1(5)", "Check1(6)", "Check1(7)", "Check3(2)", "Check3(3)"})
                stati << s.W<QCheckBox>(nome)->isChecked();
            return stati;
        };
        QCOMPARE(spunte(), (QList<bool>{true, false, false, false, false, false, false, false, false}));

        // Every box (the bank codes keep their leading zeros, the register
        // only what its box holds), the scope, the premises and the coherence
        // boxes, stored by leaving through a menu and shown again.
        const auto valore = [&](int i) {
            return i == 45     ? QString("Nessuno")
                   : i == 60   ? QString("01/01/1900")
                   : i == 66   ? QString("03069")
                   : i == 67   ? QString("00100")
                   : i == 74   ? QString(255, 'p')
                   : numero(i) ? QString::number(i)
                               : QString("v%1").arg(i);
        };
        for (int i = 44; i <= 114; ++i)
            if (i != 45)
                Scrivi(s.W("Text4", i), i == 60 ? QString() : i == 74 ? QString(300, 'p') : valore(i));
        for (const char *nome : {"Option1(5)", "Check1(5)", "Check1(7)", "Check3(3)"})
            Clic(s.W<QAbstractButton>(nome));
        env.MainWindow()->Sezione1_Click();
        Settle();
        QCOMPARE(s.Conta("Consorzi"), 1);
        QCOMPARE(s.Campi("Consorzi", {"consorzio", "ABI", "CAB", "AmbitoTerritoriale", "SedeoSedi", "OccRealCoerente",
                                      "OccMantCoerente"}),
                 QString("Nessuno|03069|00100|2|10|0|1"));
        s.Torna();
        s.Indietro();
        for (int i = 44; i <= 114; ++i)
            Scrivi(s.W("Text4", i), QString());
        s.W<QRadioButton>("Option1(3)")->click();
        s.Avanti();
        for (int i = 44; i <= 114; ++i)
            QCOMPARE(Testo(s.W("Text4", i)), valore(i));
        QCOMPARE(spunte(), (QList<bool>{false, false, true, false, true, false, true, false, true}));

        // A stored scope no option has shows none and stays as stored.
        s.Indietro();
        s.Sql("update Consorzi set AmbitoTerritoriale = 7");
        s.Avanti();
        QCOMPARE(spunte().mid(0, 3), (QList<bool>{false, false, false}));
        s.Indietro();
        QCOMPARE(s.Sql("select AmbitoTerritoriale from Consorzi").toInt(), 7);

        // Showing the page again creates no further row; the end of the walk
        // stores the page.
        s.VaiA(5);
        Scrivi(s.W("Text4(46)"), "Via Nuova");
        s.Avanti();
        QCOMPARE(s.Campi("Consorzi", {"count(*)", "SedeLegale"}), QString("1|Via Nuova"));
    }

    // The consortium switch on and off, twice, with members present: the
    // page is stored under the old state and filled under the new one; the
    // member list is rebuilt from the table every time; adding or choosing a
    // member stores the one shown first.
    void consortiumMembersAndTheSwitch()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 2);
        s.VaiA(5);
        auto *check5 = s.W<QCheckBox>("Check5");
        auto *lista = s.W<ListBox>("List2");
        auto *schede = s.W<TabbedPages>("SSTab2");
        const auto sede = [&](const QString &nome) { return s.DiNome("Consorzi", nome, "SedeLegale").toString(); };
        Scrivi(s.W("Text4(44)"), "Proponente");
        Scrivi(s.W("Text4(46)"), "Sede propria");

        Clic(check5);
        QCOMPARE(sede("Proponente"), QString("Sede propria"));
        QVERIFY(lista->isVisible() && !s.W("Text4(44)")->isVisible() && !schede->isEnabled());
        QCOMPARE(Testo(s.W("Text4(45)")), QString());
        QCOMPARE((QList<int>{lista->count(), lista->ListIndex()}), (QList<int>{1, -1}));

        Scrivi(s.W("Text4(45)"), "Consorzio Kavrano");
        s.Aggiungi("Command7", "Text1(137)", "Alfa");
        QCOMPARE(s.Conta("Consorzi"), 2);
        QCOMPARE(s.DiNome("Consorzi", "Alfa", "consorzio").toString(), QString("Consorzio Kavrano"));
        QCOMPARE(lista->Text(), QString("Alfa"));
        QVERIFY(schede->isEnabled());
        QCOMPARE(Testo(s.W("Text4(46)")), QString());
        Scrivi(s.W("Text4(46)"), "Via Alfa");
        s.Aggiungi("Command7", "Text1(137)", "Beta");
        QCOMPARE(sede("Alfa"), QString("Via Alfa"));
        Scrivi(s.W("Text4(46)"), "Via Beta");
        s.Scegli(lista, "Alfa");
        QCOMPARE(sede("Beta"), QString("Via Beta"));
        QCOMPARE(Testo(s.W("Text4(46)")), QString("Via Alfa"));

        // Switch off while shown: Alfa is stored, the page shows the own row,
        // which is where its edits go.
        Scrivi(s.W("Text4(48)"), "Citta Alfa");
        Clic(check5);
        QCOMPARE(s.DiNome("Consorzi", "Alfa", "Citta1").toString(), QString("Citta Alfa"));
        QCOMPARE(Testi({s.W("Text4(46)"), s.W("Text4(44)")}), (QStringList{"Sede propria", "Proponente"}));
        QVERIFY(schede->isEnabled() && !lista->isVisible());
        Scrivi(s.W("Text4(46)"), "Sede cambiata");
        s.Indietro();
        s.Avanti();
        QCOMPARE(Testo(s.W("Text4(46)")), QString("Sede cambiata"));
        QCOMPARE((QStringList{sede("Proponente"), sede("Alfa"), sede("Beta")}),
                 (QStringList{"Sede cambiata", "Via Alfa", "Via Beta"}));

        // On and off once more: every member listed each time, nothing mixed up.
        Clic(check5);
        QCOMPARE(lista->count(), 3);
        s.Indietro();
        s.Avanti();
        QCOMPARE(lista->count(), 3);
        s.Scegli(lista, "Beta");
        QCOMPARE(Testo(s.W("Text4(46)")), QString("Via Beta"));
        Clic(check5);
        QCOMPARE(Testo(s.W("Text4(46)")), QString("Sede cambiata"));
        QCOMPARE(s.Sql("select count(*) from Consorzi where SedeLegale = 'Sede cambiata'").toInt(), 1);
        QCOMPARE(s.Conta("Consorzi"), 3);
        s.Indietro();
        QCOMPARE(s.Campo("Principale", "finilucro1").toInt(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // Deleting consortium members, with and without one chosen; the hand-over
    // to section 1 and back; a member's name longer than the box that shows
    // it afterwards survives showing and storing; without a current project
    // nothing is added.
    void consortiumMemberDeleteAndHandOver()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 2);
        s.VaiA(5);
        auto *lista = s.W<ListBox>("List2");
        s.W<QCheckBox>("Check5")->click();
        Dialogs::ClearHistory();
        s.Clicca("Command6");
        QCOMPARE(Dialogs::Messages(), QStringList{"Selezionare un azienda!"});
        QCOMPARE(Dialogs::History().first().title, QString("Consorzio"));

        s.Aggiungi("Command7", "Text1(137)", "Gamma");
        s.Aggiungi("Command7", "Text1(137)", "gamma");  // the earlier member is chosen
        QCOMPARE((QList<int>{lista->count(), lista->ListIndex()}), (QList<int>{3, lista->FindExact("Gamma")}));
        Scrivi(s.W("Text4(64)"), "Banca Gamma");

        // Section 1 and back keeps the edits, on the page and in the member's row.
        s.Altrove("Sezione1Form");
        QCOMPARE(Testo(s.W("Text4(64)")), QString("Banca Gamma"));
        QCOMPARE(s.DiNome("Consorzi", "Gamma", "Banca").toString(), QString("Banca Gamma"));
        QCOMPARE(s.Campo("Principale", "finilucro1").toInt(), 1);

        s.Clicca("Command6");
        QCOMPARE(s.DiNome("Consorzi", "Gamma", "count(*)").toInt(), 0);
        QCOMPARE((QList<int>{lista->count(), lista->ListIndex()}), (QList<int>{2, -1}));
        QCOMPARE(Testo(s.W("Text4(64)")), QString());
        QVERIFY(!s.W<TabbedPages>("SSTab2")->isEnabled());

        // A member whose row went away elsewhere is reported, never stored into.
        Dialogs::ClearHistory();
        s.Sql("delete from Consorzi where Denominazione = 'gamma'");
        s.Scegli(lista, "gamma");
        s.Clicca("Command6");
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Consorzio non esiste!", "La Consorziata non esiste!"}));

        const QString lungo = QString("Consorziata ").repeated(20);  // 240 characters
        s.Aggiungi("Command7", "Text1(137)", lungo);
        for (int volta = 0; volta < 2; ++volta) {
            s.Scegli(lista, lungo);
            Scrivi(s.W("Text4(46)"), "Via Lunga");
            s.Indietro();  // stores the member shown
            QCOMPARE(s.Sql("select Denominazione from Consorzi where SedeLegale = 'Via Lunga'").toString(), lungo);
            s.Avanti();
        }

        IdProgetto = 0;
        const int prima = s.Sql("select count(*) from Consorzi").toInt();
        s.Clicca("Command7");
        QCOMPARE(s.Sql("select count(*) from Consorzi").toInt(), prima);  // none under Id 0 either
        IdProgetto = s.id;
    }

    // With the consortium switch on the hidden proposer's name leaves its
    // place to the legal seat, which then starts the row.
    void theLegalSeatTakesTheHiddenNamesPlace()
    {
        TestEnvironment env;
        PilotaSezione2 s(env, 2);
        s.VaiA(5);
        const int sinistra = s.W("Text4(47)")->x();
        QVERIFY(s.W("Text4(46)")->x() > sinistra);
        for (bool acceso : {true, false}) {
            s.Clicca("Check5");
            QVERIFY(acceso ? s.W("Text4(46)")->x() == sinistra : s.W("Text4(46)")->x() > sinistra);
        }
    }
};

QTEST_MAIN(TestSezione2Partner)
#include "tst_sezione2_partner.moc"
