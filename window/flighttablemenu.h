// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>

class FlightLogModel;
class FlightTable;
class QMenu;
class QWidget;

// Flight Table… in the plot's menu, and Ctrl+T from anywhere in the window:
// opens the one flight table, made when it is first asked for.
class FlightTableMenu : public QObject
{
    Q_OBJECT

public:
    FlightTableMenu(QWidget *plot, FlightLogModel *log, QMenu *plotMenu);

private:
    void open();

    QWidget *plot_;
    FlightLogModel *log_;
    QPointer<FlightTable> table_;
};
