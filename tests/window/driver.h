// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// Drives the real window as a person would: clicks, typing and key releases,
// many of them queued so that they arrive in the middle of a flight or a
// grid. Reads back what a person sees.

#include "errorhandling.h"
#include "eventpump.h"
#include "frmmain.h"
#include "pacedpump.h"
#include "picturebox.h"
#include "pixels.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <functional>
#include <map>

inline QString rect(const QRect &r)
{
    return r.isEmpty()
               ? "none"
               : QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The fields, in the order seen() shows them.
const QStringList fields{"LaunchVelocity", "LaunchAngle", "WindVelocity", "WindAngle"};

// Waits for what the next step needs; a wait that times out ends the run
// loudly, as a hung step would only end it at its time limit.
template <typename Condition> void awaitOrDie(Condition condition, const char *what)
{
    if (!QTest::qWaitFor(condition, 20000))
        qFatal("the window driver gave up waiting for %s", what);
}

class Driver
{
public:
    Driver()
    {
        window.show();
        window.activateWindow(); // where no window manager does it
        // Not qWaitForWindowActive: Qt's Wayland plugin does not report activation
        // as a capability, though it activates the window the compositor focuses.
        awaitOrDie([this] { return window.isActiveWindow(); }, "the window to become active");
        previous = runtime::setErrorReporter([this](const runtime::RuntimeError &error) {
            errors << runtime::errorMessage(error);
            if (const QString steps = std::exchange(answer, {});
                !steps.isEmpty()) { // in the real box
                QTimer::singleShot(0, [this, steps] {
                    // Keys go to Qt's focus window, which on Wayland can still be
                    // the main window once the compositor has activated the box.
                    awaitOrDie(
                        [] {
                            const QWidget *box = QApplication::activeModalWidget();
                            return box && box->windowHandle() == QGuiApplication::focusWindow();
                        },
                        "the report box to have the keyboard");
                    for (const QString &step : steps.split(','))
                        perform(step);
                });
                runtime::showErrorBox(error);
            }
        });
        // A file dialog is answered once it has the keyboard, and so is a
        // question it asks, with the answer's steps.
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &window, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (const QString &kind : dialog->nameFilters())
                if (!fileKind.isEmpty() && kind.startsWith(fileKind))
                    dialog->selectNameFilter(kind);
            fileKind.clear();
            const QString path = std::exchange(fileAnswer, {});
            const QString steps = std::exchange(answer, {});
            QTimer::singleShot(0, [this, path, steps] {
                if (!path.isEmpty()) {
                    if (!steps.isEmpty())
                        QTimer::singleShot(0, [this, steps] { answerQuestion(steps); });
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(QApplication::focusWidget(), path);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    return;
                }
                for (const QString &step : steps.split(',', Qt::SkipEmptyParts))
                    perform(step);
            });
        });
        previousClock = runtime::setPaceClock([this] { return clock; });
        QGuiApplication::clipboard()->clear();
        if (QGuiApplication::platformName() != "wayland")        // where clients may move it
            QCursor::setPos(window.mapToGlobal(QPoint(-1, -1))); // off the window
        QObject::connect(find<runtime::PictureBox>("picGraph"), &runtime::PictureBox::lineDrawn,
                         [this](const QLineF &line) {
                             lines << line;
                             const auto [from, to] = steps.equal_range(lines.size());
                             for (auto step = from; step != to && errors.isEmpty(); ++step)
                                 act(step->second);
                         });
    }
    ~Driver()
    {
        runtime::setPaceClock(previousClock);
        runtime::setErrorReporter(previous);
    }

    template <typename Control = QWidget> Control *find(const QString &name) const
    {
        return window.findChild<Control *>(name);
    }

    // Steps "n:what", each done at the next round of events once the plot
    // has n lines ("n-m:what": at each count from n to m), so that it arrives
    // in the middle of the routine drawing; those at 0 in turn, before, and
    // none after an error has been reported. What is done:
    //   Name          a click on button cmdName
    //   Field=text    the field's text typed over: Ctrl+A, then each key
    //   Field:=text   the field's text replaced without a key, as by pasting
    //   Field:commit=text  the field's text typed over through an input method,
    //                 which commits it with no key events (as a web page does)
    //   Name:Key      a key pressed in field txtName or on button cmdName
    //   Key           a key pressed where the focus is (Tab ...)
    //                 Keys go through the window that has the keyboard and are
    //                 released a round later; Key*n: held for n repeats, unmarked
    //                 presses as X11 sends them; Key*nw: marked pairs of release
    //                 and press, as Qt repeats keys itself on Wayland
    //   press:Name    button cmdName pressed by a screen reader: it clicks once it
    //                 comes up
    //   answer:steps  the next error report shown in its real box, or file dialog,
    //                 or question the file dialog asks once file: answered it, where
    //                 the steps (joined by ',') are then done: answer:Return
    //   what&what     both at once: the second queued before the first is done
    //   plot=WxH      the plot resized to W by H pixels
    //   point:X,Y     the pointer moved to pixel X,Y of the plot, resting until its
    //                 tooltip shows; right:X,Y: the right button clicked there
    //   choose:Text   the item of the open menu that begins with Text clicked, or
    //                 its submenu opened
    //   file:path     the next file dialog answered: path (in a scratch folder
    //                 unless absolute) typed over its file name, then Return
    //   kind:Text     in the next file dialog, the kind of file beginning with Text
    //   close         the window closed from its title bar (closeWindow)
    //   tick:N        the clock paced flights keep moved on by N ms (it stands
    //                 still otherwise)
    //   next:what     what queued again when its turn comes: still in the same
    //                 round of a flight's events, which delivers what its handlers
    //                 queue; next:next:what is in the round after
    // A script with a step it cannot do runs none, and seen() says why.
    void run(const QString &script)
    {
        steps.clear();
        for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
            const QStringList counts = step.section(':', 0, 0).split('-');
            for (const QString &what : step.section(':', 1).split('&'))
                if (const QString why = refusal(what); !why.isEmpty() || counts.size() > 2)
                    refused << step + ": " + (why.isEmpty() ? "no count" : why);
            for (int n = counts.first().toInt(); n <= counts.last().toInt(); ++n)
                steps.emplace(n, step.section(':', 1));
        }
        if (!refused.isEmpty())
            steps.clear();
        const auto [from, to] = steps.equal_range(0);
        for (auto step = from; step != to; ++step) {
            act(step->second);
            for (int round = 0; round < 3; ++round)
                QCoreApplication::processEvents();
        }
        runtime::wakeOuterRound(); // these rounds nest in the caller's, as a handler's do
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
            outcome << picture("saved", QFileInfo(saved).isFile() ? QImage(saved) : QImage());
        outcome << errors;
        if (!styles.isEmpty())
            outcome << "style " + styles.join(", ");
        if (!window.isVisible())
            outcome << "closed";
        return refused.isEmpty() ? outcome.join("; ") : "refused " + refused.join("; ");
    }

    // The file the last file dialog was answered with.
    QString savedPath() const { return saved; }

    frmMain window;
    QList<QLineF> lines; // on the plot, in twips, as asked for
    QStringList errors;
    QStringList styles; // the widget style, as each "style" step found it
    std::function<void()> closeWindow = [this] { window.windowHandle()->close(); };

private:
    // Each action at the next round of events, where a person's input arrives.
    void act(const QString &what)
    {
        for (const QString &each : what.split('&'))
            QMetaObject::invokeMethod(
                &window, [this, each] { perform(each); }, Qt::QueuedConnection);
    }

    QWidget *control(const QString &name) const
    {
        return find("txt" + name) ? find("txt" + name) : find("cmd" + name);
    }

    // Why a step cannot be done, or nothing.
    QString refusal(const QString &what) const
    {
        const QString name = what.section(QRegularExpression("[=:]"), 0, 0);
        const QString rest = what.mid(name.size());
        const QStringList held = (rest.isEmpty() ? name : rest.mid(1)).split('*');
        const QKeySequence key(held[0]);
        const bool isKey = key.count() == 1 && key[0].key() != Qt::Key_unknown &&
                           QRegularExpression("^(\\d+w?)?$").match(held.value(1)).hasMatch();
        static const QRegularExpression alone("^(close|style|plot=\\d+x\\d+|(point|right):\\d+,\\d+"
                                              "|tick:\\d+|(choose|file|kind):.+)$");
        if (alone.match(what).hasMatch())
            return {};
        if (name == "answer") {
            QStringList why;
            for (const QString &step : rest.mid(1).split(','))
                why << refusal(step);
            return why.join("");
        }
        if (name == "next")
            return refusal(rest.mid(1));
        if (name == "press")
            return find<QAbstractButton>("cmd" + rest.mid(1)) ? "" : "no such button";
        if (rest.startsWith('=') || rest.startsWith(":=") || rest.startsWith(":commit="))
            return find<QLineEdit>("txt" + name) ? "" : "no such field";
        if (rest.isEmpty())
            return find("cmd" + name) || isKey ? "" : "no such button or key";
        return control(name) && isKey ? "" : "no such control or key";
    }

    void perform(const QString &what)
    {
        const QString name = what.section(QRegularExpression("[=:]"), 0, 0);
        QWidget *target = control(name);
        const QStringList held = what.section(':', -1).split('*');
        if (what == "close") {
            closeWindow();
        } else if (what == "style") {
            styles << QApplication::style()->name().toLower();
        } else if (name == "next") {
            act(what.section(':', 1));
        } else if (what.startsWith("plot=")) {
            const QStringList size = what.mid(5).split('x');
            find("picGraph")->resize(size[0].toInt(), size[1].toInt());
        } else if (what.contains(":commit=")) {
            commitText(static_cast<QLineEdit *>(target), what.section(":commit=", 1));
        } else if (what.contains(":=")) {
            static_cast<QLineEdit *>(target)->setText(what.section(":=", 1));
        } else if (what.contains('=')) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(target, what.section('=', 1));
        } else if (name == "answer") {
            answer = what.section(':', 1);
        } else if (name == "tick") {
            clock += std::chrono::milliseconds(what.section(':', 1).toInt());
        } else if (name == "point" || name == "right") {
            const QStringList xy = what.section(':', 1).split(',');
            const QWidget *plot = find("picGraph");
            const QPoint at(xy[0].toInt(), xy[1].toInt());
            if (name == "right")
                QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                                  plot->mapTo(&window, at));
            else // QTest would take 0,0 for the middle
                QCursor::setPos(plot->mapToGlobal(at));
            if (name == "point")
                awaitOrDie([] { return QToolTip::isVisible(); }, "the plot's tooltip");
        } else if (name == "choose") {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                qFatal("the window driver found no menu open to choose from");
            const QList<QAction *> items = menu->actions();
            const auto item = std::ranges::find_if(items, [&](QAction *each) {
                return each->text().startsWith(what.section(':', 1));
            });
            if (item == items.end())
                qFatal("the window driver found no such item in the menu");
            if (QMenu *submenu = (*item)->menu()) { // opened at once from the keyboard
                menu->setActiveAction(*item);
                QTest::keyClick(menu, Qt::Key_Right);
                if (QApplication::activePopupWidget() != submenu)
                    qFatal("the window driver could not open a submenu");
            } else {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*item).center());
            }
        } else if (name == "file") {
            fileAnswer = saved = QDir(scratch.path()).filePath(what.section(':', 1));
        } else if (name == "kind") {
            fileKind = what.section(':', 1);
        } else if (name == "press") {
            auto *button = find<QAbstractButton>("cmd" + what.section(':', 1));
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            awaitOrDie([button] { return !button->isDown(); },
                       "a button pressed by a screen reader to come up");
        } else if (target && !what.contains(':')) {
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            if (target)
                target->setFocus();
            hold(QKeySequence(held[0])[0], held.value(1));
        }
    }

    void hold(QKeyCombination key, QString repeats)
    {
        const bool pairs = repeats.endsWith('w');
        sendKey(QEvent::KeyPress, key, false);
        for (int n = repeats.remove('w').toInt(); n > 0; --n) {
            if (pairs)
                sendKey(QEvent::KeyRelease, key, true);
            sendKey(QEvent::KeyPress, key, pairs);
        }
        QMetaObject::invokeMethod(
            &window, [this, key] { sendKey(QEvent::KeyRelease, key, false); },
            Qt::QueuedConnection);
    }

    // The field focused and its text selected, as a click and Ctrl+A leave it.
    static void commitText(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(field, &commit);
    }

    // The question a file dialog asks of its answer, such as whether to
    // replace a file, answered once it has the keyboard.
    void answerQuestion(const QString &steps)
    {
        const auto question = [] {
            QWidget *modal = QApplication::activeModalWidget();
            return modal && qobject_cast<QFileDialog *>(modal->parentWidget()) ? modal : nullptr;
        };
        awaitOrDie(question, "the file dialog's question");
        question()->activateWindow(); // where no window manager does it
        awaitOrDie([&] { return question()->windowHandle() == QGuiApplication::focusWindow(); },
                   "the file dialog's question to have the keyboard");
        for (const QString &step : steps.split(','))
            perform(step);
    }

    // Where the platform sends it: to the window that has the keyboard, or, as
    // a window manager gives it back when a box closes, to the main window.
    void sendKey(QEvent::Type type, QKeyCombination key, bool repeat)
    {
        QWindow *focus = QGuiApplication::focusWindow();
        const char ascii = QTest::keyToAscii(key.key());
        qt_handleKeyEvent(focus ? focus : window.windowHandle(), type, key.key(),
                          key.keyboardModifiers(),
                          ascii ? QString(QChar::fromLatin1(ascii)) : QString(), repeat);
    }

    std::multimap<qsizetype, QString> steps;
    QStringList refused;
    QString answer; // steps
    QString fileAnswer, saved, fileKind;
    QTemporaryDir scratch;
    runtime::ErrorReporter previous;
    std::chrono::milliseconds clock{};
    runtime::PaceClock previousClock;
};
