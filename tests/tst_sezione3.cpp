// Section 3's window: the page wizard and what each arrow stores and loads,
// the descriptive pages' fields, the copies into section 1, the dependent
// boxes, the language options and the hour and trainee totals, driven
// through the real window under Italian settings.
#include "PilotaSezione3.h"

#include "Dialogs.h"
#include "Sezione1Form.h"
#include "TextBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>

namespace {

// One box of the descriptive pages and its field.
struct Casella
{
    int indice;
    QString tabella, campo;
    bool numero;
    int lunghezza;  // 0: none
    bool multiriga;
    int pagina;
};

// Each entry reads "index=[S.]Field[#][/length][*]": S. for Secondario,
// # a whole number, * a multi-line box.
QList<Casella> Caselle()
{
    QList<Casella> caselle;
    const auto pagina = [&](int numero, const QString &voci) {
        static const QRegularExpression forma(R"((\d+)=(S\.)?(\w+)(#)?(?:/(\d+))?(\*)?)");
        for (const QString &voce : voci.split(' ', Qt::SkipEmptyParts)) {
            const auto m = forma.match(voce);
            QVERIFY2(m.hasMatch(), qPrintable(voce));
            caselle.append({m.captured(1).toInt(), m.captured(2).isEmpty() ? "Principale" : "Secondario", m.captured(3),
                            !m.captured(4).isEmpty(), m.captured(5).toInt(), !m.captured(6).isEmpty(), numero});
        }
    };
    pagina(2, "7=AnalisiContesto* 8=DescrizioneSintetica* 9=FoglioGrafico");
    pagina(3, "10=ElementiPOP* 11=CollegamentiPOP* 12=PattiTerritoriali* 13=Accordi*");
    pagina(4, "14=IndividuazioneUtenti* 15=MantenimentoN#/10 16=MantenimentoPresso/120 17=CreazioneN#/10 "
              "18=CreazionePresso/120 19=MiglioramentoN#/10 20=MiglioramentoPresso/120 21=AutonomaN#/10 "
              "22=AutonomaPresso/120 23=AutonomaFonti/255* 24=RispostoEsigenze*");
    pagina(5, "25=Seinterventoadeguare* 27=SeinterventoSuppo* 28=SeinterventoProcessi*");
    pagina(6, "29=VerificaCompetenze* 30=Normative* 32=Pubblicizzazione* 33=Modalita*");
    pagina(7, "34=DescrModuliOrienta* 45=DescrModuliFormax* 46=LinguaStr2/120 47=Metodologie* "
              "35=S.OrePrevPratica#/10 36=S.OrePrevTeoria#/10 37=S.OrePrevEsercit#/10 38=S.OrePrevVisite#/10 "
              "39=S.OrePrevStage#/10 40=S.OrePrevPw#/10 41=S.Giorni# 42=S.Mesi# 43=S.AllieviPrevisti#/10 "
              "44=S.AllievePreviste#/10");
    pagina(8, "48=VerificheAllievi* 59=VerificheDocenti* 60=VerificheRisultati* 61=VerificheFinali*");
    pagina(11, "62=S.SedeStage/120* 63=S.AziendaStruttura* 64=S.TempiSvolgStage* 65=S.DurataStage* "
               "66=S.FinalitaStage* 67=S.SedeVisite/120* 68=S.AziendaStrutturaVisite* 69=S.TempiSvolgVisite* "
               "70=S.DurataVisite* 71=S.FinalitaVisite*");
    pagina(12, "72=S.SedeSvolgimento/120* 73=S.DocentiPrevisti* 74=S.TempiSvolgimento* 75=S.Durata* "
               "76=S.ObiettivieContenuti* 77=S.LocaliProj* 102=S.ModalitaOrganizz* 103=S.Attrezzatureemateriali* "
               "104=S.Elementicoerenza*");
    pagina(13, "105=S.RicercaFabbisogno* 106=S.RicercaAmbito* 107=S.RicercaObiettivi* 108=S.RicercaModello*");
    pagina(15, "109=S.TitoloCoor/120 110=S.EsperienzeCoor* 111=S.AttivitaCoor* 112=S.TitoloTut/120 "
               "113=S.EsperienzeTut* 114=S.AttivitaTut* 115=S.TitoloTutimp/120 116=S.EsperienzeTutimp* "
               "117=S.AttivitaTutimp*");
    pagina(16, "118=S.TitoloAL/120 119=S.EsperienzeAL* 121=S.AttivitaAL* 123=S.TitoloSD/120 124=S.EsperienzeSD* "
               "125=S.AttivitaSD* 126=S.AttivitaSA*");
    return caselle;
}

// What is typed into a box and what is then stored and shown.
QString Digitato(const Casella &c)
{
    return c.numero ? QString("%1,5").arg(c.indice) : QString("t%1 Ab").arg(c.indice);
}
QVariant Registrato(const Casella &c)
{
    return c.numero ? QVariant(qint64(c.indice + 1)) : QVariant(Digitato(c));
}

int Lunghezza(QWidget *box)
{
    if (auto *riga = qobject_cast<TextBox *>(box))
        return riga->Limit();
    return qobject_cast<MultiLineEdit *>(box)->Limit();
}

// The headings of every page, top to bottom.
const QList<QStringList> kIntestazioni = {
    {"SEZIONE 3", "Azioni rivolte a sistemi", "Azioni rivolte a persone", "Azioni di diffusione"},
    {"SEZIONE 3", "Destinatari dell'Intervento", "Livello di Scolarità e", "Settori di Intervento"},
    {"3.5 Analisi del Contesto.", "3.6 Descrizione sintetica del Progetto.",
     "3.7 Rappresentazione grafica della struttura dell'intervento progettato."},
    {"3.8  Elementi di coerenza con la programmazione regionale", "3.9  Patti Territoriali",
     "3.10  Progetti integrati"},
    {"3.11  Individuazione dei destinatari.", "3.12  Concrete prospettive occupazionali.",
     "3.13  Risposte alle esigenze dei partecipanti per la formazione al lavoro."},
    {"3.14 Risposte alle esigenze delle imprese per la formazione sul lavoro."},
    {"3.15  Modalità di verifica e certificazione delle competenze acquisite",
     "3.16  Normativa di riferimento che regola l'attività per il conseguimento della qualifica.",
     "3.17  Modalità di informazione e pubblicizzazione dell'intervento, azioni di diffusione.",
     "3.18  Modalità e criteri di selezione dei destinatari."},
    {"3.19  Descrivere le azioni formative (indicare obiettivi e durata).",
     "3.20  Descrivere non formative (indicare obiettivi e durata).", "3.21 2°Lingua Straniera Prevista.",
     "3.22  Metodologie utilizzate.", "3.23  Durata delle azioni formative.", "3.24  Indicatori fisici previsti."},
    {"3.25  Valutazione.", "3.26  Monitoraggio.", "3.27  Valutazione qualitativa.",
     "3.28  Verifiche e valutazioni intermedie e finali.", "3.29  Certificazioni"},
    {"3.30  Programma Didattico (Elencare i moduli)."},
    {"3.30A Azione non formativa."},
    {"3.31  Organizzazione Stages", "3.33  Organizzazione Visite Didattiche"},
    {"3.32  Organizzazione Projects Work"},
    {"3.33  Azione Ricerca"},
    {"3.34  Delega a Terzi"},
    {"3.35  Coordinamento", "3.36  Tutor", "3.37  Tutor d'Impresa"},
    {"3.38  Ricercatori", "3.39  Segreteria", "3.40  Segreteria Amministrativa"},
};

// The page's frame captions, top to bottom and left to right; the editors'
// pages compare only the headings that stand before their editors.
QStringList Intestazioni(QWidget *pagina)
{
    QList<QGroupBox *> riquadri = pagina->findChildren<QGroupBox *>();
    const auto posto = [&](QGroupBox *r) {
        const QPoint p = r->mapTo(pagina, QPoint());
        return std::make_pair(p.y(), p.x());
    };
    std::stable_sort(riquadri.begin(), riquadri.end(), [&](QGroupBox *a, QGroupBox *b) { return posto(a) < posto(b); });
    QStringList titoli;
    for (QGroupBox *riquadro : riquadri)
        titoli.append(riquadro->title());
    return titoli;
}

// The texts of every label and button of the window.
QStringList TestiMostrati(QWidget *radice)
{
    QStringList testi;
    for (QLabel *etichetta : radice->findChildren<QLabel *>())
        testi.append(etichetta->text());
    for (QAbstractButton *bottone : radice->findChildren<QAbstractButton *>())
        testi.append(bottone->text());
    return testi;
}

// A figure typed on page 7 and the total it feeds (Text2 the hours, Text3
// the practice hours, Text4 the trainees) with what that total then shows,
// and whether the practice warning shows after it.
struct PassoTotale
{
    int casella;
    const char *digitato, *totale;
    bool avviso;
};

}  // namespace

class TestSezione3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Next from page 0 to 16 and on to section 4; previous back to 0 and on
    // to section 2; each page shows its headings; every page frame lies on
    // the same spot with its two arrows.
    void walksTheSeventeenPagesWithTheirHeadings()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        QCOMPARE(s.form->windowTitle(), QString("Sezione 3"));
        QCOMPARE(s.form->Frame1.Count(), size_t(17));
        for (int p = 0; p <= 16; ++p) {
            QCOMPARE(s.form->Frame1[p]->geometry(), s.form->Frame1[0]->geometry());
            QCOMPARE(s.Pagina(), p);
            QCOMPARE(s.form->PaginaCorrente, p);
            QCOMPARE(Intestazioni(s.form->Frame1[p]).mid(0, int(kIntestazioni[p].size())), kIntestazioni[p]);
            s.Avanti();
        }
        QCOMPARE(s.FinestraAttiva(), QString("Sezione4Form"));

        s.Apri();
        for (int p = 16; p >= 0; --p) {
            QCOMPARE(s.Pagina(), p);
            s.Indietro();
        }
        QCOMPARE(s.FinestraAttiva(), QString("Sezione2Form"));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // The page left is stored (page 0 its action types, any other page the
    // descriptive fields); the page reached runs its own stores and loads.
    // Reopened from the menu, the window keeps its page and refills.
    void eachArrowStoresThePageLeftAndLoadsThePageReached()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.Imposta("Principale", "AnalisiContesto", "dal database");

        // Leaving page 0 stores the action types only.
        s.Spunta("Check3", 9);
        s.Avanti();
        QVERIFY(s.EsisteSpesa(s.Chiave(10)));
        QCOMPARE(s.Campo("Principale", "AnalisiContesto").toString(), QString("dal database"));

        // Leaving page 1 stores the descriptive fields, whatever page they
        // are on, and arriving at page 2 stores the target groups.
        s.Spunta("Check1", 18);
        s.Avanti();
        QCOMPARE(s.Campo("Principale", "AnalisiContesto").toString(), QString(""));
        QCOMPARE(s.Campo("DestinatariIntervento", "Destinatario19").toBool(), true);

        // Arriving at page 0 reloads the action types from the database
        // and stores, then reloads, the target groups.
        s.Indietro();
        s.Imposta("Azioni", "Azione10", 0);
        s.Spunta("Check1", 0);
        s.Indietro();
        QVERIFY(!s.Spuntato("Check3", 9));
        QCOMPARE(s.Campo("DestinatariIntervento", "Destinatario01").toBool(), true);
        QVERIFY(s.Spuntato("Check1", 0));

        // The certificates of page 8 wait for those moments: walking 8 to 9
        // and back stores nothing of them and keeps them shown.
        s.VaiA(8);
        s.Spunta("Check2", 7);
        s.Avanti();
        s.Indietro();
        QCOMPARE(s.Campo("DestinatariIntervento", "Certificato8").toBool(), false);
        QVERIFY(s.Spuntato("Check2", 7));
        s.Lascia();
        QCOMPARE(s.Campo("DestinatariIntervento", "Certificato8").toBool(), true);

        s.Imposta("Principale", "VerificheAllievi", "Legge 845/78");
        s.Torna();
        QCOMPARE(s.Pagina(), 8);
        QCOMPARE(Testo(s.Casella(48)), QString("Legge 845/78"));
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // A new project shows empty boxes, "0" in the figures, the needs
    // unchecked with their boxes disabled and "Francese". Every descriptive
    // box: its kind and limit, typed on its page, stored by leaving the
    // window, compared with plain SQL, shown again by a new window; an
    // emptied box stores the empty text, not Null.
    void everyDescriptiveBoxRoundTrips()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        QCOMPARE(Testi({s.Casella(7), s.Casella(35), s.Casella(15)}), (QStringList{"", "0", "0"}));
        for (int box : {25, 27, 28, 23})
            QVERIFY(!s.Casella(box)->isEnabled());
        QVERIFY(s.Spuntato("Option1", 0));

        const QList<Casella> caselle = Caselle();
        s.VaiA(4);
        s.Spunta("Check1", 22);  // enables 23
        s.VaiA(5);
        for (int i = 19; i <= 21; ++i) {
            QVERIFY(!s.Spuntato("Check1", i));
            s.Spunta("Check1", i);
        }
        for (const Casella &c : caselle) {
            QWidget *box = s.Casella(c.indice);
            QCOMPARE(qobject_cast<MultiLineEdit *>(box) != nullptr, c.multiriga);
            QCOMPARE(Lunghezza(box), c.lunghezza);
            s.Digita(c.indice, Digitato(c), c.pagina);
            QVERIFY2(box->isVisible() && box->isEnabled(), qPrintable(c.campo));
        }
        s.VaiA(14);
        s.Spunta("Check1", 28);
        s.Lascia();
        for (const Casella &c : caselle)
            QVERIFY2(s.Campo(c.tabella, c.campo) == Registrato(c),
                     qPrintable(c.campo + ": " + s.Campo(c.tabella, c.campo).toString()));
        QCOMPARE(s.Campo("Principale", "Adeguare").toBool(), true);
        QCOMPARE(s.Campo("Principale", "SupportareProcessi").toBool(), true);
        QCOMPARE(s.Campo("Secondario", "DelegaTerzi").toBool(), true);
        QCOMPARE(s.Sql("select lingua is 0 from Principale where Id = ?", {s.id}).toInt(), 1);

        s.Riapri();
        for (const Casella &c : caselle)
            QCOMPARE(Testo(s.Casella(c.indice)), Registrato(c).toString());
        // The needs came back checked, so their boxes are usable.
        QVERIFY(s.Casella(25)->isEnabled() && s.Casella(28)->isEnabled());
        QVERIFY(s.Spuntato("Check1", 28));

        s.Digita(7, "", 2);
        s.Digita(109, "", 15);
        s.Digita(35, "", 7);
        s.Lascia();
        QCOMPARE(s.Sql("select AnalisiContesto = '' from Principale where Id = ?", {s.id}).toInt(), 1);
        QCOMPARE(s.Sql("select TitoloCoor = '' from Secondario where Id = ?", {s.id}).toInt(), 1);
        QCOMPARE(s.Campo("Secondario", "OrePrevPratica").toLongLong(), 0);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    // Labels and captions as the window shows them, typos included.
    void showsItsLabelsAsWritten()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        const QStringList testi = TestiMostrati(s.form);
        for (const QString attesa :
             {"Miglioramento delle professionalità esistenti ", "Di cui...", "l'ammissione all'att. format.",
              "ATTENZIONE! Totale 'ORE Pratica' non corretto!", "Tedesco.",
              "A- Quali innovazioni sono state introdotte o programmate e qual'è l'entità degli investimenti "
              "realizzati o programmati per l'innovazione",
              "Adeguare le professionalità aziendali ai processi di innovazione tecnologica ed organizzitivi "
              "realizzati o avviati.",
              "E' stata presentata nell'istanza, richiesta di deroga del divieto di delega dell' attività formativa"})
            QVERIFY2(testi.contains(attesa), qPrintable(attesa));
        QCOMPARE(s.W<QAbstractButton>("Option1", 3)->text(), QString());
    }

    // A company need enables its box, a disabled box keeps and stores its
    // text. What no field holds (self-employment with its box and label,
    // "In Itinere"/"Finale", "Interno"/"Esterno all'Organismo", each pair a
    // choice of its own) lasts while the window stays loaded and is gone
    // when it is loaded anew.
    void checkBoxesAndUnstoredChoices()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(4);
        s.Spunta("Check1", 22);
        QVERIFY(s.Casella(23)->isEnabled() && s.form->EtichettaFonti->isEnabled());
        TypeInto(s.Casella(23), "Fondi regionali");
        s.VaiA(5);
        s.Spunta("Check1", 20);
        QVERIFY(s.Casella(27)->isEnabled());
        TypeInto(s.Casella(27), "mobilita interna");
        s.Spunta("Check1", 20);
        QVERIFY(!s.Casella(27)->isEnabled());
        s.VaiA(11);
        for (int i : {0, 1, 2})
            s.Spunta("Option2", i);
        QVERIFY(!s.Spuntato("Option2", 0) && s.Spuntato("Option2", 1) && s.Spuntato("Option2", 2));
        s.VaiA(15);
        s.Spunta("Option3", 5);
        QCOMPARE(s.Campo("Principale", "SeinterventoSuppo").toString(), QString("mobilita interna"));
        QCOMPARE(s.Campo("Principale", "Supportare").toBool(), false);
        s.Altrove();
        QVERIFY(s.Spuntato("Check1", 22) && s.Casella(23)->isEnabled());
        QVERIFY(s.Spuntato("Option2", 1) && s.Spuntato("Option3", 5));

        s.Riapri();
        QVERIFY(!s.Spuntato("Check1", 22));
        QVERIFY(!s.Casella(23)->isEnabled() && !s.form->EtichettaFonti->isEnabled());
        QCOMPARE(Testo(s.Casella(23)), QString("Fondi regionali"));
        for (const char *coppia : {"Option2", "Option3"})
            for (int i = 0; i < 6; ++i)
                QVERIFY(!s.Spuntato(coppia, i));
    }

    // The fourth option moves the focus to the language-name box when the
    // user clicks it; a fill never moves it, also when the box is hidden.
    // A stored code outside the four shows no option and stays stored.
    void languageOptions()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(7);
        s.Spunta("Option1", 3);
        QCOMPARE(QApplication::focusWidget(), s.Casella(46));
        QTest::keyClicks(s.Casella(46), "Portoghese");
        s.Lascia();
        QCOMPARE(s.Campo("Principale", "lingua").toInt(), 3);
        QCOMPARE(s.Campo("Principale", "LinguaStr2").toString(), QString("Portoghese"));

        // Loaded anew on page 0: the fourth option is selected, the box
        // hidden, and the focus stays off it.
        s.Riapri();
        QVERIFY(s.Spuntato("Option1", 3));
        QVERIFY(QApplication::focusWidget() != s.Casella(46));

        s.Lascia();
        s.Imposta("Principale", "lingua", 7);
        s.Torna();
        for (int i = 0; i < 4; ++i)
            QVERIFY(!s.Spuntato("Option1", i));
        s.Lascia();
        QCOMPARE(s.Campo("Principale", "lingua").toInt(), 7);

        s.Imposta("Principale", "lingua", QVariant());
        s.Torna();
        QVERIFY(s.Spuntato("Option1", 0));
        s.Spunta("Option1", 1);
        QVERIFY(QApplication::focusWidget() != s.Casella(46));
        s.Lascia();
        QCOMPARE(s.Campo("Principale", "lingua").toInt(), 1);
    }

    // Section 3 writes a planned figure into section 1's field only when its
    // user changed it there: a pass through an untouched section 3 keeps the
    // hours and trainees typed in section 1; the figure last typed, in either
    // window, is the one stored and shown.
    void plannedHoursReachSection1OnlyWhenChangedThere()
    {
        TestEnvironment env;
        PilotaSezione3 s(env, false);
        PilotaFinestra uno(env, "Sezione1Form");
        const QStringList caselle{"Text1(18)", "Text1(19)", "Text1(20)", "Text1(21)"};  // Teoria, Pratica, Uomini, Donne
        const auto mostrati = [&] {
            QStringList testi;
            for (const QString &casella : caselle)
                testi << uno.Leggi(casella);
            return testi.join('|');
        };
        const auto memorizzati = [&] {
            return s.Sql("select OreTeoria || '|' || OrePratica || '|' || Allievi || '|' || Allieve || '/' "
                         "|| coalesce(OrePrevTeoria, '') from Secondario where Id = ?",
                         {s.id})
                .toString();
        };
        uno.Apri();
        for (int i = 0; i < caselle.size(); ++i)
            uno.Scrivi(caselle[i], QStringList{"120", "80", "8", "7"}[i]);
        // Next through section 2 until section 3 opens, then back with the menu.
        uno.Avanti();
        for (int passo = 0; passo < 10 && uno.FinestraAttiva() == "Sezione2Form"; ++passo)
            PilotaFinestra(env, "Sezione2Form").Avanti();
        QCOMPARE(uno.FinestraAttiva(), QString("Sezione3Form"));
        s.Menu("Sezione1");
        QCOMPARE(mostrati(), QString("120|80|8|7"));
        QCOMPARE(memorizzati(), QString("120|80|8|7/0"));

        // Typed in section 3, a figure reaches section 1.
        s.Apri();
        s.Digita(36, "40", 7);
        s.Menu("Sezione1");
        QCOMPARE(mostrati(), QString("40|80|8|7"));
        QCOMPARE(memorizzati(), QString("40|80|8|7/40"));

        // Typed again in section 1, it survives a pass through section 3
        // whose box is not touched again.
        uno.Scrivi("Text1(18)", "100");
        s.Apri();
        s.Avanti();
        s.Lascia("Sezione1Form");
        QCOMPARE(mostrati(), QString("100|80|8|7"));
        QCOMPARE(memorizzati(), QString("100|80|8|7/40"));
        QCOMPARE(s.Leggi("Text1(36)"), QString("40"));
    }

    // The totals follow every change of their figures, typed or filled, in
    // 64 bits; a figure too large to hold counts as 0 and a sum that cannot
    // be held shows no total.
    void totalsFollowTheirFigures()
    {
        TestEnvironment env;
        PilotaSezione3 s(env);
        s.VaiA(7);
        QLineEdit *ore = s.form->Text2, *pratica = s.form->Text3, *allievi = s.form->Text4;
        QVERIFY(!ore->isEnabled() && !pratica->isEnabled() && allievi->isEnabled());
        const QList<PassoTotale> passi = {
            {35, "", "0", false},         {36, "", "0", false},     {35, "100", "100", true},
            {36, "50", "150", true},      {37, "30", "30", true},   {38, "20", "50", true},
            {39, "25", "75", true},       {40, "25", "100", false}, {38, "10", "90", true},
            {35, "90", "140", false},     {36, "abc", "90", false}, {36, "2,5", "93", false},
            {35, "40000", "40003", true}, {36, "1", "40001", true}, {35, "9999999999", "10000000000", true},
            {35, "1E+30", "1", true},     {43, "12", "12", true},   {44, "8", "20", true},
            {43, "40000", "40008", true},
        };
        for (const PassoTotale &passo : passi) {
            TypeInto(s.Casella(passo.casella), passo.digitato);
            QLineEdit *totale = passo.casella <= 36 ? ore : passo.casella <= 40 ? pratica : allievi;
            QCOMPARE(totale->text(), QString(passo.totale));
            QVERIFY2(s.form->Label2->isVisible() == passo.avviso, passo.digitato);
        }
        TypeInto(allievi, "7");  // typed over, until a figure changes
        QCOMPARE(allievi->text(), QString("7"));
        TypeInto(s.Casella(44), "9");
        QCOMPARE(allievi->text(), QString("40009"));

        // Recomputed as the fill sets the stored figures.
        s.Lascia();
        s.Imposta("Secondario", "OrePrevPratica", Q_INT64_C(9223372036854775807));
        s.Imposta("Secondario", "OrePrevTeoria", 1);
        s.Imposta("Secondario", "OrePrevEsercit", 4);
        s.Imposta("Secondario", "AllieviPrevisti", 3);
        s.Torna();
        QCOMPARE(Testo(s.Casella(35)), QString("9223372036854775807"));
        QCOMPARE(Testi({ore, pratica, allievi}), (QStringList{"", "64", "12"}));
        QVERIFY(s.form->Label2->isVisible());
    }
};

QTEST_MAIN(TestSezione3)
#include "tst_sezione3.moc"
