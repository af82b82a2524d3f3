// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtimeerror.h"
#include "stackroom.h"

#include <QString>
#include <functional>
#include <new>

namespace runtime {

using ErrorReporter = std::function<void(const RuntimeError &)>;

// "Run-time error '6': Overflow"
QString errorMessage(const RuntimeError &error);

// The default handling: a message box titled "Trevane" while the program has a
// window on screen, the standard error stream once it has none.
void showErrorBox(const RuntimeError &error);

// Replaces the reporter (tests install their own); returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);
void reportError(const RuntimeError &error) noexcept;

// Handlers nest inside the event rounds of flights and grids, each taking
// stack. One is not entered with less than this left: what remains is for
// the report of its refusal (a message box and its own round of events)
// and for closing the window.
constexpr std::size_t handlerStackReserve = 256 * 1024;

// The one way into an event handler: a run-time error abandons the handler
// and everything it called, is reported once, and the program carries on.
// No exception ever reaches the toolkit's event loop.
template <typename Handler> void runHandler(Handler &&handler) noexcept
{
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
}

} // namespace runtime
