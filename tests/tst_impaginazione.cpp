// Every page and tab of every window, on a project with a value in every
// field, shows its captions, tabs, grid headers and amounts whole.
#include "ControlliProva.h"
#include "ProgettoEsempio.h"
#include "TestSupport.h"
#include "TestiInteri.h"

#include "ArchiviazioneForm.h"
#include "Globali.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "Velkaro.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QToolButton>

class TestImpaginazione : public QObject
{
    Q_OBJECT

    // The window's page as the user finds it, with the first item of each
    // list that shows one chosen, so that what it details is shown too; then
    // again after a click on each control named in `clic` that the page shows.
    static QStringList Pagina(QWidget *finestra, const QString &clic, const ColonneImporti &importi)
    {
        for (ListBox *lista : finestra->findChildren<ListBox *>())
            if (lista->isVisible() && lista->isEnabled() && lista->ListCount() > 0 && lista->ListIndex() < 0)
                ClickItem(lista, 0);
        QStringList tagliati = TestiTagliatiInOgniScheda(finestra, importi);
        for (const QString &nome : clic.split(' ', Qt::SkipEmptyParts))
            if (auto *bottone = finestra->findChild<QAbstractButton *>(nome); bottone && bottone->isVisible()) {
                Clic(bottone);
                tagliati << TestiTagliatiInOgniScheda(finestra, importi);
            }
        tagliati.removeDuplicates();
        return tagliati;
    }

private slots:
    void initTestCase() { InitTestProcess(); }

    void everyTextShowsWhole_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("attivita");    // the activity type, which plans section 2; -1: printing
        QTest::addColumn<QString>("avanti");  // the array of next arrows
        QTest::addColumn<QString>("clic");    // controls that show more of their page
        QTest::addColumn<ColonneImporti>("importi");
        const auto riga = [](const char *nome, const char *finestra, int attivita = 0, const char *avanti = "",
                             const char *clic = "", const ColonneImporti &importi = {}) {
            QTest::newRow(nome) << QString(finestra) << attivita << QString(avanti) << QString(clic) << importi;
        };
        riga("introduzione", "IntroduzioneForm");
        riga("archivio", "ArchiviazioneForm");
        // The financing grid's captions for employed and for unemployed trainees.
        riga("sezione 1", "Sezione1Form", 0, "", "Option3(0) Option3(1)", {{"MSFlexGrid1", {0, 1, 2, 3, 4}}});
        // The main activity unticked, and a new member's name being typed.
        const char *aggiunte = "Check2 Command4 Command8 Command7 Check4";
        riga("sezione 2, committenti", "Sezione2Form", 1, "Command1", aggiunte);
        riga("sezione 2, consorzi", "Sezione2Form", 2, "Command1", aggiunte);
        riga("sezione 3", "Sezione3Form", 0, "Command2");
        // Unit amounts and totals in lire; counts of people, trips and hours are not amounts.
        riga("sezione 4", "Sezione4Form", 0, "Command2", "",
             {{"VSFlexGrid1", {2, 4}},
              {"VSFlexGrid8", {4, 5}},
              {"VSFlexGrid2", {0, 3}},
              {"VSFlexGrid14", {0, 3}},
              {"VSFlexGrid7", {0, 3}},
              {"VSFlexGrid10", {3, 4}},
              {"VSFlexGrid13", {1}},
              {"VSFlexGrid6", {4, 5}}});
        riga("stampa", "Sezione4Form", -1);
    }

    void everyTextShowsWhole()
    {
        QFETCH(QString, finestra);
        QFETCH(int, attivita);
        QFETCH(QString, avanti);
        QFETCH(QString, clic);
        QFETCH(ColonneImporti, importi);
        TestEnvironment env;
        env.OpenNewProject();
        ProgettoEsempio progetto;
        progetto.attivitaFormativa = std::max(attivita, 0);
        progetto.Crea();
        Velkaro *principale = env.MainWindow();
        QStringList tagliati;
        if (finestra == "ArchiviazioneForm") {
            ArchiviazioneForm archivio(principale);
            archivio.setWindowModality(Qt::NonModal);
            archivio.show();
            Settle();
            tagliati << Pagina(&archivio, clic, importi);
        } else {
            ModoStampa = attivita < 0;
            MdiChild *form = principale->ApriFinestra(finestra);
            Settle();
            QVERIFY(form);
            const QRegularExpression freccia(QString("^%1\\(\\d+\\)$").arg(avanti));
            // Page by page with the next arrows, until the next window opens.
            for (int pagina = 0; pagina < 20; ++pagina) {
                for (const QString &tagliato : Pagina(form, clic, importi))
                    tagliati << QString("pagina %1: %2").arg(pagina).arg(tagliato);
                QToolButton *prossima = nullptr;
                for (QToolButton *bottone : form->findChildren<QToolButton *>(freccia))
                    if (bottone->isVisible())
                        prossima = bottone;
                if (avanti.isEmpty() || !prossima)
                    break;
                Clic(prossima);
                if (prossima->isVisible()
                    || principale->findChild<QMdiArea *>()->activeSubWindow() != form->SubWindow())
                    break;
            }
        }
        QVERIFY2(tagliati.isEmpty(), qPrintable("\n" + tagliati.join('\n')));
    }
};

QTEST_MAIN(TestImpaginazione)
#include "tst_impaginazione.moc"
