#include "windowbench.h"

#include "instructioncounter.h"
#include "picturebox.h"
#include "processmetrics.h"
#include "statistics.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace bench {

namespace {

constexpr double flightVelocity = 100;
constexpr double flightAngle = 45;
constexpr std::size_t stampCapacity = 40000;

const char *const withoutWind = "cmdLaunchWithoutWind";
const char *const withWind = "cmdLaunchWithWind";

double microsecondsSince(qint64 start)
{
    return double(monotonicNanoseconds() - start) / 1e3;
}

} // namespace

WindowBench::WindowBench(const Repetitions &repetitions)
    : repetitions_(repetitions), canvas_(QSize(7695 / 15, 5415 / 15)), stamps_(stampCapacity)
{
    plot_ = window_.findChild<runtime::PictureBox *>(QStringLiteral("picGraph"));
    QObject::connect(plot_, &runtime::PictureBox::lineDrawn, plot_, [this] { stamps_.record(); });
    plotPainted_ = new PaintClock(plot_);
    show();
    enter("txtLaunchVelocity", QString::number(flightVelocity));
    enter("txtLaunchAngle", QString::number(flightAngle));
    enter("txtWindVelocity", QStringLiteral("20"));
    enter("txtWindAngle", QStringLiteral("180"));
}

void WindowBench::show()
{
    window_.move(0, 0);
    window_.show();
    canvas_.move(window_.frameGeometry().right() + 20, 0);
    canvas_.show();
    if (!QTest::qWaitForWindowExposed(&window_) || !QTest::qWaitForWindowExposed(&canvas_))
        qWarning("the windows were not exposed");
}

QWidget *WindowBench::control(const char *name) const
{
    auto *found = window_.findChild<QWidget *>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// Replaces a field's text as a person would: select all, then type.
void WindowBench::enter(const char *field, const QString &text)
{
    QWidget *edit = control(field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

std::size_t WindowBench::flyOnce(const char *button)
{
    stamps_.clear();
    QTest::mouseClick(control(button), Qt::LeftButton);
    return stamps_.count();
}

double WindowBench::timedFlight(const char *button)
{
    flyOnce(button);
    return stamps_.perSegmentMicroseconds();
}

double WindowBench::timedBareFlight()
{
    stamps_.clear();
    canvas_.fly(flightVelocity, flightAngle, stamps_);
    return stamps_.perSegmentMicroseconds();
}

QJsonObject WindowBench::describe(const char *scenario) const
{
    QJsonObject object{{"scenario", scenario}};
    object["device_pixel_ratio"] = window_.devicePixelRatioF();
    if (const QScreen *screen = window_.screen())
        object["refresh_hz"] = screen->refreshRate();
    return object;
}

std::vector<QJsonObject> WindowBench::run(const QString &only)
{
    const auto wanted = [&](const char *scenario) { return only.isEmpty() || only == scenario; };
    std::vector<QJsonObject> results;
    if (wanted("flight"))
        results = flights();
    if (wanted("long_flight"))
        results.push_back(longFlight());
    if (wanted("grid"))
        results.push_back(grid());
    if (wanted("needle"))
        results.push_back(needle());
    if (wanted("responsiveness"))
        results.push_back(responsiveness());
    return results;
}

// Bare loop, flight and flight with wind take turns, so that whatever else
// the machine does weighs on all three alike.
std::vector<QJsonObject> WindowBench::flights()
{
    const std::size_t segments = flyOnce(withoutWind);
    const std::size_t windSegments = flyOnce(withWind);
    timedBareFlight();
    const std::size_t bareSegments = stamps_.count();
    std::vector<double> still, windy, bare;
    for (int i = 0; i < repetitions_.flights; ++i) {
        bare.push_back(timedBareFlight());
        still.push_back(timedFlight(withoutWind));
        windy.push_back(timedFlight(withWind));
    }
    const auto result = [&](const char *scenario, std::size_t count,
                            const std::vector<double> &times) {
        QJsonObject object = describe(scenario);
        object["segments"] = qint64(count);
        object["flights"] = qint64(times.size());
        object["us_per_segment"] = median(times);
        object["us_per_segment_mean"] = mean(times);
        return object;
    };
    QJsonObject wind = result("flight", windSegments, windy);
    wind["wind"] = true;
    QJsonObject noWind = result("flight", segments, still);
    noWind["wind"] = false;
    return {noWind, wind, result("baseline", bareSegments, bare)};
}

// A flight that runs far off the plot: whether a segment late in a long
// flight costs what an early one did, and whether memory stays put.
QJsonObject WindowBench::longFlight()
{
    enter("txtLaunchVelocity", QStringLiteral("20000"));
    const qint64 before = residentKiB();
    std::vector<double> ratios, first, last;
    std::size_t segments = 0;
    for (int i = 0; i < repetitions_.longFlights; ++i) {
        segments = flyOnce(withoutWind);
        const std::size_t tenth = segments / 10;
        first.push_back(stamps_.medianIntervalMicroseconds(0, tenth));
        last.push_back(stamps_.medianIntervalMicroseconds(segments - tenth, segments));
        ratios.push_back(last.back() / first.back());
    }
    const qint64 after = residentKiB();
    enter("txtLaunchVelocity", QString::number(flightVelocity));
    QJsonObject object = describe("long_flight");
    object["segments"] = qint64(segments);
    object["flights"] = repetitions_.longFlights;
    object["first_tenth_us"] = median(first);
    object["last_tenth_us"] = median(last);
    object["ratio"] = median(ratios);
    object["rss_before_kib"] = before;
    object["rss_after_kib"] = after;
    object["rss_growth_kib"] = after - before;
    return object;
}

QJsonObject WindowBench::grid()
{
    QWidget *button = control("cmdDrawPlotLines");
    std::vector<double> times;
    for (int i = 0; i < repetitions_.grids; ++i) {
        const qint64 start = monotonicNanoseconds();
        QTest::mouseClick(button, Qt::LeftButton);
        times.push_back(microsecondsSince(start) / 1e3);
    }
    QTest::mouseClick(control("cmdClearPlot"), Qt::LeftButton);
    QJsonObject object = describe("grid");
    object["grids"] = repetitions_.grids;
    object["ms"] = median(times);
    return object;
}

// Key releases arrive through the event loop, as a person's would.
QJsonObject WindowBench::needle()
{
    QWidget *field = control("txtLaunchAngle");
    field->setFocus();
    std::vector<double> times;
    for (int block = 0; block < repetitions_.needleBlocks; ++block) {
        const qint64 start = monotonicNanoseconds();
        for (int key = 0; key < repetitions_.keysPerBlock; ++key) {
            QCoreApplication::postEvent(
                field, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier));
            QCoreApplication::processEvents();
        }
        times.push_back(microsecondsSince(start) / repetitions_.keysPerBlock);
    }
    QJsonObject object = describe("needle");
    object["key_releases"] = repetitions_.needleBlocks * repetitions_.keysPerBlock;
    object["us_per_key_release"] = median(times);
    return object;
}

// How far the screen lags behind the drawing, and how soon a stop click
// queued during a flight ends it.
QJsonObject WindowBench::responsiveness()
{
    std::vector<double> lags;
    for (int i = 0; i < repetitions_.lagFlights; ++i)
        lags.push_back(screenLagMilliseconds());
    enter("txtLaunchVelocity", QStringLiteral("20000"));
    std::vector<double> stops;
    for (int i = 0; i < repetitions_.longFlights; ++i)
        stops.push_back(stopLatencyMicroseconds());
    enter("txtLaunchVelocity", QString::number(flightVelocity));
    QJsonObject object = describe("responsiveness");
    object["flights"] = repetitions_.lagFlights;
    object["screen_lag_ms"] = median(lags);
    object["screen_lag_ms_max"] = *std::max_element(lags.begin(), lags.end());
    object["stop_us"] = median(stops);
    return object;
}

// From the flight's last segment to the paint that puts it on screen.
double WindowBench::screenLagMilliseconds()
{
    QTest::qWait(20);
    flyOnce(withoutWind);
    const qint64 lastSegment = monotonicNanoseconds();
    const qint64 deadline = lastSegment + qint64(1e9);
    while (plotPainted_->lastPaint() < lastSegment && monotonicNanoseconds() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(plotPainted_->lastPaint() - lastSegment) / 1e6;
}

// A person clicks "Stop Plotting" while the flight is far from over.
double WindowBench::stopLatencyMicroseconds()
{
    QWidget *button = control(withoutWind);
    qint64 clicked = 0;
    QTimer::singleShot(20, button, [button, &clicked] {
        clicked = monotonicNanoseconds();
        const QPointF centre = QRectF(button->rect()).center();
        const QPointF global = button->mapToGlobal(centre);
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, centre,
                                                            global, Qt::LeftButton, Qt::LeftButton,
                                                            Qt::NoModifier));
        QCoreApplication::postEvent(button,
                                    new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    });
    flyOnce(withoutWind);
    return microsecondsSince(clicked);
}

std::vector<QJsonObject> WindowBench::countInstructions(int flights)
{
    std::vector<QJsonObject> results;
    const auto counted = [&](const char *kind, qint64 segments) {
        InstructionCounter::dump(kind);
        results.push_back(QJsonObject{
            {"scenario", "instructions_counted"}, {"kind", kind}, {"segments", segments}});
    };
    const auto count = [&](const char *kind, const auto &fly) {
        fly();
        const std::size_t segments = stamps_.count();
        stamps_.countInstructionsBetween(0, segments - 1);
        for (int i = 0; i < flights; ++i)
            fly();
        stamps_.countInstructionsBetween(0, 0);
        counted(kind, qint64(flights * (segments - 1)));
    };
    count("flight", [&] { flyOnce(withoutWind); });
    count("flight_wind", [&] { flyOnce(withWind); });
    count("baseline", [&] { timedBareFlight(); });

    // The first and the last tenth of one long flight.
    enter("txtLaunchVelocity", QStringLiteral("20000"));
    const std::size_t segments = flyOnce(withoutWind);
    const std::size_t tenth = segments / 10;
    stamps_.countInstructionsBetween(0, tenth);
    flyOnce(withoutWind);
    counted("long_first_tenth", qint64(tenth));
    stamps_.countInstructionsBetween(segments - 1 - tenth, segments - 1);
    flyOnce(withoutWind);
    counted("long_last_tenth", qint64(tenth));
    stamps_.countInstructionsBetween(0, 0);
    enter("txtLaunchVelocity", QString::number(flightVelocity));
    return results;
}

} // namespace bench
