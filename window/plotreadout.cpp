// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "plotreadout.h"

#include "drawnpoints.h"
#include "flightreadout.h"
#include "picturebox.h"
#include "twips.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// How near a drawn point the pointer must rest to read it.
constexpr int pointReachPixels = 4;

} // namespace

PlotReadout::PlotReadout(runtime::PictureBox *plot, const DrawnPoints *drawnPoints)
    : QObject(plot), plot_(plot), drawnPoints_(drawnPoints)
{
    // Moves reach the plot alone, and only while the pointer is over it.
    plot->setMouseTracking(true);
    plot->installEventFilter(this);
}

void PlotReadout::tellFlight(const std::string &whatItDid)
{
    const QString description = QString::fromStdString(whatItDid);
    if (plot_->accessibleDescription() == description) {
        // The same figures again: still news to a screen reader.
        QAccessibleEvent changed(plot_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    // A screen reader hears of a new description; a new tooltip it would miss.
    plot_->setAccessibleDescription(description);
}

bool PlotReadout::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showTip(help->pos(), help->globalPos());
        return true;
    }
    // Once shown, the tip follows every move, not only the pointer's rests.
    if (event->type() == QEvent::MouseMove && QToolTip::isVisible()) {
        const auto *move = static_cast<QMouseEvent *>(event);
        showTip(move->position().toPoint(), move->globalPosition().toPoint());
    }
    return false;
}

void PlotReadout::showTip(QPoint pointer, QPoint globalPointer)
{
    QString tip = QString::fromStdString(pointerReading(pointer));
    if (!plot_->accessibleDescription().isEmpty())
        tip += '\n' + plot_->accessibleDescription();
    QToolTip::showText(globalPointer, tip, plot_);
}

// The drawn point nearest the pointer, or else where the pointer is.
std::string PlotReadout::pointerReading(QPoint pointer) const
{
    const FlightPoint metres{runtime::twipsFromPixels(pointer.x()),
                             plot_->Height() - runtime::twipsFromPixels(pointer.y())};
    const auto found =
        drawnPoints_->nearest(metres.x, metres.y, runtime::twipsFromPixels(pointReachPixels));
    if (!found)
        return describePoint(metres);
    return describeDrawnPoint(found->point.t, {found->point.x, found->point.y}) + '\n' +
           describeFlightRecord(found->flight);
}
