#include "hostscenario.h"

#include "frmmain.h"
#include "picturebox.h"
#include "reshowwatcher.h"
#include "window/windowdriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QWindow>
#include <csignal>

using namespace windowdriver;

namespace {

const QString withoutWindReady = QStringLiteral("Launch Without Wind");
const QString withWindReady = QStringLiteral("Launch With Wind");
const QString stopCaption = QStringLiteral("Stop Plotting");

// A flight this fast stays in the air for hours of simulated time: it ends
// only when it is stopped.
const QString longFlightVelocity = QStringLiteral("20000");

constexpr int gridLinesPerGrid = 26;

} // namespace

HostScenario::HostScenario(frmMain &window, const ReshowWatcher &watcher)
    : window_(window), watcher_(watcher)
{
    connect(control<runtime::PictureBox>(window_, "picGraph"), &runtime::PictureBox::lineDrawn,
            this, [this](const QLineF &line) { countLine(line); });
}

const std::map<QString, void (HostScenario::*)()> &HostScenario::scenarios()
{
    static const std::map<QString, void (HostScenario::*)()> all{
        {QStringLiteral("close"), &HostScenario::close},
        {QStringLiteral("close-mid-flight"), &HostScenario::closeMidFlight},
        {QStringLiteral("close-nested-flights"), &HostScenario::closeNestedFlights},
        {QStringLiteral("close-mid-grid"), &HostScenario::closeMidGrid},
        {QStringLiteral("close-nested-grid"), &HostScenario::closeNestedGrid},
        {QStringLiteral("close-during-flight-in-grid"), &HostScenario::closeDuringFlightInGrid},
        {QStringLiteral("close-after-error"), &HostScenario::closeAfterError},
        {QStringLiteral("close-during-error-box"), &HostScenario::closeDuringErrorBox},
        {QStringLiteral("signal-mid-flight"), &HostScenario::signalMidFlight},
        {QStringLiteral("signal-during-error-box"), &HostScenario::signalDuringErrorBox},
    };
    return all;
}

QStringList HostScenario::names()
{
    QStringList list;
    for (const auto &[name, scenario] : scenarios())
        list << name;
    return list;
}

void HostScenario::start(const QString &name)
{
    const auto found = scenarios().find(name);
    if (found == scenarios().end()) {
        expect(false, QStringLiteral("no scenario named %1").arg(name));
        closeAsWindowManager();
        return;
    }
    expectAtEnd([this] { return watcher_.closed() && !window_.isVisible(); },
                QStringLiteral("the window did not close"));
    (this->*found->second)();
}

QStringList HostScenario::failures() const
{
    QStringList all = failures_;
    for (const auto &[condition, failure] : endChecks_)
        if (!condition())
            all << failure;
    return all;
}

// --- the scenarios ---

void HostScenario::close()
{
    closeAsWindowManager();
}

void HostScenario::closeMidFlight()
{
    enterFlight(longFlightVelocity);
    postClick(window_, "cmdLaunchWithoutWind");
    afterLines(50, [this] {
        expect(window_.isPlotting() && caption(window_, "cmdLaunchWithoutWind") == stopCaption,
               QStringLiteral("no flight was running at the close"));
        closeAsWindowManager();
    });
    expectFlightsStopAtClose();
    expectCaptions(withWindReady, withoutWindReady);
}

void HostScenario::closeNestedFlights()
{
    enterFlight(longFlightVelocity);
    postClick(window_, "cmdLaunchWithoutWind");
    afterLines(20, [this] { postClick(window_, "cmdLaunchWithWind"); });
    afterLines(60, [this] {
        expect(caption(window_, "cmdLaunchWithoutWind") == stopCaption &&
                   caption(window_, "cmdLaunchWithWind") == stopCaption,
               QStringLiteral("the two flights were not both running at the close"));
        closeAsWindowManager();
    });
    expectFlightsStopAtClose();
    expectCaptions(withWindReady, withoutWindReady);
}

void HostScenario::closeMidGrid()
{
    postClick(window_, "cmdDrawPlotLines");
    afterLines(3, [this] { closeAsWindowManager(); });
    expectAtEnd([this] { return gridLines_ == gridLinesPerGrid; },
                QStringLiteral("the grid was not finished after the close"));
}

void HostScenario::closeNestedGrid()
{
    postClick(window_, "cmdDrawPlotLines");
    afterLines(3, [this] { postClick(window_, "cmdDrawPlotLines"); });
    afterLines(6, [this] { closeAsWindowManager(); });
    expectAtEnd([this] { return gridLines_ == 2 * gridLinesPerGrid; },
                QStringLiteral("the two grids were not both finished after the close"));
}

void HostScenario::closeDuringFlightInGrid()
{
    enterFlight(longFlightVelocity);
    postClick(window_, "cmdDrawPlotLines");
    afterLines(2, [this] { postClick(window_, "cmdLaunchWithoutWind"); });
    afterLines(30, [this] {
        expect(caption(window_, "cmdLaunchWithoutWind") == stopCaption,
               QStringLiteral("no flight was running inside the grid at the close"));
        closeAsWindowManager();
    });
    expectFlightsStopAtClose();
    expectCaptions(withWindReady, withoutWindReady);
    expectAtEnd([this] { return gridLines_ == gridLinesPerGrid; },
                QStringLiteral("the grid was not finished after the flight"));
}

// The person answers the error box, then closes the window.
void HostScenario::closeAfterError()
{
    enterFlight(QStringLiteral("1e400"));
    postClick(window_, "cmdLaunchWithoutWind");
    whenErrorBoxShows([this](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Return);
        closeAsWindowManager();
    });
}

// The window closes while the error box is still on screen.
void HostScenario::closeDuringErrorBox()
{
    enterFlight(QStringLiteral("1e400"));
    postClick(window_, "cmdLaunchWithoutWind");
    whenErrorBoxShows([this](QMessageBox *) { closeAsWindowManager(); });
}

void HostScenario::signalMidFlight()
{
    enterFlight(longFlightVelocity);
    postClick(window_, "cmdLaunchWithoutWind");
    afterLines(50, [] { std::raise(SIGTERM); });
    expectFlightsStopAtClose();
    expectCaptions(withWindReady, withoutWindReady);
}

void HostScenario::signalDuringErrorBox()
{
    enterFlight(QStringLiteral("1e400"));
    postClick(window_, "cmdLaunchWithoutWind");
    whenErrorBoxShows([](QMessageBox *) { std::raise(SIGTERM); });
}

// --- building blocks ---

// What the window manager's close button does: a close event to the window.
void HostScenario::closeAsWindowManager()
{
    QCoreApplication::postEvent(window_.windowHandle(), new QCloseEvent);
}

void HostScenario::enterFlight(const QString &velocity)
{
    type(window_, "txtLaunchVelocity", velocity);
    type(window_, "txtLaunchAngle", QStringLiteral("45"));
}

void HostScenario::afterLines(int count, Action action)
{
    lineActions_.emplace_back(count, std::move(action));
}

// The check is queued behind the click, so it runs inside the error box's
// own event loop, while the box is up.
void HostScenario::whenErrorBoxShows(std::function<void(QMessageBox *)> action)
{
    QMetaObject::invokeMethod(
        this,
        [this, action] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                expect(false, QStringLiteral("no error box was shown"));
                closeAsWindowManager();
                return;
            }
            expect(box->windowTitle() == QStringLiteral("Trevane") &&
                       box->text() == QStringLiteral("Run-time error '6': Overflow"),
                   QStringLiteral("the error box read \"%1\": \"%2\"")
                       .arg(box->windowTitle(), box->text()));
            action(box);
        },
        Qt::QueuedConnection);
    expectAtEnd([] { return QApplication::activeModalWidget() == nullptr; },
                QStringLiteral("the error box outlived the window"));
}

void HostScenario::expect(bool condition, const QString &failure)
{
    if (!condition)
        failures_ << failure;
}

void HostScenario::expectAtEnd(std::function<bool()> condition, const QString &failure)
{
    endChecks_.emplace_back(std::move(condition), failure);
}

void HostScenario::expectFlightsStopAtClose()
{
    expectAtEnd([this] { return flightSegmentsAfterClose_ == 0; },
                QStringLiteral("a flight went on drawing after the close"));
}

void HostScenario::expectCaptions(const QString &withWind, const QString &withoutWind)
{
    expectAtEnd(
        [this, withWind, withoutWind] {
            return caption(window_, "cmdLaunchWithWind") == withWind &&
                   caption(window_, "cmdLaunchWithoutWind") == withoutWind;
        },
        QStringLiteral("the launch buttons did not return to their ready captions"));
}

void HostScenario::countLine(const QLineF &line)
{
    const auto *plot = control<runtime::PictureBox>(window_, "picGraph");
    const bool vertical =
        line.x1() == line.x2() && line.y1() == 0 && line.y2() == double(plot->ScaleHeight());
    const bool horizontal =
        line.x1() == 0 && line.x2() == double(plot->ScaleWidth()) && line.y1() == line.y2();
    if (vertical || horizontal)
        ++gridLines_;
    else if (watcher_.closed())
        ++flightSegmentsAfterClose_;
    ++lines_;
    for (const auto &[count, action] : lineActions_)
        if (count == lines_)
            action();
}
