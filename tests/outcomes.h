// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtimeerror.h"

#include <QTest>
#include <functional>

// Rows of "input|output" for a conversion from text to text: the output is
// what it gives or the run-time error that abandons it.
using Conversion = std::function<QString(const QString &)>;
Q_DECLARE_METATYPE(Conversion)

inline QList<double> numbers(const QString &text)
{
    QList<double> parsed;
    for (const QString &word : text.split(' '))
        parsed << std::strtod(word.toLatin1(), nullptr);
    return parsed;
}

// The values to 14 significant digits, short of where math libraries differ.
inline QString written(const QList<double> &values)
{
    QStringList texts;
    for (const double value : values)
        texts << QString::number(value, 'g', 14);
    return texts.join(' ');
}

inline void rows(const char *name, const Conversion &f, std::initializer_list<const char *> list)
{
    for (const char *row : list)
        QTest::addRow("%s %s", name, row) << f << QString::fromUtf8(row);
}

inline void outcomeColumns()
{
    QTest::addColumn<Conversion>("convert");
    QTest::addColumn<QString>("row");
}

inline void checkOutcome()
{
    QFETCH(Conversion, convert);
    QFETCH(QString, row);
    QString outcome;
    try {
        outcome = convert(row.section('|', 0, 0));
    } catch (const runtime::RuntimeError &error) {
        outcome = QString("Run-time error '%1': %2").arg(error.number()).arg(error.what());
    }
    QCOMPARE(outcome, row.section('|', 1));
}
