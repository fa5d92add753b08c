#include "ProgettoEsempio.h"
#include "TestSupport.h"

#include "ArchiviazioneForm.h"
#include "EditableGrid.h"
#include "MultiRowTabBar.h"
#include "MdiChild.h"
#include "Velkaro.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>

namespace {

// "Check1(0..3) Text2" stands for "Check1(0) Check1(1) Check1(2) Check1(3) Text2".
QStringList Nomi(const QString &sequenza)
{
    static const QRegularExpression serie(R"(^(\w+)\((\d+)\.\.(\d+)\)$)");
    QStringList nomi;
    for (const QString &voce : sequenza.split(' ', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = serie.match(voce);
        if (!m.hasMatch()) {
            nomi << voce;
            continue;
        }
        for (int i = m.captured(2).toInt(); i <= m.captured(3).toInt(); ++i)
            nomi << QString("%1(%2)").arg(m.captured(1)).arg(i);
    }
    return nomi;
}

// A control by its name, or its holder's when it has none of its own (the
// view inside a rich-text box).
QString Nome(const QWidget *controllo)
{
    for (; controllo; controllo = controllo->parentWidget())
        if (!controllo->objectName().isEmpty())
            return controllo->objectName();
    return "<nessuno>";
}

// The page's next arrow on screen.
QToolButton *Avanti(QWidget *finestra)
{
    for (QToolButton *freccia : finestra->findChildren<QToolButton *>())
        if (freccia->isVisible() && freccia->toolTip() == "Avanti")
            return freccia;
    qFatal("no next arrow on screen");
}

// Does what the user does on the page before walking it: "List1" clicks the
// list's first item, "TabStrip1:3" the strip's third tab, "Check4" the box.
void Prepara(QWidget *finestra, const QString &azioni)
{
    for (const QString &azione : azioni.split(' ', Qt::SkipEmptyParts)) {
        const QString nome = azione.section(':', 0, 0);
        const int scheda = azione.section(':', 1).toInt();
        QWidget *controllo = Find<QWidget>(finestra, nome);
        if (auto *lista = qobject_cast<QListWidget *>(controllo))
            ClickItem(lista, 0);
        else if (auto *striscia = qobject_cast<QTabBar *>(controllo))
            QTest::mouseClick(striscia, Qt::LeftButton, {}, striscia->tabRect(scheda - 1).center());
        else if (auto *schede = qobject_cast<QTabWidget *>(controllo)) {
            auto *righe = qobject_cast<MultiRowTabBar *>(schede->tabBar());
            QVERIFY(righe);
            QTest::mouseClick(righe, Qt::LeftButton, {}, righe->TabRect(scheda - 1).center());
        }
        else
            QTest::mouseClick(controllo, Qt::LeftButton);
        Settle();
    }
}

}  // namespace

class TestTastiera : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Every page of every window as the user reaches it (an action chosen in
    // section 4): its first control has the focus, and Tab walks its
    // controls in reading order back to it, through each grid cell by cell.
    // Rows with a click first start from the control clicked.
    void tabFollowsTheReadingOrder_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("sequenza");
        const auto riga = [](const char *finestra, int pagina, const char *prima, const char *sequenza) {
            QTest::addRow("%s %d %s", finestra, pagina, prima) << finestra << pagina << prima << sequenza;
        };
        // The archive: the folder, its drive and the new folder, the files, the projects, the buttons.
        riga("ArchiviazioneForm", 0, "", "Dir1 Drive1 Command3 File1 List1 Command1 Command2 Command4");
        // Section 1: the project's row, the activity, the proposer's rows; the cost and co-financing, then the
        // trainees' status beside them; the hours column, the trainees column, the cost per hour, the two lists.
        riga("Sezione1Form", 0, "",
             "Text1(0) Text1(1) Combo4 Option1(0..2) Option4(0..1) Option5(0..1) Text1(3..12) Text1(14) Text1(13) "
             "Text1(17) Text1(2) Option3(0..1) Text1(18) Text1(19) Text2 Text1(20) Text1(21) Text3 Text4 List2 List1 "
             "Command1(0) Command2(0)");
        // Section 2: the switch over the association's members (their boxes wait for a member), the bank,
        // the scope beside it, the references; the previous arrow before the next one.
        riga("Sezione2Form", 0, "",
             "Check4 List1 Command4 Command5 Text1(19..24) Option1(0..2) Text1(25..29) Command2(0) Command1(0)");
        riga("Sezione2Form", 0, "List1",
             "List1 Command4 Command5 Text1(135) Text1(122) Text1(121) Text1(120) Text1(119) Text1(118) "
             "Text1(134) Text1(133) Text1(132) Text1(131) Text1(130) Text1(129) Text1(128) Text1(127) Text1(126) "
             "Text1(125) Text1(124) Text1(123) Text1(19..24) Option1(0..2) Text1(25..29) Command2(0) Command1(0) "
             "Check4");
        riga("Sezione2Form", 0, "Check4", "Check4 Text1(0..24) Option1(0..2) Text1(25..29) Command2(0) Command1(0)");
        riga("Sezione2Form", 1, "",
             "Text1(30..37) Text1(40) Text1(38) Text1(39) Check1(0..3) Text1(41) Check2 Command2(1) Command1(1)");
        riga("Sezione2Form", 2, "", "Combo1 Text1(43..78) Command2(2) Command1(2)");
        riga("Sezione2Form", 3, "", "Text1(79..85) Check3(0) Text1(86) Check3(1) Text1(87) Command2(3) Command1(3)");
        riga("Sezione2Form", 4, "", "List3 Command8 Command3 Command2(4) Command1(4)");
        // A client's name beside the list; the years of a table read row by row.
        riga("Sezione2Form", 4, "List3",
             "List3 Text4(1..4) Command8 Command3 SSTab1 Text4(5) Text4(8) Text4(6) Text4(9) Text4(7) "
             "Text4(10) Command2(4) Command1(4)");
        riga("Sezione2Form", 4, "List3 SSTab1:3",
             "List3 Text4(1..4) Command8 Command3 SSTab1 Text4(26..31) Command2(4) Command1(4)");
        riga("Sezione2Form", 5, "", "Check5 Text4(45) List2 Command7 Command6 Command2(5) Command1(5)");
        riga("Sezione2Form", 5, "Check5",
             "Check5 SSTab2 Text4(44) Text4(46..63) Option1(3..5) Command2(5) Command1(5)");
        // The staff, the workers beside it, then the premises, a list in two columns.
        riga("Sezione2Form", 5, "List2 SSTab2:5",
             "List2 Command7 Command6 SSTab2 Text4(81..95) Text4(103..105) Check1(4..7) Command2(5) "
             "Command1(5) Check5 Text4(45)");
        // Section 3: lists of check boxes in columns read column by column.
        riga("Sezione3Form", 0, "", "Check3(0..18) Command1(0) Command2(0)");
        riga("Sezione3Form", 1, "",
             "Check1(0..18) Option4(0..5) Text1(0) Text1(26) Text1(49) Check4(0..22) Text1(120) Text1(122) "
             "Command1(1) Command2(1)");
        riga("Sezione3Form", 2, "", "Text1(7..9) Command3 Command4 Command1(2) Command2(2)");
        riga("Sezione3Form", 3, "", "Text1(10..13) Command1(3) Command2(3)");
        riga("Sezione3Form", 4, "", "Text1(14..20) Check1(22) Text1(21) Text1(22) Text1(24) Command1(4) Command2(4)");
        riga("Sezione3Form", 5, "",
             "Check1(19) Text1(25) Check1(20) Text1(27) Check1(21) Text1(28) Command1(5) "
             "Command2(5)");
        riga("Sezione3Form", 6, "", "Text1(29) Text1(30) Text1(32) Text1(33) Command1(6) Command2(6)");
        // The hours and days, then the column of the practice hours' parts, then the trainees.
        riga("Sezione3Form", 7, "",
             "Text1(34) Text1(45) Option1(0..3) Text1(46) Text1(47) Text1(35) Text1(36) Text1(41) Text1(42) "
             "Text1(37..40) Text1(43) Text1(44) Text4 Command1(7) Command2(7)");
        riga("Sezione3Form", 8, "", "Text1(48) Text1(59..61) Check2(0..7) Command1(8) Command2(8)");
        riga("Sezione3Form", 9, "", "List1 Text5 Command6 Text1(50..54) Command7 Command1(9) Command2(9)");
        riga("Sezione3Form", 9, "List1",
             "List1 Text5 Command6 Command5 TabStrip1 Text1(50..54) Command7 Command1(9) Command2(9)");
        riga("Sezione3Form", 9, "List1 TabStrip1:5",
             "List1 Text5 Command6 Command5 TabStrip1 VSFlexGrid1 Command7 Command1(9) Command2(9)");
        riga("Sezione3Form", 10, "",
             "List2 Text9 Command9 Text1(6) Text1(5) Text1(4) Command8 Command1(10) "
             "Command2(10)");
        riga("Sezione3Form", 10, "List2",
             "List2 Text9 Command9 Command10 TabStrip3 Text1(6) Text1(5) Text1(4) Command8 Command1(10) Command2(10)");
        riga("Sezione3Form", 11, "",
             "Text1(62..64) Text1(66) Text1(65) Option2(0) Text1(67..69) Text1(71) Text1(70) Option2(2) Command1(11) "
             "Command2(11)");
        riga("Sezione3Form", 12, "", "Text1(72..77) Text1(102..104) Option2(4) Command1(12) Command2(12)");
        riga("Sezione3Form", 13, "", "Text1(105..108) Command1(13) Command2(13)");
        riga("Sezione3Form", 14, "", "Check1(28) TabStrip2 Text1(78..81) Command1(14) Command2(14)");
        riga("Sezione3Form", 14, "TabStrip2:2", "Check1(28) TabStrip2 Text1(82..85) Command1(14) Command2(14)");
        riga("Sezione3Form", 15, "",
             "Text1(109) Option3(0) Text1(110..112) Option3(2) Text1(113..115) Option3(4) Text1(116) Text1(117) "
             "Command1(15) Command2(15)");
        riga("Sezione3Form", 16, "",
             "Text1(118) Option3(6) Text1(119) Text1(121) Text1(123) Option3(8) Text1(124) Text1(125) Option3(10) "
             "Text1(126) Command1(16) Command2(16)");
        // Section 4, an action chosen: the frames from the top, each grid then the boxes under it.
        riga("Sezione4Form", 0, "", "List1(1..3) ButTotaleGenerale Command1(0) Command2(0)");
        riga("Sezione4Form", 1, "", "VSFlexGrid1 Text1(0) Text1(1) VSFlexGrid2(0..2) Command1(1) Command2(1)");
        riga("Sezione4Form", 2, "", "VSFlexGrid14(0..1) Text31 VSFlexGrid8 Text1(4..6) Text32 Command1(2) Command2(2)");
        riga("Sezione4Form", 3, "", "VSFlexGrid7(0..2) Command1(3) Command2(3)");
        riga("Sezione4Form", 4, "", "VSFlexGrid10(0..1) Command1(4) Command2(4)");
        riga("Sezione4Form", 5, "", "VSFlexGrid10(2) VSFlexGrid13(0) Command1(5) Command2(5)");
        riga("Sezione4Form", 6, "", "Text1(14..24) VSFlexGrid13(1) Command1(6) Command2(6)");
        riga("Sezione4Form", 7, "", "VSFlexGrid6 Command1(7) Command2(7)");
        riga("Sezione4Form", 8, "",
             "VSFlexGrid7(5) VSFlexGrid7(4) VSFlexGrid7(3) Text1(26) Text1(25) Command1(8) Command2(8)");
        riga("Sezione4Form", 9, "", "Command3 Command1(9) Command2(9)");
        riga("Sezione4Form", 10, "", "Text22 Text27 Text28 Text29 VSFlexGrid3 Command1(10) Command2(10)");
        // The print page: the chosen one of its two options, its two buttons.
        riga("Sezione4Form", 11, "", "Option1 AvviaStampa Annulla RichTextBox1");
    }

    void tabFollowsTheReadingOrder()
    {
        QFETCH(QString, finestra);
        QFETCH(int, pagina);
        QFETCH(QString, prima);
        QFETCH(QString, sequenza);
        TestEnvironment env;
        env.OpenNewProject();
        ProgettoEsempio esempio;
        esempio.attivitaFormativa = pagina == 5 ? 2 : 1;
        esempio.Crea();
        Velkaro *principale = env.MainWindow();

        std::unique_ptr<ArchiviazioneForm> archivio;
        QWidget *w = nullptr;
        if (finestra == "ArchiviazioneForm") {
            archivio = std::make_unique<ArchiviazioneForm>(principale);
            archivio->setWindowModality(Qt::NonModal);
            archivio->show();
            QApplication::setActiveWindow(archivio.get());
            w = archivio.get();
        } else {
            const bool stampa = finestra == "Sezione4Form" && pagina == 11;
            principale->findChild<QAction *>(stampa ? "Stampa" : "Sezione" + finestra.mid(7, 1))->trigger();
            Settle();
            w = principale->Finestra(finestra);
            if (finestra == "Sezione4Form" && pagina > 0 && !stampa) {
                ClickItem(Find<QListWidget>(w, "List1(1)"), 0, true);
                Settle();
            }
            QWidget *voluta =
                Find<QWidget>(w, QString(finestra == "Sezione2Form" ? "Frame2(%1)" : "Frame1(%1)").arg(pagina));
            for (int i = 0; i < 20 && !voluta->isVisible(); ++i) {
                QTest::mouseClick(Avanti(w), Qt::LeftButton);
                Settle();
            }
            QVERIFY(voluta->isVisible());
        }
        Settle();
        Prepara(w, prima);
        QWidget *primo = QApplication::focusWidget();
        QVERIFY(primo);
        QStringList visti{Nome(primo)};
        // Each Tab moves on; a grid takes one for each of its cells.
        for (QWidget *attuale = primo, *dopo = nullptr; dopo != primo && visti.size() < 200;) {
            for (int cella = 0; cella < 100 && (dopo = QApplication::focusWidget()) == attuale; ++cella)
                QTest::keyClick(attuale, Qt::Key_Tab);
            if (dopo == attuale || dopo == primo)
                break;
            attuale = dopo;
            visti << Nome(dopo);
        }
        QCOMPARE(visti.join(' '), Nomi(sequenza).join(' '));
    }

    // In the main window Ctrl+Tab goes from window to window, but in a grid
    // it takes the focus to the next control of the grid's own page.
    void ctrlTabLeavesAGridForTheNextControl()
    {
        TestEnvironment env;
        env.OpenNewProject();
        ProgettoEsempio{}.Crea();
        Velkaro *principale = env.MainWindow();
        principale->ApriFinestra("Sezione1Form");
        MdiChild *sezione4 = principale->ApriFinestra("Sezione4Form");
        Settle();
        ClickItem(Find<QListWidget>(sezione4, "List1(1)"), 0, true);
        auto *griglia = Find<EditableGrid>(sezione4, "VSFlexGrid2(1)");
        QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, griglia->CellRect(1, 0).center());
        QTest::keyClick(griglia, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Nome(QApplication::focusWidget()), QString("VSFlexGrid2(2)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Nome(QApplication::focusWidget()), QString("VSFlexGrid2(1)"));
        QCOMPARE(principale->FinestraAttiva(), sezione4);
        QTest::keyClick(Find<QWidget>(sezione4, "Text1(0)"), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(principale->FinestraAttiva()->objectName(), QString("Sezione1Form"));
    }
};

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
