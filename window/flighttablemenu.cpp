// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flighttablemenu.h"

#include "flighttable.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

FlightTableMenu::FlightTableMenu(QWidget *plot, FlightLogModel *log, QMenu *plotMenu)
    : QObject(plot), plot_(plot), log_(log)
{
    auto *action = new QAction(QStringLiteral("Flight Table…"), plot->window());
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(action, &QAction::triggered, this, &FlightTableMenu::open);
    plot->window()->addAction(action);
    plotMenu->addAction(action);
}

// Beside the main window the first time; where the user left it after.
void FlightTableMenu::open()
{
    if (!table_) {
        table_ = new FlightTable(log_, plot_);
        const QWidget *main = plot_->window();
        table_->move(main->frameGeometry().topRight() + QPoint(8, 0));
    }
    table_->show();
    // Once the plot's menu, if it was opened from there, has closed and given
    // the keyboard back to the main window.
    QTimer::singleShot(0, table_, [table = table_] {
        table->raise();
        table->activateWindow();
    });
}
