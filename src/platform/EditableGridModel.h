#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The cells of an editable grid. Grid rows count from the header row 0,
// whose cells are the column captions and are shown as the view's horizontal
// header; grid row r > 0 is the model's row r - 1. The first FixedCols()
// columns are label columns: shown, never edited or selected.
class EditableGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // A cell's drop-down items (QStringList; empty for a free-text column).
    static constexpr int ListRole = Qt::UserRole;
    // True for a cell of a fixed label column.
    static constexpr int FixedRole = Qt::UserRole + 1;

    explicit EditableGridModel(QObject *parent = nullptr);

    // Counts in grid terms: Rows() includes the header row. Both stay >= 1.
    int Rows() const { return int(cells_.size()); }
    int Cols() const { return int(columns_.size()); }
    void SetRows(int rows);
    void SetCols(int cols);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols);

    // Grid coordinates; outside the grid a read gives "" and a write does nothing.
    QString Text(int row, int col) const;
    void SetText(int row, int col, const QString &text);

    void SetColList(int col, const QString &list);
    void SetColAlignment(int col, Qt::Alignment alignment);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Column
    {
        QStringList items;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    bool Inside(int row, int col) const { return row >= 0 && row < Rows() && col >= 0 && col < Cols(); }

    // A row holds only the cells up to its last written one; the rest read "".
    QList<QStringList> cells_{QStringList()};
    QList<Column> columns_{Column()};
    int fixedCols_ = 0;
};
