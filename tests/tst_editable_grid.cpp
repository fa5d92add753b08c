#include "TestSupport.h"

#include "EditableGrid.h"
#include "GridListEditor.h"
#include "Procedure.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

namespace {

// A grid in a shown, active window, with every event it raises written to a
// log in order: "before r,c", "after r,c", "move r,c" (the current cell after
// the move).
struct Fixture
{
    explicit Fixture(int rows, const QList<GridColumn> &columns)
    {
        grid = new EditableGrid(rows, columns, &window);
        grid->setObjectName("VSFlexGrid3");
        grid->setGeometry(TwipsRect(0, 0, 8685, 4575));
        QObject::connect(grid, &EditableGrid::BeforeEdit, [this](int row, int col, bool *cancel) {
            log << QString("before %1,%2").arg(row).arg(col);
            *cancel = refused.contains(col);
        });
        QObject::connect(grid, &EditableGrid::AfterEdit,
                         [this](int row, int col) { log << QString("after %1,%2").arg(row).arg(col); });
        QObject::connect(grid, &EditableGrid::RowColChange,
                         [this] { log << QString("move %1,%2").arg(grid->Row()).arg(grid->Col()); });
        window.resize(700, 400);
        window.show();
        QApplication::setActiveWindow(&window);
        grid->setFocus();
    }

    void Click(int row, int col) { QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Center(row, col)); }
    // A double click as the window system delivers it: press, release, double click.
    void DoubleClick(int row, int col)
    {
        Click(row, col);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, Center(row, col));
    }
    QPoint Center(int row, int col) const { return grid->CellRect(row, col).center(); }
    QWidget *Editor() const { return grid->indexWidget(grid->currentIndex()); }
    GridListEditor *List() const { return qobject_cast<GridListEditor *>(Editor()); }
    // The log since the last call.
    QStringList Take() { return std::exchange(log, {}); }
    // Presses the keys in turn on the grid, as the user would.
    void Keys(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(grid, key);
    }

    QStringList log;
    QList<int> refused;  // columns whose edits the before-edit handler refuses
    QWidget window;      // destroyed first: an open editor commits into the log
    EditableGrid *grid = nullptr;
};

const QList<GridColumn> kAllegati = {{"Numero Allegato", 1365, {}, Qt::AlignRight | Qt::AlignVCenter},
                                     {"Descrizione Allegato", 3000}};

const QList<GridColumn> kRisorse = {{"RISORSE", 4200}, {"Int/Est", 705, "|Interno|Esterno"},
                                    {"N°Sogg.", 690},  {"N°ore/GG", 780},
                                    {"Costo", 1050},   {"Totale", 1245}};

QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Whether a cell shows anything: more than one colour inside its borders.
bool Shows(EditableGrid &grid, int row, int col)
{
    const QImage image = grid.viewport()->grab().toImage().copy(grid.CellRect(row, col).adjusted(1, 1, -2, -2));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

}  // namespace

class TestEditableGrid : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // Row 0 is the header, as captions and widths declared; code reads and
    // writes any cell, moves and resizes without firing anything, ignores
    // cells outside the grid, and rows dropped take their cells with them.
    void headerRowAndCodeAccessFireNothing()
    {
        Fixture f(3, kRisorse);
        EditableGrid &g = *f.grid;
        QCOMPARE(g.Cols(), 6);
        QCOMPARE(g.TextMatrix(0, 1), QString("Int/Est"));
        QCOMPARE(g.columnWidth(0), 280);
        QCOMPARE(g.Row(), 1);
        g.SetTextMatrix(2, 4, "1.500");
        g.SetRow(2);
        g.SetCol(3);
        g.SetText("7");
        g.SetRow(0);
        g.SetCol(2);
        g.SetText("N. Soggetti");
        QCOMPARE(g.model()->headerData(2, Qt::Horizontal).toString(), QString("N. Soggetti"));
        g.SetRow(9);  // no such row or column: the current cell stays
        g.SetCol(-1);
        g.SetTextMatrix(4, 0, "fuori");
        QCOMPARE(g.Row(), 0);
        QCOMPARE(g.Col(), 2);
        QCOMPARE(g.TextMatrix(2, 3) + g.TextMatrix(2, 4) + g.TextMatrix(9, 9), QString("71.500"));

        g.SetRows(5);
        g.SetTextMatrix(4, 1, "ultima");
        g.SetRow(4);
        g.SetRows(3);
        QCOMPARE(g.Row(), 2);  // the current row went with its row
        QCOMPARE(g.TextMatrix(2, 3), QString("7"));
        g.SetRows(5);
        QCOMPARE(g.model()->rowCount(), 4);
        // The dropped cell does not come back. Cells never written, or written
        // empty, read as text, which a store writes as the empty text rather
        // than as no value.
        g.SetTextMatrix(1, 0, QString());
        for (const QString &cella : {g.TextMatrix(4, 1), g.TextMatrix(1, 0), g.TextMatrix(9, 9)})
            QVERIFY(!cella.isNull() && cella.isEmpty());
        g.SetRows(0);
        QCOMPARE(g.Rows(), 1);  // the header row stays
        QCOMPARE(g.TextMatrix(0, 0), QString("RISORSE"));
        QVERIFY(f.Take().isEmpty());
        QVERIFY(!g.Editing());
    }

    // Typing, F2, Enter or a double click open the editor after before-edit;
    // after-edit follows once the new text stands, even unchanged; Escape
    // cancels.
    void keyboardEditRaisesAfterEditOnce()
    {
        Fixture f(3, kAllegati);
        EditableGrid &g = *f.grid;
        g.SetTextMatrix(1, 1, "vecchio");

        // Typing a character replaces the text; Enter commits and moves down.
        f.Click(1, 1);
        QTest::keyClicks(&g, "Statuto");
        QTest::keyClick(&g, Qt::Key_Enter);
        QCOMPARE(f.Take(), QStringList({"move 1,1", "before 1,1", "after 1,1", "move 2,1"}));
        QCOMPARE(g.TextMatrix(1, 1), QString("Statuto"));

        // F2, Enter and a double click keep the text; an unchanged edit
        // still raises its after-edit, once.
        f.Click(1, 1);
        f.Take();
        f.Keys({Qt::Key_F2, Qt::Key_Return, Qt::Key_Up, Qt::Key_Return});
        QTest::keyClicks(&g, " sociale");
        QTest::keyClick(&g, Qt::Key_Return);
        QCOMPARE(f.Take(), QStringList({"before 1,1", "after 1,1", "move 2,1", "move 1,1", "before 1,1", "after 1,1",
                                        "move 2,1"}));
        QCOMPARE(g.TextMatrix(1, 1), QString("Statuto sociale"));
        f.DoubleClick(1, 0);
        QVERIFY(g.Editing());
        QTest::keyClicks(&g, "0");
        QTest::keyClick(&g, Qt::Key_Return);
        QCOMPARE(f.Take(), QStringList({"move 1,0", "before 1,0", "after 1,0", "move 2,0"}));
        QCOMPARE(g.TextMatrix(1, 0), QString("0"));

        // Escape cancels: the cell keeps its text and nothing follows.
        f.Click(1, 1);
        QTest::keyClicks(&g, "perso");
        QTest::keyClick(&g, Qt::Key_Escape);
        QVERIFY(!g.Editing());
        QCOMPARE(g.TextMatrix(1, 1), QString("Statuto sociale"));
        QCOMPARE(f.Take(), QStringList({"move 1,1", "before 1,1"}));

        // A paste of any length is taken whole, its line breaks as blanks.
        QGuiApplication::clipboard()->setText(QString("Riga\r\n").repeated(10000));
        f.Keys({Qt::Key_F2});
        QTest::keyClick(f.Editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.Editor(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(f.Editor(), Qt::Key_Return);
        QCOMPARE(g.TextMatrix(1, 1), QString("Riga ").repeated(10000));
    }

    // Tab, a click on another cell, an arrow or another control commit the
    // open editor before the move.
    void leavingTheCellCommitsBeforeTheMove()
    {
        Fixture f(3, kAllegati);
        EditableGrid &g = *f.grid;
        // The cost grids' handler: remember the current cell, work, put it
        // back, and add a row below an edit of the last row.
        QObject::connect(&g, &EditableGrid::AfterEdit, [&g](int row, int) {
            QCOMPARE(g.Row(), row);
            if (g.Row() == g.Rows() - 1)
                g.SetRows(g.Rows() + 1);
        });
        f.Click(2, 0);
        QTest::keyClicks(&g, "3");
        QTest::keyClick(&g, Qt::Key_Tab);
        QCOMPARE(f.Take(), QStringList({"move 2,0", "before 2,0", "after 2,0", "move 2,1"}));
        QCOMPARE(g.Rows(), 4);
        QTest::keyClicks(&g, "Visura");
        f.Click(1, 0);  // clicking another cell commits first
        QCOMPARE(f.Take(), QStringList({"before 2,1", "after 2,1", "move 1,0"}));
        // The user's keys reach the editor, which has the focus.
        QTest::keyClicks(&g, "1");
        QWidget *editor = QApplication::focusWidget();
        QCOMPARE(editor, f.Editor());
        QTest::keyClicks(editor, "0");
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), &g);
        QTest::keyClick(&g, Qt::Key_Down);  // no editor now: a plain move
        QCOMPARE(f.Take(), QStringList({"before 1,0", "after 1,0", "move 2,0", "move 3,0"}));
        QCOMPARE(g.TextMatrix(1, 0), QString("10"));
        QCOMPARE(g.TextMatrix(2, 0), QString("3"));
        QCOMPARE(g.TextMatrix(2, 1), QString("Visura"));

        // Leaving the grid for another control commits.
        auto *box = new QLineEdit(&f.window);
        box->setGeometry(600, 10, 80, 20);
        box->show();
        f.Click(3, 1);
        QTest::keyClicks(&g, "Fine");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(!g.Editing());
        QCOMPARE(f.Take(), QStringList({"move 3,1", "before 3,1", "after 3,1"}));
        QCOMPARE(g.TextMatrix(3, 1), QString("Fine"));
        QCOMPARE(g.Rows(), 5);
    }

    // A cancel in before-edit keeps the cell, whatever opened the editor.
    void beforeEditCancelKeepsTheCell()
    {
        Fixture f(2, kRisorse);
        EditableGrid &g = *f.grid;
        f.refused = {5};
        g.SetTextMatrix(1, 5, "1.000");
        g.SetTextMatrix(1, 2, "9");
        f.Click(1, 5);
        QTest::keyClicks(&g, "9");
        f.Keys({Qt::Key_F2, Qt::Key_Return});
        f.DoubleClick(1, 5);
        QVERIFY(!g.Editing());
        QCOMPARE(g.TextMatrix(1, 5), QString("1.000"));
        QCOMPARE(g.Col(), 5);  // nor did the refused "9" jump to the cell holding "9"
        QCOMPARE(f.Take(), QStringList({"move 1,5", "before 1,5", "before 1,5", "before 1,5", "before 1,5"}));
    }

    // A list column offers exactly its items, the empty one too, in a
    // drop-down below the cell while the cell shows its value; only a click
    // on an item or Enter on the highlighted one chooses: the arrows and
    // letters move the highlight, Escape, Tab and a click elsewhere keep the
    // value, and so does Enter with nothing highlighted.
    void listColumnIsADropDown()
    {
        Fixture f(4, kRisorse);
        EditableGrid &g = *f.grid;
        g.SetFixedCols(1);
        g.SetTextMatrix(1, 1, "Nessuna");
        g.SetTextMatrix(2, 1, "Esterno");

        // A text that is no item highlights nothing and stays.
        f.Click(1, 1);
        QTest::keyClick(&g, Qt::Key_F2);
        QVERIFY(f.List());
        QCOMPARE(Items(f.List()->List()), QStringList({"", "Interno", "Esterno"}));
        QVERIFY(f.List()->List()->selectedItems().isEmpty());
        QTest::keyClicks(&g, "Qualsiasi");  // nothing else can be typed
        QCOMPARE(f.List()->Value(), QString("Nessuna"));
        QTest::keyClick(&g, Qt::Key_Escape);
        QCOMPARE(g.TextMatrix(1, 1), QString("Nessuna"));
        QCOMPARE(f.Take(), QStringList({"before 1,1"}));

        // Double-clicked, the cell goes on showing its value, the list opens
        // under it with that value highlighted, and a click on another cell
        // keeps the value.
        f.DoubleClick(2, 1);
        GridListEditor *editor = f.List();
        QVERIFY(editor && editor->List()->isVisible());
        QCOMPARE(editor->Value(), QString("Esterno"));
        QCOMPARE(editor->geometry(), g.CellRect(2, 1));
        const QRect cella(g.viewport()->mapToGlobal(g.CellRect(2, 1).topLeft()), g.CellRect(2, 1).size());
        QCOMPARE(editor->List()->geometry().top(), cella.bottom() + 1);
        QCOMPARE(editor->List()->currentItem()->text(), QString("Esterno"));
        QTest::keyClick(&g, Qt::Key_Up);  // the highlight moves, the cell's value does not
        QCOMPARE(editor->List()->currentItem()->text(), QString("Interno"));
        QCOMPARE(editor->Value(), QString("Esterno"));
        f.Click(3, 2);
        QVERIFY(!g.Editing());
        QCOMPARE(g.TextMatrix(2, 1), QString("Esterno"));
        QCOMPARE(f.Take(), QStringList({"move 2,1", "before 2,1", "move 3,2"}));

        // Arrows and letters move the highlight; Enter chooses it and moves
        // down, as in any cell; Tab keeps the value.
        f.Click(2, 1);
        f.Take();
        f.Keys({Qt::Key_Return, Qt::Key_Up, Qt::Key_Return});
        QCOMPARE(g.TextMatrix(2, 1), QString("Interno"));
        QCOMPARE(f.Take(), QStringList({"before 2,1", "after 2,1", "move 3,1"}));
        f.Keys({Qt::Key_Up, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(g.TextMatrix(2, 1), QString("Esterno"));
        QCOMPARE(g.Row(), 3);
        QTest::keyClicks(&g, "i");  // a letter opens the list on the item it starts
        QCOMPARE(f.List()->List()->currentItem()->text(), QString("Interno"));
        QTest::keyClick(&g, Qt::Key_Tab);
        QCOMPARE(g.TextMatrix(3, 1), QString(""));
        QTest::keyClick(&g, Qt::Key_Backtab);
        QTest::keyClicks(&g, "e");
        QTest::keyClick(&g, Qt::Key_Return);
        QCOMPARE(g.TextMatrix(3, 1), QString("Esterno"));
        // Up to the empty item, which can be chosen too (the last row: Enter stays).
        QCOMPARE(g.Row(), 3);
        f.Keys({Qt::Key_F2, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
        QCOMPARE(g.TextMatrix(3, 1), QString(""));

        // Other columns take free text.
        f.Click(3, 2);
        QTest::keyClicks(&g, "4");
        QVERIFY(qobject_cast<QLineEdit *>(f.Editor()));
        QTest::keyClick(&g, Qt::Key_Tab);
        QCOMPARE(g.TextMatrix(3, 2), QString("4"));
    }

    // Closed by a click outside it, the list keeps the cell's value and
    // gives the focus back to the grid.
    void aListClosedWithoutAChoiceKeepsTheValue()
    {
        Fixture f(3, kRisorse);
        EditableGrid &g = *f.grid;
        g.SetFixedCols(1);
        g.SetTextMatrix(1, 1, "Esterno");
        f.DoubleClick(1, 1);
        QListWidget *list = f.List()->List();
        QTest::keyClick(list, Qt::Key_Up);  // pressed in the open list
        // A press elsewhere, as it comes to an open popup.
        QTest::mousePress(list, Qt::LeftButton, {}, list->mapFromGlobal(g.viewport()->mapToGlobal(f.Center(2, 3))));
        QVERIFY(!list->isVisible());
        QTRY_VERIFY(!g.Editing());
        QCOMPARE(g.TextMatrix(1, 1), QString("Esterno"));
        // (The offscreen platform deactivates the window as a popup closes:
        // the grid is the focus the window gets back.)
        QCOMPARE(f.window.focusWidget(), &g);
        QCOMPARE(f.Take(), QStringList({"before 1,1"}));
        // Enter pressed in the open list chooses as Enter on the grid does.
        f.DoubleClick(1, 1);
        list = f.List()->List();
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(g.TextMatrix(1, 1), QString("Interno"));
        QCOMPARE(f.window.focusWidget(), &g);

        // With no room below the cell on the screen, the list opens above it.
        const QRect schermo = f.window.screen()->availableGeometry();
        const QRect cella = g.CellRect(1, 1);
        f.window.move(f.window.x(), f.window.y() + schermo.bottom() - g.viewport()->mapToGlobal(cella.bottomLeft()).y()
                                        - 10);
        Settle();
        f.DoubleClick(1, 1);
        QCOMPARE(f.List()->List()->geometry().bottom() + 1, g.viewport()->mapToGlobal(cella.topLeft()).y());
        QTest::keyClick(&g, Qt::Key_Escape);
    }

    // An open editor is committed before any read or write from code, so a
    // store sees what was typed.
    void openEditorIsCommittedBeforeAnyRead()
    {
        Fixture f(3, kAllegati);
        EditableGrid &g = *f.grid;
        f.Click(1, 0);
        QTest::keyClicks(&g, "2,5");
        f.Take();
        QCOMPARE(SommaColonna(g, 0), 3.0);  // the read sees the typed text
        QCOMPARE(f.Take(), QStringList({"after 1,0"}));
        QVERIFY(!g.Editing());

        for (const auto &read : std::initializer_list<std::function<void()>>{
                 [&] { g.Rows(); }, [&] { g.Row(); }, [&] { g.Text(); }, [&] { g.CommitEdit(); }}) {
            QTest::keyClick(&g, Qt::Key_F2);
            QVERIFY(g.Editing());
            read();
            QVERIFY(!g.Editing());
            QCOMPARE(f.Take(), QStringList({"before 1,0", "after 1,0"}));
        }
        // A write from code commits too, then writes over it.
        QTest::keyClicks(&g, "8");
        g.SetTextMatrix(1, 0, "9");
        QCOMPARE(f.Take(), QStringList({"before 1,0", "after 1,0"}));
        QCOMPARE(g.TextMatrix(1, 0), QString("9"));
        g.CommitEdit();  // nothing open: nothing happens
        QVERIFY(f.Take().isEmpty());
    }

    // The label column shows its labels, takes no edit and is skipped by the
    // keys; the cells beside it show their text.
    void fixedLabelColumnIsNotEditable()
    {
        Fixture f(4, kRisorse);
        EditableGrid &g = *f.grid;
        g.SetFixedCols(1);
        QCOMPARE(g.Col(), 1);
        g.SetRow(2);
        g.SetCol(0);
        g.SetText("Elaborazione dispense");
        // Cells beside the labels show their text too.
        g.SetTextMatrix(3, 4, "1.000");
        QVERIFY(Shows(g, 3, 4));
        QVERIFY(!Shows(g, 3, 3));
        f.Click(1, 2);
        f.Click(2, 0);
        f.DoubleClick(3, 0);
        QCOMPARE(g.Row(), 1);
        QCOMPARE(g.Col(), 2);
        // Left twice stops before the label column, as Home does; Backtab goes
        // back to the previous row's last cell.
        f.Keys({Qt::Key_Left, Qt::Key_Left, Qt::Key_Home, Qt::Key_Down, Qt::Key_Backtab});
        QCOMPARE(f.Take(), QStringList({"move 1,2", "move 1,1", "move 2,1", "move 1,5"}));
        g.SetRow(2);
        g.SetCol(0);
        QTest::keyClicks(&g, "x");
        QTest::keyClick(&g, Qt::Key_F2);
        QVERIFY(!g.Editing());
        QCOMPARE(g.TextMatrix(2, 0), QString("Elaborazione dispense"));
        QVERIFY(f.Take().isEmpty());
    }

    // Tab leaves the grid from its last cell, or from the last cell of an
    // empty row with only empty rows below (a grid that grows as its last row
    // is entered); Shift+Tab leaves from the first cell; Ctrl+Tab and
    // Ctrl+Shift+Tab from any. An open editor is committed first.
    void tabLeavesTheGridAtItsEnds_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("filled");   // a row with a number, 0: none
        QTest::addColumn<QPoint>("cell");  // column, row
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focus");  // "before", "after" or the current cell "row,col"
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Tab") << 3 << 2 << QPoint(1, 1) << "" << int(Qt::Key_Tab) << none << "2,0";
        QTest::newRow("Tab, last cell") << 3 << 0 << QPoint(1, 2) << "" << int(Qt::Key_Tab) << none << "after";
        QTest::newRow("Tab, last cell edited") << 3 << 0 << QPoint(1, 2) << "7" << int(Qt::Key_Tab) << none << "after";
        QTest::newRow("Tab, empty rows below") << 4 << 1 << QPoint(1, 2) << "" << int(Qt::Key_Tab) << none << "after";
        QTest::newRow("Tab, a row filled below") << 4 << 3 << QPoint(1, 2) << "" << int(Qt::Key_Tab) << none << "3,0";
        QTest::newRow("Shift+Tab") << 3 << 0 << QPoint(0, 2) << "" << int(Qt::Key_Backtab) << shift << "1,1";
        QTest::newRow("Shift+Tab, first cell")
            << 3 << 0 << QPoint(0, 1) << "" << int(Qt::Key_Backtab) << shift << "before";
        QTest::newRow("Ctrl+Tab") << 3 << 0 << QPoint(0, 1) << "" << int(Qt::Key_Tab) << ctrl << "after";
        QTest::newRow("Ctrl+Tab, edited") << 3 << 0 << QPoint(0, 1) << "5" << int(Qt::Key_Tab) << ctrl << "after";
        QTest::newRow("Ctrl+Shift+Tab") << 3 << 0 << QPoint(1, 2) << "" << int(Qt::Key_Backtab) << ctrl + shift
                                        << "before";
    }

    void tabLeavesTheGridAtItsEnds()
    {
        QFETCH(int, rows);
        QFETCH(int, filled);
        QFETCH(QPoint, cell);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focus);
        Fixture f(rows, kAllegati);
        EditableGrid &g = *f.grid;
        if (filled > 0)
            g.SetTextMatrix(filled, 0, "1");
        auto *before = new QLineEdit(&f.window);
        auto *after = new QLineEdit(&f.window);
        QWidget::setTabOrder(before, &g);
        QWidget::setTabOrder(&g, after);
        before->show();
        after->show();
        f.Click(cell.y(), cell.x());
        QTest::keyClicks(&g, typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QWidget *now = QApplication::focusWidget();
        QCOMPARE(now == before ? "before" : now == after ? "after" : QString("%1,%2").arg(g.Row()).arg(g.Col()), focus);
        QVERIFY(!g.Editing());
        if (!typed.isEmpty())
            QCOMPARE(g.TextMatrix(cell.y(), cell.x()), typed);
    }

    // The attachments grid adds a row whenever the current cell reaches its
    // last row; a fill moving the current cell from code must not.
    void codeMovesDoNotGrowTheAttachmentsGrid()
    {
        Fixture f(2, kAllegati);
        EditableGrid &g = *f.grid;
        QObject::connect(&g, &EditableGrid::RowColChange, [&g] {
            if (g.Row() == g.Rows() - 1)
                g.SetRows(g.Rows() + 1);
        });
        g.SetRows(2);
        g.SetRow(1);
        for (int n = 1; n <= 3; ++n) {
            g.SetCol(0);
            g.SetText(QString::number(n));
            g.SetCol(1);
            g.SetText(QString("Allegato %1").arg(n));
            g.SetRows(g.Rows() + 1);
            g.SetRow(g.Row() + 1);
        }
        QCOMPARE(g.Rows(), 5);  // three rows and one empty row
        f.Take();
        f.Click(4, 0);  // the user reaching the last row gets a new one
        QCOMPARE(g.Rows(), 6);
        QCOMPARE(f.Take(), QStringList({"move 4,0"}));
    }
};

QTEST_MAIN(TestEditableGrid)
#include "tst_editable_grid.moc"
