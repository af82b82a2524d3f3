#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>

// Offscreen, as CTest runs it: the program sent SIGTERM, or the real window in a host closed
// while busy (see windowhost.cpp), one way a run. Each must end by itself with status 0.
class TestProcess : public QObject
{
    Q_OBJECT

private slots:
    void closes_data()
    {
        QTest::addColumn<QString>("args"); // for the host; none: the program
        QTest::newRow("program") << "";
        QTest::newRow("mid-flight") << "20000 0:LaunchWithoutWind 50:close";
        QTest::newRow("Ctrl+Q mid-flight") << "20000 0:LaunchWithoutWind 50:quit";
        QTest::newRow("nested flights") << "20000 0:LaunchWithoutWind 20:LaunchWithWind 60:close";
        QTest::newRow("mid-grid") << "0 0:DrawPlotLines 3:close";
        QTest::newRow("nested grid") << "0 0:DrawPlotLines 3:DrawPlotLines 6:close";
        QTest::newRow("grid in nested flights")
            << "20000 0:LaunchWithWind 20:LaunchWithoutWind 40:DrawPlotLines 45:close";
        QTest::newRow("after an error") << "1e400 0:LaunchWithoutWind 0:answer 0:close";
    }

    void closes()
    {
        QFETCH(QString, args);
        QProcess process;
        process.start(args.isEmpty() ? TREVANE : WINDOWHOST, args.split(' ', Qt::SkipEmptyParts));
        const auto handlesTerm = [&] { // by the kernel's mask of the signals given handlers
            QFile file(QStringLiteral("/proc/%1/status").arg(process.processId()));
            const QByteArray s = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            return s.mid(s.indexOf("SigCgt:") + 7, 17).toULongLong({}, 16) >> (SIGTERM - 1) & 1;
        };
        if (args.isEmpty() && process.waitForStarted() && QTest::qWaitFor(handlesTerm, 20000))
            ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(20000)); // only a hung process takes that long
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError());
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
