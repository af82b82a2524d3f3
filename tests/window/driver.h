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
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <map>

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
        // Not qWaitForWindowActive: Qt's Wayland plugin does not report activation
        // as a capability, though it activates the window the compositor focuses.
        if (!QTest::qWaitFor([this] { return window.isActiveWindow(); }))
            qFatal("the window did not become active");
        previous = runtime::setErrorReporter([this](const runtime::RuntimeError &error) {
            errors << runtime::errorMessage(error);
            if (const QString key = std::exchange(answer, {}); !key.isEmpty()) { // in the real box
                QTimer::singleShot(0, [this, key] {
                    QTRY_VERIFY(QApplication::activeModalWidget() && // not yet shown on Wayland
                                QApplication::activeModalWidget()->isActiveWindow());
                    perform(key);
                });
                runtime::showErrorBox(error);
            }
        });
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
    //                on button cmdName (Name:Return, Name:Ctrl+Q); Key*n: held for n repeats
    //   answer:Key   the next error report shown in its real box, answered by Key
    //   what&what    both at once: the second queued before the first is done
    //   Key          a key pressed where the focus is (Tab ...), released where it then is
    //   plot=WxH     the plot resized to W by H pixels
    //   close        the window closed from its title bar
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
            window.windowHandle()->close();
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
        } else if (held.size() > 1) { // a held key repeats as pairs marked so
            for (int i = 0, repeats = held[1].toInt(); i <= repeats; ++i) {
                QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), {}, i > 0);
                QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers(), {},
                                  i < repeats);
                QCoreApplication::sendEvent(target, &press);
                QCoreApplication::sendEvent(target, &release);
            }
        } else if (what.contains(':')) {
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        } else if (target) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else { // pressed where the focus is, released where it then is
            QTest::keyPress(QApplication::focusWidget(), key.key());
            QWidget *to = QApplication::focusWidget();
            QTest::keyRelease(to ? to : window.focusWidget(), key.key());
        }
    }

    std::multimap<qsizetype, QString> steps;
    QString answer; // a key
    runtime::ErrorReporter previous;
};
