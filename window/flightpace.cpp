// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightpace.h"

#include <QActionGroup>
#include <QMenu>

using runtime::Pace;

namespace {
constexpr std::array paces{Pace::AsFastAsPossible, Pace::RealTime, Pace::SlowMotion};
}

FlightPace::FlightPace(QMenu *plotMenu) : QObject(plotMenu)
{
    QMenu *menu = plotMenu->addMenu(QStringLiteral("Pace"));
    auto *group = new QActionGroup(menu);
    const std::array<QString, 3> names{QStringLiteral("As Fast as Possible"),
                                       QStringLiteral("Real Time"), QStringLiteral("Slow Motion")};
    for (std::size_t i = 0; i < paces.size(); ++i) {
        choices_[i] = group->addAction(names[i]);
        choices_[i]->setCheckable(true);
        connect(choices_[i], &QAction::triggered, this, [this, i] { pace_ = paces[i]; });
    }
    menu->addActions(group->actions());
    setPace(pace_);
}

void FlightPace::setPace(Pace pace)
{
    pace_ = pace;
    choices_[std::size_t(pace)]->setChecked(true);
}
