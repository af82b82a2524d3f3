#include "modtrajectory.h"
#include "runtimeerror.h"

#include <QTest>
#include <cmath>
#include <functional>

using namespace modTrajectory;

namespace {

using Formula = std::function<double()>;

// The number of the run-time error the formula raises, 0 when it raises none.
int errorNumberOf(const Formula &formula)
{
    try {
        formula();
    } catch (const runtime::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Formula)

class TestModTrajectory : public QObject
{
    Q_OBJECT

private slots:
    void startsAtTheOrigin_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("angle");
        QTest::newRow("100 m/s at 45") << 100.0 << 45.0;
        QTest::newRow("straight up") << 30.0 << 90.0;
        QTest::newRow("backwards and down") << -50.0 << 300.0;
        QTest::newRow("huge velocity") << 1e300 << 33.0;
        QTest::newRow("at rest") << 0.0 << 0.0;
    }

    // Exactly 0, not merely close: the first segment of every flight starts
    // and ends at the launch point.
    void startsAtTheOrigin()
    {
        QFETCH(double, velocity);
        QFETCH(double, angle);
        QVERIFY(HorizontalDistance(velocity, angle, 0) == 0.0);
        QVERIFY(VerticalDistance(velocity, angle, 9.80665, 0) == 0.0);
    }

    void levelLaunchHasNoVerticalVelocity_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::newRow("1") << 1.0;
        QTest::newRow("100") << 100.0;
        QTest::newRow("negative") << -7.5;
        QTest::newRow("huge") << 1e308;
    }

    void levelLaunchHasNoVerticalVelocity()
    {
        QFETCH(double, velocity);
        QVERIFY(VerticalVelocity(velocity, 0) == 0.0);
        QCOMPARE(HorizontalVelocity(velocity, 0), velocity);
    }

    void verticalLaunchKeepsAHairOfHorizontalVelocity_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("horizontal");
        QTest::newRow("1") << 1.0 << 6.123233995736766e-17;
        QTest::newRow("1000") << 1000.0 << 6.123233995736766e-14;
        QTest::newRow("-2") << -2.0 << -1.2246467991473532e-16;
    }

    // pi/2 is not exact, so its cosine is not 0; the needles and flights
    // show this last bit.
    void verticalLaunchKeepsAHairOfHorizontalVelocity()
    {
        QFETCH(double, velocity);
        QFETCH(double, horizontal);
        QVERIFY2(HorizontalVelocity(velocity, 90) == horizontal,
                 qPrintable(QString::number(HorizontalVelocity(velocity, 90), 'g', 17)));
        QCOMPARE(VerticalVelocity(velocity, 90), velocity);
    }

    void noVelocityOnlyFalls_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("time");
        QTest::addColumn<double>("height");
        QTest::newRow("half a second, level") << 0.0 << 0.5 << -1.22583125;
        QTest::newRow("one second, up") << 90.0 << 1.0 << -4.903325;
        QTest::newRow("a tenth, backwards") << 180.0 << 0.1 << -0.04903325;
        QTest::newRow("ten seconds, odd angle") << -37.0 << 10.0 << -490.3325;
        QTest::newRow("landing time of 100 m/s at 45") << 45.0 << 14.5 << -1030.92408125;
    }

    void noVelocityOnlyFalls()
    {
        QFETCH(double, angle);
        QFETCH(double, time);
        QFETCH(double, height);
        QCOMPARE(VerticalDistance(0, angle, 9.80665, time), height);
        QVERIFY(HorizontalDistance(0, angle, time) == 0.0);
    }

    void directions_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("horizontal");
        QTest::addColumn<double>("vertical");
        QTest::newRow("right") << 10.0 << 0.0 << 10.0 << 0.0;
        QTest::newRow("45") << 100.0 << 45.0 << 70.71067811865476 << 70.71067811865476;
        QTest::newRow("30") << 2.0 << 30.0 << std::sqrt(3.0) << 1.0;
        QTest::newRow("left") << 10.0 << 180.0 << -10.0 << 0.0;
        QTest::newRow("down") << 10.0 << 270.0 << 0.0 << -10.0;
        QTest::newRow("minus 90 is down") << 10.0 << -90.0 << 0.0 << -10.0;
        QTest::newRow("a full turn more")
            << 10.0 << 405.0 << 7.0710678118654755 << 7.0710678118654755;
        QTest::newRow("negative velocity goes the other way")
            << -10.0 << 45.0 << -7.0710678118654755 << -7.0710678118654755;
    }

    // To within rounding: the components of a velocity in each direction.
    void directions()
    {
        QFETCH(double, velocity);
        QFETCH(double, angle);
        QFETCH(double, horizontal);
        QFETCH(double, vertical);
        const double tolerance = 1e-12 * std::abs(velocity);
        QVERIFY2(std::abs(HorizontalVelocity(velocity, angle) - horizontal) <= tolerance,
                 qPrintable(QString::number(HorizontalVelocity(velocity, angle), 'g', 17)));
        QVERIFY2(std::abs(VerticalVelocity(velocity, angle) - vertical) <= tolerance,
                 qPrintable(QString::number(VerticalVelocity(velocity, angle), 'g', 17)));
    }

    void negativeVelocityMirrorsThroughTheOrigin_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("time");
        QTest::newRow("45") << 100.0 << 45.0 << 3.0;
        QTest::newRow("odd") << 12.34 << 123.4 << 0.7;
        QTest::newRow("level") << 5.0 << 0.0 << 2.0;
    }

    // Without gravity the path of -v is the path of v turned half a turn.
    void negativeVelocityMirrorsThroughTheOrigin()
    {
        QFETCH(double, velocity);
        QFETCH(double, angle);
        QFETCH(double, time);
        QVERIFY(HorizontalDistance(-velocity, angle, time) ==
                -HorizontalDistance(velocity, angle, time));
        QVERIFY(VerticalDistance(-velocity, angle, 0, time) ==
                -VerticalDistance(velocity, angle, 0, time));
        QCOMPARE(HorizontalDistance(-velocity, angle, time),
                 HorizontalDistance(velocity, angle + 180, time));
    }

    void withoutGravityTheLineIsStraight_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("angle");
        QTest::newRow("30") << 20.0 << 30.0;
        QTest::newRow("steep") << 7.0 << 80.0;
        QTest::newRow("backwards down") << 3.0 << 200.0;
    }

    void withoutGravityTheLineIsStraight()
    {
        QFETCH(double, velocity);
        QFETCH(double, angle);
        for (const double time : {0.1, 1.0, 2.5, 100.0}) {
            QVERIFY(VerticalDistance(velocity, angle, 0, time) ==
                    VerticalVelocity(velocity, angle) * time);
            QCOMPARE(VerticalDistance(velocity, angle, 0, time) /
                         HorizontalDistance(velocity, angle, time),
                     std::tan(angle * M_PI / 180));
        }
    }

    void flightPositions_data()
    {
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("time");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("100 at 45, landing")
            << 100.0 << 45.0 << 14.5 << 1025.304832720494 << -5.619248529506194;
        QTest::newRow("10 at 45, landing")
            << 10.0 << 45.0 << 1.6 << 11.313708498984761 << -1.2388035010152425;
        QTest::newRow("top of 20 straight up")
            << 20.0 << 90.0 << 20 / 9.80665 << 0.0 << 20.394324259558566;
    }

    void flightPositions()
    {
        QFETCH(double, velocity);
        QFETCH(double, angle);
        QFETCH(double, time);
        QFETCH(double, x);
        QFETCH(double, y);
        QVERIFY(std::abs(HorizontalDistance(velocity, angle, time) - x) < 1e-9);
        QVERIFY(std::abs(VerticalDistance(velocity, angle, 9.80665, time) - y) < 1e-9);
    }

    void degreesToRadians_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("radians");
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("90") << 90.0 << M_PI / 2;
        QTest::newRow("180") << 180.0 << M_PI;
        QTest::newRow("-45") << -45.0 << -M_PI / 4;
        QTest::newRow("720") << 720.0 << 4 * M_PI;
    }

    void degreesToRadians()
    {
        QFETCH(double, degrees);
        QFETCH(double, radians);
        QCOMPARE(DegreesToRadians(degrees), radians);
    }

    void faults_data()
    {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<int>("error");
        QTest::newRow("velocity 1e308 for 10 s")
            << Formula([] { return HorizontalDistance(1e308, 0, 10); }) << 6;
        QTest::newRow("velocity 1e308 upward for 10 s")
            << Formula([] { return VerticalDistance(1e308, 90, 9.80665, 10); }) << 6;
        QTest::newRow("time squared too large")
            << Formula([] { return VerticalDistance(1, 45, 9.80665, 1e200); }) << 6;
        QTest::newRow("huge time") << Formula([] { return HorizontalDistance(10, 0, 1e308); }) << 6;
        QTest::newRow("huge gravity")
            << Formula([] { return VerticalDistance(1, 45, 1e308, 10); }) << 6;
        QTest::newRow("infinite angle")
            << Formula([] { return HorizontalVelocity(1, HUGE_VAL); }) << 6;
        QTest::newRow("angle not a number")
            << Formula([] { return DegreesToRadians(std::nan("")); }) << 6;
        QTest::newRow("velocity 1e308 at time 1 is fine")
            << Formula([] { return HorizontalDistance(1e308, 0, 1); }) << 0;
        QTest::newRow("underflow is ignored")
            << Formula([] { return VerticalDistance(1e-300, 45, 0, 1e-300); }) << 0;
        QTest::newRow("a tiny fall is ignored")
            << Formula([] { return VerticalDistance(0, 0, 9.80665, 1e-200); }) << 0;
    }

    void faults()
    {
        QFETCH(Formula, formula);
        QFETCH(int, error);
        QCOMPARE(errorNumberOf(formula), error);
    }
};

QTEST_APPLESS_MAIN(TestModTrajectory)
#include "tst_modtrajectory.moc"
