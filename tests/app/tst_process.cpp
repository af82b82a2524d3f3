// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "table.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

// The program as a process: its command line, and its ends, closed by a
// signal or, in the tests' host, while busy. A row each in runs.txt.
class TestProcess : public QObject
{
    Q_OBJECT

private slots:
    void runs_data()
    {
        for (const char *column : {"command", "signal", "status", "printed", "complaint"})
            QTest::addColumn<QString>(column);
        for (const QStringList &cells : tableRows(QFINDTESTDATA("runs.txt"), 6)) {
            QTestData &row = QTest::newRow(qPrintable(cells[0]));
            for (const QString &cell : cells.mid(1))
                row << QString(cell).replace("\\n", "\n");
        }
    }

    // Each ends by itself: a window that opened once it has closed.
    void runs()
    {
        QFETCH(QString, command);
        QFETCH(QString, signal);
        QFETCH(QString, status);
        QFETCH(QString, printed);
        QFETCH(QString, complaint);
        QVERIFY2(signal != command, "not a row: name|command|signal|status|last line|error");
        if (command.contains("xvfb-run") && QStandardPaths::findExecutable("xvfb-run").isEmpty())
            QSKIP("no xvfb-run here");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TREVANE", TREVANE);
        environment.insert("HOST", WINDOWHOST);
        environment.insert("WESTON", UNDER_WESTON);
        process.setProcessEnvironment(environment);
        process.start("sh", {"-c", command});
        const auto handles = [&] { // by the kernel's mask of the signals given handlers
            QFile file(QStringLiteral("/proc/%1/status").arg(process.processId()));
            const QByteArray s = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            return s.mid(s.indexOf("SigCgt:") + 7, 17).toULongLong({}, 16) >> (signal.toInt() - 1) &
                   1;
        };
        if (signal != "0" && process.waitForStarted() && QTest::qWaitFor(handles, 20000))
            ::kill(pid_t(process.processId()), signal.toInt());
        QVERIFY(process.waitForFinished(60000)); // only a hung process takes that long
        const QString errors = process.readAllStandardError();
        if (process.exitCode() == 77)
            QSKIP(qPrintable("weston cannot start here: " + errors));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == status.toInt(),
                 qPrintable(errors));
        const QString output = process.readAllStandardOutput();
        QVERIFY2(printed.isEmpty() || output.section('\n', -2, -2).endsWith(printed),
                 qPrintable(output));
        if (complaint != "-")
            QCOMPARE(errors, complaint);
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
