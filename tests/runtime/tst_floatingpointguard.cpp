#include "floatingpointguard.h"
#include "runtimeerror.h"

#include <QTest>
#include <cfenv>
#include <cfloat>
#include <cmath>

using runtime::FloatingPointGuard;

namespace {

// Volatile, so that the compiler cannot fold the faults away at build time.
volatile double zero = 0.0;
volatile double one = 1.0;
volatile double huge = 1e308;
volatile double tiny = 1e-308;
volatile float hugeSingle = 3e38f;

using Computation = double (*)();

// The number of the run-time error the guarded computation raises, 0 for none.
int errorNumberOf(Computation computation)
{
    try {
        const FloatingPointGuard guard;
        guard.checked(computation());
    } catch (const runtime::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Computation)

class TestFloatingPointGuard : public QObject
{
    Q_OBJECT

private slots:
    void init() { std::feclearexcept(FE_ALL_EXCEPT); }

    void faults_data()
    {
        QTest::addColumn<Computation>("computation");
        QTest::addColumn<int>("error");
        QTest::newRow("overflow") << Computation([] { return huge * 10; }) << 6;
        QTest::newRow("one over zero") << Computation([] { return one / zero; }) << 11;
        QTest::newRow("log of zero") << Computation([] { return std::log(zero); }) << 11;
        QTest::newRow("zero over zero") << Computation([] { return zero / zero; }) << 6;
        QTest::newRow("infinity minus infinity")
            << Computation([] { return (huge * 10) - (huge * 10); }) << 6;
        QTest::newRow("square root of -1") << Computation([] { return std::sqrt(-one); }) << 6;
        QTest::newRow("power overflow") << Computation([] { return std::pow(huge, 2.0); }) << 6;
        QTest::newRow("overflow, then a finite result")
            << Computation([] { return one / (huge * 10); }) << 6;
        QTest::newRow("division by zero, then a finite result")
            << Computation([] { return one / (one / zero); }) << 11;
        QTest::newRow("infinite result without a flag")
            << Computation([] { return double(HUGE_VAL); }) << 6;
        QTest::newRow("single-precision overflow")
            << Computation([] { return double(hugeSingle * 10.0f); }) << 6;
        QTest::newRow("underflow is ignored") << Computation([] { return tiny * tiny; }) << 0;
        QTest::newRow("subnormal result is ignored")
            << Computation([] { return tiny / 1e10; }) << 0;
        QTest::newRow("inexact is ignored") << Computation([] { return one / 3; }) << 0;
        QTest::newRow("largest double is fine") << Computation([] { return DBL_MAX * one; }) << 0;
    }

    void faults()
    {
        QFETCH(Computation, computation);
        QFETCH(int, error);
        QCOMPARE(errorNumberOf(computation), error);
    }

    void singlePrecisionResult()
    {
        const FloatingPointGuard guard;
        const float overflowed = hugeSingle * 10.0f;
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, guard.checked(overflowed));
    }

    void faultsBeforeTheRoutineAreNotItsOwn()
    {
        volatile double overflowed = huge * 10;
        Q_UNUSED(overflowed);
        const FloatingPointGuard guard;
        QCOMPARE(guard.checked(one + 1), 2.0);
    }

    void nested_data()
    {
        QTest::addColumn<Computation>("outerFault");
        QTest::addColumn<int>("error");
        QTest::newRow("overflow") << Computation([] { return huge * 10; }) << 6;
        QTest::newRow("division by zero") << Computation([] { return one / zero; }) << 11;
        QTest::newRow("invalid") << Computation([] { return zero / zero; }) << 6;
    }

    // A routine that faults and then calls another guarded routine still
    // raises its own fault when it checks its result.
    void nested()
    {
        QFETCH(Computation, outerFault);
        QFETCH(int, error);
        int raised = 0;
        try {
            const FloatingPointGuard outer;
            outerFault();
            {
                const FloatingPointGuard inner;
                QCOMPARE(inner.checked(one * 2), 2.0);
            }
            outer.checked(one);
        } catch (const runtime::RuntimeError &fault) {
            raised = fault.number();
        }
        QCOMPARE(raised, error);
    }

    void innerFaultReachesTheOuterRoutine()
    {
        const FloatingPointGuard outer;
        try {
            const FloatingPointGuard inner;
            inner.checked(huge * 10);
            QFAIL("the inner routine did not raise its fault");
        } catch (const runtime::RuntimeError &) {
        }
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, outer.checked(one));
    }

    void flagsAreRestoredForTheCaller()
    {
        volatile double overflowed = huge * 10;
        Q_UNUSED(overflowed);
        {
            const FloatingPointGuard guard;
        }
        QVERIFY(std::fetestexcept(FE_OVERFLOW));
    }
};

QTEST_APPLESS_MAIN(TestFloatingPointGuard)
#include "tst_floatingpointguard.moc"
