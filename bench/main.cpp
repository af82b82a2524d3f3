// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// The real window, driven as a person would, beside a bare Qt loop (Google
// Benchmark's options); or with "--host", the process whose start-up and
// idling are timed.

#include "applicationsetup.h"
#include "barecanvas.h"
#include "eventpump.h"
#include "frmmain.h"
#include "pacedpump.h"
#include "picturebox.h"
#include "processusage.h"
#include "screenwatch.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <benchmark/benchmark.h>
#ifdef _WIN32
#define CALLGRIND_ZERO_STATS static_cast<void>(0)
#define CALLGRIND_TOGGLE_COLLECT static_cast<void>(0)
#define CALLGRIND_DUMP_STATS_AT(name) static_cast<void>(name)
#else
#include <valgrind/callgrind.h>
#endif

using benchmark::Counter;
using benchmark::State;
using Seconds = std::chrono::duration<double>;

namespace {

QWidget *window = nullptr;    // the program's window
BareCanvas *canvas = nullptr; // the bare loop, beside it
const char *const still = "cmdLaunchWithoutWind", *const wind = "cmdLaunchWithWind";

QWidget *control(const char *name)
{
    return window->findChild<QWidget *>(QLatin1String(name));
}

// As a person does: select the field's text and type over it.
void enter(const char *field, const QString &text)
{
    control(field)->setFocus();
    QTest::keyClick(control(field), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(control(field), text);
}

void click(const char *button)
{
    QTest::mouseClick(window->findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
}

void aim(double velocity, double angle)
{
    enter("txtLaunchVelocity", QString::number(velocity));
    enter("txtLaunchAngle", QString::number(angle));
}

// A flight, clicked on the window's launch button given.
void launch(const char *button, const BareCanvas::EachSegment &eachSegment = {})
{
    auto *plot = static_cast<runtime::PictureBox *>(control("picGraph"));
    const QMetaObject::Connection noting =
        eachSegment ? QObject::connect(plot, &runtime::PictureBox::lineDrawn, eachSegment)
                    : QMetaObject::Connection();
    click(button);
    QObject::disconnect(noting);
}

// A flight at 45°, timed (and under callgrind counted) from its first segment
// to its last, since the click that starts it is no segment's work; a segment
// of its last tenth against one of its first; the resident memory it gains.
void flight(State &state, const char *button, double velocity, const char *name)
{
    aim(velocity, 45);
    const auto fly = [&](const BareCanvas::EachSegment &eachSegment) {
        button ? launch(button, eachSegment) : canvas->fly(velocity, 45, eachSegment);
    };
    std::vector<Clock::time_point> at; // its memory is touched before any is measured
    fly([&](const QLineF &) { at.push_back(Clock::now()); });
    const std::size_t count = at.size(), tenth = count / 10;
    double tenths = 0, growth = 0;
    CALLGRIND_ZERO_STATS;
    for (auto _ : state) {
        const double before = residentKiB();
        at.clear();
        fly([&](const QLineF &) {
            if (at.empty() || at.size() == count - 1)
                CALLGRIND_TOGGLE_COLLECT;
            at.push_back(Clock::now());
        });
        growth += residentKiB() - before;
        state.SetIterationTime(Seconds(at.back() - at.front()).count());
        tenths += Seconds(at.back() - at.end()[-1 - tenth]) / Seconds(at[tenth] - at.front());
    }
    CALLGRIND_DUMP_STATS_AT(name);
    state.counters["segments"] = double(count - 1);
    state.counters["tenths"] = Counter(tenths, Counter::kAvgIterations);
    state.counters["rss_growth_kib"] = Counter(growth, Counter::kAvgIterations);
}

// A flight at 45° without wind drawn in real time: from the click to its
// landing (its last segment), against the time that segment falls due, and
// the CPU the whole process used meanwhile, in ms per second of wall time.
void realTime(State &state, double velocity)
{
    auto *program = static_cast<frmMain *>(window);
    aim(velocity, 45);
    program->setPace(runtime::Pace::RealTime);
    std::size_t segments = 0;
    Clock::time_point landed;
    double cpuAtLanding = 0, cpuPerSecond = 0, due = 0;
    for (auto _ : state) {
        segments = 0;
        const double cpuBefore = cpuMilliseconds();
        const Clock::time_point clicked = Clock::now();
        launch(still, [&](const QLineF &) {
            ++segments;
            landed = Clock::now();
            cpuAtLanding = cpuMilliseconds();
        });
        const double wall = Seconds(landed - clicked).count();
        state.SetIterationTime(wall);
        cpuPerSecond += (cpuAtLanding - cpuBefore) / wall;
        // The first segment is drawn at once, each other one an interval later.
        due += double(segments - 1) *
               double(runtime::segmentInterval(runtime::Pace::RealTime).count());
    }
    program->setPace(runtime::Pace::AsFastAsPossible);
    state.counters["segments"] = double(segments);
    state.counters["due_ms"] = Counter(due, Counter::kAvgIterations);
    state.counters["cpu_ms_per_s"] = Counter(cpuPerSecond, Counter::kAvgIterations);
}

// Acts from inside the event loop, where a person's input arrives, and runs
// the loop until the part of the widget that the act arms is on screen: the
// time from the moment the act notes.
template <typename Act> void timeToScreen(State &state, QWidget *widget, Act act)
{
    QTest::qWait(20);
    ScreenWatch watch(widget);
    Clock::time_point from;
    QTimer::singleShot(0, [&] { act(watch, from); });
    if (const auto shown = watch.run())
        state.SetIterationTime(Seconds(*shown - from).count());
    else
        state.SkipWithError("never on screen");
}

// A click until the last segment of a flight (300 m/s at 70°, 576 segments,
// all on the plot) is on screen, or with clear, until the white that "Clear
// Plot" puts over it is.
void clickToScreen(State &state, bool clear)
{
    aim(300, 70);
    QWidget *plot = control("picGraph");
    QLineF last; // twips
    const auto note = [&](const QLineF &twips) { last = twips; };
    for (auto _ : state) {
        clear ? launch(still, note) : click("cmdClearPlot");
        timeToScreen(state, plot, [&](ScreenWatch &watch, Clock::time_point &clicked) {
            clicked = Clock::now();
            clear ? click("cmdClearPlot") : launch(still, note);
            const QLineF pixels(last.p1() / runtime::twipsPerPixel,
                                last.p2() / runtime::twipsPerPixel);
            watch.arm(QRectF(pixels.p1(), pixels.p2()).normalized().toAlignedRect() & plot->rect());
        });
    }
    if (!ScreenWatch::onScreen(plot, plot->rect()))
        state.SkipWithError("the plot is not all on screen");
}

// A key released in the wind angle field while a long flight is running.
void needleToScreen(State &state)
{
    aim(20000, 45);
    QWidget *needle = control("picWindAngle");
    for (int turn = 0; auto _ : state) {
        const QString typed = QString::number(45 * (++turn % 7 + 1));
        timeToScreen(state, needle, [&](ScreenWatch &watch, Clock::time_point &at) {
            QTimer::singleShot(10, [&] {
                enter("txtWindAngle", typed.chopped(1));
                QTest::keyPress(control("txtWindAngle"), typed.back().toLatin1());
                at = Clock::now();
                QTest::keyRelease(control("txtWindAngle"), typed.back().toLatin1());
                watch.arm(needle->rect());
            });
            launch(still);
        });
    }
    enter("txtWindAngle", QStringLiteral("180"));
}

// From starting a host to its window on screen and its resident memory
// then, or with idle, the CPU it uses idling after a flight.
void host(State &state, const char *kind, bool idle)
{
    double reported = 0;
    for (auto _ : state) {
        QProcess host;
        const Clock::time_point started = Clock::now();
        host.start(QCoreApplication::applicationFilePath(), {"--host", kind, idle ? "--idle" : ""});
        while (!host.canReadLine() && host.waitForReadyRead(10000)) {
        }
        state.SetIterationTime(Seconds(Clock::now() - started).count());
        if (!host.canReadLine())
            state.SkipWithError("the host did not report");
        reported += host.readLine().toDouble();
        host.waitForFinished();
    }
    state.counters[idle ? "cpu_ms" : "rss_kib"] = Counter(reported, Counter::kAvgIterations);
}

// The program's window, or an empty one of its size, set up alike. Prints its
// resident KiB once it is on screen, or with "--idle", flies a flight (the
// empty one does not), idles three seconds and prints the CPU ms used.
int runHost(int argc, char *argv[])
{
    prepareApplication(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    const bool empty = QCoreApplication::arguments().contains(QStringLiteral("empty"));
    const std::unique_ptr<QWidget> shown(empty ? new QWidget : new frmMain);
    window = shown.get();
    window->setFixedSize(runtime::pixelsFromTwips(7935), runtime::pixelsFromTwips(7335));
    ScreenWatch watch(window);
    watch.arm(window->rect());
    window->show();
    if (!watch.run())
        return 1;
    if (!QCoreApplication::arguments().contains(QStringLiteral("--idle"))) {
        std::printf("%.0f\n", residentKiB());
        std::fflush(stdout);
        return 0;
    }
    if (!empty) {
        aim(300, 70);
        click(still);
    }
    const double before = cpuMilliseconds();
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("%.3f\n", cpuMilliseconds() - before);
    return 0;
}

} // namespace

// A round of events with nothing to do, as a flight runs before each segment.
void round(State &state)
{
    for (auto _ : state)
        runtime::pumpEvents();
}

BENCHMARK(round)->Iterations(20000);
BENCHMARK_CAPTURE(flight, bare, nullptr, 100, "flight/bare")->Iterations(30)->UseManualTime();
BENCHMARK_CAPTURE(flight, still, still, 100, "flight/still")->Iterations(30)->UseManualTime();
BENCHMARK_CAPTURE(flight, wind, wind, 100, "flight/wind")->Iterations(30)->UseManualTime();
BENCHMARK_CAPTURE(flight, long_bare, nullptr, 20000, "flight/long_bare")->Iterations(3);
BENCHMARK_CAPTURE(flight, long_still, still, 20000, "flight/long_still")->Iterations(3);
// About 15 s a flight, hence once; "drop" (velocity 0, 6 segments) is the short one.
BENCHMARK_CAPTURE(realTime, flight, 100)->Iterations(1)->Repetitions(1)->UseManualTime();
BENCHMARK_CAPTURE(realTime, drop, 0)->Iterations(1)->Repetitions(1)->UseManualTime();
BENCHMARK_CAPTURE(clickToScreen, flight, false)->Iterations(1)->Repetitions(25)->UseManualTime();
BENCHMARK_CAPTURE(clickToScreen, clear, true)->Iterations(1)->Repetitions(25)->UseManualTime();
BENCHMARK(needleToScreen)->Iterations(1)->Repetitions(25)->UseManualTime();
BENCHMARK_CAPTURE(host, empty, "empty", false)->Iterations(1)->Repetitions(11)->UseManualTime();
BENCHMARK_CAPTURE(host, window, "window", false)->Iterations(1)->Repetitions(11)->UseManualTime();
BENCHMARK_CAPTURE(host, empty_idle, "empty", true)->Iterations(1)->Repetitions(1);
BENCHMARK_CAPTURE(host, window_idle, "window", true)->Iterations(1)->Repetitions(1);

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--host") == 0)
        return runHost(argc, argv);
    benchmark::Initialize(&argc, argv);
    prepareApplication(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    benchmark::AddCustomContext("event_dispatcher",
                                QAbstractEventDispatcher::instance()->metaObject()->className());
    frmMain program;
    window = &program;
    BareCanvas bare(control("picGraph")->size());
    canvas = &bare;
    program.show();
    bare.move(program.frameGeometry().right() + 20, 0);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&program) || !QTest::qWaitForWindowExposed(&bare))
        return 1;
    enter("txtWindVelocity", QStringLiteral("20"));
    enter("txtWindAngle", QStringLiteral("180"));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
