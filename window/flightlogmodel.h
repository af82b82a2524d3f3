// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightlog.h"

#include <QAbstractTableModel>

// The flight log as a table of a row a flight, for the flight table; it
// tells its views as flights start and end. A screen reader hears each cell
// with its column's name ("Range (m): 1020.3873170901915").
class FlightLogModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    FlightRecord start(bool withWind, double launchVelocity, double launchAngle,
                       double windVelocity, double windAngle);
    void drewSegment(int number) { log_.drewSegment(number); }
    void end(int number, FlightEnding ending, const std::string &failure = {});
    void clear();
    const FlightLog &log() const { return log_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    FlightLog log_;
};
