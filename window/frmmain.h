// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "drawnpoints.h"
#include "pacedpump.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class FlightLogModel;
class FlightPace;
class PlotReadout;

namespace runtime {
class CommandButton;
class PictureBox;
class TextField;
} // namespace runtime

// The program's one window: the plot, the launch and wind fields with their
// angle needles, and the buttons that launch, stop, grid and clear.
//
// Its controls, events and routines keep the names the program has always
// given them: a kind prefix for controls (cmd, txt, pic, lbl, fram), control
// and event joined by an underscore for handlers (cmdClearPlot_Click,
// Form_Load), capitalised words for routines (PlotWithWind) and Plotting for
// its one flag. Our own plumbing around them uses Qt's camelCase.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The pace flights are drawn at, as the plot's menu sets it.
    void setPace(runtime::Pace pace);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createInputFrame(QGroupBox *frame, const QString &quantity, std::size_t firstLabel,
                          runtime::TextField *&angleField, runtime::TextField *&velocityField,
                          runtime::PictureBox *&needleBox);
    void createButtons();
    void wireEvents();
    void orderTabs();

    void Form_Load();
    void Form_Unload();
    void Form_Terminate();
    void ClearLaunchInfo();
    void ClearWindInfo();

    void cmdLaunchWithoutWind_Click();
    void cmdLaunchWithWind_Click();
    void cmdDrawPlotLines_Click();
    void cmdClearPlot_Click();
    void txtLaunchAngle_KeyUp();
    void txtWindAngle_KeyUp();

    template <typename Launch>
    void LaunchOrStop(runtime::CommandButton *button, const QString &readyCaption, Launch launch);
    void PlotWithoutWind(const FlightRecord &flight);
    void PlotWithWind(const FlightRecord &flight);
    template <typename Position>
    void Fly(const FlightRecord &flight, Position positionAt, runtime::CommandButton *button,
             const QString &readyCaption);

    void DrawPlotLines();
    void DrawLaunchAngle();
    void DrawWindAngle();
    void DrawNeedle(const runtime::TextField *angleField, runtime::PictureBox *needleBox);

    bool Plotting = false;
    // Every flight since the window opened, for the flight table.
    FlightLogModel *flightLog = nullptr;
    // What the plot's tooltip reads of the flights on it.
    DrawnPoints drawnPoints;

    runtime::PictureBox *picGraph = nullptr;
    PlotReadout *plotReadout = nullptr;
    FlightPace *flightPace = nullptr;
    QGroupBox *framLaunch = nullptr;
    QGroupBox *framWind = nullptr;
    runtime::CommandButton *cmdLaunchWithWind = nullptr;
    runtime::CommandButton *cmdLaunchWithoutWind = nullptr;
    std::array<QLabel *, 4> lblInfo{};
    runtime::TextField *txtLaunchAngle = nullptr;
    runtime::TextField *txtLaunchVelocity = nullptr;
    runtime::TextField *txtWindAngle = nullptr;
    runtime::TextField *txtWindVelocity = nullptr;
    runtime::CommandButton *cmdClearLaunch = nullptr;
    runtime::CommandButton *cmdClearWind = nullptr;
    runtime::CommandButton *cmdClearPlot = nullptr;
    runtime::CommandButton *cmdDrawPlotLines = nullptr;
    runtime::PictureBox *picLaunchAngle = nullptr;
    runtime::PictureBox *picWindAngle = nullptr;
};
