// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class FlightLogModel;
class FlightPointsModel;
class QBoxLayout;
class QTableView;

// The flight table: a window beside the main one with the log, a row a
// flight, and under it the points of the flight selected there; the log's
// files and its Clear Log. It closes with Escape and with the main window.
class FlightTable : public QWidget
{
    Q_OBJECT

public:
    FlightTable(FlightLogModel *log, QWidget *plot);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addButtons(QBoxLayout *layout);
    void showSelectedFlight();
    void followLog();
    void saveFlightData();
    void saveLabSheet();
    void clearLog();

    FlightLogModel *log_;
    FlightPointsModel *points_;
    QWidget *plot_;
    QTableView *flightsView_ = nullptr;
};
