// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightlogmodel.h"

#include "flightcolumns.h"
#include "tablecells.h"

FlightRecord FlightLogModel::start(bool withWind, double launchVelocity, double launchAngle,
                                   double windVelocity, double windAngle)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    const FlightRecord record =
        log_.start(withWind, launchVelocity, launchAngle, windVelocity, windAngle);
    endInsertRows();
    return record;
}

void FlightLogModel::end(int number, FlightEnding ending, const std::string &failure)
{
    log_.end(number, ending, failure);
    if (const auto row = log_.indexOf(number))
        emit dataChanged(index(int(*row), 0), index(int(*row), columnCount() - 1));
}

void FlightLogModel::clear()
{
    beginResetModel();
    log_.clear();
    endResetModel();
}

int FlightLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(log_.size());
}

int FlightLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(flightHeader().size());
}

QVariant FlightLogModel::data(const QModelIndex &index, int role) const
{
    if (!isCellRole(role))
        return {};
    const auto cells = flightCells(log_.at(std::size_t(index.row())));
    return cellData(flightHeader(), cells, index.column(), role);
}

QVariant FlightLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QString::fromStdString(flightHeader().at(std::size_t(section)));
    return QAbstractTableModel::headerData(section, orientation, role);
}
