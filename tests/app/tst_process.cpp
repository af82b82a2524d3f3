// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

// The program as a process: its command line, and its ends. Offscreen, as
// CTest runs it, or on Wayland alone under a weston of its own: the program
// sent a signal, or the real window in a host (see windowhost.cpp) closed
// while busy, with the stack it is given.
class TestProcess : public QObject
{
    Q_OBJECT

private slots:
    void runs_data()
    {
        QTest::addColumn<QString>("command");   // run by sh
        QTest::addColumn<int>("signal");        // sent once the program handles it
        QTest::addColumn<int>("status");        // the exit status
        QTest::addColumn<QString>("printed");   // the end of its last line
        QTest::addColumn<QString>("complaint"); // all of standard error, if not null
        const QString trevane = "exec '" TREVANE "' ";
        const QString noDisplay =
            "exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" TREVANE "' ";
        const QString usageEnd = "  -reverse                 lay the window out right to left";
        const QString refused = "'; see trevane --help\n";
        QTest::newRow("--version") << trevane + "--version" << 0 << 0 << "trevane 1.00"
                                   << "";
        QTest::newRow("-v") << trevane + "-v" << 0 << 0 << "trevane 1.00"
                            << "";
        QTest::newRow("--help") << trevane + "--help" << 0 << 0 << usageEnd << "";
        QTest::newRow("-h, no display") << noDisplay + "-h" << 0 << 0 << usageEnd << "";
        QTest::newRow("--bogus") << trevane + "-style Fusion --bogus" << 0 << 2 << ""
                                 << "trevane: unknown option '--bogus" + refused;
        QTest::newRow("a file") << trevane + "--platform offscreen plot.txt" << 0 << 2 << ""
                                << "trevane: unknown option 'plot.txt" + refused;
        QTest::newRow("no display")
            << noDisplay << 0 << 1 << ""
            << "trevane: no display: set DISPLAY or WAYLAND_DISPLAY, or run it under xvfb-run\n";
        // Qt's own options are left to Qt; a platform that needs no display is let through.
        const std::pair<int, QString> signalled[]{{SIGTERM, trevane + "-style Windows -reverse"},
                                                  {SIGINT, trevane + "--qwindowtitle Flights"},
                                                  {SIGHUP, noDisplay + "-platform offscreen"}};
        for (const auto &[signal, command] : signalled)
            QTest::addRow("signal %d", signal) << command << signal << 0 << "" << QString();
        QTest::newRow("no fonts")
            << "f=$(mktemp) && echo '<fontconfig/>' >$f && FONTCONFIG_FILE=$f "
               "XDG_RUNTIME_DIR=$(mktemp -d) " +
                   trevane
            << SIGTERM << 0 << ""
            << "The font Liberation Sans is missing: the captions may be cut or unreadable.\n";

        const QString host = "'" WINDOWHOST "' 0:LaunchVelocity:=20000 0:LaunchAngle:=45 ";
        for (const QString wayland : {"", "'" UNDER_WESTON "' "}) {
            const QString where = wayland.isEmpty() ? "" : ", Wayland";
            for (const char *close : {"close", "LaunchWithoutWind:Ctrl+Q"})
                QTest::addRow("%s mid-flight%s", close, qPrintable(where))
                    << "exec " + wayland + host + "0:LaunchWithoutWind 50:" + close << 0 << 0
                    << "50 lines to 69296.461, -63763.734; black 0,0 361x361; ready; fields 20000 "
                       "45 0 0; closed"
                    << (wayland.isEmpty() ? QString() : "");
        }
        QTest::newRow("flight, grid, needle, error, Wayland")
            << "exec '" UNDER_WESTON "' '" WINDOWHOST "' 0:LaunchVelocity:=100 0:LaunchAngle:=45 "
               "0:LaunchWithoutWind 30:DrawPlotLines 0:LaunchAngle=45 0:LaunchAngle:=1e400 "
               "0:answer:Return 0:LaunchAngle:End 0:close"
            << 0 << 0
            << "172 lines to 1025.305, 5420.619; black 0,0 513x361; ready; fields 100 1e400 0 0; "
               "needles 12,0 13x13, 45 degrees / none; Run-time error '6': Overflow; closed"
            << "";
        QTest::newRow("grid in nested flights")
            << "exec " + host + "0:LaunchWithWind 20:LaunchWithoutWind 40:DrawPlotLines 45:close"
            << 0 << 0 << "" << QString();
        QTest::newRow("after an error")
            << "exec " + host +
                   "0:LaunchVelocity:=1e400 0:answer:Return 0:LaunchWithoutWind 0:close"
            << 0 << 0
            << "Stop Plotting / Launch With Wind; fields 1e400 45 0 0; Run-time error '6': "
               "Overflow; closed"
            << QString();
        // Grids nested until the stack runs short, then a flight, then closing.
        QTest::newRow("out of stack")
            << "ulimit -s 1024; exec " + host +
                   "0:DrawPlotLines 1-99999:DrawPlotLines 0:LaunchVelocity:=10 0:LaunchWithoutWind "
                   "0:close"
            << 0 << 0
            << "lines to 11.314, 5416.239; black 0,0 513x361; ready; fields 10 45 0 0; Run-time "
               "error '28': Out of stack space; closed"
            << QString();
        // On an X server, as the platform sends them: a report in its real box met by a
        // screen reader's presses, a held key, the window manager's close and Ctrl+Q.
        const QString x = "exec xvfb-run -a env QT_QPA_PLATFORM=xcb '" WINDOWHOST
                          "' 0:LaunchVelocity:=1e200 0:LaunchAngle:=45 ";
        const QString reported = "fields 1e200 45 0 0; Run-time error '6': Overflow; closed";
        const QString onX[][3]{
            {"X: presses in a report",
             "0:answer:press:LaunchWithWind,press:LaunchWithoutWind,Return 0:LaunchWithoutWind "
             "0:close",
             "Stop Plotting / Launch With Wind; " + reported},
            {"X: held answer", "0:LaunchAngle:=1e400 0:answer:Return*3 0:LaunchAngle:End 0:close",
             "ready; fields 1e200 1e400 0 0; Run-time error '6': Overflow; closed"},
            {"X: closed in a report",
             "0:answer:close '0:LaunchWithoutWind&LaunchWithoutWind&LaunchWithoutWind&"
             "LaunchWithoutWind&LaunchWithoutWind'",
             "ready; " + reported},
            {"X: Ctrl+Q in a report", "0:answer:Ctrl+Q 0:LaunchWithoutWind",
             "Stop Plotting / Launch With Wind; " + reported}};
        for (const auto &[name, script, seen] : onX)
            QTest::newRow(qPrintable(name)) << x + script << 0 << 0 << seen << QString();
    }

    // Each ends by itself: a window that opened once it has closed.
    void runs()
    {
        QFETCH(QString, command);
        QFETCH(int, signal);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(QString, complaint);
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
        if (process.exitCode() == 77)
            QSKIP(qPrintable("weston cannot start here: " + errors));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == status,
                 qPrintable(errors));
        const QString output = process.readAllStandardOutput();
        QVERIFY2(printed.isEmpty() || output.section('\n', -2, -2).endsWith(printed),
                 qPrintable(output));
        if (!complaint.isNull())
            QCOMPARE(errors, complaint);
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
