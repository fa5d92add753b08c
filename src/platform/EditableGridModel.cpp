#include "EditableGridModel.h"

#include <algorithm>

EditableGridModel::EditableGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void EditableGridModel::SetRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows > Rows()) {
        beginInsertRows({}, Rows() - 1, rows - 2);
        cells_.resize(rows);
        endInsertRows();
    } else if (rows < Rows()) {
        beginRemoveRows({}, rows - 1, Rows() - 2);
        cells_.resize(rows);
        endRemoveRows();
    }
}

void EditableGridModel::SetCols(int cols)
{
    cols = std::max(cols, 1);
    if (cols > Cols()) {
        beginInsertColumns({}, Cols(), cols - 1);
        columns_.resize(cols);
        endInsertColumns();
    } else if (cols < Cols()) {
        beginRemoveColumns({}, cols, Cols() - 1);
        columns_.resize(cols);
        for (QStringList &row : cells_)
            if (row.size() > cols)
                row.resize(cols);
        endRemoveColumns();
    }
    fixedCols_ = std::min(fixedCols_, Cols());
}

void EditableGridModel::SetFixedCols(int cols)
{
    cols = std::clamp(cols, 0, Cols());
    if (cols == fixedCols_)
        return;
    fixedCols_ = cols;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, Cols() - 1));
}

QString EditableGridModel::Text(int row, int col) const
{
    // A cell never written reads as the empty text, not as a null string,
    // so that a store writes it as text, as it does a box left empty.
    const QString empty("");
    if (!Inside(row, col))
        return empty;
    const QStringList &cells = cells_.at(row);
    return col < cells.size() && !cells.at(col).isNull() ? cells.at(col) : empty;
}

void EditableGridModel::SetText(int row, int col, const QString &text)
{
    if (!Inside(row, col))
        return;
    QStringList &cells = cells_[row];
    if (col >= cells.size())
        cells.resize(col + 1);
    cells[col] = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex cell = index(row - 1, col);
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    }
}

void EditableGridModel::SetColList(int col, const QString &list)
{
    if (col >= 0 && col < Cols())
        columns_[col].items = list.isEmpty() ? QStringList() : list.split('|');
}

void EditableGridModel::SetColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= Cols())
        return;
    columns_[col].alignment = alignment;
    if (rowCount() > 0)
        emit dataChanged(index(0, col), index(rowCount() - 1, col), {Qt::TextAlignmentRole});
}

int EditableGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Rows() - 1;
}

int EditableGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Cols();
}

QVariant EditableGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return columns_.at(index.column()).alignment.toInt();
    case ListRole:
        return columns_.at(index.column()).items;
    case FixedRole:
        return index.column() < fixedCols_;
    default:
        return QVariant();
    }
}

bool EditableGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    SetText(index.row() + 1, index.column(), value.toString());
    return true;
}

QVariant EditableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Text(0, section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags EditableGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < fixedCols_)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
