// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// The real window, driven as a person would, against a bare Qt loop (Google
// Benchmark's options); or with "--host", the process whose start-up and
// idling are timed.

#include "applicationsetup.h"
#include "barecanvas.h"
#include "frmmain.h"
#include "picturebox.h"
#include "screenwatch.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <functional>
#include <unistd.h>
#include <valgrind/callgrind.h>

using benchmark::Counter;
using benchmark::State;

namespace {

enum Kind { Bare, WithoutWind, WithWind };
constexpr double angle = 45;
constexpr double velocity = 100;
constexpr double longVelocity = 20000;  // about 28,800 segments
constexpr double visibleVelocity = 300; // at 70°, about 576 segments, all on the plot

QWidget *window = nullptr;    // the program's window
BareCanvas *canvas = nullptr; // the bare loop, beside it
using EachSegment = std::function<void(const QLineF &)>;
double aimedVelocity = 0;
double aimedAngle = 0;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

double residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024;
}

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

void aim(double launchVelocity, double launchAngle)
{
    enter("txtLaunchVelocity", QString::number(launchVelocity));
    enter("txtLaunchAngle", QString::number(launchAngle));
    aimedVelocity = launchVelocity;
    aimedAngle = launchAngle;
}

// A flight; the window's is clicked on its button.
void fly(Kind kind, const EachSegment &eachSegment = {})
{
    if (kind == Bare)
        return canvas->fly(aimedVelocity, aimedAngle, eachSegment);
    QMetaObject::Connection noting;
    if (eachSegment)
        noting = QObject::connect(static_cast<runtime::PictureBox *>(control("picGraph")),
                                  &runtime::PictureBox::lineDrawn, eachSegment);
    click(kind == WithWind ? "cmdLaunchWithWind" : "cmdLaunchWithoutWind");
    QObject::disconnect(noting);
}

std::size_t segments(Kind kind)
{
    std::size_t drawn = 0;
    fly(kind, [&](const QLineF &) { ++drawn; });
    return drawn;
}

// Timed from a flight's first segment to its last: the click that starts it
// is no segment's work. Under callgrind, counted over the same span.
void flight(State &state, Kind kind, const char *name)
{
    aim(velocity, angle);
    const std::size_t count = segments(kind);
    CALLGRIND_ZERO_STATS;
    for (auto _ : state) {
        std::size_t drawn = 0;
        Clock::time_point first;
        fly(kind, [&](const QLineF &) {
            if (++drawn == 1 || drawn == count)
                CALLGRIND_TOGGLE_COLLECT;
            if (drawn == 1)
                first = Clock::now();
            if (drawn == count)
                state.SetIterationTime(secondsBetween(first, Clock::now()));
        });
    }
    CALLGRIND_DUMP_STATS_AT(name);
    state.counters["segments"] = double(count - 1);
}

// Whether a segment late in a long flight costs what an early one did, and
// whether memory grows with the flight.
void longFlight(State &state, Kind kind)
{
    aim(longVelocity, angle);
    fly(kind);
    std::vector<Clock::time_point> at(40000); // touched before memory is measured
    double first = 0, last = 0, growth = 0;
    for (auto _ : state) {
        const double before = residentKiB();
        at.clear();
        fly(kind, [&](const QLineF &) { at.push_back(Clock::now()); });
        growth += residentKiB() - before;
        const std::size_t tenth = at.size() / 10;
        first += secondsBetween(at[0], at[tenth]) * 1e6 / double(tenth);
        last += secondsBetween(at.end()[-1 - tenth], at.back()) * 1e6 / double(tenth);
    }
    state.counters["first_tenth_us"] = Counter(first, Counter::kAvgIterations);
    state.counters["last_tenth_us"] = Counter(last, Counter::kAvgIterations);
    state.counters["rss_growth_kib"] = Counter(growth, Counter::kAvgIterations);
}

// Acts from inside the event loop, where a person's input arrives, and runs
// the loop until the part of the widget that the act arms is on screen: the
// seconds from the moment the act notes.
template <typename Act> void timeToScreen(State &state, QWidget *widget, Act act)
{
    QTest::qWait(20);
    ScreenWatch watch(widget);
    Clock::time_point from;
    QTimer::singleShot(0, [&] { act(watch, from); });
    if (const auto shown = watch.run())
        state.SetIterationTime(secondsBetween(from, *shown));
    else
        state.SkipWithError("never on screen");
}

// A click until the last segment of a flight on the plot is on screen, or
// with clear, until the white that "Clear Plot" puts over it is.
void clickToScreen(State &state, bool clear)
{
    aim(visibleVelocity, 70);
    QWidget *plot = control("picGraph");
    QRect last;
    const auto note = [&](const QLineF &twips) {
        const QRectF pixels(twips.p1() / runtime::twipsPerPixel,
                            twips.p2() / runtime::twipsPerPixel);
        if (const QRect on = pixels.normalized().toAlignedRect() & plot->rect(); !on.isEmpty())
            last = on;
    };
    for (auto _ : state) {
        clear ? fly(WithoutWind, note) : click("cmdClearPlot");
        timeToScreen(state, plot, [&](ScreenWatch &watch, Clock::time_point &clicked) {
            clicked = Clock::now();
            clear ? click("cmdClearPlot") : fly(WithoutWind, note);
            watch.arm(last);
        });
    }
    if (ScreenWatch::fromScreen(plot, plot->rect()) != ScreenWatch::asDrawn(plot, plot->rect()))
        state.SkipWithError("the plot is not all on screen");
}

// A key released in the wind angle field while a long flight is running.
void needleToScreen(State &state)
{
    aim(longVelocity, angle);
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
            fly(WithoutWind);
        });
    }
    enter("txtWindAngle", QStringLiteral("180"));
}

// From starting a host to its window on screen, and with idle, the CPU it
// uses idling after a flight.
void host(State &state, const char *kind, bool idle)
{
    double resident = 0, cpu = 0;
    for (auto _ : state) {
        QProcess host;
        const Clock::time_point started = Clock::now();
        host.start(QCoreApplication::applicationFilePath(), {"--host", kind, idle ? "--idle" : ""});
        const auto reported = [&] {
            while (!host.canReadLine() && host.waitForReadyRead(10000)) {
            }
            return host.readLine().trimmed().split(' ').value(1).toDouble();
        };
        const double shown = reported();
        if (shown == 0)
            state.SkipWithError("the host did not show its window");
        resident += shown;
        state.SetIterationTime(secondsBetween(started, Clock::now()));
        cpu += idle ? reported() : 0;
        host.kill();
        host.waitForFinished();
    }
    state.counters[idle ? "cpu_ms" : "rss_kib"] =
        Counter(idle ? cpu : resident, Counter::kAvgIterations);
}

// The program's window, or an empty one of its size, set up as the program
// sets it up. Prints "shown <resident KiB>" once it is on screen; then with
// "--idle", flies a flight (the empty one does not), idles three seconds and
// prints "idle <CPU ms>".
int runHost(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const bool empty = QCoreApplication::arguments().contains(QStringLiteral("empty"));
    const std::unique_ptr<QWidget> shown(empty ? new QWidget : new frmMain);
    window = shown.get();
    window->setFixedSize(runtime::pixelsFromTwips(7935), runtime::pixelsFromTwips(7335));
    {
        ScreenWatch watch(window);
        watch.arm(window->rect());
        window->show();
        if (!watch.run())
            return 1;
    }
    std::printf("shown %.0f\n", residentKiB());
    std::fflush(stdout);
    if (!QCoreApplication::arguments().contains(QStringLiteral("--idle")))
        return QApplication::exec();
    if (!empty) {
        aim(visibleVelocity, 70);
        click("cmdLaunchWithoutWind");
    }
    const std::clock_t before = std::clock();
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("idle %.3f\n", double(std::clock() - before) * 1000 / CLOCKS_PER_SEC);
    return 0;
}

} // namespace

BENCHMARK_CAPTURE(flight, bare, Bare, "flight/bare")->Iterations(30)->UseManualTime();
BENCHMARK_CAPTURE(flight, still, WithoutWind, "flight/still")->Iterations(30)->UseManualTime();
BENCHMARK_CAPTURE(flight, wind, WithWind, "flight/wind")->Iterations(30)->UseManualTime();
BENCHMARK_CAPTURE(longFlight, bare, Bare)->Iterations(3);
BENCHMARK_CAPTURE(longFlight, still, WithoutWind)->Iterations(3);
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
    QApplication app(argc, argv);
    setUpApplication();
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
