// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace runtime {

// Holds the browser's input back from a program that has handed its turn
// to the browser. The browser delivers input from its own callbacks, even
// while a handler waits suspended in a round of events, and the handler it
// would start there could not suspend in turn (a page suspends one call at a
// time): so input that comes meanwhile is queued, and reaches its window
// once the program has its turn back, where the handler it starts nests as
// on the desktop.
class DeferredInput : public QObject
{
public:
    // Calls onQueued whenever it queues input.
    explicit DeferredInput(std::function<void()> onQueued);

    // Hands the input queued so far on to its windows, in its order.
    void deliver();

    // While one lives, the program is suspended and input is queued.
    class Suspension
    {
    public:
        explicit Suspension(DeferredInput &input);
        ~Suspension();
        Suspension(const Suspension &) = delete;
        Suspension &operator=(const Suspension &) = delete;

    private:
        DeferredInput &input_;
    };

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    std::function<void()> onQueued_;
    bool suspended_ = false;
    bool restPosted_ = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> queued_;
};

} // namespace runtime
