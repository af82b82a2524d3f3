#pragma once

#include "barecanvas.h"
#include "frmmain.h"
#include "paintclock.h"
#include "segmentstamps.h"

#include <QJsonObject>
#include <vector>

namespace runtime {
class PictureBox;
}

namespace bench {

struct Repetitions
{
    int flights = 200; // of each kind, interleaved
    int longFlights = 7;
    int grids = 50;
    int needleBlocks = 20;
    int keysPerBlock = 100;
    int lagFlights = 20;
};

// Drives the real window on the current platform as a person would, by
// clicks and key releases, and times what it draws. Every scenario yields
// one JSON object.
class WindowBench
{
public:
    explicit WindowBench(const Repetitions &repetitions);

    // Every scenario, or only the one named (for a profiler's sake).
    std::vector<QJsonObject> run(const QString &only = {});
    // Flights with callgrind counting each one's segments, dumped per kind.
    std::vector<QJsonObject> countInstructions(int flights);

private:
    void show();
    void enter(const char *field, const QString &text);
    QWidget *control(const char *name) const;
    std::size_t flyOnce(const char *button);
    double timedFlight(const char *button);
    double timedBareFlight();
    QJsonObject describe(const char *scenario) const;

    std::vector<QJsonObject> flights();
    QJsonObject longFlight();
    QJsonObject grid();
    QJsonObject needle();
    QJsonObject responsiveness();
    double screenLagMilliseconds();
    double stopLatencyMicroseconds();

    Repetitions repetitions_;
    frmMain window_;
    BareCanvas canvas_;
    runtime::PictureBox *plot_ = nullptr;
    SegmentStamps stamps_;
    PaintClock *plotPainted_ = nullptr;
};

} // namespace bench
