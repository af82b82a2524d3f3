// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

// Offscreen, as CTest runs it: the program sent a signal, or the real window
// in a host (see windowhost.cpp) closed while busy, with the stack it is
// given. Each must end by itself with status 0.
class TestProcess : public QObject
{
    Q_OBJECT

private slots:
    void closes_data()
    {
        QTest::addColumn<QString>("command"); // run by sh
        QTest::addColumn<int>("signal");      // sent once the program handles it
        QTest::addColumn<QString>("printed"); // the end of what the host saw, or of a warning
        const QString host = "exec '" WINDOWHOST "' 0:LaunchVelocity:=20000 0:LaunchAngle:=45 ";
        for (const int signal : {SIGTERM, SIGINT, SIGHUP})
            QTest::addRow("signal %d", signal) << "exec '" TREVANE "'" << signal << "";
        QTest::newRow("no fonts")
            << "f=$(mktemp) && echo '<fontconfig/>' >$f && FONTCONFIG_FILE=$f exec '" TREVANE "'"
            << SIGTERM << "The font Liberation Sans is missing: the captions may be cut or unreadable.";
        for (const char *close : {"close", "LaunchWithoutWind:Ctrl+Q"})
            QTest::addRow("%s mid-flight", close)
                << host + "0:LaunchWithoutWind 50:" + close << 0
                << "50 lines to 69296.461, -63763.734; black 0,0 361x361; ready; fields 20000 45 "
                   "0 0; closed";
        QTest::newRow("grid in nested flights")
            << host + "0:LaunchWithWind 20:LaunchWithoutWind 40:DrawPlotLines 45:close" << 0 << "";
        QTest::newRow("after an error")
            << host + "0:LaunchVelocity:=1e400 0:answer:Return 0:LaunchWithoutWind 0:close" << 0
            << "Stop Plotting / Launch With Wind; fields 1e400 45 0 0; Run-time error '6': "
               "Overflow; closed";
        // Grids nested until the stack runs short, then a flight, then closing.
        QTest::newRow("out of stack")
            << "ulimit -s 1024; " + host +
                   "0:DrawPlotLines 1-99999:DrawPlotLines 0:LaunchVelocity:=10 0:LaunchWithoutWind "
                   "0:close"
            << 0
            << "lines to 11.314, 5416.239; black 0,0 513x361; ready; fields 10 45 0 0; Run-time "
               "error '28': Out of stack space; closed";
        // On an X server, as the platform sends them: a report in its real box met by a
        // screen reader's presses, a held key, the window manager's close and Ctrl+Q.
        const QString x = "exec xvfb-run -a env QT_QPA_PLATFORM=xcb '" WINDOWHOST
                          "' 0:LaunchVelocity:=1e200 0:LaunchAngle:=45 ";
        const QString reported = "fields 1e200 45 0 0; Run-time error '6': Overflow; closed";
        QTest::newRow("X: presses in a report")
            << x + "0:answer:press:LaunchWithWind,press:LaunchWithoutWind,Return "
                   "0:LaunchWithoutWind 0:close"
            << 0 << "Stop Plotting / Launch With Wind; " + reported;
        QTest::newRow("X: held answer")
            << x + "0:LaunchAngle:=1e400 0:answer:Return*3 0:LaunchAngle:End 0:close" << 0
            << "ready; fields 1e200 1e400 0 0; Run-time error '6': Overflow; closed";
        QTest::newRow("X: closed in a report")
            << x + "0:answer:close '0:LaunchWithoutWind&LaunchWithoutWind&LaunchWithoutWind&"
                   "LaunchWithoutWind&LaunchWithoutWind'"
            << 0 << "ready; " + reported;
        QTest::newRow("X: Ctrl+Q in a report")
            << x + "0:answer:Ctrl+Q 0:LaunchWithoutWind" << 0
            << "Stop Plotting / Launch With Wind; " + reported;
        // The plot's menu by the Menu key with the pointer resting there; closing the
        // window in the middle of a flight from the save dialog.
        const QString plot = "exec xvfb-run -a env QT_QPA_PLATFORM=xcb '" WINDOWHOST
                             "' 0:LaunchVelocity:=100 0:LaunchAngle:=45 ";
        QTest::newRow("X: copied from the plot's menu")
            << plot + "0:LaunchWithoutWind 0:point:34,344 0:Menu 0:choose:Copy 0:close" << 0
            << "fields 100 45 0 0; copy as the plot; closed";
        QTest::newRow("X: closed from the save dialog")
            << plot + "0:answer:close 0:LaunchWithoutWind 10:Ctrl+S" << 0
            << "10 lines to 63.640, 5355.332; black 0,357 5x4; ready; fields 100 45 0 0; closed";
    }

    void closes()
    {
        QFETCH(QString, command);
        QFETCH(int, signal);
        QFETCH(QString, printed);
        if (command.contains("xvfb-run") && QStandardPaths::findExecutable("xvfb-run").isEmpty())
            QSKIP("no xvfb-run here");
        QProcess process;
        process.start("sh", {"-c", command});
        const auto handles = [&] { // by the kernel's mask of the signals given handlers
            QFile file(QStringLiteral("/proc/%1/status").arg(process.processId()));
            const QByteArray s = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            return s.mid(s.indexOf("SigCgt:") + 7, 17).toULongLong({}, 16) >> (signal - 1) & 1;
        };
        if (signal && process.waitForStarted() && QTest::qWaitFor(handles, 20000))
            ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(60000)); // only a hung process takes that long
        const QString errors = process.readAllStandardError();
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 qPrintable(errors));
        const QString output = process.readAllStandardOutput() + errors;
        QVERIFY2(printed.isEmpty() || output.contains(printed + "\n"), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
