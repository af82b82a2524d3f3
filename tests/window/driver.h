// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// Drives the real window as a person would: clicks, typing and key releases,
// many of them queued so that they arrive in the middle of a flight or a
// grid. Reads back what a person sees.

#include "errorhandling.h"
#include "frmmain.h"
#include "picturebox.h"
#include "pixels.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <map>
#include <xcb/xcb.h>

inline QString rect(const QRect &r)
{
    return r.isEmpty()
               ? "none"
               : QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The fields, in the order seen() shows them.
const QStringList fields{"LaunchVelocity", "LaunchAngle", "WindVelocity", "WindAngle"};

class Driver
{
public:
    Driver()
    {
        window.show();
        window.activateWindow(); // where no window manager does it
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not become active");
        previous = runtime::setErrorReporter([this](const runtime::RuntimeError &error) {
            errors << runtime::errorMessage(error);
            if (const QString steps = std::exchange(answer, {}); !steps.isEmpty()) { // in the real box
                QTimer::singleShot(0, [this, steps] {
                    QTRY_VERIFY(QApplication::activeModalWidget()->isActiveWindow());
                    for (const QString &step : steps.split(','))
                        perform(step);
                });
                runtime::showErrorBox(error);
            }
        });
        // A file dialog is answered once it has the keyboard.
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [this] {
            if (!qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                return;
            const QString path = std::exchange(fileAnswer, {});
            const QString steps = path.isEmpty() ? std::exchange(answer, {}) : "";
            QTimer::singleShot(0, [this, path, steps] {
                if (!path.isEmpty()) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(QApplication::focusWidget(), path);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }
                for (const QString &step : steps.split(',', Qt::SkipEmptyParts))
                    perform(step);
            });
        });
        QGuiApplication::clipboard()->clear();
        QCursor::setPos(window.mapToGlobal(QPoint(-1, -1))); // off the window
        QObject::connect(find<runtime::PictureBox>("picGraph"), &runtime::PictureBox::lineDrawn,
                         [this](const QLineF &line) {
                             lines << line;
                             const auto [from, to] = steps.equal_range(lines.size());
                             for (auto step = from; step != to && errors.isEmpty(); ++step)
                                 act(step->second);
                         });
    }
    ~Driver() { runtime::setErrorReporter(previous); }

    template <typename Control = QWidget> Control *find(const QString &name) const
    {
        return window.findChild<Control *>(name);
    }

    // Steps "n:what", each done at the next round of events once the plot
    // has n lines ("n-m:what": at each count from n to m), so that it arrives
    // in the middle of the routine drawing; those at 0 in turn, before, and
    // none after an error has been reported. What is done:
    //   Name         a click on button cmdName
    //   field=text   the field's text typed over: Ctrl+A, then each key
    //   field:=text  the field's text replaced without a key, as by pasting
    //   field:Key    a key pressed and released in the field (Right, Ctrl+V ...) or
    //                on button cmdName (Name:Return, Name:Ctrl+Q); Key*n: held, its
    //                press repeated n times unmarked, as X11 does
    //   Key          a key pressed where the focus is (Tab ...), released where it then is
    //   press:Name   button cmdName pressed by a screen reader, which clicks it once
    //                it comes up
    //   answer:steps the next error report shown in its real box, or file dialog, where
    //                the steps (joined by ',') are then done: answer:Return
    //   what&what    both at once: the second queued before the first is done
    //   plot=WxH     the plot resized to W by H pixels
    //   point:X,Y    the pointer moved to pixel X,Y of the plot, resting until its tooltip shows
    //   right:X,Y    the right button clicked there
    //   choose:Text  the item of the open menu that begins with Text clicked
    //   file:path    the next file dialog answered: path (in a scratch folder unless
    //                absolute) typed over its file name, then Return
    //   close        the window closed from its title bar, through the X server under X11
    void run(const QString &script)
    {
        steps.clear();
        for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
            const QStringList counts = step.section(':', 0, 0).split('-');
            for (int n = counts.first().toInt(); n <= counts.last().toInt(); ++n)
                steps.emplace(n, step.section(':', 1));
        }
        const auto [from, to] = steps.equal_range(0);
        for (auto step = from; step != to; ++step) {
            act(step->second);
            for (int round = 0; round < 3; ++round)
                QCoreApplication::processEvents();
        }
    }

    // What a person sees: the lines the plot was given and where the last ends,
    // where it is black, the launch buttons' captions, the fields, the needles
    // and their tooltips, the reports, and whether the window has closed.
    QString seen() const
    {
        const QPointF end = lines.isEmpty() ? QPointF() : lines.last().p2();
        const auto where = [this](const char *box, QRgb colour) {
            return rect(
                pixelsWhere(find(box)->grab().toImage(), [=](QRgb p) { return p == colour; }));
        };
        QStringList outcome{
            QString::asprintf("%d lines to %.3f, %.3f", int(lines.size()), end.x(), end.y()),
            "black " + where("picGraph", qRgb(0, 0, 0)),
            find<QAbstractButton>("cmdLaunchWithoutWind")->text() + " / " +
                find<QAbstractButton>("cmdLaunchWithWind")->text(),
            "fields"};
        outcome[2].replace("Launch Without Wind / Launch With Wind", "ready");
        for (const QString &field : fields)
            outcome.last() += ' ' + find<QLineEdit>("txt" + field)->text();
        QStringList needles;
        for (const char *box : {"picLaunchAngle", "picWindAngle"}) {
            const QString tip = find(box)->toolTip();
            needles << where(box, qRgb(255, 0, 0)) + (tip.isEmpty() ? "" : ", " + tip);
        }
        if (needles.join(" / ") != "none / none")
            outcome << "needles " + needles.join(" / ");
        if (QToolTip::isVisible())
            outcome << "tip " + QToolTip::text().replace('\n', " / ");
        const QImage plot = find("picGraph")->grab().toImage();
        const auto picture = [&](const char *what, const QImage &image) {
            return what +
                   (image.isNull() ? " none"
                    : image.convertToFormat(plot.format()) == plot
                        ? " as the plot"
                        : QString(" %1x%2, black ").arg(image.width()).arg(image.height()) +
                              rect(pixelsWhere(image, [](QRgb p) { return p == qRgb(0, 0, 0); })));
        };
        if (const QImage copy = QGuiApplication::clipboard()->image(); !copy.isNull())
            outcome << picture("copy", copy);
        if (!saved.isEmpty())
            outcome << picture("saved", QImage(saved));
        outcome << errors;
        if (!window.isVisible())
            outcome << "closed";
        return outcome.join("; ");
    }

    frmMain window;
    QList<QLineF> lines; // on the plot, in twips, as asked for
    QStringList errors;

private:
    // Each action at the next round of events, where a person's input arrives.
    void act(const QString &what)
    {
        for (const QString &each : what.split('&'))
            QMetaObject::invokeMethod(
                &window, [this, each] { perform(each); }, Qt::QueuedConnection);
    }

    void perform(const QString &what)
    {
        const QString name = what.section(QRegularExpression("[=:]"), 0, 0);
        QWidget *target = find("txt" + name) ? find("txt" + name) : find("cmd" + name);
        const QStringList held = what.section(':', -1).split('*');
        const QKeyCombination key = QKeySequence::fromString(held[0])[0];
        if (what == "close") {
            closeFromTitleBar();
        } else if (what.startsWith("plot=")) {
            const QStringList size = what.mid(5).split('x');
            find("picGraph")->resize(size[0].toInt(), size[1].toInt());
        } else if (what.contains(":=")) {
            static_cast<QLineEdit *>(target)->setText(what.section(":=", 1));
        } else if (what.contains('=')) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(target, what.section('=', 1));
        } else if (name == "answer") {
            answer = what.section(':', 1);
        } else if (name == "point" || name == "right") {
            const QStringList xy = what.section(':', 1).split(',');
            const QWidget *plot = find("picGraph");
            const QPoint at(xy[0].toInt(), xy[1].toInt());
            if (name == "right")
                QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                                  plot->mapTo(&window, at));
            else // QTest would take 0,0 for the middle
                QCursor::setPos(plot->mapToGlobal(at));
            QTRY_VERIFY(name == "right" || QToolTip::isVisible());
        } else if (name == "choose") {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *item : menu->actions())
                if (item->text().startsWith(what.section(':', 1)))
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(item).center());
        } else if (name == "file") {
            fileAnswer = saved = QDir(scratch.path()).filePath(what.section(':', 1));
        } else if (name == "press") {
            auto *button = find<QAbstractButton>("cmd" + what.section(':', 1));
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            if (!QTest::qWaitFor([button] { return !button->isDown(); }))
                qFatal("a button pressed by a screen reader stayed down");
        } else if (target && !what.contains(':')) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            if (target)
                target->setFocus();
            for (int press = 0, presses = held.value(1).toInt(); press <= presses; ++press)
                QTest::keyPress(keyboardWindow(), key.key(), key.keyboardModifiers());
            QTest::keyRelease(keyboardWindow(), key.key(), key.keyboardModifiers());
        }
    }

    // Keys go where the platform sends them: to the window that has the
    // keyboard, or, as a window manager gives it back, to the main window.
    QWindow *keyboardWindow() const
    {
        QWindow *focus = QGuiApplication::focusWindow();
        return focus ? focus : window.windowHandle();
    }

    void closeFromTitleBar()
    {
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection()) {
            window.windowHandle()->close();
            return;
        }
        // What the window manager sends: the same request, through the server.
        const auto atom = [x11](const char *name) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                x11->connection(), xcb_intern_atom(x11->connection(), 0, strlen(name), name),
                nullptr);
            const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
            free(reply);
            return atom;
        };
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = xcb_window_t(window.winId());
        request.type = atom("WM_PROTOCOLS");
        request.data.data32[0] = atom("WM_DELETE_WINDOW");
        xcb_send_event(x11->connection(), 0, request.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&request));
        xcb_flush(x11->connection());
    }

    std::multimap<qsizetype, QString> steps;
    QString answer; // a key
    QString fileAnswer, saved;
    QTemporaryDir scratch;
    runtime::ErrorReporter previous;
};
