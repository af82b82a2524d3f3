// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "eventpump.h"
#include "runtimeerror.h"
#include "stackroom.h"

#include <QString>
#include <functional>
#include <new>

namespace runtime {

using ErrorReporter = std::function<void(const RuntimeError &)>;

// "Run-time error '6': Overflow"
QString errorMessage(const RuntimeError &error);

// The default handling: a message box titled with the application's display
// name over the program's window while it is on screen, the standard error stream once it is not.
// The box belongs to that window: closing the window, from its title bar or with Ctrl+Q from the
// box as from the window, closes the box with it.
void showErrorBox(const RuntimeError &error);

// Replaces the reporter (tests install their own); returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);
void reportError(const RuntimeError &error) noexcept;
// True while a report is being shown.
bool reportOpen();

// Handlers nest inside the rounds of events that long-running handlers pump,
// each taking stack. One is not entered with less than this left: what remains is for
// the report of its refusal (a message box and its own round of events)
// and for closing the window.
constexpr std::size_t handlerStackReserve = 256 * 1024;

// The one way into an event handler: a run-time error abandons the handler
// and everything it called, is reported once, and the program carries on.
// No exception ever reaches the toolkit's event loop. While a report is open
// no handler runs, as a click on a window behind a message box does nothing:
// timers, a screen reader's press and queued events reach the window all the
// same. So at most one report is ever open, and the report path is entered
// only from here, never deeper than a handler's reserve.
template <typename Handler> void runHandler(Handler &&handler) noexcept
{
    if (reportOpen())
        return;
    if (stackLeft() < handlerStackReserve) {
        reportError(RuntimeError::outOfStackSpace());
        return;
    }
    try {
        handler();
    } catch (const RuntimeError &error) {
        reportError(error);
    } catch (const std::bad_alloc &) {
        reportError(RuntimeError::outOfMemory());
    } catch (const std::exception &error) {
        reportError(RuntimeError::internal(error.what()));
    }
    wakeOuterRound();
}

} // namespace runtime
