// Section 2's window, its page wizard and the proposer's pages (page frames
// 0 to 3), driven through the real window under Italian settings.
#include "TestSupport.h"

#include "ComboBox.h"
#include "Dialogs.h"
#include "Globali.h"
#include "MdiChild.h"
#include "MultiLineEdit.h"
#include "PageFrames.h"
#include "PianoSezione2.h"
#include "Sezione2Form.h"
#include "Velkaro.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextCursor>

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

int Lunghezza(QWidget *box)
{
    if (auto *riga = qobject_cast<QLineEdit *>(box))
        return riga->maxLength() == 32767 ? 0 : riga->maxLength();
    return qobject_cast<MultiLineEdit *>(box)->maxLength();
}

// One text box of pages 0 to 3 and the field it belongs to.
struct Casella
{
    int indice;
    QString tabella;
    QString campo;
    int tipo;       // 0 text, 1 whole number, 2 date
    int lunghezza;  // 0: none
    int pagina;
};

// The boxes of the proposer's record as the forms define them.
QList<Casella> Caselle()
{
    QList<Casella> caselle;
    int i = 0;
    const auto aggiungi = [&](const QString &tabella, const QString &campo, int tipo, int lunghezza, int pagina) {
        caselle.append({i++, tabella, campo, tipo, lunghezza, pagina});
    };
    for (const char *campo : {"Denominazione", "SedeLegale", "Cap1", "Citta1", "Prov1", "Telefono1", "Fax1",
                              "SedeRegione", "Cap2", "Citta2", "Prov2", "Telefono2", "Fax2", "LegaleRappresentante",
                              "natoa"})
        aggiungi("Principale", campo, 0, 0, 0);
    aggiungi("Principale", "DNascitaLR", 2, 0, 0);
    for (const char *campo : {"Residente", "CF1", "Estremi"})
        aggiungi("Principale", campo, 0, 0, 0);
    aggiungi("Secondario", "Banca", 0, 120, 0);
    aggiungi("Secondario", "Sede", 0, 120, 0);
    aggiungi("Secondario", "ABI", 0, 10, 0);
    aggiungi("Secondario", "CAB", 0, 10, 0);
    aggiungi("Secondario", "ContoCorrente", 0, 10, 0);
    aggiungi("Secondario", "IndirizzoBanca", 0, 120, 0);
    aggiungi("Principale", "AttoCostitutivo", 0, 120, 0);
    aggiungi("Principale", "SettoreAppartenenza", 0, 120, 0);
    aggiungi("Principale", "AnnoCostituzione", 1, 10, 0);
    aggiungi("Principale", "IscrizioneCCIAA", 0, 20, 0);
    aggiungi("Principale", "RegistroPrefettizio", 0, 255, 0);
    for (int r = 1; r <= 5; ++r) {
        aggiungi("Secondario", QString("nUnita%1").arg(r), 1, 5, 1);
        aggiungi("Secondario", QString("rapporto%1").arg(r), 0, 120, 1);
    }
    aggiungi("Secondario", "Altro5", 0, 0, 1);
    aggiungi("Principale", "Attrezzatureadispo", 0, 0, 1);
    aggiungi("Principale", "PrincipaliAttivita", 0, 0, 1);
    for (int a = 1; a <= 3; ++a) {
        const int ore = a == 3 ? 0 : 10;
        const int fin = a == 1 ? 20 : 0;
        aggiungi("Principale", QString("CorsiALNumA%1").arg(a), 1, 10, 2);
        aggiungi("Principale", QString("CorsiALOreA%1").arg(a), 1, ore, 2);
        aggiungi("Principale", QString("CorsiPubbliciNumA%1").arg(a), 1, 10, 2);
        aggiungi("Principale", QString("CorsiPubbliciOreA%1").arg(a), 1, ore, 2);
        aggiungi("Principale", QString("CorsiPubbliciFinA%1").arg(a), 1, fin, 2);
        aggiungi("Principale", QString("CorsiPrivatiNumA%1").arg(a), 1, 10, 2);
        aggiungi("Principale", QString("CorsiPrivatiOreA%1").arg(a), 1, ore, 2);
        aggiungi("Principale", QString("CorsiPrivatiFinA%1").arg(a), 1, fin, 2);
        for (int k = 1; k <= 4; ++k)
            aggiungi("Principale", QString("CorsiKVRProg%1A%2").arg(k).arg(a), 0, a == 3 && k == 4 ? 0 : 20, 2);
    }
    for (int a = 1; a <= 3; ++a) {
        aggiungi("Principale", QString("IscrittiInizioA%1").arg(a), 1, 10, 3);
        aggiungi("Principale", QString("IscrittiFineA%1").arg(a), 1, 20, 3);
    }
    aggiungi("Principale", "OccRealFormazione", 1, 20, 3);
    aggiungi("Principale", "OccMantenuta", 1, 20, 3);
    aggiungi("Principale", "RelazioneSintetica", 0, 0, 3);
    return caselle;
}

// What a user types into a box, and what is then stored and shown.
QString Digitato(const Casella &c)
{
    switch (c.tipo) {
    case 1:
        return QString("%1,5").arg(c.indice * 10 + 1);  // rounds up to ...2
    case 2:
        return "25/12/1970";
    default:
        return QString("0%1 Ab").arg(c.indice);  // a leading zero kept
    }
}
QVariant Registrato(const Casella &c)
{
    switch (c.tipo) {
    case 1:
        return qint64(c.indice * 10 + 2);
    case 2:
        return QString("1970-12-25T00:00:00");
    default:
        return Digitato(c);
    }
}
QString Mostrato(const Casella &c)
{
    return c.tipo == 1 ? QString::number(c.indice * 10 + 2) : Digitato(c);
}

class Sezione2
{
public:
    // Opens section 2 on a new project of the given activity type (none: Null).
    explicit Sezione2(TestEnvironment &env, QVariant tipo = {}) : env_(env)
    {
        id = env.OpenNewProject();
        if (tipo.isValid())
            env.ExecSql("update Principale set AttivitaFormativa = ? where Id = ?", {tipo, id});
        Apri();
    }
    void Apri()
    {
        form = qobject_cast<Sezione2Form *>(env_.MainWindow()->ApriFinestra("Sezione2Form"));
        Settle();
        QVERIFY(form);
    }
    template <typename T = QWidget>
    T *W(const QString &name) const
    {
        return Find<T>(form, name);
    }
    QWidget *Text1(int i) const { return W(Nome("Text1", i)); }
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
    // Presses next until the walk ends; the page frames shown on the way.
    QList<int> Cammino()
    {
        QList<int> pagine{Pagina()};
        for (int i = 0; i < 12; ++i) {
            const int prima = form->PaginaCorrente;
            Avanti();
            if (form->PaginaCorrente == prima)
                break;
            pagine.append(Pagina());
        }
        return pagine;
    }
    QVariant Campo(const QString &tabella, const QString &campo) const
    {
        return env_.Sql(QString("select %1 from %2 where Id = ?").arg(campo, tabella), {id});
    }
    void Imposta(const QString &tabella, const QString &campo, const QVariant &valore) const
    {
        env_.ExecSql(QString("update %1 set %2 = ? where Id = ?").arg(tabella, campo), {valore, id});
    }
    // Another window becomes active (section 2 stores itself), then section
    // 2 again (it refills itself).
    void Lascia()
    {
        env_.MainWindow()->ApriFinestra("IntroduzioneForm");
        Settle();
    }
    void Torna()
    {
        env_.MainWindow()->ApriFinestra("Sezione2Form");
        Settle();
    }
    bool Sezione3Aperta() const { return env_.MainWindow()->Finestra("Sezione3Form") != nullptr; }

    qint64 id = 0;
    Sezione2Form *form = nullptr;

private:
    TestEnvironment &env_;
};

} // namespace

class TestSezione2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

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
        Sezione2 s(env, tipo);
        QCOMPARE(s.form->windowTitle(), QString("Sezione 2"));
        QCOMPARE(s.Pagina(), 0);
        QCOMPARE(s.Cammino(), pagine);
        // Next on the last page opens section 3; no consortium message for
        // a walk that never showed the consortium page.
        QVERIFY(s.Sezione3Aperta());
        QCOMPARE(s.form->PaginaCorrente, int(pagine.size()) - 1);
        QVERIFY(!Dialogs::Messages().contains("L'Azienda non esiste!"));

        // Back to the first page, and on to section 1, section 2 staying there.
        s.Apri();
        for (int i = int(pagine.size()) - 2; i >= 0; --i) {
            s.Indietro();
            QCOMPARE(s.Pagina(), pagine[i]);
        }
        s.Indietro();
        QCOMPARE(env.MainWindow()->FinestraAttiva()->objectName(), QString("Sezione1Form"));
        QCOMPARE(s.form->PaginaCorrente, 0);
        QCOMPARE(s.Pagina(), 0);
        Dialogs::ClearHistory();
    }

    // Section 1 rewrites the plan under an open section 2: the page shown
    // stays, the next arrow walks the new plan from the current position.
    void followsAPlanChangedUnderTheOpenWindow()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        for (int i = 0; i < 3; ++i)
            s.Avanti();
        QCOMPARE(s.Pagina(), 3);
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
    }

    // A plan without an end marker ends at its last position.
    void aPlanWithoutEndStopsAtItsLastPosition()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        PagineSezione2 = {0, 1, 2, 3, 0, 1, 2, 3, 0, 1};
        QCOMPARE(s.Cammino(), (QList<int>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
        QCOMPARE(s.form->PaginaCorrente, 9);
        QVERIFY(s.Sezione3Aperta());
    }

    void everyBoxRoundTripsThroughTheDatabase()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        const QList<Casella> caselle = Caselle();
        QCOMPARE(s.form->Text1.Count(), size_t(caselle.size()));
        s.form->Check2->setChecked(false);  // shows the principal activities

        // Each page typed in turn; the page change stores and rereads it.
        for (int pagina = 0; pagina <= 3; ++pagina) {
            QCOMPARE(s.Pagina(), pagina);
            for (const Casella &c : caselle) {
                if (c.pagina != pagina)
                    continue;
                QWidget *box = s.Text1(c.indice);
                QVERIFY2(box->isVisible(), qPrintable(c.campo));
                QCOMPARE(Lunghezza(box), c.lunghezza);
                TypeInto(box, Digitato(c));
            }
            s.Avanti();
        }
        QVERIFY(s.Sezione3Aperta());
        for (const Casella &c : caselle)
            QVERIFY2(s.Campo(c.tabella, c.campo) == Registrato(c),
                     qPrintable(c.campo + ": " + s.Campo(c.tabella, c.campo).toString()));

        // Stored values come back into their own boxes.
        for (const Casella &c : caselle)
            s.Imposta(c.tabella, c.campo, QVariant());
        s.Torna();
        for (const Casella &c : caselle)
            QCOMPARE(Testo(s.Text1(c.indice)), c.tipo == 1 ? QString("0") : c.tipo == 2 ? QString("01/01/1900") : "");
        s.Lascia();
        for (const Casella &c : caselle)
            s.Imposta(c.tabella, c.campo, Registrato(c));
        s.Torna();
        for (const Casella &c : caselle)
            QVERIFY2(Testo(s.Text1(c.indice)) == Mostrato(c), qPrintable(c.campo));
    }

    void readingKindsOfTheBoxes()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        auto *nascita = s.W<QLineEdit>("Text1(15)");
        // An empty date of birth becomes 01/01/1900 at the first page change.
        QCOMPARE(nascita->text(), QString("01/01/1900"));
        QCOMPARE(s.Campo("Principale", "DNascitaLR").toString(), QString("1900-01-01T00:00:00"));

        TypeInto(nascita, "ieri");
        TypeInto(s.Text1(27), "millenovecento");  // year of incorporation
        TypeInto(s.Text1(2), "00123");
        TypeInto(s.Text1(21), "01005");
        TypeInto(s.Text1(23), "CC0012AB");
        s.Avanti();
        s.Indietro();
        QCOMPARE(nascita->text(), QString("01/01/1900"));
        QCOMPARE(Testo(s.Text1(27)), QString("0"));
        QCOMPARE(s.Campo("Principale", "AnnoCostituzione").toLongLong(), 0);
        QCOMPARE(Testo(s.Text1(2)), QString("00123"));
        QCOMPARE(Testo(s.Text1(21)), QString("01005"));
        QCOMPARE(Testo(s.Text1(23)), QString("CC0012AB"));

        // The register's multi-line box takes 255 characters; what is typed
        // beyond them, at the end or in the middle, is dropped.
        auto *registro = qobject_cast<MultiLineEdit *>(s.Text1(29));
        TypeInto(registro, QString(250, 'a') + "bcdefgh");
        QCOMPARE(registro->text(), QString(250, 'a') + "bcdef");
        registro->moveCursor(QTextCursor::Start);
        QTest::keyClicks(registro, "Z");
        QCOMPARE(registro->text(), QString(250, 'a') + "bcdef");

        // A date in another accepted form is stored as that date.
        TypeInto(nascita, "5-3-1970");
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "DNascitaLR").toString(), QString("1970-03-05T00:00:00"));
        s.Indietro();
        QCOMPARE(nascita->text(), QString("05/03/1970"));

        // Whole numbers: 64 bits kept exactly, a figure beyond them stores 0.
        s.Avanti();
        s.Avanti();
        TypeInto(s.Text1(59), "12345678901234567");    // CorsiPubbliciFinA2
        TypeInto(s.Text1(62), "99999999999999999999");  // CorsiPrivatiFinA2
        TypeInto(s.Text1(47), "2.500.000,49");          // CorsiPubbliciFinA1
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "CorsiPubbliciFinA2").toLongLong(), 12345678901234567LL);
        QCOMPARE(s.Campo("Principale", "CorsiPrivatiFinA2").toLongLong(), 0);
        QCOMPARE(s.Campo("Principale", "CorsiPubbliciFinA1").toLongLong(), 2500000);
        s.Indietro();
        QCOMPARE(Testo(s.Text1(59)), QString("12345678901234567"));
        QCOMPARE(Testo(s.Text1(62)), QString("0"));
        QCOMPARE(Testo(s.Text1(47)), QString("2500000"));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    void yearListAndTheCaptionsItDrives()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        ComboBox *anni = s.form->Combo1();
        QCOMPARE(anni->count(), 9);
        QCOMPARE(anni->List(0), QString("1998"));
        QCOMPARE(anni->List(8), QString("2006"));
        // A project that never stored a year shows none selected.
        QCOMPARE(anni->ListIndex(), -1);

        s.Avanti();
        s.Avanti();
        anni->SetListIndex(anni->FindExact("2001"));
        QCOMPARE(s.W<QLineEdit>("Text2(0)")->text(), QString(" 2002"));
        QCOMPARE(s.W<QLineEdit>("Text2(1)")->text(), QString(" 2003"));
        QCOMPARE(s.W<QLineEdit>("Text3(0)")->text(), QString("2001"));
        QCOMPARE(s.W<QLineEdit>("Text3(1)")->text(), QString(" 2002"));
        QCOMPARE(s.W<QLineEdit>("Text3(2)")->text(), QString(" 2003"));
        QVERIFY(!s.W("Text2(0)")->isEnabled());
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "ComboAnno").toString(), QString("2001"));

        // A stored year selects its item on the next fill; the captions follow.
        s.Lascia();
        s.Imposta("Principale", "ComboAnno", "2003");
        s.Torna();
        QCOMPARE(anni->Text(), QString("2003"));
        QCOMPARE(s.W<QLineEdit>("Text3(2)")->text(), QString(" 2005"));

        // A stored text that is not a year of the list: nothing selected, and
        // storing keeps the stored text.
        s.Lascia();
        s.Imposta("Principale", "ComboAnno", "1990");
        s.Torna();
        QCOMPARE(anni->ListIndex(), -1);
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "ComboAnno").toString(), QString("1990"));
    }

    void switchesScopeAndPremises()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        // Never stored: "Nazionale"; the first store writes 0.
        QVERIFY(s.W<QRadioButton>("Option1(0)")->isChecked());
        QCOMPARE(s.Campo("Principale", "AmbitoTerritoriale").toLongLong(), 0);
        s.W<QRadioButton>("Option1(2)")->click();
        s.W<QCheckBox>("Check4")->click();
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "AmbitoTerritoriale").toLongLong(), 2);
        QCOMPARE(s.Campo("Principale", "ATS").toBool(), true);

        // Premises: "di proprietà" and "non ancora individuate" store 9.
        s.W<QCheckBox>("Check1(0)")->click();
        s.W<QCheckBox>("Check1(3)")->click();
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "SedeoSedi").toLongLong(), 9);
        s.Lascia();
        s.Imposta("Principale", "SedeoSedi", 6);
        s.Imposta("Principale", "AmbitoTerritoriale", 1);
        s.Imposta("Principale", "ATS", QVariant());
        s.Torna();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s.W<QCheckBox>(Nome("Check1", i))->isChecked(), i == 1 || i == 2);
        QVERIFY(s.W<QRadioButton>("Option1(1)")->isChecked());
        QVERIFY(!s.W<QCheckBox>("Check4")->isChecked());

        // The two coherence boxes of the results and the consortium switch.
        s.Avanti();
        s.W<QCheckBox>("Check3(1)")->click();
        s.W<QCheckBox>("Check5")->setChecked(true);
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "OccRealCoerente").toBool(), false);
        QCOMPARE(s.Campo("Principale", "OccMantCoerente").toBool(), true);
        QCOMPARE(s.Campo("Principale", "finilucro1").toBool(), true);
        s.Imposta("Principale", "OccRealCoerente", true);
        s.Imposta("Principale", "OccMantCoerente", QVariant());
        s.Imposta("Principale", "finilucro1", false);
        s.Torna();
        QVERIFY(s.W<QCheckBox>("Check3(0)")->isChecked());
        QVERIFY(!s.W<QCheckBox>("Check3(1)")->isChecked());
        QVERIFY(!s.W<QCheckBox>("Check5")->isChecked());
    }

    void staffGridAndPrincipalActivities()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        s.Avanti();
        TypeInto(s.Text1(40), "Tutor");
        TypeInto(s.Text1(38), "");
        TypeInto(s.Text1(39), "a progetto");
        TypeInto(s.Text1(30), "123456");  // five digits at most
        s.Avanti();
        QCOMPARE(s.Campo("Secondario", "Altro5").toString(), QString("Tutor"));
        QCOMPARE(s.Campo("Secondario", "nUnita5").toLongLong(), 0);
        QCOMPARE(s.Campo("Secondario", "rapporto5").toString(), QString("a progetto"));
        QCOMPARE(s.Campo("Secondario", "nUnita1").toLongLong(), 12345);
        s.Indietro();
        QCOMPARE(Testo(s.Text1(38)), QString("0"));

        // The principal activities show exactly while the switch is off; the
        // text is stored either way.
        QWidget *attivita = s.Text1(42);
        QVERIFY(s.form->Check2->isChecked());
        QVERIFY(!attivita->isVisible());
        s.form->Check2->click();
        QVERIFY(attivita->isVisible());
        TypeInto(attivita, "Formazione e consulenza");
        s.form->Check2->click();
        QVERIFY(!attivita->isVisible());
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "PrincipaliAttivita").toString(), QString("Formazione e consulenza"));

        // Closing and reopening checks the switch again.
        s.form->Unload();
        Settle();
        s.Apri();
        QVERIFY(s.form->Check2->isChecked());
        s.Avanti();
        QVERIFY(!s.Text1(42)->isVisible());
        QCOMPARE(Testo(s.Text1(42)), QString("Formazione e consulenza"));
    }

    void theAssociationSwitchKeepsTheProposersOwnDetails()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        TypeInto(s.Text1(0), "Ente di Formazione");
        s.W<QCheckBox>("Check4")->click();
        QVERIFY(!s.W("Frame3(0)")->isVisible());
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "Denominazione").toString(), QString("Ente di Formazione"));
        s.Indietro();
        QCOMPARE(Testo(s.Text1(0)), QString("Ente di Formazione"));
    }

    void activationRefillsWithoutChangingThePage()
    {
        TestEnvironment env;
        Sezione2 s(env, 1);
        for (int i = 0; i < 4; ++i)
            s.Avanti();
        QCOMPARE(s.Pagina(), 4);
        s.Lascia();
        s.Imposta("Principale", "RelazioneSintetica", "scritto altrove");
        s.Torna();
        QCOMPARE(s.Pagina(), 4);
        QCOMPARE(s.form->PaginaCorrente, 4);
        QCOMPARE(Testo(s.Text1(87)), QString("scritto altrove"));
    }

    void nextOnTheLastPageWithAMissingProject()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        for (int i = 0; i < 3; ++i)
            s.Avanti();
        env.ExecSql("delete from Principale where Id = ?", {s.id});
        Dialogs::ClearHistory();
        s.Avanti();
        QCOMPARE(Dialogs::Messages(), QStringList{"Il Progetto non esiste"});
        QVERIFY(!s.Sezione3Aperta());
        QCOMPARE(s.Pagina(), 3);
        QCOMPARE(s.form->PaginaCorrente, 3);
    }

    // Without a current project, or without a database, the window opens
    // empty and leaves the plan alone; stores say the project is missing.
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

            // The arrows walk the plan and stop at its end, storing nothing.
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
        Sezione2 s(env, 0);
        auto *abi = s.W<QLineEdit>("Text1(21)");
        auto *registro = qobject_cast<MultiLineEdit *>(s.Text1(29));
        const QString lungo = QString(300, 'r');
        const QString nome = QString(40000, 'd');  // beyond any line box's own limit
        s.Lascia();
        s.Imposta("Secondario", "ABI", "0123456789ABCDEF");
        s.Imposta("Principale", "RegistroPrefettizio", lungo);
        s.Imposta("Principale", "Denominazione", nome);
        s.Torna();
        QCOMPARE(abi->text(), QString("0123456789ABCDEF"));
        QCOMPARE(registro->text(), lungo);
        QCOMPARE(Testo(s.Text1(0)), nome);
        s.Avanti();
        TypeInto(s.Text1(30), "9e9");  // five characters at most
        s.Avanti();
        QCOMPARE(Testo(s.Text1(30)), QString("9000000000"));
        s.Indietro();
        s.Indietro();
        QCOMPARE(s.Campo("Secondario", "ABI").toString(), QString("0123456789ABCDEF"));
        QCOMPARE(s.Campo("Principale", "RegistroPrefettizio").toString(), lungo);
        QCOMPARE(s.Campo("Principale", "Denominazione").toString(), nome);
        QCOMPARE(s.Campo("Secondario", "nUnita1").toLongLong(), 9000000000LL);

        s.Lascia();
        s.Imposta("Secondario", "ABI", "01");
        s.Torna();
        TypeInto(abi, "0123456789ABCDEF");
        QCOMPARE(abi->text(), QString("0123456789"));
    }

    // The consortium page on screen is stored when the window is left by a
    // menu, as by its arrows.
    void leavingTheWindowStoresTheConsortiumPageShown()
    {
        TestEnvironment env;
        Sezione2 s(env, 2);
        for (int i = 0; i < 4; ++i)
            s.Avanti();
        QCOMPARE(s.Pagina(), 5);
        QCOMPARE(env.Sql("select count(*) from Consorzi where Id = ?", {s.id}).toInt(), 1);
        QVERIFY(s.Campo("Consorzi", "consorzio").isNull());
        env.MainWindow()->Sezione1_Click();
        Settle();
        QCOMPARE(s.Campo("Consorzi", "consorzio").toString(), QString("Nessuno"));
    }

    // A consortium row left from an earlier type 2 is not overwritten by the
    // end of a walk that never showed its page.
    void theEndOfAWalkLeavesAnUnshownConsortiumPageAlone()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        env.ExecSql("insert into Consorzi (Id, consorzio, Denominazione) values (?, 'Nessuno', 'Prima')", {s.id});
        for (int i = 0; i < 4; ++i)
            s.Avanti();
        QVERIFY(s.Sezione3Aperta());
        QCOMPARE(s.Campo("Consorzi", "Denominazione").toString(), QString("Prima"));
        QVERIFY(Dialogs::Messages().isEmpty());
    }

    // The enrolment columns stand under a caption "N°", and so does each of
    // the two employment boxes, right under its own.
    void resultsBoxesStandUnderTheirCaption()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        const QList<QLabel *> etichette = s.form->Frame2[3]->findChildren<QLabel *>();
        for (int indice = 79; indice <= 86; ++indice) {
            const QRect casella(s.Text1(indice)->mapTo(s.form, QPoint(0, 0)), s.Text1(indice)->size());
            const int distanza = indice >= 85 ? 2 : 4;  // heights of a box between caption and box
            bool sotto = false;
            for (QLabel *etichetta : etichette) {
                const QRect dove(etichetta->mapTo(s.form, QPoint(0, 0)), etichetta->size());
                if (etichetta->text() == QString("N°") && dove.left() == casella.left() &&
                    dove.bottom() < casella.top() && casella.top() - dove.bottom() < distanza * casella.height())
                    sotto = true;
            }
            QVERIFY2(sotto, qPrintable(Nome("Text1", indice)));
        }
    }

    // Every caption of pages 0 to 3 is shown whole, inside its frame.
    void nothingIsClipped()
    {
        TestEnvironment env;
        Sezione2 s(env, 0);
        s.form->Check2->setChecked(false);
        const QRect modulo = s.form->rect();
        for (int pagina = 0; pagina <= 3; ++pagina) {
            PageFrames::ShowOnly(s.form->Frame2, pagina);
            Settle();
            QWidget *frame14 = s.form->findChild<QWidget *>("Frame14");
            for (QWidget *w : s.form->Frame2[pagina]->findChildren<QWidget *>()) {
                if (!w->isVisible() || (frame14 && frame14->isAncestorOf(w)) || w == frame14)
                    continue;
                const QString nome = w->objectName() + " " + w->metaObject()->className();
                const QRect dove(w->mapTo(s.form, QPoint(0, 0)), w->size());
                QVERIFY2(modulo.contains(dove), qPrintable(nome));
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(nome));
                auto *etichetta = qobject_cast<QLabel *>(w);
                if (etichetta && etichetta->wordWrap())
                    QVERIFY2(etichetta->heightForWidth(w->width()) <= w->height(), qPrintable(etichetta->text()));
                else if (etichetta || qobject_cast<QAbstractButton *>(w))
                    QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(nome));
                if (auto *riquadro = qobject_cast<QGroupBox *>(w))
                    QVERIFY2(riquadro->minimumSizeHint().width() <= w->width(), qPrintable(riquadro->title()));
            }
        }
    }
};

QTEST_MAIN(TestSezione2)
#include "tst_sezione2.moc"
