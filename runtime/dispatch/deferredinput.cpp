// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "deferredinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

namespace runtime {

namespace {

// What the platform hands to a window.
bool isWindowInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

// Asks for the input still queued to be handed on from whichever loop runs
// next.
const QEvent::Type deliverRest = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

DeferredInput::DeferredInput(std::function<void()> onQueued) : onQueued_(std::move(onQueued))
{
    QCoreApplication::instance()->installEventFilter(this);
}

DeferredInput::Suspension::Suspension(DeferredInput &input) : input_(input)
{
    input_.suspended_ = true;
}

DeferredInput::Suspension::~Suspension()
{
    input_.suspended_ = false;
}

// Taken where the platform hands input to a window, before the toolkit
// finds the widget it is for, so that it reaches widgets in its order. Typed
// text comes as an input method's commit, straight to the focused widget.
bool DeferredInput::eventFilter(QObject *receiver, QEvent *event)
{
    const bool input =
        event->type() == QEvent::InputMethod || (isWindowInput(event) && receiver->isWindowType());
    if (!suspended_ || !input)
        return false;
    queued_.emplace_back(receiver, event->clone());
    onQueued_();
    return true;
}

void DeferredInput::deliver()
{
    // A handler that input starts may yield and queue more input meanwhile,
    // or open a dialog, whose own loop then takes the rest, as it would take
    // the system's queue on the desktop: what is for the window behind the
    // dialog then goes nowhere.
    while (!queued_.empty()) {
        auto [receiver, event] = std::move(queued_.front());
        queued_.erase(queued_.begin());
        if (!queued_.empty() && !restPosted_) {
            restPosted_ = true;
            QCoreApplication::postEvent(this, new QEvent(deliverRest));
        }
        // Typed text goes where the input before it has put the focus.
        QObject *target =
            event->type() == QEvent::InputMethod ? QGuiApplication::focusObject() : receiver.data();
        if (target)
            QCoreApplication::sendEvent(target, event.get());
    }
}

// Handed on only from the program's own loops, never from the browser's
// callbacks while it waits: its own rounds deliver what came meanwhile.
bool DeferredInput::event(QEvent *event)
{
    if (event->type() != deliverRest)
        return QObject::event(event);
    restPosted_ = false;
    if (!suspended_)
        deliver();
    return true;
}

} // namespace runtime
