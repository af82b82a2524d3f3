// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QStringList>

// The rows of a test's table, a line each cut into cells at '|'; blank lines
// and those starting with '#' are left out. A line with another count of
// cells becomes a row whose every cell is the whole line, so that its test
// fails naming it rather than dropping it.
inline QList<QStringList> tableRows(const QString &path, qsizetype cells)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QList<QStringList> rows;
    for (const QString &line : QString(file.readAll()).split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            rows << (line.count('|') == cells - 1 ? line.split('|') : QStringList(cells, line));
    return rows;
}
