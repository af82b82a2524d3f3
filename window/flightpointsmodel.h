// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightlog.h"
#include "flightpoints.h"

#include <QAbstractTableModel>
#include <optional>

// The points one flight of the log drew, a row a segment: t (s), x (m),
// y (m). Rows are computed as a view asks for them and none is kept, so a
// flight of millions of segments lists at once.
class FlightPointsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The flight's points as far as it has drawn them; again for the same
    // flight, those it has drawn since are added.
    void show(const LoggedFlight &flight);
    void showNone();
    std::optional<int> flightNumber() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::optional<FlightRecord> flight_;
    // Reading a point moves the walk along the flight's time.
    mutable std::optional<FlightPoints> points_;
    int rows_ = 0;
};
