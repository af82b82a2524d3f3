// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Whether a process of the session still runs: not one that has ended and
// waits for init to reap it.
bool runs(pid_t session)
{
    for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        // "pid (name) state ppid pgrp session ..."
        const QList<QByteArray> fields = stat.open(QIODevice::ReadOnly)
                                             ? stat.readAll().split(')').last().split(' ')
                                             : QList<QByteArray>();
        if (fields.size() > 5 && fields[5].toInt() == session && fields[1] != "Z")
            return true;
    }
    return false;
}

// Ends every process of a row's session: a hung row's compositor and X
// server too, which its shell, once killed, can no longer end.
void endSession(pid_t session)
{
    ::kill(-session, SIGTERM);
    if (!QTest::qWaitFor([session] { return !runs(session); }, 5000))
        ::kill(-session, SIGKILL);
}

} // namespace

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
        const QTemporaryDir scratch; // private, as Wayland asks of XDG_RUNTIME_DIR
        environment.insert("SCRATCH", scratch.path());
        environment.insert("XDG_RUNTIME_DIR", scratch.path()); // as a desktop session has
        process.setProcessEnvironment(environment);
        // A session of its own, ended with the row however it ends, and told
        // when this test dies.
        process.setChildProcessModifier([] {
            ::setsid();
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        });
        process.start("sh", {"-c", command});
        QVERIFY(process.waitForStarted());
        const auto session = pid_t(process.processId());
        const auto ended = qScopeGuard([session] { endSession(session); });
        const QString program = QFileInfo(TREVANE).canonicalFilePath();
        const auto handles = [&] { // the program itself, by the kernel's mask of signals handled
            if (QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(session)) != program)
                return false;
            QFile file(QStringLiteral("/proc/%1/status").arg(session));
            const QByteArray s = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            return (s.mid(s.indexOf("SigCgt:") + 7, 17).toULongLong({}, 16) >>
                        (signal.toInt() - 1) &
                    1) != 0;
        };
        if (signal != "0" && QTest::qWaitFor(handles, 20000))
            ::kill(session, signal.toInt());
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
