#include "TestSupport.h"

#include "ComboBox.h"
#include "ControlArray.h"
#include "Dialogs.h"
#include "DirListBox.h"
#include "DisplayGrid.h"
#include "FieldBinding.h"
#include "FileListBox.h"
#include "ListBox.h"
#include "MultiLineEdit.h"
#include "NumberFormat.h"
#include "OptionGroup.h"
#include "PageFrames.h"
#include "ProfileFile.h"
#include "TabStrip.h"
#include "TextBox.h"
#include "Twips.h"
#include "WrappingCheckBox.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>

#include <limits>
#include <optional>

class TestPlatformWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // An option group can show none selected; a choice from code or by the
    // user's click selects one option and clicks once.
    void optionGroupCanShowNoneSelected()
    {
        QWidget form;
        OptionGroup Option1{"Option1"};
        for (int i = 0; i < 3; ++i)
            Option1.Create(i, QString("Scelta %1").arg(i), &form);
        QSignalSpy clicks(&Option1, &OptionGroup::Click);
        QCOMPARE(Option1.Selected(), -1);
        Option1.Select(1);
        Option1.Select(2);
        QCOMPARE(Option1.Selected(), 2);
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks.at(1).at(0).toInt(), 2);
        Option1.Select(-1);
        QCOMPARE(Option1.Selected(), -1);
        QCOMPARE(clicks.size(), 2);

        // The user's click selects one option and clears the others.
        form.show();
        Option1.Select(0);
        QTest::mouseClick(Option1[2], Qt::LeftButton);
        QCOMPARE(Option1.Selected(), 2);
        QVERIFY(!Option1[0]->isChecked());
        QCOMPARE(clicks.size(), 4);
    }

    // Sizes and places in twips, at 15 twips a pixel.
    void pageFramesStackAtOnePlace()
    {
        QWidget form;
        form.setFixedSize(PageFrames::FormSize());
        ControlArray<QFrame> Frame1{"Frame1"};
        ControlArray<QToolButton> Command1{"Command1"};
        for (int i = 0; i < 3; ++i)
            PageFrames::CreatePage(Frame1, i, &form);
        PageFrames::PiazzaForm(Frame1, 2);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(Frame1[i]->geometry(), QRect(-1, -2, 620, 497));  // -15, -30, 9295 x 7450 twips
        QToolButton *previous = PageFrames::CreateArrow(Command1, 0, Frame1[1], false);
        QToolButton *next = PageFrames::CreateArrow(Command1, 1, Frame1[1], true);
        QCOMPARE(previous->geometry().topLeft(), QPoint(533, 463));  // 8000, 6950 twips
        QCOMPARE(next->geometry().topLeft(), QPoint(586, 463));      // 8790, 6950 twips
        // The arrows lie inside the form.
        QVERIFY(QRect(QPoint(), form.size()).contains(next->mapTo(&form, next->rect().bottomRight())));
    }

    // A write changes only the line of its key (names in any case), adds a
    // missing key to its section and a missing section at the end. A file of
    // an older program, in Latin-1, is read as such and its other lines keep
    // their bytes; a value Latin-1 cannot hold turns the file into UTF-8.
    void profileFileKeepsEverythingButTheKeyWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Velkaro.ini");
        ProfileFile ini(path);
        QCOMPARE(ini.Read("Percorsi", "DataBase", "predefinito"), QString("predefinito"));
        WriteBytes(path, "; Citt\xe0\r\n[Altro]\r\nDataBase=non questo\r\n\r\n[percorsi]\r\nprima=\xe8\r\n"
                         "DATABASE=C:\\Citt\xe0\\a.mdb\r\ndopo=2\r\n\r\n[Fine]\r\nz=9\r\n");
        QCOMPARE(ini.Read("PERCORSI", "database", "x"), QString::fromUtf8("C:\\Città\\a.mdb"));
        QVERIFY(ini.Write("Percorsi", "DataBase", QString::fromUtf8("D:\\Società\\b.mdb  ")));
        QCOMPARE(ReadBytes(path), QByteArray("; Citt\xe0\r\n[Altro]\r\nDataBase=non questo\r\n\r\n[percorsi]\r\n"
                                             "prima=\xe8\r\nDataBase=D:\\Societ\xe0\\b.mdb  \r\ndopo=2\r\n\r\n"
                                             "[Fine]\r\nz=9\r\n"));
        QCOMPARE(ini.Read("Percorsi", "DataBase", "x"), QString::fromUtf8("D:\\Società\\b.mdb  "));  // blanks kept
        QVERIFY(ini.Write("Fine", "nuova", "valore"));
        QVERIFY(ini.Write("Nuova Sezione", "k", ""));
        QCOMPARE(ini.Read("Fine", "Nuova", "x") + ini.Read("Fine", "z", "x"), QString("valore9"));
        QCOMPARE(ini.Read("Nuova Sezione", "k", "predefinito"), QString());  // present but empty
        QVERIFY(ReadBytes(path).endsWith("[Nuova Sezione]\r\nk=\r\n"));
        QVERIFY(ini.Write("Percorsi", "DataBase", QString::fromUtf8("E:\\€\\c.mdb")));
        QCOMPARE(ini.Read("Percorsi", "DataBase", "x"), QString::fromUtf8("E:\\€\\c.mdb"));
        QCOMPARE(ini.Read("Percorsi", "prima", "x"), QString::fromUtf8("è"));
        QVERIFY(!ProfileFile(dir.filePath("manca/x.ini")).Write("a", "b", "c"));
    }

    // A list announces each choice of the user once, when it stands: a mouse
    // press makes the item current before selecting it, and the click logic
    // must see the selection. Undoing a choice and rebuilding choose nothing.
    void listsAnnounceEveryChoiceOnceItStands()
    {
        QWidget form;
        ListBox lista(&form);
        lista.setGeometry(0, 0, 200, 120);
        lista.AddItem("Alfa", 5000000001LL);
        lista.AddItem("Beta", -7);
        lista.AddItem("Gamma");
        QCOMPARE(lista.ListIndex(), -1);
        form.show();
        QList<int> scelte;
        int doppi = 0;
        connect(&lista, &ListBox::Click, [&] { scelte << lista.ListIndex(); });
        connect(&lista, &ListBox::DblClick, [&] { ++doppi; });

        ClickItem(&lista, 1);
        ClickItem(&lista, 1);  // the chosen item, chosen again
        lista.setFocus();
        QTest::keyClick(&lista, Qt::Key_Down);
        QTest::keyClick(&lista, Qt::Key_Up);
        QCOMPARE(scelte, QList<int>({1, 1, 2, 1}));
        QCOMPARE(lista.ItemData(lista.ListIndex()), -7);
        ClickItem(&lista, 0, true);  // a double click chooses once, then double-clicks
        QCOMPARE(scelte, QList<int>({1, 1, 2, 1, 0}));
        QCOMPARE(doppi, 1);

        lista.Reselect(2);
        QCOMPARE(lista.ListIndex(), 2);
        QCOMPARE(lista.FindData(5000000001LL), 0);
        QCOMPARE(lista.FindExact("GAMMA"), 2);
        QCOMPARE(lista.FindExact("Gam"), -1);
        lista.Clear();
        lista.AddItem("Delta", 44);
        QCOMPARE(lista.ListIndex(), -1);
        QCOMPARE(scelte.size(), 5);
    }

    // A combo announces an item chosen with the mouse, the keys or from code
    // (again when chosen again) as a click only; rebuilding announces
    // nothing. An editable combo keeps a text that is no item.
    void combosAnnounceTheItemChosenWithMouseOrKeys()
    {
        QWidget form;
        ComboBox anni(false, &form);
        ComboBox priorita(true, &form);
        anni.setGeometry(0, 0, 120, 24);
        priorita.setGeometry(0, 40, 120, 24);
        for (int i = 0; i < 10; ++i) {
            anni.AddItem(QString::number(1998 + i), 5000000000LL + i);
            priorita.AddItem(QString::number(i));
        }
        QCOMPARE(anni.ListIndex(), -1);
        form.show();
        QStringList viste;
        connect(&anni, &ComboBox::Click, [&] { viste << anni.Text(); });
        connect(&priorita, &ComboBox::Click, [&] { viste << priorita.Text(); });
        QSignalSpy cambi(&anni, &ComboBox::Change);
        ChooseItem(&anni, 3);
        ChooseItem(&priorita, 7);
        anni.setFocus();
        QTest::keyClick(&anni, Qt::Key_Down);
        anni.SetListIndex(5);
        anni.SetListIndex(5);
        QCOMPARE(viste, QStringList({"2001", "7", "2002", "2003", "2003"}));
        QCOMPARE(anni.ItemData(anni.ListIndex()), 5000000005LL);
        QCOMPARE(cambi.size(), 0);
        anni.Clear();
        anni.AddItem("tre", 3);
        QCOMPARE(anni.ListIndex(), -1);
        QCOMPARE(anni.FindExact("TRE"), 0);
        QCOMPARE(anni.FindExact("tr"), -1);
        QCOMPARE(viste.size(), 5);

        QSignalSpy modifiche(&priorita, &ComboBox::Change);
        priorita.SetText("Alta");  // not an item: shown as it is
        QCOMPARE(priorita.ListIndex(), -1);
        QCOMPARE(modifiche.size(), 1);
        priorita.AddItem("10");
        QCOMPARE(priorita.Text(), QString("Alta"));
        priorita.SetText("3");
        QCOMPARE(priorita.ListIndex(), 3);
        QCOMPARE(viste.last(), QString("3"));
        priorita.SetText(QString());
        modifiche.clear();
        QTest::keyClicks(priorita.lineEdit(), "Bassa");
        QVERIFY(modifiche.size() > 0);
        QCOMPARE(priorita.Text(), QString("Bassa"));
        QCOMPARE(priorita.ListIndex(), -1);
    }

    // What is typed or pasted keeps to one line in a one-line box and never
    // leaves half a character at a box's limit; a stored value is shown as
    // it stands, however long.
    void boxesTakeOneLineAndWholeCharacters()
    {
        QWidget form;
        TextBox riga(&form);
        riga.SetLimit(4);
        MultiLineEdit righe(&form);
        righe.SetLimit(4);
        righe.move(0, 40);
        form.show();
        const auto incolla = [](QWidget *box, const QString &testo) {
            QGuiApplication::clipboard()->setText(testo);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            return FieldBinding::BoxText(box);
        };
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QCOMPARE(incolla(&riga, "ABC" + emoji), QString("ABC"));
        QCOMPARE(incolla(&riga, "AB" + emoji), "AB" + emoji);
        // The limit counts what was pasted; what stands is one line.
        QCOMPARE(incolla(&riga, "A\r\nB\nC"), QString("A B"));
        QCOMPARE(incolla(&riga, "A\nB"), QString("A B"));
        QCOMPARE(incolla(&righe, "ABC" + emoji), QString("ABC"));
        QCOMPARE(incolla(&righe, "A\nB" + emoji), "A\nB");

        FieldBinding::ShowText(&riga, "Riga\nlunga oltre il limite");
        FieldBinding::ShowText(&righe, "Testo lungo");
        QCOMPARE(riga.text(), QString("Riga\nlunga oltre il limite"));
        QCOMPARE(righe.text(), QString("Testo lungo"));
        FieldBinding::ShowText(&riga, "XY");
        QCOMPARE(incolla(&riga, "123456"), QString("1234"));  // the box's own limit is back
    }

    // Tabs count from 1; every choice, by a click or from code, again too,
    // clicks; building the strip or clicking it disabled does not.
    void tabStripsCountFromOneAndClickOnEveryChoice()
    {
        QWidget form;
        TabStrip strip(&form);
        int clicks = 0;
        connect(&strip, &TabStrip::Click, [&] { ++clicks; });
        strip.AddTab("Durata Modulo", "Durata del Modulo in ore");
        strip.AddTab("Docenti", "Profili Docenti");
        strip.AddTab("Sedi", "Sede o Sedi");
        form.show();
        QCOMPARE(clicks, 0);  // building the strip chooses nothing
        QCOMPARE(strip.SelectedIndex(), 1);
        QCOMPARE(strip.tabToolTip(1), QString("Profili Docenti"));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(2).center());
        QCOMPARE(strip.SelectedIndex(), 3);
        QCOMPARE(strip.SelectedCaption(), QString("Sedi"));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(2).center());
        strip.SetSelectedIndex(1);
        strip.SetSelectedIndex(1);
        QCOMPARE(clicks, 4);
        strip.setEnabled(false);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(1).center());
        QCOMPARE(strip.SelectedIndex(), 1);
        QCOMPARE(clicks, 4);
    }

    // Showing again the text a box shows announces a change all the same,
    // in either kind of box, so that the handlers computing from it run at
    // every write; a multi-line box keeps its cursor.
    void showingTheSameTextAgainAnnouncesIt()
    {
        MultiLineEdit righe;
        TextBox riga;
        QSignalSpy cambiRighe(&righe, &MultiLineEdit::textChanged);
        QSignalSpy cambiRiga(&riga, &QLineEdit::textChanged);
        FieldBinding::ShowText(&righe, "prima riga\nseconda riga");
        FieldBinding::ShowText(&riga, "testo");
        QTextCursor cursore = righe.textCursor();
        cursore.setPosition(12);
        righe.setTextCursor(cursore);
        FieldBinding::ShowText(&righe, "prima riga\nseconda riga");
        FieldBinding::ShowText(&riga, "testo");
        QCOMPARE(cambiRighe.count(), 2);
        QCOMPARE(cambiRiga.count(), 2);
        QCOMPARE(righe.textCursor().position(), 12);
        FieldBinding::ShowText(&righe, "altro");
        QCOMPARE(cambiRighe.count(), 3);
    }

    // A caption wider than its box wraps onto more lines, keeps its text
    // whole, and a click anywhere on it, its second line too, toggles it.
    void aWrappingCheckBoxTakesClicksOnItsWholeCaption()
    {
        QWidget finestra;
        const QString testo = "Adeguare le professionalità aziendali ai processi di innovazione tecnologica ed "
                              "organizzitivi realizzati o avviati.";
        WrappingCheckBox casella(testo, &finestra);
        QCOMPARE(casella.text(), testo);
        QVERIFY(casella.heightForWidth(2000) < 2 * casella.fontMetrics().height());
        QVERIFY(casella.heightForWidth(200) >= 3 * casella.fontMetrics().height());
        QCOMPARE(casella.LineCount(2000), 1);
        casella.setGeometry(0, 0, 200, casella.heightForWidth(200));
        finestra.show();
        QSignalSpy clic(&casella, &QCheckBox::toggled);
        QTest::mouseClick(&casella, Qt::LeftButton, {}, QPoint(150, casella.height() - 3));
        QVERIFY(casella.isChecked());
        QTest::mouseClick(&casella, Qt::LeftButton, {}, QPoint(7, 7));
        QVERIFY(!casella.isChecked());
        QCOMPARE(clic.count(), 2);
    }

    // Numbers shown and read under Italian settings, as the VB patterns do.
    void numbersFollowTheItalianSettings()
    {
        // Each pattern, then values and what it shows of them. Rounding works
        // on the decimal digits, never in exponent form.
        const QList<std::pair<const char *, QList<std::pair<double, const char *>>>> formats = {
            {"#,###", {{1234567, "1.234.567"}, {0, ""}, {14.7, "15"}, {14.5, "15"}, {-2.5, "-3"}, {-1234.5, "-1.235"}}},
            {"#,###", {{-0.4, ""}, {123456789012345.0, "123.456.789.012.345"}}},
            {"#,###.###", {{10, "10"}, {1.23456, "1,235"}, {0.5, ",5"}, {1234.5, "1.234,5"}, {1.0005, "1,001"}}},
            {"#,###.###", {{0.0005, ",001"}, {999.9996, "1.000"}, {0, "0"}, {-0.0004, "0"}}},
            {"####", {{1234567, "1234567"}, {2.5, "3"}, {0.4, ""}, {1e15, "1000000000000000"}}},
            {"#", {{1234567.6, "1234568"}}},
            {"#.#", {{0.15, ",2"}, {0.04, "0"}}}};
        for (const auto &[pattern, cases] : formats)
            for (const auto &[value, expected] : cases)
                QCOMPARE(FormatNumber(value, pattern), QString(expected));

        const QList<std::tuple<QVariant, const char *, const char *>> values = {
            {QString("abc"), "#", "abc"},
            {QString("12abc"), "#,###", "12abc"},
            {QString("2,6"), "#", "3"},
            {QString("1.000"), "#", "1000"},
            {QVariant(), "#,###", ""},
            {qint64(1234), "#,###", "1.234"},
            {std::numeric_limits<qint64>::max(), "#,###", "9.223.372.036.854.775.807"},
            {std::numeric_limits<qint64>::min(), "#,###.###", "-9.223.372.036.854.775.808"},
        };
        for (const auto &[value, pattern, expected] : values)
            QCOMPARE(FormatValue(value, pattern), QString(expected));

        double value = 0;
        const QList<QPair<QString, double>> numbers = {{"1.234.567", 1234567}, {" 7 ", 7},      {"12,5", 12.5},
                                                       {"-12,5", -12.5},       {"1,5E3", 1500}, {"1,5e3", 1500}};
        for (const auto &[text, expected] : numbers) {
            QVERIFY2(ParseLocaleNumber(text, &value), qPrintable(text));
            QCOMPARE(value, expected);
        }
        for (const char *text : {"", "  ", "abc", "12abc", "1,2,3"})
            QVERIFY2(!ParseLocaleNumber(text), text);
    }

    // Cells outside the grid are ignored and moves outside it leave the
    // current cell; the header row is bold; widths are given in twips.
    void displayGridKeepsItsCells()
    {
        DisplayGrid grid(3, 4);
        grid.SetTextMatrix(0, 2, "Titolo");
        grid.SetTextMatrix(2, 3, "1.000");
        grid.SetTextMatrix(5, 0, "fuori");  // outside the grid: ignored
        QVERIFY(grid.item(0, 2)->font().bold());
        QVERIFY(!grid.item(2, 3)->font().bold());
        QCOMPARE(grid.TextMatrix(9, 9), QString());
        grid.SetRow(2);
        grid.SetCol(3);
        QCOMPARE(grid.Text(), QString("1.000"));
        grid.SetRow(3);  // no such row: the current cell stays
        grid.SetCol(-1);
        QCOMPARE(grid.Row(), 2);
        QCOMPARE(grid.Col(), 3);
        grid.SetRows(2);
        QCOMPARE(grid.Row(), 1);
        grid.SetColWidth(1, 1500);
        QCOMPARE(grid.columnWidth(1), 100);
    }

    // The file box lists the "*.mdb" files whatever their case, no folders;
    // the folder box refuses what is not a folder, and lists the current
    // folder, then its subfolders.
    void fileAndFolderLists()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.MDB", "b.mdb", "c.txt", "mdb"})
            WriteBytes(dir.filePath(name), "x");
        QVERIFY(QDir(dir.path()).mkdir("sotto.mdb"));
        FileListBox File1("*.mdb");
        QSignalSpy clicks(&File1, &ListBox::Click);
        File1.SetPath(dir.path());
        QCOMPARE(File1.ListCount(), 2);
        QCOMPARE(File1.List(0), QString("a.MDB"));
        QCOMPARE(File1.List(1), QString("b.mdb"));
        QCOMPARE(File1.FileName(), QString());
        File1.SetListIndex(1);
        QCOMPARE(File1.FileName(), QString("b.mdb"));
        QCOMPARE(clicks.size(), 1);
        File1.Refresh();
        QCOMPARE(clicks.size(), 1);

        DirListBox Dir1;
        QSignalSpy changes(&Dir1, &DirListBox::Change);
        QVERIFY(Dir1.SetPath(dir.path()));
        QCOMPARE(changes.size(), 1);
        for (const QString &refused : {dir.filePath("manca"), dir.filePath("c.txt"), QString()})
            QVERIFY(!Dir1.SetPath(refused));
        QCOMPARE(Dir1.Path(), QDir(dir.path()).absolutePath());
        QCOMPARE(changes.size(), 1);
        // The current folder is listed, then its subfolders.
        QCOMPARE(Dir1.currentItem()->text().trimmed(), QDir(dir.path()).dirName());
        QCOMPARE(Dir1.item(Dir1.count() - 1)->text().trimmed(), QString("sotto.mdb"));
    }

    // Qt's own dialogs speak Italian: a Yes/No question as the user meets it,
    // answered with a click.
    void questionsAnswerSiOrNo()
    {
        QStringList bottoni;
        WhenModal([&](QDialog *domanda) {
            for (QAbstractButton *bottone : domanda->findChildren<QAbstractButton *>())
                bottoni << bottone->text().remove('&');
            for (QAbstractButton *bottone : domanda->findChildren<QAbstractButton *>())
                if (bottone->text().remove('&') == "No")
                    QTest::mouseClick(bottone, Qt::LeftButton);
        });
        Dialogs::SetQueueMode(false);
        const bool si = Dialogs::YesNo("Eliminare il modulo?");
        Dialogs::SetQueueMode(true);
        QVERIFY(!si);
        bottoni.sort();
        QCOMPARE(bottoni, QStringList({"No", QString::fromUtf8("Sì")}));
    }
};

QTEST_MAIN(TestPlatformWidgets)
#include "tst_platform_widgets.moc"
