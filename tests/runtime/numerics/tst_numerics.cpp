// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "floatingpointguard.h"
#include "numberconversion.h"
#include "outcomes.h"

using namespace runtime;

// Values alone cannot tell an infinity from a division by zero from one from
// an overflow.
#ifdef TREVANE_FAULTS_FROM_VALUES
#define DIVISION_BY_ZERO "Run-time error '6': Overflow"
#else
#define DIVISION_BY_ZERO "Run-time error '11': Division by zero"
#endif

class TestNumerics : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        outcomeColumns();
        rows("valueOfText", [](auto s) { return written({valueOfText(s.toStdU16String())}); },
             {"|0", "  12.5abc|12.5", "-3e2|-300", "+.5|0.5", ".|0", "1,5|1", "1E3|1000", "12e+|12",
              "\t\r\n7|7", "\u0663|0", "1e-400|0", "1e400|Run-time error '6': Overflow"});
        rows("textOfNumber",
             [](auto s) { return QString::fromStdString(textOfNumber(numbers(s)[0])); },
             {"-0|0", "0.1|0.1", "0.66666666666666663|0.666666666666667", "1e15|1E+15",
              "1234567890123456|1.23456789012346E+15", "0.0001|0.0001", "1.5e-5|1.5E-05",
              "inf|Run-time error '6': Overflow"});
        rows("roundToInt32", [](auto s) { return QString::number(roundToInt32(numbers(s)[0])); },
             {"0.5|0", "2.5|2", "-0.5|0", "2147483647.4|2147483647", "-2147483648.5|-2147483648",
              "2147483647.5|Run-time error '6': Overflow", "nan|Run-time error '6': Overflow"});
        rows("toSingle", [](auto s) { return written({toSingle(numbers(s)[0])}); },
             {"0.1|0.10000000149012", "3.4028235677973362e38|3.4028234663853e+38",
              "3.5e38|Run-time error '6': Overflow"});
        // "a op b op c", op * or /, worked out from the right under one guard,
        // each step checked, as a routine does where a fault could vanish.
        rows("guarded",
             [](auto expression) {
                 const QStringList w = expression.split(' ');
                 const FloatingPointGuard guard;
                 double v = w.last().toDouble();
                 for (qsizetype i = w.size() - 2; i > 0; i -= 2)
                     v = guard.checked(w[i] == "*" ? w[i - 1].toDouble() * v
                                                   : w[i - 1].toDouble() / v);
                 return written({guard.checked(v)});
             },
             {"1e308 * 10|Run-time error '6': Overflow", "0 / 0|Run-time error '6': Overflow",
              "1 / 0|" DIVISION_BY_ZERO, "1e-308 * 1e-308|0",
              "1 / 1e308 * 10|Run-time error '6': Overflow", "1 / 3|0.33333333333333"});
        // A fault before a routine that calls another is still the caller's.
        rows("nested guards",
             [](auto divisor) {
                 const FloatingPointGuard outer;
                 const double quotient = 1 / divisor.toDouble();
                 FloatingPointGuard().checked(2.0);
                 return written({outer.checked(quotient)});
             },
             {"0|" DIVISION_BY_ZERO});
    }

    void outcomes() { checkOutcome(); }
};

QTEST_APPLESS_MAIN(TestNumerics)
#include "tst_numerics.moc"
