#pragma once

// Drives the real window as a person would, and records what it draws.

#include "errorhandling.h"
#include "frmmain.h"
#include "picturebox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <vector>

namespace windowdriver {

template <typename Control = QWidget> Control *control(const frmMain &window, const char *name)
{
    auto *found = window.findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

inline QString caption(const frmMain &window, const char *button)
{
    return control<QAbstractButton>(window, button)->text();
}

inline QString text(const frmMain &window, const char *field)
{
    return control<QLineEdit>(window, field)->text();
}

// Queues a press and release of the left button at the control's centre: the
// click reaches the window the next time it processes events, for example
// inside a running flight.
inline void postClick(QWidget *target)
{
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                        Qt::LeftButton, Qt::LeftButton,
                                                        Qt::NoModifier));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                        Qt::LeftButton, Qt::NoButton,
                                                        Qt::NoModifier));
}

inline void postClick(const frmMain &window, const char *button)
{
    postClick(control(window, button));
}

// Queues a key release in a field, as when a key is let go while it has the focus.
inline void postKeyRelease(QWidget *target, int key = Qt::Key_Right, const QString &text = {})
{
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

// Clicks at once (the click's handler runs to completion before this returns).
inline void click(const frmMain &window, const char *button)
{
    QTest::mouseClick(control(window, button), Qt::LeftButton);
}

// Replaces a field's text by typing it: select all, then type, key by key.
inline void type(const frmMain &window, const char *field, const QString &text)
{
    auto *edit = control<QLineEdit>(window, field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Every line drawn on one picture box, in twips, in the order drawn.
class SegmentRecorder
{
public:
    explicit SegmentRecorder(runtime::PictureBox *box)
    {
        QObject::connect(box, &runtime::PictureBox::lineDrawn, box,
                         [this](const QLineF &line, runtime::ColourCode) { lines.push_back(line); });
    }
    std::vector<QLineF> lines;
};

// Collects run-time errors instead of showing the message box.
class ErrorRecorder
{
public:
    ErrorRecorder()
    {
        previous_ = runtime::setErrorReporter(
            [this](const runtime::RuntimeError &error) { errors.push_back(error); });
    }
    ~ErrorRecorder() { runtime::setErrorReporter(previous_); }
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;

    std::vector<runtime::RuntimeError> errors;

private:
    runtime::ErrorReporter previous_;
};

} // namespace windowdriver
