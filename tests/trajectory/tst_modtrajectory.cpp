#include "modtrajectory.h"
#include "runtimeerror.h"

#include <QTest>

using namespace modTrajectory;

class TestModTrajectory : public QObject
{
    Q_OBJECT

private slots:
    void smoke()
    {
        QCOMPARE(HorizontalVelocity(1, 90), 6.123233995736766e-17);
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, HorizontalDistance(1e308, 0, 10));
    }
};

QTEST_APPLESS_MAIN(TestModTrajectory)
#include "tst_modtrajectory.moc"
