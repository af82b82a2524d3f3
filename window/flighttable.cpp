// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flighttable.h"

#include "errorhandling.h"
#include "flightdatafile.h"
#include "flightlogmodel.h"
#include "flightpointsmodel.h"
#include "labsheet.h"
#include "tablecopy.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

namespace {

QTableView *newView(QBoxLayout *layout, const QString &name, const QString &title,
                    QAbstractItemModel *model)
{
    auto *label = new QLabel(title);
    auto *view = new QTableView;
    view->setObjectName(name);
    label->setBuddy(view);
    view->setAccessibleName(QString(title).remove('&'));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table; the arrows go from cell to cell.
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    // Rows of one height, so that a million of them cost no more than ten.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    offerCopy(view);
    layout->addWidget(label);
    layout->addWidget(view);
    return view;
}

} // namespace

FlightTable::FlightTable(FlightLogModel *log, QWidget *plot)
    : QWidget(plot->window(), Qt::Window), log_(log), points_(new FlightPointsModel(this)),
      plot_(plot)
{
    setWindowTitle(QStringLiteral("Flight Table"));
    auto *layout = new QVBoxLayout(this);
    flightsView_ = newView(layout, "tblFlights", QStringLiteral("&Flights"), log_);
    flightsView_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QTableView *pointsView =
        newView(layout, "tblPoints", QStringLiteral("&Points of the selected flight"), points_);
    pointsView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->setStretch(1, 2);
    layout->setStretch(3, 3);
    addButtons(layout);
    connect(flightsView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FlightTable::showSelectedFlight);
    connect(log_, &QAbstractItemModel::dataChanged, this, &FlightTable::followLog);
    connect(log_, &QAbstractItemModel::modelReset, points_, &FlightPointsModel::showNone);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    parentWidget()->installEventFilter(this);
    resize(760, 520);
}

// The keyboard goes back to the main window, as where no window manager gives it.
void FlightTable::closeEvent(QCloseEvent *event)
{
    parentWidget()->activateWindow();
    QWidget::closeEvent(event);
}

// It goes with the main window, which may close deep in a flight.
bool FlightTable::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Hide)
        close();
    return false;
}

void FlightTable::addButtons(QBoxLayout *layout)
{
    auto *buttons = new QHBoxLayout;
    const auto add = [&](const QString &name, const QString &caption,
                         void (FlightTable::*handler)()) {
        auto *button = new QPushButton(caption);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this,
                [this, handler] { runtime::runHandler([this, handler] { (this->*handler)(); }); });
        buttons->addWidget(button);
    };
    add("cmdSaveFlightData", QStringLiteral("Save Flight Data As…"), &FlightTable::saveFlightData);
    add("cmdSaveLabSheet", QStringLiteral("Save Lab Sheet As…"), &FlightTable::saveLabSheet);
    buttons->addStretch();
    add("cmdClearLog", QStringLiteral("Clear Log"), &FlightTable::clearLog);
    layout->addLayout(buttons);
}

void FlightTable::showSelectedFlight()
{
    const QModelIndex current = flightsView_->currentIndex();
    if (current.isValid())
        points_->show(log_->log().at(std::size_t(current.row())));
    else
        points_->showNone();
}

// The points listed grow with their flight as it ends.
void FlightTable::followLog()
{
    const auto number = points_->flightNumber();
    if (const auto row = number ? log_->log().indexOf(*number) : std::nullopt)
        points_->show(log_->log().at(*row));
}

void FlightTable::saveFlightData()
{
    saveFlightDataFile(this, log_->log());
}

void FlightTable::saveLabSheet()
{
    saveLabSheetFile(this, plot_->grab().toImage(), log_->log());
}

void FlightTable::clearLog()
{
    log_->clear();
}
