// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "modtrajectory.h"
#include "outcomes.h"

using namespace modTrajectory;

class TestFormulas : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        outcomeColumns();
        const auto f = [](auto formula) {
            return [formula](auto arguments) { return written({formula(numbers(arguments))}); };
        };
        // The velocity's components and the angle's conversion: the distances of a second.
        // mingw-w64's cos reduces its angle by the x87's 66-bit pi, which near a zero of
        // the cosine keeps fewer of its digits than glibc's.
#ifdef _WIN32
        const char *const at90 = "1 90 1|6.1230317691119e-17";
#else
        const char *const at90 = "1 90 1|6.1232339957368e-17";
#endif
        rows("HorizontalDistance", f([](auto a) { return HorizontalDistance(a[0], a[1], a[2]); }),
             {"-7.5 0 1|-7.5", at90, "10 180 1|-10", "10 405 1|7.0710678118655", "0 123 7|0",
              "100 45 14.5|1025.3048327205", "1e308 0 10|Run-time error '6': Overflow"});
        rows("VerticalDistance", f([](auto a) { return VerticalDistance(a[0], a[1], a[2], a[3]); }),
             {"20 90 0 1|20", "10 -90 0 1|-10", "-10 45 0 1|-7.0710678118655",
              "-50 300 9.80665 0|0", "0 -37 9.80665 10|-490.3325", "20 30 0 2.5|25",
              "100 45 9.80665 14.5|-5.6192485295062",
              "1 45 9.80665 1e200|Run-time error '6': Overflow"});
    }

    void outcomes()
    {
        checkOutcome();
    }
};

QTEST_APPLESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
