#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>

namespace {

// Long enough for any machine; a program still running then has hung.
constexpr int hangTimeout = 20000;

QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// Whether the process has its own handler for the signal yet, as the kernel
// reports it; until then the signal would still kill it.
bool catchesSignal(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    // The kernel gives the file no size, so read it whole rather than by line.
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

QString failureReport(QProcess &process)
{
    return QStringLiteral("exit status %1, code %2, output:\n%3")
        .arg(process.exitStatus())
        .arg(process.exitCode())
        .arg(QString::fromLocal8Bit(process.readAllStandardError()));
}

} // namespace

class TestProcess : public QObject
{
    Q_OBJECT

private slots:
    void programClosesOnSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void programClosesOnSignal()
    {
        QFETCH(int, signal);
        QProcess program;
        program.setProcessEnvironment(offscreen());
        program.start(QStringLiteral(TREVANE_PROGRAM), QStringList());
        QVERIFY2(program.waitForStarted(hangTimeout), qPrintable(program.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(catchesSignal(program.processId(), signal), hangTimeout);
        QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
        QVERIFY2(program.waitForFinished(hangTimeout), "the program did not end");
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
                 qPrintable(failureReport(program)));
    }

    void windowClosesCleanly_data()
    {
        QTest::addColumn<QString>("scenario");
        for (const char *scenario :
             {"close", "close-mid-flight", "close-nested-flights", "close-mid-grid",
              "close-nested-grid", "close-during-flight-in-grid", "close-after-error",
              "close-during-error-box", "signal-mid-flight", "signal-during-error-box"})
            QTest::newRow(scenario) << QString::fromLatin1(scenario);
    }

    void windowClosesCleanly()
    {
        QFETCH(QString, scenario);
        QProcess host;
        host.setProcessEnvironment(offscreen());
        host.start(QStringLiteral(WINDOW_HOST), {scenario});
        QVERIFY2(host.waitForStarted(hangTimeout), qPrintable(host.errorString()));
        if (!host.waitForFinished(hangTimeout)) {
            host.kill();
            host.waitForFinished();
            QFAIL(qPrintable(QStringLiteral("the program did not end; ") + failureReport(host)));
        }
        QVERIFY2(host.exitStatus() == QProcess::NormalExit && host.exitCode() == 0,
                 qPrintable(failureReport(host)));
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
