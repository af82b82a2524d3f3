// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "closeonsignal.h"

#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Each row in a child process of its own, whose signals start as its parent
// left them: caught, or left ignored as nohup and background jobs leave them.
class TestCloseOnSignal : public QObject
{
    Q_OBJECT

private slots:
    void dispositions_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("ignoredAtStart");
        QTest::addColumn<bool>("caught");
        QTest::newRow("SIGHUP under nohup") << SIGHUP << true << false;
        QTest::newRow("SIGINT in the background") << SIGINT << true << false;
        QTest::newRow("SIGTERM ignored") << SIGTERM << true << false;
        QTest::newRow("SIGHUP") << SIGHUP << false << true;
        QTest::newRow("SIGINT") << SIGINT << false << true;
        QTest::newRow("SIGTERM") << SIGTERM << false << true;
    }

    void dispositions()
    {
        QFETCH(int, signal);
        QFETCH(bool, ignoredAtStart);
        QFETCH(bool, caught);
        const pid_t child = ::fork();
        if (child == 0) {
            ::signal(signal, ignoredAtStart ? SIG_IGN : SIG_DFL);
            runtime::CloseOnSignal::catchSignals();
            struct sigaction now = {};
            ::sigaction(signal, nullptr, &now);
            const bool handled = now.sa_handler != SIG_IGN && now.sa_handler != SIG_DFL;
            ::_exit(handled ? 1 : now.sa_handler == SIG_IGN ? 2 : 3);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), caught ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestCloseOnSignal)
#include "tst_closeonsignal.moc"
