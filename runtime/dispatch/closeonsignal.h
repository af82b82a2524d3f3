// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace runtime {

// Ends the program on SIGTERM, SIGINT or SIGHUP (on Windows, the console's
// Ctrl+C, Ctrl+Break or close) the way the user would: by closing its window.
// A signal ignored when the program started stays ignored.
// The handler only marks the request; the window is closed from the event
// loop, between handlers like any other event.
class CloseOnSignal : public QObject
{
    Q_OBJECT

public:
    // Catches the signals from now on. Call it first thing in main(): a signal
    // that arrives before a window is watched is kept, not fatal, and closes
    // the window once the event loop runs.
    static void catchSignals();

    explicit CloseOnSignal(QWidget *window, QObject *parent = nullptr);

private:
    void closeWindow();

    QPointer<QWidget> window_;
};

} // namespace runtime
