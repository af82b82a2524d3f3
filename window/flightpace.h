// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pacedpump.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;

// The pace flights are drawn at, chosen in a Pace submenu of the plot's
// menu: As Fast as Possible (as the window starts), Real Time or Slow
// Motion. A running flight takes a new pace from its next segment.
class FlightPace : public QObject
{
    Q_OBJECT

public:
    explicit FlightPace(QMenu *plotMenu);

    runtime::Pace pace() const { return pace_; }
    void setPace(runtime::Pace pace);

private:
    runtime::Pace pace_ = runtime::Pace::AsFastAsPossible;
    std::array<QAction *, 3> choices_{};
};
