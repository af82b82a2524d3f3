// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "labsheet.h"

#include "flightlog.h"
#include "runtimeerror.h"
#include "savedialog.h"
#include "trevaneversion.h"

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr int dotsPerInch = 300;
// The plot is drawn at its size on a screen of 96 logical dots an inch, or smaller.
constexpr double screenDotsPerInch = 96;

QPageSize pageSizeForLocale()
{
    const auto system = QLocale::system().measurementSystem();
    return QPageSize(system == QLocale::MetricSystem ? QPageSize::A4 : QPageSize::Letter);
}

QString number(double value, int decimals)
{
    return QLocale::c().toString(value, 'f', decimals);
}

QString motion(double velocity, double angle)
{
    return QStringLiteral("%1 m/s at %2°")
        .arg(QLocale::c().toString(velocity, 'g', 15), QLocale::c().toString(angle, 'g', 15));
}

QStringList header()
{
    return {"Flight",   "Launch",    "Wind",        "Ended",
            "Segments", "Range (m)", "Highest (m)", "In the air (s)"};
}

// Inputs as read, figures to the centimetre and the hundredth of a second.
QStringList cells(const LoggedFlight &flight)
{
    static const char *const endings[] = {"flying", "landed", "stopped", "failed"};
    const FlightRecord &record = flight.record;
    const auto figure = [&](double FlightFigures::*member) {
        return flight.figures ? number((*flight.figures).*member, 2) : QString();
    };
    QString ended = endings[int(flight.ending)];
    if (flight.ending == FlightEnding::Failed)
        ended += ": " + QString::fromStdString(flight.failure);
    return {QString::number(record.number),
            motion(record.launchVelocity, record.launchAngle),
            record.withWind ? motion(record.windVelocity, record.windAngle) : "none",
            ended,
            QString::number(flight.segments),
            figure(&FlightFigures::range),
            figure(&FlightFigures::highest),
            figure(&FlightFigures::airTime)};
}

// Draws the table's rows from top down, starting pages as they fill.
class SheetTable
{
public:
    SheetTable(QPainter &painter, QPdfWriter &writer, int top)
        : painter_(painter), writer_(writer), y_(top), width_(painter.viewport().width()),
          rowHeight_(painter.fontMetrics().height() * 3 / 2)
    {
        drawRow(header(), true);
    }

    void add(const QStringList &row)
    {
        if (y_ + rowHeight_ > painter_.viewport().height()) {
            writer_.newPage();
            y_ = 0;
            drawRow(header(), true);
        }
        drawRow(row, false);
    }

private:
    void drawRow(const QStringList &row, bool bold)
    {
        // Columns in proportion to what they hold: inputs wide, counts narrow.
        static const int shares[] = {6, 16, 16, 12, 9, 10, 10, 11};
        QFont font = painter_.font();
        font.setBold(bold);
        painter_.setFont(font);
        int x = 0;
        for (int i = 0; i < row.size(); ++i) {
            const int w = width_ * shares[i] / 90;
            painter_.drawText(QRect(x, y_, w, rowHeight_), Qt::AlignLeft | Qt::AlignVCenter,
                              row[i]);
            x += w;
        }
        if (bold)
            painter_.drawLine(0, y_ + rowHeight_, width_, y_ + rowHeight_);
        y_ += rowHeight_;
    }

    QPainter &painter_;
    QPdfWriter &writer_;
    int y_;
    int width_;
    int rowHeight_;
};

void drawSheet(QPdfWriter &writer, const QImage &plot, const FlightLog &log)
{
    QPainter painter(&writer);
    // The plot's lines as drawn, not blurred by JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const int width = painter.viewport().width();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(14);
    painter.setFont(font);
    const QString title =
        QStringLiteral("Projectile flights, %1 — Trevane " TREVANE_VERSION)
            .arg(QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat));
    const int titleHeight = painter.fontMetrics().height() * 2;
    painter.drawText(QRect(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignTop, title);
    const QSizeF inches = plot.deviceIndependentSize() / screenDotsPerInch;
    QSizeF size = inches * dotsPerInch;
    if (size.width() > width)
        size.scale(width, size.height(), Qt::KeepAspectRatio);
    const QRectF plotArea(QPointF(0, titleHeight), size);
    painter.drawImage(plotArea, plot);
    painter.drawRect(plotArea);
    font.setPointSize(8);
    painter.setFont(font);
    SheetTable table(painter, writer, int(plotArea.bottom()) + titleHeight);
    for (std::size_t i = 0; i < log.size(); ++i)
        table.add(cells(log.at(i)));
}

} // namespace

void saveLabSheetFile(QWidget *window, const QImage &plot, const FlightLog &log)
{
    const SaveChoice choice =
        askWhereToSave(window, QStringLiteral("Save Lab Sheet As"), QStringLiteral("lab-sheet.pdf"),
                       QStandardPaths::DocumentsLocation, {QStringLiteral("PDF document (*.pdf)")});
    if (choice.path.isEmpty())
        return;
    refuseToReplaceSpecialFile(choice.path);
    QSaveFile file(choice.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw cannotSave(choice.path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(dotsPerInch);
        writer.setPageSize(pageSizeForLocale());
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Projectile flights"));
        writer.setCreator(QStringLiteral("Trevane " TREVANE_VERSION));
        drawSheet(writer, plot, log);
    }
    commitSave(file, choice.path);
}
