// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "errorhandling.h"
#include "outcomes.h"

using namespace runtime;

class TestDispatch : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        outcomeColumns();
        // The one way into a handler: any failure is reported once, and the next handler runs.
        rows("runHandler",
             [](auto) {
                 QStringList seen;
                 const ErrorReporter previous = setErrorReporter(
                     [&](const RuntimeError &error) { seen << errorMessage(error); });
                 runHandler([] { throw std::bad_alloc(); });
                 runHandler([&] { seen << "next"; });
                 setErrorReporter(previous);
                 return seen.join("; ");
             },
             {"no memory|Run-time error '7': Out of memory; next"});
    }

    void outcomes() { checkOutcome(); }
};

QTEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"
