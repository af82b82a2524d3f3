// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "keyrepeat.h"
#include "systemkeyrepeat.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QWindow>

namespace runtime {

namespace {

// Watches every key event as it reaches a window, before the window hands it
// to its focused control.
class RepeatMarker : public QObject
{
public:
    explicit RepeatMarker(QObject *parent) : QObject(parent)
    {
        // A key let go while another program has the keyboard is never released here.
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
            if (!focus)
                keysDown_.clear();
        });
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const bool press = event->type() == QEvent::KeyPress;
        if (!receiver->isWindowType() || (!press && event->type() != QEvent::KeyRelease))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (!press && !key->isAutoRepeat())
            keysDown_.remove(keyOf(key));
        if (!press || key->isAutoRepeat() || isFirstPress(key))
            return false;
        QKeyEvent repeat(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                         key->nativeVirtualKey(), key->nativeModifiers(), key->text(), true,
                         key->count(), key->device());
        QCoreApplication::sendEvent(receiver, &repeat);
        return true;
    }

private:
    // The key itself, not what it types, which Shift may change before the release.
    static quint32 keyOf(const QKeyEvent *event)
    {
        return event->nativeScanCode() ? event->nativeScanCode() : quint32(event->key());
    }

    bool isFirstPress(const QKeyEvent *press)
    {
        const qsizetype before = keysDown_.size();
        keysDown_.insert(keyOf(press));
        return keysDown_.size() > before;
    }

    QSet<quint32> keysDown_;
};

} // namespace

void markKeyRepeats()
{
    static QPointer<RepeatMarker> marker;
    if (marker)
        return;
    marker = new RepeatMarker(qGuiApp);
    qGuiApp->installEventFilter(marker);
    askForRepeatedPresses();
}

} // namespace runtime
