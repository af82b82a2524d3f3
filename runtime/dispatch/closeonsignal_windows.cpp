// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "closeonsignal.h"

#include <QWinEventNotifier>
#include <windows.h>

namespace runtime {

namespace {

// Set by the console's handler, which Windows runs on a thread of its own;
// waited on by the event loop.
HANDLE closeRequested = nullptr;

BOOL WINAPI onConsoleControl(DWORD control)
{
    if (control != CTRL_C_EVENT && control != CTRL_BREAK_EVENT && control != CTRL_CLOSE_EVENT)
        return FALSE;
    SetEvent(closeRequested);
    // Windows ends the process as soon as a close event's handler returns: give
    // the window time to close and the program to end on its own first.
    if (control == CTRL_CLOSE_EVENT)
        Sleep(4000);
    return TRUE;
}

} // namespace

void CloseOnSignal::catchSignals()
{
    if (closeRequested)
        return;
    closeRequested = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (closeRequested)
        SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

CloseOnSignal::CloseOnSignal(QWidget *window, QObject *parent) : QObject(parent), window_(window)
{
    catchSignals();
    if (!closeRequested)
        return;
    auto *notifier = new QWinEventNotifier(closeRequested, this);
    connect(notifier, &QWinEventNotifier::activated, this, &CloseOnSignal::closeWindow);
}

void CloseOnSignal::closeWindow()
{
    ResetEvent(closeRequested);
    if (window_)
        window_->close();
}

} // namespace runtime
