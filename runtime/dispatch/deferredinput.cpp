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
    // A handler that input starts may yield and queue more input meanwhile.
    while (!queued_.empty()) {
        auto [receiver, event] = std::move(queued_.front());
        queued_.erase(queued_.begin());
        // Typed text goes where the input before it has put the focus.
        QObject *target =
            event->type() == QEvent::InputMethod ? QGuiApplication::focusObject() : receiver.data();
        if (target)
            QCoreApplication::sendEvent(target, event.get());
    }
}

} // namespace runtime
