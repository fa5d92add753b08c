// The editable grid at 1,000 rows, shown, worked the way the forms work it:
// cell by cell through the current cell (row first, then column):
//  - filling: a row added, then each of its five cells written;
//  - reading every cell back;
//  - the column sum of the total column.
// Run by hand (offscreen): bench_editable_grid [-iterations N]

#include "EditableGrid.h"
#include "Procedure.h"

#include <QLocale>
#include <QtTest>

namespace {

constexpr int kRighe = 1000;

const QList<GridColumn> kColonne = {
    {"Descrizione", 3000}, {"Quantità", 840}, {"Costo", 1000}, {"Mesi", 700}, {"Totale", 1200}};

void Riempi(EditableGrid &grid)
{
    grid.SetRows(2);
    grid.SetRow(1);
    for (int i = 0; i < kRighe; ++i) {
        for (int col = 0; col < grid.Cols(); ++col) {
            grid.SetCol(col);
            grid.SetText(col == 0 ? QString("Voce %1").arg(i) : QString::number(i * 10 + col));
        }
        grid.SetRows(grid.Rows() + 1);
        grid.SetRow(grid.Row() + 1);
    }
}

// A shown grid, filled.
std::unique_ptr<EditableGrid> Riempita()
{
    auto grid = std::make_unique<EditableGrid>(2, kColonne);
    grid->resize(600, 400);
    grid->show();
    Riempi(*grid);
    return grid;
}

}  // namespace

class BenchEditableGrid : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void fill()
    {
        EditableGrid grid(2, kColonne);
        grid.resize(600, 400);
        grid.show();
        QBENCHMARK {
            Riempi(grid);
        }
        QCOMPARE(grid.Rows(), kRighe + 2);
    }

    void readBack()
    {
        const auto riempita = Riempita();
        EditableGrid &grid = *riempita;
        qsizetype length = 0;
        QBENCHMARK {
            for (int row = 1; row < grid.Rows(); ++row) {
                grid.SetRow(row);
                for (int col = 0; col < grid.Cols(); ++col) {
                    grid.SetCol(col);
                    length += grid.Text().size();
                }
            }
        }
        QVERIFY(length > 0);
    }

    void columnSum()
    {
        const auto grid = Riempita();
        double sum = 0;
        QBENCHMARK {
            sum = SommaColonna(*grid, 4);
        }
        QCOMPARE(sum, double(kRighe) * (kRighe - 1) / 2 * 10 + 4.0 * kRighe);
    }
};

QTEST_MAIN(BenchEditableGrid)
#include "bench_editable_grid.moc"
