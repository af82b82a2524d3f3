// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "systemyield.h"

#include "browserwait.h"
#include "deferredinput.h"

#include <QCoreApplication>
#include <emscripten.h>

namespace runtime {

namespace {

// A message to itself comes back as the browser's next task, once the input
// and painting queued before it are done; a timer of 0 ms would be held to
// 4 ms once nested, as each resumed yield's is. Input queued meanwhile ends
// a longer wait at once.
// (Written without arrow functions, which the preprocessor would split.)
EM_ASYNC_JS(void, awaitBrowserTurn, (int longest), {
    await new Promise(function(resolve) {
        if (longest > 0) {
            const timer = setTimeout(resolve, longest);
            Module.trevaneWake = function()
            {
                clearTimeout(timer);
                resolve();
            };
            return;
        }
        const channel = new MessageChannel();
        channel.port1.onmessage = function()
        {
            resolve();
        };
        channel.port2.postMessage(0);
    });
    Module.trevaneWake = null;
});

EM_JS(void, endBrowserWait, (), {
    if (Module.trevaneWake)
        Module.trevaneWake();
});

DeferredInput &deferredInput()
{
    static DeferredInput deferred(endBrowserWait);
    return deferred;
}

void handOverTurn(std::chrono::milliseconds longest)
{
    waitOnBrowser([longest] { awaitBrowserTurn(static_cast<int>(longest.count())); });
}

} // namespace

void waitOnBrowser(const std::function<void()> &suspendingCall)
{
    {
        const DeferredInput::Suspension suspension(deferredInput());
        suspendingCall();
    }
    deferredInput().deliver();
}

void yieldToSystem()
{
    handOverTurn(std::chrono::milliseconds(0));
}

void waitForEvents(std::chrono::milliseconds longest)
{
    handOverTurn(longest);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace runtime
