// Section 2's partner lists driven through the real window: association
// members on page frame 0, client companies on page frame 4, the consortium
// page 2/B on page frame 5.
#include "TestSupport.h"

#include "Dialogs.h"
#include "Globali.h"
#include "ListBox.h"
#include "MultiLineEdit.h"
#include "OptionGroup.h"
#include "PageFrames.h"
#include "Sezione2Form.h"
#include "TabbedPages.h"
#include "Velkaro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString Nome(const char *array, int index)
{
    return QString("%1(%2)").arg(array).arg(index);
}

QString Testo(QWidget *box)
{
    if (auto *riga = qobject_cast<QLineEdit *>(box))
        return riga->text();
    return qobject_cast<MultiLineEdit *>(box)->text();
}

// Puts text into a box as the user would; a multi-line box gets it whole.
void Scrivi(QWidget *box, const QString &text)
{
    if (auto *righe = qobject_cast<MultiLineEdit *>(box)) {
        righe->setText(text);
        return;
    }
    TypeInto(box, text);
}

// Moves the focus from a box to another control, as a click there would.
void Lascia(QWidget *box, QWidget *verso)
{
    box->setFocus(Qt::MouseFocusReason);
    verso->setFocus(Qt::MouseFocusReason);
    Settle();
}

class Sezione2
{
public:
    // Opens section 2 on a new project of the given activity type.
    explicit Sezione2(TestEnvironment &env, int tipo = 0) : env_(env)
    {
        id = env.OpenNewProject();
        env.ExecSql("update Principale set AttivitaFormativa = ? where Id = ?", {tipo, id});
        TrovaProgetto();
        form = qobject_cast<Sezione2Form *>(env.MainWindow()->ApriFinestra("Sezione2Form"));
        Settle();
        QVERIFY(form);
    }
    // Drives a section 2 window opened by the caller.
    Sezione2(TestEnvironment &env, Sezione2Form *finestra, qint64 progetto) : id(progetto), form(finestra), env_(env)
    {
    }
    template <typename T = QWidget>
    T *W(const QString &name) const
    {
        return Find<T>(form, name);
    }
    int Pagina() const { return PageFrames::VisibleIndex(form->Frame2); }
    void Avanti()
    {
        form->Command1[Pagina()]->click();
        Settle();
    }
    void Indietro()
    {
        form->Command2[Pagina()]->click();
        Settle();
    }
    void VaiA(int frame)
    {
        for (int i = 0; i < 6 && Pagina() != frame; ++i)
            Avanti();
        QCOMPARE(Pagina(), frame);
    }
    QVariant Sql(const QString &query, const QVariantList &values = {}) const { return env_.Sql(query, values); }
    int Conta(const QString &table) const
    {
        return Sql(QString("select count(*) from %1 where Id = ?").arg(table), {id}).toInt();
    }
    // Leaves for another window and comes back: deactivation, then activation.
    void Altrove()
    {
        env_.MainWindow()->ApriFinestra("Sezione1Form");
        Settle();
        env_.MainWindow()->ApriFinestra("Sezione2Form");
        Settle();
    }

    qint64 id = 0;
    Sezione2Form *form = nullptr;

private:
    TestEnvironment &env_;
};

// The 18 detail boxes of an association member and their fields.
const std::pair<int, const char *> DettagliATS[] = {
    {135, "SedeLegale"}, {122, "Cap1"},      {121, "Citta1"},  {120, "Prov1"},
    {119, "Telefono1"},  {118, "Fax1"},      {134, "SedeRegione"}, {133, "Cap2"},
    {132, "Citta2"},     {131, "Prov2"},     {130, "Telefono2"}, {129, "Fax2"},
    {128, "LegaleRappresentante"}, {127, "natoa"}, {126, "DNascitaLR"}, {125, "Residente"},
    {124, "CF1"},        {123, "Estremi"},
};

} // namespace

class TestSezione2Partner : public QObject
{
    Q_OBJECT

    // Adds an association member through the new-name box.
    void AggiungiATS(Sezione2 &s, const QString &nome)
    {
        s.W<QPushButton>("Command4")->click();
        Settle();
        auto *box = s.W<QLineEdit>("Text1(136)");
        QVERIFY(box->isVisible());
        TypeInto(box, nome);
        Lascia(box, s.W("Command4"));
    }
    void AggiungiCommittente(Sezione2 &s, const QString &nome)
    {
        s.W<QPushButton>("Command8")->click();
        Settle();
        TypeInto(s.W("Text4(0)"), nome);
        Lascia(s.W("Text4(0)"), s.W("Command8"));
    }
    void AggiungiConsorziata(Sezione2 &s, const QString &nome)
    {
        s.W<QPushButton>("Command7")->click();
        Settle();
        auto *box = s.W<QLineEdit>("Text1(137)");
        QVERIFY(box->isVisible());
        TypeInto(box, nome);
        Lascia(box, s.W("Command7"));
    }

private slots:
    void initTestCase() { InitTestProcess(); }
    void associationMembersAddEditSwitchDelete()
    {
        TestEnvironment env;
        Sezione2 s(env);
        auto *frame14 = s.W("Frame14");
        auto *indirizzo = s.W("Frame3(0)");
        auto *lista = s.W<ListBox>("List1");
        QVERIFY(!frame14->isVisible());

        s.W<QCheckBox>("Check4")->click();
        Settle();
        QVERIFY(frame14->isVisible());
        QVERIFY(!indirizzo->isVisible());
        QCOMPARE(lista->count(), 0);
        QVERIFY(!s.W("Text1(135)")->isEnabled());

        AggiungiATS(s, "Alfa Srl");
        QCOMPARE(s.Conta("ATS"), 1);
        QCOMPARE(lista->Text(), QString("Alfa Srl"));
        QVERIFY(s.W("Text1(135)")->isEnabled());
        QCOMPARE(s.W<QLineEdit>("Text1(126)")->text(), QString("01/01/1900"));
        QCOMPARE(s.W<QLabel>("Label1(211)")->text(), QString("Denominazioni"));

        // Each box is stored when the focus leaves it.
        TypeInto(s.W("Text1(122)"), "00123");
        Lascia(s.W("Text1(122)"), s.W("Text1(121)"));
        QCOMPARE(s.Sql("select Cap1 from ATS where Denominazione = 'Alfa Srl'").toString(), QString("00123"));
        // ... also when the text did not change.
        s.Sql("update ATS set Cap1 = 'x'");
        Lascia(s.W("Text1(122)"), s.W("Text1(121)"));
        QCOMPARE(s.Sql("select Cap1 from ATS").toString(), QString("00123"));
        // ... but not when a message box or another window takes the focus.
        s.Sql("update ATS set Cap1 = 'x'");
        for (Qt::FocusReason motivo : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent uscita(QEvent::FocusOut, motivo);
            QApplication::sendEvent(s.W("Text1(122)"), &uscita);
        }
        QCOMPARE(s.Sql("select Cap1 from ATS").toString(), QString("x"));

        AggiungiATS(s, "Beta Spa");
        QCOMPARE(lista->Text(), QString("Beta Spa"));
        QCOMPARE(s.W<QLineEdit>("Text1(122)")->text(), QString());
        TypeInto(s.W("Text1(121)"), "Kavrano");
        // Choosing Alfa: the edit goes to Beta, Alfa's own details show.
        s.W("Text1(121)")->setFocus(Qt::MouseFocusReason);
        lista->setFocus(Qt::MouseFocusReason);
        lista->SetListIndex(0);
        Settle();
        QCOMPARE(s.Sql("select Citta1 from ATS where Denominazione = 'Beta Spa'").toString(), QString("Kavrano"));
        QCOMPARE(s.W<QLineEdit>("Text1(121)")->text(), QString());
        // Alfa was stored again when the focus left its box for the add button.
        QCOMPARE(s.W<QLineEdit>("Text1(122)")->text(), QString("00123"));

        // A name equal to an earlier one, ignoring case, selects the earlier one.
        AggiungiATS(s, "ALFA SRL");
        QCOMPARE(s.Conta("ATS"), 3);
        QCOMPARE(lista->ListIndex(), 0);

        // Delete the selected member: gone, list rebuilt, nothing selected.
        s.W<QPushButton>("Command5")->click();
        Settle();
        QCOMPARE(s.Conta("ATS"), 2);
        QCOMPARE(s.Sql("select count(*) from ATS where Denominazione = 'Alfa Srl'").toInt(), 0);
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->ListIndex(), -1);
        QVERIFY(!s.W("Text1(121)")->isEnabled());
        // Delete with nothing selected empties the boxes and deletes nothing.
        s.W<QLineEdit>("Text1(121)")->setText("resta");
        s.W<QPushButton>("Command5")->click();
        Settle();
        QCOMPARE(s.W<QLineEdit>("Text1(121)")->text(), QString());
        QCOMPARE(s.Conta("ATS"), 2);

        // An empty new name adds nothing and brings the list back.
        AggiungiATS(s, "");
        QCOMPARE(s.Conta("ATS"), 2);
        QVERIFY(lista->isVisible());
        QVERIFY(!s.W("Text1(136)")->isVisible());

        // Unchecking shows the proposer's frame again and deletes nothing.
        s.W<QCheckBox>("Check4")->click();
        Settle();
        QVERIFY(!frame14->isVisible());
        QVERIFY(indirizzo->isVisible());
        QCOMPARE(s.Conta("ATS"), 2);
        QCOMPARE(s.Sql("select ATS from Principale where Id = ?", {s.id}).toInt(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    void associationMemberFieldsRoundTrip()
    {
        TestEnvironment env;
        Sezione2 s(env);
        s.W<QCheckBox>("Check4")->click();
        AggiungiATS(s, "Gamma");
        for (const auto &[index, campo] : DettagliATS)
            s.W<QLineEdit>(Nome("Text1", index))->setText(index == 126 ? QString("25/12/1961") : QString("v%1").arg(index));
        s.W<QLineEdit>("Text1(122)")->setText("01234");
        s.Avanti();  // leaving page frame 0 stores the member
        for (const auto &[index, campo] : DettagliATS) {
            const QString atteso = index == 122 ? QString("01234") : QString("v%1").arg(index);
            if (index == 126)
                QCOMPARE(s.Sql("select DNascitaLR from ATS").toDateTime().date(), QDate(1961, 12, 25));
            else
                QCOMPARE(s.Sql(QString("select %1 from ATS").arg(campo)).toString(), atteso);
        }
        s.Indietro();
        auto *lista = s.W<ListBox>("List1");
        for (const auto &[index, campo] : DettagliATS)
            s.W<QLineEdit>(Nome("Text1", index))->clear();
        lista->SetListIndex(0);
        Settle();
        for (const auto &[index, campo] : DettagliATS) {
            const QString atteso = index == 126   ? "25/12/1961"
                                   : index == 122 ? "01234"
                                                  : QString("v%1").arg(index);
            QCOMPARE(s.W<QLineEdit>(Nome("Text1", index))->text(), atteso);
        }
        // A birth date that is not a date becomes 01/01/1900.
        TypeInto(s.W("Text1(126)"), "ieri");
        Lascia(s.W("Text1(126)"), s.W("Text1(125)"));
        QCOMPARE(s.Sql("select DNascitaLR from ATS").toDateTime().date(), QDate(1900, 1, 1));
        lista->SetListIndex(0);
        Settle();
        QCOMPARE(s.W<QLineEdit>("Text1(126)")->text(), QString("01/01/1900"));
    }

    void associationAfterActivationHasNoSelection()
    {
        TestEnvironment env;
        Sezione2 s(env);
        s.W<QCheckBox>("Check4")->click();
        AggiungiATS(s, "Delta");
        TypeInto(s.W("Text1(119)"), "06 1234");
        // Going to section 1 stores the member; coming back lists it unselected.
        s.Altrove();
        QCOMPARE(s.Sql("select Telefono1 from ATS").toString(), QString("06 1234"));
        auto *lista = s.W<ListBox>("List1");
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->ListIndex(), -1);
        // The boxes keep their text but are off; leaving one stores nothing.
        QCOMPARE(s.W<QLineEdit>("Text1(119)")->text(), QString("06 1234"));
        QVERIFY(!s.W("Text1(119)")->isEnabled());
        s.W<QLineEdit>("Text1(119)")->setText("cambiato");
        Lascia(s.W("Text1(119)"), s.W("Text1(118)"));
        s.Altrove();
        QCOMPARE(s.Sql("select Telefono1 from ATS").toString(), QString("06 1234"));
        // The previous arrow on the first page hands over to section 1 and back.
        lista->SetListIndex(0);
        Settle();
        TypeInto(s.W("Text1(118)"), "06 999");
        s.Indietro();
        QCOMPARE(env.MainWindow()->FinestraAttiva()->objectName(), QString("Sezione1Form"));
        env.MainWindow()->ApriFinestra("Sezione2Form");
        Settle();
        QCOMPARE(s.Pagina(), 0);
        lista->SetListIndex(0);
        Settle();
        QCOMPARE(s.W<QLineEdit>("Text1(118)")->text(), QString("06 999"));
        QCOMPARE(s.Sql("select ATS from Principale where Id = ?", {s.id}).toInt(), 1);

        Dialogs::ClearHistory();
        s.Sql("delete from ATS");
        s.Avanti();  // stores the selected member: its row is gone
        QCOMPARE(Dialogs::Messages(), QStringList({"L'Azienda non esiste!"}));
        QCOMPARE(s.Sql("select count(*) from ATS").toInt(), 0);
        s.Indietro();

        // Without a current project nothing is added.
        IdProgetto = 0;
        AggiungiATS(s, "Orfano");
        QCOMPARE(s.Sql("select count(*) from ATS where Id = 0").toInt(), 0);
        QCOMPARE(s.Sql("select count(*) from ATS").toInt(), 0);
        IdProgetto = s.id;
    }

    void clientCompaniesAddEditSwitchDelete()
    {
        TestEnvironment env;
        Sezione2 s(env, 1);
        s.VaiA(4);
        auto *lista = s.W<ListBox>("List3");
        auto *schede = s.W<TabbedPages>("SSTab1");
        QCOMPARE(lista->count(), 0);
        QVERIFY(!schede->isEnabled());
        QVERIFY(!s.W("Text4(1)")->isEnabled());

        AggiungiCommittente(s, "Uno Spa");
        QCOMPARE(s.Conta("Committenti"), 1);
        QCOMPARE(lista->Text(), QString("Uno Spa"));
        QVERIFY(schede->isEnabled());
        QVERIFY(s.W("Text4(1)")->isEnabled());
        QCOMPARE(s.W<QLineEdit>("Text4(5)")->text(), QString("0"));
        QVERIFY(s.W<QRadioButton>("Option2(1)")->isChecked());
        QCOMPARE(s.W<QLabel>("Label1(116)")->text(), QString("Denominazioni"));

        // Adding chooses the new company, so what was typed for Uno is
        // stored first, never dropped.
        TypeInto(s.W("Text4(1)"), "Meccanica");
        AggiungiCommittente(s, "Due Srl");
        QCOMPARE(s.Sql("select SettoreAp from Committenti where Denominazione = 'Uno Spa'").toString(),
                 QString("Meccanica"));
        QCOMPARE(s.W<QLineEdit>("Text4(1)")->text(), QString());
        TypeInto(s.W("Text4(1)"), "Tessile");
        TypeInto(s.W("Text4(2)"), "ab");
        lista->SetListIndex(0);
        Settle();
        QCOMPARE(s.Sql("select SettoreAp from Committenti where Denominazione = 'Due Srl'").toString(),
                 QString("Tessile"));
        QCOMPARE(s.Sql("select AnnoCostituzione from Committenti where Denominazione = 'Due Srl'").toInt(), 0);
        QCOMPARE(s.W<QLineEdit>("Text4(1)")->text(), QString("Meccanica"));
        TypeInto(s.W("Text4(1)"), "Meccanica bis");
        // An add abandoned with an empty name stores the company shown too.
        AggiungiCommittente(s, "");
        QCOMPARE(s.Conta("Committenti"), 2);
        QCOMPARE(s.Sql("select SettoreAp from Committenti where Denominazione = 'Uno Spa'").toString(),
                 QString("Meccanica bis"));
        lista->SetListIndex(0);
        Settle();
        QCOMPARE(s.W<QLineEdit>("Text4(1)")->text(), QString("Meccanica bis"));
        TypeInto(s.W("Text4(1)"), "Meccanica");
        lista->SetListIndex(1);
        Settle();
        QCOMPARE(s.Sql("select SettoreAp from Committenti where Denominazione = 'Uno Spa'").toString(),
                 QString("Meccanica"));
        QCOMPARE(s.W<QLineEdit>("Text4(1)")->text(), QString("Tessile"));
        QCOMPARE(s.W<QLineEdit>("Text4(2)")->text(), QString("0"));

        AggiungiCommittente(s, "uno spa");
        QCOMPARE(lista->ListIndex(), 0);
        QCOMPARE(s.Conta("Committenti"), 3);

        s.W<QPushButton>("Command3")->click();
        Settle();
        QCOMPARE(s.Conta("Committenti"), 2);
        QCOMPARE(lista->ListIndex(), -1);
        QVERIFY(!schede->isEnabled());
        QCOMPARE(s.W<QLineEdit>("Text4(1)")->text(), QString("Meccanica"));  // the text stays
        s.W<QPushButton>("Command3")->click();
        Settle();
        QCOMPARE(s.Conta("Committenti"), 2);

        // Activation lists with nothing selected; edits then store nothing.
        s.Altrove();
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->ListIndex(), -1);
        s.W<QLineEdit>("Text4(3)")->setText("99");
        s.Altrove();
        QCOMPARE(s.Sql("select count(*) from Committenti where IscCCIAA = '99'").toInt(), 0);

        Dialogs::ClearHistory();
        s.Sql("delete from Committenti");
        lista->SetListIndex(0);
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"L'Azienda Committente non esiste!"}));
        s.Altrove();
        QCOMPARE(lista->count(), 0);

        IdProgetto = 0;
        AggiungiCommittente(s, "Orfana");
        QCOMPARE(s.Sql("select count(*) from Committenti where Id = 0").toInt(), 0);
        IdProgetto = s.id;
    }

    void clientCompanyFieldsRoundTripAndYears()
    {
        TestEnvironment env;
        Sezione2 s(env, 1);
        s.VaiA(4);
        AggiungiCommittente(s, "Tre Snc");
        const QStringList testi = {"SettoreAp", "IscCCIAA", "DescrizioneAttivitasvolte", "FLScadQual",
                                   "FLTrasQual", "FLAutoQual", "RelazioneSintetica"};
        const QList<int> indiciTesto = {1, 3, 4, 27, 29, 31, 43};
        for (int i = 1; i <= 43; ++i)
            Scrivi(s.W(Nome("Text4", i)), indiciTesto.contains(i) ? QString("t%1").arg(i) : QString::number(i * 10));
        Scrivi(s.W("Text4(43)"), "riga uno\nriga due");
        Scrivi(s.W("Text4(5)"), "1.234.567,5");
        s.W<QRadioButton>("Option2(0)")->click();
        s.Indietro();  // leaving page frame 4 stores the company
        QCOMPARE(s.Sql("select VFA1 from Committenti").toLongLong(), 1234568LL);
        QCOMPARE(s.Sql("select OccRealCoerente from Committenti").toInt(), 1);
        QCOMPARE(s.Sql("select SettoreAp from Committenti").toString(), QString("t1"));
        QCOMPARE(s.Sql("select RelazioneSintetica from Committenti").toString(), QString("riga uno\nriga due"));
        QCOMPARE(s.Sql("select OccMantenuta from Committenti").toInt(), 420);
        QCOMPARE(s.Sql("select LavCIGNum from Committenti").toInt(), 340);
        s.Avanti();
        s.Altrove();
        auto *lista = s.W<ListBox>("List3");
        for (int i = 1; i <= 43; ++i)
            Scrivi(s.W(Nome("Text4", i)), QString());
        s.W<QRadioButton>("Option2(1)")->click();
        lista->SetListIndex(0);
        Settle();
        for (int i = 6; i <= 42; ++i)
            if (!indiciTesto.contains(i))
                QCOMPARE(Testo(s.W(Nome("Text4", i))), QString::number(i * 10));
        QCOMPARE(Testo(s.W("Text4(5)")), QString("1234568"));
        QCOMPARE(Testo(s.W("Text4(31)")), QString("t31"));
        QCOMPARE(Testo(s.W("Text4(43)")), QString("riga uno\nriga due"));
        QCOMPARE(Dialogs::Messages(), QStringList());
        QVERIFY(s.W<QRadioButton>("Option2(0)")->isChecked());

        // Each employment label names the figure beside it.
        int coppie = 0;
        for (auto *label : s.W("SSTab1")->findChildren<QLabel *>()) {
            coppie += label->buddy() == s.W("Text4(41)") || label->buddy() == s.W("Text4(42)");
            if (label->text() == "Occupazione realizzata a seguito dell'att.formativa")
                QCOMPARE(label->buddy(), s.W("Text4(41)"));
            if (label->text() == "Occupazione mantenuta (formazione sul lavoro)")
                QCOMPARE(label->buddy(), s.W("Text4(42)"));
        }
        QCOMPARE(coppie, 2);

        // The yearly captions follow the first history year.
        s.form->Combo1()->setCurrentIndex(s.form->Combo1()->findText("2001"));
        Settle();
        const QStringList anni = {"2001", " 2002", " 2003"};
        for (int i = 0; i < 3; ++i) {
            for (int base : {123, 126, 129, 177, 180})
                QCOMPARE(s.W<QLabel>(Nome("Label1", base + i))->text(), anni[i]);
            QCOMPARE(s.W<QLineEdit>(Nome("Text3", 5 - i))->text(), anni[i]);
        }
        const QStringList schede = {"Dati Economici Finanziari", "Organico", "C.F.L. anno Precedente",
                                    "Triennio Precedente", "Relazione Sintetica"};
        auto *tab = s.W<TabbedPages>("SSTab1");
        QCOMPARE(tab->count(), schede.size());
        for (int i = 0; i < schede.size(); ++i)
            QCOMPARE(tab->TabCaption(i), schede[i]);
    }

    void consortiumPageForAProposerThatIsNoConsortium()
    {
        TestEnvironment env;
        Sezione2 s(env, 2);
        s.VaiA(5);
        // The first visit creates the proposer's own row, holding only its Id.
        QCOMPARE(s.Conta("Consorzi"), 1);
        QVERIFY(s.Sql("select consorzio from Consorzi").isNull());
        QVERIFY(s.W<TabbedPages>("SSTab2")->isEnabled());
        QVERIFY(!s.W("List2")->isVisible());
        QVERIFY(s.W("Text4(44)")->isVisible());

        const QList<int> numeri = {72, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90,
                                   91, 92, 93, 94, 95, 96, 98, 100, 103, 104, 105, 106, 107, 108, 109, 110,
                                   111, 112, 113};
        for (int i = 44; i <= 114; ++i)
            if (i != 45 && i != 60)
                Scrivi(s.W(Nome("Text4", i)), numeri.contains(i) ? QString::number(i) : QString("v%1").arg(i));
        Scrivi(s.W("Text4(66)"), "03069");
        Scrivi(s.W("Text4(67)"), "00100");
        Scrivi(s.W("Text4(60)"), "");
        s.W<QRadioButton>("Option1(5)")->click();
        s.W<QCheckBox>("Check1(5)")->setChecked(true);
        s.W<QCheckBox>("Check1(7)")->setChecked(true);
        s.W<QCheckBox>("Check3(3)")->setChecked(true);
        s.Indietro();
        QCOMPARE(s.Conta("Consorzi"), 1);
        QCOMPARE(s.Sql("select consorzio from Consorzi").toString(), QString("Nessuno"));
        QCOMPARE(s.Sql("select ABI from Consorzi").toString(), QString("03069"));
        QCOMPARE(s.Sql("select CAB from Consorzi").toString(), QString("00100"));
        QCOMPARE(s.Sql("select AmbitoTerritoriale from Consorzi").toInt(), 2);
        QCOMPARE(s.Sql("select SedeoSedi from Consorzi").toInt(), 10);
        QCOMPARE(s.Sql("select OccRealCoerente from Consorzi").toInt(), 0);
        QCOMPARE(s.Sql("select OccMantCoerente from Consorzi").toInt(), 1);
        QCOMPARE(s.Sql("select DNascitaLR from Consorzi").toDateTime().date(), QDate(1900, 1, 1));
        QCOMPARE(s.Sql("select OpeA3 from Consorzi").toInt(), 95);
        QCOMPARE(s.Sql("select Attrezzatureadispo from Consorzi").toString(), QString("v102"));

        for (int i = 44; i <= 114; ++i)
            Scrivi(s.W(Nome("Text4", i)), QString());
        s.W<QRadioButton>("Option1(3)")->click();
        s.Avanti();
        for (int i = 44; i <= 114; ++i) {
            const QString atteso = i == 45   ? "Nessuno"
                                   : i == 60 ? "01/01/1900"
                                   : i == 66 ? "03069"
                                   : i == 67 ? "00100"
                                   : numeri.contains(i) ? QString::number(i)
                                                        : QString("v%1").arg(i);
            QCOMPARE(Testo(s.W(Nome("Text4", i))), atteso);
        }
        QVERIFY(s.W<QRadioButton>("Option1(5)")->isChecked());
        QVERIFY(s.W<QCheckBox>("Check1(5)")->isChecked() && s.W<QCheckBox>("Check1(7)")->isChecked());
        QVERIFY(!s.W<QCheckBox>("Check1(4)")->isChecked() && !s.W<QCheckBox>("Check1(6)")->isChecked());
        QVERIFY(s.W<QCheckBox>("Check3(3)")->isChecked() && !s.W<QCheckBox>("Check3(2)")->isChecked());

        // A stored scope no option has shows none and stays as stored.
        s.Sql("update Consorzi set AmbitoTerritoriale = 7");
        s.Indietro();
        s.Sql("update Consorzi set AmbitoTerritoriale = 7");
        s.Avanti();
        for (int i = 3; i <= 5; ++i)
            QVERIFY(!s.W<QRadioButton>(Nome("Option1", i))->isChecked());
        s.Indietro();
        QCOMPARE(s.Sql("select AmbitoTerritoriale from Consorzi").toInt(), 7);

        // Showing the page again creates no further row; the end of the walk
        // stores the page and opens section 3.
        s.VaiA(5);
        Scrivi(s.W("Text4(46)"), "Via Nuova");
        s.Avanti();
        QCOMPARE(s.Conta("Consorzi"), 1);
        QCOMPARE(s.Sql("select SedeLegale from Consorzi").toString(), QString("Via Nuova"));
    }

    void consortiumMembersAndTheSwitch()
    {
        TestEnvironment env;
        Sezione2 s(env, 2);
        s.VaiA(5);
        auto *check5 = s.form->findChild<QCheckBox *>("Check5");
        auto *lista = s.W<ListBox>("List2");
        auto *schede = s.W<TabbedPages>("SSTab2");
        Scrivi(s.W("Text4(44)"), "Proponente");
        Scrivi(s.W("Text4(46)"), "Sede propria");

        // Switch on while shown: the own row keeps what the page showed.
        check5->click();
        Settle();
        QCOMPARE(s.Sql("select Denominazione from Consorzi").toString(), QString("Proponente"));
        QVERIFY(lista->isVisible());
        QVERIFY(!s.W("Text4(44)")->isVisible());
        QCOMPARE(s.W<QLineEdit>("Text4(45)")->text(), QString());
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->ListIndex(), -1);
        QVERIFY(!schede->isEnabled());

        Scrivi(s.W("Text4(45)"), "Consorzio Kavrano");
        AggiungiConsorziata(s, "Alfa");
        QCOMPARE(s.Conta("Consorzi"), 2);
        QCOMPARE(s.Sql("select consorzio from Consorzi where Denominazione = 'Alfa'").toString(),
                 QString("Consorzio Kavrano"));
        QCOMPARE(lista->Text(), QString("Alfa"));
        QVERIFY(schede->isEnabled());
        QCOMPARE(s.W<QLineEdit>("Text4(46)")->text(), QString());
        Scrivi(s.W("Text4(46)"), "Via Alfa");
        AggiungiConsorziata(s, "Beta");  // stores Alfa first
        QCOMPARE(s.Sql("select SedeLegale from Consorzi where Denominazione = 'Alfa'").toString(), QString("Via Alfa"));
        Scrivi(s.W("Text4(46)"), "Via Beta");
        lista->SetListIndex(lista->FindExact("Alfa"));
        Settle();
        QCOMPARE(s.Sql("select SedeLegale from Consorzi where Denominazione = 'Beta'").toString(), QString("Via Beta"));
        QCOMPARE(s.W<QLineEdit>("Text4(46)")->text(), QString("Via Alfa"));

        // Switch off while shown: Alfa is stored, the page shows the own row.
        Scrivi(s.W("Text4(48)"), "Citta Alfa");
        check5->click();
        Settle();
        QCOMPARE(s.Sql("select Citta1 from Consorzi where Denominazione = 'Alfa'").toString(), QString("Citta Alfa"));
        QCOMPARE(s.W<QLineEdit>("Text4(46)")->text(), QString("Sede propria"));
        QCOMPARE(s.W<QLineEdit>("Text4(44)")->text(), QString("Proponente"));
        QVERIFY(schede->isEnabled());
        QVERIFY(!lista->isVisible());
        Scrivi(s.W("Text4(46)"), "Sede cambiata");
        s.Indietro();
        s.Avanti();
        QCOMPARE(s.W<QLineEdit>("Text4(46)")->text(), QString("Sede cambiata"));
        QCOMPARE(s.Sql("select SedeLegale from Consorzi where Denominazione = 'Proponente'").toString(),
                 QString("Sede cambiata"));
        QCOMPARE(s.Sql("select SedeLegale from Consorzi where Denominazione = 'Alfa'").toString(), QString("Via Alfa"));
        QCOMPARE(s.Sql("select SedeLegale from Consorzi where Denominazione = 'Beta'").toString(), QString("Via Beta"));

        // On and off once more: every member listed each time, nothing mixed up.
        check5->click();
        Settle();
        QCOMPARE(lista->count(), 3);
        s.Indietro();
        s.Avanti();
        QCOMPARE(lista->count(), 3);
        lista->SetListIndex(lista->FindExact("Beta"));
        Settle();
        QCOMPARE(s.W<QLineEdit>("Text4(46)")->text(), QString("Via Beta"));
        check5->click();
        Settle();
        QCOMPARE(s.W<QLineEdit>("Text4(46)")->text(), QString("Sede cambiata"));
        QCOMPARE(s.Sql("select count(*) from Consorzi where SedeLegale = 'Sede cambiata'").toInt(), 1);
        QCOMPARE(s.Conta("Consorzi"), 3);
        s.Indietro();
        QCOMPARE(s.Sql("select finilucro1 from Principale where Id = ?", {s.id}).toInt(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // A member's name may be longer than the box that shows it afterwards:
    // showing it must not cut it, or the next store would keep the cut name.
    void aNameLongerThanItsBoxSurvivesShowingAndStoring()
    {
        TestEnvironment env;
        Sezione2 s(env, 2);
        s.VaiA(5);
        s.form->findChild<QCheckBox *>("Check5")->click();
        Settle();
        const QString lungo = QString("Consorziata ").repeated(20);  // 240 characters
        AggiungiConsorziata(s, lungo);
        auto *lista = s.W<ListBox>("List2");
        lista->SetListIndex(lista->FindExact(lungo));
        Settle();
        Scrivi(s.W("Text4(46)"), "Via Lunga");
        s.Indietro();  // stores the member shown
        QCOMPARE(s.Sql("select Denominazione from Consorzi where SedeLegale = 'Via Lunga'").toString(), lungo);
        s.Avanti();
        lista->SetListIndex(lista->FindExact(lungo));
        Settle();
        s.Indietro();
        QCOMPARE(s.Sql("select Denominazione from Consorzi where SedeLegale = 'Via Lunga'").toString(), lungo);
    }

    void consortiumMemberDeleteAndHandOver()
    {
        TestEnvironment env;
        Sezione2 s(env, 2);
        s.VaiA(5);
        auto *check5 = s.form->findChild<QCheckBox *>("Check5");
        auto *lista = s.W<ListBox>("List2");
        check5->click();
        Settle();
        Dialogs::ClearHistory();
        s.W<QPushButton>("Command6")->click();
        QCOMPARE(Dialogs::History().size(), 1);
        QCOMPARE(Dialogs::History().first().text, QString("Selezionare un azienda!"));
        QCOMPARE(Dialogs::History().first().title, QString("Consorzio"));

        AggiungiConsorziata(s, "Gamma");
        AggiungiConsorziata(s, "gamma");  // the earlier member is chosen
        QCOMPARE(lista->count(), 3);
        QCOMPARE(lista->ListIndex(), lista->FindExact("Gamma"));
        Scrivi(s.W("Text4(64)"), "Banca Gamma");

        // Switching windows keeps the edits, on the page and in the member's row.
        s.Altrove();
        QCOMPARE(s.W<QLineEdit>("Text4(64)")->text(), QString("Banca Gamma"));
        QCOMPARE(s.Sql("select Banca from Consorzi where Denominazione = 'Gamma'").toString(), QString("Banca Gamma"));
        QCOMPARE(s.Sql("select finilucro1 from Principale where Id = ?", {s.id}).toInt(), 1);

        s.W<QPushButton>("Command6")->click();
        Settle();
        QCOMPARE(s.Sql("select count(*) from Consorzi where Denominazione = 'Gamma'").toInt(), 0);
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->ListIndex(), -1);
        QCOMPARE(s.W<QLineEdit>("Text4(64)")->text(), QString());
        QVERIFY(!s.W<TabbedPages>("SSTab2")->isEnabled());

        // A member whose row went away elsewhere is reported, never stored into.
        Dialogs::ClearHistory();
        s.Sql("delete from Consorzi where Denominazione = 'gamma'");
        lista->SetListIndex(lista->FindExact("gamma"));
        Settle();
        s.W<QPushButton>("Command6")->click();
        Settle();
        QCOMPARE(Dialogs::Messages(), QStringList({"Il Consorzio non esiste!", "La Consorziata non esiste!"}));

        // With no current project nothing is added.
        IdProgetto = 0;
        const int prima = s.Sql("select count(*) from Consorzi").toInt();
        s.W<QPushButton>("Command7")->click();
        Settle();
        QCOMPARE(s.Sql("select count(*) from Consorzi").toInt(), prima);
        QCOMPARE(s.Sql("select count(*) from Consorzi where Id = 0").toInt(), 0);
        IdProgetto = s.id;
    }

    void consortiumRowHoldingOnlyItsIdAndOddInput()
    {
        TestEnvironment env;
        const qint64 id = env.OpenNewProject();
        env.ExecSql("update Principale set AttivitaFormativa = 2 where Id = ?", {id});
        env.ExecSql("insert into Consorzi (Id) values (?)", {id});
        TrovaProgetto();
        auto *form = qobject_cast<Sezione2Form *>(env.MainWindow()->ApriFinestra("Sezione2Form"));
        Settle();
        QVERIFY(form);
        Sezione2 s(env, form, id);
        s.W<QRadioButton>("Option1(5)")->click();
        s.W<QCheckBox>("Check1(4)")->setChecked(true);
        s.W<QCheckBox>("Check3(2)")->setChecked(true);
        Scrivi(s.W("Text4(46)"), "resto");
        s.VaiA(5);

        // The row is shown as it stands: empty texts, 0 in every number box,
        // the 1900 birth date, "Provinciale", nothing checked.
        QCOMPARE(s.Conta("Consorzi"), 1);
        QCOMPARE(Testo(s.W("Text4(46)")), QString());
        for (int i : {72, 75, 80, 81, 95, 96, 103, 106, 111, 112, 113})
            QCOMPARE(Testo(s.W(Nome("Text4", i))), QString("0"));
        QCOMPARE(Testo(s.W("Text4(60)")), QString("01/01/1900"));
        QVERIFY(s.W<QRadioButton>("Option1(3)")->isChecked());
        for (int i = 4; i <= 7; ++i)
            QVERIFY(!s.W<QCheckBox>(Nome("Check1", i))->isChecked());
        QVERIFY(!s.W<QCheckBox>("Check3(2)")->isChecked() && !s.W<QCheckBox>("Check3(3)")->isChecked());

        // Letters in a number box store 0, decimals are rounded, a long text
        // keeps only what its box holds, a free-text birth date stores 1900.
        Scrivi(s.W("Text4(72)"), "millenovecento");
        Scrivi(s.W("Text4(75)"), "1.234,5");
        Scrivi(s.W("Text4(81)"), "-3");
        Scrivi(s.W("Text4(74)"), QString(300, 'p'));
        Scrivi(s.W("Text4(60)"), "31/02/1970");
        s.Indietro();
        QCOMPARE(s.Sql("select AnnoCostituzione from Consorzi").toInt(), 0);
        QCOMPARE(s.Sql("select VFA1 from Consorzi").toInt(), 1235);
        QCOMPARE(s.Sql("select DirA1 from Consorzi").toInt(), -3);
        QCOMPARE(s.Sql("select length(RegistroPrefettizio) from Consorzi").toInt(), 255);
        QCOMPARE(s.Sql("select DNascitaLR from Consorzi").toDateTime().date(), QDate(1900, 1, 1));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    void partnerBlocksLaidOutWithoutOverlaps()
    {
        TestEnvironment env;
        Sezione2 s(env, 2);
        s.W<QCheckBox>("Check4")->click();
        AggiungiATS(s, "Alfa");
        // The member list, its buttons and the detail rows all fit the
        // frame that replaces the proposer's address, none over another.
        for (bool aggiunta : {false, true}) {
            if (aggiunta) {
                s.W<QPushButton>("Command4")->click();
                Settle();
            }
            auto *frame14 = s.W("Frame14");
            QList<QWidget *> visibili;
            for (QWidget *figlio : frame14->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (figlio->isVisible())
                    visibili << figlio;
            QVERIFY(visibili.size() > 30);
            for (int i = 0; i < visibili.size(); ++i) {
                QVERIFY2(frame14->rect().contains(visibili[i]->geometry()), qPrintable(visibili[i]->objectName()));
                for (int j = i + 1; j < visibili.size(); ++j)
                    QVERIFY2(!visibili[i]->geometry().intersects(visibili[j]->geometry()),
                             qPrintable(visibili[i]->objectName() + " / " + visibili[j]->objectName()));
            }
        }
        s.W("Text1(136)")->clearFocus();
        Settle();

        // With the consortium switch on the hidden proposer's name leaves
        // its place to the legal seat, which then starts the row.
        s.VaiA(5);
        auto *check5 = s.form->findChild<QCheckBox *>("Check5");
        const int sinistra = s.W("Text4(47)")->x();
        QVERIFY(s.W("Text4(46)")->x() > sinistra);
        check5->click();
        Settle();
        QCOMPARE(s.W("Text4(46)")->x(), sinistra);
        check5->click();
        Settle();
        QVERIFY(s.W("Text4(46)")->x() > sinistra);
    }
};

QTEST_MAIN(TestSezione2Partner)
#include "tst_sezione2_partner.moc"
