// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QTimer>

class QWidget;

namespace runtime {

// Brings a widget's picture on screen up to date at most twice a display
// frame. The first change after a quiet spell is repainted at once; changes
// that follow within half a frame are gathered and repainted together when
// it ends, so the screen is never more than a frame behind, or as soon as
// the event loop is about to wait, so that what a routine drew is on screen
// when it returns. A single-shot timer and the wait are watched only while a
// repaint is owed.
class RepaintPacer
{
public:
    explicit RepaintPacer(QWidget *widget);

    // A rectangle of the widget that has changed.
    void owe(const QRect &dirty);
    // The whole widget is about to be repainted: nothing is owed any longer.
    void clear();

private:
    void repaint();
    void stopWatching();

    QWidget *widget_;
    // One rectangle: the screen takes it in one piece, where a region of
    // many small ones costs a request and a copy for each.
    QRect owed_;
    QTimer timer_;
    QMetaObject::Connection beforeWait_;
    QElapsedTimer sinceRepaint_;
};

} // namespace runtime
