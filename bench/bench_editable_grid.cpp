// The editable grid at 1,000 rows, shown, worked the way the forms work it:
// cell by cell through the current cell (row first, then column):
//  - filling: a row added, then each of its five cells written;
//  - reading every cell back;
//  - the column sum of the total column;
// each beside the same work on a plain QTableWidget of the same cells.
// Run by hand (offscreen): bench_editable_grid [-iterations N]
// The ratios are printed at the end.

#include "EditableGrid.h"
#include "Misure.h"
#include "Procedure.h"

#include <QLocale>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int kRighe = 1000;

const QList<GridColumn> kColonne = {
    {"Descrizione", 3000}, {"Quantità", 840}, {"Costo", 1000}, {"Mesi", 700}, {"Totale", 1200}};

QString Testo(int riga, int colonna)
{
    return colonna == 0 ? QString("Voce %1").arg(riga) : QString::number(riga * 10 + colonna);
}

void Riempi(EditableGrid &grid)
{
    grid.SetRows(2);
    grid.SetRow(1);
    for (int i = 0; i < kRighe; ++i) {
        for (int col = 0; col < grid.Cols(); ++col) {
            grid.SetCol(col);
            grid.SetText(Testo(i, col));
        }
        grid.SetRows(grid.Rows() + 1);
        grid.SetRow(grid.Row() + 1);
    }
}

// The same cells in a plain table: a row added, then its items set.
void Riempi(QTableWidget &table)
{
    table.setRowCount(0);
    for (int i = 0; i < kRighe; ++i) {
        table.insertRow(i);
        for (int col = 0; col < table.columnCount(); ++col)
            table.setItem(i, col, new QTableWidgetItem(Testo(i, col)));
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

std::unique_ptr<QTableWidget> TabellaRiempita()
{
    auto table = std::make_unique<QTableWidget>(0, int(kColonne.size()));
    table->resize(600, 400);
    table->show();
    Riempi(*table);
    return table;
}

const double kSomma = double(kRighe) * (kRighe - 1) / 2 * 10 + 4.0 * kRighe;

}  // namespace

class BenchEditableGrid : public QObject
{
    Q_OBJECT

private:
    QMap<QString, double> ms_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void fill()
    {
        EditableGrid grid(2, kColonne);
        grid.resize(600, 400);
        grid.show();
        ms_["fill"] = Misura([&] { Riempi(grid); });
        QCOMPARE(grid.Rows(), kRighe + 2);
    }

    void fillPlain()
    {
        QTableWidget table(0, int(kColonne.size()));
        table.resize(600, 400);
        table.show();
        ms_["fill/plain"] = Misura([&] { Riempi(table); });
        QCOMPARE(table.rowCount(), kRighe);
    }

    void readBack()
    {
        const auto riempita = Riempita();
        EditableGrid &grid = *riempita;
        qsizetype length = 0;
        ms_["read"] = Misura([&] {
            for (int row = 1; row < grid.Rows(); ++row) {
                grid.SetRow(row);
                for (int col = 0; col < grid.Cols(); ++col) {
                    grid.SetCol(col);
                    length += grid.Text().size();
                }
            }
        });
        QVERIFY(length > 0);
    }

    void readBackPlain()
    {
        const auto table = TabellaRiempita();
        qsizetype length = 0;
        ms_["read/plain"] = Misura([&] {
            for (int row = 0; row < table->rowCount(); ++row)
                for (int col = 0; col < table->columnCount(); ++col)
                    length += table->item(row, col)->text().size();
        });
        QVERIFY(length > 0);
    }

    void columnSum()
    {
        const auto grid = Riempita();
        double sum = 0;
        ms_["sum"] = Misura([&] { sum = SommaColonna(*grid, 4); });
        QCOMPARE(sum, kSomma);
    }

    void columnSumPlain()
    {
        const auto table = TabellaRiempita();
        double sum = 0;
        ms_["sum/plain"] = Misura([&] {
            sum = 0;
            for (int row = 0; row < table->rowCount(); ++row)
                sum += QLocale().toDouble(table->item(row, 4)->text());
        });
        QCOMPARE(sum, kSomma);
    }

    void cleanupTestCase()
    {
        StampaRapporto("work (1,000 rows of 5 cells)", {{"fill", ms_["fill"], ms_["fill/plain"]},
                                                        {"read every cell back", ms_["read"], ms_["read/plain"]},
                                                        {"sum the total column", ms_["sum"], ms_["sum/plain"]}});
    }
};

QTEST_MAIN(BenchEditableGrid)
#include "bench_editable_grid.moc"
