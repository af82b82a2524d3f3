// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightdatafile.h"

#include "eventpump.h"
#include "flightdatarows.h"
#include "runtimeerror.h"
#include "savedialog.h"

#include <QProgressDialog>
#include <QSaveFile>

namespace {

const QString pointsFilter = QStringLiteral("Points of every flight, CSV (*.csv)");
const QString flightsFilter = QStringLiteral("Flights table alone, CSV (*.csv)");
constexpr int rowsPerChunk = 8192;
constexpr int progressSteps = 1000;

// The next chunk's lines, or none once all are written.
std::string nextChunk(FlightDataRows &rows)
{
    std::string chunk;
    std::string line;
    for (int n = 0; n < rowsPerChunk && rows.next(line); ++n)
        chunk += line;
    return chunk;
}

// False if the user cancelled or the window closed.
bool writeRows(QSaveFile &file, FlightDataRows rows, QWidget *window)
{
    QProgressDialog progress(QStringLiteral("Saving flight data…"), QStringLiteral("Cancel"), 0,
                             progressSteps, window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::int64_t written = 0;
    for (std::string chunk = nextChunk(rows); !chunk.empty(); chunk = nextChunk(rows)) {
        if (file.write(chunk.data(), qint64(chunk.size())) != qint64(chunk.size()))
            return true; // the commit reports it
        written += rowsPerChunk;
        progress.setValue(int(std::min(written, rows.size()) * progressSteps /
                              std::max<std::int64_t>(rows.size(), 1)));
        runtime::pumpEvents();
        if (progress.wasCanceled() || !window->isVisible())
            return false;
    }
    return true;
}

} // namespace

void saveFlightDataFile(QWidget *window, const FlightLog &log)
{
    const SaveChoice choice =
        askWhereToSave(window, QStringLiteral("Save Flight Data As"), QStringLiteral("flights.csv"),
                       QStandardPaths::DocumentsLocation, {pointsFilter, flightsFilter});
    if (choice.path.isEmpty())
        return;
    const auto kind = choice.filter == flightsFilter ? FlightDataRows::Kind::Flights
                                                     : FlightDataRows::Kind::Points;
    refuseToReplaceSpecialFile(choice.path);
    QSaveFile file(choice.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw cannotSave(choice.path, file.errorString());
    if (!writeRows(file, FlightDataRows(log, kind), window)) {
        file.cancelWriting();
        return;
    }
    commitSave(file, choice.path);
}
