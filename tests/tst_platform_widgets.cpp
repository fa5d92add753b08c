#include "TestSupport.h"

#include "ComboBox.h"
#include "ControlArray.h"
#include "DirListBox.h"
#include "DisplayGrid.h"
#include "FileListBox.h"
#include "ListBox.h"
#include "NumberFormat.h"
#include "OptionGroup.h"
#include "PageFrames.h"
#include "ProfileFile.h"
#include "Twips.h"

#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

} // namespace

class TestPlatformWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    void optionGroupCanShowNoneSelected()
    {
        QWidget form;
        OptionGroup Option1{"Option1"};
        for (int i = 0; i < 3; ++i)
            Option1.Create(i, QString("Scelta %1").arg(i), &form);
        QSignalSpy clicks(&Option1, &OptionGroup::Click);
        QCOMPARE(Option1.Selected(), -1);
        QCOMPARE(Option1[2]->objectName(), QString("Option1(2)"));

        Option1.Select(1);
        QCOMPARE(Option1.Selected(), 1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.takeFirst().at(0).toInt(), 1);
        Option1.Select(2);
        QCOMPARE(Option1.Selected(), 2);
        QVERIFY(!Option1[1]->isChecked());
        QCOMPARE(clicks.takeFirst().at(0).toInt(), 2);

        Option1.ClearAll();
        QCOMPARE(Option1.Selected(), -1);
        Option1.Select(0);
        clicks.clear();
        Option1.Select(-1);
        QCOMPARE(Option1.Selected(), -1);
        QCOMPARE(clicks.size(), 0);

        // The user's click selects one option and clears the others.
        form.show();
        Option1.Select(0);
        clicks.clear();
        QTest::mouseClick(Option1[2], Qt::LeftButton);
        QCOMPARE(Option1.Selected(), 2);
        QVERIFY(!Option1[0]->isChecked());
        QCOMPARE(clicks.size(), 1);
    }

    void listRebuildsNeverClick()
    {
        ListBox List1;
        QSignalSpy clicks(&List1, &ListBox::Click);
        const qint64 big = 5000000000LL;
        List1.AddItem("Primo", big);
        List1.AddItem("Secondo", -7);
        QCOMPARE(List1.ListIndex(), -1);
        QCOMPARE(List1.Text(), QString());
        QCOMPARE(List1.ItemData(0), big);
        QCOMPARE(List1.ItemData(1), -7);
        List1.SetListIndex(1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(List1.Text(), QString("Secondo"));
        List1.SetListIndex(1);  // choosing the chosen item again runs its logic again
        QCOMPARE(clicks.size(), 2);
        List1.Clear();
        List1.AddItem("Terzo", 3);
        List1.AddItem("quarto", 4);
        List1.RemoveItem(0);
        List1.SetListIndex(-1);
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(List1.ListIndex(), -1);
        QCOMPARE(List1.FindExact("QUARTO"), 0);
        QCOMPARE(List1.FindExact("quart"), -1);
        List1.SetListIndex(0);
        List1.Clear();
        QCOMPARE(clicks.size(), 3);
        QCOMPARE(List1.ListIndex(), -1);
    }

    void comboRebuildsNeverClickAndKeepsATypedText()
    {
        for (bool editable : {false, true}) {
            ComboBox Combo1(editable);
            QSignalSpy clicks(&Combo1, &ComboBox::Click);
            QSignalSpy changes(&Combo1, &ComboBox::Change);
            Combo1.AddItem("Uno", 5000000001LL);
            Combo1.AddItem("Due", 2);
            QCOMPARE(Combo1.ListIndex(), -1);  // adding the first item selects nothing
            QCOMPARE(Combo1.Text(), QString());
            QCOMPARE(Combo1.ItemData(0), 5000000001LL);
            Combo1.SetListIndex(1);
            QCOMPARE(Combo1.Text(), QString("Due"));
            QCOMPARE(clicks.size(), 1);
            QCOMPARE(changes.size(), 0);  // choosing an item is a click only
            Combo1.Clear();
            Combo1.AddItem("Tre", 3);
            QCOMPARE(clicks.size(), 1);
            QCOMPARE(changes.size(), 0);
            QCOMPARE(Combo1.FindExact("tre"), 0);
        }

        ComboBox Combo4(true);
        QSignalSpy clicks(&Combo4, &ComboBox::Click);
        QSignalSpy changes(&Combo4, &ComboBox::Change);
        Combo4.AddItem("Roma", 1);
        Combo4.AddItem("Milano", 2);
        Combo4.SetText("Pavia");  // not an item: shown as it is
        QCOMPARE(Combo4.Text(), QString("Pavia"));
        QCOMPARE(Combo4.ListIndex(), -1);
        QCOMPARE(changes.size(), 1);
        Combo4.AddItem("Torino", 3);
        QCOMPARE(Combo4.Text(), QString("Pavia"));
        QCOMPARE(clicks.size(), 0);
        Combo4.SetText("Milano");
        QCOMPARE(Combo4.ListIndex(), 1);
        QCOMPARE(clicks.size(), 1);
        // The user typing in the edit field changes its text.
        Combo4.SetText(QString());
        changes.clear();
        QTest::keyClicks(Combo4.lineEdit(), "Bari");
        QVERIFY(changes.size() > 0);
        QCOMPARE(Combo4.Text(), QString("Bari"));
        QCOMPARE(Combo4.ListIndex(), -1);
    }

    void controlArraysAreSparseAndNamedWithTheirIndex()
    {
        QWidget form;
        ControlArray<QLineEdit> Text1{"Text1"};
        QLineEdit *box = Text1.Create(17, &form);
        Text1.Create(3, &form);
        QCOMPARE(box->objectName(), QString("Text1(17)"));
        QCOMPARE(form.findChild<QLineEdit *>("Text1(17)"), box);
        QCOMPARE(Text1.IndexOf(box), 17);
        QCOMPARE(Text1.IndexOf(&form), -1);
        QVERIFY(!Text1[4]);
        QCOMPARE(Text1.LBound(), 3);
        QCOMPARE(Text1.UBound(), 17);
        QCOMPARE(int(Text1.Count()), 2);
    }

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
        QCOMPARE(Frame1[1]->objectName(), QString("Frame1(1)"));
        QToolButton *previous = PageFrames::CreateArrow(Command1, 0, Frame1[1], false);
        QToolButton *next = PageFrames::CreateArrow(Command1, 1, Frame1[1], true);
        QCOMPARE(previous->geometry().topLeft(), QPoint(533, 463));  // 8000, 6950 twips
        QCOMPARE(next->geometry().topLeft(), QPoint(586, 463));      // 8790, 6950 twips
        QVERIFY(!previous->icon().isNull());
        QCOMPARE(TwipsRect(8000, 6950, 0, 0).topLeft(), previous->geometry().topLeft());
        // The arrows lie inside the form.
        QVERIFY(QRect(QPoint(), form.size()).contains(next->mapTo(&form, QPoint(next->width() - 1, next->height() - 1))));

        form.show();
        PageFrames::ShowOnly(Frame1, 2);
        QCOMPARE(PageFrames::VisibleIndex(Frame1), 2);
        PageFrames::ShowOnly(Frame1, 0);
        QCOMPARE(PageFrames::VisibleIndex(Frame1), 0);
        QVERIFY(Frame1[2]->isHidden());
    }

    void profileFileReadsAndWritesOneKey()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Velkaro.ini");
        ProfileFile ini(path);
        QCOMPARE(ini.Read("Percorsi", "DataBase", "predefinito"), QString("predefinito"));
        QVERIFY(ini.Write("Percorsi", "DataBase", "c:\\dati\\a.mdb"));
        QCOMPARE(ini.Read("PERCORSI", "database", "x"), QString("c:\\dati\\a.mdb"));

        Write(path, "; commento\r\n[Altro]\r\nDataBase=non questo\r\n\r\n[percorsi]\r\nprima=1\r\n"
                    "DATABASE=vecchio\r\ndopo=2\r\n\r\n[Fine]\r\nz=9\r\n");
        QCOMPARE(ini.Read("Percorsi", "DataBase", "x"), QString("vecchio"));
        const QString padded = QString("d:\\dati\\Progetti.mdb").leftJustified(150, ' ');
        QVERIFY(ini.Write("Percorsi", "DataBase", padded));
        QCOMPARE(Contents(path), QByteArray("; commento\r\n[Altro]\r\nDataBase=non questo\r\n\r\n[percorsi]\r\n"
                                            "prima=1\r\nDataBase=")
                                     + padded.toUtf8() + "\r\ndopo=2\r\n\r\n[Fine]\r\nz=9\r\n");
        QCOMPARE(ini.Read("Percorsi", "DataBase", "x"), padded);  // blanks kept

        // A missing key is added to its section, a missing section at the end.
        QVERIFY(ini.Write("Fine", "nuova", "valore"));
        QVERIFY(ini.Write("Nuova Sezione", "k", ""));
        QCOMPARE(ini.Read("Fine", "Nuova", "x"), QString("valore"));
        QCOMPARE(ini.Read("Fine", "z", "x"), QString("9"));
        QCOMPARE(ini.Read("Nuova Sezione", "k", "predefinito"), QString());  // present but empty
        QCOMPARE(ini.Read("Altro", "DataBase", "x"), QString("non questo"));
        QVERIFY(Contents(path).endsWith("[Nuova Sezione]\r\nk=\r\n"));

        QVERIFY(!ProfileFile(dir.filePath("manca/x.ini")).Write("a", "b", "c"));
    }

    void numbersFollowTheItalianSettings()
    {
        QCOMPARE(FormatNumber(1234567, "#,###"), QString("1.234.567"));
        QCOMPARE(FormatNumber(0, "#,###"), QString());
        QCOMPARE(FormatNumber(14.7, "#,###"), QString("15"));
        QCOMPARE(FormatNumber(14.5, "#,###"), QString("15"));
        QCOMPARE(FormatNumber(-2.5, "#,###"), QString("-3"));
        QCOMPARE(FormatNumber(-1234.5, "#,###"), QString("-1.235"));
        QCOMPARE(FormatNumber(10, "#,###.###"), QString("10,"));
        QCOMPARE(FormatNumber(1.23456, "#,###.###"), QString("1,235"));
        QCOMPARE(FormatNumber(0.5, "#,###.###"), QString(",5"));
        QCOMPARE(FormatNumber(1234.5, "#,###.###"), QString("1.234,5"));
        QCOMPARE(FormatNumber(1234567, "####"), QString("1234567"));
        QCOMPARE(FormatNumber(2.5, "####"), QString("3"));
        QCOMPARE(FormatNumber(0.4, "####"), QString());
        QCOMPARE(FormatNumber(1234567.6, "#"), QString("1234568"));
        // Rounding works on the decimal digits, never in exponent form.
        QCOMPARE(FormatNumber(1e15, "####"), QString("1000000000000000"));
        QCOMPARE(FormatNumber(123456789012345.0, "#,###"), QString("123.456.789.012.345"));
        QCOMPARE(FormatNumber(1.0005, "#,###.###"), QString("1,001"));
        QCOMPARE(FormatNumber(0.0005, "#,###.###"), QString(",001"));
        QCOMPARE(FormatNumber(999.9996, "#,###.###"), QString("1.000,"));
        QCOMPARE(FormatNumber(-0.4, "#,###"), QString());
        QCOMPARE(FormatNumber(0.15, "#.#"), QString(",2"));

        QCOMPARE(FormatValue(QString("abc"), "#"), QString("abc"));
        QCOMPARE(FormatValue(QString("12abc"), "#,###"), QString("12abc"));
        QCOMPARE(FormatValue(QString("2,6"), "#"), QString("3"));
        QCOMPARE(FormatValue(QString("1.000"), "#"), QString("1000"));
        QCOMPARE(FormatValue(QVariant(), "#,###"), QString());
        QCOMPARE(FormatValue(qint64(1234), "#,###"), QString("1.234"));

        double value = 0;
        const QList<QPair<QString, double>> numbers = {
            {"1.234.567", 1234567}, {" 7 ", 7}, {"12,5", 12.5}, {"-12,5", -12.5}, {"1,5E3", 1500}, {"1,5e3", 1500}};
        for (const auto &[text, expected] : numbers) {
            QVERIFY2(ParseLocaleNumber(text, &value), qPrintable(text));
            QCOMPARE(value, expected);
        }
        for (const QString &text : {QString(), QString("  "), QString("abc"), QString("12abc"), QString("1,2,3")})
            QVERIFY2(!ParseLocaleNumber(text), qPrintable(text));
    }

    void displayGridKeepsItsCells()
    {
        DisplayGrid grid(3, 4);
        QCOMPARE(grid.Rows(), 3);
        QCOMPARE(grid.Cols(), 4);
        QCOMPARE(grid.Row(), 1);
        QCOMPARE(grid.Col(), 1);
        grid.SetTextMatrix(0, 2, "Titolo");
        grid.SetTextMatrix(2, 3, "1.000");
        grid.SetTextMatrix(5, 0, "fuori");  // outside the grid: ignored
        QCOMPARE(grid.TextMatrix(0, 2), QString("Titolo"));
        QVERIFY(grid.item(0, 2)->font().bold());
        QVERIFY(!grid.item(2, 3)->font().bold());
        QCOMPARE(grid.TextMatrix(1, 1), QString());
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

    void fileAndFolderLists()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.MDB", "b.mdb", "c.txt", "mdb"})
            Write(dir.filePath(name), "x");
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
        QVERIFY(!Dir1.SetPath(dir.filePath("manca")));
        QVERIFY(!Dir1.SetPath(dir.filePath("c.txt")));
        QVERIFY(!Dir1.SetPath(QString()));
        QCOMPARE(Dir1.Path(), QDir(dir.path()).absolutePath());
        QCOMPARE(changes.size(), 1);
        // The current folder is listed, then its subfolders.
        QCOMPARE(Dir1.currentItem()->text().trimmed(), QDir(dir.path()).dirName());
        QCOMPARE(Dir1.item(Dir1.count() - 1)->text().trimmed(), QString("sotto.mdb"));
    }
};

QTEST_MAIN(TestPlatformWidgets)
#include "tst_platform_widgets.moc"
