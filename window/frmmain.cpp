// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "frmmain.h"

#include "commandbutton.h"
#include "errorhandling.h"
#include "eventpump.h"
#include "fieldtext.h"
#include "flightlogmodel.h"
#include "flightpace.h"
#include "flightpath.h"
#include "flightreadout.h"
#include "flighttablemenu.h"
#include "floatingpointguard.h"
#include "needlearm.h"
#include "pacedpump.h"
#include "picturebox.h"
#include "plotmenu.h"
#include "plotpicture.h"
#include "plotreadout.h"
#include "runtimeerror.h"
#include "textfield.h"
#include "twips.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QShortcut>
#include <algorithm>
#include <cstdint>

using runtime::CommandButton;
using runtime::PictureBox;
using runtime::TextField;

namespace {

const QString launchWithoutWindCaption = QStringLiteral("Launch Without Wind");
const QString launchWithWindCaption = QStringLiteral("Launch With Wind");
const QString stopCaption = QStringLiteral("Stop Plotting");

constexpr int gridSpacing = 500;

template <typename Control, typename... Args>
Control *place(QWidget *container, const QString &name, QRect twips, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., container);
    control->setObjectName(name);
    runtime::placeInTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}

// A button shows "Stop Plotting" while a flight it started is running.
bool showsStop(const CommandButton *button)
{
    return button->caption().trimmed().toLower() == stopCaption.toLower();
}

// A small sans-serif face whose captions fit the controls' fixed sizes:
// Liberation Sans, or Arial, whose metrics it shares, where it is missing (Windows).
QFont controlFont()
{
    const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    // Another face cuts the captions, and with none at all they are boxes.
    if (std::ranges::none_of(
            families, [](const QString &family) { return QFontDatabase::hasFamily(family); }))
        qWarning("The font %s is missing: the captions may be cut or unreadable.",
                 qPrintable(families.front()));
    return font;
}

// A screen reader announces a field by its own name, not by its frame's title,
// and finds its label through the buddy.
void nameField(QLabel *label, TextField *field, const QString &accessibleName)
{
    label->setBuddy(field);
    field->setAccessibleName(accessibleName);
}

double valueIn(const TextField *field)
{
    return runtime::valueOfText(field->text());
}

} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Trevane"));
    setFixedSize(runtime::pixelsFromTwips(7935), runtime::pixelsFromTwips(7335));
    // Being of fixed size, it offers close and minimize, not maximize.
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(controlFont());
    createControls();
    orderTabs();
    wireEvents();
    // Closes the window as its title bar's close button does.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &QWidget::close);
    runtime::runHandler([this] { Form_Load(); });
}

frmMain::~frmMain()
{
    Form_Terminate();
}

// Not through runHandler: closing must work however deep the stack, and
// clearing the flag cannot fail.
void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::setPace(runtime::Pace pace)
{
    flightPace->setPace(pace);
}

void frmMain::createControls()
{
    picGraph = place<PictureBox>(this, "picGraph", {120, 120, 7695, 5415});
    picGraph->setBackColour(runtime::white);
    picGraph->setAccessibleName(QStringLiteral("Plot"));
    plotReadout = new PlotReadout(picGraph, &drawnPoints);
    auto *plotMenu = new PlotMenu(picGraph);
    new PlotPicture(picGraph, plotMenu);
    flightLog = new FlightLogModel(this);
    new FlightTableMenu(picGraph, flightLog, plotMenu);
    plotMenu->addSeparator();
    flightPace = new FlightPace(plotMenu);
    framLaunch = place<QGroupBox>(this, "framLaunch", {240, 5640, 2535, 1095},
                                  QStringLiteral("Launch Angle and Velocity (m/s)"));
    framWind = place<QGroupBox>(this, "framWind", {5160, 5640, 2535, 1095},
                                QStringLiteral("Wind Angle and Velocity (m/s)"));
    createButtons();
    createInputFrame(framLaunch, QStringLiteral("Launch"), 0, txtLaunchAngle, txtLaunchVelocity,
                     picLaunchAngle);
    createInputFrame(framWind, QStringLiteral("Wind"), 2, txtWindAngle, txtWindVelocity,
                     picWindAngle);
}

void frmMain::createButtons()
{
    cmdLaunchWithWind = place<CommandButton>(this, "cmdLaunchWithWind", {3120, 5640, 1695, 495},
                                             launchWithWindCaption);
    cmdLaunchWithoutWind = place<CommandButton>(this, "cmdLaunchWithoutWind",
                                                {3120, 6240, 1695, 495}, launchWithoutWindCaption);
    cmdClearLaunch = place<CommandButton>(this, "cmdClearLaunch", {240, 6840, 1695, 375},
                                          QStringLiteral("Clear Launch Info"));
    cmdClearWind = place<CommandButton>(this, "cmdClearWind", {6000, 6840, 1695, 375},
                                        QStringLiteral("Clear Wind Info"));
    cmdClearPlot = place<CommandButton>(this, "cmdClearPlot", {2160, 6840, 1695, 375},
                                        QStringLiteral("Clear Plot"));
    cmdDrawPlotLines = place<CommandButton>(this, "cmdDrawPlotLines", {4080, 6840, 1695, 375},
                                            QStringLiteral("Draw Plot Lines"));
}

// "Angle:" and "Velocity:" beside their fields, and the angle's needle box;
// named for the frame's quantity, "Launch" or "Wind".
void frmMain::createInputFrame(QGroupBox *frame, const QString &quantity, std::size_t firstLabel,
                               TextField *&angleField, TextField *&velocityField,
                               PictureBox *&needleBox)
{
    QLabel *&angleLabel = lblInfo[firstLabel];
    QLabel *&velocityLabel = lblInfo[firstLabel + 1];
    angleLabel =
        place<QLabel>(frame, QString("lblInfo%1").arg(firstLabel), {120, 360, 450, 195}, "Angle:");
    angleField =
        place<TextField>(frame, "txt" + quantity + "Angle", {840, 240, 1095, 285}, "Text1");
    velocityLabel = place<QLabel>(frame, QString("lblInfo%1").arg(firstLabel + 1),
                                  {120, 720, 600, 195}, "Velocity:");
    velocityField =
        place<TextField>(frame, "txt" + quantity + "Velocity", {840, 600, 1095, 285}, "Text2");
    needleBox = place<PictureBox>(frame, "pic" + quantity + "Angle", {2040, 360, 375, 375});
    needleBox->setBackColour(runtime::systemWindowBackground);
    needleBox->setAccessibleName(quantity + " angle needle");
    nameField(angleLabel, angleField, quantity + " angle");
    nameField(velocityLabel, velocityField, quantity + " velocity");
}

void frmMain::orderTabs()
{
    // Picture boxes, frames and labels take no focus; the rest follow in this order.
    const std::array<QWidget *, 10> order{cmdLaunchWithWind, cmdLaunchWithoutWind, txtLaunchAngle,
                                          txtLaunchVelocity, txtWindAngle,         txtWindVelocity,
                                          cmdClearLaunch,    cmdClearWind,         cmdClearPlot,
                                          cmdDrawPlotLines};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmMain::wireEvents()
{
    const auto onClick = [this](CommandButton *button, void (frmMain::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { runtime::runHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(cmdClearLaunch, &frmMain::ClearLaunchInfo);
    onClick(cmdClearWind, &frmMain::ClearWindInfo);
    onClick(cmdLaunchWithoutWind, &frmMain::cmdLaunchWithoutWind_Click);
    onClick(cmdLaunchWithWind, &frmMain::cmdLaunchWithWind_Click);
    onClick(cmdDrawPlotLines, &frmMain::cmdDrawPlotLines_Click);
    onClick(cmdClearPlot, &frmMain::cmdClearPlot_Click);
    connect(txtLaunchAngle, &TextField::keyReleased, this,
            [this] { runtime::runHandler([this] { txtLaunchAngle_KeyUp(); }); });
    connect(txtWindAngle, &TextField::keyReleased, this,
            [this] { runtime::runHandler([this] { txtWindAngle_KeyUp(); }); });
}

// --- start and close ---

void frmMain::Form_Load()
{
    ClearLaunchInfo();
    ClearWindInfo();
}

// Any flight still running ends at its next step.
void frmMain::Form_Unload()
{
    Plotting = false;
}

// The window object going away clears the flag once more. Every handler has
// returned by then, so nothing reads it; it stays as the window's Terminate
// event, the last of its life.
void frmMain::Form_Terminate()
{
    Plotting = false;
}

void frmMain::ClearLaunchInfo()
{
    txtLaunchAngle->setText(QStringLiteral("0"));
    txtLaunchVelocity->setText(QStringLiteral("0"));
}

void frmMain::ClearWindInfo()
{
    txtWindAngle->setText(QStringLiteral("0"));
    txtWindVelocity->setText(QStringLiteral("0"));
}

// --- launching ---

void frmMain::cmdLaunchWithoutWind_Click()
{
    LaunchOrStop(cmdLaunchWithoutWind, launchWithoutWindCaption, [this] {
        const double velocity = valueIn(txtLaunchVelocity);
        const double angle = valueIn(txtLaunchAngle);
        PlotWithoutWind(flightLog->start(false, velocity, angle, 0, 0));
    });
}

void frmMain::cmdLaunchWithWind_Click()
{
    LaunchOrStop(cmdLaunchWithWind, launchWithWindCaption, [this] {
        const double launchVelocity = valueIn(txtLaunchVelocity);
        const double launchAngle = valueIn(txtLaunchAngle);
        const double windVelocity = valueIn(txtWindVelocity);
        const double windAngle = valueIn(txtWindAngle);
        PlotWithWind(flightLog->start(true, launchVelocity, launchAngle, windVelocity, windAngle));
    });
}

// A click on a button that shows "Stop Plotting" stops every flight; on a
// ready one it starts a flight, reading the fields only once it shows "Stop
// Plotting".
template <typename Launch>
void frmMain::LaunchOrStop(CommandButton *button, const QString &readyCaption, Launch launch)
{
    if (showsStop(button)) {
        Plotting = false;
        button->setCaption(readyCaption);
        return;
    }
    Plotting = true;
    button->setCaption(stopCaption);
    launch();
}

void frmMain::PlotWithoutWind(const FlightRecord &flight)
{
    const double velocity = flight.launchVelocity;
    const double angle = flight.launchAngle;
    Fly(
        flight, [&](double t) { return flightPath::withoutWind(velocity, angle, t); },
        cmdLaunchWithoutWind, launchWithoutWindCaption);
}

void frmMain::PlotWithWind(const FlightRecord &flight)
{
    const double launchVelocity = flight.launchVelocity;
    const double launchAngle = flight.launchAngle;
    const double windVelocity = flight.windVelocity;
    const double windAngle = flight.windAngle;
    Fly(
        flight,
        [&](double t) {
            return flightPath::withWind(launchVelocity, launchAngle, windVelocity, windAngle, t);
        },
        cmdLaunchWithWind, launchWithWindCaption);
}

// One segment per tenth of a second, with a round of events before each, until
// the previous point lies a metre or more below launch height or the flight is
// stopped. Ground level lies the box's outer height below its inner top edge.
// At a pace, the round lasts until the segment is due, the pace's interval
// after this flight drew its previous one; the first is drawn at once.
template <typename Position>
void frmMain::Fly(const FlightRecord &flight, Position positionAt, CommandButton *button,
                  const QString &readyCaption)
try {
    FlightPoint previous{0, 0};
    double t = 0;
    std::chrono::milliseconds lastDrawn{};
    // However the flight ends, the plot then says what it did.
    const auto tellWhatItDid = qScopeGuard([&] {
        plotReadout->tellFlight(Plotting ? describeFlight(flight) : describeStop(previous));
    });
    while (previous.y > flightPath::groundThreshold) {
        const runtime::Pace pace = flightPace->pace();
        if (pace == runtime::Pace::AsFastAsPossible || t == 0)
            runtime::pumpEvents();
        else
            runtime::pumpEventsUntil(
                [&] { return lastDrawn + runtime::segmentInterval(flightPace->pace()); },
                [this] { return Plotting; });
        if (!Plotting)
            break;
        const runtime::FloatingPointGuard guard;
        const FlightPoint next = positionAt(t);
        const double height = picGraph->Height();
        const float fromX = runtime::toSingle(previous.x);
        const float fromY = runtime::toSingle(guard.checked(height - previous.y));
        const float toX = runtime::toSingle(next.x);
        const float toY = runtime::toSingle(guard.checked(height - next.y));
        const double nextT = guard.checked(t + flightPath::timeStep);
        picGraph->Line(fromX, fromY, toX, toY, runtime::black);
        if (pace != runtime::Pace::AsFastAsPossible)
            lastDrawn = runtime::paceNow();
        drawnPoints.add(flight, {t, next.x, next.y}, picGraph->ScaleWidth(), height);
        flightLog->drewSegment(flight.number);
        t = nextT;
        previous = next;
    }
    flightLog->end(flight.number, Plotting ? FlightEnding::Landed : FlightEnding::Stopped);
    button->setCaption(readyCaption);
} catch (const runtime::RuntimeError &error) {
    // The log tells how it failed; the error still abandons the handler.
    flightLog->end(flight.number, FlightEnding::Failed, error.description());
    throw;
}

// --- the grid ---

void frmMain::cmdDrawPlotLines_Click()
{
    DrawPlotLines();
}
void frmMain::cmdClearPlot_Click()
{
    picGraph->Cls();
    drawnPoints.clear();
}

// Vertical lines from the left, horizontal ones counted up from the bottom
// edge; other handlers run to completion between lines.
void frmMain::DrawPlotLines()
{
    const std::int64_t width = runtime::roundToInt32(picGraph->ScaleWidth());
    for (std::int64_t x = gridSpacing; x <= width; x += gridSpacing) {
        const float height = picGraph->ScaleHeight();
        picGraph->Line(float(x), 0, float(x), height, runtime::black);
        runtime::pumpEvents();
    }
    for (std::int64_t y = runtime::roundToInt32(picGraph->ScaleHeight()); y >= 0;
         y -= gridSpacing) {
        const float lineWidth = picGraph->ScaleWidth();
        picGraph->Line(0, float(y), lineWidth, float(y), runtime::black);
        runtime::pumpEvents();
    }
}

// --- the angle needles ---

void frmMain::txtLaunchAngle_KeyUp()
{
    DrawLaunchAngle();
}
void frmMain::txtWindAngle_KeyUp()
{
    DrawWindAngle();
}

void frmMain::DrawLaunchAngle()
{
    DrawNeedle(txtLaunchAngle, picLaunchAngle);
}
void frmMain::DrawWindAngle()
{
    DrawNeedle(txtWindAngle, picWindAngle);
}

// The arm's end lies far outside the box; the line from there to the centre,
// clipped by the box, is the needle. The text is read first, so a text that
// cannot be converted leaves the box as it was.
void frmMain::DrawNeedle(const TextField *angleField, PictureBox *needleBox)
{
    const double angle = valueIn(angleField);
    const double armX = NeedleX(angle);
    const double armY = NeedleY(angle);
    needleBox->Cls();
    const float innerHeight = needleBox->ScaleHeight();
    const float innerWidth = needleBox->ScaleWidth();
    const float centreHeight = needleBox->ScaleHeight();
    const runtime::FloatingPointGuard guard;
    const float endY = runtime::toSingle(guard.checked(innerHeight - armY));
    needleBox->Line(runtime::toSingle(armX), endY, innerWidth / 2, centreHeight / 2, runtime::red);
    const QString degrees = runtime::textOfNumberAsQString(angle) + QStringLiteral(" degrees");
    needleBox->setToolTip(degrees);
    // A screen reader hears of a new description; a new tooltip it would miss.
    needleBox->setAccessibleDescription(degrees);
}
