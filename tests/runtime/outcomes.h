#pragma once

#include "errorhandling.h"

#include <QTest>
#include <functional>

// Rows of "input|output" for one conversion from text to text: the output is
// what it gives, or the report of the run-time error that abandons it; "~x"
// is x to within rounding.
using Conversion = std::function<QString(const QString &)>;
Q_DECLARE_METATYPE(Conversion)

inline QList<double> numbers(const QString &text)
{
    QList<double> parsed;
    for (const QString &word : text.split(' '))
        parsed << std::strtod(word.toLatin1(), nullptr);
    return parsed;
}

inline QString shortest(std::initializer_list<double> values)
{
    QStringList texts;
    for (const double value : values)
        texts << QString::number(value, 'g', QLocale::FloatingPointShortest);
    return texts.join(' ');
}

inline void rows(const char *name, const Conversion &f, std::initializer_list<const char *> list)
{
    for (const char *row : list)
        QTest::addRow("%s %s", name, row) << f << QString::fromUtf8(row);
}

// The conversion goes in through the dispatch point: a fault abandons it, is
// reported once, nothing escapes, and the next handler runs.
inline void checkOutcome()
{
    QFETCH(Conversion, convert);
    QFETCH(QString, row);
    QStringList seen;
    const runtime::ErrorReporter previous = runtime::setErrorReporter(
        [&](const runtime::RuntimeError &error) { seen << runtime::errorMessage(error); });
    runtime::runHandler([&] { seen << convert(row.section('|', 0, 0)); });
    runtime::runHandler([&] { seen << "next"; });
    runtime::setErrorReporter(previous);
    QCOMPARE(seen.takeLast(), "next");
    const QString outcome = seen.join("; "), expected = row.section('|', 1);
    const bool near =
        expected.startsWith('~') && qFuzzyCompare(outcome.toDouble(), expected.mid(1).toDouble());
    QVERIFY2(outcome == expected || near, qPrintable(outcome));
}
