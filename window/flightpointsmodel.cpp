// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightpointsmodel.h"

#include "flightcolumns.h"
#include "tablecells.h"

#include <limits>

namespace {

// A view's rows are counted in int.
int rowsFor(const LoggedFlight &flight)
{
    return int(std::min<std::int64_t>(flight.segments, std::numeric_limits<int>::max()));
}

} // namespace

void FlightPointsModel::show(const LoggedFlight &flight)
{
    const int rows = rowsFor(flight);
    if (flight_ && flight_->number == flight.record.number) {
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        }
        return;
    }
    beginResetModel();
    flight_ = flight.record;
    points_.emplace(flight.record);
    rows_ = rows;
    endResetModel();
}

void FlightPointsModel::showNone()
{
    beginResetModel();
    flight_.reset();
    points_.reset();
    rows_ = 0;
    endResetModel();
}

std::optional<int> FlightPointsModel::flightNumber() const
{
    return flight_ ? std::optional(flight_->number) : std::nullopt;
}

int FlightPointsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int FlightPointsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(pointHeader().size());
}

QVariant FlightPointsModel::data(const QModelIndex &index, int role) const
{
    if (!isCellRole(role))
        return {};
    return cellData(pointHeader(), pointCells(points_->at(index.row())), index.column(), role);
}

QVariant FlightPointsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QString::fromStdString(pointHeader().at(std::size_t(section)));
    return QAbstractTableModel::headerData(section, orientation, role);
}
